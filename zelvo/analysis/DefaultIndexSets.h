#pragma once
// Default index sets of the stream classes: for each of the ten flow components a stream class
// offers two to four candidate indices, the user picks one per component, and the ten picks form
// the class's default set. Also the default stream class and the median option, with the three
// preference dialogs that edit them.

#include <array>
#include <optional>
#include <string>

#include "common/ui/Ui.h"
#include "zelvo/files/Preferences.h"

namespace zelvo {

struct AppState;

inline constexpr int kCandidatePositions = 5;
using IndexSet = std::array<int, kFlowComponents>;

// Captions of the flow components in the preferences dialog (group "Flow Components:").
const char* ComponentGroupCaption(int component);  // 0-based component
const char* ComponentRowCaption(int component);    // "" for the rate of change

// Name of index group 1..8 ("Low Volume Stable" .. "Superstable Groundwater").
const char* IndexGroupName(int group);

// Built-in candidates. group 1..8, component and position 0-based. Groups 5 to 8 hold only 0;
// a position after a component's last candidate repeats that candidate.
int CandidateIndex(int group, int component, int position);
// The label beside a candidate's radio button, marks included ("MA20 [RM]"); "" for a position
// the component does not offer and for every position of groups 5 to 8.
const char* CandidateLabel(int group, int component, int position);
// Number of candidates a component offers (groups 1 to 4); 5 for groups 5 to 8, where nothing
// is hidden.
int CandidateCount(int group, int component);

// The default index set of group 1..8 under the given choices.
IndexSet DefaultIndexSetOf(const Preferences& preferences, int group);
// Recomputes every group's set in the application state from its preferences.
void RecomputeDefaultIndexSets(AppState& app);

// The index set dialog of one group.
struct IndexSetForm : Form {
  const char* FormName() const override { return "IndexSet"; }
  static constexpr const char* kRangeNote =
      "[R] - Indicates that an index has a perctile range associated with it.";
  static constexpr const char* kMedianNote =
      "[M] - Indicates that an index can be modified by subtituting the median for the mean.";
  int group = 1;
  std::string caption;  // the group name for groups 1 to 4, "" otherwise
  std::array<std::array<std::string, kCandidatePositions>, kFlowComponents> labels{};
  std::array<std::array<bool, kCandidatePositions>, kFlowComponents> visible{};
  std::array<std::array<std::string, kCandidatePositions>, kFlowComponents> tips{};  // what each measures
  std::array<int, kFlowComponents> choice{};  // chosen position of each component, 0..4
};
IndexSetForm MakeIndexSetForm(const Preferences& preferences, int group);

// "Modify Indices": the median option.
struct MedianOptionForm : Form {
  const char* FormName() const override { return "MedianOption"; }
  static constexpr const char* kCaption = "Modify Indices";
  static constexpr const char* kCheckText =
      "Use the median to compute:   MA3, MA12 - MA35, ML1 - ML12, ML15, ML17, ML19, ML22,";
  static constexpr const char* kLine2 = "MH1-MH12, MH20, FL1, FL3, FH1, FH3-FH11, DL1-DL5, DL18, DH1-DH5, ";
  static constexpr const char* kLine3 = "DH17-DH24, RA1, RA3, and RA8.";
  bool useMedian = false;
};

// Commands: "Default Stream Class", the index set of group 1..8, "Modify Indices". Each OK sets
// the preferences-changed flag; Cancel changes nothing.
void EditDefaultStreamClass(AppState& app, Ui& ui);
void EditDefaultIndexSet(AppState& app, Ui& ui, int group);
void EditMedianOption(AppState& app, Ui& ui);

}  // namespace zelvo
