#pragma once
// The Ui of the classification program: the shared Qt face (message boxes, file dialogs, the
// text window behind ShowReport, the wait cursor) with the program's own result window and
// batch dialog, and the main window's status line and progress bar for long work. A window that
// waits for the user during long work shows the normal cursor.

#include <QPointer>

#include "common/engine/IndexEngine.h"
#include "common/qt/QtUi.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace zelvo::tarvel {

inline constexpr const char* kMessageTitle = "tarvel";

class TarvelUi : public qt::QtUi, public EngineProgress {
 public:
  explicit TarvelUi(QWidget* window);
  void SetStatusWidgets(QLabel* status, QProgressBar* progress);

  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok) override;
  void Inform(const std::string& text) override;
  bool Edit(Form& form, const FormCheck& check = {}) override;
  void ShowReport(const std::string& path, bool wait) override;
  void SetStatus(const std::string& text) override;
  EngineProgress* Progress() override { return this; }
  void SetPosition(int position) override;

 private:
  QPointer<QLabel> status_;
  QPointer<QProgressBar> progress_;
};

}  // namespace zelvo::tarvel
