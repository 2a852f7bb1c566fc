// Frequency and duration indices on small records whose answers are worked out by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "common/engine/EngineContext.h"
#include "common/engine/FrequencyDuration.h"
#include "common/engine/HiOutputFile.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;
using testing::ContextAfterMagnitude;

EngineOptions Options(bool median = false, bool peaks = false, bool classifier = false) {
  EngineOptions o;
  o.medianOption = median;
  o.usePeaks = peaks;
  o.classifierMode = classifier;
  return o;
}

std::unique_ptr<EngineContext> RunGroup(const FlowRecord& record, const EngineOptions& options = Options()) {
  auto ctx = ContextAfterMagnitude(record, options);
  ComputeFrequencyDurationIndices(*ctx);
  return ctx;
}

void SetSlots(FlowRecord& r, int year, int first, int last, float flow) {
  for (int s = first; s <= last; ++s) r.flows[year][s] = flow;
}

// ---- the event rule --------------------------------------------------------------------------

TEST(FrequencyDurationEvents, MissingDayInsideAPulseNeitherEndsNorExtendsIt) {
  FlowRecord r = ConstantRecord(1, 10.0f);
  // 3 October low, 4 October missing, 5 October low: one low pulse of two days.
  r.flows[0][2] = 1.0f;
  r.flows[0][3] = kMissing;
  r.flows[0][4] = 1.0f;
  // A gap then a day at the threshold then a low day: the normal day ends the pulse.
  r.flows[0][200] = 1.0f;
  r.flows[0][201] = kMissing;
  r.flows[0][203] = 1.0f;
  // A flood with a missing day inside it.
  r.flows[0][100] = 50.0f;
  r.flows[0][101] = -1.0f;  // cleaned to missing
  r.flows[0][102] = 50.0f;
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FL(1)].value, 3.0f);          // threshold 10: pulses {2,4}, {200}, {203}
  EXPECT_FLOAT_EQ(x[DL(16)].value, 4.0f / 3.0f);  // 4 low days in 3 pulses
  EXPECT_FLOAT_EQ(x[FH(3)].value, 2.0f);          // days above 3 x MA2 = 30
  EXPECT_FLOAT_EQ(x[FH(6)].value, 1.0f);          // one flood across the gap
  EXPECT_FLOAT_EQ(x[DH(18)].value, 2.0f);         // of two days
}

TEST(FrequencyDurationEvents, EventAcrossTheEndOfSeptemberCountsInBothWaterYears) {
  FlowRecord r = ConstantRecord(2, 10.0f);
  SetSlots(r, 0, 360, 365, 50.0f);  // 25 to 30 September
  SetSlots(r, 1, 0, 9, 50.0f);      // 1 to 10 October
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FH(5)].value, 1.0f);  // one event above MA2 in each year
  EXPECT_FLOAT_EQ(x[FH(6)].value, 1.0f);
  EXPECT_FLOAT_EQ(x[FH(3)].value, 8.0f);  // 6 and 10 days
  EXPECT_FLOAT_EQ(x[DH(17)].value, 8.0f);
  EXPECT_FLOAT_EQ(x[DH(17)].lower, 6.0f);
  EXPECT_FLOAT_EQ(x[DH(17)].upper, 10.0f);
}

TEST(FrequencyDurationEvents, FloodDaysAreCountedApartFromFloodEvents) {
  FlowRecord r = ConstantRecord(1, 10.0f);
  SetSlots(r, 0, 50, 61, 50.0f);  // one flood of 12 days above 3 x MA2, below 7 x MA2
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FH(3)].value, 12.0f);
  EXPECT_FLOAT_EQ(x[FH(6)].value, 1.0f);
  EXPECT_FLOAT_EQ(x[FH(4)].value, 0.0f);
  EXPECT_FLOAT_EQ(x[FH(7)].value, 0.0f);
  EXPECT_FLOAT_EQ(x[DH(18)].value, 12.0f);
  EXPECT_FLOAT_EQ(x[DH(19)].value, 0.0f);  // no year qualifies: value and limits 0
  EXPECT_FLOAT_EQ(x[DH(19)].lower, 0.0f);
  EXPECT_FLOAT_EQ(x[DH(19)].upper, 0.0f);
}

