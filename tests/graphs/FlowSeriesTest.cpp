#include <gtest/gtest.h>

#include <set>

#include "graphs/GraphTestRecords.h"
#include "zelvo/graphs/ChartDescription.h"
#include "zelvo/graphs/FlowGraph.h"

namespace zelvo {
namespace {

using testing::Curve;
using testing::MakeRecord;

FlowGraphSettings Annual(int series) {
  FlowGraphSettings s;
  s.basis = FlowBasis::Annual;
  s.annualSeries = series;
  return s;
}

FlowGraphSettings Monthly(int series, int month) {
  FlowGraphSettings s;
  s.basis = FlowBasis::Monthly;
  s.monthlySeries = series;
  s.month = month;
  return s;
}

TEST(FlowSeries, TwoDataSetsShareOneAxisWithGapsWhereACurveHasNoYears) {
  auto a = MakeRecord(1950, 1959, [](int, int) { return 10.0f; });
  auto b = MakeRecord(1955, 1970, [](int, int) { return 20.0f; });
  const std::vector<FlowCurveInput> curves = {Curve("A", *a), Curve("B", *b)};
  const FlowLayout l = MakeFlowLayout(Annual(kAnnualDaily), curves);
  EXPECT_EQ(l.y0, 1950);
  EXPECT_EQ(l.y1, 1970);
  EXPECT_EQ(l.span, 21);
  EXPECT_EQ(l.pointCount, 21 * 365);
  EXPECT_EQ(l.axisLength, 21.0 * 365);

  const std::vector<float> first = ComputeFlowSeries(l, curves[0]);
  const std::vector<float> second = ComputeFlowSeries(l, curves[1]);
  ASSERT_EQ(first.size(), 21u * 365);
  ASSERT_EQ(second.size(), 21u * 365);
  EXPECT_EQ(first[0], 10.0f);
  EXPECT_EQ(first[3649], 10.0f);
  EXPECT_EQ(first[3650], -99.0f);
  EXPECT_EQ(first.back(), -99.0f);
  EXPECT_EQ(second[1824], -99.0f);
  EXPECT_EQ(second[1825], 20.0f);
  EXPECT_EQ(second.back(), 20.0f);
  // Day d of water year y sits at X = 365 y + d + 1.
  EXPECT_EQ(l.X(0), 1.0);
  EXPECT_EQ(l.X(365 * 3 + 10), 365.0 * 3 + 11);
}

TEST(FlowSeries, LeapDayNeverAppearsAndTheHydrographHas365Points) {
  // Slot 151 carries a flow that must never be drawn; every other slot carries its own number.
  auto r = MakeRecord(
      1990, 1992, [](int, int slot) { return slot == kLeapDaySlot ? 5000.0f : static_cast<float>(slot); },
      true);
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowLayout daily = MakeFlowLayout(Annual(kAnnualDaily), curves);
  const std::vector<float> values = ComputeFlowSeries(daily, curves[0]);
  ASSERT_EQ(values.size(), 3u * 365);
  for (float v : values) EXPECT_NE(v, 5000.0f);
  EXPECT_EQ(values[150], 150.0f);  // 28 February
  EXPECT_EQ(values[151], 152.0f);  // 1 March follows at once
  EXPECT_EQ(values[364], 365.0f);  // 30 September

  const FlowLayout hydro = MakeFlowLayout(Annual(kAnnualMedianHydrograph), curves);
  const std::vector<float> median = ComputeFlowSeries(hydro, curves[0]);
  ASSERT_EQ(median.size(), 365u);
  EXPECT_EQ(hydro.pointCount, 365);
  EXPECT_EQ(hydro.axisLength, 365.0);
  EXPECT_EQ(median[151], 152.0f);
  EXPECT_EQ(hydro.X(364), 365.0);
}

TEST(FlowSeries, HydrographIsTheMedianOverYearsOfEachDay) {
  // Three years with 1, 7 and 4 on every day (missing in a fourth): median 4; one day has only two
  // values (1 and 7), median 4 as their mean.
  auto r = MakeRecord(2000, 2003, [](int year, int slot) {
    if (year == 2003) return kMissing;
    if (year == 2002 && slot == 10) return -5.0f;  // negative flows count as missing
    return year == 2000 ? 1.0f : year == 2001 ? 7.0f : 4.0f;
  });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowLayout hydro = MakeFlowLayout(Annual(kAnnualMedianHydrograph), curves);
  const std::vector<float> median = ComputeFlowSeries(hydro, curves[0]);
  ASSERT_EQ(median.size(), 365u);
  EXPECT_EQ(median[0], 4.0f);
  EXPECT_EQ(median[10], 4.0f);
}

TEST(FlowSeries, MonthlyAndAnnualStatisticsSkipMissingDays) {
  // October: days 1..31 carry 1..31 except day 5 missing; November all missing.
  auto r = MakeRecord(1991, 1991, [](int, int slot) {
    if (slot < 31) return slot == 4 ? kMissing : static_cast<float>(slot + 1);
    if (slot < 61) return kMissing;
    return 100.0f;
  });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  auto series = [&](FlowGraphSettings s) { return ComputeFlowSeries(MakeFlowLayout(s, curves), curves[0]); };

  const std::vector<float> ave = series(Annual(kAnnualMonthlyAve));
  ASSERT_EQ(ave.size(), 12u);
  EXPECT_FLOAT_EQ(ave[0], (496.0f - 5.0f) / 30.0f);
  EXPECT_EQ(ave[1], -99.0f);
  EXPECT_EQ(ave[2], 100.0f);
  EXPECT_EQ(series(Annual(kAnnualMonthlyMax))[0], 31.0f);
  EXPECT_EQ(series(Annual(kAnnualMonthlyMin))[0], 1.0f);
  EXPECT_EQ(series(Annual(kAnnualMonthlyMin))[1], -99.0f);
  EXPECT_EQ(series(Annual(kAnnualMonthlyMedian))[0], 16.5f);  // 30 values: (16 + 17) / 2
  EXPECT_EQ(series(Annual(kAnnualAnnualMax)), std::vector<float>{100.0f});
  EXPECT_EQ(series(Annual(kAnnualAnnualMin)), std::vector<float>{1.0f});
  EXPECT_EQ(series(Annual(kAnnualAnnualMedian)), std::vector<float>{100.0f});

  // The monthly basis takes the chosen month only.
  EXPECT_EQ(series(Monthly(kMonthlyMonthlyMax, 0)), std::vector<float>{31.0f});
  const std::vector<float> octoberDays = series(Monthly(kMonthlyDaily, 0));
  ASSERT_EQ(octoberDays.size(), 31u);
  EXPECT_EQ(octoberDays[4], -99.0f);
  EXPECT_EQ(octoberDays[30], 31.0f);
}

TEST(FlowSeries, XPositionsOfMonthlyAndAnnualValuesAreTheFirstDaysOfTheirPeriods) {
  auto r = MakeRecord(1980, 1981, [](int, int) { return 1.0f; });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowLayout monthly = MakeFlowLayout(Annual(kAnnualMonthlyAve), curves);
  EXPECT_EQ(monthly.pointCount, 24);
  EXPECT_EQ(monthly.X(0), 1.0);
  EXPECT_EQ(monthly.X(5), 152.0);  // March
  EXPECT_EQ(monthly.X(12 + 11), 365.0 + 336.0);
  const FlowLayout annual = MakeFlowLayout(Annual(kAnnualAnnualAve), curves);
  EXPECT_EQ(annual.X(1), 366.0);
  // Monthly basis: February has 28 positions a year; monthly values one a year on a 365-day year.
  const FlowLayout february = MakeFlowLayout(Monthly(kMonthlyDaily, 4), curves);
  EXPECT_EQ(february.pointsPerYear, 28);
  EXPECT_EQ(february.axisLength, 56.0);
  EXPECT_EQ(february.X(28 + 3), 32.0);
  const FlowLayout februaryMean = MakeFlowLayout(Monthly(kMonthlyMonthlyAve, 4), curves);
  EXPECT_EQ(februaryMean.X(1), 366.0);
  EXPECT_EQ(februaryMean.axisLength, 730.0);
}

TEST(FlowSeries, UnreadableDataFileGivesAnEmptyCurve) {
  auto r = MakeRecord(1980, 1981, [](int, int) { return 1.0f; });
  FlowCurveInput broken{"B", nullptr, 1979, 1982};
  const std::vector<FlowCurveInput> curves = {Curve("A", *r), broken};
  const FlowLayout l = MakeFlowLayout(Annual(kAnnualDaily), curves);
  EXPECT_EQ(l.span, 4);  // the entry's years still count for the axis
  for (float v : ComputeFlowSeries(l, broken)) ASSERT_EQ(v, -99.0f);
}

TEST(FlowTitles, HeaderLinesOfEverySeries) {
  EXPECT_EQ(FlowGraphTitle(Annual(kAnnualDaily)), "Daily Flow");
  EXPECT_EQ(FlowGraphTitle(Annual(kAnnualMonthlyMedian)), "Monthly Median Flow");
  EXPECT_EQ(FlowGraphTitle(Annual(kAnnualMedianHydrograph)), "Median Annual Hydrograph");
  FlowGraphSettings s = Annual(kAnnualMedianHydrograph);
  s.exceedence = true;
  EXPECT_EQ(FlowGraphTitle(s), "Median Annual Hydrograph Exceedence");
  s = Annual(kAnnualDaily);
  s.exceedence = true;
  EXPECT_EQ(FlowGraphTitle(s), "Daily Flow Exceedence");
  s = Monthly(kMonthlyMonthlyAve, 0);
  EXPECT_EQ(FlowGraphTitle(s), "Monthly Average Flow For October");
  s.exceedence = true;
  EXPECT_EQ(FlowGraphTitle(s), "Monthly Average Flow Exceedence For October");
  EXPECT_EQ(FlowGraphTitle(Monthly(kMonthlyDaily, 11)), "Daily Flow For September");

  FlowLayout one;
  one.y0 = 1991;
  one.span = 1;
  EXPECT_EQ(FlowGraphSubtitle(one), "Water Year 1991");
  one.span = 2;
  EXPECT_EQ(FlowGraphSubtitle(one), "                  ");
}

std::vector<std::string> Texts(const FlowXAxis& axis) {
  std::vector<std::string> t;
  for (const ChartLabel& l : axis.labels) t.push_back(l.text);
  return t;
}

TEST(FlowAxis, OneWaterYearIsLabelledByMonths) {
  auto r = MakeRecord(1987, 1987, [](int, int) { return 1.0f; });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowXAxis axis = MakeFlowXAxis(MakeFlowLayout(Annual(kAnnualDaily), curves), false);
  EXPECT_EQ(axis.title, "Month in Water Year");
  EXPECT_TRUE(axis.valueLabels);
  EXPECT_EQ(Texts(axis), (std::vector<std::string>{"1987", "Nov", "Dec", "Jan ", "Feb", "Mar", "Apr", "May",
                                                   "Jun", "Jul", "Aug", "Sep", "Oct"}));
  std::vector<double> xs;
  for (const ChartLabel& l : axis.labels) xs.push_back(l.x);
  EXPECT_EQ(xs, (std::vector<double>{1, 31, 61, 92, 123, 151, 182, 212, 243, 273, 304, 335, 365}));

  const FlowXAxis hydro = MakeFlowXAxis(MakeFlowLayout(Annual(kAnnualMedianHydrograph), curves), false);
  ASSERT_FALSE(hydro.labels.empty());
  EXPECT_EQ(hydro.labels.front().text, "Oct");
}

TEST(FlowAxis, YearLabelsFollowTheSpan) {
  auto axisOf = [](int first, int last, FlowGraphSettings s = Annual(kAnnualDaily)) {
    auto r = MakeRecord(first, last, [](int, int) { return 1.0f; });
    const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
    return MakeFlowXAxis(MakeFlowLayout(s, curves), false);
  };
  const FlowXAxis two = axisOf(1987, 1988);
  EXPECT_EQ(two.title, "Month in Water Year");
  ASSERT_EQ(two.labels.size(), 24u);
  EXPECT_EQ(two.labels[0].text, "'87");
  EXPECT_EQ(two.labels[0].x, 1.0);
  EXPECT_EQ(two.labels[1].text, "N");
  EXPECT_EQ(two.labels[12].text, "'88");
  EXPECT_EQ(two.labels[12].x, 366.0);
  EXPECT_EQ(two.labels[23].text, "S");

  const FlowXAxis six = axisOf(1990, 1995);
  EXPECT_EQ(six.title, "Water Year");
  EXPECT_EQ(Texts(six), (std::vector<std::string>{"1990", "1991", "1992", "1993", "1994", "1995", "1996"}));
  ASSERT_FALSE(six.labels.empty());
  EXPECT_EQ(six.labels.back().x, 6.0 * 365);

  const FlowXAxis twelve = axisOf(1990, 2001);
  ASSERT_EQ(twelve.labels.size(), 13u);
  EXPECT_EQ(twelve.labels[10].text, "'00");

  const FlowXAxis thirty = axisOf(1950, 1979);
  ASSERT_EQ(thirty.labels.size(), 15u);
  EXPECT_EQ(thirty.labels[1].x, 731.0);
  EXPECT_EQ(thirty.labels[1].text, "'52");

  const FlowXAxis sixty = axisOf(1900, 1959);
  ASSERT_EQ(sixty.labels.size(), 12u);
  EXPECT_EQ(sixty.labels[1].x, 1826.0);
  EXPECT_EQ(sixty.labels[1].text, "'05");

  // 99 years still read unambiguously with two digits; beyond, the labels name the century.
  const FlowXAxis ninetyNine = axisOf(1901, 1999);
  EXPECT_EQ(ninetyNine.labels.back().text, "'96");
  const FlowXAxis long116 = axisOf(1904, 2019);
  const std::vector<std::string> texts = Texts(long116);
  ASSERT_EQ(texts.size(), 24u);
  EXPECT_EQ(texts[0], "1904");
  EXPECT_EQ(texts[1], "1909");
  EXPECT_EQ(texts[20], "2004");
  EXPECT_EQ(texts[23], "2019");
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size());
  const FlowXAxis monthly116 = axisOf(1904, 2019, Monthly(kMonthlyMonthlyAve, 0));
  EXPECT_EQ(monthly116.labels.at(20).text, "2004");

