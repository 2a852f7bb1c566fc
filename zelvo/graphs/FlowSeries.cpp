#include "zelvo/graphs/FlowSeries.h"

#include <algorithm>
#include <cmath>

#include "common/engine/Statistics.h"
#include "zelvo/graphs/ChartDescription.h"

namespace zelvo {

const int kGraphMonthStart[12] = {0, 31, 61, 92, 123, 151, 182, 212, 243, 273, 304, 335};
const int kGraphMonthDays[12] = {31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31, 30};

const char* AnnualSeriesName(int series) {
  static const char* const names[kAnnualSeriesCount] = {
      "Daily",       "Monthly Ave", "Annual Ave",    "Monthly Max",    "Annual Max",
      "Monthly Min", "Annual Min",  "Annual Median", "Monthly Median", "Median annual hydrograph"};
  return series >= 0 && series < kAnnualSeriesCount ? names[series] : "";
}

const char* MonthlySeriesName(int series) {
  static const char* const names[kMonthlySeriesCount] = {"Daily", "Monthly Ave", "Monthly Max", "Monthly Min",
                                                         "Monthly Median"};
  return series >= 0 && series < kMonthlySeriesCount ? names[series] : "";
}

const char* WaterYearMonthName(int month) {
  static const char* const names[12] = {"October",  "November", "December", "January",
                                        "February", "March",    "April",    "May",
                                        "June",     "July",     "August",   "September"};
  return month >= 0 && month < 12 ? names[month] : "";
}

bool IsValidFlow(float flow) { return flow != kMissing && flow >= 0.0f; }

SeriesKind SeriesKindOf(const FlowGraphSettings& s) {
  SeriesKind k;
  if (s.basis == FlowBasis::Monthly) {
    k.monthlyBasis = true;
    switch (s.monthlySeries) {
      case kMonthlyMonthlyAve:
        k.period = SeriesPeriod::Month;
        k.stat = SeriesStat::Mean;
        break;
      case kMonthlyMonthlyMax:
        k.period = SeriesPeriod::Month;
        k.stat = SeriesStat::Max;
        break;
      case kMonthlyMonthlyMin:
        k.period = SeriesPeriod::Month;
        k.stat = SeriesStat::Min;
        break;
      case kMonthlyMonthlyMedian:
        k.period = SeriesPeriod::Month;
        k.stat = SeriesStat::Median;
        break;
      default:
        k.period = SeriesPeriod::Day;
        k.stat = SeriesStat::Values;
        break;
    }
    return k;
  }
  switch (s.annualSeries) {
    case kAnnualMonthlyAve:
      k.period = SeriesPeriod::Month;
      k.stat = SeriesStat::Mean;
      break;
    case kAnnualAnnualAve:
      k.period = SeriesPeriod::Year;
      k.stat = SeriesStat::Mean;
      break;
    case kAnnualMonthlyMax:
      k.period = SeriesPeriod::Month;
      k.stat = SeriesStat::Max;
      break;
    case kAnnualAnnualMax:
      k.period = SeriesPeriod::Year;
      k.stat = SeriesStat::Max;
      break;
    case kAnnualMonthlyMin:
      k.period = SeriesPeriod::Month;
      k.stat = SeriesStat::Min;
      break;
    case kAnnualAnnualMin:
      k.period = SeriesPeriod::Year;
      k.stat = SeriesStat::Min;
      break;
    case kAnnualAnnualMedian:
      k.period = SeriesPeriod::Year;
      k.stat = SeriesStat::Median;
      break;
    case kAnnualMonthlyMedian:
      k.period = SeriesPeriod::Month;
      k.stat = SeriesStat::Median;
      break;
    case kAnnualMedianHydrograph:
      k.period = SeriesPeriod::Hydrograph;
      k.stat = SeriesStat::Median;
      break;
    default:
      k.period = SeriesPeriod::Day;
      k.stat = SeriesStat::Values;
      break;
  }
  return k;
}

double FlowLayout::X(int point) const {
  if (kind.period == SeriesPeriod::Hydrograph) return point + 1;
  if (pointsPerYear <= 0) return 0.0;
  const int y = point / pointsPerYear;
  const int i = point % pointsPerYear;
  if (kind.monthlyBasis) {
    // Days of the chosen month side by side, or one value a year on a 365-day year.
    if (kind.period == SeriesPeriod::Day) return point + 1;
    return kDaysPerGraphYear * static_cast<double>(y) + 1;
  }
  switch (kind.period) {
    case SeriesPeriod::Day:
      return point + 1;
    case SeriesPeriod::Month:
      return kDaysPerGraphYear * static_cast<double>(y) + kGraphMonthStart[i] + 1;
    default:
      return kDaysPerGraphYear * static_cast<double>(y) + 1;
  }
}

int FlowLayout::YearOfPoint(int point) const {
  if (kind.period == SeriesPeriod::Hydrograph || pointsPerYear <= 0) return 0;
  return point / pointsPerYear;
}

FlowLayout MakeFlowLayout(const FlowGraphSettings& settings, const std::vector<FlowCurveInput>& curves) {
  FlowLayout l;
  l.kind = SeriesKindOf(settings);
  l.month = std::clamp(settings.month, 0, 11);
  bool any = false;
  for (const FlowCurveInput& c : curves) {
    if (c.lastYear < c.firstYear) continue;
    if (!any || c.firstYear < l.y0) l.y0 = c.firstYear;
    if (!any || c.lastYear > l.y1) l.y1 = c.lastYear;
    any = true;
  }
  if (!any) return l;
  l.span = l.y1 - l.y0 + 1;
  const int monthDays = kGraphMonthDays[l.month];
  if (l.kind.monthlyBasis) {
    l.pointsPerYear = l.kind.period == SeriesPeriod::Day ? monthDays : 1;
    l.pointCount = l.span * l.pointsPerYear;
    l.axisLength = l.kind.period == SeriesPeriod::Day ? static_cast<double>(monthDays) * l.span
                                                      : static_cast<double>(kDaysPerGraphYear) * l.span;
    return l;
  }
  switch (l.kind.period) {
    case SeriesPeriod::Day:
      l.pointsPerYear = kDaysPerGraphYear;
      break;
    case SeriesPeriod::Month:
      l.pointsPerYear = 12;
      break;
    case SeriesPeriod::Year:
      l.pointsPerYear = 1;
      break;
    case SeriesPeriod::Hydrograph:
      l.pointsPerYear = kDaysPerGraphYear;
      break;
  }
  if (l.kind.period == SeriesPeriod::Hydrograph) {
    l.pointCount = kDaysPerGraphYear;
    l.axisLength = kDaysPerGraphYear;
  } else {
    l.pointCount = l.span * l.pointsPerYear;
    l.axisLength = static_cast<double>(kDaysPerGraphYear) * l.span;
  }
  return l;
}

namespace {

// Statistic of the valid flows among the graph days [first, first + count) of one year.
float PeriodStatistic(const YearFlows& flows, int first, int count, SeriesStat stat,
                      std::vector<float>& buffer) {
  buffer.clear();
  for (int d = first; d < first + count; ++d) {
    const float v = flows[static_cast<std::size_t>(SlotOfGraphDay(d))];
    if (IsValidFlow(v)) buffer.push_back(v);
  }
  if (buffer.empty()) return kGraphHole;
  switch (stat) {
    case SeriesStat::Max:
      return *std::max_element(buffer.begin(), buffer.end());
    case SeriesStat::Min:
      return *std::min_element(buffer.begin(), buffer.end());
    case SeriesStat::Median:
      return ComputeSummaryStats(static_cast<int>(buffer.size()), buffer.data()).median;
    default:
      return ComputeSummaryStats(static_cast<int>(buffer.size()), buffer.data()).mean;
  }
}

// Column of the record that holds water year y (counted from the layout's first year), -1 when
// the curve does not cover it. The curve's years are those of its data set entry; the record's
// columns follow them one by one.
int ColumnOf(const FlowLayout& layout, const FlowCurveInput& curve, int y) {
  if (curve.record == nullptr) return -1;
  const int column = layout.y0 + y - curve.firstYear;
  if (column < 0 || column >= curve.record->yearCount || layout.y0 + y > curve.lastYear) return -1;
  return column;
}

}  // namespace

std::vector<float> ComputeFlowSeries(const FlowLayout& layout, const FlowCurveInput& curve) {
  std::vector<float> out(static_cast<std::size_t>(std::max(layout.pointCount, 0)), kGraphHole);
  if (curve.record == nullptr || layout.span <= 0) return out;
  const FlowRecord& rec = *curve.record;
  std::vector<float> buffer;
  buffer.reserve(kMaxYears);

  if (layout.kind.period == SeriesPeriod::Hydrograph) {
    for (int d = 0; d < kDaysPerGraphYear; ++d) {
      buffer.clear();
      const int slot = SlotOfGraphDay(d);
      for (int y = 0; y < layout.span; ++y) {
        const int column = ColumnOf(layout, curve, y);
        if (column < 0) continue;
        const float v = rec.flows[static_cast<std::size_t>(column)][static_cast<std::size_t>(slot)];
        if (IsValidFlow(v)) buffer.push_back(v);
      }
      if (!buffer.empty())
        out[static_cast<std::size_t>(d)] =
            ComputeSummaryStats(static_cast<int>(buffer.size()), buffer.data()).median;
    }
    return out;
  }

  const int month = layout.month;
  for (int y = 0; y < layout.span; ++y) {
    const int column = ColumnOf(layout, curve, y);
    if (column < 0) continue;
    const YearFlows& flows = rec.flows[static_cast<std::size_t>(column)];
    float* dst = out.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.pointsPerYear);
    if (layout.kind.monthlyBasis) {
      const int first = kGraphMonthStart[month];
      if (layout.kind.period == SeriesPeriod::Day) {
        for (int d = 0; d < kGraphMonthDays[month]; ++d) {
          const float v = flows[static_cast<std::size_t>(SlotOfGraphDay(first + d))];
          dst[d] = IsValidFlow(v) ? v : kGraphHole;
        }
      } else {
        dst[0] = PeriodStatistic(flows, first, kGraphMonthDays[month], layout.kind.stat, buffer);
      }
      continue;
    }
    switch (layout.kind.period) {
      case SeriesPeriod::Day:
        for (int d = 0; d < kDaysPerGraphYear; ++d) {
          const float v = flows[static_cast<std::size_t>(SlotOfGraphDay(d))];
          dst[d] = IsValidFlow(v) ? v : kGraphHole;
        }
        break;
      case SeriesPeriod::Month:
        for (int m = 0; m < 12; ++m)
          dst[m] = PeriodStatistic(flows, kGraphMonthStart[m], kGraphMonthDays[m], layout.kind.stat, buffer);
        break;
      default:
        dst[0] = PeriodStatistic(flows, 0, kDaysPerGraphYear, layout.kind.stat, buffer);
        break;
    }
  }
  return out;
}

