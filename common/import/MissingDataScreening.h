#pragma once
// Missing-data screening: counts the missing days of every water year of a freshly read
// record, reports the years without data and with gaps, and applies the user's choice of what
// to keep.

#include <string>

#include "common/engine/FlowRecord.h"
#include "common/import/ImportForms.h"
#include "common/io/Status.h"

namespace zelvo {

class Ui;

// Fills missingDays, longestRun and yearsWithoutData of the first yearCount years; returns the
// total of missing days. 29 February (slot 152) is never counted and never breaks a run.
int CountMissingDays(FlowRecord& record);

// The report of the screening dialog, "\r\n" line ends; year i is firstWaterYear + i. Uses the
// counts of CountMissingDays.
std::string MissingDataReport(const FlowRecord& record, int firstWaterYear);
// True when some year has missing days but not 365 (the explanatory line shows).
bool HasYearsWithMissingDays(const FlowRecord& record);

// Choices 2 and 3: the kept years move to the front in their order, with year number
// firstWaterYear + former column. Code 2 keeps years without a missing day, code 3 every year
// that has data. The counts move with their years.
void KeepScreenedYears(FlowRecord& record, int choice, int firstWaterYear);

inline constexpr const char* kNoYearLeftMessage =
    "No water year is left to import after the years with missing data were removed.\n\n"
    "                   Import Aborted!";

struct ScreeningRequest {
  ImportProgram program = ImportProgram::Main;
  bool batch = false;         // classification program's batch mode: no dialog, code 2
  int firstWaterYear = 0;     // water year of column 0
  std::string dailyFilePath;  // shown for "Edit AGNC Flow Data"
};

// How the screening went.
struct ScreeningSteps {
  int choice = 0;  // 1..4
  bool dialogShown = false;
  int totalMissing = 0;
};

// Counts, shows the dialog when a day is missing (not in batch mode), and acts on the choice:
// 1 shows the daily file and ends, 4 ends, 2 and 3 reduce `record`. A choice that leaves no
// year ends with kNoYearLeftMessage (shown through `ui`). Succeeds when the import goes on with
// the reduced record; fails with no message when the user ended it.
Status ScreenMissingData(Ui& ui, FlowRecord& record, const ScreeningRequest& request, ScreeningSteps& steps);
Status ScreenMissingData(Ui& ui, FlowRecord& record, const ScreeningRequest& request);

}  // namespace zelvo
