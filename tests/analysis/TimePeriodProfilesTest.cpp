#include <gtest/gtest.h>

#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/files/CopyYears.h"

namespace zelvo {
namespace {

FlowRecord YearsOf(std::initializer_list<std::pair<int, int>> spans) {
  FlowRecord r;
  for (auto [a, b] : spans)
    for (int y = a; y <= b; ++y) {
      r.years[r.yearCount] = y;
      r.flows[r.yearCount].fill(static_cast<float>(y));
      ++r.yearCount;
    }
  return r;
}

TEST(PeriodsOfRecord, ThreeRunsWithTheirSeparators) {
  const FlowRecord base = YearsOf({{1929, 1933}, {1938, 1939}, {1944, 2002}});
  const auto runs = PeriodsOfRecord(base);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(PeriodsOfRecordLine(runs),
            "The data set periods of record are:     1929 - 1933,     1938 - 1939,     1944 - 2002");
}

ProfileForm FormWith(std::initializer_list<PeriodRow> rows) {
  ProfileForm f;
  f.title = "Dam";
  int k = 0;
  for (const PeriodRow& r : rows) f.rows[k++] = r;
  return f;
}

TEST(ProfileForm, PeriodsMustLieInsideOneRunOfRecord) {
  const auto runs = PeriodsOfRecord(YearsOf({{1929, 1933}, {1938, 1939}, {1944, 2002}}));
  std::vector<PeriodRow> periods;
  for (auto [a, b] : {std::pair{1935, 1937}, std::pair{1930, 1940}}) {
    const auto problem = CheckProfileForm(FormWith({{a, b, "p"}}), runs, periods);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "The time period is outside of the data or spans missing data.");
  }
  EXPECT_FALSE(CheckProfileForm(FormWith({{1944, 1960, "p"}}), runs, periods));
}

TEST(ProfileForm, ChecksInTheirOrderAndEmptyRowsLeaveNoGap) {
  const auto runs = PeriodsOfRecord(YearsOf({{1950, 2000}}));
  std::vector<PeriodRow> periods;
  ProfileForm noTitle = FormWith({{1950, 1960, "a"}});
  noTitle.title.clear();
  EXPECT_EQ(CheckProfileForm(noTitle, runs, periods)->text, "Please enter an time period profile title.");
  EXPECT_EQ(CheckProfileForm(FormWith({{0, 0, "only a title"}}), runs, periods)->text,
            "The beginning and ending years must be greater than zero.");
  EXPECT_EQ(CheckProfileForm(FormWith({{1950, 1960, ""}}), runs, periods)->text,
            "Please enter an time period title.");
  const auto reversed = CheckProfileForm(FormWith({{1950, 1960, "a"}, {1970, 1965, "b"}}), runs, periods);
  EXPECT_EQ(reversed->text, "The ending year must be greater than or equal to the beginning year.");
  EXPECT_EQ(reversed->field, "row2");
  EXPECT_EQ(CheckProfileForm(FormWith({}), runs, periods)->text,
            "You must define at least one analysis period.");

  ASSERT_FALSE(
      CheckProfileForm(FormWith({{1950, 1960, "first"}, {0, 0, ""}, {1970, 1980, "third"}}), runs, periods));
  ASSERT_EQ(periods.size(), 2u);
  EXPECT_EQ(periods[1].title, "third");
}

TEST(CopyYears, TakesTheYearsByPositionAndEveryPeak) {
  FlowRecord base = YearsOf({{1990, 2005}});
  base.peakCount = 3;
  base.peaks[2] = 77.0f;
  FlowRecord out;
  ASSERT_TRUE(CopyYears(base, 1995, 2000, out));
  EXPECT_EQ(out.yearCount, 6);
  EXPECT_EQ(out.years[0], 1995);
  EXPECT_EQ(out.flows[5][100], 2000.0f);
  EXPECT_EQ(out.peakCount, 3);
  EXPECT_EQ(out.peaks[2], 77.0f);
  const FlowRecord gappy = YearsOf({{1990, 1992}, {1995, 1996}});
  EXPECT_FALSE(CopyYears(gappy, 1993, 1996, out));
}

}  // namespace
}  // namespace zelvo
