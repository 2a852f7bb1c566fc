#pragma once
// The three statistics operations every index is built from. Flows and results are float32;
// sums run in double. The exact rounding path matters: results are written with 3 decimals.

#include <cstddef>

namespace zelvo {

struct SummaryStats {
  float mean = 0.0f;
  float median = 0.0f;
  float stdDev = 0.0f;  // sample standard deviation (divisor count - 1)
};

// Mean, median and sample standard deviation of values[0..count). Leaves the array sorted
// ascending in place; callers rely on that to take percentiles afterwards. count = 0 gives zeros.
SummaryStats ComputeSummaryStats(int count, float* values);

// The mean and the standard deviation exactly as ComputeSummaryStats gives them, without
// sorting; the median is left 0.
SummaryStats ComputeMoments(int count, const float* values);

// The median exactly as ComputeSummaryStats gives it, without the mean and the spread; leaves
// the array sorted ascending likewise. count = 0 gives 0.
float ComputeMedian(int count, float* values);

// Weibull plotting position with linear interpolation, clamped to the first and the last value.
// `sorted` may be ascending or descending: the result follows the order it is in.
float PercentileValue(float p, int count, const float* sorted);

// Sorts values[0..count) ascending (ascending != 0) or descending. A NaN (0/0 of a month or window
// without valid days) sorts after every number in both directions, NaNs in the order they came.
// Equal numbers are bit-identical except -0 and +0, which sort as if -0 were the smaller, so the
// result is one fixed list whatever the input order.
void SortValues(int ascending, float* values, int count);

}  // namespace zelvo
