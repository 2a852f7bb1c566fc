#include "common/qt/TextWindow.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include "common/io/WholeFile.h"
#include "common/qt/MessageBox.h"

namespace zelvo::qt {
namespace {

QFont MonospaceFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  if (font.pointSize() < 10) font.setPointSize(10);
  return font;
}

}  // namespace

TextWindow::TextWindow(const QString& path, Mode mode, QWidget* parent)
    : QDialog(parent), path_(path), mode_(mode) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - ") + QFileInfo(path).absolutePath());
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QDialogButtonBox(this);
  if (mode == Mode::Report) {
    viewer_ = new QTextEdit(this);
    viewer_->setReadOnly(true);
    viewer_->setLineWrapMode(QTextEdit::NoWrap);
    viewer_->setFont(MonospaceFont());
    viewer_->document()->setDefaultFont(MonospaceFont());
    layout->addWidget(viewer_);
    QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    QPushButton* external = buttons->addButton(tr("Open in &Editor"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, &TextWindow::Print);
    connect(external, &QPushButton::clicked, this, &TextWindow::OpenInDesktopEditor);
    connect(close, &QPushButton::clicked, this, &TextWindow::close);
  } else {
    editor_ = new QPlainTextEdit(this);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(MonospaceFont());
    layout->addWidget(editor_);
    QPushButton* save = buttons->addButton(QDialogButtonBox::Save);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    connect(save, &QPushButton::clicked, this, &TextWindow::SaveClicked);
    connect(close, &QPushButton::clicked, this, &TextWindow::reject);
  }
  layout->addWidget(buttons);
  resize(900, 640);
}

Status TextWindow::Load() {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly))
    return Status::Failure(QStringLiteral("Can not open the file:  %1").arg(path_).toStdString());
  const QByteArray bytes = file.readAll();
  lineEnd_ = bytes.contains("\r\n") || !bytes.contains('\n') ? QStringLiteral("\r\n") : QStringLiteral("\n");
  endsWithLineEnd_ = bytes.isEmpty() || bytes.endsWith('\n');
  QString text = QString::fromLocal8Bit(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (endsWithLineEnd_ && text.endsWith('\n')) text.chop(1);

  if (mode_ == Mode::Edit) {
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    return Status::Success();
  }
  // One block per page; the block that starts a new page carries a rule above it on screen and
  // a page break in print.
  const QStringList pages = text.split('\f');
  pages_ = static_cast<int>(pages.size());
  QTextDocument* doc = viewer_->document();
  doc->clear();
  QTextCursor cursor(doc);
  for (int i = 0; i < pages.size(); ++i) {
    QString page = pages[i];
    if (i > 0) {
      if (page.startsWith('\n')) page.remove(0, 1);
      // The rule is text, since a ruler of a percentage width has no width in a page that
      // does not wrap.
      QTextCharFormat ruleFormat;
      ruleFormat.setFont(MonospaceFont());
      ruleFormat.setForeground(QColor(150, 150, 150));
      cursor.insertBlock(QTextBlockFormat(), ruleFormat);
      cursor.insertText(QString(100, QChar(0x2500)), ruleFormat);
      QTextBlockFormat next;
      next.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCharFormat mono;
      mono.setFont(MonospaceFont());
      cursor.insertBlock(next, mono);
      cursor.setCharFormat(mono);
    }
    cursor.insertText(page);
  }
  viewer_->moveCursor(QTextCursor::Start);
  return Status::Success();
}

QString TextWindow::ShownText() const {
  return mode_ == Mode::Edit ? editor_->toPlainText() : viewer_->toPlainText();
}

bool TextWindow::Modified() const { return editor_ && editor_->document()->isModified(); }

Status TextWindow::Save() {
  if (mode_ != Mode::Edit) return Status::Failure("A report window has nothing to save.");
  QString text = editor_->toPlainText();
  if (endsWithLineEnd_ && !text.isEmpty()) text += '\n';
  if (lineEnd_ != QStringLiteral("\n")) text.replace('\n', lineEnd_);
  const QByteArray bytes = text.toLocal8Bit();
  if (!WriteFileWhole(QFile::encodeName(path_).toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return Status::Failure(QStringLiteral("Can not write the file:  %1").arg(path_).toStdString());
  editor_->document()->setModified(false);
  return Status::Success();
}

void TextWindow::SaveClicked() {
  if (const Status saved = Save(); !saved) ShowMessageBox(this, messageTitle_, saved.Message(), Buttons::Ok);
}

void TextWindow::reject() {
  if (Modified()) {
    const Answer a = ShowMessageBox(this, messageTitle_, "Save the changes to " + path_.toStdString() + "?",
                                    Buttons::YesNoCancel);
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) {
      if (const Status saved = Save(); !saved) {
        ShowMessageBox(this, messageTitle_, saved.Message(), Buttons::Ok);
        return;
      }
    }
  }
  QDialog::reject();
}

void TextWindow::Print() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) viewer_->document()->print(&printer);
}

void TextWindow::OpenInDesktopEditor() { QDesktopServices::openUrl(QUrl::fromLocalFile(path_)); }

}  // namespace zelvo::qt
