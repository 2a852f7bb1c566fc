#include "zelvo/graphs/IndexGraphWindow.h"

#include <algorithm>

#include "common/engine/IndexCatalogue.h"
#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/GraphDialogs.h"

namespace zelvo {
namespace {

std::filesystem::path ResultsPath(const AppState& app, int number) {
  return app.projectFolder / HiOutputFileName(number);
}

// First catalogue position of each monthly group.
constexpr int kMonthlyGroupStart[5] = {-1, MA(12), MA(24), ML(1), MH(1)};

}  // namespace

IndexGraphWindow::IndexGraphWindow(const AppState& app, IndexWindowKind kind, DefaultIndicesOf defaults)
    : app_(app), kind_(kind), defaults_(std::move(defaults)) {
  for (int n : app.rememberedIndices)
    if (n >= 0 && n < kIndexCount) manualIndices.push_back(n);
  std::sort(manualIndices.begin(), manualIndices.end());
  monthlyGroup = std::clamp(app.rememberedMonthlyGroup, 0, 4);
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
    for (int i = 0; i < periods && all; ++i) all = HiOutputExists(ResultsPath(app, profile.periodDataSets[i]));
    if (!all) continue;
    entries_.push_back(profile.title + mark(ResultsPath(app, profile.periodDataSets[0])));
    entryItems_.push_back(static_cast<int>(p));
  }
  if (!entries_.empty()) selection_ = {0};
}

std::optional<std::string> IndexGraphWindow::CannotOpen() const {
  if (kind_ == IndexWindowKind::Alternatives && app_.baseline <= 0) return std::string(kNoBaselineForAlternatives);
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
  if (kind_ == IndexWindowKind::Alternatives && selection_.size() > 4) return std::string(kTooManyAlternatives);
  return std::nullopt;
}

void IndexGraphWindow::ChooseMonthlyGroup(int group) {
  monthlyGroup = std::clamp(group, 0, 4);
  manualIndices.clear();
  if (monthlyGroup > 0)
    for (int i = 0; i < 12; ++i) manualIndices.push_back(kMonthlyGroupStart[monthlyGroup] + i);
}

void IndexGraphWindow::Clear() {
  manualIndices.clear();
  monthlyGroup = 0;
}

void IndexGraphWindow::ListChangedByUser(std::vector<int> positions) {
  std::sort(positions.begin(), positions.end());
  manualIndices = std::move(positions);
  monthlyGroup = 0;
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
  if (!useDefaults) {
    if (manualIndices.size() > static_cast<std::size_t>(kMaxGraphIndices)) {
      ui.Message(kTooManyIndices);
      return std::nullopt;
    }
    return manualIndices;
  }
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty() || !defaults_) return std::vector<int>{};
  // The default set of the baseline's class, or of the profile's first period.
  return defaults_(app_.dataSets[static_cast<std::size_t>(numbers[0] - 1)].streamClass);
}

bool IndexGraphWindow::SetBaseline(Ui& ui) {
  if (kind_ != IndexWindowKind::Profiles || !normalize) return false;
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) return false;
  if (numbers.size() == 1) {
    basePeriod_ = 1;
    return true;
  }
  BasePeriodForm form;
  for (int n : numbers) form.entries.push_back(app_.dataSets[static_cast<std::size_t>(n - 1)].title);
  form.chosen = basePeriod_ - 1;
  if (!ui.Edit(form)) return false;
  if (form.chosen < 0 || form.chosen >= static_cast<int>(numbers.size())) return false;
  basePeriod_ = form.chosen + 1;
  return true;
}

const IndexGraph* IndexGraphWindow::Draw(Ui& ui) {
  last_.reset();
  const std::optional<std::vector<int>> indices = IndexSelectionNow(ui);
  if (!indices) return nullptr;
  const std::vector<int> numbers = CurveDataSets();
  if (numbers.empty()) return nullptr;

  IndexGraphInput input;
  input.kind = kind_ == IndexWindowKind::Alternatives ? IndexGraphKind::Alternatives : IndexGraphKind::Profile;
  input.type = type;
  input.normalize = normalize;
  input.grid = grid;
  input.indices = *indices;
  input.preferences = app_.preferences;
  input.base = kind_ == IndexWindowKind::Profiles ? std::clamp(basePeriod_ - 1, 0, static_cast<int>(numbers.size()) - 1) : 0;
  if (kind_ == IndexWindowKind::Profiles)
    input.profileTitle = app_.profiles[static_cast<std::size_t>(entryItems_[selection_[0]])].title;
  for (int n : numbers) {
    IndexCurveInput curve;
    curve.title = app_.dataSets[static_cast<std::size_t>(n - 1)].title;
    const std::filesystem::path path = ResultsPath(app_, n);
    curve.table = ReadHiGraphFile(path);
    if (!curve.table) ui.Message(HiOutputOpenFailure(path));
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
  const std::optional<std::string> path = AskCsvExportPath(ui);
  if (!path) return;
  const IndexGraph* graph = Draw(ui);
  if (graph == nullptr) return;
  WriteExportFile(ui, *path, IndexGraphExportText(*graph));
}

}  // namespace zelvo
