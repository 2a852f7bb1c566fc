#include "tarvel/qt/TarvelUi.h"

#include <QLabel>
#include <QProgressBar>

#include "tarvel/qt/TarvelDialogs.h"

namespace zelvo::tarvel {

TarvelUi::TarvelUi(QWidget* window) : QtUi(QString::fromUtf8(kMessageTitle)) { SetWindow(window, nullptr); }

void TarvelUi::SetStatusWidgets(QLabel* status, QProgressBar* progress) {
  status_ = status;
  progress_ = progress;
}

Answer TarvelUi::Message(const std::string& text, Buttons buttons) {
  const qt::BusyCursor::Lift lift(Cursor());
  return QtUi::Message(text, buttons);
}

void TarvelUi::Inform(const std::string& text) {
  const qt::BusyCursor::Lift lift(Cursor());
  QtUi::Inform(text);
}

bool TarvelUi::Edit(Form& form, const FormCheck& check) {
  const qt::BusyCursor::Lift lift(Cursor());
  if (auto* result = dynamic_cast<ClassificationScoresForm*>(&form)) {
    ResultDialog dialog(*result, DialogParent());
    dialog.exec();
    return true;
  }
  if (auto* batch = dynamic_cast<BatchFileForm*>(&form)) {
    for (;;) {
      BatchDialog dialog(*batch, *this, DialogParent());
      if (dialog.exec() != QDialog::Accepted) return false;
      if (!check) return true;
      const auto problem = check();
      if (!problem) return true;
      if (!problem->text.empty()) Message(problem->text);
    }
  }
  // The screening window and any other registered dialog.
  return QtUi::Edit(form, check);
}

void TarvelUi::ShowReport(const std::string& path, bool wait) {
  // A file handed over for correction keeps the program waiting: the user's pointer there.
  const qt::BusyCursor::Lift lift(Cursor());
  QtUi::ShowReport(path, wait);
}

void TarvelUi::SetStatus(const std::string& text) {
  if (!status_) return;
  status_->setText(QString::fromStdString(text));
  status_->repaint();
}

void TarvelUi::SetPosition(int position) {
  if (!progress_) return;
  progress_->setValue(position);
  progress_->repaint();
}

}  // namespace zelvo::tarvel
