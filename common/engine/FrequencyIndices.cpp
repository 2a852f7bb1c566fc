// FL1 .. FH11: how often the flow falls into low pulses and rises into high pulses and floods.
// Pulse thresholds are taken on the shared list of positive flows, so zero-flow days never pull
// a threshold down: FL1 and FH1 read it ascending as it arrives, FH8 and FH9 sort it descending
// and read exceedance values from it.

#include <iterator>

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

  // Every threshold first, in the order the list is read and sorted; then one pass over the
  // record counts the pulses of all of them.
  PulseSeries low, lowest, high, above1, above3, above7, fh8, fh9, fh10, fh11;
  const bool flood = HasFloodThreshold(ctx);
  // Low pulses below the 25th percentile of the positive flows (list ascending from MH27).
  const float lowThreshold = FlowListPercentile(ctx, 0.25f);
  const float lowestThreshold = 0.05f * ctx.recordMean;
  // High pulses above the 75th percentile of the positive flows.
  const float highThreshold = FlowListPercentile(ctx, 0.75f);
  // FH3/FH4 count days above 3 and 7 times the record median, FH6/FH7 the events they form.
  const float threeMedians = 3.0f * median;
  const float sevenMedians = 7.0f * median;
  // Exceedance values: the list sorted descending, so p is the share of positive days above.
  SortValues(0, ctx.flowList.data(), ctx.flowCount);
  const float fh8Threshold = FlowListPercentile(ctx, 0.25f);
  const float fh9Threshold = FlowListPercentile(ctx, 0.75f);
  PerYear annualMin = ctx.annualMin;
  const float medianAnnualMin = ComputeSummaryStats(ctx.years, annualMin.data()).median;
  // Floods above the 1.67-year threshold of the fitted peak-flow line.
  const float floodThreshold = ctx.threshold167;
  {
    const float thresholds[] = {lowThreshold,    lowestThreshold, highThreshold, median,
                                threeMedians,    sevenMedians,    fh8Threshold,  fh9Threshold,
                                medianAnnualMin, floodThreshold};
    const bool above[] = {false, false, true, true, true, true, true, true, true, true};
    PulseSeries* const series[] = {&low, &lowest, &high, &above1, &above3, &above7, &fh8, &fh9, &fh10, &fh11};
    static_assert(std::size(thresholds) <= kPulseLanes);
    ScanPulseLanes(ctx, thresholds, above, flood ? 10 : 9, series);
  }

  durations.lowPulse = low.meanDuration;
  SummaryStats lowCounts;
  out[FL(1)] = EventCounts(ctx, low, &lowCounts);
  out[FL(2)] = CountVariability(ctx, lowCounts);
  out[FL(3)] = EventCounts(ctx, lowest);
  ctx.Progress(progress::kFl3);

  durations.highPulse = high.meanDuration;
  SummaryStats highCounts;
  out[FH(1)] = EventCounts(ctx, high, &highCounts);
  out[FH(2)] = CountVariability(ctx, highCounts);

  durations.aboveMedian = above1.meanDuration;
  durations.aboveThreeMedians = above3.meanDuration;
  durations.aboveSevenMedians = above7.meanDuration;
  out[FH(3)] = SeriesY(ctx, above3.days, ctx.years, Central::MedianOption);
  out[FH(4)] = SeriesY(ctx, above7.days, ctx.years, Central::MedianOption);
  ctx.Progress(progress::kFh4);
  out[FH(5)] = EventCounts(ctx, above1);
  out[FH(6)] = EventCounts(ctx, above3);
  out[FH(7)] = EventCounts(ctx, above7);

  out[FH(8)] = EventCounts(ctx, fh8);
  out[FH(9)] = EventCounts(ctx, fh9);
  ctx.Progress(progress::kFh9);

  out[FH(10)] = EventCounts(ctx, fh10);
  out[FH(11)] = flood ? EventCounts(ctx, fh11) : NotComputed();
  ctx.Progress(progress::kFh11);
}

}  // namespace zelvo
