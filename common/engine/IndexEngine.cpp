#include "common/engine/IndexEngine.h"

#include <cmath>

#include "common/engine/EngineContext.h"
#include "common/engine/WaterYear.h"

namespace zelvo {

namespace {

// The record copy and the three work lists of the last run on this thread. A process that
// computes many records (the periods of a profile, a batch of stations) hands their memory to
// the next run instead of mapping and faulting in fresh pages each time; what is kept is the
// size of the largest record computed.
struct SpareLists {
  std::vector<YearFlows> flows;
  std::vector<float> flowList, scratchA, scratchB;
};
SpareLists& Spares() {
  thread_local SpareLists spares;
  return spares;
}

}  // namespace

EngineContext::EngineContext(const FlowRecord& record, const EngineOptions& options,
                             EngineProgress* progressSink)
    : progress(progressSink) {
  years = record.yearCount < 0 ? 0 : (record.yearCount > kMaxYears ? kMaxYears : record.yearCount);
  flows = std::move(Spares().flows);
  flows.assign(record.flows.begin(), record.flows.begin() + years);
  for (int y = 0; y < years; ++y) yearNumbers[y] = record.years[y];
  // Cleaning: a flow that is not >= 0 (negative, or not a number) is a missing day.
  for (auto& year : flows)
    for (float& f : year)
      if (!(f >= 0.0f)) f = kMissing;

  classifier = options.classifierMode;
  median = options.medianOption && !classifier;
  peaks = options.usePeaks && !classifier && record.peakCount > 0;
  peakCount = peaks ? (record.peakCount > kMaxPeaks ? kMaxPeaks : record.peakCount) : 0;
  peakFlows = record.peaks;
  peakDayFlows = record.peakDayFlows;
  lowerPercentile = options.lowerPercentile;
  upperPercentile = options.upperPercentile;
  lower = options.lowerPercentile / 100.0f;
  upper = options.upperPercentile / 100.0f;
  drainageArea = options.drainageArea;

  const std::size_t capacity = static_cast<std::size_t>(years) * kDaySlots;
  flowList = std::move(Spares().flowList);
  scratchA = std::move(Spares().scratchA);
  scratchB = std::move(Spares().scratchB);
  flowList.assign(capacity, 0.0f);
  scratchA.assign(capacity, 0.0f);
  scratchB.assign(capacity, 0.0f);
  results.peaksPresent = peaks;
  windows = ComputeWindowExtremes(*this);
}

void SetLimits(const EngineContext& ctx, IndexResult& r, const float* sorted, int n) {
  if (ctx.classifier) return;
  r.lower = PercentileValue(ctx.lower, n, sorted);
  r.upper = PercentileValue(ctx.upper, n, sorted);
}

IndexResult FormY(const EngineContext& ctx, float* values, int n, Central central, SummaryStats* stats) {
  if (stats == nullptr && ctx.UseMedian(central)) {
    // Nothing asks for the mean or the spread: the sort alone gives the value and the limits.
    IndexResult r;
    r.value = ComputeMedian(n, values);
    SetLimits(ctx, r, values, n);
    return r;
  }
  const SummaryStats s = ComputeSummaryStats(n, values);
  if (stats != nullptr) *stats = s;
  IndexResult r;
  r.value = ctx.UseMedian(central) ? s.median : s.mean;
  SetLimits(ctx, r, values, n);
  return r;
}

IndexResult FormV(float stdDev, float divisor) {
  if (divisor == 0.0f) return NotComputed();
  // A series of one value has no sample standard deviation (0/0): its variability is not
  // computed rather than written as "nan".
  if (std::isnan(stdDev)) return NotComputed();
  return FormS(100.0f * stdDev / divisor);
}

IndexResult FormR(const EngineContext& ctx, float* values, int n) {
  if (ctx.recordMedian == 0.0f) return NotComputed();
  const SummaryStats s = ComputeSummaryStats(n, values);
  IndexResult r;
  r.value = s.mean / ctx.recordMedian;
  if (!ctx.classifier) {
    r.lower = PercentileValue(ctx.lower, n, values) / ctx.recordMedian;
    r.upper = PercentileValue(ctx.upper, n, values) / ctx.recordMedian;
  }
  return r;
}

IndexResult FormS(float value) {
  IndexResult r;
  r.value = value;
  return r;
}

void RefillPositiveFlows(EngineContext& ctx) {
  int n = 0;
  for (int y = 0; y < ctx.years; ++y)
    for (float f : ctx.flows[y])
      if (EngineContext::Valid(f) && f > 0.0f) ctx.flowList[n++] = f;
  ctx.flowCount = n;
}

void BuildMonthlyTables(EngineContext& ctx) {
  ctx.zeroSumMonthYears = 0;
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    float annualMin = kMinimumSeed;
    float annualMax = kMaximumSeed;
    for (int m = 0; m < 12; ++m) {
      float lo = kMinimumSeed;
      float hi = kMaximumSeed;
      float sum = 0.0f;
      int count = 0;
      for (int s = kMonthStart[m]; s < kMonthEnd[m]; ++s) {
        const float f = year[s];
        if (!EngineContext::Valid(f)) continue;
        sum += f;
        ++count;
        if (f < lo) lo = f;
        if (f > hi) hi = f;
      }
      ctx.monthMin[m][y] = lo;
      ctx.monthMax[m][y] = hi;
      // A month without valid days has no mean: 0/0 is kept as NaN and left out of the pools
      // of monthly means (MA36-MA40, DH14).
      ctx.monthMeanTable[m][y] = count > 0 ? sum / static_cast<float>(count) : std::nanf("");
      if (sum == 0.0f) ++ctx.zeroSumMonthYears;
      if (lo < annualMin) annualMin = lo;
      if (hi > annualMax) annualMax = hi;
    }
    ctx.annualMin[y] = annualMin;
    ctx.annualMax[y] = annualMax;
  }
}

