// ML20: base flow by 5-day blocks, turning points, fills and interpolation.

#include <gtest/gtest.h>

#include <vector>

#include "common/engine/MagnitudeShared.h"

namespace zelvo {
namespace {

using magnitude::BaseFlowRatio;

// One block of 5 days per minimum: the minimum first, then four days one above it; `tail` days
// follow the blocks.
std::vector<float> Blocks(const std::vector<float>& minima, const std::vector<float>& tail = {}) {
  std::vector<float> flows;
  for (float m : minima) {
    flows.push_back(m);
    for (int i = 0; i < 4; ++i) flows.push_back(m + 1.0f);
  }
  flows.insert(flows.end(), tail.begin(), tail.end());
  return flows;
}

float Ratio(const std::vector<float>& flows) {
  return BaseFlowRatio(flows.data(), static_cast<int>(flows.size()));
}

TEST(BaseFlowRatio, SingleBlockGapIsInterpolated) {
  // Turning points 0, 1, 3, 4; block 2 (minimum 9) lies between base flows 2 and 4 and gets 3.
  // Base 5 x (2 + 2 + 3 + 4 + 4) = 75 of a total 125. Left at 0 it would give 60.
  EXPECT_NEAR(Ratio(Blocks({2, 2, 9, 4, 4})), 75.0f / 125.0f, 1e-6f);
}

TEST(BaseFlowRatio, LongerGapAndTailTakeTheLastBlock) {
  // Gap of blocks 2 and 3 between 2 and 5: 3 and 4. Tail of 3 days at the last block's 5.
  EXPECT_NEAR(Ratio(Blocks({2, 2, 9, 9, 5, 5}, {7, 7, 7})), 120.0f / 205.0f, 1e-6f);
}

TEST(BaseFlowRatio, SingleBlockGapAfterALongerGapUsesItsOwnEnd) {
  // Gaps 2..3 (-> 3, 4) and 6 (between 5 and 7 -> 6).
  EXPECT_NEAR(Ratio(Blocks({2, 2, 9, 9, 5, 5, 9, 7, 7})), 205.0f / 311.0f, 1e-6f);
}

TEST(BaseFlowRatio, LeadingFillReplacesATurningPointInBlockZero) {
  // Block 0 (minimum 1) is a turning point, but blocks 0 and 1 take block 2's 3: base
  // 5 x 12 of a total 66 (each block adds four days one above its minimum).
  EXPECT_NEAR(Ratio(Blocks({1, 3, 3, 3})), 60.0f / 66.0f, 1e-6f);
}

TEST(BaseFlowRatio, TrailingFillReplacesATurningPointInTheLastBlock) {
  // The last block (minimum 1) is a turning point, but it takes block 1's 3, as does block 2.
  EXPECT_NEAR(Ratio(Blocks({3, 3, 3, 1})), 60.0f / 66.0f, 1e-6f);
}

TEST(BaseFlowRatio, FewerThanTwoBlocksOrNoFlowIsNotComputed) {
  const std::vector<float> nine(9, 1.0f);
  EXPECT_EQ(Ratio(nine), kMissing);
  const std::vector<float> ten(10, 1.0f);
  EXPECT_FLOAT_EQ(Ratio(ten), 1.0f);
  EXPECT_EQ(BaseFlowRatio(nullptr, 0), kMissing);
  const std::vector<float> zeros(20, 0.0f);
  EXPECT_EQ(Ratio(zeros), kMissing);
}

}  // namespace
}  // namespace zelvo
