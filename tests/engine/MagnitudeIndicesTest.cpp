// Magnitude indices on records whose answers are worked out by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/MagnitudeTestSupport.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;
using testing::RecordOf;
using testing::RunThroughMagnitude;
using testing::ZelvoOptions;

void ExpectResult(const IndexResult& r, float lower, float value, float upper, float tol = 1e-4f) {
  EXPECT_NEAR(r.lower, lower, tol);
  EXPECT_NEAR(r.value, value, tol);
  EXPECT_NEAR(r.upper, upper, tol);
}

bool IsNc(const IndexResult& r) { return r.value == kMissing; }

TEST(MagnitudeConstantRecord, EveryDayFiveGivesTheTextbookValues) {
  const auto ctx = RunThroughMagnitude(ConstantRecord(3, 5.0f), ZelvoOptions());
  const IndexResults& r = ctx->results;
  ExpectResult(r[MA(3)], 0, 0, 0);
  EXPECT_FLOAT_EQ(r[MA(4)].value, 0.0f);
  EXPECT_FLOAT_EQ(r[MA(5)].value, 1.0f);
  for (int i = 6; i <= 8; ++i) EXPECT_FLOAT_EQ(r[MA(i)].value, 1.0f) << "MA" << i;
  for (int i = 9; i <= 11; ++i) EXPECT_FLOAT_EQ(r[MA(i)].value, 0.0f) << "MA" << i;
  for (int k = 0; k < 12; ++k) {
    ExpectResult(r[MA(12 + k)], 5, 5, 5);
    ExpectResult(r[MA(24 + k)], 0, 0, 0);
    ExpectResult(r[ML(1 + k)], 5, 5, 5);
    ExpectResult(r[MH(1 + k)], 5, 5, 5);
  }
  for (int i = 36; i <= 40; ++i) EXPECT_FLOAT_EQ(r[MA(i)].value, 0.0f) << "MA" << i;
  ExpectResult(r[MA(41)], 5, 5, 5);
  for (int i = 42; i <= 45; ++i) EXPECT_FLOAT_EQ(r[MA(i)].value, 0.0f) << "MA" << i;
  EXPECT_FLOAT_EQ(r[ML(13)].value, 0.0f);
  for (int i : {14, 15, 16, 17}) ExpectResult(r[ML(i)], 1, 1, 1);
  EXPECT_FLOAT_EQ(r[ML(18)].value, 0.0f);
  ExpectResult(r[ML(19)], 100, 100, 100);
  EXPECT_FLOAT_EQ(r[ML(20)].value, 1.0f);
  EXPECT_FLOAT_EQ(r[ML(21)].value, 0.0f);
  ExpectResult(r[ML(22)], 5, 5, 5);
  EXPECT_FLOAT_EQ(r[MH(13)].value, 0.0f);
  ExpectResult(r[MH(14)], 1, 1, 1);
  for (int i : {15, 16, 17}) EXPECT_FLOAT_EQ(r[MH(i)].value, 1.0f) << "MH" << i;
  EXPECT_FLOAT_EQ(r[MH(18)].value, 0.0f);
  EXPECT_TRUE(IsNc(r[MH(19)]));  // no spread in the log maxima
  ExpectResult(r[MH(20)], 5, 5, 5);
  for (int i : {21, 22, 23}) EXPECT_TRUE(IsNc(r[MH(i)])) << "MH" << i;
  for (int i : {24, 25, 26, 27}) ExpectResult(r[MH(i)], 0, 0, 0);
}

