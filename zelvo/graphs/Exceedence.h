#pragma once
// Flow-duration (exceedence) curves, the least-squares trend line and the per-curve statistics of
// the flow graphs. Curves are float arrays with -99.0 at positions without a value.

#include <string>
#include <vector>

namespace zelvo {

// Converts curves to exceedence curves in place. `inSpan[j]` is the number of positions of curve
// j inside its own record; the curve with the most (the first on ties) is the reference. Its
// values are sorted descending and placed at 100 i / (m - 1) percent, m being its number of
// values; the other curves are sorted and interpolated linearly at the same percentages.
// Returns the X value (percent) of every position.
//
// A curve with fewer than two values has no duration curve (there is no spread of percentages to
// place it on): all its positions become -99.0. A reference with a single value keeps the X value 0
// for its first position, so the other curves still get their largest flow there.
std::vector<double> ConvertToExceedence(std::vector<std::vector<float>>& curves,
                                        const std::vector<int>& inSpan);

struct TrendLine {
  bool valid = false;  // false when fewer than two distinct X values carry a flow
  double slope = 0.0;
  double intercept = 0.0;
};

// Least-squares line through the positions that hold a value (holes take no part), with the X
// values as drawn: days on time graphs, percent on exceedence graphs.
TrendLine ComputeTrendLine(const std::vector<double>& x, const std::vector<float>& y);

struct CurveStatistics {
  std::string label;  // at most 50 characters
  int count = 0;
  float minimum = 0.0f;
  float maximum = 0.0f;
  float median = 0.0f;
  float mean = 0.0f;
  float stdDev = 0.0f;  // population form
  float total = 0.0f;
};

// Statistics over the positions whose value is not -99.0; all zero when there are none.
CurveStatistics ComputeCurveStatistics(const std::string& label, const std::vector<float>& values);

}  // namespace zelvo
