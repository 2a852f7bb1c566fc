#pragma once
// One drawing of a flow graph: the curves of the chosen data sets on their common time axis, or
// as exceedence curves, with the optional trend line, threshold and error bars; the chart
// description handed to the chart, the per-curve statistics and the export texts.

#include <string>
#include <vector>

#include "zelvo/files/Preferences.h"
#include "zelvo/graphs/ChartDescription.h"
#include "zelvo/graphs/Exceedence.h"
#include "zelvo/graphs/FlowSeries.h"

namespace zelvo {

inline constexpr const char* kStreamFlowTitle = "Stream Flow (cfs)";
inline constexpr const char* kExceedenceTitle = "Percent Of Time Equaled Or Exceeded";

// Which of Trend Line and Error Bars the window offers for these settings; a box that is not
// offered is switched off in `settings`.
struct FlowOptionAvailability {
  bool trendLine = false;
  bool errorBars = false;
};
FlowOptionAvailability ApplyFlowOptionAvailability(FlowGraphSettings& settings, int curveCount);

// First header line: the series name, with " Exceedence" after "Flow" / "Hydrograph".
std::string FlowGraphTitle(const FlowGraphSettings& settings);
// Second header line: "Water Year %d" for a single water year, otherwise 18 blanks.
std::string FlowGraphSubtitle(const FlowLayout& layout);

struct FlowXAxis {
  std::string title;
  bool valueLabels = false;
  std::vector<ChartLabel> labels;
};
FlowXAxis MakeFlowXAxis(const FlowLayout& layout, bool exceedence);

// Date text of point p in the export.
std::string FlowDateText(const FlowLayout& layout, int point);

struct FlowGraphInput {
  FlowGraphSettings settings;
  std::vector<FlowCurveInput> curves;
  Preferences preferences;
  double userYMinimum = kHoleValue;
  double userYMaximum = kHoleValue;  // -99.0: automatic extents
};

struct FlowGraph {
  FlowLayout layout;
  bool exceedence = false;
  std::vector<std::string> labels;         // one per data set curve
  std::vector<std::vector<float>> values;  // one per data set curve, layout.pointCount each
  std::vector<double> x;                   // X of every position
  TrendLine trend;                         // valid when the trend line is drawn
  bool threshold = false;
  float thresholdValue = 0.0f;
  std::vector<float> errorLow, errorHigh;  // per year when error bars are drawn
  std::vector<CurveStatistics> statistics;
  ChartDescription chart;
  // Under the chart: the zero flows a log scale cannot show ("" when nothing is left out).
  std::string logScaleNote;
};

// "n days of zero flow are not drawn on the log scale" for the positions of the data set curves
// whose value is 0; the series of months and years count their values instead of days.
std::string ZeroFlowNote(int zeroValues, SeriesPeriod period);

FlowGraph BuildFlowGraph(const FlowGraphInput& input);

// The CSV export of the drawn values, CR LF line ends.
std::string FlowGraphExportText(const FlowGraph& graph);
// The CSV export of the curve statistics, CR LF line ends.
std::string CurveStatisticsCsv(const std::vector<CurveStatistics>& statistics);
// Caption of the statistics table.
std::string CurveStatisticsCaption();

}  // namespace zelvo
