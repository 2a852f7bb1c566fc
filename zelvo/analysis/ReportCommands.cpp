#include "zelvo/analysis/ReportCommands.h"

#include "common/engine/HiOutputFile.h"
#include "common/engine/TextFormat.h"
#include "common/io/WholeFile.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/Reports.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SelectionDialogs.h"

namespace zelvo {
namespace {

constexpr const char* kNoProfilesToDisplay = "There are no time period profiles to display.";
constexpr const char* kSelectBaselineFirst = "You must select a baseline before displaying the table.";
constexpr const char* kNoDataSetsToDisplay = "There are no data sets to display.";

// Reads the results file of data set `number` (1-based); a failure is shown.
std::optional<HiTable> ReadResults(const AppState& app, Ui& ui, int number) {
  const std::filesystem::path path = app.projectFolder / HiOutputFileName(number);
  HiTable table;
  if (const Status read = ReadHiTableFile(path, table); !read) {
    ui.Message(read.Message());
    return std::nullopt;
  }
  return table;
}

// Writes a report into the project folder with CR LF line ends and shows it.
void WriteAndShow(const AppState& app, Ui& ui, const char* name, const std::string& text) {
  const std::filesystem::path path = app.projectFolder / name;
  if (!WriteFileWhole(path, WithCrLf(text))) {
    ui.Message("Can not write the report file:  " + path.string() + "\n\nIt may be open in another program.");
    return;
  }
  ui.ShowReport(path.string(), false);
}

bool ProjectHasBaselineAndDataSets(const AppState& app, Ui& ui) {
  if (app.baseline == 0) {
    ui.Message(kSelectBaselineFirst);
    return false;
  }
  if (app.dataSets.empty()) {
    ui.Message(kNoDataSetsToDisplay);
    return false;
  }
  return true;
}

ComparisonSide SideOf(const AppState& app, int number, const HiTable& table) {
  const DataSetEntry& e = app.dataSets[number - 1];
  return ComparisonSide{e.title, e.startDate, e.endDate, table};
}

void WriteComparison(AppState& app, Ui& ui, bool alternatives, int first, int second,
                     const IndexSelection& selection, int streamClass) {
  const std::optional<HiTable> one = ReadResults(app, ui, first);
  if (!one) return;
  const std::optional<HiTable> two = ReadResults(app, ui, second);
  if (!two) return;
  ReportTitleForm title;
  if (!ui.Edit(title)) return;
  const std::vector<int> indices = SelectedIndexNumbers(selection, app, streamClass);
  WriteAndShow(app, ui, "comprpt.txt",
               FormatComparisonReport(alternatives, title.title, app.projectName, SideOf(app, first, *one),
                                      SideOf(app, second, *two), indices));
}

bool ValidPeriods(const AppState& app, const ProfileEntry& profile) {
  if (profile.periodCount < 1 || profile.periodCount > kMaxPeriods) return false;
  for (int k = 0; k < profile.periodCount; ++k)
    if (profile.periodDataSets[k] < 1 || profile.periodDataSets[k] > static_cast<int>(app.dataSets.size()))
      return false;
  return true;
}

// The profile a profile report shows, with its index selection: only profiles whose periods all
// have results are offered. nullopt when there is none, on Cancel, or for a damaged profile.
std::optional<DataSetChoice> ChooseProfileToDisplay(AppState& app, Ui& ui) {
  if (app.profiles.empty()) {
    ui.Message(kNoProfilesToDisplay);
    return std::nullopt;
  }
  std::optional<DataSetChoice> choice = SelectDataSet(app, ui, kSelectProfileToDisplay);
  if (!choice || !ValidPeriods(app, app.profiles[choice->index])) return std::nullopt;
  return choice;
}

}  // namespace

void DisplayProfileIndexTables(AppState& app, Ui& ui) {
  const std::optional<DataSetChoice> choice = ChooseProfileToDisplay(app, ui);
  if (!choice) return;
  const ProfileEntry profile = app.profiles[choice->index];
  const int streamClass = app.dataSets[profile.periodDataSets[0] - 1].streamClass;
  const std::vector<int> indices = SelectedIndexNumbers(choice->selection, app, streamClass);
  std::vector<IndexTableBlock> blocks;
  for (int k = 0; k < profile.periodCount; ++k) {
    const int number = profile.periodDataSets[k];
    const std::optional<HiTable> table = ReadResults(app, ui, number);
    if (!table) return;
    blocks.push_back(IndexTableBlock{app.dataSets[number - 1].title, *table});
  }
  WriteAndShow(app, ui, "table.txt",
               FormatIndexTable(profile.title + " - Hydrologic Index Values", blocks, indices));
}

void DisplayAlternativeIndexTables(AppState& app, Ui& ui) {
  if (!ProjectHasBaselineAndDataSets(app, ui)) return;
  const std::optional<AlternativesChoice> choice = SelectAlternatives(app, ui, 4);
  if (!choice) return;
  std::vector<int> numbers{app.baseline};
  for (int alternative : choice->alternatives) numbers.push_back(alternative + 1);
  std::vector<IndexTableBlock> blocks;
  for (int number : numbers) {
    const std::optional<HiTable> table = ReadResults(app, ui, number);
    if (!table) return;
    const std::string& title = app.dataSets[number - 1].title;
    if (!blocks.empty() && (table->lowerPercentile != blocks.front().table.lowerPercentile ||
                            table->upperPercentile != blocks.front().table.upperPercentile)) {
      ui.Message(
          Format("The limits for alternative (%s) do not match the baseline.\n\nComparison can not be made.",
                 title.c_str()));
      return;
    }
    blocks.push_back(IndexTableBlock{title, *table});
  }
  const int streamClass = app.dataSets[app.baseline - 1].streamClass;
  WriteAndShow(app, ui, "table.txt",
               FormatIndexTable("Alternative Hydrologic Index Values", blocks,
                                SelectedIndexNumbers(choice->selection, app, streamClass)));
}

void GenerateProfileComparisonReport(AppState& app, Ui& ui) {
  const std::optional<DataSetChoice> choice = ChooseProfileToDisplay(app, ui);
  if (!choice) return;
  const ProfileEntry profile = app.profiles[choice->index];
  int first = 0, second = 0;  // periods, 0-based
  if (profile.periodCount > 1) {
    PeriodChoiceForm one;
    one.caption = "First period of record";
    one.label = "Select the first period of record for comparison:";
    for (int k = 0; k < profile.periodCount; ++k) {
      one.entries.push_back(app.dataSets[profile.periodDataSets[k] - 1].title);
      one.targets.push_back(k);
    }
    if (!ui.Edit(one) || one.chosen < 0 || one.chosen >= static_cast<int>(one.targets.size())) return;
    first = one.targets[one.chosen];
    PeriodChoiceForm two;
    two.caption = "Second period of record";
    two.label = "Select the second period of record for comparison:";
    for (int k = 0; k < profile.periodCount; ++k) {
      if (k == first) continue;
      two.entries.push_back(app.dataSets[profile.periodDataSets[k] - 1].title);
      two.targets.push_back(k);
    }
    if (!ui.Edit(two) || two.chosen < 0 || two.chosen >= static_cast<int>(two.targets.size())) return;
    second = two.targets[two.chosen];
  }
  const int streamClass = app.dataSets[profile.periodDataSets[0] - 1].streamClass;
  WriteComparison(app, ui, false, profile.periodDataSets[first], profile.periodDataSets[second],
                  choice->selection, streamClass);
}

void GenerateAlternativeComparisonReport(AppState& app, Ui& ui) {
  if (!ProjectHasBaselineAndDataSets(app, ui)) return;
  const std::optional<AlternativesChoice> choice = SelectAlternatives(app, ui, 1);
  if (!choice || choice->alternatives.empty()) return;
  WriteComparison(app, ui, true, app.baseline, choice->alternatives.front() + 1, choice->selection,
                  app.dataSets[app.baseline - 1].streamClass);
}

void DisplayDataSetReport(AppState& app, Ui& ui) {
  // A directory file that cannot be read leaves its part of the report out.
  std::optional<std::vector<DataSetEntry>> dataSets;
  if (std::vector<DataSetEntry> entries; ReadDataSetDirectory(app.projectFolder, entries)) {
    app.dataSets = entries;
    dataSets = std::move(entries);
  }
  std::optional<std::vector<ProfileEntry>> profiles;
  if (std::vector<ProfileEntry> read;
      ReadProfileDirectory(app.projectFolder, read) && CheckProfileDataSets(read, app.dataSets.size()))
    profiles = std::move(read);
  const int baseline =
      app.baseline >= 1 && app.baseline <= static_cast<int>(app.dataSets.size()) ? app.baseline : 0;
  // The share of zero-flow days of each data set, from its data file.
  std::vector<std::optional<ZeroFlowShare>> zeroFlows;
  if (dataSets) {
    for (const DataSetEntry& e : *dataSets) {
      FlowRecord record;
      if (ReadDataSetFile(app.projectFolder / e.fileName, e.peakFlag == 1, record))
        zeroFlows.emplace_back(CountZeroFlowDays(record));
      else
        zeroFlows.emplace_back(std::nullopt);
    }
  }
  WriteAndShow(app, ui, "dump.txt", FormatDataSetReport(dataSets, profiles, baseline, zeroFlows));
}

}  // namespace zelvo
