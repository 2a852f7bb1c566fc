#pragma once
// What the three magnitude groups (average, low and high flows) share: the per-year summaries
// of the valid days, the month order of the monthly indices, and the small result forms that
// only these groups use.

#include <array>
#include <functional>

#include "common/engine/EngineContext.h"
#include "common/engine/WaterYear.h"

namespace zelvo::magnitude {

// Table month (0 = October .. 11 = September) of the k-th calendar month, k = 0 January.
constexpr int TableMonth(int k) { return (k + 3) % 12; }

// One water year's valid days, summarised once for MA3, MA41, ML14-ML17, ML19 and MH14.
struct YearSummaries {
  PerYear mean{};       // ComputeSummaryStats mean; 0 for a year without valid days
  PerYear median{};     // ComputeSummaryStats median; 0 likewise
  PerYear spread{};     // sample standard deviation; 0 for fewer than two valid days
  PerYear plainMean{};  // float32 valid-day sum / count; 0 for a year without valid days
  std::array<int, kMaxYears> count{};
};

YearSummaries SummariseYears(EngineContext& ctx);

// Copies the valid days of slots [begin, end) of one year to `out`; returns their number.
int CollectValid(const YearFlows& year, int begin, int end, float* out);

// The standard deviation of a sample of `count` values. One value has no spread: where a
// per-year or per-month series meets a single valid day it counts 0, not the 0/0 the plain
// formula gives.
inline float SpreadOf(const SummaryStats& s, int count) { return count < 2 ? 0.0f : s.stdDev; }

// Whole-record variability 100 x stdDev / mean. Not computed when the mean is 0, and also when
// fewer than two values exist: a single value has no standard deviation.
IndexResult Variability(const SummaryStats& s, int count);

// numerator / divisor as a single value, not computed when the divisor is 0.
IndexResult Ratio(float numerator, float divisor);

// Applies `scale` to the value and to both limits (the limits only when the run has any).
void Rescale(const EngineContext& ctx, IndexResult& r, const std::function<float(float)>& scale);

// The smallest 7-day mean of one year (kMinimumSeed for a year without valid days).
float SmallestSevenDayMean(const YearFlows& year);
// ML17's per-year value: the 7-day minimum over the year's plain mean; 0 when that mean is 0.
float SevenDayMinimumRatio(const YearFlows& year, float plainMean);

// The base-flow ratio of ML20 over flows[0..n) (the positive valid days in record order);
// kMissing when it cannot be computed.
float BaseFlowRatio(const float* flows, int n);

void ComputeAverageIndices(EngineContext& ctx, const YearSummaries& years);  // MA3 .. MA45
void ComputeLowIndices(EngineContext& ctx, const YearSummaries& years);      // ML1 .. ML22
void ComputeHighIndices(EngineContext& ctx, const YearSummaries& years);     // MH1 .. MH27

}  // namespace zelvo::magnitude