void FitPeakLine(EngineContext& ctx) {
  ctx.haveLine = false;
  ctx.sortedLogPeaks.clear();
  if (!ctx.peaks) return;
  // A peak or a peak-day flow of 0 or less has no logarithm; such pairs are left out of the fit.
  std::vector<float> xs, ys;
  for (int k = 0; k < ctx.peakCount; ++k) {
    if (!(ctx.peakFlows[k] > 0.0f) || !(ctx.peakDayFlows[k] > 0.0f)) continue;
    xs.push_back(static_cast<float>(std::log10(static_cast<double>(ctx.peakFlows[k]))));
    ys.push_back(static_cast<float>(std::log10(static_cast<double>(ctx.peakDayFlows[k]))));
  }
  const int n = static_cast<int>(xs.size());
  if (n < 2) return;
  double sx = 0.0, sy = 0.0;
  for (int k = 0; k < n; ++k) {
    sx += xs[k];
    sy += ys[k];
  }
  const double mx = sx / n, my = sy / n;
  double sxy = 0.0, sxx = 0.0;
  for (int k = 0; k < n; ++k) {
    sxy += (xs[k] - mx) * (ys[k] - my);
    sxx += (xs[k] - mx) * (xs[k] - mx);
  }
  // All peaks equal: the line has no slope to fit, so no threshold can be derived from it.
  if (sxx == 0.0) return;
  ctx.lineSlope = sxy / sxx;
  ctx.lineIntercept = my - ctx.lineSlope * mx;
  ctx.sortedLogPeaks = xs;
  SortValues(1, ctx.sortedLogPeaks.data(), n);
  const float x167 = PercentileValue(0.6f, n, ctx.sortedLogPeaks.data());
  ctx.log167 = ctx.lineSlope * x167 + ctx.lineIntercept;
  ctx.threshold167 = static_cast<float>(std::pow(10.0, ctx.log167));
  const float x5 = PercentileValue(0.8f, n, ctx.sortedLogPeaks.data());
  const double log5 = ctx.lineSlope * x5 + ctx.lineIntercept;
  ctx.threshold5 = static_cast<float>(std::pow(10.0, log5));
  ctx.haveLine = true;
  ctx.results.threshold167 = ctx.threshold167;
  ctx.results.threshold5 = ctx.threshold5;
}

// MA1 and MA2: mean and median of every valid day; limits from the same sorted list.
void ComputeRecordMeanAndMedian(EngineContext& ctx) {
  int n = 0;
  for (int y = 0; y < ctx.years; ++y)
    for (float f : ctx.flows[y])
      if (EngineContext::Valid(f)) ctx.flowList[n++] = f;
  ctx.flowCount = n;
  const SummaryStats s = ComputeSummaryStats(n, ctx.flowList.data());
  ctx.recordMean = s.mean;
  ctx.recordMedian = s.median;
  IndexResult ma1;
  ma1.value = s.mean;
  IndexResult ma2;
  ma2.value = s.median;
  SetLimits(ctx, ma1, ctx.flowList.data(), n);
  SetLimits(ctx, ma2, ctx.flowList.data(), n);
  ctx.results[MA(1)] = ma1;
  ctx.results[MA(2)] = ma2;
  ctx.Progress(progress::kMa2);
}

IndexResults RunIndexEngine(const FlowRecord& record, const EngineOptions& options,
                            EngineProgress* progress) {
  EngineContext ctx(record, options, progress);
  ComputeRecordMeanAndMedian(ctx);
  BuildMonthlyTables(ctx);
  ComputeMagnitudeIndices(ctx);
  FitPeakLine(ctx);
  ComputeFrequencyDurationIndices(ctx);
  ComputeTimingRateIndices(ctx);
  ctx.Progress(progress::kEnd);
  Spares() = SpareLists{std::move(ctx.flows), std::move(ctx.flowList), std::move(ctx.scratchA),
                        std::move(ctx.scratchB)};
  return ctx.results;
}

}  // namespace zelvo
