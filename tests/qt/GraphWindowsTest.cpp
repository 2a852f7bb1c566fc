// The graph windows on the offscreen platform: each graph type drawn from a small project and
// saved as a picture, the capture file, printing to PDF, zoom and reset, and the redraw time of
// twenty 150-year daily records.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/TextFormat.h"
#include "common/import/DailyValueReader.h"
#include "qcustomplot.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/PreferencesFile.h"
#include "zelvo/graphs/GraphicsPreferences.h"
#include "zelvo/graphs/qt/CChart2D.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/graphs/qt/GraphUi.h"
#include "zelvo/graphs/qt/IndexGraphDialog.h"

namespace zelvo::qt {
namespace {

// Records what the windows say; questions are answered No, dialogs cancelled.
class RecordingUi : public Ui {
 public:
  Answer Message(const std::string& text, Buttons buttons) override {
    messages.push_back(text);
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  bool Edit(Form&, const FormCheck&) override { return false; }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}
  std::vector<std::string> messages;
};

// A snow-melt stream: low winter flow, a spring rise, summer storms that recede over days.
FlowRecord SyntheticRecord(int first, int last, float scale, unsigned seed) {
  FlowRecord r;
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
  r.yearCount = last - first + 1;
  float storm = 0.0f;
  for (int i = 0; i < r.yearCount; ++i) {
    r.years[i] = first + i;
    const float wetness = 0.6f + 0.8f * uniform(random);
    for (int s = 0; s < kDaySlots; ++s) {
      if (s == kLeapDaySlot) {
        r.flows[i][s] = kMissing;
        continue;
      }
      const float season =
          1.0f + 0.9f * std::sin(2.0f * 3.14159265f * (static_cast<float>(s) - 120.0f) / 365.0f);
      if (uniform(random) < 0.03f) storm += 4.0f * uniform(random);
      storm *= 0.85f;
      r.flows[i][s] = scale * wetness * (season + storm);
    }
  }
  return r;
}

class GraphWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One application for the whole test program, whichever test comes first.
    if (QApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "zelvo_qt_tests";
      static char* argv[] = {name, nullptr};
      new QApplication(argc, argv);
    }
  }
  void SetUp() override {
    shots_ = ZELVO_SCREENSHOT_DIR;
    std::filesystem::create_directories(shots_);
    app.projectName = "Upper Creek";
    app.projectFolder = folder_;
    app.preferences = DefaultPreferences();
  }

  int AddDataSet(const std::string& title, int first, int last, float scale, unsigned seed,
                 int streamClass = 0) {
    DataSetEntry e;
    e.title = title;
    e.SetWaterYears(first, last);
    e.fileName = DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
    e.streamClass = streamClass;
    app.dataSets.push_back(e);
    const FlowRecord r = SyntheticRecord(first, last, scale, seed);
    EXPECT_TRUE(WriteDataSetFile(folder_ / e.fileName, r, false));
    return static_cast<int>(app.dataSets.size());
  }

  void WriteResults(int number, float factor, float lower = 25.0f, float upper = 75.0f) {
    std::ofstream out(folder_ / HiOutputFileName(number), std::ios::binary);
    out << "Run,0\r\n" << Format("%f,%f", lower, upper) << "\r\nIndex,Lower Limit,Value,Upper Limit\r\n";
    for (int n = 0; n < kIndexCount; ++n) {
      const float v = factor * (10.0f + static_cast<float>((n * 37) % 50));
      out << IndexName(n) << Format(",%9.3f,%9.3f,%9.3f", 0.7f * v, v, 1.4f * v) << "\r\n";
    }
  }

  void Save(QWidget& w, const std::string& name) {
    w.resize(1180, 760);
    w.show();
    QApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QString::fromStdString((shots_ / (name + ".png")).string())));
  }

  zelvo::testing::TempFolder temp_;
  const std::filesystem::path folder_ = temp_.Path();
  std::filesystem::path shots_;
  AppState app;
  RecordingUi ui;
};

