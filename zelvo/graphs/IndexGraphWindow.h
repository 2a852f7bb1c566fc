#pragma once
// What the two index graph windows do, apart from their widgets: the curve list with its median
// marks, the index selection, reading the results files, the percentile check, the base of
// normalisation, drawing and Export.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/graphs/IndexGraph.h"
#include "zelvo/shell/AppState.h"

namespace zelvo {

enum class IndexWindowKind { Alternatives, Profiles };

inline constexpr const char* kIndexGraphCaption = "Graph hydrologic index data";
inline constexpr const char* kMedianNote = "(M) indicates median was used in HI calculations.";
inline constexpr const char* kNoComputedProfiles =
    "There are no time period profiles for which HI values have been computed.";
inline constexpr const char* kTooManyIndices = "The number of indices selected exceeds the maximum of 12.";

// The base period of a profile's index graph, chosen among the profile's periods.
struct BasePeriodForm : Form {
  const char* FormName() const override { return "BasePeriod"; }
  static constexpr const char* kCaption = "Select a dataset as a baseline.";
  std::vector<std::string> entries;  // the periods' data set titles
  int chosen = 0;                    // 0-based
};

// The default set of ten indices of a stream class (0..3).
using DefaultIndicesOf = std::function<std::vector<int>(int streamClass)>;

class IndexGraphWindow {
 public:
  IndexGraphWindow(const AppState& app, IndexWindowKind kind, DefaultIndicesOf defaults);

  // The message that keeps the window from opening: no baseline, or no profile with results.
  std::optional<std::string> CannotOpen() const;

  IndexWindowKind Kind() const { return kind_; }
  std::string ListLabel() const;
  bool MultipleSelection() const { return kind_ == IndexWindowKind::Alternatives; }
  // List texts, each followed by " (M)" when its results were computed with the median option.
  const std::vector<std::string>& Entries() const { return entries_; }
  std::optional<std::string> SetSelection(std::vector<int> positions);
  const std::vector<int>& Selection() const { return selection_; }

  IndexGraphType type = IndexGraphType::Value;
  bool normalize = false;
  bool grid = false;
  bool useDefaults = true;
  std::vector<int> manualIndices;  // selected positions of the 171-entry list, ascending
  int monthlyGroup = 0;            // 0 none, 1 MA12-23, 2 MA24-35, 3 ML1-12, 4 MH1-12

  // The HI selection group: a monthly group selects its 12 indices; "Clear" empties the list; a
  // change of the list by the user ends the group.
  void ChooseMonthlyGroup(int group);
  void Clear();
  void ListChangedByUser(std::vector<int> positions);

  // "Set Baseline" (profile window, Normalize on): one period is the base at once, otherwise the
  // base is chosen among the periods. True when the graph must be drawn again.
  bool SetBaseline(Ui& ui);
  int BasePeriod() const { return basePeriod_; }  // 1-based

  // Draws again; nullptr and the message when nothing can be drawn.
  const IndexGraph* Draw(Ui& ui);
  const IndexGraph* Last() const { return last_ ? &*last_ : nullptr; }
  void Export(Ui& ui);

  // Curves of the current choice: data set numbers (1-based), at most five.
  std::vector<int> CurveDataSets() const;

 private:
  std::optional<std::vector<int>> IndexSelectionNow(Ui& ui) const;

  const AppState& app_;
  IndexWindowKind kind_;
  DefaultIndicesOf defaults_;
  std::vector<std::string> entries_;
  std::vector<int> entryItems_;  // data set number (alternatives) or profile position (profiles)
  std::vector<int> selection_;
  int basePeriod_ = 1;
  std::optional<IndexGraph> last_;
};

}  // namespace zelvo
