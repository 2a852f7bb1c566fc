#include "zelvo/graphs/qt/IndexGraphDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/graphs/qt/GraphDialogParts.h"

namespace zelvo::qt {

IndexGraphDialog::IndexGraphDialog(AppState& app, IndexWindowKind kind, Ui& ui, QWidget* parent)
    : QDialog(parent), window_(app, kind), ui_(ui, this) {
  setWindowTitle(kIndexGraphCaption);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* top = new QHBoxLayout(this);
  auto* controls = new QVBoxLayout;
  top->addLayout(controls, 0);

  list_ = AddCurveList(controls, window_.ListLabel(), window_.MultipleSelection(), window_.Entries(), 110);
  {
    QSignalBlocker block(list_);
    for (int p : window_.Selection()) list_->item(p)->setSelected(true);
  }

  auto* typeBox = new QGroupBox(QStringLiteral("Graph Type"));
  auto* typeLayout = new QHBoxLayout(typeBox);
  type_ = new QButtonGroup(this);
  const QString typeNames[] = {QStringLiteral("HI value"), QStringLiteral("HI range")};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(typeNames[i]);
    type_->addButton(b, i);
    typeLayout->addWidget(b);
  }
  controls->addWidget(typeBox);
  normalize_ = new QCheckBox(QStringLiteral("Normalize"));
  grid_ = new QCheckBox(QStringLiteral("Grid"));
  auto* checks = new QHBoxLayout;
  checks->addWidget(normalize_);
  checks->addWidget(grid_);
  controls->addLayout(checks);

  auto* selectionBox = new QGroupBox(HiSelectionGroup::kCaption);
  auto* sel = new QVBoxLayout(selectionBox);
  selectionMode_ = new QButtonGroup(this);
  auto* useDefaults = new QRadioButton(QStringLiteral("Use Defaults"));
  auto* manual = new QRadioButton(QStringLiteral("Manually Select"));
  selectionMode_->addButton(useDefaults, 0);
  selectionMode_->addButton(manual, 1);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(useDefaults);
  modeRow->addWidget(manual);
  sel->addLayout(modeRow);
  manualPanel_ = new QWidget;
  auto* panel = new QVBoxLayout(manualPanel_);
  panel->setContentsMargins(0, 0, 0, 0);
  // "Clear" stands beside the list's label, which leaves the chart more of a laptop's height.
  auto* listHead = new QHBoxLayout;
  listHead->addWidget(new QLabel(HiSelectionGroup::kListLabel), 1);
  auto* clear = new QPushButton(QStringLiteral("Clear"));
  clear->setAutoDefault(false);
  listHead->addWidget(clear);
  panel->addLayout(listHead);
  indexList_ = new QListWidget;
  indexList_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int n = 0; n < kIndexCount; ++n) {
    auto* item = new QListWidgetItem(QString::fromStdString(std::string(IndexName(n))), indexList_);
    item->setToolTip(QString::fromStdString(IndexToolTip(n)));
  }
  indexList_->setMinimumHeight(120);
  panel->addWidget(indexList_);
  auto* monthlyBox = new QGroupBox(HiSelectionGroup::kMonthlyCaption);
  auto* monthlyGrid = new QGridLayout(monthlyBox);
  monthly_ = new QButtonGroup(this);
  for (int i = 0; i < kMonthlyGroups; ++i) {
    auto* b = new QRadioButton(MonthlyGroupText(i));
    monthly_->addButton(b, i);
    // Two rows: "Not selected", MA12-23, MA24-35 above ML1-12, MH1-12.
    monthlyGrid->addWidget(b, i / 3, i % 3);
  }
  panel->addWidget(monthlyBox);
  sel->addWidget(manualPanel_);
  controls->addWidget(selectionBox);

  auto* buttons = new QGridLayout;
  const bool profile = kind == IndexWindowKind::Profiles;
  std::vector<QString> names = {"Refresh", "Export", "Capture", "Print", "Close"};
  if (profile) names.insert(names.begin(), QStringLiteral("Set Baseline"));
  std::vector<QPushButton*> b;
  for (std::size_t i = 0; i < names.size(); ++i) {
    b.push_back(new QPushButton(names[i]));
    b.back()->setAutoDefault(false);
    buttons->addWidget(b.back(), static_cast<int>(i) / 3, static_cast<int>(i) % 3);
  }
  controls->addLayout(buttons);
  controls->addWidget(new QLabel(kMedianNote));
  controls->addStretch();
  std::size_t at = 0;
  if (profile) {
    setBaseline_ = b[at++];
    setBaseline_->setEnabled(false);
    connect(setBaseline_, &QPushButton::clicked, this, [this] {
      if (window_.SetBaseline(ui_)) Redraw();
    });
  }
  connect(b[at++], &QPushButton::clicked, this, [this] { Redraw(); });
  connect(b[at++], &QPushButton::clicked, this, [this] {
    ReadControls();
    window_.Export(ui_);
  });
  connect(b[at++], &QPushButton::clicked, this,
          [this] { CaptureChart(ui_, [this] { return chart_->Grab(); }); });
  connect(b[at++], &QPushButton::clicked, this, [this] { chart_->Print(); });
  connect(b[at++], &QPushButton::clicked, this, &QDialog::accept);

  auto* right = new QVBoxLayout;
  chart_ = new CChart2D;
  chart_->setMinimumSize(640, 420);
  right->addWidget(chart_, 1);
  right->addWidget(new QLabel(kZoomHint));
  top->addLayout(right, 1);

  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    std::vector<int> positions;
    for (int i = 0; i < list_->count(); ++i)
      if (list_->item(i)->isSelected()) positions.push_back(i);
    if (const std::optional<std::string> warning = window_.SetSelection(positions)) ui_.Message(*warning);
    Redraw();
  });
  connect(type_, &QButtonGroup::idClicked, this, [this] { Redraw(); });
  connect(normalize_, &QCheckBox::toggled, this, [this] { Redraw(); });
  connect(grid_, &QCheckBox::toggled, this, [this] { Redraw(); });
  connect(selectionMode_, &QButtonGroup::idClicked, this, [this] { Redraw(); });
  connect(indexList_, &QListWidget::itemSelectionChanged, this, [this] {
    if (loading_) return;
    std::vector<int> positions;
    for (int i = 0; i < indexList_->count(); ++i)
      if (indexList_->item(i)->isSelected()) positions.push_back(i);
    window_.hi.UserChangedSelection(positions);
    Redraw();
  });
  connect(monthly_, &QButtonGroup::idClicked, this, [this](int group) {
    window_.hi.ChooseMonthlyGroup(group);
    ShowControls();
    Redraw();
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    window_.hi.Clear();
    ShowControls();
    Redraw();
  });
  ShowControls();
  Redraw();
}

