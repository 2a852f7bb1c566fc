#pragma once
// The alteration scorecard (range of variability): how often the years of an altered period fall
// outside the range the baseline years held, quantity by quantity of the per-year series.
//
// The baseline's years split the values of a quantity into three categories, low, middle and
// high, at two boundaries: by default the 33rd and 67th percentiles of the baseline years (the
// percentile rule of the indices), optionally any two percentiles, or the baseline mean minus and
// plus one standard deviation. A value equal to a boundary is middle. For the altered years each
// category has an observed count and an expected one (the baseline's share of years in that
// category times the altered years); the hydrologic alteration is (observed - expected) /
// expected, undefined when nothing is expected.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

enum class ScorecardMethod {
  Percentiles,  // boundaries at two percentiles of the baseline years
  Parametric,   // boundaries at the baseline mean -/+ one sample standard deviation
};

struct ScorecardOptions {
  ScorecardMethod method = ScorecardMethod::Percentiles;
  float lowerPercentile = 33.0f;  // percent; the percentile method only
  float upperPercentile = 67.0f;
};

// The problem with a choice of percentiles (each above 0 and below 100, lower below upper), or
// nullopt when they can be used.
std::optional<std::string> CheckScorecardPercentiles(float lower, float upper);

// The method as the report and the command line state it, e.g. "non-parametric: categories split
// at the 33rd and 67th percentiles of the baseline years".
std::string DescribeScorecardMethod(const ScorecardOptions& options);

enum ScorecardCategory : int { kLowCategory = 0, kMiddleCategory = 1, kHighCategory = 2 };
inline constexpr int kScorecardCategories = 3;

// One per-year quantity of a period: its name and one value per water year (NaN: the year has
// no value).
struct YearlyQuantity {
  std::string name;
  std::vector<double> values;
};

// What the baseline years give a quantity. Without two baseline years with a value (or, for the
// parametric method, with a spread that is not a number) the boundaries are unknown and no year
// can be categorised.
struct BaselineRange {
  std::string name;
  int years = 0;  // baseline years with a value
  std::optional<float> lowerBoundary, upperBoundary;
  std::array<int, kScorecardCategories> counts{};  // baseline years per category
  std::optional<float> median;
  std::optional<float> dispersion;  // (75th - 25th percentile) / |median|; none when the median is 0
};
BaselineRange DescribeBaseline(const YearlyQuantity& baseline, const ScorecardOptions& options);

// The category of a value against known boundaries: below the lower one low, above the upper
// one high, anything else (the boundaries included) middle.
ScorecardCategory CategoryOf(float value, float lowerBoundary, float upperBoundary);

struct CategoryScore {
  int observed = 0;
  double expected = 0.0;
  std::optional<double> alteration;  // (observed - expected) / expected; none when expected is 0
};

struct QuantityScore {
  BaselineRange baseline;
  int years = 0;  // altered years with a value
  std::optional<float> median;
  std::optional<float> dispersion;
  std::optional<float> deviationFactor;  // (altered - baseline median) / baseline median
  bool categorised = false;              // the baseline gave boundaries
  std::array<CategoryScore, kScorecardCategories> categories{};
};
QuantityScore ScoreQuantity(const BaselineRange& baseline, const std::vector<double>& altered);

// A period scored: the baseline itself, a later period of a profile or an alternative.
struct ScorecardPeriod {
  std::string title;
  int firstYear = 0;  // water years of the period's record
  int lastYear = 0;
  std::vector<YearlyQuantity> quantities;
};

struct ScorecardBlock {
  std::string title;
  int firstYear = 0;
  int lastYear = 0;
  std::vector<QuantityScore> scores;  // in the order of the baseline's quantities
};

struct Scorecard {
  ScorecardOptions options;
  std::string baselineTitle;
  int baselineFirstYear = 0;
  int baselineLastYear = 0;
  std::vector<BaselineRange> ranges;  // one per quantity of the baseline
  std::vector<ScorecardBlock> blocks;
};

// Scores every altered period against the baseline, quantity by quantity; a quantity an altered
// period does not have counts as a quantity without values there.
Scorecard ComputeScorecard(const ScorecardPeriod& baseline, const std::vector<ScorecardPeriod>& altered,
                           const ScorecardOptions& options);

// "scorecard.txt": fixed columns; `heading` is the title line, `alternatives` names the blocks
// "Alternative" rather than "Period". Line ends "\n" (the writer turns them into CR LF).
std::string FormatScorecardReport(const std::string& heading, const std::string& projectName,
                                  bool alternatives, const Scorecard& card);

// "scorecard.csv": a header line, then one line per block and quantity. Numbers in the C locale,
// "N/A" where a value cannot be formed. Line ends "\n".
std::string FormatScorecardCsv(const Scorecard& card);

}  // namespace zelvo
