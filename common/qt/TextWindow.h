#pragma once
// The program's own text window, behind ShowReport. Reports open read-only and modeless in a
// monospace font, with each form feed shown as a page break (a rule across the page, and a new
// page when printed). A file handed over for correction (wait = yes) opens modal and editable
// with Save; it is written back with the line ends it had, through a temporary file renamed
// over it, so a failed save never leaves half a file.

#include <QDialog>
#include <QString>

#include "common/io/Status.h"

class QPlainTextEdit;
class QTextEdit;
class QPushButton;

namespace zelvo::qt {

class TextWindow : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { Report, Edit };
  TextWindow(const QString& path, Mode mode, QWidget* parent);

  // Reads the file; fails with the message to show when it cannot be read.
  Status Load();
  // Writes the edited text back (Edit mode); fails with the message to show.
  Status Save();
  // The caption of the window's own message boxes (the program's name).
  void SetMessageTitle(const QString& title) { messageTitle_ = title; }

  QString Path() const { return path_; }
  Mode WindowMode() const { return mode_; }
  // The text as shown: form feeds of a report are page breaks, not characters.
  QString ShownText() const;
  int PageCount() const { return pages_; }
  bool Modified() const;
  QPlainTextEdit* Editor() const { return editor_; }
  QTextEdit* Viewer() const { return viewer_; }

  void reject() override;  // Edit mode: offers to save changes

 private:
  void Print();
  void OpenInDesktopEditor();
  void SaveClicked();

  QString path_;
  Mode mode_;
  QTextEdit* viewer_ = nullptr;       // Report mode
  QPlainTextEdit* editor_ = nullptr;  // Edit mode
  QString lineEnd_ = QStringLiteral("\r\n");
  bool endsWithLineEnd_ = true;
  int pages_ = 1;
  QString messageTitle_ = QStringLiteral("ZELVO");
};

}  // namespace zelvo::qt
