#pragma once
// The program's help: the help page of the command table in a browser window of its own.

#include <QDialog>
#include <QStringList>
#include <filesystem>

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

// The user guide (guide.md) in a browser window of its own: the Markdown with its pictures, a
// picture wider than the text column shown at the column's width.
class GuideWindow : public QDialog {
  Q_OBJECT
 public:
  explicit GuideWindow(QWidget* parent);
  // Loads the guide; false when it cannot be read.
  bool Open(const std::filesystem::path& guide);
  QTextBrowser* Browser() const { return browser_; }
  // The pictures the guide shows, by the names it gives them.
  QStringList ImageNames() const;
  // The pictures the guide names that cannot be loaded (empty when every picture shows).
  QStringList MissingImages() const;

 private:
  void FitImages();
  QTextBrowser* browser_;
};

// The About box: the program icon, "MORVIK   Version 1.1" and OK.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace zelvo::qt
