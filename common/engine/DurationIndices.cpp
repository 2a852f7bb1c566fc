// DL1 .. DH24: how long low and high flows last. Moving-window extremes of 1 to 90 days, pulse
// durations, exceedance values of the positive flows and of the monthly means, and the runs of
// days below the 1.67-year flood threshold.

#include <cmath>

#include "common/engine/FrequencyDuration.h"

namespace zelvo {
namespace {

// Window lengths by position in kWindowLengths.
constexpr int k1Day = 0, k7Day = 2, k30Day = 3;

// Whole-record exceedance value ÷ MA2 on the list sorted descending; NC when MA2 is 0.
IndexResult ExceedanceOverMedian(const EngineContext& ctx, float p) {
  if (ctx.recordMedian == 0.0f) return NotComputed();
  return FormS(FlowListPercentile(ctx, p) / ctx.recordMedian);
}

// Mean duration of the events of a per-year series of mean durations, over the years that have
// any (Y form).
IndexResult MeanDuration(const EngineContext& ctx, const PerYear& meanDurations) {
  PerYear kept{};
  const int m = KeepPositive(meanDurations, ctx.years, kept);
  return SeriesY(ctx, kept, m, Central::MedianOption);
}

// The same for the events above a threshold.
IndexResult MeanDurationAbove(const EngineContext& ctx, float threshold) {
  return MeanDuration(ctx, PulsesAbove(ctx, threshold).meanDuration);
}

// DH14: exceedance value 0.95 of the monthly means ÷ their mean. A month without valid days has
// no mean (NaN in the table) and stays out of the pool.
IndexResult MonthlyMeanExceedance(const EngineContext& ctx) {
  std::vector<float> pool;
  pool.reserve(static_cast<std::size_t>(12 * ctx.years));
  for (int m = 0; m < 12; ++m)
    for (int y = 0; y < ctx.years; ++y)
      if (!std::isnan(ctx.monthMeanTable[m][y])) pool.push_back(ctx.monthMeanTable[m][y]);
  const int n = static_cast<int>(pool.size());
  const float mean = ComputeSummaryStats(n, pool.data()).mean;
  if (mean == 0.0f) return NotComputed();
  SortValues(0, pool.data(), n);
  return FormS(PercentileValue(0.95f, n, pool.data()) / mean);
}

// The year's runs of valid days below the 1.67-year threshold and its days above it.
struct FloodFreeRuns {
  PerYear medianRun{};   // DH22: median run length, 0 without a run
  PerYear longestRun{};  // DH24: longest run, 0 without a run
  PerYear daysAbove{};   // DH23: valid days strictly above the threshold
};

FloodFreeRuns RunsBelowThreshold(const EngineContext& ctx, float threshold) {
  FloodFreeRuns r;
  std::vector<FlowEvent> runs;
  std::vector<float> lengths;
  for (int y = 0; y < ctx.years; ++y) {
    runs.clear();
    // A day at the threshold ends a run below it and is not a day above it.
    ScanEvents(
        ctx.flows[y], [threshold](float f) { return f < threshold; }, runs);
    lengths.clear();
    float longest = 0.0f;
    for (const FlowEvent& run : runs) {
      lengths.push_back(static_cast<float>(run.days));
      if (run.days > longest) longest = static_cast<float>(run.days);
    }
    r.medianRun[y] = ComputeSummaryStats(static_cast<int>(lengths.size()), lengths.data()).median;
    r.longestRun[y] = longest;
    int above = 0;
    for (float f : ctx.flows[y])
      if (EngineContext::Valid(f) && f > threshold) ++above;
    r.daysAbove[y] = static_cast<float>(above);
  }
  return r;
}

}  // namespace

void ComputeLowDurationIndices(EngineContext& ctx, const PulseDurations& durations,
                               const WindowExtremes& windows) {
  IndexResults& out = ctx.results;
  const int n = ctx.years;

  std::array<SummaryStats, 5> stats{};
  for (int i = 0; i < 5; ++i) {
    out[DL(1 + i)] = SeriesY(ctx, windows.min[i], n, Central::MedianOption, &stats[i]);
    if (i % 2 == 0) ctx.Progress(progress::kDl1 + i / 2);  // DL1, DL3, DL5
  }
  for (int i = 0; i < 5; ++i) out[DL(6 + i)] = FormV(stats[i].stdDev, stats[i].mean);
  ctx.Progress(progress::kDl10);

  PerYear copy = windows.min[k1Day];
  out[DL(11)] = FormR(ctx, copy.data(), n);
  copy = windows.min[k7Day];
  out[DL(12)] = FormR(ctx, copy.data(), n);
  copy = windows.min[k30Day];
  out[DL(13)] = FormR(ctx, copy.data(), n);
  ctx.Progress(progress::kDl13);

  SortValues(0, ctx.flowList.data(), ctx.flowCount);
  out[DL(14)] = ExceedanceOverMedian(ctx, 0.75f);
  out[DL(15)] = ExceedanceOverMedian(ctx, 0.90f);
  ctx.Progress(progress::kDl15);

  // Low-pulse durations of FL1, only the years that had a low pulse; the median in any case.
  PerYear kept{};
  const int m = KeepPositive(durations.lowPulse, n, kept);
  SummaryStats pulseStats;
  out[DL(16)] = SeriesY(ctx, kept, m, Central::Median, &pulseStats);
  out[DL(17)] = FormV(pulseStats.stdDev, pulseStats.mean);
  ctx.Progress(progress::kDl17);

  PerYear zeroDays{};
  for (int y = 0; y < n; ++y) zeroDays[y] = static_cast<float>(ZeroFlowDays(ctx.flows[y]));
  SummaryStats zeroStats;
  out[DL(18)] = SeriesY(ctx, zeroDays, n, Central::MedianOption, &zeroStats);
  out[DL(19)] = FormV(zeroStats.stdDev, zeroStats.mean);
  ctx.Progress(progress::kDl19);

  out[DL(20)] =
      FormS(n > 0 ? 100.0f * static_cast<float>(ctx.zeroSumMonthYears) / static_cast<float>(12 * n) : 0.0f);
  ctx.Progress(progress::kDl20);
}

void ComputeHighDurationIndices(EngineContext& ctx, const PulseDurations& durations,
                                const WindowExtremes& windows) {
  IndexResults& out = ctx.results;
  const int n = ctx.years;

  std::array<SummaryStats, 5> stats{};
  for (int i = 0; i < 5; ++i)
    out[DH(1 + i)] = SeriesY(ctx, windows.max[i], n, Central::MedianOption, &stats[i]);
  ctx.Progress(progress::kDh5);
  for (int i = 0; i < 5; ++i) out[DH(6 + i)] = FormV(stats[i].stdDev, stats[i].mean);
  ctx.Progress(progress::kDh10);

  PerYear copy = windows.max[k1Day];
  out[DH(11)] = FormR(ctx, copy.data(), n);
  copy = windows.max[k7Day];
  out[DH(12)] = FormR(ctx, copy.data(), n);
  copy = windows.max[k30Day];
  out[DH(13)] = FormR(ctx, copy.data(), n);
  ctx.Progress(progress::kDh13);

  out[DH(14)] = MonthlyMeanExceedance(ctx);
  ctx.Progress(progress::kDh14);

  // High-pulse durations of FH1, only the years that had a high pulse; the median in any case.
  PerYear kept{};
  const int m = KeepPositive(durations.highPulse, n, kept);
  SummaryStats pulseStats;
  out[DH(15)] = SeriesY(ctx, kept, m, Central::Median, &pulseStats);
  out[DH(16)] = FormV(pulseStats.stdDev, pulseStats.mean);
  ctx.Progress(progress::kDh16);

  // The events above 1, 3 and 7 times the record median, as FH5-FH7 counted them.
  out[DH(17)] = MeanDuration(ctx, durations.aboveMedian);
  out[DH(18)] = MeanDuration(ctx, durations.aboveThreeMedians);
  out[DH(19)] = MeanDuration(ctx, durations.aboveSevenMedians);
  ctx.Progress(progress::kDh19);

  // Percentiles again, so the list goes back to ascending (and the timing group finds it so).
  // Ascending, it is the list FH1 took its threshold from: DH20's events are FH1's high pulses.
  SortValues(1, ctx.flowList.data(), ctx.flowCount);
  out[DH(20)] = MeanDuration(ctx, durations.highPulse);
  out[DH(21)] = MeanDurationAbove(ctx, FlowListPercentile(ctx, 0.25f));
  ctx.Progress(progress::kDh21);

  if (!HasFloodThreshold(ctx)) {
    out[DH(22)] = NotComputed();
    out[DH(23)] = NotComputed();
    out[DH(24)] = NotComputed();
    ctx.Progress(progress::kDh24);
    return;
  }
  const FloodFreeRuns runs = RunsBelowThreshold(ctx, ctx.threshold167);
  out[DH(22)] = SeriesY(ctx, runs.medianRun, n, Central::MedianOption);
  ctx.Progress(progress::kDh22);
  const int wet = KeepPositive(runs.daysAbove, n, kept);
  out[DH(23)] = SeriesY(ctx, kept, wet, Central::MedianOption);
  ctx.Progress(progress::kDh23);
  out[DH(24)] = SeriesY(ctx, runs.longestRun, n, Central::MedianOption);
  ctx.Progress(progress::kDh24);
}

}  // namespace zelvo
