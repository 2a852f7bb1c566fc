#pragma once
// The working state of one engine run, shared by the index groups in catalogue order. Later
// groups read what earlier ones left behind (the shared flow list and its sort order, the
// monthly and annual extremes, the fitted peak-flow line), so the order of the calls matters.

#include <array>
#include <vector>

#include "common/engine/FlowRecord.h"
#include "common/engine/IndexEngine.h"
#include "common/engine/IndexResults.h"
#include "common/engine/Statistics.h"

namespace zelvo {

// Which central value of a per-year series an index takes.
enum class Central {
  Mean,          // always the mean
  MedianOption,  // the mean, or the median when the median option is on
  Median,        // always the median
};

// Starting values of the searches for a smallest and a largest flow. A month, year or window
// without a valid day keeps them, and some indices read them back as they stand.
inline constexpr float kMinimumSeed = 1.0e7f;
inline constexpr float kMaximumSeed = -1.0e7f;

using PerYear = std::array<float, kMaxYears>;
using PerMonthYear = std::array<PerYear, 12>;  // [month 0 = October .. 11 = September][year]

// Moving-window lengths of the duration indices (1, 3, 7, 30 and 90 days).
inline constexpr std::array<int, 5> kWindowLengths = {1, 3, 7, 30, 90};
inline constexpr int kSevenDayWindow = 2;  // the entry of the 7-day window
static_assert(kWindowLengths[kSevenDayWindow] == 7);

// Smallest and largest window mean of every year for each window length.
struct WindowExtremes {
  std::array<PerYear, 5> min{};  // kMinimumSeed stays for a year without a valid day
  std::array<PerYear, 5> max{};  // kMaximumSeed likewise
};

struct EngineContext;
WindowExtremes ComputeWindowExtremes(const EngineContext& ctx);

struct EngineContext {
  EngineContext(const FlowRecord& record, const EngineOptions& options, EngineProgress* progress);

  static bool Valid(float flow) { return flow != kMissing; }
  void Progress(int position) const {
    if (progress != nullptr) progress->SetPosition(position);
  }
  bool UseMedian(Central c) const { return c == Central::Median || (c == Central::MedianOption && median); }

  // ---- inputs, after cleaning --------------------------------------------------------------
  int years = 0;                 // N
  std::vector<YearFlows> flows;  // N rows; every slot a flow >= 0 or kMissing
  std::array<int, kMaxYears> yearNumbers{};
  bool peaks = false;  // peak pairs take part in this run
  int peakCount = 0;
  std::array<float, kMaxPeaks> peakFlows{};
  std::array<float, kMaxPeaks> peakDayFlows{};
  float lower = 0.25f;  // fractions of the percentiles
  float upper = 0.75f;
  float lowerPercentile = 25.0f;  // as typed, for the results header
  float upperPercentile = 75.0f;
  float drainageArea = 1.0f;
  bool median = false;      // median option (never in classifier mode)
  bool classifier = false;  // no limits, classifier slots only leave the run
  EngineProgress* progress = nullptr;

  // ---- the shared flow list ----------------------------------------------------------------
  // After MA1/MA2: all valid days sorted ascending. ML20 refills it with the positive valid
  // days; from then on every percentile threshold is taken on it in the order the last sort
  // left (ascending after MH27). The rate-of-change group refills it with all valid days in
  // record order.
  std::vector<float> flowList;
  int flowCount = 0;
  std::vector<float> scratchA;  // work lists of N x 366 floats
  std::vector<float> scratchB;  // from ML20 to MH15: every valid day ascending (sortedValidCount)
  int sortedValidCount = 0;

  float recordMean = 0.0f;    // MA1
  float recordMedian = 0.0f;  // MA2

  // ---- monthly and annual tables (built once before MA36, read by later groups) -----------
  PerMonthYear monthMin{};        // kMinimumSeed stays for a month without valid days
  PerMonthYear monthMax{};        // kMaximumSeed likewise
  PerMonthYear monthMeanTable{};  // valid-day sum / count, no zero guard (0/0 -> NaN)
  PerYear annualMin{};            // smallest of the 12 monthly minima
  PerYear annualMax{};            // largest of the 12 monthly maxima
  int zeroSumMonthYears = 0;      // month-years whose valid-day sum is 0 (for DL20)

  // ---- window extremes of every year (built with the context; ML17 and the duration groups) --
  WindowExtremes windows;

  // ---- the peak-flow line (log10 daily flow on log10 peak) ---------------------------------
  bool haveLine = false;  // peaks present and a line fitted: >= 2 usable pairs, not all
                          // with the same discharge
  // The line and the logarithms of the thresholds stay in double; only the thresholds
  // themselves are float32 flows.
  double lineSlope = 0.0;             // a
  double lineIntercept = 0.0;         // b
  std::vector<float> sortedLogPeaks;  // x_k sorted ascending
  double log167 = 0.0;                // L167
  float threshold167 = 0.0f;          // T167
  float threshold5 = 0.0f;            // T5

  IndexResults results;
};

// ---- statistics of per-year series: the result forms shared by every index group ----------

// Value = central value of values[0..n) (ComputeSummaryStats leaves them sorted ascending),
// limits = PercentileValue at the lower and the upper fraction. `stats` receives the summary.
IndexResult FormY(const EngineContext& ctx, float* values, int n, Central central,
                  SummaryStats* stats = nullptr);
// 100 x standard deviation / divisor; both limits NC; NC when the divisor is 0 or the series
// has a single value.
IndexResult FormV(float stdDev, float divisor);
// Mean / MA2 with limits percentile / MA2; all NC when MA2 is 0.
IndexResult FormR(const EngineContext& ctx, float* values, int n);
// A single value without limits.
IndexResult FormS(float value);
// The not-computed result.
inline IndexResult NotComputed() { return IndexResult{}; }

// Limits (when the run has any) at the lower and upper fraction of an ascending array.
void SetLimits(const EngineContext& ctx, IndexResult& r, const float* sorted, int n);

// ---- helpers shared by the groups ---------------------------------------------------------

// MA1 and MA2; leaves every valid day in the shared flow list, sorted ascending.
void ComputeRecordMeanAndMedian(EngineContext& ctx);
// Fills the shared flow list with every valid day whose flow is > 0, year by year, slot by
// slot (ML20's refill).
void RefillPositiveFlows(EngineContext& ctx);
// Builds monthMin, monthMax, monthMeanTable, annualMin, annualMax and zeroSumMonthYears.
void BuildMonthlyTables(EngineContext& ctx);
// Fits the peak-flow line and the 1.67-year and 5-year thresholds when the run has peaks.
void FitPeakLine(EngineContext& ctx);

// The index groups, in catalogue order.
void ComputeMagnitudeIndices(EngineContext& ctx);          // MA3 .. MH27
void ComputeFrequencyDurationIndices(EngineContext& ctx);  // FL1 .. DH24
void ComputeTimingRateIndices(EngineContext& ctx);         // TA1 .. RA9

}  // namespace zelvo
