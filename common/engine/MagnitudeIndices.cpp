// MA3-MH27: how much water flows. The three groups run in catalogue order on one context; the
// helpers here are the pieces they share.

#include "common/engine/EngineContext.h"
#include "common/engine/MagnitudeShared.h"

namespace zelvo {
namespace magnitude {

int CollectValid(const YearFlows& year, int begin, int end, float* out) {
  int n = 0;
  for (int s = begin; s < end; ++s)
    if (EngineContext::Valid(year[s])) out[n++] = year[s];
  return n;
}

YearSummaries SummariseYears(EngineContext& ctx) {
  YearSummaries ys;
  float* days = ctx.scratchA.data();
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    float sum = 0.0f;
    int count = 0;
    for (float f : year) {
      if (!EngineContext::Valid(f)) continue;
      days[count++] = f;
      sum += f;
    }
    const SummaryStats s = ComputeSummaryStats(count, days);
    ys.count[y] = count;
    ys.mean[y] = s.mean;
    ys.median[y] = s.median;
    ys.spread[y] = SpreadOf(s, count);
    // A year without valid days has no mean (0/0); it counts as a mean of 0, so every ratio
    // divided by it falls back to 0.
    ys.plainMean[y] = count > 0 ? sum / static_cast<float>(count) : 0.0f;
  }
  return ys;
}

IndexResult Variability(const SummaryStats& s, int count) {
  if (count < 2) return NotComputed();
  return FormV(s.stdDev, s.mean);
}

IndexResult Ratio(float numerator, float divisor) {
  if (divisor == 0.0f) return NotComputed();
  return FormS(numerator / divisor);
}

void Rescale(const EngineContext& ctx, IndexResult& r, const std::function<float(float)>& scale) {
  r.value = scale(r.value);
  if (ctx.classifier) return;
  r.lower = scale(r.lower);
  r.upper = scale(r.upper);
}

}  // namespace magnitude

void ComputeMagnitudeIndices(EngineContext& ctx) {
  const magnitude::YearSummaries years = magnitude::SummariseYears(ctx);
  magnitude::ComputeAverageIndices(ctx, years);
  magnitude::ComputeLowIndices(ctx, years);
  magnitude::ComputeHighIndices(ctx, years);
}

}  // namespace zelvo
