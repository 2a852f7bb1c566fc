#include <gtest/gtest.h>

#include "common/engine/WaterYear.h"

namespace zelvo {
namespace {

TEST(WaterYear, SlotsOfTheWaterYear1991) {
  EXPECT_EQ(DaySlot(10, 1), 1);
  EXPECT_EQ(WaterYearOf(1990, DaySlot(10, 1)), 1991);
  EXPECT_EQ(DaySlot(12, 31), 92);
  EXPECT_EQ(WaterYearOf(1990, DaySlot(12, 31)), 1991);
  EXPECT_EQ(DaySlot(1, 1), 93);
  EXPECT_EQ(WaterYearOf(1991, DaySlot(1, 1)), 1991);
  EXPECT_EQ(DaySlot(2, 28), 151);
  EXPECT_EQ(DaySlot(2, 29), 152);
  EXPECT_EQ(DaySlot(3, 1), 153);
  EXPECT_EQ(DaySlot(9, 30), 366);
}

TEST(WaterYear, MonthOffsetsFollowTheTable) {
  const int offsets[12] = {92, 123, 152, 183, 213, 244, 274, 305, 336, 0, 31, 61};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(DaySlot(m, 0), offsets[m - 1]) << m;
}

TEST(WaterYear, MonthOutsideTheYearHasNoSlot) {
  EXPECT_EQ(DaySlot(0, 5), 0);
  EXPECT_EQ(DaySlot(13, 5), 0);
}

TEST(WaterYear, MonthWindowsCoverAllSlotsOnce) {
  int covered = 0;
  for (int m = 0; m < 12; ++m) {
    EXPECT_EQ(kMonthStart[m], m == 0 ? 0 : kMonthEnd[m - 1]);
    covered += kMonthEnd[m] - kMonthStart[m];
  }
  EXPECT_EQ(covered, 366);
}

}  // namespace
}  // namespace zelvo
