#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "zelvo/analysis/Scorecard.h"

namespace zelvo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> OneToN(int n) {
  std::vector<double> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

YearlyQuantity Quantity(std::vector<double> values) { return YearlyQuantity{"mean", std::move(values)}; }

// Nine baseline years 9, 8, ..., 1 (unsorted on purpose): the 33rd and 67th percentiles by the
// index rule are 3.3 and 6.7, three years in each category.
TEST(Scorecard, NineBaselineYearsSplitThreeByThree) {
  std::vector<double> years = OneToN(9);
  std::reverse(years.begin(), years.end());
  const BaselineRange r = DescribeBaseline(Quantity(years), ScorecardOptions{});
  ASSERT_TRUE(r.lowerBoundary && r.upperBoundary);
  EXPECT_NEAR(*r.lowerBoundary, 3.3f, 1e-5);
  EXPECT_NEAR(*r.upperBoundary, 6.7f, 1e-5);
  EXPECT_EQ(r.counts, (std::array<int, 3>{3, 3, 3}));
  EXPECT_EQ(r.years, 9);
  EXPECT_EQ(*r.median, 5.0f);
  // 25th percentile 2.5, 75th 7.5: (7.5 - 2.5) / 5.
  EXPECT_FLOAT_EQ(*r.dispersion, 1.0f);
}

TEST(Scorecard, AlteredPeriodAllHighAndAPeriodOfOneYear) {
  const BaselineRange r = DescribeBaseline(Quantity(OneToN(9)), ScorecardOptions{});

  const QuantityScore high = ScoreQuantity(r, {12, 10, 11});
  ASSERT_TRUE(high.categorised);
  EXPECT_EQ(high.years, 3);
  const double expectedHa[] = {-1.0, -1.0, 2.0};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(high.categories[c].observed, c == kHighCategory ? 3 : 0);
    EXPECT_DOUBLE_EQ(high.categories[c].expected, 1.0);
    ASSERT_TRUE(high.categories[c].alteration);
    EXPECT_DOUBLE_EQ(*high.categories[c].alteration, expectedHa[c]);
  }
  EXPECT_EQ(*high.median, 11.0f);
  EXPECT_FLOAT_EQ(*high.deviationFactor, 1.2f);     // (11 - 5) / 5
  EXPECT_FLOAT_EQ(*high.dispersion, 2.0f / 11.0f);  // percentiles clamp to 10 and 12

  const QuantityScore one = ScoreQuantity(r, {5});
  EXPECT_EQ(one.categories[kMiddleCategory].observed, 1);
  EXPECT_NEAR(one.categories[kLowCategory].expected, 1.0 / 3.0, 1e-12);
  EXPECT_NEAR(*one.categories[kMiddleCategory].alteration, 2.0, 1e-12);
  EXPECT_NEAR(*one.categories[kHighCategory].alteration, -1.0, 1e-12);
  EXPECT_FLOAT_EQ(*one.dispersion, 0.0f);
}

TEST(Scorecard, ValuesEqualToABoundaryAreMiddle) {
  // Eleven years with the 25th and 75th percentiles: ranks 3 and 9 exactly, the boundaries are
  // the values 3 and 9 themselves.
  const BaselineRange r =
      DescribeBaseline(Quantity(OneToN(11)), ScorecardOptions{ScorecardMethod::Percentiles, 25, 75});
  EXPECT_EQ(*r.lowerBoundary, 3.0f);
  EXPECT_EQ(*r.upperBoundary, 9.0f);
  EXPECT_EQ(r.counts, (std::array<int, 3>{2, 7, 2}));
  const QuantityScore s = ScoreQuantity(r, {3.0, 9.0, 2.999, 9.001});
  EXPECT_EQ(s.categories[kLowCategory].observed, 1);
  EXPECT_EQ(s.categories[kMiddleCategory].observed, 2);
  EXPECT_EQ(s.categories[kHighCategory].observed, 1);
  EXPECT_DOUBLE_EQ(s.categories[kMiddleCategory].expected, 7.0 / 11.0 * 4.0);
  EXPECT_EQ(CategoryOf(4.0f, 4.0f, 4.0f), kMiddleCategory);
}

