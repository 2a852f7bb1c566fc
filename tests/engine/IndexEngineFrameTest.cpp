#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/engine/EngineContext.h"
#include "common/engine/IndexEngine.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;

class RecordingProgress : public EngineProgress {
 public:
  void SetPosition(int p) override { positions.push_back(p); }
  std::vector<int> positions;
};

TEST(IndexEngineFrame, RecordMeanMedianAndTheirLimits) {
  // One year whose valid days are 1, 2, ..., 10; everything else missing.
  FlowRecord r = ConstantRecord(1, kMissing);
  for (int s = 0; s < 10; ++s) r.flows[0][s] = static_cast<float>(s + 1);
  const IndexResults res = RunIndexEngine(r, EngineOptions{});
  EXPECT_EQ(res[MA(1)].value, 5.5f);
  EXPECT_EQ(res[MA(2)].value, 5.5f);
  EXPECT_EQ(res[MA(1)].lower, 2.75f);  // r = 11 * 0.25 = 2.75
  EXPECT_EQ(res[MA(1)].upper, 8.25f);
  EXPECT_EQ(res[MA(2)].lower, 2.75f);
  EXPECT_EQ(res[MA(2)].upper, 8.25f);
}

TEST(IndexEngineFrame, NegativeAndNotANumberFlowsAreMissingDays) {
  FlowRecord r = ConstantRecord(1, kMissing);
  r.flows[0][0] = 4.0f;
  r.flows[0][1] = -1.0f;
  r.flows[0][2] = std::nanf("");
  r.flows[0][3] = 0.0f;  // zero stays a valid day
  const IndexResults res = RunIndexEngine(r, EngineOptions{});
  EXPECT_EQ(res[MA(1)].value, 2.0f);
}

TEST(IndexEngineFrame, LimitsFollowTheChosenPercentiles) {
  FlowRecord r = ConstantRecord(1, kMissing);
  for (int s = 0; s < 5; ++s) r.flows[0][s] = static_cast<float>(s + 1);
  EngineOptions o;
  o.lowerPercentile = 1.0f;
  o.upperPercentile = 99.0f;
  const IndexResults res = RunIndexEngine(r, o);
  EXPECT_EQ(res[MA(1)].lower, 1.0f);
  EXPECT_EQ(res[MA(1)].upper, 5.0f);
}

TEST(IndexEngineFrame, ClassifierModeComputesNoLimitsAndReportsProgress) {
  EngineOptions o;
  o.classifierMode = true;
  RecordingProgress progress;
  const IndexResults res = RunIndexEngine(ConstantRecord(2, 5.0f), o, &progress);
  EXPECT_EQ(res[MA(1)].value, 5.0f);
  EXPECT_EQ(res[MA(1)].lower, kMissing);
  EXPECT_EQ(res[MA(1)].upper, kMissing);
  ASSERT_FALSE(progress.positions.empty());
  EXPECT_EQ(progress.positions.front(), 1);
  EXPECT_EQ(progress.positions.back(), 100);
  for (std::size_t i = 1; i < progress.positions.size(); ++i)
    EXPECT_LE(progress.positions[i - 1], progress.positions[i]);
}

TEST(IndexEngineFrame, EmptyRecordGivesZerosWithoutTrapping) {
  const IndexResults res = RunIndexEngine(ConstantRecord(2, kMissing), EngineOptions{});
  EXPECT_EQ(res[MA(1)].value, 0.0f);
  EXPECT_EQ(res[MA(2)].value, 0.0f);
}

TEST(IndexEngineFrame, MonthlyTablesKeepSeedsAndCountZeroMonths) {
  FlowRecord r = ConstantRecord(1, 3.0f);
  for (int s = 92; s < 123; ++s) r.flows[0][s] = kMissing;  // January missing
  for (int s = 123; s < 152; ++s) r.flows[0][s] = 0.0f;     // February all zero
  EngineContext ctx(r, EngineOptions{}, nullptr);
  BuildMonthlyTables(ctx);
  EXPECT_EQ(ctx.monthMin[3][0], 1.0e7f);
  EXPECT_EQ(ctx.monthMax[3][0], -1.0e7f);
  EXPECT_TRUE(std::isnan(ctx.monthMeanTable[3][0]));
  EXPECT_EQ(ctx.monthMeanTable[4][0], 0.0f);
  EXPECT_EQ(ctx.monthMeanTable[0][0], 3.0f);
  EXPECT_EQ(ctx.zeroSumMonthYears, 2);
  EXPECT_EQ(ctx.annualMin[0], 0.0f);
  EXPECT_EQ(ctx.annualMax[0], 3.0f);
}

TEST(IndexEngineFrame, PeakLineThroughPairsOnAKnownLine) {
  // Day flows exactly a tenth of the peaks: log y = log x - 1, so a = 1, b = -1.
  FlowRecord r = ConstantRecord(1, 1.0f);
  const float peaks[5] = {100, 1000, 10000, 100000, 1000000};
  r.peakCount = 5;
  for (int k = 0; k < 5; ++k) {
    r.peaks[k] = peaks[k];
    r.peakDayFlows[k] = peaks[k] / 10.0f;
  }
  EngineOptions o;
  o.usePeaks = true;
  EngineContext ctx(r, o, nullptr);
  FitPeakLine(ctx);
  ASSERT_TRUE(ctx.haveLine);
  EXPECT_NEAR(ctx.lineSlope, 1.0f, 1e-6);
  EXPECT_NEAR(ctx.lineIntercept, -1.0f, 1e-6);
  // x* = percentile 0.6 of x = 2..6: r = 3.6 -> 4.6; L167 = 3.6.
  EXPECT_NEAR(ctx.log167, 3.6f, 1e-5);
  EXPECT_NEAR(ctx.threshold167, 3981.07f, 0.1f);
}

TEST(IndexEngineFrame, PeakPairsWithoutALogarithmAreLeftOutOfTheFit) {
  FlowRecord r = ConstantRecord(1, 1.0f);
  r.peakCount = 3;
  r.peaks = {};
  r.peaks[0] = 100;
  r.peakDayFlows[0] = 0;  // no logarithm
  r.peaks[1] = 1000;
  r.peakDayFlows[1] = 100;
  r.peaks[2] = 10000;
  r.peakDayFlows[2] = 1000;
  EngineOptions o;
  o.usePeaks = true;
  EngineContext ctx(r, o, nullptr);
  FitPeakLine(ctx);
  ASSERT_TRUE(ctx.haveLine);
  EXPECT_NEAR(ctx.lineSlope, 1.0f, 1e-6);
  EXPECT_EQ(ctx.sortedLogPeaks.size(), 2u);
  // A single usable pair fits no line.
  r.peakDayFlows[1] = -5;
  EngineContext one(r, o, nullptr);
  FitPeakLine(one);
  EXPECT_FALSE(one.haveLine);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

TEST(IndexEngineFrame, VariabilityOfASingleYearIsNotComputedRatherThanNan) {
  const IndexResults one = RunIndexEngine(testing::ConstantRecord(1, 5.0f), EngineOptions{});
  EXPECT_EQ(one[DL(6)].value, kMissing);
  EXPECT_EQ(one[DH(6)].value, kMissing);
  const IndexResults two = RunIndexEngine(testing::ConstantRecord(2, 5.0f), EngineOptions{});
  EXPECT_EQ(two[DL(6)].value, 0.0f);
}

}  // namespace
}  // namespace zelvo
