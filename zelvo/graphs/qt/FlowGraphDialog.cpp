#include "zelvo/graphs/qt/FlowGraphDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/graphs/qt/GraphDialogParts.h"

namespace zelvo::qt {
namespace {

QButtonGroup* RadioGroup(QWidget* owner, QVBoxLayout* layout, const std::vector<QString>& names) {
  auto* group = new QButtonGroup(owner);
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* b = new QRadioButton(names[i]);
    group->addButton(b, static_cast<int>(i));
    layout->addWidget(b);
  }
  return group;
}

// The radios in `columns` columns, read down each column first, so a long list of series takes
// less height.
QButtonGroup* RadioColumns(QWidget* owner, QVBoxLayout* layout, const std::vector<QString>& names,
                           int columns) {
  auto* group = new QButtonGroup(owner);
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* b = new QRadioButton(names[i]);
    group->addButton(b, static_cast<int>(i));
    grid->addWidget(b, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
  }
  layout->addLayout(grid);
  return group;
}

QGroupBox* Box(const QString& title, QVBoxLayout*& layout) {
  auto* box = new QGroupBox(title);
  layout = new QVBoxLayout(box);
  layout->setSpacing(2);
  return box;
}

}  // namespace

FlowGraphDialog::FlowGraphDialog(const AppState& app, FlowWindowKind kind, Ui& ui, QWidget* parent)
    : QDialog(parent), window_(app, kind), ui_(ui, this) {
  setWindowTitle(kFlowGraphCaption);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* top = new QHBoxLayout(this);
  auto* controls = new QVBoxLayout;
  top->addLayout(controls, 0);

  list_ = AddCurveList(controls, window_.ListLabel(), window_.MultipleSelection(), window_.Entries(), 130);

  QVBoxLayout* l = nullptr;
  controls->addWidget(Box(QStringLiteral("Basis"), l));
  basis_ = RadioColumns(this, l, {QStringLiteral("Annual"), QStringLiteral("Monthly")}, 2);

  seriesStack_ = new QStackedWidget;
  std::vector<QString> annualNames, monthlyNames;
  for (int i = 0; i < kAnnualSeriesCount; ++i) annualNames.push_back(AnnualSeriesName(i));
  for (int i = 0; i < kMonthlySeriesCount; ++i) monthlyNames.push_back(MonthlySeriesName(i));
  QGroupBox* annualBox = Box(QStringLiteral("Series"), l);
  annual_ = RadioColumns(this, l, annualNames, 2);
  seriesStack_->addWidget(annualBox);
  QGroupBox* monthlyBox = Box(QStringLiteral("Series"), l);
  monthly_ = RadioColumns(this, l, monthlyNames, 2);
  l->addWidget(new QLabel(QStringLiteral("Select Month:")));
  month_ = new QComboBox;
  for (int m = 0; m < 12; ++m) month_->addItem(WaterYearMonthName(m));
  l->addWidget(month_);
  l->addStretch();
  seriesStack_->addWidget(monthlyBox);
  controls->addWidget(seriesStack_);

  auto* pair = new QHBoxLayout;
  QGroupBox* typeBox = Box(QStringLiteral("Graph Type"), l);
  type_ = RadioGroup(this, l, {QStringLiteral("Line"), QStringLiteral("Bar")});
  QGroupBox* scaleBox = Box(QStringLiteral("Scale"), l);
  scale_ = RadioGroup(this, l, {QStringLiteral("Linear"), QStringLiteral("Log")});
  pair->addWidget(typeBox);
  pair->addWidget(scaleBox);
  controls->addLayout(pair);

  auto* checks = new QGridLayout;
  grid_ = new QCheckBox(QStringLiteral("Grid"));
  lineStyle_ = new QCheckBox(QStringLiteral("Line Style"));
  plotPoints_ = new QCheckBox(QStringLiteral("Plot Points"));
  exceedence_ = new QCheckBox(QStringLiteral("Exceedence"));
  trend_ = new QCheckBox(QStringLiteral("Trend Line"));
  threshold_ = new QCheckBox(QStringLiteral("Threshold"));
  errorBars_ = new QCheckBox(QStringLiteral("Error Bars"));
  checks->addWidget(grid_, 0, 0);
  checks->addWidget(lineStyle_, 1, 0);
  checks->addWidget(plotPoints_, 2, 0);
  checks->addWidget(exceedence_, 0, 1);
  checks->addWidget(trend_, 1, 1);
  checks->addWidget(threshold_, 2, 1);
  checks->addWidget(errorBars_, 3, 1);
  controls->addLayout(checks);

  auto* buttons = new QGridLayout;
  const QString names[] = {"Refresh", "Print", "Capture", "Export", "Statistics", "Set Y Axis", "Close"};
  QPushButton* b[7];
  for (int i = 0; i < 7; ++i) {
    b[i] = new QPushButton(names[i]);
    b[i]->setAutoDefault(false);
    buttons->addWidget(b[i], i / 2, i % 2);
  }
  controls->addLayout(buttons);
  controls->addStretch();

  auto* right = new QVBoxLayout;
  chart_ = new CChart2D;
  chart_->setMinimumSize(640, 420);
  right->addWidget(chart_, 1);
  note_ = new QLabel;
  note_->setObjectName(QStringLiteral("logScaleNote"));
  note_->hide();
  right->addWidget(note_);
  right->addWidget(new QLabel(kZoomHint));
  top->addLayout(right, 1);

  connect(list_, &QListWidget::itemSelectionChanged, this, &FlowGraphDialog::ListChanged);
  for (QButtonGroup* g : {basis_, annual_, monthly_, type_, scale_})
    connect(g, &QButtonGroup::idClicked, this, [this] { Redraw(); });
  connect(month_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
  for (QCheckBox* c : {grid_, lineStyle_, plotPoints_, exceedence_, trend_, errorBars_})
    connect(c, &QCheckBox::toggled, this, [this] { Redraw(); });
  connect(threshold_, &QCheckBox::clicked, this, [this](bool on) {
    if (loading_) return;
    const bool kept = window_.SwitchThreshold(ui_, on);
    {
      QSignalBlocker block(threshold_);
      threshold_->setChecked(kept);
    }
    Redraw();
  });
  connect(b[0], &QPushButton::clicked, this, [this] { Redraw(); });
  connect(b[1], &QPushButton::clicked, this, [this] { chart_->Print(); });
  connect(b[2], &QPushButton::clicked, this,
          [this] { CaptureChart(ui_, [this] { return chart_->Grab(); }); });
  connect(b[3], &QPushButton::clicked, this, [this] {
    ReadControls();
    window_.Export(ui_);
    ShowSettings();
  });
  connect(b[4], &QPushButton::clicked, this, &FlowGraphDialog::ShowStatistics);
  connect(b[5], &QPushButton::clicked, this, [this] {
    if (window_.SetYAxis(ui_, chart_->GetYMinimum(), chart_->GetYMaximum())) Redraw();
  });
  connect(b[6], &QPushButton::clicked, this, &QDialog::accept);

  if (!window_.Selection().empty()) {
    QSignalBlocker block(list_);
    for (int p : window_.Selection()) list_->item(p)->setSelected(true);
  }
  ShowSettings();
  // The windows that always have a curve (a profile's periods, the baseline) draw at once.
  if (!window_.CurveDataSets().empty()) Redraw();
}

void FlowGraphDialog::SelectEntries(const std::vector<int>& positions) {
  {
    QSignalBlocker block(list_);
    list_->clearSelection();
    for (int p : positions)
      if (p >= 0 && p < list_->count()) list_->item(p)->setSelected(true);
  }
  ListChanged();
}

void FlowGraphDialog::ListChanged() {
  std::vector<int> positions;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->isSelected()) positions.push_back(i);
  if (const std::optional<std::string> warning = window_.SetSelection(positions)) ui_.Message(*warning);
  Redraw();
}

