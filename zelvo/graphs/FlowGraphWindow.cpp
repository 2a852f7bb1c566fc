#include "zelvo/graphs/FlowGraphWindow.h"

#include <algorithm>

#include "zelvo/files/DataSetFile.h"
#include "zelvo/session/SaveFile.h"
#include "zelvo/session/SelectionDialogs.h"

namespace zelvo {

std::optional<std::string> FlowGraphWindow::CannotOpen(const AppState& app, FlowWindowKind kind) {
  if (kind == FlowWindowKind::Alternatives && app.baseline <= 0)
    return std::string(kNoBaselineForAlternatives);
  return std::nullopt;
}

FlowGraphWindow::FlowGraphWindow(const AppState& app, FlowWindowKind kind) : app_(app), kind_(kind) {
  const Preferences& p = app.preferences;
  settings.annualSeries = std::clamp(p.annualSeries, 0, kAnnualSeriesCount - 1);
  settings.monthlySeries = std::clamp(p.monthlySeries, 0, kMonthlySeriesCount - 1);
  settings.scale = p.scale == 1 ? 1 : 0;
  settings.graphType = p.graphType == 1 ? 1 : 0;
  settings.grid = p.grid;
  settings.plotPoints = p.plotPoints;
  settings.lineStyle = p.lineStyle;
  switch (kind) {
    case FlowWindowKind::DataSets:
      for (std::size_t i = 0; i < app.dataSets.size(); ++i) {
        entries_.push_back(app.dataSets[i].title);
        entryDataSets_.push_back(static_cast<int>(i) + 1);
      }
      break;
    case FlowWindowKind::TimePeriods:
      for (const ProfileEntry& profile : app.profiles) entries_.push_back(profile.title);
      if (!entries_.empty()) selection_ = {0};
      break;
    case FlowWindowKind::Alternatives:
      for (std::size_t i = 0; i < app.dataSets.size(); ++i) {
        if (static_cast<int>(i) + 1 == app.baseline) continue;
        entries_.push_back(app.dataSets[i].title);
        entryDataSets_.push_back(static_cast<int>(i) + 1);
      }
      break;
  }
}

std::string FlowGraphWindow::ListLabel() const {
  switch (kind_) {
    case FlowWindowKind::DataSets:
      return "Select desired data sets";
    case FlowWindowKind::TimePeriods:
      return "Select desired time profile:";
    default:
      return "Select up to 4 alternative data sets";
  }
}

std::optional<std::string> FlowGraphWindow::SetSelection(std::vector<int> positions) {
  positions.erase(std::remove_if(positions.begin(), positions.end(),
                                 [this](int p) { return p < 0 || p >= static_cast<int>(entries_.size()); }),
                  positions.end());
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  if (kind_ == FlowWindowKind::TimePeriods && positions.size() > 1) positions.resize(1);
  selection_ = std::move(positions);
  if (kind_ == FlowWindowKind::Alternatives && selection_.size() > 4) return TooManyAlternativesMessage(4);
  return std::nullopt;
}

std::vector<int> FlowGraphWindow::CurveDataSets() const {
  std::vector<int> numbers;
  switch (kind_) {
    case FlowWindowKind::DataSets:
      for (int p : selection_) numbers.push_back(entryDataSets_[static_cast<std::size_t>(p)]);
      break;
    case FlowWindowKind::TimePeriods:
      if (!selection_.empty()) {
        const ProfileEntry& profile = app_.profiles[static_cast<std::size_t>(selection_[0])];
        const int periods = std::clamp(static_cast<int>(profile.periodCount), 0, kMaxPeriods);
        for (int i = 0; i < periods; ++i)
          numbers.push_back(profile.periodDataSets[static_cast<std::size_t>(i)]);
      }
      break;
    case FlowWindowKind::Alternatives:
      numbers.push_back(app_.baseline);
      for (int p : selection_) numbers.push_back(entryDataSets_[static_cast<std::size_t>(p)]);
      break;
  }
  // A number that names no data set of the project (a damaged profile) draws nothing.
  numbers.erase(std::remove_if(numbers.begin(), numbers.end(),
                               [this](int n) { return n < 1 || n > static_cast<int>(app_.dataSets.size()); }),
                numbers.end());
  return numbers;
}

FlowOptionAvailability FlowGraphWindow::UpdateAvailability() {
  return ApplyFlowOptionAvailability(settings, static_cast<int>(CurveDataSets().size()));
}

const FlowRecord* FlowGraphWindow::Record(Ui& ui, int number) {
  auto found = records_.find(number);
  if (found != records_.end()) return found->second.get();
  const DataSetEntry& entry = app_.dataSets[static_cast<std::size_t>(number - 1)];
  auto record = std::make_unique<FlowRecord>();
  if (const Status read = ReadDataSetFile(app_.projectFolder / entry.fileName, entry.peakFlag == 1, *record);
      !read) {
    ui.Message(read.Message());
    record.reset();
  }
  return (records_[number] = std::move(record)).get();
}

const FlowGraph* FlowGraphWindow::Draw(Ui& ui) {
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) {
    last_.reset();
    ui.Message("Please select a data set.");
    return nullptr;
  }
  if (numbers.size() > static_cast<std::size_t>(kMaxCurves)) {
    last_.reset();
    ui.Message("The number of curves exceeds the maximum of 20");
    return nullptr;
  }
  UpdateAvailability();
  FlowGraphInput input;
  input.settings = settings;
  input.preferences = app_.preferences;
  input.userYMinimum = extents.minimum;
  input.userYMaximum = extents.maximum;
  for (int n : numbers) {
    const DataSetEntry& entry = app_.dataSets[static_cast<std::size_t>(n - 1)];
    input.curves.push_back({entry.title, Record(ui, n), entry.FirstWaterYear(), entry.LastWaterYear()});
  }
  last_ = BuildFlowGraph(input);
  return &*last_;
}

bool FlowGraphWindow::SwitchThreshold(Ui& ui, bool on) {
  settings.threshold = false;
  if (!on) return false;
  const std::optional<float> value = AskThreshold(ui);
  if (!value) return false;
  settings.threshold = true;
  settings.thresholdValue = *value;
  return true;
}

bool FlowGraphWindow::SetYAxis(Ui& ui, double usedMinimum, double usedMaximum) {
  return AskYExtents(ui, extents, usedMinimum, usedMaximum);
}

void FlowGraphWindow::Export(Ui& ui) {
  const std::optional<std::string> path = AskSaveFile(ui, CsvSaveRequest());
  if (!path) return;
  const FlowGraph* graph = Draw(ui);
  if (graph == nullptr) return;
  SaveWholeFile(ui, *path, FlowGraphExportText(*graph));
}

void FlowGraphWindow::ExportStatistics(Ui& ui) {
  if (!last_) return;
  const std::optional<std::string> path = AskSaveFile(ui, CsvSaveRequest());
  if (!path) return;
  SaveWholeFile(ui, *path, CurveStatisticsCsv(last_->statistics));
}

}  // namespace zelvo
