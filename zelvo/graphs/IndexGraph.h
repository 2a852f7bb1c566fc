#pragma once
// The index graphs: the hydrologic index values of several data sets side by side, as bars of the
// values or as bars from the lower to the upper percentile limit with the value as a point,
// optionally normalised by a base data set.

#include <optional>
#include <string>
#include <vector>

#include "common/engine/HiOutputFile.h"
#include "zelvo/files/Preferences.h"
#include "zelvo/graphs/ChartDescription.h"

namespace zelvo {

inline constexpr int kMaxGraphIndices = 12;
inline constexpr int kMaxIndexCurves = 5;  // the baseline and four alternatives, or five periods

enum class IndexGraphKind { Alternatives, Profile };
enum class IndexGraphType { Value = 0, Range = 1 };

struct IndexCurveInput {
  std::string title;             // the data set's title
  std::optional<HiTable> table;  // nullopt when its results file could not be read
};

struct IndexGraphInput {
  IndexGraphKind kind = IndexGraphKind::Alternatives;
  IndexGraphType type = IndexGraphType::Value;
  bool normalize = false;
  bool grid = false;
  std::string profileTitle;  // profile window: first header line
  std::vector<int> indices;  // the K selected index numbers
  std::vector<IndexCurveInput> curves;
  int base = 0;  // 0-based curve that normalises the others
  Preferences preferences;
};

// Alternatives window: every alternative's percentiles must be those of the baseline (curve 0).
// Returns "The limits for alternative (%s) do not match the baseline.\n\nComparison can not be
// made." for the first that differs.
std::optional<std::string> CheckIndexGraphLimits(const IndexGraphInput& input);

// X of curve j (0-based) at index k (1-based) in the range graph.
double RangeBarX(int curve, int k);
// X of the index names in the range graph: k - 0.4 for 1 or 2 curves, k - 0.2 for 3 or 4, k for 5.
double RangeLabelX(int curveCount, int k);

struct IndexGraph {
  std::vector<std::string> header;  // always three lines, possibly empty
  std::vector<std::string> titles;  // the data sets' titles
  // Per curve and selected index, normalised when Normalize is on; -99.0 where there is no point.
  std::vector<std::vector<float>> lower, value, upper;
  IndexGraphType type = IndexGraphType::Value;
  std::vector<int> indices;
  ChartDescription chart;
};

IndexGraph BuildIndexGraph(const IndexGraphInput& input);

// The CSV export of the drawn values, CR LF line ends.
std::string IndexGraphExportText(const IndexGraph& graph);

}  // namespace zelvo
