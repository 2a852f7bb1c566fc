#include "zelvo/graphs/FlowGraph.h"

#include <algorithm>
#include <cmath>

#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

constexpr const char* kCrLf = "\r\n";

bool ErrorBarsPossible(const FlowGraphSettings& s) {
  return s.basis == FlowBasis::Annual &&
         (s.annualSeries == kAnnualAnnualAve || s.annualSeries == kAnnualAnnualMedian) && !s.exceedence &&
         s.scale == 0;
}

std::string TwoDigitYear(int year) {
  const std::string four = Format("%4d", year);
  return Format("'%c%c", four[2], four[3]);
}

// Year labels of an axis whose years are `length` X units long: at each year start and at the
// end for short spans, every second or fifth year for long ones. Over more than 99 years a
// two-digit year would name two different years ('04 for 1904 and 2004), so such spans are
// labelled with four digits.
void AddYearLabels(FlowXAxis& axis, int y0, int span, double length) {
  int step = 1;
  const bool fourDigits = span <= 10 || span > 99;
  bool atEnd = true;
  if (span >= 58) {
    step = 5;
    atEnd = false;
  } else if (span >= 26) {
    step = 2;
    atEnd = false;
  }
  for (int y = 0; y < span; y += step) {
    const int year = y0 + y;
    axis.labels.push_back({length * y + 1, fourDigits ? Format("%4d", year) : TwoDigitYear(year)});
  }
  if (atEnd) {
    const int year = y0 + span;
    axis.labels.push_back({length * span, fourDigits ? Format("%4d", year) : TwoDigitYear(year)});
  }
}

// Calendar month number (1..12) of water-year month 0..11.
int CalendarMonth(int month) { return month < 3 ? month + 10 : month - 2; }

// Month 0..11 and day 1..31 of day t (1..365) of the water year.
void MonthAndDay(int t, int& month, int& day) {
  month = 11;
  for (int m = 0; m < 12; ++m) {
    if (t <= kGraphMonthStart[m] + kGraphMonthDays[m]) {
      month = m;
      break;
    }
  }
  day = t - kGraphMonthStart[month];
}

}  // namespace

FlowOptionAvailability ApplyFlowOptionAvailability(FlowGraphSettings& s, int curveCount) {
  FlowOptionAvailability a;
  a.trendLine = curveCount == 1;
  a.errorBars = curveCount == 1 && ErrorBarsPossible(s);
  if (!a.trendLine) s.trendLine = false;
  if (!a.errorBars) s.errorBars = false;
  return a;
}

std::string FlowGraphTitle(const FlowGraphSettings& s) {
  const char* ex = s.exceedence ? " Exceedence" : "";
  if (s.basis == FlowBasis::Monthly) {
    static const char* const names[kMonthlySeriesCount] = {"Daily Flow", "Monthly Average Flow",
                                                           "Monthly Maximum Flow", "Monthly Minimum Flow",
                                                           "Monthly Median Flow"};
    const int i = std::clamp(s.monthlySeries, 0, kMonthlySeriesCount - 1);
    return Format("%s%s For %s", names[i], ex, WaterYearMonthName(std::clamp(s.month, 0, 11)));
  }
  static const char* const names[kAnnualSeriesCount] = {
      "Daily Flow",          "Monthly Average Flow",    "Annual Average Flow", "Monthly Maximum Flow",
      "Annual Maximum Flow", "Monthly Minimum Flow",    "Annual Minimum Flow", "Annual Median Flow",
      "Monthly Median Flow", "Median Annual Hydrograph"};
  const int i = std::clamp(s.annualSeries, 0, kAnnualSeriesCount - 1);
  return std::string(names[i]) + ex;
}

std::string FlowGraphSubtitle(const FlowLayout& layout) {
  if (layout.span == 1) return Format("Water Year %d", layout.y0);
  return std::string(18, ' ');
}

