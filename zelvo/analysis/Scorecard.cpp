#include "zelvo/analysis/Scorecard.h"

#include <cmath>

#include "common/engine/Statistics.h"
#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

// The years of a quantity that have a value, as float32 like every index value, sorted
// ascending.
std::vector<float> SortedValues(const std::vector<double>& values) {
  std::vector<float> kept;
  kept.reserve(values.size());
  for (double v : values)
    if (!std::isnan(v)) kept.push_back(static_cast<float>(v));
  SortValues(1, kept.data(), static_cast<int>(kept.size()));
  return kept;
}

struct Centre {
  std::optional<float> median;
  std::optional<float> dispersion;
};

// Median and coefficient of dispersion of sorted values.
Centre CentreOf(std::vector<float> sorted) {
  Centre c;
  const int n = static_cast<int>(sorted.size());
  if (n == 0) return c;
  const float p25 = PercentileValue(0.25f, n, sorted.data());
  const float p75 = PercentileValue(0.75f, n, sorted.data());
  c.median = ComputeSummaryStats(n, sorted.data()).median;
  // Over the size of the median, so the spread of a quantity that is negative (the fall rate)
  // is not given a negative sign.
  if (*c.median != 0.0f) c.dispersion = (p75 - p25) / std::fabs(*c.median);
  return c;
}

const char* Ordinal(int n) {
  const int lastTwo = n % 100;
  if (lastTwo >= 11 && lastTwo <= 13) return "th";
  switch (n % 10) {
    case 1:
      return "st";
    case 2:
      return "nd";
    case 3:
      return "rd";
    default:
      return "th";
  }
}

// "33rd" for a whole percentile, "12.5th" otherwise.
std::string PercentileText(float percent) {
  if (percent == std::floor(percent)) {
    const int whole = static_cast<int>(percent);
    return std::to_string(whole) + Ordinal(whole);
  }
  return Format("%gth", static_cast<double>(percent));
}

constexpr const char* kNotAvailable = "N/A";

}  // namespace

std::optional<std::string> CheckScorecardPercentiles(float lower, float upper) {
  if (!(lower > 0.0f && lower < 100.0f && upper > 0.0f && upper < 100.0f))
    return std::string("The percentiles must lie between 0 and 100.");
  if (!(lower < upper)) return std::string("The lower percentile must be below the upper percentile.");
  return std::nullopt;
}

std::string DescribeScorecardMethod(const ScorecardOptions& options) {
  if (options.method == ScorecardMethod::Parametric)
    return "parametric: categories split at the baseline mean minus and plus one standard deviation";
  return "non-parametric: categories split at the " + PercentileText(options.lowerPercentile) + " and " +
         PercentileText(options.upperPercentile) + " percentiles of the baseline years";
}

ScorecardCategory CategoryOf(float value, float lowerBoundary, float upperBoundary) {
  if (value < lowerBoundary) return kLowCategory;
  if (value > upperBoundary) return kHighCategory;
  return kMiddleCategory;
}

BaselineRange DescribeBaseline(const YearlyQuantity& baseline, const ScorecardOptions& options) {
  BaselineRange range;
  range.name = baseline.name;
  std::vector<float> sorted = SortedValues(baseline.values);
  const int n = static_cast<int>(sorted.size());
  range.years = n;
  const Centre centre = CentreOf(sorted);
  range.median = centre.median;
  range.dispersion = centre.dispersion;
  // One year holds no range: every altered year would be compared with a single value.
  if (n < 2) return range;
  float lower = 0.0f, upper = 0.0f;
  if (options.method == ScorecardMethod::Parametric) {
    std::vector<float> work = sorted;
    const SummaryStats stats = ComputeSummaryStats(n, work.data());
    lower = stats.mean - stats.stdDev;
    upper = stats.mean + stats.stdDev;
  } else {
    lower = PercentileValue(options.lowerPercentile / 100.0f, n, sorted.data());
    upper = PercentileValue(options.upperPercentile / 100.0f, n, sorted.data());
  }
  if (!std::isfinite(lower) || !std::isfinite(upper)) return range;
  range.lowerBoundary = lower;
  range.upperBoundary = upper;
  for (float v : sorted) ++range.counts[CategoryOf(v, lower, upper)];
  return range;
}

