#pragma once
// The per-year series behind the indices: one value per water year of the record for each of
// the quantities a hydrologist's annual table holds (valid days, annual mean and median, the
// 1- to 90-day moving-mean extremes, the dates of the annual minimum and maximum, zero-flow days,
// the base-flow ratio, pulse counts and durations, rise and fall rates, reversals and the twelve
// monthly means). Every value comes from the same per-year code that the index groups average,
// so the mean over the years of a column is the index built from it (MA12-MA23, DL1-DL5,
// DH1-DH5, FL1, FH1) wherever every year has the value.

#include <string>
#include <vector>

#include "common/engine/FlowRecord.h"

namespace zelvo {

struct YearlySeries {
  std::vector<int> waterYears;              // one per water year of the record, in order
  std::vector<std::string> columnNames;     // CSV header names of the per-year quantities
  std::vector<std::vector<double>> values;  // values[column][yearIndex]; NaN where the year has no value

  // Position of a column by its name, -1 when there is none.
  int Column(const std::string& name) const;
};

// The column names in their order: "valid_days", "mean", "median", "min_1day" .. "min_90day",
// "max_1day" .. "max_90day", "date_of_min", "date_of_max", "zero_days", "baseflow_ratio",
// "low_pulses", "low_pulse_duration", "high_pulses", "high_pulse_duration", "rise_rate",
// "fall_rate", "reversals", "oct_mean" .. "sep_mean".
const std::vector<std::string>& YearlyColumnNames();

// The per-year values of a record (cleaned as the engine cleans it: a flow that is not >= 0 is
// a missing day). A year without a valid day has valid_days 0 and NaN everywhere else. Beyond
// that, NaN marks: a pulse duration of a year without a pulse of its kind, a rise or fall rate
// of a year without a rise or fall, the base-flow ratio of a year whose mean is 0, the date of
// the maximum of a year without a flow above 0, and a month without a valid day.
// Dates are days of the water year, 1 = 1 October; 29 February counts only in years that have
// it (water years whose number is a leap year), so 1 March is day 152 or 153.
// The pulse thresholds are those of FL1 and FH1: the 25th and the 75th percentile of the
// record's positive flows.
YearlySeries ComputeYearlySeries(const FlowRecord& record);

// Day of the water year (1 = 1 October) of a 0-based day slot of water year `waterYear`.
int WaterYearDay(int waterYear, int slot);
// The 0-based day slot of a day of the water year (the inverse of WaterYearDay).
int SlotOfWaterYearDay(int waterYear, int day);

}  // namespace zelvo
