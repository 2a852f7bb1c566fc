#pragma once
// What the two index graph windows do, apart from their widgets: the curve list with its median
// marks, the index selection, reading the results files, the percentile check, the base of
// normalisation, drawing and Export.

#include <optional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/graphs/IndexGraph.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SelectionDialogs.h"

namespace zelvo {

enum class IndexWindowKind { Alternatives, Profiles };

inline constexpr const char* kIndexGraphCaption = "Graph hydrologic index data";
inline constexpr const char* kMedianNote = "(M) indicates median was used in HI calculations.";
inline constexpr const char* kNoComputedProfiles =
    "There are no time period profiles for which HI values have been computed.";

class IndexGraphWindow {
 public:
  // The HI selection starts from the manual choice the selection dialogs remember.
  IndexGraphWindow(AppState& app, IndexWindowKind kind);

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
  // "Use Defaults" / "Manually Select", the index list, the monthly groups and "Clear", with the
  // behaviour of the selection dialogs.
  HiSelectionGroup hi;

  // "Set Baseline" (profile window, Normalize on): one period is the base at once, otherwise the
  // base is chosen among the periods in the data set selection dialog. True when the graph must
  // be drawn again.
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

  AppState& app_;
  IndexWindowKind kind_;
  std::vector<std::string> entries_;
  std::vector<int> entryItems_;  // data set number (alternatives) or profile position (profiles)
  std::vector<int> selection_;
  int basePeriod_ = 1;
  std::optional<IndexGraph> last_;
};

}  // namespace zelvo
