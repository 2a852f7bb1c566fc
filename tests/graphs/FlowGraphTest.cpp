#include <gtest/gtest.h>

#include <cmath>

#include "graphs/GraphTestRecords.h"
#include "zelvo/graphs/FlowGraph.h"

namespace zelvo {
namespace {

using testing::Curve;
using testing::MakeRecord;

Preferences Prefs() {
  Preferences p;
  for (int i = 0; i < kCurveColours; ++i) p.curveColours[i] = Rgb{i + 1, 2 * i, 300};
  return p;
}

FlowGraphInput Input(FlowGraphSettings s, std::vector<FlowCurveInput> curves) {
  FlowGraphInput in;
  in.settings = s;
  in.curves = std::move(curves);
  in.preferences = Prefs();
  return in;
}

FlowGraphSettings AnnualAverage() {
  FlowGraphSettings s;
  s.annualSeries = kAnnualAnnualAve;
  return s;
}

// Ten water years whose annual means are 10, 20, ..., 100 (every day of year i carries 10 (i+1)).
std::unique_ptr<FlowRecord> TenYears(int first = 1981) {
  return MakeRecord(first, first + 9,
                    [first](int year, int) { return 10.0f * static_cast<float>(year - first + 1); });
}

TEST(FlowExceedence, TenValuesArePlacedAtNinthsOfOneHundredPercent) {
  auto r = TenYears();
  FlowGraphSettings s = AnnualAverage();
  s.exceedence = true;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("Ten", *r)}));
  ASSERT_EQ(g.x.size(), 10u);
  EXPECT_EQ(g.x[0], 0.0);
  EXPECT_NEAR(g.x[1], 11.11, 0.005);
  EXPECT_EQ(g.x[9], 100.0);
  ASSERT_EQ(g.values.size(), 1u);
  ASSERT_EQ(g.values[0].size(), 10u);
  EXPECT_EQ(g.values[0].front(), 100.0f);  // the largest flow is equalled or exceeded 0 % of the time
  EXPECT_EQ(g.values[0].back(), 10.0f);
  EXPECT_EQ(g.chart.xTitle, "Percent Of Time Equaled Or Exceeded");
  ASSERT_FALSE(g.chart.header.empty());
  EXPECT_EQ(g.chart.header[0], "Annual Average Flow Exceedence");
  EXPECT_EQ(g.chart.xMax, 100.0);

  const std::string csv = FlowGraphExportText(g);
  EXPECT_NE(csv.find("X axis:  Percent Of Time Equaled Or Exceeded\r\n"), std::string::npos);
  EXPECT_NE(csv.find("   EXCEEDENCE  ,     Y1     \r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n       11.11,        90.0\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n      100.00,        10.0\r\n"), std::string::npos);
}

TEST(FlowExceedence, ShorterCurvesAreInterpolatedAtTheReferencePercentages) {
  auto longer = TenYears(1981);
  // Five years: 1, 2, 3, 4, 5 -> sorted 5 4 3 2 1 at 0, 25, 50, 75, 100 percent.
  auto shorter = MakeRecord(1981, 1985, [](int year, int) { return static_cast<float>(year - 1980); });
  FlowGraphSettings s = AnnualAverage();
  s.exceedence = true;
  // The shorter one first: the reference is the longest record, not the first curve.
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("Short", *shorter), Curve("Long", *longer)}));
  ASSERT_EQ(g.values[0].size(), 10u);
  EXPECT_EQ(g.values[1][0], 100.0f);
  EXPECT_EQ(g.values[0][0], 5.0f);
  // 11.11 % lies between 0 % (5) and 25 % (4).
  EXPECT_NEAR(g.values[0][1], 5.0 - 11.111 / 25.0, 1e-3);
  EXPECT_EQ(g.values[0][9], 1.0f);
}