TEST_F(GraphWindows, FlowGraphsOfEveryKindAreDrawn) {
  AddDataSet("Upper Creek at Mill", 1950, 1959, 120.0f, 1);
  AddDataSet("Upper Creek below Dam", 1955, 1970, 80.0f, 2);
  AddDataSet("One year", 1987, 1987, 50.0f, 3);
  FlowGraphDialog dialog(app, FlowWindowKind::DataSets, ui);
  dialog.SelectEntries({0, 1});
  ASSERT_NE(dialog.Window().Last(), nullptr);
  EXPECT_EQ(dialog.Window().Last()->layout.span, 21);
  Save(dialog, "flow_daily_two_sets");

  FlowGraphSettings& s = dialog.Window().settings;
  s.annualSeries = kAnnualMonthlyAve;
  s.lineStyle = true;
  s.plotPoints = true;
  s.grid = true;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "flow_monthly_average_styles");

  s.exceedence = true;
  s.scale = 1;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "flow_exceedence_log");

  dialog.SelectEntries({0});
  s.exceedence = false;
  s.scale = 0;
  s.annualSeries = kAnnualAnnualAve;
  s.errorBars = true;
  s.trendLine = true;
  s.threshold = true;
  s.thresholdValue = 150.0f;
  s.grid = false;
  dialog.ShowSettings();
  dialog.Redraw();
  ASSERT_TRUE(dialog.Window().Last()->chart.second.has_value());
  Save(dialog, "flow_annual_error_bars_trend_threshold");

  s.errorBars = false;
  s.trendLine = false;
  s.threshold = false;
  s.annualSeries = kAnnualMedianHydrograph;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "flow_median_hydrograph");

  s.basis = FlowBasis::Monthly;
  s.monthlySeries = kMonthlyDaily;
  s.month = 4;
  s.graphType = 1;
  dialog.ShowSettings();
  dialog.SelectEntries({2});
  EXPECT_EQ(dialog.Window().Last()->chart.xTitle, "Days of Month");
  Save(dialog, "flow_monthly_basis_february_bars");

  s.basis = FlowBasis::Annual;
  s.annualSeries = kAnnualDaily;
  s.graphType = 0;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "flow_one_water_year");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GraphWindows, IndexGraphsOfValuesAndRanges) {
  AddDataSet("Baseline", 1950, 1980, 100.0f, 1, 2);
  AddDataSet("Withdrawal 10%", 1950, 1980, 90.0f, 2);
  AddDataSet("Withdrawal 25%", 1950, 1980, 75.0f, 3);
  AddDataSet("Reservoir", 1950, 1980, 110.0f, 4);
  app.baseline = 1;
  for (int n = 1; n <= 4; ++n) WriteResults(n, 1.0f + 0.15f * static_cast<float>(n - 1));
  app.defaultIndexSets[2] = {MA(1), MA(3), ML(17), MH(14), FL(1), FH(1), DL(16), DH(16), TA(1), RA(1)};
  IndexGraphDialog dialog(app, IndexWindowKind::Alternatives, ui);
  dialog.SelectEntries({0, 1});
  ASSERT_NE(dialog.Window().Last(), nullptr);
  Save(dialog, "index_values");
  dialog.Window().type = IndexGraphType::Range;
  dialog.ShowControls();
  dialog.Redraw();
  ASSERT_NE(dialog.Window().Last(), nullptr);
  ASSERT_FALSE(dialog.Window().Last()->chart.xLabels.empty());
  EXPECT_NEAR(dialog.Window().Last()->chart.xLabels[0].x, 0.8, 1e-9);
  Save(dialog, "index_ranges_three_curves");
  dialog.Window().normalize = true;
  dialog.ShowControls();
  dialog.Redraw();
  Save(dialog, "index_ranges_normalized");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GraphWindows, CaptureZoomResetAndPrint) {
  CChart2D chart;
  chart.resize(101, 80);
  ChartDescription c;
  c.main.sets.push_back({{1, 2, 3, 4}, {1, -99.0, 3, 4}});
  c.main.curveLabels = {"A"};
  c.main.curveStyles = {CurveStyle{}};
  c.xMax = 5;
  c.yAutomatic = false;
  c.yMin = 0;
  c.yMax = 10;
  chart.show();
  chart.Render(c);
  EXPECT_EQ(chart.GetYMinimum(), 0.0);
  EXPECT_EQ(chart.GetYMaximum(), 10.0);
  // The hole is a gap: NaN in the drawn data.
  auto* graph = chart.Plot()->graph(0);
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(std::isnan(graph->data()->at(1)->value));

  const RgbImage image = chart.Grab();
  EXPECT_EQ(image.width, chart.Plot()->width());
  const std::vector<std::uint8_t> bmp = EncodeBmp(image);
  EXPECT_EQ(bmp.size(), 54u + BmpRowSize(image.width) * static_cast<std::uint32_t>(image.height));

  // Shift and drag zooms into the rectangle; a plain drag does not.
  chart.resize(400, 300);
  chart.Render(c);
  QWidget* surface = chart.Plot();
  const QRect area = chart.Plot()->axisRect()->rect();
  const QPoint from = area.center() - QPoint(area.width() / 4, area.height() / 4);
  const QPoint to = area.center() + QPoint(area.width() / 4, area.height() / 4);
  QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(surface, to);
  QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(chart.Plot()->yAxis->range().upper, 10.0);
  QTest::mousePress(surface, Qt::LeftButton, Qt::ShiftModifier, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(surface->mapToGlobal(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(surface, &move);
  QTest::mouseRelease(surface, Qt::LeftButton, Qt::ShiftModifier, to);
  EXPECT_LT(chart.Plot()->yAxis->range().upper, 10.0);
  EXPECT_GT(chart.Plot()->yAxis->range().lower, 0.0);
  QKeyEvent r(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, "r");
  QApplication::sendEvent(chart.Plot(), &r);
  EXPECT_EQ(chart.Plot()->yAxis->range().upper, 10.0);

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string pdf = (folder_ / "chart.pdf").string();
  printer.setOutputFileName(QString::fromStdString(pdf));
  chart.PrintTo(printer);
  EXPECT_GT(std::filesystem::file_size(pdf), 500u);
}

// The largest graph the window draws: 20 curves of 150 daily water years, every point of every
// curve on the chart. How long it takes is measured by bench/GraphRedrawBench.cpp.
TEST_F(GraphWindows, TwentyCurvesOf150DailyYearsAreDrawnWhole) {
  for (int i = 0; i < 20; ++i)
    AddDataSet("Gauge " + std::to_string(i + 1), 1851, 2000, 50.0f + 10.0f * i, 100 + i);
  FlowGraphDialog dialog(app, FlowWindowKind::DataSets, ui);
  dialog.resize(1180, 760);
  dialog.show();
  std::vector<int> all(20);
  for (int i = 0; i < 20; ++i) all[i] = i;
  dialog.SelectEntries(all);  // reads the 20 files once, then draws
  QApplication::processEvents();
  dialog.Redraw();
  QApplication::processEvents();
  const FlowGraph* g = dialog.Window().Last();
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->layout.pointCount, 150 * 365);
  ASSERT_EQ(g->values.size(), 20u);
  for (const std::vector<float>& curve : g->values) EXPECT_EQ(curve.size(), 150u * 365);
  ASSERT_EQ(dialog.Chart()->Plot()->graphCount(), 20);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(dialog.Chart()->Plot()->graph(i)->data()->size(), 150 * 365) << i;
  EXPECT_TRUE(ui.messages.empty());
  Save(dialog, "flow_twenty_curves_150_years");
}

TEST_F(GraphWindows, GraphicsPreferencesDialogTakesTheTypedColour) {
  GraphUi graphUi(ui, nullptr);
  // While the dialog is open: picture, then curve 2's red typed as 10, then OK.
  QTimer::singleShot(200, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    dialog->grab().save(QString::fromStdString((shots_ / "graphics_preferences.png").string()));
    const QList<QSpinBox*> spins = dialog->findChildren<QSpinBox*>();
    ASSERT_EQ(spins.size(), 60);
    spins[3]->setValue(10);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  app.preferences.annualSeries = kAnnualMonthlyMedian;
  EditGraphicsPreferences(app, graphUi);
  EXPECT_TRUE(app.preferencesChanged);
  EXPECT_EQ(app.preferences.curveColours[1].red, 10);
  EXPECT_EQ(app.preferences.annualSeries, kAnnualMonthlyMedian);
}

TEST_F(GraphWindows, RealAgencyRecordsAsHydrologistsSeeThem) {
  const std::filesystem::path real = ZELVO_REAL_DATA_DIR;
  const char* files[] = {"dv_05427718_YaharaRiver_Windsor_WI.txt",
                         "dv_05427948_PheasantBranch_Middleton_WI.txt"};
  for (const char* name : files) {
    if (!std::filesystem::exists(real / name)) GTEST_SKIP() << "no real data at " << real / name;
    FlowRecord record;
    DailyValueSpan span;
    const Status read = ReadDailyValueFile(real / name, ImportProgram::Main, 0, 0, record, span);
    ASSERT_TRUE(read.Ok()) << read.Message();
    DataSetEntry e;
    e.title = std::string(name).substr(12, std::string(name).find('_', 12) - 12);
    e.SetWaterYears(record.FirstYear(), record.LastYear());
    e.fileName = DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
    app.dataSets.push_back(e);
    ASSERT_TRUE(WriteDataSetFile(folder_ / e.fileName, record, false));
  }
  FlowGraphDialog dialog(app, FlowWindowKind::DataSets, ui);
  FlowGraphSettings& s = dialog.Window().settings;
  s.scale = 1;
  dialog.ShowSettings();
  dialog.SelectEntries({0, 1});
  ASSERT_NE(dialog.Window().Last(), nullptr);
  Save(dialog, "real_daily_log");
  s.exceedence = true;
  dialog.ShowSettings();
  dialog.Redraw();
  // Duration curves fall from the largest flow at 0 % to the smallest at 100 %.
  ASSERT_NE(dialog.Window().Last(), nullptr);
  const FlowGraph& g = *dialog.Window().Last();
  ASSERT_FALSE(g.values.empty());
  ASSERT_FALSE(g.values[0].empty());
  EXPECT_GE(g.values[0].front(), g.values[0][g.values[0].size() / 2]);
  Save(dialog, "real_exceedence_log");
  s.exceedence = false;
  s.scale = 0;
  s.annualSeries = kAnnualMedianHydrograph;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "real_median_hydrograph");
  EXPECT_TRUE(ui.messages.empty());
}

// The Trinity at Dallas ran dry on 1,068 days in 1910-1919: on a log scale those days are not
// drawn, and the window says so under the chart.
TEST_F(GraphWindows, ZeroFlowDaysOnALogScaleAreNamedUnderTheChart) {
  const std::filesystem::path daily =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_08057000_TrinityRiver_Dallas_TX.txt";
  if (!std::filesystem::exists(daily)) GTEST_SKIP() << "real data not at hand";
  FlowRecord record;
  DailyValueSpan span;
  const Status read = ReadDailyValueFile(daily, ImportProgram::Main, 1905, 1925, record, span);
  ASSERT_TRUE(read) << read.Message();
  DataSetEntry e;
  e.title = "Trinity at Dallas";
  e.SetWaterYears(record.FirstYear(), record.LastYear());
  e.fileName = DataSetFileName(1);
  app.dataSets.push_back(e);
  ASSERT_TRUE(WriteDataSetFile(folder_ / e.fileName, record, false));
  FlowGraphDialog dialog(app, FlowWindowKind::DataSets, ui);
  dialog.SelectEntries({0});
  dialog.Window().settings.scale = 1;
  dialog.ShowSettings();
  dialog.Redraw();
  Save(dialog, "zero_flow_log_scale");
  EXPECT_FALSE(dialog.Note()->isHidden());
  EXPECT_EQ(dialog.Note()->text(), QStringLiteral("1068 days of zero flow are not drawn on the log scale"));
  dialog.Window().settings.scale = 0;
  dialog.ShowSettings();
  dialog.Redraw();
  EXPECT_TRUE(dialog.Note()->isHidden());
}

}  // namespace
}  // namespace zelvo::qt
