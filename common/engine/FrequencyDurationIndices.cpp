// FL1 .. DH24: pulse counts, flood frequencies and the low- and high-flow durations. The shared
// flow list holds the positive valid days sorted ascending on entry and is left sorted
// ascending on exit (the timing group takes its percentiles from it in that order).

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
  // Sixteen neighbouring windows are summed side by side, each afresh in slot order (a running sum
  // would round differently). A missing day adds +0: a window sum starts at +0 and only ever adds
  // flows >= 0, so adding +0 leaves it bit for bit as skipping the day would. The valid days of
  // a window are counted exactly from running totals. The flow table runs 16 slots past the year
  // (zeros) for the last block of windows.
  constexpr int kBlock = 16;
  std::array<float, kDaySlots + kBlock> value{};
  std::array<float, kDaySlots + kBlock> sums{};
  std::array<int, kDaySlots + 1> validBefore{};  // valid days among slots 0 .. s-1
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
        float sum[kBlock] = {};
        for (int d = first; d < first + w; ++d)
          for (int k = 0; k < kBlock; ++k) sum[k] += value[d + k];
        for (int k = 0; k < kBlock; ++k) sums[first + k] = sum[k];
      }
      float lo = kMinimumSeed;
      float hi = kMaximumSeed;
      for (int start = 0; start < windows; ++start) {
        const int count = validBefore[start + w] - validBefore[start];
        // A window without any valid day has no mean and takes no part.
        if (count == 0) continue;
        const float mean = sums[start] / static_cast<float>(count);
        if (mean < lo) lo = mean;
        if (mean > hi) hi = mean;
      }
      x.min[i][y] = lo;
      x.max[i][y] = hi;
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