TEST(FlowExceedence, CurvesWithFewerThanTwoValuesHaveNoDurationCurve) {
  auto ten = TenYears();
  auto one = MakeRecord(1981, 1981, [](int, int) { return 7.0f; });
  FlowGraphSettings s = AnnualAverage();
  s.exceedence = true;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("Ten", *ten), Curve("One", *one)}));
  ASSERT_EQ(g.values.size(), 2u);
  ASSERT_EQ(g.values[1].size(), g.x.size());
  for (float v : g.values[1]) EXPECT_EQ(v, -99.0f);
  for (double x : g.x) EXPECT_FALSE(std::isnan(x));

  const FlowGraph alone = BuildFlowGraph(Input(s, {Curve("One", *one)}));
  ASSERT_EQ(alone.x.size(), 1u);
  EXPECT_EQ(alone.x[0], 0.0);
  ASSERT_EQ(alone.statistics.size(), 1u);
  EXPECT_EQ(alone.statistics[0].count, 0);
}

TEST(FlowTrendLine, FitsTheValuesAndIgnoresHoles) {
  // Daily flows 2 X + 5 with one missing year in between: the holes must not pull the line down.
  auto r = MakeRecord(1991, 1993, [](int year, int slot) {
    if (year == 1992) return kMissing;
    const int day = slot < kLeapDaySlot ? slot : slot - 1;
    return 2.0f * static_cast<float>((year - 1991) * 365 + day + 1) + 5.0f;
  });
  FlowGraphSettings s;
  s.trendLine = true;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("A", *r)}));
  ASSERT_TRUE(g.trend.valid);
  EXPECT_NEAR(g.trend.slope, 2.0, 1e-9);
  EXPECT_NEAR(g.trend.intercept, 5.0, 1e-6);
  ASSERT_EQ(g.chart.main.sets.size(), 2u);
  ASSERT_EQ(g.chart.main.curveLabels.size(), 2u);
  ASSERT_EQ(g.chart.main.curveStyles.size(), 2u);
  EXPECT_EQ(g.chart.main.curveLabels[1], "Trend Line");
  EXPECT_EQ(g.chart.main.curveStyles[1].pattern, 3);
  EXPECT_EQ(g.chart.main.curveStyles[1].lineColour.red, 0);
  // The line is drawn across the missing year too.
  ASSERT_GT(g.chart.main.sets[1].y.size(), 400u);
  EXPECT_NEAR(g.chart.main.sets[1].y[400], 2.0 * 401 + 5.0, 1e-6);
  // Trend lines belong to single curves only.
  FlowGraphSettings two = s;
  const FlowGraph both = BuildFlowGraph(Input(two, {Curve("A", *r), Curve("B", *r)}));
  EXPECT_EQ(both.chart.main.sets.size(), 2u);
  EXPECT_FALSE(both.trend.valid);
}

TEST(FlowTrendLine, OnExceedenceCurvesRunsOverThePercentages) {
  auto r = TenYears();
  FlowGraphSettings s = AnnualAverage();
  s.exceedence = true;
  s.trendLine = true;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("Ten", *r)}));
  ASSERT_TRUE(g.trend.valid);
  // 100 at 0 %, 10 at 100 %: the values lie on y = 100 - 0.9 x.
  EXPECT_NEAR(g.trend.slope, -0.9, 1e-6);
  EXPECT_NEAR(g.trend.intercept, 100.0, 1e-4);
}

TEST(FlowThreshold, ConstantGreenCurveWithPatternFive) {
  auto r = TenYears();
  FlowGraphSettings s = AnnualAverage();
  s.threshold = true;
  s.thresholdValue = 42.5f;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("Ten", *r)}));
  ASSERT_EQ(g.chart.main.sets.size(), 2u);
  for (double y : g.chart.main.sets[1].y) EXPECT_EQ(y, 42.5);
  ASSERT_EQ(g.chart.main.curveLabels.size(), 2u);
  ASSERT_EQ(g.chart.main.curveStyles.size(), 2u);
  EXPECT_EQ(g.chart.main.curveLabels[1], "Threshold");
  EXPECT_EQ(g.chart.main.curveStyles[1].pattern, 5);
  EXPECT_EQ(g.chart.main.curveStyles[1].lineColour.green, 255);
  // Neither the threshold nor its statistics are part of the export.
  EXPECT_EQ(g.statistics.size(), 1u);
  EXPECT_EQ(FlowGraphExportText(g).find("Threshold"), std::string::npos);
}

