#include "zelvo/store/DataSetCommands.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "common/io/WholeFile.h"
#include "zelvo/files/CopyYears.h"
#include "zelvo/files/DataSetCsvExport.h"
#include "zelvo/files/DataSetDeletion.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SaveFile.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

fs::path DataSetPath(const AppState& app, int index) {
  return app.projectFolder / app.dataSets[index].fileName;
}

// Rewrites ds_directory from `entries`; the state takes them only when the file was written.
bool CommitDirectory(AppState& app, Ui& ui, std::vector<DataSetEntry> entries) {
  if (!WriteDataSetDirectory(app.projectFolder, entries)) {
    ui.Message(Format("The data set directory could not be written to %s.",
                      (app.projectFolder / kDataSetDirectoryName).string().c_str()));
    return false;
  }
  app.dataSets = std::move(entries);
  return true;
}

std::string WriteFailure(const fs::path& path) {
  return Format("The data set file %s could not be written.", path.string().c_str());
}

}  // namespace

std::optional<int> PickDataSet(AppState& app, Ui& ui, int mode) {
  if (app.dataSets.empty()) return std::nullopt;
  if (app.dataSets.size() == 1) return 0;
  const std::optional<DataSetChoice> choice = SelectDataSet(app, ui, mode);
  if (!choice) return std::nullopt;
  return choice->index;
}

std::optional<std::string> ProfileGuardMessage(const AppState& app, int number) {
  for (const ProfileEntry& p : app.profiles)
    for (int k = 0; k < p.periodCount && k < kMaxPeriods; ++k)
      if (p.periodDataSets[k] == number)
        return Format(
            "This data set belongs to the time period profile:  %s.\n\nYou must delete the profile to "
            "delete it.",
            p.title.c_str());
  return std::nullopt;
}

void EditDataSetTitle(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to edit.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToEditTitle);
  if (!index) return;
  const DataSetEntry& entry = app.dataSets[*index];
  TitleDescriptionForm form;
  form.title = entry.title;
  form.description = entry.description;
  form.streamClass = entry.streamClass;
  if (!EditForm<TitleDescriptionForm>(ui, form, CheckTitleDescription)) return;
  std::vector<DataSetEntry> entries = app.dataSets;
  entries[*index].title = form.title;
  entries[*index].description = form.description;
  entries[*index].streamClass = form.streamClass;
  CommitDirectory(app, ui, std::move(entries));
}

void EditDataSetData(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to edit.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToEditData);
  if (!index) return;
  const fs::path path = DataSetPath(app, *index);
  const bool peaks = app.dataSets[*index].peakFlag == 1;
  FlowRecord record;
  if (const Status read = ReadDataSetFile(path, peaks, record); !read) {
    ui.Message(read.Message());
    return;
  }
  DataGridForm form;
  for (int y = 0; y < record.yearCount; ++y) {
    form.years.push_back(record.years[y]);
    form.values.emplace_back(record.flows[y].begin(), record.flows[y].end());
  }
  auto check = [](DataGridForm& f) -> std::optional<FieldMessage> {
    if (f.values.size() != f.years.size())
      return FieldMessage{"The grid does not hold one column per year.", ""};
    for (const auto& column : f.values)
      if (column.size() != static_cast<std::size_t>(kDaySlots))
        return FieldMessage{"The grid does not hold 366 rows in every column.", ""};
    return std::nullopt;
  };
  if (!EditForm<DataGridForm>(ui, form, check)) return;
  for (int y = 0; y < record.yearCount; ++y)
    for (int s = 0; s < kDaySlots; ++s) record.flows[y][s] = form.values[y][s];
  if (!WriteDataSetFile(path, record, peaks)) ui.Message(WriteFailure(path));
}