TEST(FrequencyDurationEvents, YearWithoutPulseCountsZeroButAddsNoDuration) {
  FlowRecord r = ConstantRecord(2, 10.0f);
  SetSlots(r, 0, 20, 22, 1.0f);   // year 1: one low pulse of 3 days
  SetSlots(r, 0, 40, 45, 40.0f);  // year 1: one high pulse of 6 days; year 2 has neither
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FL(1)].value, 0.5f);
  EXPECT_FLOAT_EQ(x[FH(1)].value, 0.5f);
  EXPECT_FLOAT_EQ(x[DL(16)].value, 3.0f);  // year 2 stays out (with it the median would be 1.5)
  EXPECT_FLOAT_EQ(x[DH(15)].value, 6.0f);
  EXPECT_FLOAT_EQ(x[DH(15)].lower, 6.0f);
}

// ---- thresholds on the shared list of positive flows ----------------------------------------

TEST(FrequencyDurationEvents, PulsesScannedSideBySideMatchOneScanEach) {
  // Three years of flows with gaps, zeros of both signs, runs of equal flows and flows equal to
  // the thresholds; every lane count from 1 to the most, low and high pulses mixed, against
  // the single scans.
  FlowRecord r = ConstantRecord(3, 5.0f);
  unsigned seed = 12345u;
  for (int y = 0; y < 3; ++y)
    for (int s = 0; s < kDaySlots; ++s) {
      seed = seed * 1103515245u + 12345u;
      const unsigned pick = (seed >> 16) % 16;
      r.flows[y][s] = pick == 0   ? kMissing
                      : pick == 1 ? 0.0f
                      : pick == 2 ? -0.0f
                                  : static_cast<float>(pick % 8);
    }
  auto ctx = ContextAfterMagnitude(r, Options());
  const float thresholds[kPulseLanes] = {3.0f, 0.0f,  5.0f, 1.5f, 7.0f,     0.0f,  -1.0f, 6.0f,
                                         2.0f, 99.0f, 4.0f, 1.0f, kMissing, 0.25f, 3.0f,  8.0f};
  bool above[kPulseLanes];
  for (int k = 0; k < kPulseLanes; ++k) above[k] = k % 3 != 1;
  for (int lanes = 1; lanes <= kPulseLanes; ++lanes) {
    std::vector<PulseSeries> got(lanes);
    std::vector<PulseSeries*> out;
    for (PulseSeries& s : got) out.push_back(&s);
    ScanPulseLanes(*ctx, thresholds, above, lanes, out.data());
    for (int k = 0; k < lanes; ++k) {
      const PulseSeries one = above[k] ? PulsesAbove(*ctx, thresholds[k]) : PulsesBelow(*ctx, thresholds[k]);
      EXPECT_EQ(got[k].events, one.events) << lanes << " lanes, lane " << k;
      EXPECT_EQ(got[k].days, one.days) << lanes << " lanes, lane " << k;
      EXPECT_EQ(got[k].meanDuration, one.meanDuration) << lanes << " lanes, lane " << k;
    }
  }
}

