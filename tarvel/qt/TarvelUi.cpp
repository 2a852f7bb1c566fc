#include "tarvel/qt/TarvelUi.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/MissingDataDialog.h"
#include "tarvel/qt/TarvelDialogs.h"

namespace zelvo::tarvel {

QString QtFileFilter(const std::string& filter) {
  // Pairs of "description|pattern", ended by "||".
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i].isEmpty()) out << parts[i];
  return out.join(";;");
}

void TarvelUi::SetStatusWidgets(QLabel* status, QProgressBar* progress) {
  status_ = status;
  progress_ = progress;
}

Answer TarvelUi::Message(const std::string& text, Buttons buttons) { return Show(text, buttons, false); }

void TarvelUi::Inform(const std::string& text) { Show(text, Buttons::Ok, true); }

// A question carries the question icon, a refusal or failure the warning icon, news of work done
// the information icon.
Answer TarvelUi::Show(const std::string& text, Buttons buttons, bool information) {
  QMessageBox box(parent_);
  box.setWindowTitle("tarvel");
  box.setText(QString::fromStdString(text));
  switch (buttons) {
    case Buttons::Ok:
      box.setIcon(information ? QMessageBox::Information : QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  // A message during long work must not show the wait cursor.
  if (busy_) QApplication::restoreOverrideCursor();
  const int pressed = box.exec();
  if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  switch (pressed) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
  }
}

bool TarvelUi::Edit(Form& form, const FormCheck& check) {
  if (auto* result = dynamic_cast<ClassificationScoresForm*>(&form)) {
    ResultDialog dialog(*result, parent_);
    dialog.exec();
    return true;
  }
  if (auto* batch = dynamic_cast<BatchFileForm*>(&form)) {
    for (;;) {
      BatchDialog dialog(*batch, *this, parent_);
      if (dialog.exec() != QDialog::Accepted) return false;
      if (!check) return true;
      const auto problem = check();
      if (!problem) return true;
      if (!problem->text.empty()) Message(problem->text);
    }
  }
  if (auto* screening = dynamic_cast<MissingDataForm*>(&form)) {
    // The screening window during an import: no wait cursor while the user reads the report.
    if (busy_) QApplication::restoreOverrideCursor();
    const bool chosen = qt::MissingDataDialog::Run(*screening, parent_);
    if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
    return chosen;
  }
  qWarning("tarvel: no window for the dialog \"%s\"", form.FormName());
  return false;
}

std::optional<std::string> TarvelUi::OpenFileName(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialFolder), QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> TarvelUi::SaveFileName(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialFolder), QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!request.defaultExtension.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension).remove(0, 1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void TarvelUi::ShowReport(const std::string& path, bool wait) {
  // The program's own text window: modal and editable with Save when the caller waits for the
  // user (correcting a daily-value file), read-only beside the program otherwise.
  auto* dialog = new QDialog(parent_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QString::fromStdString(path));
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QPlainTextEdit(dialog);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFile file(QString::fromStdString(path));
  if (file.open(QIODevice::ReadOnly)) text->setPlainText(QString::fromLocal8Bit(file.readAll()));
  text->setReadOnly(!wait);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  if (wait) {
    QPushButton* save = buttons->addButton(QDialogButtonBox::Save);
    QObject::connect(save, &QPushButton::clicked, dialog, [dialog, text, path] {
      QFile out(QString::fromStdString(path));
      if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QMessageBox::warning(dialog, "tarvel", "Can not write the file:  " + QString::fromStdString(path));
        return;
      }
      out.write(text->toPlainText().toLocal8Bit());
      text->document()->setModified(false);
    });
  }
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->resize(760, 520);
  if (wait) {
    dialog->exec();
  } else {
    dialog->show();
  }
}

void TarvelUi::SetStatus(const std::string& text) {
  if (!status_) return;
  status_->setText(QString::fromStdString(text));
  status_->repaint();
}

void TarvelUi::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TarvelUi::SetPosition(int position) {
  if (!progress_) return;
  progress_->setValue(position);
  progress_->repaint();
}

}  // namespace zelvo::tarvel