QuantityScore ScoreQuantity(const BaselineRange& baseline, const std::vector<double>& altered) {
  QuantityScore score;
  score.baseline = baseline;
  std::vector<float> sorted = SortedValues(altered);
  score.years = static_cast<int>(sorted.size());
  const Centre centre = CentreOf(sorted);
  score.median = centre.median;
  score.dispersion = centre.dispersion;
  if (score.median && baseline.median && *baseline.median != 0.0f)
    // + 0.0f: equal medians of a negative quantity give 0, not -0.
    score.deviationFactor = (*score.median - *baseline.median) / *baseline.median + 0.0f;
  if (!baseline.lowerBoundary || !baseline.upperBoundary) return score;
  score.categorised = true;
  for (float v : sorted)
    ++score.categories[CategoryOf(v, *baseline.lowerBoundary, *baseline.upperBoundary)].observed;
  for (int c = 0; c < kScorecardCategories; ++c) {
    CategoryScore& s = score.categories[c];
    s.expected = static_cast<double>(baseline.counts[c]) / baseline.years * score.years;
    if (s.expected != 0.0) s.alteration = (s.observed - s.expected) / s.expected;
  }
  return score;
}

Scorecard ComputeScorecard(const ScorecardPeriod& baseline, const std::vector<ScorecardPeriod>& altered,
                           const ScorecardOptions& options) {
  Scorecard card;
  card.options = options;
  card.baselineTitle = baseline.title;
  card.baselineFirstYear = baseline.firstYear;
  card.baselineLastYear = baseline.lastYear;
  for (const YearlyQuantity& q : baseline.quantities) card.ranges.push_back(DescribeBaseline(q, options));
  for (const ScorecardPeriod& period : altered) {
    ScorecardBlock block{period.title, period.firstYear, period.lastYear, {}};
    for (const BaselineRange& range : card.ranges) {
      const std::vector<double>* values = nullptr;
      for (const YearlyQuantity& q : period.quantities)
        if (q.name == range.name) values = &q.values;
      block.scores.push_back(ScoreQuantity(range, values ? *values : std::vector<double>{}));
    }
    card.blocks.push_back(std::move(block));
  }
  return card;
}

namespace {

// A number in a fixed-width column, or "N/A" right-aligned in the same width.
template <typename T>
std::string Column(const char* format, int width, const std::optional<T>& value) {
  if (!value) return Format("%*s", width, kNotAvailable);
  return Format(format, static_cast<double>(*value));
}

std::string YearsText(int first, int last) {
  if (first == 0 && last == 0) return "";
  return Format(" (water years %d to %d)", first, last);
}

}  // namespace

