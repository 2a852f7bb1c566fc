#pragma once
// Building blocks of the timing and rate-of-change indices (TA1-RA9) that are worth checking on
// their own: the day number of a slot, the circular mean of dates, Colwell's entropies, the
// seasonal counting of events and the reversal count of one year.

#include <array>
#include <vector>

#include "common/engine/Events.h"
#include "common/engine/FlowRecord.h"

namespace zelvo {

// Day of the calendar year of a water-year slot: slot 0 (1 October) is 274, slot 91
// (31 December) 365, slot 92 (1 January) 1, slot 151 (29 February) 60, slot 365 again 274.
constexpr int DayNumberOfSlot(int slot) {
  const int d = slot + 274;
  return d > 365 ? d - 365 : d;
}

// Mean date and spread of a set of day numbers on the circle of 365.25 days.
struct CircularDate {
  float meanDay = 0.0f;  // TL1 / TH1: day number 0 .. 365.25
  float spread = 0.0f;   // TL2 / TH2: days
};
// `days` holds one day number per year that has a date. With no mean direction at all
// (c-bar = s-bar = 0, for example no dates) the mean day is 0 and the spread its largest value;
// dates that all fall on one day have the spread 0.
CircularDate CircularMeanDate(const std::vector<int>& days);

// Colwell's constancy (TA1, a fraction) and predictability (TA2, a percentage) of a table of
// counts [class 0..10][column 0..364].
inline constexpr int kFlowClasses = 11;
inline constexpr int kDayColumns = 365;
using ClassCountTable = std::array<std::array<int, kDayColumns>, kFlowClasses>;
struct Colwell {
  float constancy = 0.0f;
  float predictability = 0.0f;
};
Colwell ColwellFromCounts(const ClassCountTable& counts);

// The table of counts of TA1/TA2 for years[0..years) of a cleaned record (every slot a flow >= 0
// or kMissing) whose record mean is `recordMean`: each valid day (29 February left out) in the
// column of its position among its year's valid days, and in every one of the eleven classes of
// log10 flow (0 counting as 0.01) whose test it passes against the bounds 0.1, 0.25, 0.5, ...,
// 2.25 times log10 of the record mean.
ClassCountTable CountFlowClasses(const std::vector<YearFlows>& flows, int years, float recordMean);

// The six 61-slot seasons of the water year: 0-60, 61-121, 122-182, 183-243, 244-304, 305-365.
inline constexpr int kSeasons = 6;
inline constexpr int kSeasonSlots = 61;
// Adds every event to the counter of the season in which it starts and, once more, to every
// season on whose first slot the event is still open (first slot < season start < end slot).
// A missing first slot neither ends nor extends an event: one that was open before the gap is
// still open there unless a valid day outside the event came first.
void CountEventSeasons(const std::vector<FlowEvent>& events, std::array<int, kSeasons>& counters);

// Slots of the first occurrence of a year's smallest valid flow (-1 without a valid day) and of
// its largest, the running maximum starting at 0 (-1 when no valid flow is above 0): the dates
// of the annual minimum and maximum (TL1, TH1).
struct ExtremeSlots {
  int low = -1;
  int high = -1;
};
ExtremeSlots FindExtremeSlots(const YearFlows& year);

// The day-to-day changes of flows[0..n): the rises (> 0) go to `rises`, the falls (< 0, kept
// negative) to `falls`, in order; both need room for n - 1 values. Equal neighbours are neither.
struct DailyChanges {
  int rises = 0;
  int falls = 0;
};
DailyChanges SplitDailyChanges(const float* flows, int n, float* rises, float* falls);

// Reversals of direction among the valid days of one year, in slot order.
int CountReversals(const YearFlows& year);

}  // namespace zelvo
