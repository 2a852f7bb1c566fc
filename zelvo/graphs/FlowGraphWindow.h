#pragma once
// What the three flow graph windows do, apart from their widgets: which curves the list offers,
// the messages of the choice, reading the data files, drawing, the threshold question, the Y
// extents, Export and Statistics. The Qt window moves its controls into `settings` and the list
// selection into SetSelection, then calls Draw and hands the chart description to the chart.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/graphs/FlowGraph.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/session/AppState.h"

namespace zelvo {

enum class FlowWindowKind { DataSets, TimePeriods, Alternatives };

inline constexpr const char* kFlowGraphCaption = "Graph data set data";
inline constexpr const char* kZoomHint = "Zoom:  Press shift and drag mouse          Reset:  Press R";
inline constexpr const char* kNoBaselineForAlternatives =
    "You must select a baseline before graphing alternatives.";

class FlowGraphWindow {
 public:
  // The message that keeps the window from opening (the alternatives window without a baseline).
  static std::optional<std::string> CannotOpen(const AppState& app, FlowWindowKind kind);

  // Settings start from the graphics preferences; user Y extents start automatic.
  FlowGraphWindow(const AppState& app, FlowWindowKind kind);

  FlowWindowKind Kind() const { return kind_; }
  // Label above the list and whether it takes several entries.
  std::string ListLabel() const;
  bool MultipleSelection() const { return kind_ != FlowWindowKind::TimePeriods; }
  const std::vector<std::string>& Entries() const { return entries_; }

  // The list's selection changed; returns the warning to show at once (more than 4 alternatives).
  std::optional<std::string> SetSelection(std::vector<int> positions);
  const std::vector<int>& Selection() const { return selection_; }

  FlowGraphSettings settings;
  UserYExtents extents;

  // Trend Line and Error Bars as the window offers them for the current choice; switches off in
  // `settings` what is not offered.
  FlowOptionAvailability UpdateAvailability();

  // Draws again: the messages of an empty or too large choice (nothing drawn, nullptr), the data
  // files read once per window (a file that cannot be read is reported once and its curve stays
  // empty). The graph lives until the next Draw.
  const FlowGraph* Draw(Ui& ui);
  const FlowGraph* Last() const { return last_ ? &*last_ : nullptr; }

  // The Threshold box was switched; asks for the flow when switched on. Returns the box's state.
  bool SwitchThreshold(Ui& ui, bool on);
  // "Set Y Axis" with the extents the chart used; true when the graph must be drawn again.
  bool SetYAxis(Ui& ui, double usedMinimum, double usedMaximum);
  // "Export": the graph is drawn once more while the file is written.
  void Export(Ui& ui);
  // The export button of the statistics dialog.
  void ExportStatistics(Ui& ui);

  // The data set numbers (1-based) of the curves the current choice draws.
  std::vector<int> CurveDataSets() const;

 private:
  const FlowRecord* Record(Ui& ui, int number);

  const AppState& app_;
  FlowWindowKind kind_;
  std::vector<std::string> entries_;
  std::vector<int> entryDataSets_;  // data sets window and alternatives: the data set of each entry
  std::vector<int> selection_;
  std::map<int, std::unique_ptr<FlowRecord>> records_;  // null: could not be read
  std::optional<FlowGraph> last_;
};

}  // namespace zelvo
