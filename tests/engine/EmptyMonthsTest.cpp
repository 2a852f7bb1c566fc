// Water years whose months, or the whole year, have no valid day, and the note that tells the
// user which indices carry the starting values of the running minimum and maximum.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/engine/EmptyMonths.h"
#include "common/engine/EngineContext.h"
#include "common/engine/WaterYear.h"
#include "common/import/DailyValueReader.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;

// Slots first .. end-1 of one year.
void SetSlots(FlowRecord& r, int year, int first, int end, float flow) {
  for (int s = first; s < end; ++s)
    r.flows[static_cast<std::size_t>(year)][static_cast<std::size_t>(s)] = flow;
}

// The water years whose monthly minimum, as the engine builds it, kept its starting value.
std::vector<int> YearsWithSeededMonth(const FlowRecord& r) {
  EngineContext ctx(r, EngineOptions{}, nullptr);
  BuildMonthlyTables(ctx);
  std::vector<int> years;
  for (int y = 0; y < ctx.years; ++y)
    for (int m = 0; m < 12; ++m)
      if (ctx.monthMin[m][y] == 1.0e7f) {
        years.push_back(r.years[y]);
        break;
      }
  return years;
}

TEST(EmptyMonths, GapsThatLeaveEveryMonthAValidDayAreNotNamed) {
  FlowRecord r = ConstantRecord(3, 5.0f, 1990);
  r.flows[0][kLeapDaySlot] = kMissing;  // 1990 has no 29 February
  SetSlots(r, 1, 20, 51, kMissing);     // 21 October to 20 November: both months keep days
  SetSlots(r, 2, 1, 31, kMissing);      // October keeps its first day
  SetSlots(r, 2, 336, 365, -1.0f);      // September keeps its last day
  const EmptyMonthYears found = FindEmptyMonthYears(r);
  EXPECT_FALSE(found.Any());
  EXPECT_TRUE(found.withoutValidDay.empty());
  EXPECT_EQ(StartingValueNote(r), "");
  EXPECT_TRUE(YearsWithSeededMonth(r).empty());
}

TEST(EmptyMonths, RecordStartingAndEndingInsideAWaterYear) {
  // Data from 1 December 1989 to 31 May 1993, and a January 1991 of negative flows, which the
  // engine takes as missing days.
  FlowRecord r = ConstantRecord(4, 5.0f, 1990);
  SetSlots(r, 0, 0, 61, kMissing);
  SetSlots(r, 1, 92, 123, -2.0f);
  SetSlots(r, 3, 244, 366, kMissing);
  const EmptyMonthYears found = FindEmptyMonthYears(r);
  EXPECT_EQ(found.withEmptyMonth, (std::vector<int>{1990, 1991, 1993}));
  EXPECT_TRUE(found.withoutValidDay.empty());
  // Exactly the years whose monthly minima the engine leaves at 1.0e7.
  EXPECT_EQ(found.withEmptyMonth, YearsWithSeededMonth(r));
  EXPECT_EQ(StartingValueNote(r),
            "Water years 1990-1991, 1993 have a month without any valid day. Such a month's minimum and "
            "maximum stay at their starting values 1.0e7 and -1.0e7, which enter ML1-ML13 and MH1-MH13, "
            "and MA12-MA35 take its mean and variability as 0.");

  // One year with one empty month: the singular.
  FlowRecord one = ConstantRecord(2, 5.0f, 2000);
  SetSlots(one, 1, 336, 366, kMissing);
  EXPECT_EQ(StartingValueNote(one).substr(0, 52), "Water year 2001 has a month without any valid day. S");
}

TEST(EmptyMonths, YearWithoutAnyValidDayNamesTheAnnualAndWindowExtremesToo) {
  FlowRecord r = ConstantRecord(3, 5.0f, 1990);
  r.flows[1].fill(kMissing);
  r.flows[1][kLeapDaySlot] = -1.0f;
  const EmptyMonthYears found = FindEmptyMonthYears(r);
  EXPECT_EQ(found.withEmptyMonth, (std::vector<int>{1991}));
  EXPECT_EQ(found.withoutValidDay, (std::vector<int>{1991}));
  EXPECT_EQ(
      StartingValueNote(r),
      "Water year 1991 has a month without any valid day. Such a month's minimum and maximum stay at "
      "their starting values 1.0e7 and -1.0e7, which enter ML1-ML13 and MH1-MH13, and MA12-MA35 take "
      "its mean and variability as 0. Water year 1991 has no valid day at all. Such a year's annual and "
      "moving-window minima and maxima stay at the starting values as well, which enter ML21, ML22, "
      "MH18-MH20, FH10, DL1-DL13 and DH1-DH13.");
}

TEST(EmptyMonths, RealRecordThatStartsAndEndsInsideAWaterYear) {
  // Huron River at Ann Arbor: daily values from 5 January 1914 to 19 November 2015, and a gap
  // of whole months in water year 1948.
  const auto path = std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_04174500_HuronRiver_AnnArbor_MI.txt";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
  FlowRecord r;
  DailyValueSpan span;
  ASSERT_TRUE(ReadDailyValueFile(path, ImportProgram::Main, 0, 0, r, span).Ok());
  const EmptyMonthYears found = FindEmptyMonthYears(r);
  EXPECT_EQ(found.withEmptyMonth, (std::vector<int>{1914, 1948, 2016}));
  EXPECT_TRUE(found.withoutValidDay.empty());
  EXPECT_EQ(found.withEmptyMonth, YearsWithSeededMonth(r));
}

TEST(EmptyMonths, WaterYearListJoinsRunsOfYears) {
  EXPECT_EQ(WaterYearList({}), "");
  EXPECT_EQ(WaterYearList({1914}), "1914");
  EXPECT_EQ(WaterYearList({1914, 1915}), "1914-1915");
  EXPECT_EQ(WaterYearList({1914, 1915, 1916, 1920, 2016, 2017}), "1914-1916, 1920, 2016-2017");
  EXPECT_EQ(WaterYearList({1950, 1948}), "1950, 1948");
}

}  // namespace
}  // namespace zelvo
