// The index preference dialogs: the default index set of one group and "Modify Indices".

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/qt/FormDialog.h"
#include "zelvo/analysis/DefaultIndexSets.h"

namespace zelvo::qt {
namespace {

class IndexSetDialog : public FormDialog {
 public:
  IndexSetDialog(IndexSetForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("Flow Components:"), this);
    auto* grid = new QGridLayout(box);
    int row = 0;
    std::string lastGroup;
    for (int c = 0; c < kFlowComponents; ++c) {
      const std::string groupCaption = ComponentGroupCaption(c);
      if (groupCaption != lastGroup) {
        auto* heading = new QLabel(QString::fromStdString(groupCaption), box);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, row++, 0, 1, kCandidatePositions + 1);
        lastGroup = groupCaption;
      }
      grid->addWidget(new QLabel(QString::fromUtf8(ComponentRowCaption(c)), box), row, 0);
      groups_[c] = new QButtonGroup(this);
      for (int p = 0; p < kCandidatePositions; ++p) {
        auto* radio = new QRadioButton(box);
        radios_[c][p] = radio;
        groups_[c]->addButton(radio, p);
        grid->addWidget(radio, row, p + 1);
      }
      ++row;
    }
    layout->addWidget(box);
    layout->addWidget(new QLabel(QString::fromUtf8(IndexSetForm::kRangeNote), this));
    layout->addWidget(new QLabel(QString::fromUtf8(IndexSetForm::kMedianNote), this));
    AddOkCancel(layout);
  }
  void Load() override {
    setWindowTitle(QString::fromStdString(form_.caption));
    for (int c = 0; c < kFlowComponents; ++c) {
      for (int p = 0; p < kCandidatePositions; ++p) {
        radios_[c][p]->setText(QString::fromStdString(form_.labels[c][p]));
        radios_[c][p]->setToolTip(QString::fromStdString(form_.tips[c][p]));
        radios_[c][p]->setVisible(form_.visible[c][p]);
      }
      if (QAbstractButton* b = groups_[c]->button(form_.choice[c])) b->setChecked(true);
    }
  }
  std::optional<FieldMessage> Store() override {
    for (int c = 0; c < kFlowComponents; ++c)
      if (groups_[c]->checkedId() >= 0) form_.choice[c] = groups_[c]->checkedId();
    return std::nullopt;
  }

 private:
  IndexSetForm& form_;
  std::array<QButtonGroup*, kFlowComponents> groups_{};
  std::array<std::array<QRadioButton*, kCandidatePositions>, kFlowComponents> radios_{};
};

class MedianOptionDialog : public FormDialog {
 public:
  MedianOptionDialog(MedianOptionForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(MedianOptionForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    box_ = new QCheckBox(QString::fromUtf8(MedianOptionForm::kCheckText), this);
    layout->addWidget(box_);
    for (const char* line : {MedianOptionForm::kLine2, MedianOptionForm::kLine3}) {
      auto* label = new QLabel(QString::fromUtf8(line), this);
      label->setContentsMargins(24, 0, 0, 0);
      layout->addWidget(label);
    }
    AddOkCancel(layout);
  }
  void Load() override {
    box_->setChecked(form_.useMedian);
    box_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.useMedian = box_->isChecked();
    return std::nullopt;
  }

 private:
  MedianOptionForm& form_;
  QCheckBox* box_;
};

const bool registeredIndexSet = RegisterFormDialog<IndexSetForm, IndexSetDialog>();
const bool registeredMedian = RegisterFormDialog<MedianOptionForm, MedianOptionDialog>();

}  // namespace
}  // namespace zelvo::qt
