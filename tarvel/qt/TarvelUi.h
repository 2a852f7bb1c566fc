#pragma once
// The Ui of the classification program: message boxes, the open-file dialog, the result window
// and the batch dialog, the text window for ShowReport, and the main window's status line and
// progress bar for long work.

#include <QPointer>
#include <QString>

#include "common/engine/IndexEngine.h"
#include "common/ui/Ui.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace zelvo::tarvel {

// "Data Files (*.*)|*.*|All Files (*.*)|*.*||" -> "Data Files (*.*);;All Files (*.*)".
QString QtFileFilter(const std::string& filter);

class TarvelUi : public Ui, public EngineProgress {
 public:
  explicit TarvelUi(QWidget* parent) : parent_(parent) {}
  void SetStatusWidgets(QLabel* status, QProgressBar* progress);

  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok) override;
  void Inform(const std::string& text) override;
  bool Edit(Form& form, const FormCheck& check = {}) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void ShowReport(const std::string& path, bool wait) override;
  void SetStatus(const std::string& text) override;
  void SetBusy(bool busy) override;
  EngineProgress* Progress() override { return this; }
  void SetPosition(int position) override;

 private:
  Answer Show(const std::string& text, Buttons buttons, bool information);
  QPointer<QWidget> parent_;
  QPointer<QLabel> status_;
  QPointer<QProgressBar> progress_;
  bool busy_ = false;
};

}  // namespace zelvo::tarvel
