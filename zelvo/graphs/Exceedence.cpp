#include "zelvo/graphs/Exceedence.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/engine/Statistics.h"
#include "zelvo/graphs/ChartDescription.h"

namespace zelvo {
namespace {

bool HasValue(float v) { return v != kGraphHole; }

// Sorts descending (holes, at -99.0, go last since flows are never negative) and returns the
// number of values.
int SortDescending(std::vector<float>& v) {
  SortValues(0, v.data(), static_cast<int>(v.size()));
  int m = 0;
  for (float f : v)
    if (HasValue(f)) ++m;
  // Holes are below every flow, so the m values are the first m elements.
  return m;
}

double Percent(int i, int m) { return m > 1 ? 100.0 * i / (m - 1) : 0.0; }

}  // namespace

std::vector<double> ConvertToExceedence(std::vector<std::vector<float>>& curves,
                                        const std::vector<int>& inSpan) {
  if (curves.empty()) return {};
  std::size_t ref = 0;
  for (std::size_t j = 1; j < curves.size() && j < inSpan.size(); ++j)
    if (inSpan[j] > inSpan[ref]) ref = j;

  std::vector<float>& reference = curves[ref];
  const int m = SortDescending(reference);
  std::vector<double> x(reference.size(), 100.0);
  for (int i = 0; i < m; ++i) x[static_cast<std::size_t>(i)] = Percent(i, m);
  if (m < 2) std::fill(reference.begin(), reference.end(), kGraphHole);

  for (std::size_t j = 0; j < curves.size(); ++j) {
    if (j == ref) continue;
    std::vector<float>& curve = curves[j];
    const int mc = SortDescending(curve);
    std::vector<float> result(reference.size(), kGraphHole);
    if (mc >= 2) {
      for (int i = 0; i < m; ++i) {
        const double xi = x[static_cast<std::size_t>(i)];
        for (int k = 0; k + 1 < mc; ++k) {
          const double pk = Percent(k, mc);
          const double pk1 = Percent(k + 1, mc);
          if (pk <= xi && xi <= pk1) {
            const double sk = curve[static_cast<std::size_t>(k)];
            const double sk1 = curve[static_cast<std::size_t>(k + 1)];
            result[static_cast<std::size_t>(i)] =
                static_cast<float>(sk + (xi - pk) * (sk1 - sk) / (pk1 - pk));
            break;
          }
        }
      }
    }
    result.resize(curve.size(), kGraphHole);
    curve = std::move(result);
  }
  return x;
}

TrendLine ComputeTrendLine(const std::vector<double>& x, const std::vector<float>& y) {
  TrendLine t;
  const std::size_t n = std::min(x.size(), y.size());
  double sx = 0.0, sy = 0.0;
  int count = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!HasValue(y[i])) continue;
    sx += x[i];
    sy += y[i];
    ++count;
  }
  if (count < 2) return t;
  const double xm = sx / count;
  const double ym = sy / count;
  double sxy = 0.0, sxx = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!HasValue(y[i])) continue;
    sxy += (y[i] - ym) * (x[i] - xm);
    sxx += (x[i] - xm) * (x[i] - xm);
  }
  if (sxx == 0.0) return t;
  t.valid = true;
  t.slope = sxy / sxx;
  t.intercept = ym - t.slope * xm;
  return t;
}

CurveStatistics ComputeCurveStatistics(const std::string& label, const std::vector<float>& values) {
  CurveStatistics s;
  s.label = label.substr(0, 50);
  std::vector<float> v;
  v.reserve(values.size());
  double total = 0.0;
  float minimum = 1.0e9f, maximum = -1.0e9f;
  for (float f : values) {
    if (!HasValue(f)) continue;
    v.push_back(f);
    total += f;
    minimum = std::min(minimum, f);
    maximum = std::max(maximum, f);
  }
  s.count = static_cast<int>(v.size());
  if (s.count == 0) return s;
  const double mean = total / s.count;
  double squares = 0.0;
  for (float f : v) squares += (f - mean) * (f - mean);
  s.total = static_cast<float>(total);
  s.mean = static_cast<float>(mean);
  s.stdDev = static_cast<float>(std::sqrt(squares / s.count));
  s.minimum = minimum;
  s.maximum = maximum;
  // The middle of the ascending order; a partial selection gives the same values as a full sort.
  const std::size_t h = v.size() / 2;
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(h), v.end());
  const float upperMiddle = v[h];
  if (v.size() % 2 == 1) {
    s.median = upperMiddle;
  } else {
    const float lowerMiddle = *std::max_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(h));
    s.median = (lowerMiddle + upperMiddle) / 2.0f;
  }
  return s;
}

}  // namespace zelvo