TEST(FrequencyDurationThresholds, AllZeroRecordFindsNoPulsesAndDividesByNoMedian) {
  auto ctx = RunGroup(ConstantRecord(3, 0.0f));
  const IndexResults& x = ctx->results;
  EXPECT_EQ(ctx->flowCount, 0);
  for (int i : {FL(1), FH(1), FH(8), FH(9), DH(20)}) EXPECT_FLOAT_EQ(x[i].value, 0.0f) << IndexName(i);
  for (int i = DL(11); i <= DL(15); ++i) EXPECT_EQ(x[i].value, kMissing) << IndexName(i);
  for (int i = DH(11); i <= DH(14); ++i) EXPECT_EQ(x[i].value, kMissing) << IndexName(i);
  EXPECT_EQ(x[FL(2)].value, kMissing);   // divisor: no pulses at all
  EXPECT_EQ(x[DL(17)].value, kMissing);  // no year with a low pulse
  EXPECT_FLOAT_EQ(x[DL(16)].value, 0.0f);
  EXPECT_FLOAT_EQ(x[DL(16)].lower, 0.0f);
  EXPECT_FLOAT_EQ(x[DL(18)].value, 366.0f);
  EXPECT_FLOAT_EQ(x[DL(20)].value, 100.0f);
  EXPECT_EQ(FormatHiRow(DL(11), x), "DL11,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(DL(20), x), "DL20,NC,  100.000,NC");
}

TEST(FrequencyDurationThresholds, ZeroFlowsTakeNoPartInPercentileThresholds) {
  FlowRecord r = ConstantRecord(1, 0.0f);
  SetSlots(r, 0, 183, 282, 10.0f);  // October to March dry, then 100 days at 10, 83 at 20
  SetSlots(r, 0, 283, 365, 20.0f);
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  // Among the positive days the 25th percentile is 10: every dry day lies in one low pulse.
  EXPECT_FLOAT_EQ(x[FL(1)].value, 1.0f);
  EXPECT_FLOAT_EQ(x[DL(16)].value, 183.0f);
  // The 75th percentile is 20: nothing lies above it (with the zeros it would have been 10).
  EXPECT_FLOAT_EQ(x[FH(1)].value, 0.0f);
  EXPECT_FLOAT_EQ(x[FL(3)].value, 1.0f);  // below 0.05 x MA1
  EXPECT_FLOAT_EQ(x[DL(18)].value, 183.0f);
  EXPECT_FLOAT_EQ(x[DL(20)].value, 50.0f);  // October to March sum to 0
}

TEST(FrequencyDurationThresholds, Fl3ThresholdIsAShareOfTheRecordMean) {
  FlowRecord r = ConstantRecord(1, 10.0f);
  SetSlots(r, 0, 300, 365, 200.0f);  // MA1 = 44.2, MA2 = 10
  r.flows[0][5] = 1.0f;              // below 0.05 x MA1 = 2.2, not below 0.05 x MA2
  r.flows[0][50] = 1.0f;
  auto ctx = RunGroup(r);
  EXPECT_FLOAT_EQ(ctx->results[FL(3)].value, 2.0f);
  EXPECT_FLOAT_EQ(ctx->results[FL(3)].upper, 2.0f);
}

TEST(FrequencyDurationThresholds, ExceedanceValuesReadTheListDescendingAndItEndsAscending) {
  // Flows 1, 2, 3, 4, 1, 2, ... : 92 ones, 92 twos, 91 threes, 91 fours.
  FlowRecord r = ConstantRecord(1, 0.0f);
  for (int s = 0; s < kDaySlots; ++s) r.flows[0][s] = static_cast<float>(1 + s % 4);
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FH(1)].value, 91.0f);   // above 3.25: every 4 on its own
  EXPECT_FLOAT_EQ(x[FH(8)].value, 91.0f);   // exceeded by a quarter of the days: 3.25 too
  EXPECT_FLOAT_EQ(x[FH(9)].value, 92.0f);   // exceeded by three quarters: 1; the last 2 counts too
  EXPECT_FLOAT_EQ(x[FH(5)].value, 91.0f);   // above MA2 = 2
  EXPECT_FLOAT_EQ(x[FH(10)].value, 92.0f);  // above the annual minimum 1
  EXPECT_FLOAT_EQ(x[DH(20)].value, 1.0f);
  EXPECT_FLOAT_EQ(x[DH(21)].value, 274.0f / 92.0f);
  EXPECT_FLOAT_EQ(x[DL(14)].value, 0.5f);  // exceedance value 0.75 = 1, over MA2 = 2
  EXPECT_EQ(ctx->flowCount, 366);
  EXPECT_TRUE(std::is_sorted(ctx->flowList.begin(), ctx->flowList.begin() + ctx->flowCount));
}

// ---- moving windows and monthly means -------------------------------------------------------

TEST(FrequencyDurationWindows, WindowsStayInsideTheirWaterYearAndSkipEmptyOnes) {
  FlowRecord r = ConstantRecord(3, 10.0f);
  SetSlots(r, 0, 363, 365, 1.0f);   // the last window of year 1 (starts at 363)
  SetSlots(r, 1, 0, 1, 1.0f);       // the first two days of year 2
  SetSlots(r, 2, 0, 99, kMissing);  // year 3: 100 missing days, then a day at 2
  r.flows[2][100] = 2.0f;
  auto ctx = RunGroup(r);
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[DL(1)].value, 4.0f / 3.0f);  // minima 1, 1, 2
  EXPECT_FLOAT_EQ(x[DL(2)].value, (1.0f + 4.0f + 2.0f) / 3.0f);
  EXPECT_NEAR(x[DL(3)].value, (43.0 / 7 + 52.0 / 7 + 2.0) / 3, 1e-5);
  EXPECT_FLOAT_EQ(x[DL(5)].lower, 2.0f);  // year 3's window over slot 100 alone
  EXPECT_FLOAT_EQ(x[DH(2)].value, 10.0f);
  EXPECT_FLOAT_EQ(x[DH(5)].value, 10.0f);
}

