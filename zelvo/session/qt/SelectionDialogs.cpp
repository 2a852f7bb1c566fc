#include "zelvo/session/qt/SelectionDialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/qt/FormDialog.h"
#include "common/qt/MessageBox.h"

namespace zelvo::qt {

HiSelectionBox::HiSelectionBox(HiSelectionGroup& group, QWidget* parent)
    : QGroupBox(QString::fromUtf8(HiSelectionGroup::kCaption), parent), group_(group) {
  auto* layout = new QGridLayout(this);
  useDefaults_ = new QRadioButton(QStringLiteral("Use Defaults"), this);
  manual_ = new QRadioButton(QStringLiteral("Manually Select"), this);
  auto* modeGroup = new QButtonGroup(this);
  modeGroup->addButton(useDefaults_);
  modeGroup->addButton(manual_);
  layout->addWidget(useDefaults_, 0, 0);
  layout->addWidget(manual_, 1, 0);
  listLabel_ = new QLabel(QString::fromUtf8(HiSelectionGroup::kListLabel), this);
  layout->addWidget(listLabel_, 2, 0);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("indexList"));
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMinimumHeight(180);
  for (std::size_t i = 0; i < group_.indexNames.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(group_.indexNames[i]), list_);
    if (i < group_.indexTips.size()) item->setToolTip(QString::fromStdString(group_.indexTips[i]));
  }
  layout->addWidget(list_, 3, 0, 3, 1);
  monthly_ = new QGroupBox(QString::fromUtf8(HiSelectionGroup::kMonthlyCaption), this);
  auto* monthlyLayout = new QVBoxLayout(monthly_);
  monthlyRadios_ = new QButtonGroup(this);
  for (int g = 0; g < kMonthlyGroups; ++g) {
    auto* radio = new QRadioButton(QString::fromUtf8(MonthlyGroupText(g)), monthly_);
    monthlyRadios_->addButton(radio, g);
    monthlyLayout->addWidget(radio);
  }
  layout->addWidget(monthly_, 3, 1);
  clear_ = new QPushButton(QStringLiteral("Clear"), this);
  clear_->setAutoDefault(false);
  layout->addWidget(clear_, 4, 1, Qt::AlignTop);

  connect(useDefaults_, &QRadioButton::clicked, this, [this]() {
    group_.UseDefaults();
    Sync();
  });
  connect(manual_, &QRadioButton::clicked, this, [this]() {
    group_.ManuallySelect();
    Sync();
  });
  connect(monthlyRadios_, &QButtonGroup::idClicked, this, [this](int g) {
    group_.ChooseMonthlyGroup(g);
    Sync();
  });
  connect(clear_, &QPushButton::clicked, this, [this]() {
    group_.Clear();
    Sync();
  });
  connect(list_, &QListWidget::itemSelectionChanged, this, [this]() {
    if (syncing_) return;
    std::vector<int> selection;
    for (int row = 0; row < list_->count(); ++row)
      if (list_->item(row)->isSelected()) selection.push_back(row);
    group_.UserChangedSelection(std::move(selection));
    Sync();
  });
  Sync();
}

QRadioButton* HiSelectionBox::MonthlyRadio(int group) const {
  return qobject_cast<QRadioButton*>(monthlyRadios_->button(group));
}

void HiSelectionBox::Sync() {
  syncing_ = true;
  useDefaults_->setChecked(!group_.manual);
  manual_->setChecked(group_.manual);
  for (int row = 0; row < list_->count(); ++row)
    list_->item(row)->setSelected(std::find(group_.selected.begin(), group_.selected.end(), row) !=
                                  group_.selected.end());
  if (QAbstractButton* b = monthlyRadios_->button(group_.monthlyGroup)) b->setChecked(true);
  const bool manual = group_.ManualControlsVisible();
  for (QWidget* w : std::initializer_list<QWidget*>{listLabel_, list_, monthly_, clear_})
    w->setVisible(manual);
  syncing_ = false;
}

