#pragma once
// The program's help: the help page of the command table in a browser window of its own.

#include <QDialog>

class QTextBrowser;

namespace zelvo {
class CommandTable;
}

namespace zelvo::qt {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(const CommandTable& table, QWidget* parent);
  // Shows the contents (id 0) or the topic of a command.
  void ShowTopic(int commandId);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// The About box: the program icon, "MORVIK   Version 1.1" and OK.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace zelvo::qt