void IndexGraphDialog::SelectEntries(const std::vector<int>& positions) {
  QSignalBlocker block(list_);
  list_->clearSelection();
  for (int p : positions)
    if (p >= 0 && p < list_->count()) list_->item(p)->setSelected(true);
  if (const std::optional<std::string> warning = window_.SetSelection(positions)) ui_.Message(*warning);
  Redraw();
}

void IndexGraphDialog::ReadControls() {
  window_.type = type_->checkedId() == 1 ? IndexGraphType::Range : IndexGraphType::Value;
  window_.normalize = normalize_->isChecked();
  window_.grid = grid_->isChecked();
  window_.hi.manual = selectionMode_->checkedId() == 1;
}

void IndexGraphDialog::ShowControls() {
  loading_ = true;
  std::vector<QSignalBlocker> blocks;
  for (QObject* o :
       std::initializer_list<QObject*>{type_, normalize_, grid_, selectionMode_, indexList_, monthly_})
    blocks.emplace_back(o);
  type_->button(window_.type == IndexGraphType::Range ? 1 : 0)->setChecked(true);
  normalize_->setChecked(window_.normalize);
  grid_->setChecked(window_.grid);
  selectionMode_->button(window_.hi.manual ? 1 : 0)->setChecked(true);
  manualPanel_->setVisible(window_.hi.ManualControlsVisible());
  indexList_->clearSelection();
  for (int n : window_.hi.selected)
    if (n >= 0 && n < indexList_->count()) indexList_->item(n)->setSelected(true);
  monthly_->button(window_.hi.monthlyGroup)->setChecked(true);
  if (setBaseline_ != nullptr) setBaseline_->setEnabled(window_.normalize);
  loading_ = false;
}

void IndexGraphDialog::Redraw() {
  if (loading_) return;
  ReadControls();
  ShowControls();
  const IndexGraph* graph = window_.Draw(ui_);
  if (graph == nullptr)
    chart_->ClearChart();
  else
    chart_->Render(graph->chart);
}

}  // namespace zelvo::qt
