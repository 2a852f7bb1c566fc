// FL1 .. DH24: pulse counts, flood frequencies and the low- and high-flow durations. The shared
// flow list holds the positive valid days sorted ascending on entry and is left sorted
// ascending on exit (the timing group takes its percentiles from it in that order).

#include <cstring>

#include "common/engine/FrequencyDuration.h"

namespace zelvo {

int KeepPositive(const PerYear& values, int n, PerYear& kept) {
  int m = 0;
  for (int y = 0; y < n; ++y)
    if (values[y] > 0.0f) kept[m++] = values[y];
  return m;
}

int ZeroFlowDays(const YearFlows& year) {
  int zeros = 0;
  for (float f : year)
    if (f == 0.0f) ++zeros;
  return zeros;
}

// Every lane runs the branch-free loop of ScanPulses on its own threshold; a low-pulse lane tests
// -f > -threshold, which is f < threshold exactly (negation is exact). The lanes are independent,
// so they run side by side in vector registers.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void ScanPulseLanes(const EngineContext& ctx, const float* thresholds, const bool* above, int lanes,
                    PulseSeries* const* out) {
  constexpr int L = kPulseLanes;
  float sign[L], limit[L];
  for (int k = 0; k < L; ++k) {
    const int j = k < lanes ? k : 0;  // unused lanes repeat lane 0 and are not read
    sign[k] = above[j] ? 1.0f : -1.0f;
    limit[k] = sign[k] * thresholds[j];
  }
  for (int y = 0; y < ctx.years; ++y) {
    int count[L] = {}, days[L] = {}, open[L] = {};
    for (float f : ctx.flows[y]) {
      const int valid = EngineContext::Valid(f) ? 1 : 0;
      for (int k = 0; k < L; ++k) {
        const int in = valid & (sign[k] * f > limit[k] ? 1 : 0);
        count[k] += in & (open[k] ^ 1);
        days[k] += in;
        open[k] = valid ? in : open[k];
      }
    }
    for (int k = 0; k < lanes; ++k) {
      PulseSeries& s = *out[k];
      s.events[y] = static_cast<float>(count[k]);
      s.days[y] = static_cast<float>(days[k]);
      s.meanDuration[y] = count[k] > 0 ? static_cast<float>(days[k]) / static_cast<float>(count[k]) : 0.0f;
    }
  }
}

// The window sums run in vector registers; where the processor has wider ones, a second build
// of this function uses them. The additions are the same in every lane, so the bits are too.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
WindowExtremes
ComputeWindowExtremes(const EngineContext& ctx) {
  WindowExtremes x;
  // Neighbouring windows are summed side by side, each afresh in slot order (a running sum would
  // round differently). A missing day adds +0: a window sum starts at +0 and only ever adds
  // flows >= 0, so adding +0 leaves it bit for bit as skipping the day would. The valid days of
  // a window are counted exactly from running totals. A block of 32 windows is four independent
  // chains of additions of eight lanes, kept in registers, so the processor is not held up by
  // the latency of each addition. The flow table runs a block past the year (zeros) for the last
  // block of windows.
  using Lanes = float __attribute__((vector_size(32)));
  using Counts = int __attribute__((vector_size(32)));
  constexpr int kWidth = 8;
  constexpr int kBlock = 4 * kWidth;
  const auto load = [](Lanes& v, const float* p) { std::memcpy(&v, p, sizeof v); };
  std::array<float, kDaySlots + kBlock> value{};
  std::array<float, kDaySlots + kBlock> sums{};
  std::array<int, kDaySlots + kBlock + 1> validBefore{};  // valid days among slots 0 .. s-1
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    for (int s = 0; s < kDaySlots; ++s) {
      const bool ok = EngineContext::Valid(year[s]);
      value[s] = ok ? year[s] : 0.0f;
      validBefore[s + 1] = validBefore[s] + (ok ? 1 : 0);
    }
    for (std::size_t i = 0; i < kWindowLengths.size(); ++i) {
      const int w = kWindowLengths[i];
      // Windows start at slots 0 .. 366 - w and never reach into the neighbouring year.
      const int windows = kDaySlots - w + 1;
      for (int first = 0; first < windows; first += kBlock) {
        Lanes s0{}, s1{}, s2{}, s3{}, v0, v1, v2, v3;
        for (int d = first; d < first + w; ++d) {
          const float* v = value.data() + d;
          load(v0, v);
          load(v1, v + kWidth);
          load(v2, v + 2 * kWidth);
          load(v3, v + 3 * kWidth);
          s0 += v0;
          s1 += v1;
          s2 += v2;
          s3 += v3;
        }
        float* out = sums.data() + first;
        std::memcpy(out, &s0, sizeof s0);
        std::memcpy(out + kWidth, &s1, sizeof s1);
        std::memcpy(out + 2 * kWidth, &s2, sizeof s2);
        std::memcpy(out + 3 * kWidth, &s3, sizeof s3);
      }
      // The extremes lane by lane: a sum is finite or +inf, never NaN, and never -0, so the
      // smallest and the largest mean do not depend on the order they are met in. A window
      // without any valid day has no mean and takes no part (its lane keeps its value).
      Lanes lo = Lanes{} + kMinimumSeed;
      Lanes hi = Lanes{} + kMaximumSeed;
      const int whole = windows - windows % kWidth;
      for (int start = 0; start < whole; start += kWidth) {
        Counts after, before;
        std::memcpy(&after, validBefore.data() + start + w, sizeof after);
        std::memcpy(&before, validBefore.data() + start, sizeof before);
        const Counts count = after - before;
        const Counts some = count != 0;  // -1 where the window has a valid day, else 0
        // Lanes without a valid day divide by 1 instead of 0 and are not taken.
        const Lanes days = __builtin_convertvector(count + (some + 1), Lanes);
        Lanes sum;
        load(sum, sums.data() + start);
        const Lanes mean = sum / days;
        lo = (some & (mean < lo)) ? mean : lo;
        hi = (some & (mean > hi)) ? mean : hi;
      }
      float smallest = lo[0], largest = hi[0];
      for (int k = 1; k < kWidth; ++k) {
        if (lo[k] < smallest) smallest = lo[k];
        if (hi[k] > largest) largest = hi[k];
      }
      for (int start = whole; start < windows; ++start) {
        const int count = validBefore[start + w] - validBefore[start];
        if (count == 0) continue;
        const float mean = sums[start] / static_cast<float>(count);
        if (mean < smallest) smallest = mean;
        if (mean > largest) largest = mean;
      }
      x.min[i][y] = smallest;
      x.max[i][y] = largest;
    }
  }
  return x;
}

void ComputeFrequencyDurationIndices(EngineContext& ctx) {
  PulseDurations durations;
  ComputeFrequencyIndices(ctx, durations);
  ComputeLowDurationIndices(ctx, durations, ctx.windows);
  ComputeHighDurationIndices(ctx, durations, ctx.windows);
}

}  // namespace zelvo