namespace {

class DataSetSelectionDialog : public FormDialog {
 public:
  DataSetSelectionDialog(DataSetSelectionForm& form, QWidget* parent) : FormDialog(parent), form_(form) {
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    AddCaptionLabel(left);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("entryList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(340, 220);
    left->addWidget(list_);
    for (const char* note : {DataSetSelectionForm::kComputedNote, DataSetSelectionForm::kMedianNote}) {
      auto* label = new QLabel(QString::fromUtf8(note), this);
      notes_.push_back(label);
      left->addWidget(label);
    }
    AddOkCancel(left);
    layout->addLayout(left);
    if (form_.hi.shown) {
      hi_ = new HiSelectionBox(form_.hi, this);
      layout->addWidget(hi_);
    }
    connect(list_, &QListWidget::itemDoubleClicked, this, [this]() { accept(); });
  }
  void Load() override {
    SetCaption(QString::fromStdString(form_.caption));
    for (const std::string& entry : form_.entries) list_->addItem(QString::fromStdString(entry));
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(form_.chosen, 0, list_->count() - 1));
    for (QLabel* note : notes_) note->setVisible(form_.showMarkNotes);
    if (hi_) hi_->Sync();
    list_->setFocus();
  }
  std::optional<FieldMessage> Store() override {
    form_.chosen = list_->currentRow();
    return std::nullopt;
  }
  QWidget* FieldWidget(const std::string& field) override {
    if (field == "list") return list_;
    return hi_ ? static_cast<QWidget*>(hi_->IndexList()) : list_;
  }

 private:
  DataSetSelectionForm& form_;
  QListWidget* list_;
  std::vector<QLabel*> notes_;
  HiSelectionBox* hi_ = nullptr;
};

class AlternativesSelectionDialog : public FormDialog {
 public:
  AlternativesSelectionDialog(AlternativesSelectionForm& form, QWidget* parent)
      : FormDialog(parent), form_(form) {
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    AddCaptionLabel(left);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("alternativeList"));
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setMinimumSize(340, 220);
    left->addWidget(list_);
    AddOkCancel(left);
    layout->addLayout(left);
    // The scorecard chooses alternatives without indices.
    if (form_.hi.shown) {
      hi_ = new HiSelectionBox(form_.hi, this);
      layout->addWidget(hi_);
    }
    connect(list_, &QListWidget::itemSelectionChanged, this, [this]() {
      if (loading_) return;
      std::vector<int> selection;
      for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) selection.push_back(row);
      if (const std::optional<std::string> warning = form_.UserChangedAlternatives(std::move(selection)))
        ShowMessageBox(this, QStringLiteral("ZELVO"), *warning, Buttons::Ok);
    });
  }
  void Load() override {
    loading_ = true;
    SetCaption(QString::fromStdString(form_.caption));
    for (const std::string& entry : form_.entries) list_->addItem(QString::fromStdString(entry));
    for (int row : form_.selected)
      if (row >= 0 && row < list_->count()) list_->item(row)->setSelected(true);
    if (hi_) hi_->Sync();
    loading_ = false;
    list_->setFocus();
  }
  std::optional<FieldMessage> Store() override { return std::nullopt; }  // kept up to date as the user clicks
  QWidget* FieldWidget(const std::string& field) override {
    return field == "list" || !hi_ ? static_cast<QWidget*>(list_) : hi_->IndexList();
  }

 private:
  AlternativesSelectionForm& form_;
  QListWidget* list_;
  HiSelectionBox* hi_ = nullptr;
  bool loading_ = false;
};

const bool registeredDataSet = RegisterFormDialog<DataSetSelectionForm, DataSetSelectionDialog>();
const bool registeredAlternatives =
    RegisterFormDialog<AlternativesSelectionForm, AlternativesSelectionDialog>();

}  // namespace
}  // namespace zelvo::qt
