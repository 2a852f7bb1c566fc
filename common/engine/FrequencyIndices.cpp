// FL1 .. FH11: how often the flow falls into low pulses and rises into high pulses and floods.
// Pulse thresholds are taken on the shared list of positive flows, so zero-flow days never pull
// a threshold down: FL1 and FH1 read it ascending as it arrives, FH8 and FH9 sort it descending
// and read exceedance values from it.

#include "common/engine/FrequencyDuration.h"

namespace zelvo {
namespace {

// Events per year as a Y row (the central value follows the median option).
IndexResult EventCounts(const EngineContext& ctx, const PulseSeries& pulses, SummaryStats* stats = nullptr) {
  return SeriesY(ctx, pulses.events, ctx.years, Central::MedianOption, stats);
}

// The V row of a pulse count: the divisor is the central value of the counts themselves, so the
// median under the median option (and always the mean in classifier mode, which has no option).
IndexResult CountVariability(const EngineContext& ctx, const SummaryStats& counts) {
  const float divisor = ctx.UseMedian(Central::MedianOption) ? counts.median : counts.mean;
  return FormV(counts.stdDev, divisor);
}

}  // namespace

void ComputeFrequencyIndices(EngineContext& ctx, PulseDurations& durations) {
  IndexResults& out = ctx.results;
  const float median = ctx.recordMedian;

  // Low pulses below the 25th percentile of the positive flows (list ascending from MH27).
  const PulseSeries low = PulsesBelow(ctx, FlowListPercentile(ctx, 0.25f));
  durations.lowPulse = low.meanDuration;
  SummaryStats lowCounts;
  out[FL(1)] = EventCounts(ctx, low, &lowCounts);
  out[FL(2)] = CountVariability(ctx, lowCounts);
  out[FL(3)] = EventCounts(ctx, PulsesBelow(ctx, 0.05f * ctx.recordMean));
  ctx.Progress(progress::kFl3);

  // High pulses above the 75th percentile of the positive flows.
  const PulseSeries high = PulsesAbove(ctx, FlowListPercentile(ctx, 0.75f));
  durations.highPulse = high.meanDuration;
  SummaryStats highCounts;
  out[FH(1)] = EventCounts(ctx, high, &highCounts);
  out[FH(2)] = CountVariability(ctx, highCounts);

  // FH3/FH4 count days above 3 and 7 times the record median, FH6/FH7 the events they form.
  const PulseSeries above1 = PulsesAbove(ctx, median);
  const PulseSeries above3 = PulsesAbove(ctx, 3.0f * median);
  const PulseSeries above7 = PulsesAbove(ctx, 7.0f * median);
  durations.aboveMedian = above1.meanDuration;
  durations.aboveThreeMedians = above3.meanDuration;
  durations.aboveSevenMedians = above7.meanDuration;
  out[FH(3)] = SeriesY(ctx, above3.days, ctx.years, Central::MedianOption);
  out[FH(4)] = SeriesY(ctx, above7.days, ctx.years, Central::MedianOption);
  ctx.Progress(progress::kFh4);
  out[FH(5)] = EventCounts(ctx, above1);
  out[FH(6)] = EventCounts(ctx, above3);
  out[FH(7)] = EventCounts(ctx, above7);

  // Exceedance values: the list sorted descending, so p is the share of positive days above.
  SortValues(0, ctx.flowList.data(), ctx.flowCount);
  out[FH(8)] = EventCounts(ctx, PulsesAbove(ctx, FlowListPercentile(ctx, 0.25f)));
  out[FH(9)] = EventCounts(ctx, PulsesAbove(ctx, FlowListPercentile(ctx, 0.75f)));
  ctx.Progress(progress::kFh9);

  PerYear annualMin = ctx.annualMin;
  const float medianAnnualMin = ComputeSummaryStats(ctx.years, annualMin.data()).median;
  out[FH(10)] = EventCounts(ctx, PulsesAbove(ctx, medianAnnualMin));

  // Floods above the 1.67-year threshold of the fitted peak-flow line.
  out[FH(11)] = HasFloodThreshold(ctx) ? EventCounts(ctx, PulsesAbove(ctx, ctx.threshold167)) : NotComputed();
  ctx.Progress(progress::kFh11);
}

}  // namespace zelvo
