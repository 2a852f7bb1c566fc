#pragma once
// Water years run from 1 October to 30 September and carry the number of the calendar year in
// which they end. Every water year has 366 day slots; February always counts 29 days.

#include <array>

namespace zelvo {

// Slot offsets of the calendar months January..December (1-based month index - 1).
inline constexpr std::array<int, 12> kSlotOffsetOfCalendarMonth = {92,  123, 152, 183, 213, 244,
                                                                   274, 305, 336, 0,   31,  61};

// 1-based day slot (1..366) of a calendar date, 0 when the month is outside 1..12.
constexpr int DaySlot(int month, int day) {
  if (month < 1 || month > 12) return 0;
  return kSlotOffsetOfCalendarMonth[month - 1] + day;
}

// Water year of a dated value: the calendar year plus 1 from October to December.
constexpr int WaterYearOf(int calendarYear, int slot) { return slot < 93 ? calendarYear + 1 : calendarYear; }

// Month windows of the water year in 0-based slots, end exclusive, 0 = October .. 11 = September.
inline constexpr std::array<int, 12> kMonthStart = {0, 31, 61, 92, 123, 152, 183, 213, 244, 274, 305, 336};
inline constexpr std::array<int, 12> kMonthEnd = {31, 61, 92, 123, 152, 183, 213, 244, 274, 305, 336, 366};

}  // namespace zelvo
