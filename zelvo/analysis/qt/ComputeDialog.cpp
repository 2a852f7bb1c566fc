#include "zelvo/analysis/qt/ComputeDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/qt/FieldText.h"

namespace zelvo::qt {

ComputeDialog::ComputeDialog(ComputeForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  drainageArea_ = new QLineEdit(this);
  upper_ = new QLineEdit(this);
  lower_ = new QLineEdit(this);
  for (QLineEdit* e : {drainageArea_, upper_, lower_}) {
    e->setMinimumWidth(120);
    e->setValidator(DecimalValidator(e));
  }
  fields->addRow(QStringLiteral("Drainage Area (sq. miles):"), drainageArea_);
  fields->addRow(QStringLiteral("Upper Limit (percentile):"), upper_);
  fields->addRow(QStringLiteral("Lower Limit (percentile):"), lower_);
  layout->addLayout(fields);
  note_ = new QLabel(this);
  layout->addWidget(note_);
  AddOkCancel(layout);
  setTabOrder(drainageArea_, upper_);
  setTabOrder(upper_, lower_);
}

void ComputeDialog::Load() {
  setWindowTitle(QString::fromStdString(form_.caption));
  drainageArea_->setText(NumberText(form_.drainageArea));
  upper_->setText(NumberText(form_.upperPercentile));
  lower_->setText(NumberText(form_.lowerPercentile));
  note_->setText(QString::fromStdString(form_.note));
  note_->setVisible(!form_.note.empty());
  drainageArea_->setFocus();
  drainageArea_->selectAll();
}

std::optional<FieldMessage> ComputeDialog::Store() {
  const std::optional<float> area = ParseFloatField(drainageArea_->text());
  form_.drainageAreaIsNumber = area.has_value();
  form_.drainageArea = area.value_or(0.0f);
  const std::optional<float> upper = ParseFloatField(upper_->text());
  if (!upper) return FieldMessage{kNotANumberText, "upperPercentile"};
  const std::optional<float> lower = ParseFloatField(lower_->text());
  if (!lower) return FieldMessage{kNotANumberText, "lowerPercentile"};
  form_.upperPercentile = *upper;
  form_.lowerPercentile = *lower;
  return std::nullopt;
}

QWidget* ComputeDialog::FieldWidget(const std::string& field) {
  if (field == "drainageArea") return drainageArea_;
  if (field == "upperPercentile") return upper_;
  if (field == "lowerPercentile") return lower_;
  return nullptr;
}

namespace {
const bool registered = RegisterFormDialog<ComputeForm, ComputeDialog>();
}

}  // namespace zelvo::qt