FlowXAxis MakeFlowXAxis(const FlowLayout& layout, bool exceedence) {
  FlowXAxis axis;
  if (exceedence) {
    axis.title = kExceedenceTitle;
    return axis;
  }
  axis.valueLabels = true;
  const SeriesKind& k = layout.kind;
  if (k.monthlyBasis) {
    const int days = kGraphMonthDays[layout.month];
    if (k.period == SeriesPeriod::Day && layout.span == 1) {
      axis.title = "Days of Month";
      for (int d = 1; d <= days; ++d) axis.labels.push_back({static_cast<double>(d), Format("%d", d)});
      return axis;
    }
    axis.title = "Water Year";
    const double length = k.period == SeriesPeriod::Day ? days : kDaysPerGraphYear;
    if (layout.span == 1)
      axis.labels.push_back({1.0, Format("%4d", layout.y0)});
    else
      AddYearLabels(axis, layout.y0, layout.span, length);
    return axis;
  }
  static const char* const months[12] = {"Oct", "Nov", "Dec", "Jan ", "Feb", "Mar",
                                         "Apr", "May", "Jun", "Jul",  "Aug", "Sep"};
  if (k.period == SeriesPeriod::Hydrograph || layout.span == 1) {
    axis.title = "Month in Water Year";
    axis.labels.push_back(
        {1.0, k.period == SeriesPeriod::Hydrograph ? std::string("Oct") : Format("%4d", layout.y0)});
    for (int m = 1; m < 12; ++m) axis.labels.push_back({static_cast<double>(kGraphMonthStart[m]), months[m]});
    axis.labels.push_back({365.0, "Oct"});
    return axis;
  }
  if (layout.span <= 3) {
    axis.title = "Month in Water Year";
    static const char* const initials[12] = {"O", "N", "D", "J", "F", "M", "A", "M", "J", "J", "A", "S"};
    for (int y = 0; y < layout.span; ++y) {
      const double start = static_cast<double>(kDaysPerGraphYear) * y;
      // The year stands at the first day of October, in place of its initial.
      axis.labels.push_back({start + 1, TwoDigitYear(layout.y0 + y)});
      for (int m = 1; m < 12; ++m) axis.labels.push_back({start + kGraphMonthStart[m], initials[m]});
    }
    return axis;
  }
  axis.title = "Water Year";
  AddYearLabels(axis, layout.y0, layout.span, kDaysPerGraphYear);
  return axis;
}

std::string FlowDateText(const FlowLayout& layout, int point) {
  const SeriesKind& k = layout.kind;
  if (k.period == SeriesPeriod::Hydrograph) {
    static const char* const abbreviations[12] = {"Oct", "Nov", "Dec",  "Jan",  "Feb", "Mar",
                                                  "Apr", "May", "June", "July", "Aug", "Sept"};
    int month = 0, day = 0;
    MonthAndDay(point % kDaysPerGraphYear + 1, month, day);
    return Format("%s %d", abbreviations[month], day);
  }
  const int y = layout.YearOfPoint(point);
  if (k.monthlyBasis) {
    const int month = CalendarMonth(layout.month);
    const int year = layout.y0 + y - (layout.month < 3 ? 1 : 0);
    if (k.period == SeriesPeriod::Day)
      return Format("%02d/%02d/%d", month, point % std::max(layout.pointsPerYear, 1) + 1, year);
    return Format("%02d/%d", month, year);
  }
  if (k.period == SeriesPeriod::Year) return Format("%d", layout.y0 + y);
  // Daily values and monthly values (dated by the first day of their month) from their X.
  const long x = static_cast<long>(layout.X(point));
  long t = x % kDaysPerGraphYear;
  if (t == 0) t = kDaysPerGraphYear;
  int month = 0, day = 0;
  MonthAndDay(static_cast<int>(t), month, day);
  // January to September lie in the calendar year that names the water year (30 September too).
  const long year = layout.y0 - 1 + (x - 1) / kDaysPerGraphYear + (t > 92 ? 1 : 0);
  return Format("%02d/%02d/%ld", CalendarMonth(month), day, year);
}

