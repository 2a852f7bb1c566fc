#pragma once
// Pieces shared by the frequency indices (FL, FH) and the duration indices (DL, DH): per-year
// pulse counts and durations, moving-window extremes, and the two per-year side series that the
// pulse counts leave for the durations.

#include <array>
#include <vector>

#include "common/engine/EngineContext.h"
#include "common/engine/Events.h"

namespace zelvo {

// One number per water year for the events of one condition.
struct PulseSeries {
  PerYear events{};        // events started in the year
  PerYear days{};          // valid days of the year meeting the condition
  PerYear meanDuration{};  // days / events, 0 for a year without an event
};

template <typename Condition>
PulseSeries ScanPulses(const EngineContext& ctx, Condition inEvent) {
  // Counts the events of ScanEvents without listing them: an event starts on a valid day that
  // meets the condition when the previous valid day of the year did not; missing days change
  // nothing. Written without branches on the flows.
  PulseSeries s;
  for (int y = 0; y < ctx.years; ++y) {
    int count = 0;
    int days = 0;
    int open = 0;
    for (float f : ctx.flows[y]) {
      const int valid = EngineContext::Valid(f) ? 1 : 0;
      const int in = valid & (inEvent(f) ? 1 : 0);
      count += in & (open ^ 1);
      days += in;
      open = valid ? in : open;
    }
    s.events[y] = static_cast<float>(count);
    s.days[y] = static_cast<float>(days);
    s.meanDuration[y] = count > 0 ? static_cast<float>(days) / static_cast<float>(count) : 0.0f;
  }
  return s;
}

// High pulses: flow strictly above the threshold.
inline PulseSeries PulsesAbove(const EngineContext& ctx, float threshold) {
  return ScanPulses(ctx, [threshold](float f) { return f > threshold; });
}
// Low pulses: flow strictly below the threshold.
inline PulseSeries PulsesBelow(const EngineContext& ctx, float threshold) {
  return ScanPulses(ctx, [threshold](float f) { return f < threshold; });
}

// Up to kPulseLanes scans in one pass over the record, each exactly as PulsesAbove (above[k]
// true) or PulsesBelow (false) at thresholds[k] would give it; out[k] receives scan k.
inline constexpr int kPulseLanes = 16;
void ScanPulseLanes(const EngineContext& ctx, const float* thresholds, const bool* above, int lanes,
                    PulseSeries* const* out);

// PercentileValue at p over the shared list of positive flows, in the order it is in now.
inline float FlowListPercentile(const EngineContext& ctx, float p) {
  return PercentileValue(p, ctx.flowCount, ctx.flowList.data());
}

// Form Y on a copy of a per-year series (the copy is what ComputeSummaryStats sorts).
inline IndexResult SeriesY(const EngineContext& ctx, PerYear values, int n, Central central,
                           SummaryStats* stats = nullptr) {
  return FormY(ctx, values.data(), n, central, stats);
}

// Copies the entries > 0 of values[0..n) to `kept` in year order; returns their number.
int KeepPositive(const PerYear& values, int n, PerYear& kept);

// Days of one year whose flow is 0 (DL18).
int ZeroFlowDays(const YearFlows& year);

// The per-year side series the pulse counts of FL1 and FH1 keep for DL16/DL17 and DH15/DH16.
struct PulseDurations {
  PerYear lowPulse{};   // mean duration of the year's low pulses (FL1)
  PerYear highPulse{};  // mean duration of the year's high pulses (FH1); DH20 takes the same
  // Mean durations of the events above 1, 3 and 7 times the record median (FH5-FH7), which
  // DH17-DH19 average: one scan of the flows serves both.
  PerYear aboveMedian{};
  PerYear aboveThreeMedians{};
  PerYear aboveSevenMedians{};
};

// True when the peak-based rows can be computed: the run has peak pairs and a fitted line.
inline bool HasFloodThreshold(const EngineContext& ctx) { return ctx.peaks && ctx.haveLine; }

// The groups, in catalogue order.
void ComputeFrequencyIndices(EngineContext& ctx, PulseDurations& durations);  // FL1 .. FH11
void ComputeLowDurationIndices(EngineContext& ctx, const PulseDurations& durations,
                               const WindowExtremes& windows);  // DL1 .. DL20
void ComputeHighDurationIndices(EngineContext& ctx, const PulseDurations& durations,
                                const WindowExtremes& windows);  // DH1 .. DH24

}  // namespace zelvo
