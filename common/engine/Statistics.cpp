#include "common/engine/Statistics.h"

#include <algorithm>
#include <cmath>

namespace zelvo {
namespace {

// Strict weak orders even in the presence of NaN: std::sort with a bare < on NaN is undefined.
bool LessNanLast(float a, float b) {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return a < b;
}
bool GreaterNanLast(float a, float b) {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return a > b;
}

}  // namespace

void SortValues(int ascending, float* values, int count) {
  if (count <= 1) return;
  if (ascending != 0)
    std::sort(values, values + count, LessNanLast);
  else
    std::sort(values, values + count, GreaterNanLast);
}

SummaryStats ComputeSummaryStats(int count, float* values) {
  SummaryStats s;
  if (count <= 0) return s;
  double sum = 0.0;
  for (int i = 0; i < count; ++i) sum += values[i];
  const double meanD = sum / count;
  s.mean = static_cast<float>(meanD);
  double squares = 0.0;
  for (int i = 0; i < count; ++i) {
    const double d = values[i] - meanD;
    squares += d * d;
  }
  // count = 1 divides 0 by 0: the standard deviation of a single value is left as NaN, which
  // every caller prints or compares without trapping.
  s.stdDev = static_cast<float>(std::sqrt(squares / (count - 1)));
  SortValues(1, values, count);
  if (count % 2 == 0)
    s.median = (values[count / 2 - 1] + values[count / 2]) / 2.0f;
  else
    s.median = values[(count + 1) / 2 - 1];
  return s;
}

float PercentileValue(float p, int count, const float* sorted) {
  if (count <= 0) return 0.0f;
  const double r = static_cast<double>(count + 1) * static_cast<double>(p);
  const int k = static_cast<int>(r);
  if (k <= 0) return sorted[0];
  if (k >= count) return sorted[count - 1];
  const float fraction = static_cast<float>(r) - static_cast<float>(k);
  return sorted[k - 1] + (sorted[k] - sorted[k - 1]) * fraction;
}

}  // namespace zelvo
