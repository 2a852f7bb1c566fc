#include "zelvo/graphs/IndexGraphWindow.h"

#include <algorithm>

#include "common/engine/IndexCatalogue.h"
#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/session/SaveFile.h"

namespace zelvo {
namespace {

std::filesystem::path ResultsPath(const AppState& app, int number) {
  return app.projectFolder / HiOutputFileName(number);
}

}  // namespace

IndexGraphWindow::IndexGraphWindow(AppState& app, IndexWindowKind kind) : app_(app), kind_(kind) {
  OpenHiGroup(hi, app);
  auto mark = [](const std::filesystem::path& path) {
    return ReadHiMark(path) == HiMark::ComputedWithMedian ? " (M)" : "";
  };
  if (kind == IndexWindowKind::Alternatives) {
    for (std::size_t i = 0; i < app.dataSets.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      if (number == app.baseline || !HiOutputExists(ResultsPath(app, number))) continue;
      entries_.push_back(app.dataSets[i].title + mark(ResultsPath(app, number)));
      entryItems_.push_back(number);
    }
    return;
  }
  for (std::size_t p = 0; p < app.profiles.size(); ++p) {
    const ProfileEntry& profile = app.profiles[p];
    const int periods = std::clamp(static_cast<int>(profile.periodCount), 0, kMaxPeriods);
    bool all = periods > 0;
    for (int i = 0; i < periods && all; ++i)
      all = HiOutputExists(ResultsPath(app, profile.periodDataSets[i]));
    if (!all) continue;
    entries_.push_back(profile.title + mark(ResultsPath(app, profile.periodDataSets[0])));
    entryItems_.push_back(static_cast<int>(p));
  }
  if (!entries_.empty()) selection_ = {0};
}

std::optional<std::string> IndexGraphWindow::CannotOpen() const {
  if (kind_ == IndexWindowKind::Alternatives && app_.baseline <= 0)
    return std::string(kNoBaselineForAlternatives);
  if (kind_ == IndexWindowKind::Profiles && entries_.empty()) return std::string(kNoComputedProfiles);
  return std::nullopt;
}

std::string IndexGraphWindow::ListLabel() const {
  return kind_ == IndexWindowKind::Alternatives ? "Select up to 4 alternative data sets"
                                                : "Select desired time profile:";
}

std::optional<std::string> IndexGraphWindow::SetSelection(std::vector<int> positions) {
  positions.erase(std::remove_if(positions.begin(), positions.end(),
                                 [this](int p) { return p < 0 || p >= static_cast<int>(entries_.size()); }),
                  positions.end());
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  if (kind_ == IndexWindowKind::Profiles) {
    if (positions.size() > 1) positions.resize(1);
    if (positions != selection_) basePeriod_ = 1;
  }
  selection_ = std::move(positions);
  if (kind_ == IndexWindowKind::Alternatives && selection_.size() > 4) return TooManyAlternativesMessage(4);
  return std::nullopt;
}

std::vector<int> IndexGraphWindow::CurveDataSets() const {
  std::vector<int> numbers;
  if (kind_ == IndexWindowKind::Alternatives) {
    numbers.push_back(app_.baseline);
    // The baseline and at most four alternatives: further choices are not drawn.
    for (int p : selection_) {
      if (numbers.size() >= static_cast<std::size_t>(kMaxIndexCurves)) break;
      numbers.push_back(entryItems_[static_cast<std::size_t>(p)]);
    }
  } else if (!selection_.empty()) {
    const ProfileEntry& profile = app_.profiles[static_cast<std::size_t>(entryItems_[selection_[0]])];
    const int periods = std::clamp(static_cast<int>(profile.periodCount), 0, kMaxPeriods);
    for (int i = 0; i < periods; ++i) numbers.push_back(profile.periodDataSets[static_cast<std::size_t>(i)]);
  }
  numbers.erase(std::remove_if(numbers.begin(), numbers.end(),
                               [this](int n) { return n < 1 || n > static_cast<int>(app_.dataSets.size()); }),
                numbers.end());
  return numbers;
}

std::optional<std::vector<int>> IndexGraphWindow::IndexSelectionNow(Ui& ui) const {
  IndexSelection selection;
  if (hi.manual) {
    if (hi.selected.size() > static_cast<std::size_t>(kMaxSelectedIndices)) {
      ui.Message(kTooManyIndicesMessage);
      return std::nullopt;
    }
    selection.useDefaults = false;
    selection.count = static_cast<int>(hi.selected.size());
    selection.indices = hi.selected;
  }
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) return std::vector<int>{};
  // The default set of the baseline's class, or of the profile's first period.
  return SelectedIndexNumbers(selection, app_,
                              app_.dataSets[static_cast<std::size_t>(numbers[0] - 1)].streamClass);
}

bool IndexGraphWindow::SetBaseline(Ui& ui) {
  if (kind_ != IndexWindowKind::Profiles || !normalize || selection_.empty()) return false;
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) return false;
  if (numbers.size() == 1) {
    basePeriod_ = 1;
    return true;
  }
  const std::optional<DataSetChoice> choice =
      SelectDataSet(app_, ui, kSelectBaselinePeriod, entryItems_[static_cast<std::size_t>(selection_[0])]);
  if (!choice || choice->index < 0 || choice->index >= static_cast<int>(numbers.size())) return false;
  basePeriod_ = choice->index + 1;
  return true;
}

const IndexGraph* IndexGraphWindow::Draw(Ui& ui) {
  last_.reset();
  const std::optional<std::vector<int>> indices = IndexSelectionNow(ui);
  if (!indices) return nullptr;
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) return nullptr;

  IndexGraphInput input;
  input.kind =
      kind_ == IndexWindowKind::Alternatives ? IndexGraphKind::Alternatives : IndexGraphKind::Profile;
  input.type = type;
  input.normalize = normalize;
  input.grid = grid;
  input.indices = *indices;
  input.preferences = app_.preferences;
  input.base = kind_ == IndexWindowKind::Profiles
                   ? std::clamp(basePeriod_ - 1, 0, static_cast<int>(numbers.size()) - 1)
                   : 0;
  if (kind_ == IndexWindowKind::Profiles)
    input.profileTitle = app_.profiles[static_cast<std::size_t>(entryItems_[selection_[0]])].title;
  for (int n : numbers) {
    IndexCurveInput curve;
    curve.title = app_.dataSets[static_cast<std::size_t>(n - 1)].title;
    const std::filesystem::path path = ResultsPath(app_, n);
    HiTable table;
    if (const Status read = ReadHiGraphFile(path, table); read)
      curve.table = table;
    else
      ui.Message(read.Message());
    input.curves.push_back(std::move(curve));
  }
  if (const std::optional<std::string> mismatch = CheckIndexGraphLimits(input)) {
    ui.Message(*mismatch);
    return nullptr;
  }
  last_ = BuildIndexGraph(input);
  return &*last_;
}

void IndexGraphWindow::Export(Ui& ui) {
  const std::optional<std::string> path = AskSaveFile(ui, CsvSaveRequest());
  if (!path) return;
  const IndexGraph* graph = Draw(ui);
  if (graph == nullptr) return;
  SaveWholeFile(ui, *path, IndexGraphExportText(*graph));
}

}  // namespace zelvo