TEST(FlowErrorBars, QuarterDeviationsNeverBelowZeroAndTheAxisCoversThem) {
  // Year 1: days alternate 0 and 100 (mean ~50, sd ~50): lower end max(0, 50 - 12.5).
  // Year 2: days alternate 1 and 3 (mean ~2, sd ~1).
  auto r = MakeRecord(2001, 2002, [](int year, int slot) {
    if (year == 2001) return slot % 2 == 0 ? 0.0f : 100.0f;
    return slot % 2 == 0 ? 1.0f : 3.0f;
  });
  FlowGraphSettings s = AnnualAverage();
  s.errorBars = true;
  const FlowGraph g = BuildFlowGraph(Input(s, {Curve("A", *r)}));
  ASSERT_TRUE(g.chart.second.has_value());
  EXPECT_EQ(g.chart.second->type, ChartType::ErrorBars);
  ASSERT_FALSE(g.chart.second->curveLabels.empty());
  EXPECT_EQ(g.chart.second->curveLabels[0], "Error Bars");
  ASSERT_EQ(g.errorLow.size(), 2u);
  ASSERT_EQ(g.errorHigh.size(), 2u);
  for (float lo : g.errorLow) EXPECT_GE(lo, 0.0f);
  EXPECT_GT(g.errorHigh[0], 60.0f);
  EXPECT_FALSE(g.chart.yAutomatic);
  EXPECT_EQ(g.chart.yMax, std::trunc(g.errorHigh[0] + 1.0));
  EXPECT_EQ(g.chart.yMin, std::trunc(g.errorLow[1]));

  // User extents widen the axis further.
  FlowGraphInput in = Input(s, {Curve("A", *r)});
  in.userYMinimum = -10.0;
  in.userYMaximum = 500.0;
  const FlowGraph wide = BuildFlowGraph(in);
  EXPECT_EQ(wide.chart.yMax, 500.0);
  EXPECT_EQ(wide.chart.yMin, -10.0);
}

TEST(FlowErrorBars, OfferedOnlyForOneCurveOfAnnualMeansOrMediansOnALinearTimeAxis) {
  FlowGraphSettings s = AnnualAverage();
  s.errorBars = true;
  s.trendLine = true;
  FlowOptionAvailability a = ApplyFlowOptionAvailability(s, 1);
  EXPECT_TRUE(a.errorBars);
  EXPECT_TRUE(s.errorBars);
  s.annualSeries = kAnnualAnnualMedian;
  EXPECT_TRUE(ApplyFlowOptionAvailability(s, 1).errorBars);
  for (auto change : std::vector<std::function<void(FlowGraphSettings&)>>{
           [](FlowGraphSettings& x) { x.annualSeries = kAnnualAnnualMax; },
           [](FlowGraphSettings& x) { x.exceedence = true; }, [](FlowGraphSettings& x) { x.scale = 1; },
           [](FlowGraphSettings& x) { x.basis = FlowBasis::Monthly; }}) {
    FlowGraphSettings t = AnnualAverage();
    t.errorBars = true;
    change(t);
    EXPECT_FALSE(ApplyFlowOptionAvailability(t, 1).errorBars);
    EXPECT_FALSE(t.errorBars);
  }
  a = ApplyFlowOptionAvailability(s, 2);
  EXPECT_FALSE(a.trendLine);
  EXPECT_FALSE(s.trendLine);
  EXPECT_FALSE(s.errorBars);
}

TEST(FlowStatistics, PopulationDeviationMedianAndEmptyCurves) {
  const CurveStatistics s =
      ComputeCurveStatistics("A", {2.0f, -99.0f, 4.0f, 4.0f, 4.0f, 5.0f, 5.0f, 7.0f, 9.0f});
  EXPECT_EQ(s.count, 8);
  EXPECT_EQ(s.total, 40.0f);
  EXPECT_EQ(s.mean, 5.0f);
  EXPECT_EQ(s.stdDev, 2.0f);  // population form: sqrt(32 / 8)
  EXPECT_EQ(s.median, 4.5f);
  EXPECT_EQ(s.minimum, 2.0f);
  EXPECT_EQ(s.maximum, 9.0f);
  EXPECT_EQ(ComputeCurveStatistics("odd", {3.0f, 1.0f, 2.0f}).median, 2.0f);

  const CurveStatistics none = ComputeCurveStatistics("Empty", {-99.0f, -99.0f});
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(none.minimum, 0.0f);
  EXPECT_EQ(none.maximum, 0.0f);
  EXPECT_EQ(none.mean, 0.0f);
  EXPECT_EQ(none.median, 0.0f);
  EXPECT_EQ(none.stdDev, 0.0f);
  EXPECT_EQ(ComputeCurveStatistics(std::string(60, 'x'), {}).label.size(), 50u);
}

