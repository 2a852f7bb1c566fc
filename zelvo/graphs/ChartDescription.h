#pragma once
// What a graph window hands to the chart: plain data and appearance, decided entirely in core, so
// the chart adapter only renders it. Y values equal to the hole value are not drawn and break
// the line.

#include <optional>
#include <string>
#include <vector>

#include "zelvo/files/Preferences.h"

namespace zelvo {

inline constexpr double kHoleValue = -99.0;
inline constexpr float kGraphHole = -99.0f;
inline constexpr int kMaxCurves = 20;

enum class ChartType {
  Line,          // polyline per set
  Bar,           // bars per set, sets side by side
  ErrorBars,     // sets in pairs (lower end, upper end): a vertical bar with caps at every X
  HighLowRange,  // sets in fours (high, low, open, close): a bar from low to high at every X
  Plot,          // markers only
};

// Line patterns of the chart's pattern list as the graphs use them.
enum LinePattern : int {
  kPatternSolid = 2,
  kPatternDash = 3,
  kPatternDot = 4,
  kPatternDashDot = 5,
  kPatternDashDotDot = 6,
  kPatternLongDash = 7,
};

// Point style 1 draws no marker; 0 lets the chart choose its default marker for the curve.
inline constexpr int kPointNone = 1;
inline constexpr int kPointDefault = 0;

struct CurveStyle {
  int pattern = kPatternSolid;
  Rgb lineColour{};
  int lineWidth = 2;
  int pointStyle = kPointNone;
  Rgb pointColour{};
  int pointSize = 6;
};

struct ChartSet {
  std::vector<double> x;
  std::vector<double> y;
};

// One data object of the chart. A curve is `setsPerCurve` consecutive sets (1 for lines, bars and
// plots, 2 for error bars, 4 for high-low ranges); labels and styles are per curve.
struct ChartData {
  ChartType type = ChartType::Line;
  int setsPerCurve = 1;
  std::vector<ChartSet> sets;
  std::vector<std::string> curveLabels;
  std::vector<CurveStyle> curveStyles;
  bool inLegend = true;
  // Bars only: the curves' bars stand at the same X, each as wide as a single curve's bar (for
  // curves that never have a value at the same X); otherwise they stand side by side.
  bool barsOverlap = false;

  int CurveCount() const { return setsPerCurve > 0 ? static_cast<int>(sets.size()) / setsPerCurve : 0; }
};

struct ChartLabel {
  double x = 0.0;
  std::string text;
};

struct ChartDescription {
  ChartData main;
  std::optional<ChartData> second;  // error bars of a flow graph, value points of a range graph
  double holeValue = kHoleValue;

  std::vector<std::string> header;  // lines above the chart
  std::string xTitle;
  std::string yTitle;
  bool valueLabels = false;  // true: only the labels below are written on the X axis
  std::vector<ChartLabel> xLabels;
  double xLabelRotation = 0.0;  // degrees clockwise; -90 writes long value labels upright
  bool logY = false;

  bool yAutomatic = true;  // false: yMin/yMax are used
  double yMin = 0.0;
  double yMax = 0.0;
  double xMin = 0.0;
  double xMax = 0.0;

  bool grid = false;
  std::string headerFont = "Arial,10,bold";
  std::string legendFont = "Times,8,bold";  // its size and weight; the chart writes it in the axes' family
  std::string axisFont;                     // empty: the chart's own
};

// Low 8 bits of each component: a component typed as 300 acts as 44.
Rgb ColourOf(const Rgb& stored);

// The running line pattern of main curve n (0-based): 2 for every curve without Line Style,
// otherwise 2, 3, 4, 5, 6, 7, 2, ...
int LinePatternOf(int curve, bool lineStyle);

// The styles of main curves 0..count-1 from the preferences: colour n+1, width 2, point size 6,
// no marker unless Plot Points is on, the running pattern.
std::vector<CurveStyle> PreferenceCurveStyles(const Preferences& prefs, int count, bool plotPoints,
                                              bool lineStyle);

// Black / green special curves.
CurveStyle SpecialCurveStyle(Rgb colour, int pattern);

}  // namespace zelvo