void FlowGraphDialog::ReadControls() {
  FlowGraphSettings& s = window_.settings;
  s.basis = basis_->checkedId() == 1 ? FlowBasis::Monthly : FlowBasis::Annual;
  s.annualSeries = std::max(annual_->checkedId(), 0);
  s.monthlySeries = std::max(monthly_->checkedId(), 0);
  s.month = std::max(month_->currentIndex(), 0);
  s.graphType = type_->checkedId() == 1 ? 1 : 0;
  s.scale = scale_->checkedId() == 1 ? 1 : 0;
  s.grid = grid_->isChecked();
  s.lineStyle = lineStyle_->isChecked();
  s.plotPoints = plotPoints_->isChecked();
  s.exceedence = exceedence_->isChecked();
  s.trendLine = trend_->isChecked();
  s.errorBars = errorBars_->isChecked();
}

void FlowGraphDialog::ShowSettings() {
  loading_ = true;
  const FlowGraphSettings& s = window_.settings;
  std::vector<QSignalBlocker> blocks;
  for (QObject* o :
       std::initializer_list<QObject*>{basis_, annual_, monthly_, month_, type_, scale_, grid_, lineStyle_,
                                       plotPoints_, exceedence_, trend_, threshold_, errorBars_})
    blocks.emplace_back(o);
  basis_->button(s.basis == FlowBasis::Monthly ? 1 : 0)->setChecked(true);
  annual_->button(s.annualSeries)->setChecked(true);
  monthly_->button(s.monthlySeries)->setChecked(true);
  month_->setCurrentIndex(s.month);
  type_->button(s.graphType)->setChecked(true);
  scale_->button(s.scale)->setChecked(true);
  grid_->setChecked(s.grid);
  lineStyle_->setChecked(s.lineStyle);
  plotPoints_->setChecked(s.plotPoints);
  exceedence_->setChecked(s.exceedence);
  trend_->setChecked(s.trendLine);
  threshold_->setChecked(s.threshold);
  errorBars_->setChecked(s.errorBars);
  seriesStack_->setCurrentIndex(s.basis == FlowBasis::Monthly ? 1 : 0);
  const FlowOptionAvailability a = window_.UpdateAvailability();
  trend_->setEnabled(a.trendLine);
  errorBars_->setEnabled(a.errorBars);
  trend_->setChecked(window_.settings.trendLine);
  errorBars_->setChecked(window_.settings.errorBars);
  loading_ = false;
}

