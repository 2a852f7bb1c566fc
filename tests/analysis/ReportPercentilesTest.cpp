#include <gtest/gtest.h>

#include "zelvo/analysis/Reports.h"

namespace zelvo {
namespace {

// Which results file lends its percentiles to a report: the column header of an index table
// shows those of the last file read, the limit rows of a comparison those of the second data
// set, truncated to whole numbers.

HiTable Table(float lowerPct, float upperPct) {
  HiTable t;
  t.lowerPercentile = lowerPct;
  t.upperPercentile = upperPct;
  t.lower[MA(2)] = 8.0f;
  t.value[MA(2)] = 10.0f;
  t.upper[MA(2)] = 12.0f;
  return t;
}

TEST(ReportPercentiles, IndexTableHeaderShowsThePercentilesOfTheLastBlock) {
  const std::string text =
      FormatIndexTable("Alternative Hydrologic Index Values",
                       {{"Base", Table(25.0f, 75.0f)}, {"Wet", Table(12.5f, 87.5f)}}, {MA(2)});
  EXPECT_EQ(text.substr(0, text.find("Base:")),
            "Alternative Hydrologic Index Values\n\n"
            "       Index                12.5th Percentile        Value         87.5th Percentile\n\n");
}

TEST(ReportPercentiles, ComparisonLimitRowsCarryTheSecondFilesPercentilesTruncated) {
  const ComparisonSide base{"Base", "10/01/1950", "09/30/1960", Table(25.0f, 75.0f)};
  const ComparisonSide wet{"Wet", "10/01/1960", "09/30/1970", Table(10.9f, 90.9f)};
  const std::string text = FormatComparisonReport(true, "", "Creek", base, wet, {MA(2)});
  EXPECT_NE(text.find("\n  Upper Limit (90)            "
                      "     12.00            12.00           0.00            0.0\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n  Lower Limit (10)            "
                      "      8.00             8.00           0.00            0.0\n"),
            std::string::npos)
      << text;
  // An empty report title leaves two empty lines at the top.
  EXPECT_EQ(text.substr(0, 2), "\n\n");
  EXPECT_NE(text.find("Baseline alternative:  Base (10/01/1950 to 09/30/1960)\n"
                      "Compared alternative:  Wet (10/01/1960 to 09/30/1970)\n"),
            std::string::npos);
}

}  // namespace
}  // namespace zelvo