std::string FormatScorecardReport(const std::string& heading, const std::string& projectName,
                                  bool alternatives, const Scorecard& card) {
  std::string out = heading + "\n\n";
  out += "Hydrologic Analysis Comparison for " + projectName + "\n";
  out += "Baseline:  " + card.baselineTitle + YearsText(card.baselineFirstYear, card.baselineLastYear) + "\n";
  out += "Method:  " + DescribeScorecardMethod(card.options) + ".\n";
  out += "A value equal to a boundary counts as middle.  Expected = baseline share of years in the\n";
  out += "category x altered years.  HA = (observed - expected) / expected in percent, N/A when\n";
  out += "nothing is expected.  Dev. factor = (altered - baseline median) / baseline median.\n";
  out += "Disp. = coefficient of dispersion, (75th - 25th percentile) / |median|.\n";
  out +=
      "Pulses are counted above and below each data set's own thresholds (the 75th and 25th\n"
      "percentile of its flows above 0).\n\n";
  out += "Baseline years and boundaries\n\n";
  out += Format("  %-20s %5s %10s %10s %10s %6s  %4s %4s %4s\n\n", "Quantity", "Years", "Lower", "Upper",
                "Median", "Disp.", "Low", "Mid", "High");
  for (const BaselineRange& r : card.ranges) {
    out += Format("  %-20s %5d ", r.name.c_str(), r.years) + Column("%10.2f", 10, r.lowerBoundary) + " " +
           Column("%10.2f", 10, r.upperBoundary) + " " + Column("%10.2f", 10, r.median) + " " +
           Column("%6.2f", 6, r.dispersion);
    if (r.lowerBoundary)
      out +=
          Format("  %4d %4d %4d", r.counts[kLowCategory], r.counts[kMiddleCategory], r.counts[kHighCategory]);
    else
      out += Format("  %4s %4s %4s", kNotAvailable, kNotAvailable, kNotAvailable);
    out += "\n";
  }
  for (std::size_t b = 0; b < card.blocks.size(); ++b) {
    const ScorecardBlock& block = card.blocks[b];
    const int number = static_cast<int>(b) + (alternatives ? 1 : 2);
    out += "\n";
    out += Format(alternatives ? "Alternative %d:  %s" : "Period %d:  %s", number, block.title.c_str()) +
           YearsText(block.firstYear, block.lastYear) + "\n\n";
    out += Format("  %-20s %5s %10s %10s %7s %6s  %-18s  %-18s  %-18s\n", "", "", "Baseline", "Altered",
                  "Dev.", "", "Low", "Middle", "High");
    out +=
        Format("  %-20s %5s %10s %10s %7s %6s", "Quantity", "Years", "median", "median", "factor", "Disp.");
    for (int c = 0; c < kScorecardCategories; ++c) out += Format("  %3s %6s %7s", "Obs", "Exp", "HA %");
    out += "\n\n";
    for (const QuantityScore& s : block.scores) {
      out += Format("  %-20s %5d ", s.baseline.name.c_str(), s.years) +
             Column("%10.2f", 10, s.baseline.median) + " " + Column("%10.2f", 10, s.median) + " " +
             Column("%7.2f", 7, s.deviationFactor) + " " + Column("%6.2f", 6, s.dispersion);
      for (const CategoryScore& c : s.categories) {
        if (!s.categorised) {
          out += Format("  %3s %6s %7s", kNotAvailable, kNotAvailable, kNotAvailable);
          continue;
        }
        const std::optional<double> percent =
            c.alteration ? std::optional<double>(*c.alteration * 100.0) : std::nullopt;
        out += Format("  %3d %6.2f ", c.observed, c.expected) + Column("%7.1f", 7, percent);
      }
      out += "\n";
    }
  }
  return out;
}

namespace {

template <typename T>
std::string CsvNumber(const char* format, const std::optional<T>& value) {
  return value ? Format(format, static_cast<double>(*value)) : std::string(kNotAvailable);
}

}  // namespace

std::string FormatScorecardCsv(const Scorecard& card) {
  std::string out =
      "altered,first_year,last_year,quantity,baseline_years,altered_years,lower_boundary,upper_boundary,"
      "baseline_median,altered_median,deviation_factor,baseline_dispersion,altered_dispersion,"
      "low_observed,low_expected,low_ha_percent,middle_observed,middle_expected,middle_ha_percent,"
      "high_observed,high_expected,high_ha_percent\n";
  for (const ScorecardBlock& block : card.blocks) {
    for (const QuantityScore& s : block.scores) {
      const BaselineRange& r = s.baseline;
      out += CsvField(block.title) + Format(",%d,%d,", block.firstYear, block.lastYear) + CsvField(r.name);
      out += Format(",%d,%d,", r.years, s.years);
      out += CsvNumber("%.6g", r.lowerBoundary) + "," + CsvNumber("%.6g", r.upperBoundary) + ",";
      out += CsvNumber("%.6g", r.median) + "," + CsvNumber("%.6g", s.median) + ",";
      out += CsvNumber("%.6g", s.deviationFactor) + ",";
      out += CsvNumber("%.6g", r.dispersion) + "," + CsvNumber("%.6g", s.dispersion);
      for (const CategoryScore& c : s.categories) {
        if (!s.categorised) {
          out += ",N/A,N/A,N/A";
          continue;
        }
        const std::optional<double> percent =
            c.alteration ? std::optional<double>(*c.alteration * 100.0) : std::nullopt;
        out += Format(",%d,%.6g,", c.observed, c.expected) + CsvNumber("%.6g", percent);
      }
      out += "\n";
    }
  }
  return out;
}

}  // namespace zelvo
