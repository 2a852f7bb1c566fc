#include "common/qt/QtUi.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressBar>
#include <QStatusBar>

#include "common/engine/ProgressPositions.h"
#include "common/qt/FileFilter.h"
#include "common/qt/FormDialog.h"
#include "common/qt/MessageBox.h"
#include "common/qt/TextWindow.h"

namespace zelvo::qt {

QtUi::QtUi(QString programTitle) : title_(std::move(programTitle)) {}

QtUi::~QtUi() = default;

void QtUi::SetWindow(QWidget* window, QStatusBar* statusBar) {
  window_ = window;
  statusBar_ = statusBar;
  if (statusBar_ && !progressBar_) {
    progressBar_ = new QProgressBar(statusBar_);
    progressBar_->setRange(progress::kIdle, progress::kEnd);
    progressBar_->setMaximumWidth(200);
    progressBar_->setTextVisible(false);
    statusBar_->addPermanentWidget(progressBar_);
    progressBar_->hide();
  }
}

QWidget* QtUi::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return window_;
}

Answer QtUi::Message(const std::string& text, Buttons buttons) {
  return ShowMessageBox(DialogParent(), title_, text, buttons);
}

void QtUi::Inform(const std::string& text) { ShowInformationBox(DialogParent(), title_, text); }

bool QtUi::Edit(Form& form, const FormCheck& check) {
  FormDialog* dialog = CreateFormDialog(form, DialogParent());
  if (!dialog) {
    Message(std::string("The dialog ") + form.FormName() + " is not available in this version.", Buttons::Ok);
    return false;
  }
  dialog->SetMessageTitle(title_);
  dialog->SetCheck(check);
  dialog->SetUi(this);
  dialog->Load();
  // The dialog is gone before the command goes on, so it never shows twice.
  const bool ok = dialog->exec() == QDialog::Accepted;
  delete dialog;
  return ok;
}

std::optional<std::string> QtUi::RunFileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(DialogParent());
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // the commands ask themselves
  dialog.setWindowTitle(
      QString::fromStdString(request.title.empty() ? (save ? "Save As" : "Open") : request.title));
  dialog.setNameFilters(NameFiltersFromFilter(request.filter));
  QString folder = QString::fromStdString(request.initialFolder);
  if (folder.isEmpty()) folder = lastFolder_;
  if (folder.isEmpty()) folder = QDir::currentPath();
  dialog.setDirectory(folder);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = QString::fromStdString(request.defaultExtension);
    if (suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().front();
  lastFolder_ = QFileInfo(chosen).absolutePath();
  return QDir::toNativeSeparators(chosen).toStdString();
}

std::optional<std::string> QtUi::OpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtUi::SaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

void QtUi::ShowReport(const std::string& path, bool wait) {
  const QString file = QString::fromStdString(path);
  if (wait) {
    TextWindow window(file, TextWindow::Mode::Edit, DialogParent());
    window.SetMessageTitle(title_);
    if (const Status loaded = window.Load(); !loaded) {
      Message(loaded.Message(), Buttons::Ok);
      return;
    }
    window.exec();
    return;
  }
  auto* window = new TextWindow(file, TextWindow::Mode::Report, window_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setModal(false);
  window->SetMessageTitle(title_);
  if (const Status loaded = window->Load(); !loaded) {
    delete window;
    Message(loaded.Message(), Buttons::Ok);
    return;
  }
  reports_.emplace_back(window);
  window->show();
  window->raise();
}

std::vector<TextWindow*> QtUi::OpenReports() const {
  std::vector<TextWindow*> open;
  for (const QPointer<TextWindow>& w : reports_)
    if (w && w->isVisible()) open.push_back(w.data());
  return open;
}

void QtUi::SetStatus(const std::string& text) {
  if (!statusBar_) return;
  if (text.empty()) {
    statusBar_->clearMessage();
    if (progressBar_) progressBar_->hide();
  } else {
    statusBar_->showMessage(QString::fromStdString(text));
  }
  // The work that follows runs in this thread: paint the text now.
  statusBar_->repaint();
}

void QtUi::SetBusy(bool busy) {
  if (cursor_.Set(busy) && !busy && progressBar_) progressBar_->hide();
}

EngineProgress* QtUi::Progress() { return &progress_; }

void QtUi::ProgressSink::SetPosition(int position) {
  QProgressBar* bar = ui_.progressBar_;
  if (!bar) return;
  if (!bar->isVisible()) bar->show();
  bar->setValue(position);
  bar->repaint();
}

}  // namespace zelvo::qt
