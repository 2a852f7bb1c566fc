#pragma once
// The compute dialog: drainage area and the upper and lower percentile limits.

#include "common/qt/FormDialog.h"
#include "zelvo/analysis/ComputeIndices.h"

class QLineEdit;
class QLabel;

namespace zelvo::qt {

class ComputeDialog : public FormDialog {
  Q_OBJECT
 public:
  ComputeDialog(ComputeForm& form, QWidget* parent);
  void Load() override;
  std::optional<FieldMessage> Store() override;
  QWidget* FieldWidget(const std::string& field) override;

 private:
  ComputeForm& form_;
  QLineEdit* drainageArea_;
  QLineEdit* upper_;
  QLineEdit* lower_;
  QLabel* note_;
};

}  // namespace zelvo::qt