TEST(MagnitudeConstantRecord, AllZeroFlowsMakeEveryRatioToMeanOrMedianNotComputed) {
  const auto ctx = RunThroughMagnitude(ConstantRecord(2, 0.0f), ZelvoOptions());
  const IndexResults& r = ctx->results;
  for (int i : {3, 4, 5, 6, 9, 36, 39, 40, 42, 45}) EXPECT_TRUE(IsNc(r[MA(i)])) << "MA" << i;
  for (int i : {13, 18, 20, 21}) EXPECT_TRUE(IsNc(r[ML(i)])) << "ML" << i;
  for (int i = 15; i <= 27; ++i) {
    if (i != 18 && i != 19 && i != 20) {
      EXPECT_TRUE(IsNc(r[MH(i)])) << "MH" << i;
    }
  }
  // Annual maxima of 0 count as log10(0.01) = -2: a mean of -2 without spread.
  EXPECT_FLOAT_EQ(r[MH(18)].value, 0.0f);
  ExpectResult(r[MA(12)], 0, 0, 0);
  ExpectResult(r[ML(14)], 0, 0, 0);  // ratios to a median of 0 fall back to 0
}

// One year, flow = slot + 1 (1 .. 366).
FlowRecord Ramp() {
  return RecordOf(1, [](int, int s) { return static_cast<float>(s + 1); });
}

TEST(MagnitudeLinearRamp, DurationSpreadFromInterpolatedPercentiles) {
  const auto ctx = RunThroughMagnitude(Ramp(), ZelvoOptions());
  const IndexResults& r = ctx->results;
  // The 19 percentiles are 18.35 k (k = 1..19): CV = 100 x sqrt(19 x 20 / 12) / 10.
  EXPECT_NEAR(r[MA(4)].value, 56.2731f, 2e-3f);
  EXPECT_NEAR(r[MA(5)].value, 1.0f, 1e-6f);
  // Descending: Q0.10 = 330.3, Q0.90 = 36.7.
  EXPECT_NEAR(r[MA(6)].value, 9.0f, 1e-3f);
  // Ascending: (330.3 - 36.7) / 183.5.
  EXPECT_NEAR(r[MA(9)].value, 1.6f, 1e-4f);
  // (275.25 - 91.75) / 183.5.
  EXPECT_NEAR(r[MA(11)].value, 1.0f, 1e-4f);
}

TEST(MagnitudeLinearRamp, MonthlyMeansMinimaMaximaAndSevenDayRatios) {
  const auto ctx = RunThroughMagnitude(Ramp(), ZelvoOptions());
  const IndexResults& r = ctx->results;
  // January = slots 92..122, flows 93..123.
  ExpectResult(r[MA(12)], 108, 108, 108);
  EXPECT_NEAR(r[MA(24)].value, 100.0f * std::sqrt(31.0f * 32.0f / 12.0f) / 108.0f, 1e-3f);
  ExpectResult(r[ML(1)], 93, 93, 93);
  ExpectResult(r[MH(1)], 123, 123, 123);
  // October is the first table month, September the last: MA21 and MA20.
  EXPECT_NEAR(r[MA(21)].value, 16.0f, 1e-5f);
  EXPECT_NEAR(r[MA(20)].value, 351.5f, 1e-4f);
  // Smallest 7-day mean is the mean of 1..7 = 4; annual mean 183.5.
  EXPECT_NEAR(r[ML(17)].value, 4.0f / 183.5f, 1e-6f);
  EXPECT_NEAR(r[ML(19)].value, 100.0f / 183.5f, 1e-4f);
  EXPECT_NEAR(r[ML(14)].value, 1.0f / 183.5f, 1e-6f);
  EXPECT_NEAR(r[MH(14)].value, 366.0f / 183.5f, 1e-5f);
  // Positive flows descending: Q0.01 at rank 3.67 = 363.33.
  EXPECT_NEAR(r[MH(15)].value, 363.33f / 183.5f, 1e-4f);
  // Blocks of 5 with minima 5i + 1: block 0 and blocks 10..71 are turning points, blocks
  // 0..9 take block 10's 51 and block 72 takes block 71's 356; one tail day at 356.
  EXPECT_NEAR(r[ML(20)].value, 67771.0f / 67161.0f, 1e-5f);
}

