#include "zelvo/analysis/ProfileCommands.h"

#include "common/engine/TextFormat.h"
#include "zelvo/analysis/AlternativeCommands.h"
#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/files/CopyYears.h"
#include "zelvo/files/DataSetDeletion.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/store/DataSetCommands.h"

namespace zelvo {
namespace {

// The profile a command works on: the only one without asking, else the one chosen in `mode`.
std::optional<int> PickProfile(AppState& app, Ui& ui, int mode) {
  if (app.profiles.size() == 1) return 0;
  const std::optional<DataSetChoice> choice = SelectDataSet(app, ui, mode);
  if (!choice) return std::nullopt;
  return choice->index;
}

}  // namespace

void CreateTimePeriodProfile(AppState& app, Ui& ui) {
  if (app.profiles.size() >= static_cast<std::size_t>(kMaxProfiles)) {
    ui.Message(
        "The maximum number of profiles (50) has been reached.  You must delete some profiles before you "
        "can add any.");
    return;
  }
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to use as a base.");
    return;
  }
  if (!NewDataSetNumber(app.dataSets)) {
    ui.Message(kDataSetLimitMessage);
    return;
  }
  const std::optional<int> baseIndex = PickDataSet(app, ui, kSelectProfileBase);
  if (!baseIndex) return;
  const DataSetEntry base = app.dataSets[*baseIndex];
  FlowRecord record;
  if (const Status read = ReadDataSetFile(app.projectFolder / base.fileName, base.peakFlag == 1, record);
      !read) {
    ui.Message(read.Message());
    return;
  }
  const std::vector<YearRun> runs = PeriodsOfRecord(record);
  // The dialog shows at most ten periods of record; a base with more is refused rather than cut.
  if (runs.size() > static_cast<std::size_t>(kMaxPeriodsOfRecord)) {
    ui.Message(kTooManyPeriodsOfRecordMessage);
    return;
  }

  ProfileForm form;
  form.periodsLine = PeriodsOfRecordLine(runs);
  std::vector<PeriodRow> periods;
  const int count = static_cast<int>(app.dataSets.size());
  auto check = [&](ProfileForm& f) -> std::optional<FieldMessage> {
    if (auto problem = CheckProfileForm(f, runs, periods)) return problem;
    if (count + static_cast<int>(periods.size()) > kMaxDataSets)
      return FieldMessage{kProfileExceedsDataSetLimitMessage, "row1"};
    return std::nullopt;
  };
  if (!EditForm<ProfileForm>(ui, form, check)) return;

  // The period data sets are written first, the directories after them, so a failure never
  // leaves a profile that points at data sets which do not exist.
  ProfileEntry profile;
  profile.title = form.title.substr(0, kMaxTitleLength);
  profile.periodCount = static_cast<int>(periods.size());
  std::vector<DataSetEntry> added;
  for (std::size_t k = 0; k < periods.size(); ++k) {
    const int number = count + static_cast<int>(k) + 1;
    FlowRecord period;
    CopyYears(record, periods[k].beginYear, periods[k].endYear, period);
    const std::filesystem::path path = app.projectFolder / DataSetFileName(number);
    if (!WriteDataSetFile(path, period, base.peakFlag == 1)) {
      ui.Message("Can not write the daily flow data file:  " + path.string());
      return;
    }
    DataSetEntry entry;
    entry.title = periods[k].title.substr(0, kMaxTitleLength);
    entry.SetWaterYears(periods[k].beginYear, periods[k].endYear);
    entry.fileName = DataSetFileName(number);
    entry.streamClass = base.streamClass;
    entry.peakFlag = base.peakFlag == 1 ? 1 : 0;
    added.push_back(entry);
    profile.periodDataSets[k] = number;
  }
  app.dataSets.insert(app.dataSets.end(), added.begin(), added.end());
  app.profiles.push_back(profile);
  WriteDataSetDirectory(app.projectFolder, app.dataSets);
  WriteProfileDirectory(app.projectFolder, app.profiles);
}

void DeleteTimePeriodProfile(AppState& app, Ui& ui) {
  if (app.profiles.empty()) {
    ui.Message("There are no time period profiles to delete.");
    return;
  }
  const std::optional<int> index = PickProfile(app, ui, kSelectProfileToDelete);
  if (!index) return;
  const ProfileEntry profile = app.profiles[*index];
  if (ui.Message(Format("Are you sure you want to delete:  %s ?", profile.title.c_str()), Buttons::YesNo) !=
      Answer::Yes)
    return;
  const int first = profile.periodDataSets[0];
  const int periods = profile.periodCount;
  app.profiles.erase(app.profiles.begin() + *index);
  WriteProfileDirectory(app.projectFolder, app.profiles);

  const int before = app.baseline;
  if (app.baseline >= first && app.baseline <= first + periods - 1)
    app.baseline = 0;
  else if (app.baseline > first + periods - 1)
    app.baseline -= periods;
  if (app.baseline != before) WriteBaseline(app.projectFolder, app.baseline);

  auto renumberProfiles = [&app](int deleted) {
    LowerPeriodNumbersAbove(app.profiles, deleted);
    if (!app.profiles.empty()) WriteProfileDirectory(app.projectFolder, app.profiles);
  };
  for (int i = 0; i < periods; ++i) {
    if (const Status deleted = DeleteDataSet(app.projectFolder, app.dataSets, first, renumberProfiles);
        !deleted) {
      ui.Message(deleted.Message());
      return;
    }
  }
}

void ComputeProfileIndices(AppState& app, Ui& ui) {
  if (app.profiles.empty()) {
    ui.Message("There are no time period profiles.");
    return;
  }
  const std::optional<int> index = PickProfile(app, ui, kSelectProfileToCompute);
  if (!index) return;
  const ProfileEntry profile = app.profiles[*index];
  const std::optional<ComputeForm> parameters = AskComputeParameters(app, ui, profile.title);
  if (!parameters) return;
  ui.SetBusy(true);
  for (int k = 0; k < profile.periodCount; ++k) {
    const int number = profile.periodDataSets[k];
    if (number < 1 || number > static_cast<int>(app.dataSets.size())) continue;
    const std::string caption =
        Format("%s - %s", profile.title.c_str(), app.dataSets[number - 1].title.c_str());
    ui.SetStatus("Processing:  " + caption);
    ComputeDataSetIndices(app, ui, number, *parameters, caption);
    ui.SetStatus("");
  }
  ui.SetBusy(false);
}

}  // namespace zelvo
