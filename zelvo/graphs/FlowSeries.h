#pragma once
// The flow series of the flow graphs: per water year of a record, the daily flows, monthly or
// annual statistics, or the median annual hydrograph, laid out on a common time axis of all
// curves. Positions without a value hold -99.0.

#include <string>
#include <vector>

#include "common/engine/FlowRecord.h"

namespace zelvo {

enum class FlowBasis { Annual = 0, Monthly = 1 };

// Series of the annual basis, numbered as the window's radio buttons and the preferences.
enum AnnualSeries : int {
  kAnnualDaily = 0,
  kAnnualMonthlyAve = 1,
  kAnnualAnnualAve = 2,
  kAnnualMonthlyMax = 3,
  kAnnualAnnualMax = 4,
  kAnnualMonthlyMin = 5,
  kAnnualAnnualMin = 6,
  kAnnualAnnualMedian = 7,
  kAnnualMonthlyMedian = 8,
  kAnnualMedianHydrograph = 9,
};
// Series of the monthly basis.
enum MonthlySeries : int {
  kMonthlyDaily = 0,
  kMonthlyMonthlyAve = 1,
  kMonthlyMonthlyMax = 2,
  kMonthlyMonthlyMin = 3,
  kMonthlyMonthlyMedian = 4,
};

inline constexpr int kAnnualSeriesCount = 10;
inline constexpr int kMonthlySeriesCount = 5;
inline constexpr int kDaysPerGraphYear = 365;

// Radio-button texts of the two bases.
const char* AnnualSeriesName(int series);
const char* MonthlySeriesName(int series);
// "October" .. "September" for month 0..11 of the water year.
const char* WaterYearMonthName(int month);

// Days of the water year without the leap-day slot: the start offsets and lengths of the months
// October..September, and the 0-based day slot of a day 0..364.
extern const int kGraphMonthStart[12];
extern const int kGraphMonthDays[12];
constexpr int SlotOfGraphDay(int day) { return day < kLeapDaySlot ? day : day + 1; }

// A daily flow counts when it is neither the missing marker nor negative.
bool IsValidFlow(float flow);

struct FlowGraphSettings {
  FlowBasis basis = FlowBasis::Annual;
  int annualSeries = kAnnualDaily;
  int monthlySeries = kMonthlyDaily;
  int month = 0;      // water-year month 0 (October) .. 11 (September), monthly basis
  int graphType = 0;  // 0 line, 1 bar
  int scale = 0;      // 0 linear, 1 log
  bool grid = false;
  bool lineStyle = false;
  bool plotPoints = false;
  bool exceedence = false;
  bool trendLine = false;
  bool threshold = false;
  float thresholdValue = 0.0f;
  bool errorBars = false;
};

enum class SeriesStat { Values, Mean, Max, Min, Median };
enum class SeriesPeriod { Day, Month, Year, Hydrograph };

// What one setting of basis and series draws.
struct SeriesKind {
  bool monthlyBasis = false;
  SeriesPeriod period = SeriesPeriod::Day;
  SeriesStat stat = SeriesStat::Values;
};
SeriesKind SeriesKindOf(const FlowGraphSettings& settings);

// The common time axis of all curves of a drawing.
struct FlowLayout {
  SeriesKind kind;
  int month = 0;          // monthly basis
  int y0 = 0, y1 = 0;     // first and last water year of all curves
  int span = 0;           // y1 - y0 + 1
  int pointsPerYear = 0;  // P
  int pointCount = 0;     // span x P, or 365 for the hydrograph
  double axisLength = 0;  // X runs from 0 to this

  // X of point p (days counted from the axis start, the first day being 1).
  double X(int point) const;
  // Water year (counted from y0) of point p; 0 for the hydrograph.
  int YearOfPoint(int point) const;
};

// One curve of a drawing: its label, its record (null when the data file could not be read) and
// the water years of its data set entry.
struct FlowCurveInput {
  std::string label;
  const FlowRecord* record = nullptr;
  int firstYear = 0;
  int lastYear = 0;
};

// The time span and layout of all curves; span 0 when no curve has years.
FlowLayout MakeFlowLayout(const FlowGraphSettings& settings, const std::vector<FlowCurveInput>& curves);

// The curve's values at the layout's positions (-99.0 where it has none).
std::vector<float> ComputeFlowSeries(const FlowLayout& layout, const FlowCurveInput& curve);

// Mean or median (c) and sample standard deviation (s) of each water year of the curve on the
// layout's yearly positions, -99.0 for years without valid days. For the error bars.
struct YearSpread {
  std::vector<float> centre;
  std::vector<float> stdDev;
};
YearSpread ComputeYearSpread(const FlowLayout& layout, const FlowCurveInput& curve, bool median);

}  // namespace zelvo
