#include <gtest/gtest.h>

#include <sstream>

#include "common/engine/IndexCatalogue.h"
#include "zelvo/graphs/IndexGraph.h"

namespace zelvo {
namespace {

HiTable Table(float scale, float lowerPercentile = 25.0f, float upperPercentile = 75.0f) {
  HiTable t;
  for (int n = 0; n < kIndexCount; ++n) {
    t.value[n] = scale * static_cast<float>(n + 1);
    t.lower[n] = t.value[n] - 1.0f;
    t.upper[n] = t.value[n] + 2.0f;
  }
  t.lowerPercentile = lowerPercentile;
  t.upperPercentile = upperPercentile;
  return t;
}

IndexGraphInput Input(IndexGraphType type, int curves) {
  IndexGraphInput in;
  in.type = type;
  in.indices = {MA(1), ML(2), RA(9)};
  for (int j = 0; j < curves; ++j)
    in.curves.push_back({"Set " + std::to_string(j + 1), Table(static_cast<float>(j + 1))});
  for (int i = 0; i < kCurveColours; ++i) in.preferences.curveColours[i] = Rgb{10 * i, 0, 0};
  return in;
}

TEST(IndexGraph, ThreeCurvesInTheRangeGraph) {
  const IndexGraph g = BuildIndexGraph(Input(IndexGraphType::Range, 3));
  const ChartDescription& c = g.chart;
  EXPECT_EQ(c.main.type, ChartType::HighLowRange);
  EXPECT_EQ(c.main.setsPerCurve, 4);
  ASSERT_EQ(c.main.sets.size(), 12u);
  for (int j = 0; j < 3; ++j)
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(c.main.sets[4 * j].x[k - 1], k - 0.4 + 0.2 * j, 1e-12);
  // High, low, open, close.
  for (int k = 0; k < 4; ++k) ASSERT_EQ(c.main.sets[k].y.size(), 3u);
  EXPECT_EQ(c.main.sets[0].y[0], 3.0);
  EXPECT_EQ(c.main.sets[1].y[0], 0.0);
  EXPECT_EQ(c.main.sets[2].y[0], 3.0);
  EXPECT_EQ(c.main.sets[3].y[0], 0.0);
  // Index names under the middle bar.
  ASSERT_EQ(c.xLabels.size(), 3u);
  EXPECT_NEAR(c.xLabels[1].x, 1.8, 1e-12);
  EXPECT_EQ(c.xLabels[1].text, "ML2");
  EXPECT_EQ(c.xLabels[2].text, "RA9");
  // The values as black points of size 3, all curves in one set.
  ASSERT_TRUE(c.second.has_value());
  EXPECT_EQ(c.second->type, ChartType::Plot);
  EXPECT_EQ(c.second->sets.at(0).y.size(), 9u);
  ASSERT_EQ(c.second->curveStyles.size(), 1u);
  EXPECT_EQ(c.second->curveStyles[0].pointSize, 3);
  EXPECT_EQ(c.second->curveStyles[0].pointColour.red, 0);
  // Extents: largest upper (3 x 171 + 2) plus 1, smallest lower (0).
  EXPECT_FALSE(c.yAutomatic);
  EXPECT_EQ(c.yMax, 3.0 * 171 + 3);
  EXPECT_EQ(c.yMin, 0.0);
  EXPECT_EQ(c.xMin, 0.0);
  EXPECT_EQ(c.xMax, 3.5);
  EXPECT_EQ(c.axisFont, "Arial,8,bold");
  ASSERT_EQ(g.header.size(), 3u);
  EXPECT_EQ(g.header[2], "Lower Bound = 25th percentile     Upper Bound = 75th percentile");
  EXPECT_EQ(g.header[0], "Alternative Hydrologic Index Range Comparisons");
  EXPECT_EQ(g.header[1], "");
  // The chart shows the two lines with text and no empty line between them.
  EXPECT_EQ(c.header, (std::vector<std::string>{g.header[0], g.header[2]}));
}

TEST(IndexGraph, LabelPositionsForOneToFiveCurves) {
  EXPECT_NEAR(RangeLabelX(1, 2), 1.6, 1e-12);
  EXPECT_NEAR(RangeLabelX(2, 2), 1.6, 1e-12);
  EXPECT_NEAR(RangeLabelX(4, 2), 1.8, 1e-12);
  EXPECT_NEAR(RangeLabelX(5, 2), 2.0, 1e-12);
}

TEST(IndexGraph, NormalisationByTheBaseWithZeroAndNegativeBaseValues) {
  IndexGraphInput in = Input(IndexGraphType::Range, 2);
  in.normalize = true;
  // Index MA1: base value 0 -> no point in any curve. ML2: base value -2 -> limits exchanged.
  in.curves[0].table->value[MA(1)] = 0.0f;
  in.curves[0].table->value[ML(2)] = -2.0f;
  in.curves[1].table->lower[ML(2)] = 4.0f;
  in.curves[1].table->value[ML(2)] = 6.0f;
  in.curves[1].table->upper[ML(2)] = 10.0f;
  const IndexGraph g = BuildIndexGraph(in);
  for (const auto* per : {&g.lower, &g.value, &g.upper}) {
    ASSERT_EQ(per->size(), 2u);
    for (const std::vector<float>& curve : *per) ASSERT_EQ(curve.size(), 3u);
  }
  EXPECT_EQ(g.value[0][0], -99.0f);
  EXPECT_EQ(g.value[1][0], -99.0f);
  EXPECT_EQ(g.lower[1][0], -99.0f);
  EXPECT_EQ(g.value[1][1], -3.0f);
  EXPECT_EQ(g.lower[1][1], -5.0f);
  EXPECT_EQ(g.upper[1][1], -2.0f);
  EXPECT_LE(g.lower[0][1], g.upper[0][1]);
  // The label of a pointless index stays on the axis.
  ASSERT_EQ(g.chart.xLabels.size(), 3u);
  ASSERT_EQ(g.chart.main.curveLabels.size(), 2u);
  EXPECT_EQ(g.chart.xLabels[0].text, "MA1");
  EXPECT_EQ(g.chart.main.curveLabels[0], "Set 1 - base");
  EXPECT_EQ(g.chart.yTitle, "Normalized Hydrologic Index Value");
  // A negative lower limit stays inside the axis.
  EXPECT_LE(g.chart.yMin, -5.0);
  // The base divides itself to 1.
  EXPECT_EQ(g.value[0][2], 1.0f);
}

TEST(IndexGraph, ValueGraphIsOneBarSetPerCurve) {
  IndexGraphInput in = Input(IndexGraphType::Value, 2);
  in.kind = IndexGraphKind::Profile;
  in.profileTitle = "Before and after the dam";
  const IndexGraph g = BuildIndexGraph(in);
  const ChartDescription& c = g.chart;
  EXPECT_EQ(c.main.type, ChartType::Bar);
  ASSERT_EQ(c.main.sets.size(), 2u);
  EXPECT_EQ(c.main.sets[1].x, (std::vector<double>{1, 2, 3}));
  ASSERT_EQ(c.main.sets[1].y.size(), 3u);
  ASSERT_EQ(c.main.curveStyles.size(), 2u);
  ASSERT_EQ(c.main.curveLabels.size(), 2u);
  EXPECT_EQ(c.main.sets[1].y[2], 2.0 * 171);
  EXPECT_EQ(c.main.curveStyles[1].lineColour.red, 10);
  EXPECT_EQ(c.main.curveStyles[1].pattern, 2);
  EXPECT_TRUE(c.yAutomatic);
  EXPECT_FALSE(c.second.has_value());
  EXPECT_EQ(c.header, (std::vector<std::string>{"Before and after the dam", "Hydrologic Index Comparisons"}));
  EXPECT_EQ(c.yTitle, "Hydrologic Index Value");
  EXPECT_EQ(c.main.curveLabels[0], "Set 1");
}

TEST(IndexGraph, AlternativesWithOtherPercentilesCannotBeCompared) {
  IndexGraphInput in = Input(IndexGraphType::Value, 3);
  EXPECT_FALSE(CheckIndexGraphLimits(in).has_value());
  in.curves[2].table->upperPercentile = 90.0f;
  EXPECT_EQ(CheckIndexGraphLimits(in).value_or(""),
            "The limits for alternative (Set 3) do not match the baseline.\n\nComparison can not be made.");
  in.kind = IndexGraphKind::Profile;
  EXPECT_FALSE(CheckIndexGraphLimits(in).has_value());
}

TEST(IndexGraph, MissingResultsFileLeavesTheCurveWithoutPoints) {
  IndexGraphInput in = Input(IndexGraphType::Value, 2);
  in.curves[1].table.reset();
  const IndexGraph g = BuildIndexGraph(in);
  ASSERT_EQ(g.chart.main.sets.size(), 2u);
  ASSERT_EQ(g.chart.main.sets[1].y.size(), 3u);
  for (double y : g.chart.main.sets[1].y) EXPECT_EQ(y, -99.0);
}

// The graph reader's view of a results file in which `nc` was not computed ("NC,NC,NC").
HiTable ReadWithNotComputed(int nc, float scale) {
  IndexResults r;
  for (int n = 0; n < kIndexCount; ++n)
    r[n] = IndexResult{scale * (n + 1) - 1, scale * (n + 1), scale * (n + 1) + 2};
  r[nc] = IndexResult{};
  std::ostringstream out;
  WriteHiOutput(out, HiOutputHeader{"x", false, 25.0f, 75.0f}, r);
  std::istringstream in(out.str());
  HiTable t;
  EXPECT_TRUE(ReadHiGraphValues(in, t));
  return t;
}

TEST(IndexGraph, AValueThatWasNotComputedIsAHoleNotAZero) {
  IndexGraphInput in = Input(IndexGraphType::Value, 2);
  in.curves[1].table = ReadWithNotComputed(ML(2), 2.0f);
  IndexGraph g = BuildIndexGraph(in);
  EXPECT_EQ(g.chart.main.sets[1].y, (std::vector<double>{2.0, -99.0, 342.0}));
  EXPECT_EQ(g.chart.main.sets[0].y[1], 47.0);  // the other curve keeps its bar

  // Range graph: no bar and no point, and the axis is not pulled down to 0 for it.
  in.type = IndexGraphType::Range;
  in.indices = {ML(2), RA(9)};
  in.curves[0].table = ReadWithNotComputed(ML(2), 1.0f);
  g = BuildIndexGraph(in);
  for (int j = 0; j < 2; ++j) {
    EXPECT_EQ(g.lower[j][0], -99.0f);
    EXPECT_EQ(g.value[j][0], -99.0f);
    EXPECT_EQ(g.upper[j][0], -99.0f);
  }
  EXPECT_EQ(g.chart.yMin, 171.0);  // RA9 has no limits: they collapse onto its value
  EXPECT_EQ(g.chart.yMax, 343.0);

  // Normalised by a base whose value was not computed: no point in any curve.
  in.normalize = true;
  in.curves[1].table = Table(2.0f);
  g = BuildIndexGraph(in);
  EXPECT_EQ(g.value[1][0], -99.0f);
  EXPECT_EQ(g.value[1][1], 2.0f);
}

TEST(IndexGraphExport, ValueAndRangeFormatsToTheCharacter) {
  IndexGraphInput in = Input(IndexGraphType::Value, 2);
  in.indices = {MA(1), RA(9)};
  EXPECT_EQ(IndexGraphExportText(BuildIndexGraph(in)),
            "Alternative Hydrologic Index Comparisons\r\n"
            "\r\n"
            "\r\n"
            "Legend:\r\n"
            "    Y1 - Set 1\r\n"
            "    Y2 - Set 2\r\n"
            "   INDEX, ,  Y1   ,  Y2  \r\n"
            "MA1,,        1.000,        2.000\r\n"
            "RA9,,      171.000,      342.000\r\n");
  in.type = IndexGraphType::Range;
  in.normalize = true;
  in.curves.resize(1);
  EXPECT_EQ(IndexGraphExportText(BuildIndexGraph(in)),
            "Alternative Hydrologic Index Range Comparisons\r\n"
            "\r\n"
            "Lower Bound = 25th percentile     Upper Bound = 75th percentile\r\n"
            "Legend:\r\n"
            "    Y1 - Set 1\r\n"
            "   INDEX,, ,  Y1  , ,\r\n"
            " ,,Lower,Value,Upper,\r\n"
            "MA1,,        0.000,        1.000,        3.000,\r\n"
            "RA9,,        0.994,        1.000,        1.012,\r\n");
}

}  // namespace
}  // namespace zelvo
