// The moving-window extremes are summed several windows at a time; they must equal, bit for bit,
// each window summed on its own in slot order with its missing days skipped.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "common/engine/FrequencyDuration.h"
#include "common/engine/MagnitudeShared.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

// The window extremes of one year the plain way.
void PlainExtremes(const YearFlows& year, int w, float& lo, float& hi) {
  lo = 1.0e7f;
  hi = -1.0e7f;
  for (int start = 0; start + w <= kDaySlots; ++start) {
    float sum = 0.0f;
    int count = 0;
    for (int s = start; s < start + w; ++s) {
      if (year[s] == kMissing) continue;
      sum += year[s];
      ++count;
    }
    if (count == 0) continue;
    const float mean = sum / static_cast<float>(count);
    if (mean < lo) lo = mean;
    if (mean > hi) hi = mean;
  }
}

TEST(WindowExtremes, SameBitsAsSummingEachWindowAlone) {
  // Flows whose sums round differently in every order; gaps of every length, a year with a
  // single valid day, a year of zeros with -0 among them, and one without any valid day.
  FlowRecord r = testing::ConstantRecord(8, 0.0f);
  std::uint32_t x = 99u;
  for (int y = 0; y < 4; ++y)
    for (int s = 0; s < kDaySlots; ++s) {
      x = x * 1664525u + 1013904223u;
      r.flows[y][s] = static_cast<float>(x >> 9) * 1.0e-3f + 0.1f;
    }
  for (int s = 40; s < 45; ++s) r.flows[0][s] = kMissing;
  for (int s = 100; s < 250; ++s) r.flows[1][s] = kMissing;  // longer than every window
  for (int s = 0; s < kDaySlots; s += 3) r.flows[2][s] = kMissing;
  for (int s = 360; s < kDaySlots; ++s) r.flows[3][s] = kMissing;  // gap at the year's end
  r.flows[4].fill(kMissing);
  r.flows[4][200] = 7.25f;
  r.flows[4][201] = -0.0f;
  r.flows[5].fill(kMissing);
  // Valid days only where the last windows of each length start (after the last whole group of
  // windows), and flows whose window sums overflow to infinity.
  r.flows[6].fill(kMissing);
  r.flows[6][363] = 2.5f;
  r.flows[6][365] = 0.5f;
  for (int s = 0; s < kDaySlots; ++s) r.flows[7][s] = s % 5 == 0 ? 3.0e38f : 1.0e30f;
  auto ctx = testing::ContextAfterMagnitude(r, {});
  const WindowExtremes got = ComputeWindowExtremes(*ctx);
  for (int y = 0; y < 8; ++y)
    for (std::size_t i = 0; i < kWindowLengths.size(); ++i) {
      float lo, hi;
      PlainExtremes(ctx->flows[y], kWindowLengths[i], lo, hi);
      EXPECT_EQ(std::bit_cast<std::uint32_t>(got.min[i][y]), std::bit_cast<std::uint32_t>(lo))
          << "year " << y << " window " << kWindowLengths[i];
      EXPECT_EQ(std::bit_cast<std::uint32_t>(got.max[i][y]), std::bit_cast<std::uint32_t>(hi))
          << "year " << y << " window " << kWindowLengths[i];
    }
  // The context holds the same extremes from the start, and its 7-day minima are those of
  // ML17's own window scan.
  for (int y = 0; y < 8; ++y) {
    for (std::size_t i = 0; i < kWindowLengths.size(); ++i) {
      EXPECT_EQ(std::bit_cast<std::uint32_t>(ctx->windows.min[i][y]),
                std::bit_cast<std::uint32_t>(got.min[i][y]));
      EXPECT_EQ(std::bit_cast<std::uint32_t>(ctx->windows.max[i][y]),
                std::bit_cast<std::uint32_t>(got.max[i][y]));
    }
    EXPECT_EQ(std::bit_cast<std::uint32_t>(got.min[kSevenDayWindow][y]),
              std::bit_cast<std::uint32_t>(magnitude::SmallestSevenDayMean(ctx->flows[y])))
        << "year " << y;
  }
}

}  // namespace
}  // namespace zelvo