TEST(Scorecard, NothingExpectedGivesNoAlteration) {
  // A baseline that never varied: both boundaries 4, every year middle.
  const BaselineRange r = DescribeBaseline(Quantity({4, 4, 4, 4}), ScorecardOptions{});
  EXPECT_EQ(r.counts, (std::array<int, 3>{0, 4, 0}));
  const QuantityScore s = ScoreQuantity(r, {1, 4, 9});
  EXPECT_EQ(s.categories[kLowCategory].observed, 1);
  EXPECT_EQ(s.categories[kLowCategory].expected, 0.0);
  EXPECT_FALSE(s.categories[kLowCategory].alteration);
  EXPECT_FALSE(s.categories[kHighCategory].alteration);
  EXPECT_NEAR(*s.categories[kMiddleCategory].alteration, -2.0 / 3.0, 1e-12);
  // An altered period without a year expects nothing anywhere.
  const QuantityScore empty = ScoreQuantity(r, {});
  EXPECT_FALSE(empty.categories[kMiddleCategory].alteration);
  EXPECT_FALSE(empty.median);
  EXPECT_FALSE(empty.deviationFactor);
}

TEST(Scorecard, ParametricBoundariesAndYearsWithoutValues) {
  // Mean 5, sample standard deviation sqrt(32 / 7); NaN years are left out.
  const BaselineRange r = DescribeBaseline(Quantity({2, 4, kNaN, 4, 4, 5, 5, 7, 9}),
                                           ScorecardOptions{ScorecardMethod::Parametric});
  EXPECT_EQ(r.years, 8);
  const float sd = static_cast<float>(std::sqrt(32.0 / 7.0));
  EXPECT_FLOAT_EQ(*r.lowerBoundary, 5.0f - sd);
  EXPECT_FLOAT_EQ(*r.upperBoundary, 5.0f + sd);
  EXPECT_EQ(r.counts, (std::array<int, 3>{1, 6, 1}));
  const QuantityScore s = ScoreQuantity(r, {kNaN, 1, 8});
  EXPECT_EQ(s.years, 2);
  EXPECT_DOUBLE_EQ(s.categories[kLowCategory].expected, 0.25);
}

TEST(Scorecard, BaselineWithoutARangeAndAZeroMedian) {
  // One baseline year holds no range: nothing is categorised, the medians still show.
  const BaselineRange one = DescribeBaseline(Quantity({kNaN, 7}), ScorecardOptions{});
  EXPECT_FALSE(one.lowerBoundary);
  const QuantityScore s = ScoreQuantity(one, {7, 14});
  EXPECT_FALSE(s.categorised);
  EXPECT_FLOAT_EQ(*s.deviationFactor, 0.5f);
  // A baseline median of 0 (zero-flow days of a perennial stream): no deviation factor, no
  // dispersion, but the categories hold.
  const BaselineRange zero = DescribeBaseline(Quantity({0, 0, 0, 1, 2}), ScorecardOptions{});
  EXPECT_EQ(*zero.median, 0.0f);
  EXPECT_FALSE(zero.dispersion);
  const QuantityScore z = ScoreQuantity(zero, {3, 3});
  EXPECT_FALSE(z.deviationFactor);
  EXPECT_TRUE(z.categorised);
}

TEST(Scorecard, ANegativeQuantityKeepsAPositiveSpreadAndItsDeviation) {
  // Fall rates: the median is -5, the 25th and 75th percentiles -7.5 and -2.5.
  const BaselineRange r =
      DescribeBaseline(Quantity({-9, -8, -7, -6, -5, -4, -3, -2, -1}), ScorecardOptions{});
  EXPECT_FLOAT_EQ(*r.dispersion, 1.0f);  // 5 / |-5|
  const QuantityScore same = ScoreQuantity(r, {-5});
  EXPECT_FALSE(std::signbit(*same.deviationFactor));
  // Falls twice as steep: the deviation factor is +1, as for a median that doubled.
  EXPECT_FLOAT_EQ(*ScoreQuantity(r, {-10}).deviationFactor, 1.0f);
}

TEST(Scorecard, PercentileChoicesAreChecked) {
  EXPECT_FALSE(CheckScorecardPercentiles(25, 75));
  EXPECT_TRUE(CheckScorecardPercentiles(0, 75));
  EXPECT_TRUE(CheckScorecardPercentiles(25, 100));
  EXPECT_TRUE(CheckScorecardPercentiles(75, 25));
  EXPECT_TRUE(CheckScorecardPercentiles(50, 50));
  EXPECT_TRUE(CheckScorecardPercentiles(std::nanf(""), 50));
  EXPECT_EQ(DescribeScorecardMethod({}),
            "non-parametric: categories split at the 33rd and 67th percentiles of the baseline years");
  EXPECT_EQ(DescribeScorecardMethod({ScorecardMethod::Percentiles, 12.5f, 91}),
            "non-parametric: categories split at the 12.5th and 91st percentiles of the baseline years");
}