TEST(FlowStatistics, CsvToTheCharacter) {
  const std::string csv = CurveStatisticsCsv(
      {ComputeCurveStatistics("Upper Creek", {2.0f, 4.0f, 4.0f, 4.0f, 5.0f, 5.0f, 7.0f, 9.0f}),
       ComputeCurveStatistics("Dry", {-99.0f})});
  EXPECT_EQ(csv,
            "Curve Statistics:  Stream Flow (cfs)\r\n"
            "\r\n"
            "Curve units:  CFS\r\n"
            "\r\n"
            "Curve,No. of points,Minimum,Maximum,Median,Mean,StdDev,Total\r\n"
            "Upper Creek,8,        2.00,        9.00,        4.50,        5.00,        2.00,       40.00\r\n"
            "Dry,0,        0.00,        0.00,        0.00,        0.00,        0.00,        0.00\r\n");
  EXPECT_EQ(CurveStatisticsCaption(),
            "Curve Statistics:  Stream Flow (cfs)\nCurve Units:  Curve units:  CFS");
}

TEST(FlowExport, DailyExportToTheCharacter) {
  auto a = MakeRecord(1991, 1991,
                      [](int, int slot) { return slot == 1 ? kMissing : 1.25f + static_cast<float>(slot); });
  auto b = MakeRecord(1991, 1991, [](int, int) { return 1000.0f; });
  const FlowGraph g =
      BuildFlowGraph(Input(FlowGraphSettings{}, {Curve("North Fork", *a), Curve("South", *b)}));
  const std::string csv = FlowGraphExportText(g);
  const std::string head =
      "Daily Flow\r\n"
      "Time Period - 1991 - 1991\r\n"
      "X axis:  Time\r\n"
      "Y axis:  Stream Flow (cfs)\r\n"
      "Legend:\r\n"
      "    Y1 - North Fork\r\n"
      "    Y2 - South\r\n"
      "    TIME STEP  ,    DATE    ,     Y1     ,     Y2     \r\n"
      "           1,10/01/1990,         1.2,      1000.0\r\n"
      "           2,10/02/1990,     ,      1000.0\r\n"
      "           3,10/03/1990,         3.2,      1000.0\r\n";
  EXPECT_EQ(csv.substr(0, head.size()), head);
  EXPECT_NE(csv.find("         365,09/30/1991,       366.2,      1000.0\r\n"), std::string::npos);
  // One line per point after the eight header lines.
  std::size_t lines = 0;
  for (char c : csv) lines += c == '\n';
  EXPECT_EQ(lines, 8u + 365u);
}

TEST(FlowChart, DescriptionOfATimeGraph) {
  auto r = MakeRecord(1991, 1991, [](int, int) { return 3.0f; });
  FlowGraphSettings s;
  s.graphType = 1;
  s.scale = 1;
  s.grid = true;
  s.plotPoints = true;
  FlowGraphInput in = Input(s, {Curve("A", *r)});
  in.userYMinimum = 1.0;
  in.userYMaximum = 1000.0;
  const FlowGraph g = BuildFlowGraph(in);
  const ChartDescription& c = g.chart;
  EXPECT_EQ(c.main.type, ChartType::Bar);
  EXPECT_TRUE(c.logY);
  EXPECT_TRUE(c.grid);
  EXPECT_FALSE(c.yAutomatic);
  EXPECT_EQ(c.yMin, 1.0);
  EXPECT_EQ(c.yMax, 1000.0);
  EXPECT_EQ(c.xMax, 365.0);
  EXPECT_EQ(c.yTitle, "Stream Flow (cfs)");
  EXPECT_EQ(c.header, (std::vector<std::string>{"Daily Flow", "Water Year 1991"}));
  EXPECT_EQ(c.holeValue, -99.0);
  EXPECT_EQ(c.headerFont, "Arial,10,bold");
  EXPECT_EQ(c.legendFont, "Times,8,bold");
  ASSERT_EQ(c.main.curveStyles.size(), 1u);
  EXPECT_EQ(c.main.curveStyles[0].pointStyle, kPointDefault);
  EXPECT_EQ(c.main.curveStyles[0].lineColour.blue, 44);  // 300 acts as 44
  EXPECT_EQ(c.main.curveStyles[0].lineWidth, 2);
  EXPECT_EQ(c.main.curveStyles[0].pointSize, 6);
  // -99.0 as the user maximum means automatic extents.
  in.userYMaximum = -99.0;
  EXPECT_TRUE(BuildFlowGraph(in).chart.yAutomatic);
}

