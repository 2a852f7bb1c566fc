#include "common/engine/YearlySeries.h"

#include <cmath>
#include <limits>

#include "common/engine/EngineContext.h"
#include "common/engine/FrequencyDuration.h"
#include "common/engine/MagnitudeShared.h"
#include "common/engine/TimingRateIndices.h"

namespace zelvo {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::vector<std::string> MakeColumnNames() {
  std::vector<std::string> names = {"valid_days", "mean", "median"};
  for (const char* kind : {"min", "max"})
    for (int w : kWindowLengths) names.push_back(std::string(kind) + "_" + std::to_string(w) + "day");
  for (const char* name :
       {"date_of_min", "date_of_max", "zero_days", "baseflow_ratio", "low_pulses", "low_pulse_duration",
        "high_pulses", "high_pulse_duration", "rise_rate", "fall_rate", "reversals"})
    names.push_back(name);
  for (const char* month :
       {"oct", "nov", "dec", "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep"})
    names.push_back(std::string(month) + "_mean");
  return names;
}

// The mean of values[0..n) as ComputeSummaryStats forms it (sums in double); NaN for none.
double MeanOf(float* values, int n) { return n > 0 ? ComputeSummaryStats(n, values).mean : kNoValue; }

}  // namespace

const std::vector<std::string>& YearlyColumnNames() {
  static const std::vector<std::string> names = MakeColumnNames();
  return names;
}

int YearlySeries::Column(const std::string& name) const {
  for (std::size_t i = 0; i < columnNames.size(); ++i)
    if (columnNames[i] == name) return static_cast<int>(i);
  return -1;
}

int WaterYearDay(int waterYear, int slot) {
  return slot > kLeapDaySlot && !IsLeapYear(waterYear) ? slot : slot + 1;
}

int SlotOfWaterYearDay(int waterYear, int day) {
  return day > kLeapDaySlot && !IsLeapYear(waterYear) ? day : day - 1;
}

YearlySeries ComputeYearlySeries(const FlowRecord& record) {
  EngineContext ctx(record, EngineOptions{}, nullptr);
  const int n = ctx.years;
  YearlySeries out;
  out.columnNames = YearlyColumnNames();
  out.waterYears.assign(ctx.yearNumbers.begin(), ctx.yearNumbers.begin() + n);
  out.values.assign(out.columnNames.size(), std::vector<double>(static_cast<std::size_t>(n), kNoValue));

  // The same per-year pieces the index groups take, in the order the engine builds them.
  const magnitude::YearSummaries summaries = magnitude::SummariseYears(ctx);
  BuildMonthlyTables(ctx);
  RefillPositiveFlows(ctx);
  SortValues(1, ctx.flowList.data(), ctx.flowCount);
  const PulseSeries low = PulsesBelow(ctx, FlowListPercentile(ctx, 0.25f));   // FL1
  const PulseSeries high = PulsesAbove(ctx, FlowListPercentile(ctx, 0.75f));  // FH1
  const WindowExtremes& windows = ctx.windows;

  std::vector<float> days(kDaySlots), rises(kDaySlots), falls(kDaySlots);
  for (int y = 0; y < n; ++y) {
    const YearFlows& year = ctx.flows[y];
    int c = 0;
    auto put = [&](double v) { out.values[c++][y] = v; };
    put(summaries.count[y]);
    if (summaries.count[y] == 0) continue;  // no valid day: no value of any other kind
    put(summaries.mean[y]);
    put(summaries.median[y]);
    for (std::size_t w = 0; w < kWindowLengths.size(); ++w) put(windows.min[w][y]);
    for (std::size_t w = 0; w < kWindowLengths.size(); ++w) put(windows.max[w][y]);

    const ExtremeSlots extremes = FindExtremeSlots(year);
    const int wy = ctx.yearNumbers[y];
    put(WaterYearDay(wy, extremes.low));
    put(extremes.high < 0 ? kNoValue : WaterYearDay(wy, extremes.high));
    put(ZeroFlowDays(year));
    const float plainMean = summaries.plainMean[y];
    put(plainMean == 0.0f ? kNoValue : windows.min[kSevenDayWindow][y] / plainMean);
    put(low.events[y]);
    put(low.events[y] > 0.0f ? low.meanDuration[y] : kNoValue);
    put(high.events[y]);
    put(high.events[y] > 0.0f ? high.meanDuration[y] : kNoValue);

    const int valid = magnitude::CollectValid(year, 0, kDaySlots, days.data());
    const DailyChanges changes = SplitDailyChanges(days.data(), valid, rises.data(), falls.data());
    put(MeanOf(rises.data(), changes.rises));
    put(MeanOf(falls.data(), changes.falls));
    put(CountReversals(year));

    for (int m = 0; m < 12; ++m) put(ctx.monthMeanTable[m][y]);  // NaN for a month without a valid day
  }
  return out;
}

}  // namespace zelvo