TEST(FrequencyDurationMonthlyMeans, Dh14TakesTheDescendingExceedanceValueOfTheMonthlyMeans) {
  // Monthly means 1 to 100, each once; the 8 months left over have no valid day.
  FlowRecord r = ConstantRecord(9, 0.0f);
  const int starts[13] = {0, 31, 61, 92, 123, 152, 183, 213, 244, 274, 305, 336, 366};
  for (int i = 0; i < 108; ++i)
    SetSlots(r, i / 12, starts[i % 12], starts[i % 12 + 1] - 1,
             i < 100 ? static_cast<float>(i + 1) : kMissing);
  auto ctx = RunGroup(r);
  EXPECT_NEAR(ctx->results[DH(14)].value, 5.05 / 50.5, 1e-6);
  // A month in which every day is missing counts as a month without flow.
  EXPECT_FLOAT_EQ(ctx->results[DL(20)].value, 100.0f * 8.0f / 108.0f);
  EXPECT_EQ(FormatHiRow(DH(14), ctx->results), "DH14,NC,    0.100,NC");
}

// ---- forms of result, median option and classifier mode -------------------------------------

// Base flow 10; year 1 one low pulse at 1, year 2 two at 2, year 3 six at 6 (11 days).
FlowRecord LowPulseRecord() {
  FlowRecord r = ConstantRecord(3, 10.0f);
  r.flows[0][10] = 1.0f;
  SetSlots(r, 1, 10, 11, 2.0f);
  r.flows[1][50] = 2.0f;
  SetSlots(r, 2, 10, 14, 6.0f);
  for (int s : {100, 150, 151, 200, 250, 300}) r.flows[2][s] = 6.0f;
  return r;
}

double CoefficientOfVariation(std::vector<double> v) {
  double mean = 0.0;
  for (double d : v) mean += d / v.size();
  double squares = 0.0;
  for (double d : v) squares += (d - mean) * (d - mean);
  return 100.0 * std::sqrt(squares / (v.size() - 1)) / mean;
}

TEST(FrequencyDurationForms, MeanRunGivesYVRAndSForms) {
  auto ctx = RunGroup(LowPulseRecord());
  const IndexResults& x = ctx->results;
  // Y: low pulses per year {1, 2, 6}.
  EXPECT_FLOAT_EQ(x[FL(1)].value, 3.0f);
  EXPECT_FLOAT_EQ(x[FL(1)].lower, 1.0f);
  EXPECT_FLOAT_EQ(x[FL(1)].upper, 6.0f);
  // V: 100 x sd / mean, no limits.
  EXPECT_NEAR(x[FL(2)].value, 100.0 * std::sqrt(7.0) / 3.0, 1e-4);
  EXPECT_EQ(x[FL(2)].lower, kMissing);
  EXPECT_EQ(x[FL(2)].upper, kMissing);
  // YM: durations {1, 1.5, 11/6} give their median.
  EXPECT_FLOAT_EQ(x[DL(16)].value, 1.5f);
  EXPECT_FLOAT_EQ(x[DL(16)].lower, 1.0f);
  EXPECT_FLOAT_EQ(x[DL(16)].upper, 11.0f / 6.0f);
  EXPECT_NEAR(x[DL(17)].value, CoefficientOfVariation({1.0, 1.5, 11.0 / 6.0}), 1e-3);
  // Y and V on the annual minima {1, 2, 6}; R divides them by MA2 = 10.
  EXPECT_FLOAT_EQ(x[DL(1)].value, 3.0f);
  EXPECT_NEAR(x[DL(6)].value, 100.0 * std::sqrt(7.0) / 3.0, 1e-4);
  EXPECT_FLOAT_EQ(x[DL(11)].value, 0.3f);
  EXPECT_FLOAT_EQ(x[DL(11)].lower, 0.1f);
  EXPECT_FLOAT_EQ(x[DL(11)].upper, 0.6f);
  // S: a whole-record value without limits.
  EXPECT_FLOAT_EQ(x[DL(14)].value, 1.0f);
  EXPECT_EQ(x[DL(14)].upper, kMissing);
  // No year has a high pulse: DH15 is 0 with limits 0 and its variability is NC.
  EXPECT_FLOAT_EQ(x[DH(15)].value, 0.0f);
  EXPECT_FLOAT_EQ(x[DH(15)].upper, 0.0f);
  EXPECT_EQ(x[DH(16)].value, kMissing);
  // Without peaks the peak-based rows are NC.
  for (int i : {FH(11), DH(22), DH(23), DH(24)}) EXPECT_EQ(x[i].value, kMissing) << IndexName(i);
  EXPECT_EQ(FormatHiRow(FH(11), x), "FH11,NC,NC,NC");
}

