#pragma once
// The alteration graph: the hydrologic alteration of the middle category of every per-year
// quantity of one altered period or alternative, as bars coloured by how far the middle range of
// the baseline was left: green within 33 %, amber to 67 %, red beyond.

#include <optional>
#include <string>
#include <vector>

#include "zelvo/graphs/ChartDescription.h"

namespace zelvo {

inline constexpr const char* kAlterationGraphCaption = "Alteration Graph";

// One altered period or alternative: the middle category's alteration in percent per quantity,
// nullopt where it cannot be formed (nothing expected, or no baseline range).
struct AlterationBars {
  std::string title;
  std::vector<std::string> quantities;
  std::vector<std::optional<double>> middlePercent;
};

struct AlterationGraphInput {
  std::string heading;  // "Alteration Scorecard - Dam"
  std::string method;   // the method as the report states it
  std::vector<AlterationBars> blocks;
};

enum class AlterationClass { Low = 0, Moderate = 1, High = 2 };
// Within +/-33 % low, within +/-67 % moderate, beyond high (the boundaries belong to the lower
// class).
AlterationClass AlterationClassOf(double percent);
// Green, amber, red.
Rgb AlterationColour(AlterationClass c);

// The chart of block `block`: three bar curves (one per class) at the quantities' positions
// 1..n, each quantity in the curve of its class and a hole in the other two; the quantity names
// as value labels written upright.
ChartDescription BuildAlterationChart(const AlterationGraphInput& input, int block, bool grid);

// The CSV export of block `block`: heading, period and method lines, then "quantity,middle HA %"
// and one line per quantity ("N/A" where there is no bar). CR LF line ends.
std::string AlterationExportText(const AlterationGraphInput& input, int block);

}  // namespace zelvo
