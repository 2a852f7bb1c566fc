#include "zelvo/analysis/ScorecardCommands.h"

#include <algorithm>
#include <memory>

#include "zelvo/analysis/Reports.h"
#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SelectionDialogs.h"

namespace zelvo {
namespace {

constexpr const char* kNoProfilesToDisplay = "There are no time period profiles to display.";
constexpr const char* kSelectBaselineFirst = "You must select a baseline before displaying the table.";
constexpr const char* kNoDataSetsToDisplay = "There are no data sets to display.";
constexpr const char* kChooseProfileCaption = "Select a time period profile for the alteration scorecard.";
constexpr const char* kOnePeriodMessage =
    "This time period profile has one period only.  The scorecard needs a later period to compare with "
    "the first one.";
constexpr const char* kNoAlternativesMessage =
    "There are no data sets besides the baseline to compare with it.";

// The column of the per-year series that is left out of the scorecard.
constexpr const char* kValidDaysColumn = "valid_days";

// Reads a data set's record; a failure is shown.
std::unique_ptr<FlowRecord> ReadRecord(const AppState& app, Ui& ui, int number) {
  const DataSetEntry& e = app.dataSets[number - 1];
  auto record = std::make_unique<FlowRecord>();
  if (const Status read = ReadDataSetFile(app.projectFolder / e.fileName, e.peakFlag == 1, *record); !read) {
    ui.Message(read.Message());
    return nullptr;
  }
  return record;
}

std::optional<ScorecardOptions> AskMethod(const AppState& app, Ui& ui) {
  ScorecardMethodForm form;
  form.lowerPercentile = app.computeLowerPercentile;
  form.upperPercentile = app.computeUpperPercentile;
  if (!EditForm<ScorecardMethodForm>(ui, form, CheckScorecardMethod)) return std::nullopt;
  return OptionsOf(form);
}

// Writes one file of the scorecard whole (a temporary file renamed over it); false after a
// message when it cannot be written.
bool WriteScorecardFile(const AppState& app, Ui& ui, const char* name, const std::string& text) {
  const std::filesystem::path path = app.projectFolder / name;
  if (WriteFileAtomically(path, WithCrLf(text))) return true;
  ui.Message("Can not write the report file:  " + path.string() + "\n\nIt may be open in another program.");
  return false;
}

// Scores the data sets `altered` against `baseline` (1-based numbers), writes both files and
// shows the report.
std::optional<ScorecardResult> Score(const AppState& app, Ui& ui, const std::string& heading,
                                     bool alternatives, int baseline, const std::vector<int>& altered,
                                     const ScorecardOptions& options) {
  ui.SetBusy(true);
  // The baseline first, then the altered data sets in their order; the first that cannot be read
  // ends the command.
  std::vector<ScorecardPeriod> periods;
  std::vector<int> numbers{baseline};
  numbers.insert(numbers.end(), altered.begin(), altered.end());
  for (int number : numbers) {
    const std::unique_ptr<FlowRecord> record = ReadRecord(app, ui, number);
    if (!record) {
      ui.SetBusy(false);
      return std::nullopt;
    }
    periods.push_back(ScorecardPeriodOf(app.dataSets[number - 1].title, *record));
  }
  const ScorecardPeriod base = std::move(periods.front());
  periods.erase(periods.begin());
  ScorecardResult result{heading, alternatives, ComputeScorecard(base, periods, options)};
  ui.SetBusy(false);
  if (!WriteScorecardFile(app, ui, kScorecardCsvName, FormatScorecardCsv(result.card)) ||
      !WriteScorecardFile(app, ui, kScorecardReportName,
                          FormatScorecardReport(heading, app.projectName, alternatives, result.card)))
    return std::nullopt;
  ui.ShowReport((app.projectFolder / kScorecardReportName).string(), false);
  return result;
}

bool ValidDataSet(const AppState& app, int number) {
  return number >= 1 && number <= static_cast<int>(app.dataSets.size());
}

}  // namespace

std::optional<FieldMessage> CheckScorecardMethod(const ScorecardMethodForm& form) {
  if (form.choice < ScorecardMethodForm::kTerciles || form.choice > ScorecardMethodForm::kChosenPercentiles)
    return FieldMessage{"Please choose how the categories are split.", "method"};
  if (form.choice != ScorecardMethodForm::kChosenPercentiles) return std::nullopt;
  if (const std::optional<std::string> problem =
          CheckScorecardPercentiles(form.lowerPercentile, form.upperPercentile))
    return FieldMessage{*problem, "lower"};
  return std::nullopt;
}

ScorecardOptions OptionsOf(const ScorecardMethodForm& form) {
  ScorecardOptions options;
  if (form.choice == ScorecardMethodForm::kParametric) options.method = ScorecardMethod::Parametric;
  if (form.choice == ScorecardMethodForm::kChosenPercentiles) {
    options.lowerPercentile = form.lowerPercentile;
    options.upperPercentile = form.upperPercentile;
  }
  return options;
}

ScorecardPeriod ScorecardPeriodOf(const std::string& title, const YearlySeries& series, int firstYear,
                                  int lastYear) {
  ScorecardPeriod period;
  period.title = title;
  std::vector<std::size_t> kept;
  for (std::size_t y = 0; y < series.waterYears.size(); ++y) {
    const int year = series.waterYears[y];
    if (year < firstYear || year > lastYear) continue;
    kept.push_back(y);
    if (period.firstYear == 0) period.firstYear = year;
    period.lastYear = year;
  }
  for (std::size_t c = 0; c < series.columnNames.size() && c < series.values.size(); ++c) {
    if (series.columnNames[c] == kValidDaysColumn) continue;
    YearlyQuantity q{series.columnNames[c], {}};
    for (std::size_t y : kept)
      if (y < series.values[c].size()) q.values.push_back(series.values[c][y]);
    period.quantities.push_back(std::move(q));
  }
  return period;
}

ScorecardPeriod ScorecardPeriodOf(const std::string& title, const FlowRecord& record) {
  return ScorecardPeriodOf(title, ComputeYearlySeries(record), record.FirstYear(), record.LastYear());
}

AlterationGraphInput AlterationGraphOf(const ScorecardResult& result) {
  AlterationGraphInput input;
  input.heading = result.heading;
  input.method = "Method:  " + DescribeScorecardMethod(result.card.options);
  for (const ScorecardBlock& block : result.card.blocks) {
    AlterationBars bars;
    bars.title = block.title;
    for (const QuantityScore& s : block.scores) {
      bars.quantities.push_back(s.baseline.name);
      const std::optional<double>& ha = s.categories[kMiddleCategory].alteration;
      bars.middlePercent.push_back(s.categorised && ha ? std::optional<double>(*ha * 100.0) : std::nullopt);
    }
    input.blocks.push_back(std::move(bars));
  }
  return input;
}

std::optional<ScorecardResult> ProfileAlterationScorecard(AppState& app, Ui& ui) {
  if (app.profiles.empty()) {
    ui.Message(kNoProfilesToDisplay);
    return std::nullopt;
  }
  // Every profile is offered: the scorecard works on the data sets' flows, not on their results.
  DataSetSelectionForm choose = MakeDataSetSelectionForm(app, kSelectProfileToDelete);
  choose.mode = kSelectProfileToDisplay;
  choose.caption = kChooseProfileCaption;
  if (!EditForm<DataSetSelectionForm>(ui, choose, CheckDataSetSelection)) return std::nullopt;
  const ProfileEntry profile = app.profiles[choose.targets[choose.chosen]];
  const int periods = std::min(profile.periodCount, kMaxPeriods);
  for (int k = 0; k < periods; ++k)
    if (!ValidDataSet(app, profile.periodDataSets[k])) return std::nullopt;  // a damaged profile
  if (periods < 2) {
    ui.Message(kOnePeriodMessage);
    return std::nullopt;
  }
  const std::optional<ScorecardOptions> options = AskMethod(app, ui);
  if (!options) return std::nullopt;
  std::vector<int> later(profile.periodDataSets.begin() + 1, profile.periodDataSets.begin() + periods);
  return Score(app, ui, "Alteration Scorecard - " + profile.title, false, profile.periodDataSets[0], later,
               *options);
}

std::optional<ScorecardResult> AlternativeAlterationScorecard(AppState& app, Ui& ui) {
  if (app.baseline == 0) {
    ui.Message(kSelectBaselineFirst);
    return std::nullopt;
  }
  if (app.dataSets.empty()) {
    ui.Message(kNoDataSetsToDisplay);
    return std::nullopt;
  }
  if (!ValidDataSet(app, app.baseline)) return std::nullopt;
  AlternativesSelectionForm choose;
  choose.maximum = 4;
  choose.caption = "Select up to 4 alternative data sets";
  for (int d = 0; d < static_cast<int>(app.dataSets.size()); ++d) {
    if (d + 1 == app.baseline) continue;
    choose.entries.push_back(app.dataSets[d].title);
    choose.targets.push_back(d);
  }
  if (choose.entries.empty()) {
    ui.Message(kNoAlternativesMessage);
    return std::nullopt;
  }
  if (!EditForm<AlternativesSelectionForm>(ui, choose, CheckAlternativesSelection)) return std::nullopt;
  std::vector<int> positions = choose.selected;
  std::sort(positions.begin(), positions.end());
  std::vector<int> altered;
  altered.reserve(positions.size());
  for (int position : positions) altered.push_back(choose.targets[position] + 1);
  const std::optional<ScorecardOptions> options = AskMethod(app, ui);
  if (!options) return std::nullopt;
  return Score(app, ui, "Alteration Scorecard - Alternatives", true, app.baseline, altered, *options);
}

}  // namespace zelvo