TEST(MagnitudeSevenDay, LastWindowEndsOnTheFinalSlot) {
  // Only the last slot is low: the 360th window (slots 359..365) sees it.
  const auto ctx = RunThroughMagnitude(RecordOf(1, [](int, int s) { return s == 365 ? 0.0f : 10.0f; }));
  EXPECT_NEAR(ctx->results[ML(17)].value, (60.0f / 7.0f) / (3650.0f / 366.0f), 1e-5f);
}

TEST(MagnitudeSevenDay, WindowsWithoutValidDaysTakeNoPartInTheMinimum) {
  const auto ctx =
      RunThroughMagnitude(RecordOf(1, [](int, int s) { return s >= 100 && s < 130 ? kMissing : 4.0f; }));
  ExpectResult(ctx->results[ML(17)], 1, 1, 1);
}

TEST(MagnitudeShortYears, TwoYearsOfDifferentLevel) {
  // Year 1 all 2.0, year 2 all 4.0.
  const auto ctx = RunThroughMagnitude(RecordOf(2, [](int y, int) { return y == 0 ? 2.0f : 4.0f; }));
  const IndexResults& r = ctx->results;
  EXPECT_FLOAT_EQ(ctx->recordMean, 3.0f);
  ExpectResult(r[MA(3)], 0, 0, 0);
  // N = 2: ranks 0.75 and 2.25 clamp to the smaller and the larger year.
  ExpectResult(r[MA(12)], 2, 3, 4);
  ExpectResult(r[MA(41)], 2, 3, 4);
  EXPECT_NEAR(r[MA(36)].value, 2.0f / 3.0f, 1e-6f);
  EXPECT_NEAR(r[MA(39)].value, 100.0f * std::sqrt(24.0f / 23.0f) / 3.0f, 1e-3f);
  EXPECT_NEAR(r[MA(42)].value, 2.0f / 3.0f, 1e-6f);
  EXPECT_NEAR(r[MA(43)].value, 2.0f / 3.0f, 1e-6f);
  EXPECT_FLOAT_EQ(r[MA(45)].value, 0.0f);
  EXPECT_NEAR(r[ML(21)].value, 100.0f * std::sqrt(2.0f) / 3.0f, 1e-3f);
  const double l1 = std::log10(2.0), l2 = std::log10(4.0);
  EXPECT_NEAR(r[MH(18)].value, 100.0 * std::abs(l2 - l1) / std::sqrt(2.0) / ((l1 + l2) / 2), 1e-3);
  EXPECT_TRUE(IsNc(r[MH(19)]));  // the skew needs three years
}

TEST(MagnitudeShortYears, SkewOfLogMaximaWithAZeroYear) {
  // Annual maxima 0, 10, 100: L = -2, 1, 2 (a maximum of 0 counts as log10(0.01)).
  const auto ctx =
      RunThroughMagnitude(RecordOf(3, [](int y, int) { return y == 0 ? 0.0f : (y == 1 ? 10.0f : 100.0f); }));
  const float sd = std::sqrt(13.0f / 3.0f);
  EXPECT_NEAR(ctx->results[MH(18)].value, 100.0f * sd / (1.0f / 3.0f), 2e-2f);
  // n^2 S3 - 3 n S1 S2 + 2 S1^3 = 9 - 81 + 2 = -70 over s^3 x 3 x 2 x 1.
  EXPECT_NEAR(ctx->results[MH(19)].value, -70.0f / (6.0f * sd * sd * sd), 1e-4f);
}

