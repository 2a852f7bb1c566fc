#include "common/import/MissingDataScreening.h"

#include <algorithm>

#include "common/engine/TextFormat.h"
#include "common/ui/Ui.h"

namespace zelvo {

int CountMissingDays(FlowRecord& record) {
  int total = 0;
  record.yearsWithoutData = 0;
  const int n = std::clamp(record.yearCount, 0, kMaxYears);
  for (int i = 0; i < n; ++i) {
    const YearFlows& flows = record.flows[static_cast<std::size_t>(i)];
    int run = 0, missing = 0, longest = 0;
    for (int s = 0; s < kDaySlots; ++s) {
      if (flows[static_cast<std::size_t>(s)] != kMissing) {
        longest = std::max(longest, run);
        run = 0;
      } else if (s != kLeapDaySlot) {
        ++missing;
        ++total;
        ++run;
      }
    }
    longest = std::max(longest, run);
    record.missingDays[static_cast<std::size_t>(i)] = missing;
    record.longestRun[static_cast<std::size_t>(i)] = longest;
    if (missing == 365) ++record.yearsWithoutData;
  }
  return total;
}

bool HasYearsWithMissingDays(const FlowRecord& record) {
  for (int i = 0; i < record.yearCount; ++i) {
    const int m = record.missingDays[static_cast<std::size_t>(i)];
    if (m > 0 && m < 365) return true;
  }
  return false;
}

std::string MissingDataReport(const FlowRecord& record, int firstWaterYear) {
  const int n = record.yearCount;
  std::string text = Format("The flow file has %d years with data.\r\n\r\n", n - record.yearsWithoutData);
  if (record.yearsWithoutData > 0) {
    text += "The following years have no data:\r\n\r\n";
    int listed = 0;
    for (int i = 0; i < n; ++i) {
      if (record.missingDays[static_cast<std::size_t>(i)] != 365) continue;
      text += Format("  %d", firstWaterYear + i);
      if (++listed % 12 == 0) text += "\r\n";
    }
    text += "\r\n\r\n";
  }
  if (HasYearsWithMissingDays(record)) {
    text += "The following years have missing data:\r\n\r\n";
    text += "     Year    Total Days Missing    Largest Contiguous Block\r\n\r\n";
    for (int i = 0; i < n; ++i) {
      const int m = record.missingDays[static_cast<std::size_t>(i)];
      if (m == 0 || m == 365) continue;
      text += Format("     %d\t          %d\t\t               %d\r\n", firstWaterYear + i, m,
                     record.longestRun[static_cast<std::size_t>(i)]);
    }
  }
  return text;
}

void KeepScreenedYears(FlowRecord& record, int choice, int firstWaterYear) {
  int kept = 0;
  for (int i = 0; i < record.yearCount; ++i) {
    const auto from = static_cast<std::size_t>(i);
    const int m = record.missingDays[from];
    const bool keep = choice == MissingDataForm::kExcludeYearsWithMissingData ? m == 0 : m != 365;
    if (!keep) continue;
    const auto to = static_cast<std::size_t>(kept++);
    record.years[to] = firstWaterYear + i;
    if (to != from) record.flows[to] = record.flows[from];
    record.missingDays[to] = m;
    record.longestRun[to] = record.longestRun[from];
  }
  for (int i = kept; i < record.yearCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    record.years[k] = 0;
    record.flows[k].fill(kMissing);
    record.missingDays[k] = 0;
    record.longestRun[k] = 0;
  }
  record.yearCount = kept;
  record.yearsWithoutData = 0;
}

Status ScreenMissingData(Ui& ui, FlowRecord& record, const ScreeningRequest& request, ScreeningSteps& steps) {
  steps = ScreeningSteps{};
  steps.totalMissing = CountMissingDays(record);
  const bool main = request.program == ImportProgram::Main;
  if (steps.totalMissing == 0) {
    steps.choice = main ? MissingDataForm::kImportAll : MissingDataForm::kExcludeYearsWithMissingData;
  } else if (!main && request.batch) {
    steps.choice = MissingDataForm::kExcludeYearsWithMissingData;
  } else {
    MissingDataForm form;
    form.report = MissingDataReport(record, request.firstWaterYear);
    form.showExplanation = HasYearsWithMissingDays(record);
    form.program = request.program;
    steps.dialogShown = true;
    steps.choice = ui.Edit(form) ? form.choice : MissingDataForm::kAbort;
    if (steps.choice < MissingDataForm::kEditFlowData || steps.choice > MissingDataForm::kAbort)
      steps.choice = MissingDataForm::kAbort;
  }
  if (steps.choice == MissingDataForm::kEditFlowData) {
    ui.ShowReport(request.dailyFilePath, true);
    return Status::Failure("");
  }
  if (steps.choice == MissingDataForm::kAbort) return Status::Failure("");
  KeepScreenedYears(record, steps.choice, request.firstWaterYear);
  if (record.yearCount == 0) {
    ui.Message(kNoYearLeftMessage);
    return Status::Failure(kNoYearLeftMessage);
  }
  return Status::Success();
}

Status ScreenMissingData(Ui& ui, FlowRecord& record, const ScreeningRequest& request) {
  ScreeningSteps steps;
  return ScreenMissingData(ui, record, request, steps);
}

}  // namespace zelvo
