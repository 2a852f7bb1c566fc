// MH1-MH27: high flows. Monthly and annual maxima, high percentiles of the positive flows, the
// skew of the log annual maxima, and the volume and peaks of high-flow events.

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/engine/Events.h"
#include "common/engine/MagnitudeShared.h"

namespace zelvo::magnitude {
namespace {

// MH1-MH13: monthly maxima (seed kMaximumSeed for a month without valid days) and their pool,
// gathered month by month (October first), year by year within a month.
void ComputeMonthlyMaxima(EngineContext& ctx) {
  PerYear values{};
  for (int k = 0; k < 12; ++k) {
    values = ctx.monthMax[TableMonth(k)];
    ctx.results[MH(1 + k)] = FormY(ctx, values.data(), ctx.years, Central::MedianOption);
  }
  float* pool = ctx.scratchA.data();
  int n = 0;
  for (int m = 0; m < 12; ++m)
    for (int y = 0; y < ctx.years; ++y) pool[n++] = ctx.monthMax[m][y];
  ctx.results[MH(13)] = Variability(ComputeSummaryStats(n, pool), n);
  ctx.Progress(progress::kMh13);
}

// MH14-MH17: annual maximum over annual median, and high exceedance flows of the positive days.
void ComputeHighRatios(EngineContext& ctx, const YearSummaries& ys) {
  PerYear ratios{};
  for (int y = 0; y < ctx.years; ++y)
    ratios[y] = ys.median[y] == 0.0f ? 0.0f : ctx.annualMax[y] / ys.median[y];
  ctx.results[MH(14)] = FormY(ctx, ratios.data(), ctx.years, Central::Median);

  // The shared list holds the positive valid days since ML20; descending, the percentile at p
  // is the flow exceeded p of the time.
  float* list = ctx.flowList.data();
  const int n = ctx.flowCount;
  // Sorted descending, the positive days are the positive tail of the ascending list of every
  // valid day that ML20 kept, reversed: the same list a sort gives (one fixed list for one set
  // of values), without sorting.
  const float* all = ctx.scratchB.data();
  const float* firstPositive = std::upper_bound(all, all + ctx.sortedValidCount, 0.0f);
  if (all + ctx.sortedValidCount - firstPositive == n)
    std::reverse_copy(firstPositive, all + ctx.sortedValidCount, list);
  else
    SortValues(0, list, n);
  ctx.results[MH(15)] = Ratio(PercentileValue(0.01f, n, list), ctx.recordMedian);
  ctx.results[MH(16)] = Ratio(PercentileValue(0.10f, n, list), ctx.recordMedian);
  ctx.results[MH(17)] = Ratio(PercentileValue(0.25f, n, list), ctx.recordMedian);
}

// MH18, MH19: variability and skew of log10 of the annual maxima. A year without valid days has
// no maximum (it keeps kMaximumSeed, which has no logarithm) and is left out of both; a
// maximum of 0 counts as log10(0.01) = -2.
void ComputeLogMaxima(EngineContext& ctx) {
  PerYear logs{};
  int n = 0;
  for (int y = 0; y < ctx.years; ++y) {
    const float peak = ctx.annualMax[y];
    if (peak < 0.0f) continue;
    logs[n++] = peak == 0.0f ? -2.0f : static_cast<float>(std::log10(static_cast<double>(peak)));
  }
  double s1 = 0.0, s2 = 0.0, s3 = 0.0;
  for (int i = 0; i < n; ++i) {
    const double l = logs[i];
    s1 += l;
    s2 += l * l;
    s3 += l * l * l;
  }
  const SummaryStats s = ComputeSummaryStats(n, logs.data());
  ctx.results[MH(18)] = Variability(s, n);
  ctx.Progress(progress::kMh18);

  // The sample skew divides by n - 2: with fewer than three years it is not defined.
  const float sd = s.stdDev;
  if (n < 3 || sd == 0.0f) {
    ctx.results[MH(19)] = NotComputed();
    return;
  }
  const float nf = static_cast<float>(n);
  const double numerator =
      static_cast<double>(nf * nf) * s3 - 3.0 * static_cast<double>(nf) * s1 * s2 + 2.0 * s1 * s1 * s1;
  const float denominator = sd * sd * sd * nf * (nf - 1.0f) * (nf - 2.0f);
  ctx.results[MH(19)] = FormS(static_cast<float>(numerator / static_cast<double>(denominator)));
}

// MH20: mean annual maximum per unit of drainage area.
void ComputeAnnualMaxima(EngineContext& ctx) {
  PerYear maxima = ctx.annualMax;
  IndexResult r = FormY(ctx, maxima.data(), ctx.years, Central::MedianOption);
  const float area = ctx.drainageArea;
  Rescale(ctx, r, [area](float x) { return x / area; });
  ctx.results[MH(20)] = r;
}

// The events above a threshold: per year with at least one event its count and its excess
// volume (MH21-MH23), and the peak of every event in record order (MH24-MH27).
struct EventsAbove {
  PerYear counts{};
  PerYear volumes{};
  int years = 0;  // years with an event
  std::vector<float> peaks;
};

EventsAbove ScanEventsAbove(const EngineContext& ctx, float threshold, bool volumes = true) {
  // The events of ScanEvents with "flow > threshold", kept as their peaks; the excess volume of a
  // year adds f - threshold over the same days in the same slot order.
  EventsAbove r;
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    const std::size_t before = r.peaks.size();
    float volume = 0.0f;
    bool open = false;
    for (const float f : year) {
      if (!EngineContext::Valid(f)) continue;
      if (f > threshold) {
        if (!open) r.peaks.push_back(f);
        open = true;
        float& peak = r.peaks.back();
        if (f > peak) peak = f;
        volume += f - threshold;
      } else {
        open = false;
      }
    }
    if (r.peaks.size() == before || !volumes) continue;
    r.counts[r.years] = static_cast<float>(r.peaks.size() - before);
    r.volumes[r.years] = volume;
    ++r.years;
  }
  return r;
}

// MH21-MH23: mean excess volume per event, relative to the record median. Only years with at
// least one event contribute, one count and one volume each.
IndexResult EventVolume(EngineContext& ctx, EventsAbove events) {
  const int m = events.years;
  const SummaryStats volumeStats = ComputeSummaryStats(m, events.volumes.data());
  const SummaryStats countStats = ComputeSummaryStats(m, events.counts.data());
  const float median = ctx.recordMedian;
  if (countStats.mean == 0.0f || median == 0.0f) return NotComputed();
  IndexResult r;
  r.value = (volumeStats.mean / countStats.mean) / median;
  if (!ctx.classifier) {
    const auto limit = [&](float p) {
      const float c = PercentileValue(p, m, events.counts.data());
      return c == 0.0f ? kMissing : (PercentileValue(p, m, events.volumes.data()) / c) / median;
    };
    r.lower = limit(ctx.lower);
    r.upper = limit(ctx.upper);
  }
  return r;
}

// MH24-MH27: mean peak of the events, relative to the record median.
IndexResult EventPeaks(EngineContext& ctx, std::vector<float> peaks) {
  // No event at all gives 0 for the value and both limits (0 / record median).
  return FormR(ctx, peaks.data(), static_cast<int>(peaks.size()));
}

void ComputeEvents(EngineContext& ctx) {
  const float median = ctx.recordMedian;
  // One scan of the flows per threshold serves the volume and the peak indices.
  const EventsAbove above1 = ScanEventsAbove(ctx, median);
  const EventsAbove above3 = ScanEventsAbove(ctx, 3.0f * median);
  const EventsAbove above7 = ScanEventsAbove(ctx, 7.0f * median);
  ctx.results[MH(21)] = EventVolume(ctx, above1);
  ctx.results[MH(22)] = EventVolume(ctx, above3);
  ctx.Progress(progress::kMh22);
  ctx.results[MH(23)] = EventVolume(ctx, above7);
  ctx.results[MH(24)] = EventPeaks(ctx, above1.peaks);
  ctx.results[MH(25)] = EventPeaks(ctx, above3.peaks);
  ctx.results[MH(26)] = EventPeaks(ctx, above7.peaks);

  // Ascending again: the groups after this one take their thresholds from this order.
  SortValues(1, ctx.flowList.data(), ctx.flowCount);
  const float threshold = PercentileValue(0.75f, ctx.flowCount, ctx.flowList.data());
  ctx.results[MH(27)] = EventPeaks(ctx, ScanEventsAbove(ctx, threshold, false).peaks);
  ctx.Progress(progress::kMh27);
}

}  // namespace

void ComputeHighIndices(EngineContext& ctx, const YearSummaries& years) {
  ComputeMonthlyMaxima(ctx);
  ComputeHighRatios(ctx, years);
  ComputeLogMaxima(ctx);
  ComputeAnnualMaxima(ctx);
  ComputeEvents(ctx);
}

}  // namespace zelvo::magnitude