void CreateDataSetFromExisting(AppState& app, Ui& ui) {
  if (!NewDataSetNumber(app.dataSets)) {
    ui.Message(kDataSetLimitMessage);
    return;
  }
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to copy.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToCopy);
  if (!index) return;
  const DataSetEntry source = app.dataSets[*index];
  const bool peaks = source.peakFlag == 1;
  // The source is read before the dialog so OK can refuse a year in a gap of its record; a
  // read failure is reported where the copy needs the data, after the dialog.
  FlowRecord record;
  const Status read = ReadDataSetFile(DataSetPath(app, *index), peaks, record);
  std::vector<int> storedYears;
  if (read) storedYears.assign(record.years.begin(), record.years.begin() + record.yearCount);

  NewDataSetForm form;
  form.beginYear = source.FirstWaterYear();
  form.endYear = source.LastWaterYear();
  const int first = form.beginYear;
  const int last = form.endYear;
  auto check = [&](NewDataSetForm& f) { return CheckNewDataSet(f, first, last, storedYears); };
  if (!EditForm<NewDataSetForm>(ui, form, check)) return;
  if (!read) {
    ui.Message(read.Message());
    return;
  }
  FlowRecord copy;
  if (!CopyYears(record, form.beginYear, form.endYear, copy)) {
    ui.Message("The years chosen are not stored in the original data.");
    return;
  }
  const int number = static_cast<int>(app.dataSets.size()) + 1;
  const fs::path path = app.projectFolder / DataSetFileName(number);
  if (!WriteDataSetFile(path, copy, peaks)) {
    ui.Message(WriteFailure(path));
    return;
  }
  DataSetEntry entry = source;
  entry.title = form.title;
  entry.description = form.description;
  entry.SetWaterYears(form.beginYear, form.endYear);
  entry.fileName = DataSetFileName(number);
  entry.reserved = 0;
  std::vector<DataSetEntry> entries = app.dataSets;
  entries.push_back(entry);
  if (!CommitDirectory(app, ui, std::move(entries))) {
    std::error_code ignored;
    fs::remove(path, ignored);
  }
}

void ExportDataSetCsv(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to export.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToExport);
  if (!index) return;
  const std::optional<std::string> chosen = AskSaveFile(ui, CsvSaveRequest());
  if (!chosen) return;
  const fs::path target = *chosen;
  if (const Status apart = CheckOutputIsNotInput(target, {DataSetPath(app, *index)}); !apart) {
    ui.Message(apart.Message());
    return;
  }
  // The old file stays whole until the new one is complete.
  if (!CheckWritable(ui, *chosen)) return;
  const bool peaks = app.dataSets[*index].peakFlag == 1;
  FlowRecord record;
  if (const Status read = ReadDataSetFile(DataSetPath(app, *index), peaks, record); !read) {
    ui.Message(read.Message());
    return;
  }
  WholeFileWriter out(target);
  WriteDataSetCsv(out.Stream(), record, peaks);
  if (!out.Commit())
    ui.Message(Format("The file %s could not be written completely.", target.string().c_str()));
}

void DeleteDataSetCommand(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to delete.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToDelete);
  if (!index) return;
  const int k = *index + 1;
  if (std::optional<std::string> refusal = ProfileGuardMessage(app, k)) {
    ui.Message(*refusal);
    return;
  }
  if (ui.Message(Format("Are you sure you want to delete:  %s ?", app.dataSets[*index].title.c_str()),
                 Buttons::YesNo) != Answer::Yes)
    return;
  const int before = app.baseline;
  if (app.baseline == k)
    app.baseline = 0;
  else if (app.baseline > k)
    --app.baseline;
  if (app.baseline != before) WriteBaseline(app.projectFolder, app.baseline);

  auto renumberProfiles = [&app](int deleted) {
    LowerPeriodNumbersAbove(app.profiles, deleted);
    if (!app.profiles.empty()) WriteProfileDirectory(app.projectFolder, app.profiles);
  };
  if (const Status deleted = DeleteDataSet(app.projectFolder, app.dataSets, k, renumberProfiles); !deleted)
    ui.Message(deleted.Message());
}

}  // namespace zelvo
