// SortValues on lists the size of a whole record: the engine sorts its shared list of up to
// 54,900 days many times a run, so the fast path must give exactly the list a comparison sort
// gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "common/engine/Statistics.h"

namespace zelvo {
namespace {

// Deterministic flows with many repeats, zeros of both signs, tiny and huge values.
std::vector<float> RecordLikeValues(int n) {
  std::vector<float> v(n);
  std::uint32_t x = 12345u;
  for (int i = 0; i < n; ++i) {
    x = x * 1664525u + 1013904223u;
    const std::uint32_t r = x >> 8;
    switch (r % 5) {
      case 0:
        v[i] = static_cast<float>(r % 1000) / 100.0f;
        break;  // repeats
      case 1:
        v[i] = static_cast<float>(r) * 0.37f;
        break;  // large
      case 2:
        v[i] = 0.0f;
        break;
      case 3:
        v[i] = -static_cast<float>(r % 977) * 1.5f;
        break;  // differences
      default:
        v[i] = static_cast<float>(r % 7) * 1.0e-6f;
        break;
    }
  }
  v[n / 3] = std::numeric_limits<float>::infinity();
  v[n / 2] = -std::numeric_limits<float>::infinity();
  return v;
}

// Numeric order with -0 below +0: the one order SortValues promises.
bool Below(float a, float b) { return a < b || (a == b && std::signbit(a) && !std::signbit(b)); }
void ComparisonSort(std::vector<float>& v, bool ascending) {
  if (ascending)
    std::sort(v.begin(), v.end(), Below);
  else
    std::sort(v.begin(), v.end(), [](float a, float b) { return Below(b, a); });
}

std::vector<std::uint32_t> Bits(const std::vector<float>& v) {
  std::vector<std::uint32_t> b;
  for (float f : v) b.push_back(std::bit_cast<std::uint32_t>(f));
  return b;
}

TEST(SortValuesLarge, SameListAsAComparisonSortInBothDirections) {
  for (int n : {2, 3, 63, 64, 65, 255, 256, 366, 4095, 4096, 5000, 8191, 8192, 8193, 54900}) {
    const std::vector<float> input = RecordLikeValues(n);
    std::vector<float> up = input, down = input, expectUp = input, expectDown = input;
    ComparisonSort(expectUp, true);
    ComparisonSort(expectDown, false);
    SortValues(1, up.data(), n);
    SortValues(0, down.data(), n);
    EXPECT_EQ(Bits(up), Bits(expectUp)) << n;
    EXPECT_EQ(Bits(down), Bits(expectDown)) << n;
  }
}

TEST(SortValuesLarge, SortedReversedAndConstantLists) {
  std::vector<float> v = RecordLikeValues(54900);
  ComparisonSort(v, true);
  const std::vector<float> sorted = v;
  SortValues(1, v.data(), static_cast<int>(v.size()));
  EXPECT_EQ(Bits(v), Bits(sorted));
  SortValues(0, v.data(), static_cast<int>(v.size()));
  EXPECT_EQ(v.front(), sorted.back());
  EXPECT_EQ(v.back(), sorted.front());
  SortValues(1, v.data(), static_cast<int>(v.size()));
  EXPECT_EQ(Bits(v), Bits(sorted));

  std::vector<float> same(3000, 42.5f);
  SortValues(0, same.data(), 3000);
  EXPECT_EQ(same, std::vector<float>(3000, 42.5f));
}

TEST(SortValuesLarge, NaNsGoLastInTheirOrderAndSignedZerosHaveOneFixedPlace) {
  for (int n : {8, 5000}) {
    std::vector<float> v = RecordLikeValues(n);
    const float negativeNan = -std::nanf("");
    v[1] = negativeNan;
    v[n - 2] = std::nanf("");
    v[2] = -0.0f;
    v[3] = 0.0f;
    for (int ascending : {1, 0}) {
      std::vector<float> w = v;
      SortValues(ascending, w.data(), n);
      EXPECT_TRUE(std::isnan(w[n - 2]) && std::signbit(w[n - 2])) << n;  // first NaN met first
      EXPECT_TRUE(std::isnan(w[n - 1]) && !std::signbit(w[n - 1])) << n;
      // Find the zeros: -0 comes before +0 going up, after it going down.
      const auto firstZero = std::find(w.begin(), w.end(), 0.0f);
      ASSERT_NE(firstZero, w.end());
      EXPECT_EQ(std::signbit(*firstZero), ascending == 1) << n;
    }
    // The input order of the signed zeros does not matter.
    std::swap(v[2], v[3]);
    std::vector<float> a = v, b = v;
    std::swap(b[2], b[3]);
    SortValues(1, a.data(), n);
    SortValues(1, b.data(), n);
    EXPECT_EQ(Bits(a).size(), Bits(b).size());
    for (int i = 0; i < n - 2; ++i) EXPECT_EQ(Bits(a)[i], Bits(b)[i]) << i;
  }
}

TEST(SortValuesLarge, SummaryStatsOnARecordSizedList) {
  std::vector<float> v = RecordLikeValues(54900);
  std::vector<float> expect = v;
  ComparisonSort(expect, true);
  const SummaryStats s = ComputeSummaryStats(54900, v.data());
  EXPECT_EQ(Bits(v), Bits(expect));
  EXPECT_EQ(s.median, (expect[27449] + expect[27450]) / 2.0f);
}

}  // namespace
}  // namespace zelvo
