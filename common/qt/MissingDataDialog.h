#pragma once
// The missing-data screening window "Missing  Data" of both programs: the report in a read-only
// text box, the explanatory line when a year has missing days, and four buttons that each close
// the window with their choice code. The close box gives "abort" (code 4).

#include <QDialog>

#include "common/import/ImportForms.h"

namespace zelvo::qt {

class MissingDataDialog : public QDialog {
  Q_OBJECT
 public:
  MissingDataDialog(MissingDataForm& form, QWidget* parent);
  // Shows the window and stores the choice in the form; true unless the choice is "abort".
  static bool Run(MissingDataForm& form, QWidget* parent);

 private:
  void Choose(int code);
  MissingDataForm& form_;
};

}  // namespace zelvo::qt
