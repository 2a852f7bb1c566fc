// Successive engine runs on one thread reuse the memory of the previous run; no result may depend
// on what ran before.

#include <gtest/gtest.h>

#include <cstring>

#include "common/engine/IndexEngine.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

bool SameBits(const IndexResults& a, const IndexResults& b) {
  for (int i = 0; i < kIndexCount; ++i)
    if (std::memcmp(&a[i], &b[i], sizeof(IndexResult)) != 0) return false;
  return a.threshold167 == b.threshold167 && a.threshold5 == b.threshold5;
}

FlowRecord Seasonal(int years, float scale) {
  FlowRecord r = testing::ConstantRecord(years, 1.0f);
  for (int y = 0; y < years; ++y)
    for (int s = 0; s < kDaySlots; ++s)
      r.flows[y][s] = scale * static_cast<float>(1 + (s * 7 + y * 13) % 50) + (s % 9 == 0 ? 0.0f : 0.5f);
  r.flows[0][20] = kMissing;
  return r;
}

TEST(EngineRuns, ResultsDoNotDependOnEarlierRuns) {
  EngineOptions options;
  const FlowRecord longRecord = Seasonal(40, 3.0f);
  const FlowRecord shortRecord = Seasonal(3, 0.25f);
  const IndexResults longFirst = RunIndexEngine(longRecord, options);
  const IndexResults shortAfterLong = RunIndexEngine(shortRecord, options);
  const IndexResults longAgain = RunIndexEngine(longRecord, options);
  EXPECT_TRUE(SameBits(longFirst, longAgain));
  // The short record after a run of the same short record, and after the long one.
  const IndexResults shortAgain = RunIndexEngine(shortRecord, options);
  EXPECT_TRUE(SameBits(shortAfterLong, shortAgain));
  // The input record is never changed by a run.
  EXPECT_EQ(longRecord.flows[0][20], kMissing);
  EXPECT_EQ(longRecord.flows[1][0], Seasonal(40, 3.0f).flows[1][0]);
}

}  // namespace
}  // namespace zelvo
