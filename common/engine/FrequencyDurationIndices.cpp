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

WindowExtremes ComputeWindowExtremes(const EngineContext& ctx) {
  WindowExtremes x;
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    for (std::size_t i = 0; i < kWindowLengths.size(); ++i) {
      const int w = kWindowLengths[i];
      float lo = 1.0e7f;
      float hi = -1.0e7f;
      // Windows start at slots 0 .. 366 - w and never reach into the neighbouring year. Each
      // window is summed afresh in slot order (a running sum would round differently).
      for (int start = 0; start + w <= kDaySlots; ++start) {
        float sum = 0.0f;
        int count = 0;
        for (int s = start; s < start + w; ++s) {
          if (!EngineContext::Valid(year[s])) continue;
          sum += year[s];
          ++count;
        }
        // A window without any valid day has no mean and takes no part.
        if (count == 0) continue;
        const float mean = sum / static_cast<float>(count);
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
  const WindowExtremes windows = ComputeWindowExtremes(ctx);
  ComputeLowDurationIndices(ctx, durations, windows);
  ComputeHighDurationIndices(ctx, durations, windows);
}

}  // namespace zelvo