TEST(MagnitudeMissingData, MonthWithoutValidDaysKeepsItsSeeds) {
  // Two years of 5.0; January of the first year entirely missing.
  const auto ctx = RunThroughMagnitude(
      RecordOf(2, [](int y, int s) { return y == 0 && s >= 92 && s < 123 ? kMissing : 5.0f; }));
  const IndexResults& r = ctx->results;
  ExpectResult(r[ML(1)], 5, 5000002.5f, 1.0e7f, 0.5f);
  ExpectResult(r[MH(1)], -1.0e7f, -4999997.5f, 5, 0.5f);
  ExpectResult(r[MA(12)], 0, 2.5f, 5);  // the empty month counts 0 in the monthly mean
  ExpectResult(r[MA(24)], 0, 0, 0);
  // The empty month stays out of the pool of monthly means: 23 entries of 5.
  EXPECT_FLOAT_EQ(r[MA(36)].value, 0.0f);
  EXPECT_FLOAT_EQ(r[MA(39)].value, 0.0f);
  // The seed 1.0e7 enters the pool of monthly minima: one entry 1.0e7 among 23 fives.
  EXPECT_NEAR(r[ML(13)].value, 100.0f * std::sqrt(24.0f) * (1.0e7f - 5.0f) / (1.0e7f + 115.0f), 1e-2f);
  // The annual minima come from the other months.
  EXPECT_FLOAT_EQ(ctx->annualMin[0], 5.0f);
  EXPECT_EQ(ctx->zeroSumMonthYears, 1);
}

TEST(MagnitudeMissingData, EmptyYearSingleDayMonthAndSingleYearNeverGiveNaN) {
  // Year 2 has no valid day; year 1 has a single valid day in March; negative flows are missing.
  const auto record = RecordOf(3, [](int y, int s) {
    if (y == 1) return -1.0f;
    if (y == 0 && s >= 152 && s < 183) return s == 160 ? 7.0f : kMissing;
    return static_cast<float>(s % 11);
  });
  const auto ctx = RunThroughMagnitude(record, ZelvoOptions());
  // Nor does a record without a single valid day.
  const auto empty = RunThroughMagnitude(RecordOf(2, [](int, int) { return kMissing; }), ZelvoOptions());
  for (const EngineContext* run : {ctx.get(), empty.get()})
    for (int i = MA(3); i <= MH(27); ++i) {
      const IndexResult& r = run->results[i];
      EXPECT_FALSE(std::isnan(r.value) || std::isnan(r.lower) || std::isnan(r.upper)) << IndexName(i);
    }
  EXPECT_TRUE(IsNc(empty->results[MA(5)]));
  EXPECT_TRUE(IsNc(empty->results[ML(20)]));
  EXPECT_TRUE(IsNc(empty->results[MH(18)]));
  // The empty year is left out of the log maxima; the other two have a maximum of 10.
  EXPECT_FLOAT_EQ(ctx->results[MH(18)].value, 0.0f);
  // One year alone: its spread has no sample standard deviation.
  const auto single = RunThroughMagnitude(RecordOf(1, [](int, int s) { return 1.0f + s % 3; }));
  for (int i : {ML(18), ML(21), MH(18)}) EXPECT_TRUE(IsNc(single->results[i])) << IndexName(i);
}

TEST(MagnitudeZeroDays, PercentilesOfHighFlowsUseOnlyPositiveDays) {
  // Half the year 0, half 10: record mean and median 5.
  const auto ctx = RunThroughMagnitude(RecordOf(1, [](int, int s) { return s < 183 ? 0.0f : 10.0f; }));
  const IndexResults& r = ctx->results;
  EXPECT_FLOAT_EQ(ctx->recordMedian, 5.0f);
  EXPECT_FLOAT_EQ(r[MA(5)].value, 1.0f);
  for (int i : {15, 16, 17}) EXPECT_FLOAT_EQ(r[MH(i)].value, 2.0f) << "MH" << i;
  // MH27's threshold is the 75th percentile of the positive days (10): no day above it.
  ExpectResult(r[MH(27)], 0, 0, 0);
  // Above the median: one event of 183 days, 5 above the threshold each.
  ExpectResult(r[MH(21)], 183, 183, 183);
  ExpectResult(r[MH(24)], 2, 2, 2);
  EXPECT_TRUE(IsNc(r[MH(22)]));
  EXPECT_FLOAT_EQ(r[ML(20)].value, 1.0f);  // over the positive days only
}

