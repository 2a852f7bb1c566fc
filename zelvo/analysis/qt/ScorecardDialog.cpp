// "Alteration Scorecard": how the baseline years split a quantity into low, middle and high.

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/qt/FieldText.h"
#include "common/qt/FormDialog.h"
#include "zelvo/analysis/ScorecardCommands.h"

namespace zelvo::qt {
namespace {

class ScorecardMethodDialog : public FormDialog {
 public:
  ScorecardMethodDialog(ScorecardMethodForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    AddCaptionLabel(layout);
    SetCaption(QString::fromUtf8(ScorecardMethodForm::kCaption));
    layout->addWidget(
        new QLabel(QStringLiteral("Split each quantity's years into low, middle and high at:"), this));
    auto* group = new QButtonGroup(this);
    terciles_ = new QRadioButton(QStringLiteral("The 33rd and 67th percentiles of the baseline years"), this);
    parametric_ = new QRadioButton(
        QStringLiteral("The baseline mean minus and plus one standard deviation (parametric)"), this);
    chosen_ = new QRadioButton(QStringLiteral("Percentiles of the baseline years of my choice:"), this);
    for (QRadioButton* b : {terciles_, parametric_, chosen_}) {
      group->addButton(b);
      layout->addWidget(b);
    }
    auto* row = new QHBoxLayout;
    row->addSpacing(24);
    row->addWidget(new QLabel(QStringLiteral("Lower:"), this));
    lower_ = new QLineEdit(this);
    row->addWidget(lower_);
    row->addWidget(new QLabel(QStringLiteral("Upper:"), this));
    upper_ = new QLineEdit(this);
    row->addWidget(upper_);
    row->addStretch();
    for (QLineEdit* e : {lower_, upper_}) {
      e->setMaximumWidth(90);
      e->setValidator(DecimalValidator(e));
    }
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("A value equal to a boundary counts as middle."), this));
    AddOkCancel(layout);
    connect(chosen_, &QRadioButton::toggled, this, [this](bool on) {
      lower_->setEnabled(on);
      upper_->setEnabled(on);
    });
  }
  void Load() override {
    QRadioButton* buttons[] = {terciles_, parametric_, chosen_};
    const int choice = std::clamp(form_.choice, 0, 2);
    buttons[choice]->setChecked(true);
    lower_->setText(NumberText(form_.lowerPercentile));
    upper_->setText(NumberText(form_.upperPercentile));
    lower_->setEnabled(choice == ScorecardMethodForm::kChosenPercentiles);
    upper_->setEnabled(choice == ScorecardMethodForm::kChosenPercentiles);
    buttons[choice]->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.choice = parametric_->isChecked() ? ScorecardMethodForm::kParametric
                   : chosen_->isChecked()   ? ScorecardMethodForm::kChosenPercentiles
                                            : ScorecardMethodForm::kTerciles;
    if (form_.choice != ScorecardMethodForm::kChosenPercentiles) return std::nullopt;
    const std::optional<float> lower = ParseFloatField(lower_->text());
    if (!lower) return FieldMessage{kNotANumberText, "lower"};
    const std::optional<float> upper = ParseFloatField(upper_->text());
    if (!upper) return FieldMessage{kNotANumberText, "upper"};
    form_.lowerPercentile = *lower;
    form_.upperPercentile = *upper;
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    if (field == "lower") return lower_;
    if (field == "upper") return upper_;
    return terciles_;
  }

 private:
  ScorecardMethodForm& form_;
  QRadioButton* terciles_;
  QRadioButton* parametric_;
  QRadioButton* chosen_;
  QLineEdit* lower_;
  QLineEdit* upper_;
};

const bool registered = RegisterFormDialog<ScorecardMethodForm, ScorecardMethodDialog>();

}  // namespace
}  // namespace zelvo::qt