TEST(FrequencyDurationForms, MedianOptionMovesOnlyYValuesAndTheirVDivisor) {
  auto ctx = RunGroup(LowPulseRecord(), Options(true));
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FL(1)].value, 2.0f);
  EXPECT_FLOAT_EQ(x[FL(1)].lower, 1.0f);  // limits do not follow the option
  EXPECT_FLOAT_EQ(x[FL(1)].upper, 6.0f);
  EXPECT_NEAR(x[FL(2)].value, 100.0 * std::sqrt(7.0) / 2.0, 1e-4);  // divided by the median
  EXPECT_FLOAT_EQ(x[DL(1)].value, 2.0f);
  EXPECT_NEAR(x[DL(6)].value, 100.0 * std::sqrt(7.0) / 3.0, 1e-4);  // still the mean
  EXPECT_FLOAT_EQ(x[DL(11)].value, 0.3f);                           // R: always the mean
  EXPECT_FLOAT_EQ(x[DL(16)].value, 1.5f);
}

TEST(FrequencyDurationForms, ClassifierModeTakesMeansAndFormsNoLimits) {
  auto ctx = RunGroup(LowPulseRecord(), Options(true, true, true));
  const IndexResults& x = ctx->results;
  EXPECT_FLOAT_EQ(x[FL(1)].value, 3.0f);
  EXPECT_NEAR(x[FL(2)].value, 100.0 * std::sqrt(7.0) / 3.0, 1e-4);
  EXPECT_FLOAT_EQ(x[DL(1)].value, 3.0f);
  EXPECT_FLOAT_EQ(x[DL(11)].value, 0.3f);
  for (int i : {FL(1), DL(1), DL(4), DL(11), DL(16), DH(1), DH(2), DH(20)}) {
    EXPECT_EQ(x[i].lower, kMissing) << IndexName(i);
    EXPECT_EQ(x[i].upper, kMissing) << IndexName(i);
  }
  EXPECT_FLOAT_EQ(x[DH(1)].value, 10.0f);
  // 30-day minima: one day at 1, two days at 2, five days at 6 among days at 10.
  EXPECT_NEAR(x[DL(4)].value, (291.0 / 30 + 284.0 / 30 + 280.0 / 30) / 3, 1e-5);
  EXPECT_EQ(x[FH(11)].value, kMissing);
}

// ---- the 1.67-year flood threshold and the peak-based rows ----------------------------------

// Peaks 10 .. 10^4 with day flows 1, 10, 10, 100: log pairs (1,0) (2,1) (3,1) (4,2), line
// y = 0.6x - 0.5; x* = 3 so T167 = 10^1.3. The fifth pair has a dry day and stays out of the fit.
FlowRecord FloodRecord(float dayAtThreshold) {
  FlowRecord r = ConstantRecord(4, 10.0f);
  SetSlots(r, 0, 100, 104, 30.0f);  // year 1: three floods of 5, 2 and 1 days
  SetSlots(r, 0, 200, 201, 25.0f);
  r.flows[0][300] = 50.0f;
  r.flows[2][50] = dayAtThreshold;  // year 3: a day at the threshold and a one-day flood
  r.flows[2][300] = 50.0f;
  SetSlots(r, 3, 0, 365, 30.0f);  // year 4: above the threshold all year
  const float peaks[5] = {10.0f, 100.0f, 1000.0f, 10000.0f, 500.0f};
  const float days[5] = {1.0f, 10.0f, 10.0f, 100.0f, 0.0f};
  r.peakCount = 5;
  for (int k = 0; k < 5; ++k) {
    r.peaks[k] = peaks[k];
    r.peakDayFlows[k] = days[k];
  }
  return r;
}

TEST(FrequencyDurationPeaks, FittedLineGivesTheFloodThreshold) {
  auto ctx = ContextAfterMagnitude(FloodRecord(10.0f), Options(false, true));
  ASSERT_TRUE(ctx->haveLine);
  EXPECT_NEAR(ctx->lineSlope, 0.6, 1e-6);
  EXPECT_NEAR(ctx->lineIntercept, -0.5, 1e-6);
  EXPECT_NEAR(ctx->log167, 1.3, 1e-6);
  EXPECT_NEAR(ctx->threshold167, std::pow(10.0, 1.3), 1e-4);
  EXPECT_NEAR(ctx->results.threshold5, std::pow(10.0, 1.9), 1e-3);
}

