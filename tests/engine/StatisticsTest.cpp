#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/engine/Statistics.h"

namespace zelvo {
namespace {

TEST(ComputeSummaryStats, OddCountGivesMiddleValueAndLeavesArraySorted) {
  std::vector<float> v{3, 1, 2};
  const SummaryStats s = ComputeSummaryStats(3, v.data());
  EXPECT_EQ(s.mean, 2.0f);
  EXPECT_EQ(s.median, 2.0f);
  EXPECT_EQ(s.stdDev, 1.0f);
  EXPECT_EQ(v, (std::vector<float>{1, 2, 3}));
}

TEST(ComputeSummaryStats, EvenCountAveragesTheTwoMiddleValues) {
  std::vector<float> v{4, 1, 3, 2};
  EXPECT_EQ(ComputeSummaryStats(4, v.data()).median, 2.5f);
}

TEST(ComputeSummaryStats, MedianAloneIsTheSameValueAndLeavesTheSameOrder) {
  const float nan = std::nanf("");
  const std::vector<std::vector<float>> lists = {{},
                                                 {4.0f},
                                                 {3.0f, 1.0f},
                                                 {5.0f, -0.0f, 0.0f, 2.5f, 1e-3f},
                                                 {nan, 2.0f, 1.0f, nan},
                                                 {0.1f, 0.2f, 0.3f, 0.7f}};
  for (const std::vector<float>& list : lists) {
    std::vector<float> a = list, b = list;
    const int n = static_cast<int>(list.size());
    const float median = ComputeMedian(n, a.data());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(median),
              std::bit_cast<std::uint32_t>(ComputeSummaryStats(n, b.data()).median));
    for (int i = 0; i < n; ++i)
      EXPECT_EQ(std::bit_cast<std::uint32_t>(a[i]), std::bit_cast<std::uint32_t>(b[i]));
  }
}

TEST(ComputeSummaryStats, EmptyListGivesZeros) {
  const SummaryStats s = ComputeSummaryStats(0, nullptr);
  EXPECT_EQ(s.mean, 0.0f);
  EXPECT_EQ(s.median, 0.0f);
  EXPECT_EQ(s.stdDev, 0.0f);
}

TEST(ComputeSummaryStats, DeviationsAreTakenFromTheDoubleMean) {
  // The mean 0.1 + 0.2 + 0.3 ... is not representable; the deviations use the double mean.
  std::vector<float> v{0.1f, 0.2f, 0.4f};
  const double mean = (double(0.1f) + double(0.2f) + double(0.4f)) / 3.0;
  const double squares =
      (0.1f - mean) * (0.1f - mean) + (0.2f - mean) * (0.2f - mean) + (0.4f - mean) * (0.4f - mean);
  const SummaryStats s = ComputeSummaryStats(3, v.data());
  EXPECT_EQ(s.mean, static_cast<float>(mean));
  EXPECT_EQ(s.stdDev, static_cast<float>(std::sqrt(squares / 2)));
}

TEST(ComputeSummaryStats, SingleValueHasNoStandardDeviationButDoesNotTrap) {
  std::vector<float> v{7};
  const SummaryStats s = ComputeSummaryStats(1, v.data());
  EXPECT_EQ(s.mean, 7.0f);
  EXPECT_EQ(s.median, 7.0f);
  EXPECT_TRUE(std::isnan(s.stdDev));
}

TEST(SortValues, NaNSortsLastInBothDirectionsWithoutUndefinedBehaviour) {
  std::vector<float> v{2, std::nanf(""), 1, 3, std::nanf(""), 0};
  SortValues(1, v.data(), 6);
  EXPECT_EQ(v[0], 0);
  EXPECT_EQ(v[3], 3);
  EXPECT_TRUE(std::isnan(v[4]) && std::isnan(v[5]));
  SortValues(0, v.data(), 6);
  EXPECT_EQ(v[0], 3);
  EXPECT_EQ(v[3], 0);
  EXPECT_TRUE(std::isnan(v[5]));
}

TEST(PercentileValue, WeibullRankWithInterpolationAndClamping) {
  const std::vector<float> three{1, 2, 3};
  const std::vector<float> four{1, 2, 3, 4};
  EXPECT_EQ(PercentileValue(0.25f, 3, three.data()), 1.0f);  // r = 1.0, k = 1
  EXPECT_EQ(PercentileValue(0.75f, 3, three.data()), 3.0f);  // r = 3.0, k = count
  EXPECT_EQ(PercentileValue(0.5f, 4, four.data()), 2.5f);    // r = 2.5
  EXPECT_EQ(PercentileValue(0.1f, 4, four.data()), 1.0f);    // r = 0.5, k = 0
  EXPECT_EQ(PercentileValue(0.5f, 0, nullptr), 0.0f);
}

TEST(PercentileValue, DescendingListGivesTheExceededValue) {
  const std::vector<float> desc{40, 30, 20, 10};
  // r = 5 * 0.25 = 1.25: 40 + (30 - 40) * 0.25
  EXPECT_EQ(PercentileValue(0.25f, 4, desc.data()), 37.5f);
}

TEST(PercentileValue, LimitsOneAndNinetyNineOnFiveYearsAreTheExtremes) {
  const std::vector<float> v{1, 2, 3, 4, 5};
  EXPECT_EQ(PercentileValue(0.01f, 5, v.data()), 1.0f);  // r = 0.06
  EXPECT_EQ(PercentileValue(0.99f, 5, v.data()), 5.0f);  // r = 5.94
}

TEST(PercentileValue, FractionIsRoundedToFloatBeforeInterpolating) {
  // r = 11 * 0.3 = 3.3000000000000003 in double; the fraction is taken in float32.
  std::vector<float> v(10);
  for (int i = 0; i < 10; ++i) v[i] = static_cast<float>(i * 1000 + 1);
  const double r = 11.0 * static_cast<double>(0.3f);
  const float frac = static_cast<float>(r) - 3.0f;
  EXPECT_EQ(PercentileValue(0.3f, 10, v.data()), v[2] + (v[3] - v[2]) * frac);
}

}  // namespace
}  // namespace zelvo
