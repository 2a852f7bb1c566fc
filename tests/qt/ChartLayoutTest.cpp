// The chart's legend and axes as a user sees them: the legend keeps inside the chart whatever
// the window's size and the curves' titles, leaves the width to the axes, and is written in the
// axes' font family; year labels never write over one another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <filesystem>
#include <memory>
#include <set>

#include "common/import/DailyValueReader.h"
#include "graphs/GraphTestRecords.h"
#include "qcustomplot.h"
#include "zelvo/graphs/FlowGraph.h"
#include "zelvo/graphs/qt/CChart2D.h"

namespace zelvo::qt {
namespace {

ChartDescription Lines(const std::vector<std::string>& titles, const std::string& axisFont) {
  ChartDescription c;
  c.header = {"Daily Flow"};
  c.xTitle = "Water Year";
  c.yTitle = "Stream Flow (cfs)";
  c.axisFont = axisFont;
  c.main.type = ChartType::Line;
  for (std::size_t j = 0; j < titles.size(); ++j) {
    ChartSet set;
    for (int i = 0; i < 100; ++i) {
      set.x.push_back(i);
      set.y.push_back(10.0 + static_cast<double>(j) + i % 7);
    }
    c.main.sets.push_back(set);
    c.main.curveLabels.push_back(titles[j]);
    CurveStyle style;
    style.lineColour = Rgb{static_cast<int>(12 * j), 90, 200};
    c.main.curveStyles.push_back(style);
  }
  c.xMax = 99;
  return c;
}

TEST(ChartLegend, StaysWhollyInsideTheChartAndLeavesTheWidthToTheAxes) {
  std::vector<std::string> twenty;
  for (int i = 1; i <= 20; ++i) twenty.push_back("Gauge " + std::to_string(i));
  std::vector<std::string> twentyLong;
  for (int i = 1; i <= 20; ++i)
    twentyLong.push_back("SOUTH FORK OF THE CREEK NEAR TOWN, STATE - scenario " + std::to_string(i));
  const std::vector<std::vector<std::string>> cases = {
      {"Upper Creek at Mill", "Upper Creek below Dam"},
      {"TRINITY RIVER AT DALLAS, TX - natural flow 1904 to 2019 with the Wabash peaks beside it",
       "WABASH RIVER AT NEW HARMONY, IN"},
      twenty,
      twentyLong};
  int shot = 0;
  for (const auto& titles : cases) {
    for (const QSize size : {QSize(895, 730), QSize(600, 400), QSize(1400, 900)}) {
      CChart2D chart;
      chart.resize(size);
      chart.show();
      chart.Render(Lines(titles, shot % 2 == 0 ? "Arial,8,bold" : ""));
      QApplication::processEvents();
      QCustomPlot& p = *chart.Plot();
      p.replot();
      const QRect inside = p.viewport();
      // The frame is drawn one pixel beyond the right and bottom of the outer rectangle.
      const QRect framed = p.legend->outerRect().adjusted(0, 0, 1, 1);
      const std::string where =
          titles[0] + " at " + std::to_string(size.width()) + "x" + std::to_string(size.height());
      EXPECT_TRUE(inside.contains(framed)) << where;
      int entries = 0;
      for (int i = 0; i < p.legend->itemCount(); ++i) {
        if (p.legend->item(i) == nullptr) continue;  // an empty cell of the last row
        ++entries;
        EXPECT_TRUE(inside.contains(p.legend->item(i)->outerRect())) << where << ", entry " << i;
      }
      EXPECT_EQ(entries, static_cast<int>(titles.size())) << where;
      // The axes have the chart's width; the legend takes at most a third of its height.
      EXPECT_GE(p.axisRect()->outerRect().width(), size.width() - 2) << where;
      EXPECT_LE(p.legend->outerRect().height(), size.height() / 3) << where;
      EXPECT_EQ(p.legend->font().family(), p.xAxis->tickLabelFont().family()) << where;
      chart.grab().save(QString(ZELVO_SCREENSHOT_DIR "/chart_legend_%1.png").arg(++shot));
    }
  }
}

TEST(ChartLegend, AWiderWindowGivesBackTheFullTitles) {
  const std::string title = "TRINITY RIVER AT DALLAS, TX - natural flow 1904 to 2019, reservoir releases";
  std::vector<std::string> titles(12, title);
  CChart2D chart;
  chart.resize(500, 400);
  chart.show();
  chart.Render(Lines(titles, "Arial,8,bold"));
  QApplication::processEvents();
  QCustomPlot& p = *chart.Plot();
  auto* item = qobject_cast<QCPPlottableLegendItem*>(p.legend->item(0));  // the first cell is never empty
  ASSERT_NE(item, nullptr);
  EXPECT_NE(item->plottable()->name().toStdString(), title);  // elided to fit
  chart.resize(2400, 1200);
  QApplication::processEvents();
  EXPECT_EQ(item->plottable()->name().toStdString(), title);
}

// The year labels of `graph` drawn `width` pixels wide: four digits, each year once, none touching
// the next.
void ExpectDistinctYearsApart(const FlowGraph& graph, int width, std::size_t atLeast, const QString& shot) {
  CChart2D chart;
  chart.resize(width, 500);
  chart.show();
  chart.Render(graph.chart);
  QApplication::processEvents();
  QCustomPlot& p = *chart.Plot();
  p.replot();
  const QFontMetrics metrics(p.xAxis->tickLabelFont());
  std::set<QString> seen;
  double lastRight = -1e9;
  const QVector<double> ticks = p.xAxis->tickVector();
  const QVector<QString> labels = p.xAxis->tickVectorLabels();
  for (int i = 0; i < ticks.size(); ++i) {
    if (labels[i].isEmpty()) continue;
    EXPECT_EQ(labels[i].size(), 4) << labels[i].toStdString();
    EXPECT_TRUE(seen.insert(labels[i]).second) << labels[i].toStdString() << " twice";
    const double centre = p.xAxis->coordToPixel(ticks[i]);
    const double half = metrics.horizontalAdvance(labels[i]) / 2.0;
    EXPECT_GT(centre - half, lastRight) << labels[i].toStdString() << " at width " << width;
    lastRight = centre + half;
  }
  EXPECT_GE(seen.size(), atLeast) << "at width " << width;
  chart.grab().save(QString(ZELVO_SCREENSHOT_DIR "/%1_%2.png").arg(shot).arg(width));
}

TEST(ChartAxis, YearsOfACenturyLongRecordAreDistinctAndApart) {
  auto record = zelvo::testing::MakeRecord(
      1904, 2019, [](int year, int slot) { return 100.0f + static_cast<float>((year * 7 + slot) % 50); });
  FlowGraphInput input;
  input.curves = {zelvo::testing::Curve("Trinity River at Dallas", *record)};
  const FlowGraph graph = BuildFlowGraph(input);
  for (const int width : {620, 900, 1400})
    ExpectDistinctYearsApart(graph, width, width < 800 ? 6u : 12u, "chart_axis_116_years");
}

TEST(ChartAxis, TrinityRiverAtDallasReadsItsCenturyOfYearsUnambiguously) {
  const std::filesystem::path file =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_08057000_TrinityRiver_Dallas_TX.txt";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "real data not at hand";
  auto record = std::make_unique<FlowRecord>();
  DailyValueSpan span;
  const Status read = ReadDailyValueFile(file, ImportProgram::Main, 0, 0, *record, span);
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_GT(record->yearCount, 99);
  FlowGraphInput input;
  input.curves = {zelvo::testing::Curve("Trinity River at Dallas, TX", *record)};
  input.settings.scale = 1;
  const FlowGraph graph = BuildFlowGraph(input);
  for (const int width : {700, 1100}) ExpectDistinctYearsApart(graph, width, 8, "real_trinity_daily_log");
}

}  // namespace
}  // namespace zelvo::qt