TEST(FrequencyDurationPeaks, PeakRowsCountFloodsAndRunsBelowTheThreshold) {
  const float t167 = ContextAfterMagnitude(FloodRecord(10.0f), Options(false, true))->threshold167;
  auto ctx = RunGroup(FloodRecord(t167), Options(false, true));
  const IndexResults& x = ctx->results;
  // Floods per year {3, 0, 1, 1}; a day at the threshold is no flood.
  EXPECT_FLOAT_EQ(x[FH(11)].value, 1.25f);
  EXPECT_FLOAT_EQ(x[FH(11)].lower, 0.25f);
  EXPECT_FLOAT_EQ(x[FH(11)].upper, 2.5f);
  EXPECT_EQ(FormatHiRow(FH(11), x), "FH11,    0.250,    1.250,    2.500, ,1.67 year threshold =    19.953");
  // Median runs below: year 1 {100, 95, 98, 65} -> 96.5, year 2 one run of 366, year 3 {50, 249, 65}
  // (the day at the threshold ends a run) -> 65, year 4 no run -> 0.
  EXPECT_FLOAT_EQ(x[DH(22)].value, 131.875f);
  EXPECT_FLOAT_EQ(x[DH(22)].lower, 16.25f);
  EXPECT_FLOAT_EQ(x[DH(22)].upper, 298.625f);
  // Days above, only the years with any: {8, 1, 366}.
  EXPECT_FLOAT_EQ(x[DH(23)].value, 125.0f);
  EXPECT_FLOAT_EQ(x[DH(23)].lower, 1.0f);
  EXPECT_FLOAT_EQ(x[DH(23)].upper, 366.0f);
  // Longest runs below {100, 366, 249, 0}.
  EXPECT_FLOAT_EQ(x[DH(24)].value, 178.75f);
  EXPECT_FLOAT_EQ(x[DH(24)].lower, 25.0f);
  EXPECT_FLOAT_EQ(x[DH(24)].upper, 336.75f);

  auto withMedian = RunGroup(FloodRecord(t167), Options(true, true));
  EXPECT_FLOAT_EQ(withMedian->results[FH(11)].value, 1.0f);
  EXPECT_FLOAT_EQ(withMedian->results[DH(22)].value, 80.75f);
  EXPECT_FLOAT_EQ(withMedian->results[DH(23)].value, 8.0f);
  EXPECT_FLOAT_EQ(withMedian->results[DH(24)].value, 174.5f);
}

TEST(FrequencyDurationPeaks, NoUsableLineLeavesThePeakRowsNotComputed) {
  FlowRecord r = FloodRecord(10.0f);
  r.peakDayFlows[1] = 0.0f;  // only pairs 1, 3 and 4 remain ...
  r.peakDayFlows[2] = -5.0f;
  r.peakDayFlows[3] = 0.0f;  // ... and then only the first
  auto ctx = RunGroup(r, Options(false, true));
  EXPECT_FALSE(ctx->haveLine);
  for (int i : {FH(11), DH(22), DH(23), DH(24)}) EXPECT_EQ(ctx->results[i].value, kMissing) << IndexName(i);
  EXPECT_EQ(FormatHiRow(FH(11), ctx->results), "FH11,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(DH(23), ctx->results), "DH23,NC,NC,NC");
  EXPECT_FLOAT_EQ(ctx->results[FH(5)].value, RunGroup(FloodRecord(10.0f))->results[FH(5)].value);
}

// ---- progress ------------------------------------------------------------------------------

struct ProgressLog : EngineProgress {
  std::vector<int> positions;
  void SetPosition(int p) override { positions.push_back(p); }
};

TEST(FrequencyDurationProgress, PositionsRiseFrom57To85) {
  ProgressLog log;
  for (bool peaks : {false, true}) {
    log.positions.clear();
    auto ctx = ContextAfterMagnitude(FloodRecord(10.0f), Options(false, peaks));
    ctx->progress = &log;
    ComputeFrequencyDurationIndices(*ctx);
    ASSERT_FALSE(log.positions.empty());
    EXPECT_EQ(log.positions.front(), 57);
    EXPECT_EQ(log.positions.back(), 85);
    EXPECT_TRUE(std::is_sorted(log.positions.begin(), log.positions.end()));
    for (int p : {60, 62, 64, 74, 76})
      EXPECT_NE(std::find(log.positions.begin(), log.positions.end(), p), log.positions.end()) << p;
  }
}

}  // namespace
}  // namespace zelvo
