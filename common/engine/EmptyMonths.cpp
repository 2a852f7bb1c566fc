#include "common/engine/EmptyMonths.h"

#include "common/engine/WaterYear.h"

namespace zelvo {

EmptyMonthYears FindEmptyMonthYears(const FlowRecord& record) {
  EmptyMonthYears found;
  const int years = record.yearCount < 0 ? 0 : (record.yearCount > kMaxYears ? kMaxYears : record.yearCount);
  for (int y = 0; y < years; ++y) {
    const YearFlows& year = record.flows[static_cast<std::size_t>(y)];
    int emptyMonths = 0;
    for (int m = 0; m < 12; ++m) {
      bool valid = false;
      for (int s = kMonthStart[m]; s < kMonthEnd[m] && !valid; ++s)
        valid = year[s] >= 0.0f && year[s] != kMissing;
      if (!valid) ++emptyMonths;
    }
    if (emptyMonths > 0) found.withEmptyMonth.push_back(record.years[y]);
    if (emptyMonths == 12) found.withoutValidDay.push_back(record.years[y]);
  }
  return found;
}

std::string WaterYearList(const std::vector<int>& years) {
  std::string text;
  for (std::size_t i = 0; i < years.size();) {
    std::size_t last = i;
    while (last + 1 < years.size() && years[last + 1] == years[last] + 1) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(years[i]);
    if (last > i) text += "-" + std::to_string(years[last]);
    i = last + 1;
  }
  return text;
}

namespace {

// "Water year 2016 has" or "Water years 1914, 2016 have".
std::string YearsSubject(const std::vector<int>& years) {
  return (years.size() == 1 ? "Water year " : "Water years ") + WaterYearList(years) +
         (years.size() == 1 ? " has" : " have");
}

}  // namespace

std::string StartingValueNote(const FlowRecord& record) {
  const EmptyMonthYears found = FindEmptyMonthYears(record);
  if (!found.Any()) return std::string();
  std::string note =
      YearsSubject(found.withEmptyMonth) +
      " a month without any valid day. Such a month's minimum and maximum stay at their starting "
      "values 1.0e7 and -1.0e7, which enter ML1-ML13 and MH1-MH13, and MA12-MA35 take its "
      "mean and variability as 0.";
  if (!found.withoutValidDay.empty())
    note += " " + YearsSubject(found.withoutValidDay) +
            " no valid day at all. Such a year's annual and moving-window minima and maxima stay at the "
            "starting values as well, which enter ML21, ML22, MH18-MH20, FH10, DL1-DL13 and DH1-DH13.";
  return note;
}

}  // namespace zelvo
