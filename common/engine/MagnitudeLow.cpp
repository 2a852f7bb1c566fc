// ML1-ML22: low flows. Monthly and annual minima, the 7-day minimum, and the base-flow ratio.

#include <algorithm>
#include <vector>

#include "common/engine/MagnitudeShared.h"

namespace zelvo::magnitude {
namespace {

// ML1-ML12 (and MH1-MH12 through the same shape): one calendar month of a month-by-year table.
void ComputeMonthlyMinima(EngineContext& ctx) {
  PerYear values{};
  for (int k = 0; k < 12; ++k) {
    values = ctx.monthMin[TableMonth(k)];  // a month without valid days keeps kMinimumSeed
    ctx.results[ML(1 + k)] = FormY(ctx, values.data(), ctx.years, Central::MedianOption);
    if (k == 5) ctx.Progress(progress::kMl6);
  }
  ctx.Progress(progress::kMl12);
}

// ML13: variability of the pool of all monthly minima, seeds included, gathered month by month
// (October first), year by year within a month.
void ComputeMinimumPool(EngineContext& ctx) {
  float* pool = ctx.scratchA.data();
  int n = 0;
  for (int m = 0; m < 12; ++m)
    for (int y = 0; y < ctx.years; ++y) pool[n++] = ctx.monthMin[m][y];
  ctx.results[ML(13)] = Variability(ComputeSummaryStats(n, pool), n);
}

// ML14-ML16: annual minimum over the annual median and over the annual mean.
void ComputeMinimumRatios(EngineContext& ctx, const YearSummaries& ys) {
  PerYear byMedian{};
  PerYear byMean{};
  for (int y = 0; y < ctx.years; ++y) {
    byMedian[y] = ys.median[y] == 0.0f ? 0.0f : ctx.annualMin[y] / ys.median[y];
    byMean[y] = ys.mean[y] == 0.0f ? 0.0f : ctx.annualMin[y] / ys.mean[y];
  }
  ctx.results[ML(14)] = FormY(ctx, byMedian.data(), ctx.years, Central::Mean);
  ctx.results[ML(15)] = FormY(ctx, byMean.data(), ctx.years, Central::MedianOption);
  // Same per-year ratios as ML14, already sorted: the limits come out identical to ML14's.
  ctx.results[ML(16)] = FormY(ctx, byMedian.data(), ctx.years, Central::Median);
  ctx.Progress(progress::kMl16);
}

// ML17-ML19: 7-day minimum and annual minimum relative to the annual mean (valid-day sum over
// count; 0 for a year without valid days, which makes the ratio 0).
void ComputeSevenDayRatios(EngineContext& ctx, const YearSummaries& ys) {
  PerYear ratios{};
  PerYear minimumRatios{};
  for (int y = 0; y < ctx.years; ++y) {
    const float mean = ys.plainMean[y];
    // The smallest 7-day mean is the window extreme the context holds (the same sums).
    ratios[y] = mean == 0.0f ? 0.0f : ctx.windows.min[kSevenDayWindow][y] / mean;
    minimumRatios[y] = mean == 0.0f ? 0.0f : ctx.annualMin[y] / mean;
  }
  SummaryStats s;
  ctx.results[ML(17)] = FormY(ctx, ratios.data(), ctx.years, Central::MedianOption, &s);
  ctx.results[ML(18)] = Variability(s, ctx.years);

  IndexResult ml19 = FormY(ctx, minimumRatios.data(), ctx.years, Central::MedianOption);
  Rescale(ctx, ml19, [](float x) { return 100.0f * x; });
  ctx.results[ML(19)] = ml19;
}

// ML20: refills the shared flow list with the positive valid days, in record order.
void ComputeBaseFlow(EngineContext& ctx) {
  // The list still holds every valid day ascending (MA9 left it so). MH15 wants the positive
  // days descending: they are the tail of this list, reversed, so it is kept for MH15.
  std::copy(ctx.flowList.begin(), ctx.flowList.begin() + ctx.flowCount, ctx.scratchB.begin());
  ctx.sortedValidCount = ctx.flowCount;
  RefillPositiveFlows(ctx);
  const float ratio = BaseFlowRatio(ctx.flowList.data(), ctx.flowCount);
  ctx.results[ML(20)] = ratio == kMissing ? NotComputed() : FormS(ratio);
  ctx.Progress(progress::kMl20);
}

// ML21, ML22: the annual minima (kMinimumSeed for a year without valid days).
void ComputeAnnualMinima(EngineContext& ctx) {
  PerYear minima = ctx.annualMin;
  SummaryStats s;
  IndexResult ml22 = FormY(ctx, minima.data(), ctx.years, Central::MedianOption, &s);
  ctx.results[ML(21)] = Variability(s, ctx.years);
  ctx.Progress(progress::kMl21);
  const float area = ctx.drainageArea;
  Rescale(ctx, ml22, [area](float x) { return x / area; });
  ctx.results[ML(22)] = ml22;
  ctx.Progress(progress::kMl22);
}

}  // namespace

// The smallest mean of 7 consecutive slots in one year: 360 windows, the last one ending on the
// final slot. A window without any valid day has no mean (0/0) and takes no part in the
// minimum; a year without valid days keeps the seed, and its ratio falls back to 0 anyway.
float SmallestSevenDayMean(const YearFlows& year) {
  float smallest = kMinimumSeed;
  for (int start = 0; start < 360; ++start) {
    float sum = 0.0f;
    int count = 0;
    for (int s = start; s < start + 7; ++s) {
      if (!EngineContext::Valid(year[s])) continue;
      sum += year[s];
      ++count;
    }
    if (count == 0) continue;
    const float mean = sum / static_cast<float>(count);
    if (mean < smallest) smallest = mean;
  }
  return smallest;
}

float SevenDayMinimumRatio(const YearFlows& year, float plainMean) {
  return plainMean == 0.0f ? 0.0f : SmallestSevenDayMean(year) / plainMean;
}

float BaseFlowRatio(const float* flows, int n) {
  float total = 0.0f;
  for (int i = 0; i < n; ++i) total += flows[i];
  if (total == 0.0f) return kMissing;
  const int blocks = n / 5;
  // Fewer than two blocks of 5 days leave no neighbour to find a turning point by, and no last
  // block for the tail: the base flow is not defined, so the ratio is not computed.
  if (blocks < 2) return kMissing;

  // The smallest flow of each block, chosen without branches (the flows go up and down at
  // random, a branch on each comparison is mispredicted half the time).
  std::vector<float> minimum(blocks);
  for (int b = 0; b < blocks; ++b) {
    float smallest = kMinimumSeed;
    for (int i = 5 * b; i < 5 * b + 5; ++i) smallest = flows[i] < smallest ? flows[i] : smallest;
    minimum[b] = smallest;
  }

  // Turning points: a block whose neighbours both lie above 90 % of its minimum. The factor is
  // applied in double precision.
  const auto above = [&](int neighbour, int b) {
    return static_cast<double>(minimum[neighbour]) > 0.9 * static_cast<double>(minimum[b]);
  };
  std::vector<float> base(blocks, 0.0f);
  const int last = blocks - 1;
  if (above(1, 0)) base[0] = minimum[0];
  if (above(last - 1, last)) base[last] = minimum[last];
  for (int b = 1; b < last; ++b)
    if (above(b - 1, b) && above(b + 1, b)) base[b] = minimum[b];

  // Leading fill: the blocks before the first turning point after block 0 take its value.
  for (int j = 1; j < blocks; ++j)
    if (base[j] > 0.0f) {
      for (int b = 0; b < j; ++b) base[b] = base[j];
      break;
    }
  // Trailing fill: the blocks after the last turning point before the final block take its value.
  for (int k = last - 1; k >= 0; --k)
    if (base[k] > 0.0f) {
      for (int b = k + 1; b < blocks; ++b) base[b] = base[k];
      break;
    }

  // Interpolation across every gap between two turning points, a gap of a single block
  // included: its end is recorded when the gap opens and moved on as it grows.
  int gapStart = 0;  // 0 = no open gap (block 0 is never in a gap after the leading fill)
  int gapEnd = 0;
  int gapLength = 0;
  for (int b = 0; b < blocks; ++b) {
    if (base[b] == 0.0f) {
      if (gapStart == 0) {
        gapStart = b;
        gapLength = 1;
      } else {
        ++gapLength;
      }
      gapEnd = b;
    } else if (gapStart != 0) {
      const float step = (base[b] - base[gapStart - 1]) / static_cast<float>(gapLength + 1);
      for (int g = gapStart; g <= gapEnd; ++g) base[g] = base[g - 1] + step;
      gapStart = 0;
    }
  }

  float sum = 0.0f;
  for (int b = 0; b < blocks; ++b) sum += base[b];
  const float baseFlow = 5.0f * sum + static_cast<float>(n - 5 * blocks) * base[last];
  return baseFlow / total;
}

void ComputeLowIndices(EngineContext& ctx, const YearSummaries& years) {
  ComputeMonthlyMinima(ctx);
  ComputeMinimumPool(ctx);
  ComputeMinimumRatios(ctx, years);
  ComputeSevenDayRatios(ctx, years);
  ComputeBaseFlow(ctx);
  ComputeAnnualMinima(ctx);
}

}  // namespace zelvo::magnitude
