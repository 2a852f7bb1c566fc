#pragma once
// Water years with a calendar month that holds no valid day. The running minimum and maximum of
// such a month never leave their starting values (1.0e7 and -1.0e7), and these values enter the
// monthly low- and high-flow indices as they are; a year without any valid day carries them into
// its annual and moving-window extremes as well. Records that start or end inside a water year
// have such months in their first or last year.

#include <string>
#include <vector>

#include "common/engine/FlowRecord.h"

namespace zelvo {

struct EmptyMonthYears {
  std::vector<int> withEmptyMonth;   // water years with a month without any valid day
  std::vector<int> withoutValidDay;  // water years without any valid day (also in the list above)
  bool Any() const { return !withEmptyMonth.empty(); }
};

// A valid day is one the engine keeps: a flow >= 0 that is not the missing marker.
EmptyMonthYears FindEmptyMonthYears(const FlowRecord& record);

// "1914-1916, 1920, 2016": water years in record order, runs of consecutive years joined.
std::string WaterYearList(const std::vector<int>& years);

// What the starting values do to the indices of `record`, in a few plain sentences naming the
// water years and the index groups; empty when every month of every year has a valid day.
std::string StartingValueNote(const FlowRecord& record);

}  // namespace zelvo