FlowGraph BuildFlowGraph(const FlowGraphInput& input) {
  FlowGraphSettings s = input.settings;
  ApplyFlowOptionAvailability(s, static_cast<int>(input.curves.size()));

  FlowGraph g;
  g.layout = MakeFlowLayout(s, input.curves);
  g.exceedence = s.exceedence;
  const FlowLayout& layout = g.layout;
  for (const FlowCurveInput& c : input.curves) {
    g.labels.push_back(c.label);
    g.values.push_back(ComputeFlowSeries(layout, c));
  }
  g.x.resize(static_cast<std::size_t>(std::max(layout.pointCount, 0)));
  for (int p = 0; p < layout.pointCount; ++p) g.x[static_cast<std::size_t>(p)] = layout.X(p);

  // The zero values of the records, counted before an exceedence curve is interpolated onto the
  // positions of the longest record (a shorter record's zeros would be counted as more days).
  int zeros = 0;
  for (const std::vector<float>& curve : g.values)
    zeros += static_cast<int>(
        std::count_if(curve.begin(), curve.end(), [](float v) { return v > kGraphHole && v <= 0.0f; }));

  if (s.exceedence) {
    std::vector<int> inSpan;
    for (const FlowCurveInput& c : input.curves) {
      const int years = std::max(c.lastYear - c.firstYear + 1, 0);
      inSpan.push_back(layout.kind.period == SeriesPeriod::Hydrograph ? layout.pointCount
                                                                      : years * layout.pointsPerYear);
    }
    g.x = ConvertToExceedence(g.values, inSpan);
  }

  ChartDescription& chart = g.chart;
  chart.main.type = s.graphType == 1 ? ChartType::Bar : ChartType::Line;
  for (std::size_t j = 0; j < g.values.size(); ++j) {
    ChartSet set;
    set.x = g.x;
    set.y.assign(g.values[j].begin(), g.values[j].end());
    chart.main.sets.push_back(std::move(set));
    chart.main.curveLabels.push_back(g.labels[j]);
  }
  chart.main.curveStyles =
      PreferenceCurveStyles(input.preferences, static_cast<int>(g.values.size()), s.plotPoints, s.lineStyle);

  if (s.trendLine && g.values.size() == 1) {
    g.trend = ComputeTrendLine(g.x, g.values[0]);
    if (g.trend.valid) {
      ChartSet set;
      set.x = g.x;
      for (double xi : g.x) set.y.push_back(g.trend.slope * xi + g.trend.intercept);
      chart.main.sets.push_back(std::move(set));
      chart.main.curveLabels.push_back("Trend Line");
      chart.main.curveStyles.push_back(SpecialCurveStyle(Rgb{0, 0, 0}, kPatternDash));
    }
  }
  if (s.threshold) {
    g.threshold = true;
    g.thresholdValue = s.thresholdValue;
    ChartSet set;
    set.x = g.x;
    set.y.assign(g.x.size(), static_cast<double>(s.thresholdValue));
    chart.main.sets.push_back(std::move(set));
    chart.main.curveLabels.push_back("Threshold");
    chart.main.curveStyles.push_back(SpecialCurveStyle(Rgb{0, 255, 0}, kPatternDashDot));
  }

  const bool userExtents = input.userYMaximum != kHoleValue;
  chart.yAutomatic = !userExtents;
  chart.yMin = input.userYMinimum;
  chart.yMax = input.userYMaximum;

  if (s.errorBars && input.curves.size() == 1) {
    const YearSpread spread =
        ComputeYearSpread(layout, input.curves[0], s.annualSeries == kAnnualAnnualMedian);
    ChartData bars;
    bars.type = ChartType::ErrorBars;
    bars.setsPerCurve = 2;
    ChartSet low, high;
    double lowest = 0.0, highest = 0.0;
    bool any = false;
    for (std::size_t y = 0; y < spread.centre.size(); ++y) {
      const double xi = layout.X(static_cast<int>(y));
      float lo = kGraphHole, hi = kGraphHole;
      if (spread.centre[y] != kGraphHole) {
        const float c = spread.centre[y];
        const float quarter = spread.stdDev[y] / 4.0f;
        lo = std::max(0.0f, c - quarter);
        hi = c + quarter;
        if (!any || lo < lowest) lowest = lo;
        if (!any || hi > highest) highest = hi;
        any = true;
      }
      g.errorLow.push_back(lo);
      g.errorHigh.push_back(hi);
      low.x.push_back(xi);
      low.y.push_back(lo);
      high.x.push_back(xi);
      high.y.push_back(hi);
    }
    bars.sets = {std::move(low), std::move(high)};
    bars.curveLabels = {"Error Bars"};
    bars.curveStyles = {SpecialCurveStyle(Rgb{0, 0, 0}, kPatternSolid)};
    chart.second = std::move(bars);
    if (any) {
      // The axis must show the whole bars: their extent truncated to whole flows, widened further
      // to the user's extents when those are set.
      double top = std::trunc(highest + 1.0);
      double bottom = std::trunc(lowest);
      if (userExtents) {
        top = std::max(top, input.userYMaximum);
        bottom = std::min(bottom, input.userYMinimum);
      }
      chart.yAutomatic = false;
      chart.yMin = bottom;
      chart.yMax = top;
    }
  }

  chart.header = {FlowGraphTitle(s), FlowGraphSubtitle(layout)};
  chart.yTitle = kStreamFlowTitle;
  const FlowXAxis axis = MakeFlowXAxis(layout, s.exceedence);
  chart.xTitle = axis.title;
  chart.valueLabels = axis.valueLabels;
  chart.xLabels = axis.labels;
  chart.logY = s.scale == 1;
  chart.grid = s.grid;
  chart.xMin = 0.0;
  chart.xMax = s.exceedence ? 100.0 : layout.axisLength;

  for (std::size_t j = 0; j < g.values.size(); ++j)
    g.statistics.push_back(ComputeCurveStatistics(g.labels[j], g.values[j]));

  // A logarithmic axis has no place for 0: an intermittent stream's dry days simply vanish from
  // the picture, which then looks like a perennial stream. Say how many.
  if (chart.logY) g.logScaleNote = ZeroFlowNote(zeros, layout.kind.period);
  return g;
}

