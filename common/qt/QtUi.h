#pragma once
// The Qt face of the Ui interface, shared by both desktop programs: message boxes with the exact
// texts, file dialogs that remember their folder, the registered dialog of each form, the text
// window behind ShowReport, and status text, wait cursor and a progress bar for long work.

#include <QPointer>
#include <QString>
#include <vector>

#include "common/engine/IndexEngine.h"
#include "common/qt/BusyCursor.h"
#include "common/ui/Ui.h"

class QWidget;
class QStatusBar;
class QProgressBar;

namespace zelvo::qt {

class TextWindow;

class QtUi : public Ui {
 public:
  // `programTitle` is the caption of message boxes ("ZELVO", "tarvel").
  explicit QtUi(QString programTitle);
  ~QtUi() override;

  // The main window: parent of dialogs, owner of the status bar that shows status texts and
  // the progress bar. May be set later; without one, dialogs have no parent.
  void SetWindow(QWidget* window, QStatusBar* statusBar);

  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok) override;
  void Inform(const std::string& text) override;
  bool Edit(Form& form, const FormCheck& check = {}) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void ShowReport(const std::string& path, bool wait) override;
  void SetStatus(const std::string& text) override;
  void SetBusy(bool busy) override;
  EngineProgress* Progress() override;

  // The folder the next file dialog opens in: the folder of the last chosen file.
  QString LastFolder() const { return lastFolder_; }
  // Report windows still open (modeless).
  std::vector<TextWindow*> OpenReports() const;

 protected:
  // The parent of a dialog shown now: the modal window on top, else the main window.
  QWidget* DialogParent() const;
  BusyCursor& Cursor() { return cursor_; }

 private:
  class ProgressSink : public EngineProgress {
   public:
    explicit ProgressSink(QtUi& ui) : ui_(ui) {}
    void SetPosition(int position) override;

   private:
    QtUi& ui_;
  };

  std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save);

  QString title_;
  QPointer<QWidget> window_;
  QPointer<QStatusBar> statusBar_;
  QPointer<QProgressBar> progressBar_;
  QString lastFolder_;
  BusyCursor cursor_;
  ProgressSink progress_{*this};
  std::vector<QPointer<TextWindow>> reports_;
};

}  // namespace zelvo::qt
