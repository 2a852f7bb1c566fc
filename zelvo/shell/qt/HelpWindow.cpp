#include "zelvo/shell/qt/HelpWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "zelvo/shell/HelpTopics.h"
#include "zelvo/shell/qt/Pictures.h"

namespace zelvo::qt {

HelpWindow::HelpWindow(const CommandTable& table, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ZELVO Help"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setHtml(QString::fromStdString(HelpPageHtml(table)));
  layout->addWidget(browser_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::close);
  layout->addWidget(buttons);
  resize(720, 600);
}

void HelpWindow::ShowTopic(int commandId) {
  if (commandId == 0) {
    browser_->scrollToAnchor(QString());
    browser_->moveCursor(QTextCursor::Start);
  } else {
    browser_->scrollToAnchor(QString::fromStdString(HelpAnchor(commandId)));
  }
  show();
  raise();
  activateWindow();
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ZELVO"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  row->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QLabel(QStringLiteral("MORVIK   Version 1.1"), this);
  text->setObjectName(QStringLiteral("versionLine"));
  text->setTextFormat(Qt::PlainText);
  row->addSpacing(12);
  row->addWidget(text, 1);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &AboutBox::accept);
  layout->addWidget(buttons);
  setMinimumWidth(300);
}

}  // namespace zelvo::qt