std::string ZeroFlowNote(int zeroValues, SeriesPeriod period) {
  if (zeroValues <= 0) return "";
  const bool one = zeroValues == 1;
  const char* what = nullptr;
  switch (period) {
    case SeriesPeriod::Month:
      what = one ? "monthly value" : "monthly values";
      break;
    case SeriesPeriod::Year:
      what = one ? "annual value" : "annual values";
      break;
    case SeriesPeriod::Day:
    case SeriesPeriod::Hydrograph:
      what = one ? "day" : "days";
      break;
  }
  return Format("%d %s of zero flow %s not drawn on the log scale", zeroValues, what, one ? "is" : "are");
}

std::string FlowGraphExportText(const FlowGraph& g) {
  std::string out;
  out += g.chart.header.empty() ? std::string() : g.chart.header[0];
  out += kCrLf;
  out += Format("Time Period - %d - %d", g.layout.y0, g.layout.y1) + kCrLf;
  out += g.exceedence ? "X axis:  Percent Of Time Equaled Or Exceeded" : "X axis:  Time";
  out += kCrLf;
  out += "Y axis:  Stream Flow (cfs)";
  out += kCrLf;
  out += "Legend:";
  out += kCrLf;
  for (std::size_t j = 0; j < g.labels.size(); ++j)
    out += Format("    Y%d - %s", static_cast<int>(j + 1), g.labels[j].c_str()) + kCrLf;
  out += "   ";
  out += g.exceedence ? "EXCEEDENCE  " : " TIME STEP  ,    DATE    ";
  for (std::size_t j = 0; j < g.labels.size(); ++j) out += Format(",     Y%d     ", static_cast<int>(j + 1));
  out += kCrLf;
  for (int p = 0; p < g.layout.pointCount; ++p) {
    const std::size_t i = static_cast<std::size_t>(p);
    if (g.exceedence)
      out += Format("%12.2f", g.x[i]);
    else
      out += Format("%12d,%s", static_cast<int>(g.x[i]), FlowDateText(g.layout, p).c_str());
    for (const std::vector<float>& curve : g.values) {
      const float v = curve[i];
      out += v <= kGraphHole ? std::string(",     ") : Format(",%12.1f", static_cast<double>(v));
    }
    out += kCrLf;
  }
  return out;
}

std::string CurveStatisticsCaption() {
  return Format("Curve Statistics:  %s\nCurve Units:  %s", kStreamFlowTitle, "Curve units:  CFS");
}

std::string CurveStatisticsCsv(const std::vector<CurveStatistics>& statistics) {
  std::string out = Format("Curve Statistics:  %s", kStreamFlowTitle) + kCrLf;
  out += kCrLf;
  out += std::string("Curve units:  CFS") + kCrLf;
  out += std::string(kCrLf) + "Curve,No. of points,Minimum,Maximum,Median,Mean,StdDev,Total" + kCrLf;
  for (const CurveStatistics& s : statistics)
    out +=
        Format("%s,%d,%12.2f,%12.2f,%12.2f,%12.2f,%12.2f,%12.2f", s.label.c_str(), s.count,
               static_cast<double>(s.minimum), static_cast<double>(s.maximum), static_cast<double>(s.median),
               static_cast<double>(s.mean), static_cast<double>(s.stdDev), static_cast<double>(s.total)) +
        kCrLf;
  return out;
}

}  // namespace zelvo