  const FlowXAxis days = axisOf(1990, 1990, Monthly(kMonthlyDaily, 4));
  EXPECT_EQ(days.title, "Days of Month");
  ASSERT_EQ(days.labels.size(), 28u);
  EXPECT_EQ(days.labels[27].text, "28");
  const FlowXAxis februaries = axisOf(1990, 1994, Monthly(kMonthlyDaily, 4));
  EXPECT_EQ(februaries.title, "Water Year");
  ASSERT_GE(februaries.labels.size(), 2u);
  EXPECT_EQ(februaries.labels[1].x, 29.0);

  auto r = MakeRecord(1990, 1994, [](int, int) { return 1.0f; });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowXAxis percent = MakeFlowXAxis(MakeFlowLayout(Annual(kAnnualDaily), curves), true);
  EXPECT_EQ(percent.title, "Percent Of Time Equaled Or Exceeded");
  EXPECT_FALSE(percent.valueLabels);
}

TEST(FlowAxis, ExportDatesOfDaysMonthsAndTheHydrograph) {
  auto r = MakeRecord(1991, 1992, [](int, int) { return 1.0f; });
  const std::vector<FlowCurveInput> curves = {Curve("A", *r)};
  const FlowLayout daily = MakeFlowLayout(Annual(kAnnualDaily), curves);
  EXPECT_EQ(FlowDateText(daily, 0), "10/01/1990");
  EXPECT_EQ(FlowDateText(daily, 91), "12/31/1990");
  EXPECT_EQ(FlowDateText(daily, 92), "01/01/1991");
  EXPECT_EQ(FlowDateText(daily, 150), "02/28/1991");
  EXPECT_EQ(FlowDateText(daily, 151), "03/01/1991");
  // 30 September closes water year 1991 in calendar 1991, not 1990.
  EXPECT_EQ(FlowDateText(daily, 364), "09/30/1991");
  EXPECT_EQ(FlowDateText(daily, 365), "10/01/1991");
  const FlowLayout monthly = MakeFlowLayout(Annual(kAnnualMonthlyMax), curves);
  EXPECT_EQ(FlowDateText(monthly, 3), "01/01/1991");
  EXPECT_EQ(FlowDateText(monthly, 12 + 11), "09/01/1992");
  const FlowLayout hydro = MakeFlowLayout(Annual(kAnnualMedianHydrograph), curves);
  EXPECT_EQ(FlowDateText(hydro, 0), "Oct 1");
  EXPECT_EQ(FlowDateText(hydro, 250), "June 8");
  EXPECT_EQ(FlowDateText(hydro, 364), "Sept 30");
  EXPECT_EQ(FlowDateText(MakeFlowLayout(Monthly(kMonthlyMonthlyMin, 1), curves), 1), "11/1991");
  EXPECT_EQ(FlowDateText(MakeFlowLayout(Monthly(kMonthlyDaily, 5), curves), 31 + 4), "03/05/1992");
  EXPECT_EQ(FlowDateText(MakeFlowLayout(Annual(kAnnualAnnualAve), curves), 1), "1992");
}

}  // namespace
}  // namespace zelvo