Scorecard TwoBlockCard() {
  ScorecardPeriod base{"Before", 1990, 1998, {{"mean", OneToN(9)}, {"zero_days", {0, 0, 0}}}};
  ScorecardPeriod dam{"After, dam", 1999, 2001, {{"mean", {10, 11, 12}}}};
  ScorecardPeriod late{"Late", 2002, 2002, {{"mean", {5}}, {"zero_days", {4}}}};
  return ComputeScorecard(base, {dam, late}, ScorecardOptions{});
}

TEST(Scorecard, QuantitiesAreMatchedByNameAndAMissingOneHasNoYears) {
  const Scorecard card = TwoBlockCard();
  ASSERT_EQ(card.ranges.size(), 2u);
  ASSERT_EQ(card.blocks.size(), 2u);
  EXPECT_EQ(card.blocks[0].scores[1].baseline.name, "zero_days");
  EXPECT_EQ(card.blocks[0].scores[1].years, 0);
  EXPECT_EQ(card.blocks[1].scores[1].years, 1);
  EXPECT_EQ(card.blocks[1].scores[1].categories[kHighCategory].observed, 1);
}

TEST(Scorecard, CsvHasOneLinePerBlockAndQuantity) {
  const std::string csv = FormatScorecardCsv(TwoBlockCard());
  const std::string header =
      "altered,first_year,last_year,quantity,baseline_years,altered_years,lower_boundary,upper_boundary,"
      "baseline_median,altered_median,deviation_factor,baseline_dispersion,altered_dispersion,"
      "low_observed,low_expected,low_ha_percent,middle_observed,middle_expected,middle_ha_percent,"
      "high_observed,high_expected,high_ha_percent\n";
  ASSERT_EQ(csv.substr(0, header.size()), header);
  std::vector<std::string> lines;
  for (std::size_t at = header.size(), end; at < csv.size(); at = end + 1) {
    end = csv.find('\n', at);
    lines.push_back(csv.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0],
            "\"After, dam\",1999,2001,mean,9,3,3.3,6.7,5,11,1.2,1,0.181818,0,1,-100,0,1,-100,3,1,200");
  // No baseline dispersion (median 0), no altered years: N/A, never a number made up.
  EXPECT_EQ(lines[1], "\"After, dam\",1999,2001,zero_days,3,0,0,0,0,N/A,N/A,N/A,N/A,0,0,N/A,0,0,N/A,0,0,N/A");
  EXPECT_EQ(lines[3].substr(0, 30), "Late,2002,2002,zero_days,3,1,0");
}

TEST(Scorecard, ReportStatesMethodBoundariesAndKeepsItsColumns) {
  const std::string text =
      FormatScorecardReport("Alteration Scorecard - Dam", "Study", false, TwoBlockCard());
  EXPECT_EQ(text.substr(0, text.find("Method")),
            "Alteration Scorecard - Dam\n\nHydrologic Analysis Comparison for Study\n"
            "Baseline:  Before (water years 1990 to 1998)\n");
  EXPECT_NE(text.find("Method:  non-parametric: categories split at the 33rd and 67th percentiles"),
            std::string::npos);
  EXPECT_NE(
      text.find("  mean                     9       3.30       6.70       5.00   1.00     3    3    3\n"),
      std::string::npos);
  EXPECT_NE(text.find("Period 2:  After, dam (water years 1999 to 2001)\n"), std::string::npos);
  EXPECT_NE(text.find("Period 3:  Late (water years 2002 to 2002)\n"), std::string::npos);
  const std::string row =
      "  mean                     3       5.00      11.00    1.20   0.18    0   1.00  -100.0    0   1.00  "
      "-100.0"
      "    3   1.00   200.0\n";
  EXPECT_NE(text.find(row), std::string::npos) << text;
  // Every score line of a block is as wide as the one above, N/A or not.
  const std::size_t na = text.find("  zero_days                0");
  ASSERT_NE(na, std::string::npos);
  EXPECT_EQ(text.find('\n', na) - na, row.size() - 1);
  const std::string alternatives =
      FormatScorecardReport("Alteration Scorecard", "Study", true, TwoBlockCard());
  EXPECT_NE(alternatives.find("Alternative 1:  After, dam"), std::string::npos);
}

}  // namespace
}  // namespace zelvo
