#pragma once
// Time period profiles: up to five analysis periods of one base data set, each copied into a
// data set of its own. The rules of the profile dialog live here; the commands that create,
// delete and compute profiles build on them.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/engine/FlowRecord.h"
#include "common/ui/Ui.h"
#include "zelvo/files/ProfileEntry.h"

namespace zelvo {

inline constexpr int kMaxPeriodsOfRecord = 10;

// A maximal run of consecutive stored water years (first, last).
using YearRun = std::pair<int, int>;

// The runs of consecutive water years among the stored years, in ascending order (all of them;
// the caller refuses a base with more than ten).
std::vector<YearRun> PeriodsOfRecord(const FlowRecord& base);
// "The data set periods of record are:     1929 - 1933,     1938 - 1939,     1944 - 2002"
std::string PeriodsOfRecordLine(const std::vector<YearRun>& runs);

struct PeriodRow {
  int beginYear = 0;  // empty field = 0
  int endYear = 0;
  std::string title;
};

// The dialog "Time Period Profile Data".
struct ProfileForm : Form {
  const char* FormName() const override { return "TimePeriodProfile"; }
  std::string periodsLine;  // read-only
  std::string title;        // "Enter a time period profile title:"
  std::array<PeriodRow, kMaxPeriods> rows;
};

// The checks of OK in their order. On success `periods` holds the rows that define a period,
// in row order (empty rows leave no gap). The field of a message is "title" or "row<k>" (k = 1..5).
std::optional<FieldMessage> CheckProfileForm(const ProfileForm& form, const std::vector<YearRun>& runs,
                                             std::vector<PeriodRow>& periods);

}  // namespace zelvo