void FlowGraphDialog::Redraw() {
  if (loading_) return;
  ReadControls();
  const FlowGraph* graph = window_.Draw(ui_);
  ShowSettings();
  if (graph == nullptr)
    chart_->ClearChart();
  else
    chart_->Render(graph->chart);
  const QString note = graph == nullptr ? QString() : QString::fromStdString(graph->logScaleNote);
  note_->setText(note);
  note_->setVisible(!note.isEmpty());
}

void FlowGraphDialog::ShowStatistics() {
  const FlowGraph* graph = window_.Last();
  if (graph == nullptr) return;
  QDialog d(this);
  d.setWindowTitle(QStringLiteral("Curve Statistics"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(QString::fromStdString(CurveStatisticsCaption())));
  auto* table = new QTableWidget(static_cast<int>(graph->statistics.size()), 8);
  table->setHorizontalHeaderLabels(
      {"Curve", "No. of points", "Minimum", "Maximum", "Median", "Mean", "StdDev", "Total"});
  for (int r = 0; r < table->rowCount(); ++r) {
    const CurveStatistics& s = graph->statistics[static_cast<std::size_t>(r)];
    const QString cells[8] = {QString::fromStdString(s.label),    QString::number(s.count),
                              QString::number(s.minimum, 'f', 2), QString::number(s.maximum, 'f', 2),
                              QString::number(s.median, 'f', 2),  QString::number(s.mean, 'f', 2),
                              QString::number(s.stdDev, 'f', 2),  QString::number(s.total, 'f', 2)};
    for (int c = 0; c < 8; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  auto* exportButton = buttons->addButton(QStringLiteral("Export"), QDialogButtonBox::ActionRole);
  connect(exportButton, &QPushButton::clicked, &d, [this] { window_.ExportStatistics(ui_); });
  connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addWidget(buttons);
  d.resize(760, 300);
  d.exec();
}

}  // namespace zelvo::qt