YearSpread ComputeYearSpread(const FlowLayout& layout, const FlowCurveInput& curve, bool median) {
  YearSpread s;
  const std::size_t n = static_cast<std::size_t>(std::max(layout.span, 0));
  s.centre.assign(n, kGraphHole);
  s.stdDev.assign(n, kGraphHole);
  if (curve.record == nullptr) return s;
  std::vector<float> buffer;
  for (int y = 0; y < layout.span; ++y) {
    const int column = ColumnOf(layout, curve, y);
    if (column < 0) continue;
    const YearFlows& flows = curve.record->flows[static_cast<std::size_t>(column)];
    buffer.clear();
    for (int d = 0; d < kDaysPerGraphYear; ++d) {
      const float v = flows[static_cast<std::size_t>(SlotOfGraphDay(d))];
      if (IsValidFlow(v)) buffer.push_back(v);
    }
    if (buffer.empty()) continue;
    const SummaryStats st = ComputeSummaryStats(static_cast<int>(buffer.size()), buffer.data());
    s.centre[static_cast<std::size_t>(y)] = median ? st.median : st.mean;
    // A year with a single valid day has no spread (the sample deviation would be 0/0).
    s.stdDev[static_cast<std::size_t>(y)] = std::isnan(st.stdDev) ? 0.0f : st.stdDev;
  }
  return s;
}

}  // namespace zelvo