// A stream dry from 1 August (0-based slot 305) to 30 September in its first year and all
// September (slots 336..365) in its second: 61 + 30 zero-flow days, no missing day.
std::unique_ptr<FlowRecord> DrySummers() {
  return MakeRecord(1991, 1992, [](int year, int slot) {
    return (year == 1991 && slot >= 305) || (year == 1992 && slot >= 336) ? 0.0f : 5.0f;
  });
}

TEST(FlowLogScale, ZeroFlowDaysLeftOutOfALogScaleAreCountedUnderTheChart) {
  auto dry = DrySummers();
  FlowGraphSettings s;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote, "");  // linear: all drawn
  s.scale = 1;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "91 days of zero flow are not drawn on the log scale");
  // Two curves: the zeros of both.
  auto wet =
      MakeRecord(1991, 1992, [](int year, int slot) { return year == 1991 && slot == 10 ? 0.0f : 9.0f; });
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry), Curve("Wet", *wet)})).logScaleNote,
            "92 days of zero flow are not drawn on the log scale");
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Wet", *wet)})).logScaleNote,
            "1 day of zero flow is not drawn on the log scale");
  // The duration curve of the same days: the zeros are its last 91 positions.
  s.exceedence = true;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "91 days of zero flow are not drawn on the log scale");
  // Beside a record twice as long the dry record's curve is interpolated onto twice as many
  // positions; the note still counts its 91 days, not the positions they were spread over.
  auto long_wet = MakeRecord(1991, 1994, [](int, int) { return 7.0f; });
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry), Curve("Long", *long_wet)})).logScaleNote,
            "91 days of zero flow are not drawn on the log scale");
  s.exceedence = false;
  // Statistics of months and years count their values: August and September 1991 and September
  // 1992 have a minimum of 0.
  s.annualSeries = kAnnualMonthlyMin;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "3 monthly values of zero flow are not drawn on the log scale");
  s.annualSeries = kAnnualAnnualMin;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "2 annual values of zero flow are not drawn on the log scale");
  s.annualSeries = kAnnualAnnualAve;  // every annual mean is above 0: nothing left out
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote, "");
  // The monthly basis, daily values of September: 30 in each year.
  s.basis = FlowBasis::Monthly;
  s.monthlySeries = kMonthlyDaily;
  s.month = 11;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "60 days of zero flow are not drawn on the log scale");
  s.monthlySeries = kMonthlyMonthlyAve;
  EXPECT_EQ(BuildFlowGraph(Input(s, {Curve("Dry", *dry)})).logScaleNote,
            "2 monthly values of zero flow are not drawn on the log scale");
  EXPECT_EQ(ZeroFlowNote(1, SeriesPeriod::Year), "1 annual value of zero flow is not drawn on the log scale");
  EXPECT_EQ(ZeroFlowNote(0, SeriesPeriod::Day), "");
}

TEST(CurveStyles, LinePatternsWrapAfterSevenWithLineStyleOn) {
  std::vector<int> patterns;
  for (const CurveStyle& s : PreferenceCurveStyles(Prefs(), 8, false, true)) patterns.push_back(s.pattern);
  EXPECT_EQ(patterns, (std::vector<int>{2, 3, 4, 5, 6, 7, 2, 3}));
  for (const CurveStyle& s : PreferenceCurveStyles(Prefs(), 8, false, false)) {
    EXPECT_EQ(s.pattern, 2);
    EXPECT_EQ(s.pointStyle, kPointNone);
  }
  const std::vector<CurveStyle> all = PreferenceCurveStyles(Prefs(), 25, false, false);
  ASSERT_EQ(all.size(), 20u);
  EXPECT_EQ(all[19].lineColour.red, 20);
}

}  // namespace
}  // namespace zelvo
