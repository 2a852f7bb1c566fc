#include "zelvo/analysis/TimePeriodProfiles.h"

#include "common/engine/TextFormat.h"

namespace zelvo {

std::vector<YearRun> PeriodsOfRecord(const FlowRecord& base) {
  std::vector<YearRun> runs;
  for (int i = 0; i < base.yearCount; ++i) {
    const int year = base.years[i];
    if (!runs.empty() && year == runs.back().second + 1)
      runs.back().second = year;
    else
      runs.emplace_back(year, year);
  }
  return runs;
}

std::string PeriodsOfRecordLine(const std::vector<YearRun>& runs) {
  std::string line = "The data set periods of record are:     ";
  for (std::size_t i = 0; i < runs.size(); ++i)
    line += Format(i + 1 < runs.size() ? "%d - %d,     " : "%d - %d", runs[i].first, runs[i].second);
  return line;
}

std::optional<FieldMessage> CheckProfileForm(const ProfileForm& form, const std::vector<YearRun>& runs,
                                             std::vector<PeriodRow>& periods) {
  periods.clear();
  if (form.title.empty()) return FieldMessage{"Please enter an time period profile title.", "title"};
  for (int k = 0; k < kMaxPeriods; ++k) {
    const PeriodRow& row = form.rows[k];
    const std::string field = "row" + std::to_string(k + 1);
    if (row.beginYear == 0 && row.endYear == 0 && row.title.empty()) continue;
    if (row.beginYear == 0 || row.endYear == 0)
      return FieldMessage{"The beginning and ending years must be greater than zero.", field};
    if (row.title.empty()) return FieldMessage{"Please enter an time period title.", field};
    if (row.beginYear > row.endYear)
      return FieldMessage{"The ending year must be greater than or equal to the beginning year.", field};
    bool inside = false;
    for (const YearRun& run : runs)
      if (run.first <= row.beginYear && row.endYear <= run.second) inside = true;
    if (!inside) return FieldMessage{"The time period is outside of the data or spans missing data.", field};
    periods.push_back(row);
  }
  if (periods.empty()) return FieldMessage{"You must define at least one analysis period.", "row1"};
  return std::nullopt;
}

}  // namespace zelvo
