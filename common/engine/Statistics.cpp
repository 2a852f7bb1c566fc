#include "common/engine/Statistics.h"

#include <algorithm>
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
std::uint32_t SortKey(float value, bool ascending) {
  const std::uint32_t u = std::bit_cast<std::uint32_t>(value);
  const std::uint32_t key = (u & 0x80000000u) != 0 ? ~u : (u | 0x80000000u);
  return ascending ? key : ~key;
}

float FromSortKey(std::uint32_t key, bool ascending) {
  if (!ascending) key = ~key;
  const std::uint32_t u = (key & 0x80000000u) != 0 ? (key & 0x7fffffffu) : ~key;
  return std::bit_cast<float>(u);
}

// Least-significant-digit radix sort of `keys` in three passes of 11 bits; `spare` is a buffer
// of the same size. A pass whose digit is the same in every key is skipped. The result ends in
// `keys`.
void RadixSort(std::vector<std::uint32_t>& keys, std::vector<std::uint32_t>& spare) {
  constexpr int kBits = 11;
  constexpr std::uint32_t kBuckets = 1u << kBits;
  const std::size_t n = keys.size();
  std::vector<std::uint32_t> counts(3 * kBuckets, 0);
  for (std::uint32_t k : keys) {
    ++counts[k & (kBuckets - 1)];
    ++counts[kBuckets + ((k >> kBits) & (kBuckets - 1))];
    ++counts[2 * kBuckets + (k >> (2 * kBits))];
  }
  spare.resize(n);
  for (int pass = 0; pass < 3; ++pass) {
    std::uint32_t* count = counts.data() + pass * kBuckets;
    const int shift = pass * kBits;
    if (count[(keys[0] >> shift) & (kBuckets - 1)] == n) continue;
    std::size_t offset = 0;
    for (std::uint32_t b = 0; b < kBuckets; ++b) {
      const std::size_t c = count[b];
      count[b] = static_cast<std::uint32_t>(offset);
      offset += c;
    }
    for (std::uint32_t k : keys) spare[count[(k >> shift) & (kBuckets - 1)]++] = k;
    keys.swap(spare);
  }
}

}  // namespace

void SortValues(int ascending, float* values, int count) {
  if (count <= 1) return;
  const bool up = ascending != 0;
  // Work lists kept between calls: the engine sorts lists of up to 54,900 days many times a run.
  thread_local std::vector<std::uint32_t> keys, spare;
  thread_local std::vector<float> nans;
  keys.clear();
  nans.clear();
  for (int i = 0; i < count; ++i) {
    if (std::isnan(values[i]))
      nans.push_back(values[i]);
    else
      keys.push_back(SortKey(values[i], up));
  }
  if (keys.size() < 256)
    std::sort(keys.begin(), keys.end());
  else if (!keys.empty())
    RadixSort(keys, spare);
  float* out = values;
  for (std::uint32_t k : keys) *out++ = FromSortKey(k, up);
  for (float f : nans) *out++ = f;
}

SummaryStats ComputeSummaryStats(int count, float* values) {
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
  SortValues(1, values, count);
  if (count % 2 == 0)
    s.median = (values[count / 2 - 1] + values[count / 2]) / 2.0f;
  else
    s.median = values[(count + 1) / 2 - 1];
  return s;
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
