// Magnitude indices under the run options: median option, drainage area, classifier mode,
// progress positions, and the rows as the results file writes them.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "common/engine/HiOutputFile.h"
#include "engine/MagnitudeTestSupport.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::RecordOf;
using testing::RunThroughMagnitude;
using testing::ZelvoOptions;

// Three years on different levels with a weekly pattern, so per-year means and medians differ.
FlowRecord ThreeLevels() {
  return RecordOf(3, [](int y, int s) {
    const float level[] = {1.0f, 2.0f, 20.0f};
    return level[y] + static_cast<float>(s % 7);
  });
}

std::set<int> MedianOptionIndices() {
  std::set<int> s;
  for (int i = 12; i <= 35; ++i) s.insert(MA(i));
  for (int i = 1; i <= 12; ++i) s.insert(ML(i));
  for (int i : {15, 17, 19, 22}) s.insert(ML(i));
  for (int i = 1; i <= 12; ++i) s.insert(MH(i));
  s.insert(MH(20));
  return s;
}

TEST(MagnitudeMedianOption, ChangesExactlyTheListedValuesAndNoLimit) {
  const auto mean = RunThroughMagnitude(ThreeLevels(), ZelvoOptions(1.0f, false));
  const auto median = RunThroughMagnitude(ThreeLevels(), ZelvoOptions(1.0f, true));
  const std::set<int> listed = MedianOptionIndices();
  for (int i = MA(1); i <= MH(27); ++i) {
    const IndexResult& a = mean->results[i];
    const IndexResult& b = median->results[i];
    EXPECT_EQ(a.lower, b.lower) << IndexName(i);
    EXPECT_EQ(a.upper, b.upper) << IndexName(i);
    if (listed.count(i) != 0) {
      EXPECT_NE(a.value, b.value) << IndexName(i);
    } else {
      EXPECT_EQ(a.value, b.value) << IndexName(i);
    }
  }
  // January means per year: 4.0, 5.0, 23.0 (pattern over slots 92..122) - near enough to check
  // that the median is the middle year.
  EXPECT_NEAR(median->results[MA(12)].value, 2.0f + 3.0f, 0.1f);
  EXPECT_NEAR(median->results[ML(22)].value, 2.0f, 1e-6f);
  EXPECT_NEAR(mean->results[ML(22)].value, 23.0f / 3.0f, 1e-5f);
}

TEST(MagnitudeDrainageArea, HalvesOnlyTheAreaIndicesWithTheirLimits) {
  const auto one = RunThroughMagnitude(ThreeLevels(), ZelvoOptions(1.0f));
  const auto two = RunThroughMagnitude(ThreeLevels(), ZelvoOptions(2.0f));
  for (int i = MA(1); i <= MH(27); ++i) {
    const IndexResult& a = one->results[i];
    const IndexResult& b = two->results[i];
    if (i == MA(41) || i == ML(22) || i == MH(20)) {
      EXPECT_FLOAT_EQ(b.value, a.value / 2.0f) << IndexName(i);
      EXPECT_FLOAT_EQ(b.lower, a.lower / 2.0f) << IndexName(i);
      EXPECT_FLOAT_EQ(b.upper, a.upper / 2.0f) << IndexName(i);
      EXPECT_LT(b.lower, b.upper) << IndexName(i);
    } else {
      EXPECT_EQ(a.value, b.value) << IndexName(i);
      EXPECT_EQ(a.lower, b.lower) << IndexName(i);
      EXPECT_EQ(a.upper, b.upper) << IndexName(i);
    }
  }
}

TEST(MagnitudeClassifierMode, MeansWithoutLimitsAndNoScaledMarkers) {
  EngineOptions classifier;
  classifier.classifierMode = true;
  classifier.drainageArea = 1.0f;
  classifier.medianOption = true;  // ignored in classifier mode
  const auto c = RunThroughMagnitude(ThreeLevels(), classifier);
  const auto z = RunThroughMagnitude(ThreeLevels(), ZelvoOptions(1.0f, false));
  for (int i = MA(3); i <= MH(27); ++i) {
    EXPECT_EQ(c->results[i].value, z->results[i].value) << IndexName(i);
    // Scaled rows (MA3, MA41, ML19, ML22, MH20) must leave the missing limits untouched.
    EXPECT_EQ(c->results[i].lower, kMissing) << IndexName(i);
    EXPECT_EQ(c->results[i].upper, kMissing) << IndexName(i);
  }
}

class RecordedProgress : public EngineProgress {
 public:
  void SetPosition(int position) override { positions.push_back(position); }
  std::vector<int> positions;
};

TEST(MagnitudeProgress, PositionsRiseThroughTheGroupStages) {
  RecordedProgress progress;
  RunIndexEngine(ThreeLevels(), EngineOptions{}, &progress);
  const std::vector<int>& p = progress.positions;
  EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
  for (int stage : {1, 2, 6, 20, 23, 26, 29, 32, 35, 38, 40, 43, 46, 49, 52, 55, 100})
    EXPECT_NE(std::find(p.begin(), p.end(), stage), p.end()) << stage;
  EXPECT_EQ(p.back(), 100);
}

TEST(MagnitudeRows, WrittenRowsOfAConstantRecord) {
  const IndexResults r = RunIndexEngine(testing::ConstantRecord(3, 5.0f), ZelvoOptions(2.0f));
  EXPECT_EQ(FormatHiRow(MA(3), r), "MA3,    0.000,    0.000,    0.000");
  EXPECT_EQ(FormatHiRow(MA(4), r), "MA4,NC,    0.000,NC");
  EXPECT_EQ(FormatHiRow(MA(12), r), "MA12,    5.000,    5.000,    5.000");
  EXPECT_EQ(FormatHiRow(MA(41), r), "MA41,    2.500,    2.500,    2.500");
  EXPECT_EQ(FormatHiRow(ML(19), r), "ML19,  100.000,  100.000,  100.000");
  EXPECT_EQ(FormatHiRow(ML(20), r), "ML20,NC,    1.000,NC");
  EXPECT_EQ(FormatHiRow(ML(22), r), "ML22,    2.500,    2.500,    2.500");
  EXPECT_EQ(FormatHiRow(MH(19), r), "MH19,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(MH(21), r), "MH21,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(MH(24), r), "MH24,    0.000,    0.000,    0.000");
}

TEST(MagnitudeRows, WrittenRowsOfAnAllZeroRecordAndAMissingMonth) {
  const IndexResults zero = RunIndexEngine(testing::ConstantRecord(2, 0.0f), ZelvoOptions());
  EXPECT_EQ(FormatHiRow(MA(3), zero), "MA3,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(MA(5), zero), "MA5,NC,NC,NC");
  EXPECT_EQ(FormatHiRow(MH(27), zero), "MH27,NC,NC,NC");
  const IndexResults gap =
      RunIndexEngine(RecordOf(2, [](int y, int s) { return y == 0 && s >= 92 && s < 123 ? kMissing : 5.0f; }),
                     ZelvoOptions());
  // The seed of the empty January enters the written limits and value unchanged.
  EXPECT_EQ(FormatHiRow(ML(1), gap), "ML1,    5.000,5000002.500,10000000.000");
}

}  // namespace
}  // namespace zelvo
