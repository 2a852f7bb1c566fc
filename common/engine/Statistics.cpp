#include "common/engine/Statistics.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zelvo {
namespace {

// Sort keys: the bits of a float mapped so that unsigned order is numeric order, -0 just below
// +0, and for descending sorts every key complemented. Equal keys are equal bit patterns, so the
// sorted list does not depend on the sorting method. NaNs have no place in this order; they are
// set aside and put after every number, in the order they came in.
// Written without branches so that the loops over whole lists run in vector registers.
std::uint32_t SortKey(float value, bool ascending) {
  const std::uint32_t u = std::bit_cast<std::uint32_t>(value);
  const std::uint32_t flip = (0u - (u >> 31)) | 0x80000000u;  // negative: all bits; else the sign
  return u ^ flip ^ (ascending ? 0u : 0xffffffffu);
}

float FromSortKey(std::uint32_t key, bool ascending) {
  key ^= ascending ? 0u : 0xffffffffu;
  const std::uint32_t flip = ((key >> 31) - 1u) | 0x80000000u;
  return std::bit_cast<float>(key ^ flip);
}

// Least-significant-digit radix sort of keys[0..n) in four passes of one byte; `spare` is a
// buffer of the same size. A pass whose byte is the same in every key is skipped. Returns the
// buffer that holds the result.
std::uint32_t* RadixSort(std::uint32_t* keys, std::uint32_t* spare, std::size_t n) {
  std::uint32_t counts[4][256] = {};
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t k = keys[i];
    ++counts[0][k & 0xffu];
    ++counts[1][(k >> 8) & 0xffu];
    ++counts[2][(k >> 16) & 0xffu];
    ++counts[3][k >> 24];
  }
  for (int pass = 0; pass < 4; ++pass) {
    std::uint32_t* count = counts[pass];
    const int shift = 8 * pass;
    if (count[(keys[0] >> shift) & 0xffu] == n) continue;
    std::uint32_t offset = 0;
    for (int b = 0; b < 256; ++b) {
      const std::uint32_t c = count[b];
      count[b] = offset;
      offset += c;
    }
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint32_t k = keys[i];
      spare[count[(k >> shift) & 0xffu]++] = k;
    }
    std::swap(keys, spare);
  }
  return keys;
}

// The same sort in three passes of 11, 11 and 10 bits, for long lists (the record's tens of
// thousands of days), where one pass fewer outweighs the larger tables of counts.
std::uint32_t* RadixSort11(std::uint32_t* keys, std::uint32_t* spare, std::size_t n) {
  thread_local std::vector<std::uint32_t> table;
  table.assign(3 * 2048, 0u);
  std::uint32_t* counts[3] = {table.data(), table.data() + 2048, table.data() + 4096};
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t k = keys[i];
    ++counts[0][k & 0x7ffu];
    ++counts[1][(k >> 11) & 0x7ffu];
    ++counts[2][k >> 22];
  }
  for (int pass = 0; pass < 3; ++pass) {
    std::uint32_t* count = counts[pass];
    const int shift = 11 * pass;
    if (count[(keys[0] >> shift) & 0x7ffu] == n) continue;
    std::uint32_t offset = 0;
    for (int b = 0; b < 2048; ++b) {
      const std::uint32_t c = count[b];
      count[b] = offset;
      offset += c;
    }
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint32_t k = keys[i];
      spare[count[(k >> shift) & 0x7ffu]++] = k;
    }
    std::swap(keys, spare);
  }
  return keys;
}

// Sorts the NaN-free values[0..n) by their keys.
void SortNumbers(bool up, float* values, std::size_t n) {
  // Work lists kept between calls: a run sorts lists of up to 54,900 days several times and
  // short per-year lists thousands of times.
  thread_local std::vector<std::uint32_t> keys, spare;
  // The shared flow list is often sorted again in the order it already has, or in the reverse
  // one; equal keys are equal bit patterns, so reversing gives exactly the sorted list. The keys
  // are made first (one pass in vector registers) and checked block by block; the check stops
  // after the first block that shows neither order.
  if (keys.size() < n) keys.resize(n);
  std::uint32_t* k = keys.data();
  for (std::size_t i = 0; i < n; ++i) k[i] = SortKey(values[i], up);
  bool inOrder = true, reversed = true;
  constexpr std::size_t kCheckBlock = 256;
  for (std::size_t first = 1; first < n && (inOrder || reversed); first += kCheckBlock) {
    const std::size_t last = std::min(n, first + kCheckBlock);
    unsigned falls = 0, rises = 0;
    for (std::size_t i = first; i < last; ++i) {
      falls |= k[i - 1] > k[i] ? 1u : 0u;
      rises |= k[i - 1] < k[i] ? 1u : 0u;
    }
    inOrder &= falls == 0;
    reversed &= rises == 0;
  }
  if (inOrder) return;
  if (reversed) {
    std::reverse(values, values + n);
    return;
  }
  const std::uint32_t* sorted = keys.data();
  // Short lists: a comparison sort beats the radix passes and their histograms.
  if (n < 64) {
    std::sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(n));
  } else {
    if (spare.size() < n) spare.resize(n);
    sorted = n < 8192 ? RadixSort(keys.data(), spare.data(), n) : RadixSort11(keys.data(), spare.data(), n);
  }
  for (std::size_t i = 0; i < n; ++i) values[i] = FromSortKey(sorted[i], up);
}

}  // namespace

void SortValues(int ascending, float* values, int count) {
  if (count <= 1) return;
  float* end = values + count;
  // NaNs go after every number, in the order they came.
  if (std::any_of(values, end, [](float f) { return std::isnan(f); }))
    end = std::stable_partition(values, end, [](float f) { return !std::isnan(f); });
  SortNumbers(ascending != 0, values, static_cast<std::size_t>(end - values));
}

SummaryStats ComputeMoments(int count, const float* values) {
  SummaryStats s;
  if (count <= 0) return s;
  double sum = 0.0;
  for (int i = 0; i < count; ++i) sum += values[i];
  const double meanD = sum / count;
  s.mean = static_cast<float>(meanD);
  double squares = 0.0;
  for (int i = 0; i < count; ++i) {
    const double d = values[i] - meanD;
    squares += d * d;
  }
  // count = 1 divides 0 by 0: the standard deviation of a single value is left as NaN, which
  // every caller prints or compares without trapping.
  s.stdDev = static_cast<float>(std::sqrt(squares / (count - 1)));
  return s;
}

namespace {
// The median of a list sorted ascending.
float SortedMedian(int count, const float* sorted) {
  if (count % 2 == 0) return (sorted[count / 2 - 1] + sorted[count / 2]) / 2.0f;
  return sorted[(count + 1) / 2 - 1];
}
}  // namespace

SummaryStats ComputeSummaryStats(int count, float* values) {
  SummaryStats s = ComputeMoments(count, values);
  if (count <= 0) return s;
  SortValues(1, values, count);
  s.median = SortedMedian(count, values);
  return s;
}

float ComputeMedian(int count, float* values) {
  if (count <= 0) return 0.0f;
  SortValues(1, values, count);
  return SortedMedian(count, values);
}

float PercentileValue(float p, int count, const float* sorted) {
  if (count <= 0) return 0.0f;
  const double r = static_cast<double>(count + 1) * static_cast<double>(p);
  const int k = static_cast<int>(r);
  if (k <= 0) return sorted[0];
  if (k >= count) return sorted[count - 1];
  const float fraction = static_cast<float>(r) - static_cast<float>(k);
  return sorted[k - 1] + (sorted[k] - sorted[k - 1]) * fraction;
}

}  // namespace zelvo