TEST(MagnitudeZeroDays, SharedFlowListLeftHoldingPositiveDaysAscending) {
  const auto record =
      RecordOf(2, [](int y, int s) { return s % 4 == 0 ? 0.0f : static_cast<float>((s * 7 + y) % 50); });
  const auto ctx = RunThroughMagnitude(record);
  std::vector<float> expected;
  for (int y = 0; y < 2; ++y)
    for (float f : record.flows[y])
      if (f > 0.0f) expected.push_back(f);
  std::sort(expected.begin(), expected.end());
  ASSERT_EQ(ctx->flowCount, static_cast<int>(expected.size()));
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), ctx->flowList.begin()));
}

// Two years of 10.0; `storm` sets the flows of the storm days.
FlowRecord StormRecord(const std::function<float(int, int)>& storm) {
  return RecordOf(2, [storm](int y, int s) {
    const float f = storm(y, s);
    return f >= 0.0f || f == kMissing ? f : 10.0f;
  });
}

TEST(MagnitudeEvents, OneStormAboveEachThreshold) {
  const auto ctx = RunThroughMagnitude(StormRecord([](int y, int s) {
    if (y != 1) return -1.0f;
    return s == 100 ? 50.0f : s == 101 ? 90.0f : s == 102 ? 40.0f : -1.0f;
  }));
  const IndexResults& r = ctx->results;
  ASSERT_FLOAT_EQ(ctx->recordMedian, 10.0f);
  ExpectResult(r[MH(21)], 15, 15, 15);  // (40 + 80 + 30) / 1 event / 10
  ExpectResult(r[MH(22)], 9, 9, 9);     // above 30: 20 + 60 + 10
  ExpectResult(r[MH(23)], 2, 2, 2);     // above 70: 20
  for (int i : {24, 25, 26, 27}) ExpectResult(r[MH(i)], 9, 9, 9);
}

TEST(MagnitudeEvents, StormAcrossTheNewWaterYearCountsInBothYears) {
  const auto ctx = RunThroughMagnitude(
      StormRecord([](int y, int s) { return (y == 0 && s >= 364) || (y == 1 && s <= 1) ? 50.0f : -1.0f; }));
  // Two events, one per year, each 2 days x 40 above the median: volume 80 per event.
  ExpectResult(ctx->results[MH(21)], 8, 8, 8);
  ExpectResult(ctx->results[MH(24)], 5, 5, 5);
}

TEST(MagnitudeEvents, MissingDayNeitherEndsNorExtendsAnEvent) {
  const auto ctx = RunThroughMagnitude(StormRecord([](int y, int s) {
    if (y != 1) return -1.0f;
    return s == 100 ? 50.0f : s == 101 ? kMissing : s == 102 ? 40.0f : -1.0f;
  }));
  ExpectResult(ctx->results[MH(21)], 7, 7, 7);  // one event: 40 + 30
  ExpectResult(ctx->results[MH(24)], 5, 5, 5);  // its peak 50
}

TEST(MagnitudeEvents, VolumeLimitsComeFromSeparatePercentilesOfVolumesAndCounts) {
  // Year 1: one event of 1 day at 20 (volume 10). Year 2: two 1-day events at 30 (volume 40).
  // Year 3: no event. Median 10.
  const auto ctx = RunThroughMagnitude(RecordOf(3, [](int y, int s) {
    if (y == 0 && s == 50) return 20.0f;
    if (y == 1 && (s == 50 || s == 60)) return 30.0f;
    return 10.0f;
  }));
  // Value: mean volume 25 / mean count 1.5 / 10. Limits with m = 2: ranks 0.75 and 2.25 clamp
  // to the smallest and the largest: (10 / 1) / 10 and (40 / 2) / 10.
  ExpectResult(ctx->results[MH(21)], 1, 25.0f / 1.5f / 10.0f, 2);
}

}  // namespace
}  // namespace zelvo
