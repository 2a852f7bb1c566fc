// MA3-MA45: average flow conditions, their spread over the record, the monthly means and their
// variability, and the spread of the monthly and annual means.

#include <cmath>

#include "common/engine/MagnitudeShared.h"

namespace zelvo::magnitude {
namespace {

// MA3: variability of the daily flows within each year, relative to the record mean.
void ComputeWithinYearSpread(EngineContext& ctx, const YearSummaries& ys) {
  PerYear spreads = ys.spread;  // a year without valid days contributes 0
  IndexResult r = FormY(ctx, spreads.data(), ctx.years, Central::Mean);
  if (ctx.recordMean == 0.0f) {
    r = NotComputed();
  } else {
    const float mean = ctx.recordMean;
    Rescale(ctx, r, [mean](float x) { return 100.0f * x / mean; });
  }
  ctx.results[MA(3)] = r;
}

// MA4-MA11: the spread of the daily flow duration curve. Each sorts the shared flow list in
// place before taking its percentiles.
void ComputeDurationSpread(EngineContext& ctx) {
  float* list = ctx.flowList.data();
  const int n = ctx.flowCount;

  SortValues(1, list, n);
  float points[19];
  for (int i = 1; i <= 19; ++i) points[i - 1] = PercentileValue(static_cast<float>(i) / 20.0f, n, list);
  const SummaryStats s = ComputeSummaryStats(19, points);
  ctx.results[MA(4)] = FormV(s.stdDev, s.mean);
  ctx.Progress(progress::kMa4);

  ctx.results[MA(5)] = Ratio(ctx.recordMean, ctx.recordMedian);
  ctx.Progress(progress::kMa5);

  // Descending: the percentile at p is the flow exceeded p of the time.
  SortValues(0, list, n);
  ctx.results[MA(6)] = Ratio(PercentileValue(0.10f, n, list), PercentileValue(0.90f, n, list));
  ctx.results[MA(7)] = Ratio(PercentileValue(0.20f, n, list), PercentileValue(0.80f, n, list));
  ctx.results[MA(8)] = Ratio(PercentileValue(0.25f, n, list), PercentileValue(0.75f, n, list));
  ctx.Progress(progress::kMa8);

  SortValues(1, list, n);
  const float median = ctx.recordMedian;
  ctx.results[MA(9)] = Ratio(PercentileValue(0.90f, n, list) - PercentileValue(0.10f, n, list), median);
  ctx.Progress(progress::kMa9);
  ctx.results[MA(10)] = Ratio(PercentileValue(0.80f, n, list) - PercentileValue(0.20f, n, list), median);
  ctx.results[MA(11)] = Ratio(PercentileValue(0.75f, n, list) - PercentileValue(0.25f, n, list), median);
  ctx.Progress(progress::kMa11);
}

// MA12-MA35: per calendar month the mean of the per-year monthly means and of the per-year
// coefficients of variation. Two progress steps per month, rising evenly from kMa11 to kMa35.
int MonthlyMeanStep(int step) { return progress::kMa11 + step * (progress::kMa35 - progress::kMa11) / 24; }

void ComputeMonthlyMeans(EngineContext& ctx) {
  float* days = ctx.scratchA.data();
  PerYear means{};
  PerYear cvs{};
  for (int k = 0; k < 12; ++k) {
    const int m = TableMonth(k);
    for (int y = 0; y < ctx.years; ++y) {
      const int count = CollectValid(ctx.flows[y], kMonthStart[m], kMonthEnd[m], days);
      float sum = 0.0f;
      for (int i = 0; i < count; ++i) sum += days[i];
      means[y] = count > 0 ? sum / static_cast<float>(count) : 0.0f;
      const SummaryStats s = ComputeMoments(count, days);  // no median needed: no sort
      cvs[y] = s.mean == 0.0f ? 0.0f : SpreadOf(s, count) * 100.0f / s.mean;
    }
    ctx.results[MA(12 + k)] = FormY(ctx, means.data(), ctx.years, Central::MedianOption);
    ctx.Progress(MonthlyMeanStep(2 * k + 1));
    ctx.results[MA(24 + k)] = FormY(ctx, cvs.data(), ctx.years, Central::MedianOption);
    ctx.Progress(MonthlyMeanStep(2 * k + 2));
  }
}

// MA36-MA40: spread of the pool of monthly means. A month without valid days has no mean (its
// table entry is NaN) and is left out of the pool, so the pool holds only real monthly means.
// The pool is gathered month by month (October first), year by year within a month.
void ComputeMonthlyMeanPool(EngineContext& ctx) {
  float* pool = ctx.scratchA.data();
  int n = 0;
  float largest = kMaximumSeed;
  float smallest = kMinimumSeed;
  for (int m = 0; m < 12; ++m)
    for (int y = 0; y < ctx.years; ++y) {
      const float v = ctx.monthMeanTable[m][y];
      if (std::isnan(v)) continue;
      pool[n++] = v;
      if (v > largest) largest = v;
      if (v < smallest) smallest = v;
    }
  const SummaryStats s = ComputeSummaryStats(n, pool);  // leaves the pool ascending
  const float median = s.median;
  ctx.results[MA(36)] = Ratio(largest - smallest, median);
  ctx.results[MA(37)] = Ratio(PercentileValue(0.75f, n, pool) - PercentileValue(0.25f, n, pool), median);
  ctx.results[MA(38)] = Ratio(PercentileValue(0.90f, n, pool) - PercentileValue(0.10f, n, pool), median);
  ctx.results[MA(39)] = Variability(s, n);
  ctx.results[MA(40)] = Ratio(s.mean - median, median);
  ctx.Progress(progress::kMa40);
}

// MA41-MA45: the annual means, per unit of drainage area and in their spread.
void ComputeAnnualMeans(EngineContext& ctx, const YearSummaries& ys) {
  PerYear means = ys.mean;  // 0 for a year without valid days
  const int n = ctx.years;
  float largest = kMaximumSeed;
  float smallest = kMinimumSeed;
  for (int y = 0; y < n; ++y) {
    if (means[y] > largest) largest = means[y];
    if (means[y] < smallest) smallest = means[y];
  }
  SummaryStats s;
  IndexResult ma41 = FormY(ctx, means.data(), n, Central::Mean, &s);  // leaves means ascending
  const float area = ctx.drainageArea;
  Rescale(ctx, ma41, [area](float x) { return x / area; });
  ctx.results[MA(41)] = ma41;

  const float median = s.median;
  ctx.results[MA(42)] = Ratio(largest - smallest, median);
  ctx.results[MA(43)] =
      Ratio(PercentileValue(0.75f, n, means.data()) - PercentileValue(0.25f, n, means.data()), median);
  ctx.results[MA(44)] =
      Ratio(PercentileValue(0.90f, n, means.data()) - PercentileValue(0.10f, n, means.data()), median);
  ctx.results[MA(45)] = Ratio(s.mean - median, median);
  ctx.Progress(progress::kMa45);
}

}  // namespace

void ComputeAverageIndices(EngineContext& ctx, const YearSummaries& years) {
  ComputeWithinYearSpread(ctx, years);
  ComputeDurationSpread(ctx);
  ComputeMonthlyMeans(ctx);
  ComputeMonthlyMeanPool(ctx);
  ComputeAnnualMeans(ctx, years);
}

}  // namespace zelvo::magnitude
