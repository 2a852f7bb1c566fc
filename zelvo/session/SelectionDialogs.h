#pragma once
// The two shared selection dialogs of the main program as forms: the data set selection dialog
// (fourteen modes: data sets, profiles or the periods of a profile) and the alternatives selection
// dialog, both able to carry the HI selection group that collects an IndexSelection. The Qt
// dialogs bind widgets to these forms and call the group's functions on user actions.

#include <optional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

inline constexpr int kMaxSelectedIndices = 12;
inline constexpr int kEmptyIndexSlot = 999;
inline constexpr int kDefaultIndexCount = 10;

// The indices chosen for a table or graph: the default set of a stream class (count 10, taken by
// the consumer from the class's default index set) or the user's manual choice (0 to 12 index
// numbers in catalogue order).
struct IndexSelection {
  bool useDefaults = true;
  int count = kDefaultIndexCount;
  std::vector<int> indices;  // manual choice only, ascending
};
// The index numbers a selection stands for, for a data set of the given stream class.
std::vector<int> SelectedIndexNumbers(const IndexSelection& selection, const AppState& app, int streamClass);

// The modes of the data set selection dialog.
enum SelectionMode : int {
  kSelectToCopy = 0,
  kSelectToDelete = 1,
  kSelectToExport = 2,
  kSelectToEditData = 3,
  kSelectToEditTitle = 4,
  kSelectProfileBase = 5,
  kSelectProfileToDelete = 6,
  kSelectProfileToCompute = 7,
  kSelectProfileToDisplay = 8,
  kSelectToSave = 9,
  kSelectBaseline = 10,
  kSelectToCompute = 11,
  kSelectBaselinePeriod = 12,
  kSelectToExportHiValues = 13,
};
inline constexpr int kSelectionModes = 14;
// The caption that replaces "Select a dataset" in each mode.
const char* SelectionModeCaption(int mode);

// The monthly groups of the HI selection: 0 "Not selected", 1 "MA12-23", 2 "MA24-35", 3 "ML1-12",
// 4 "MH1-12"; each group is 12 consecutive index numbers starting at MonthlyGroupFirstIndex.
inline constexpr int kMonthlyGroups = 5;
const char* MonthlyGroupText(int group);
int MonthlyGroupFirstIndex(int group);  // -1 for group 0

// The group "HI Selection". The nine controls of the manual choice (the index list, its label
// "Select up to 12 indices:", the monthly group with its five radios and "Clear") are visible
// only while "Manually Select" is on.
struct HiSelectionGroup {
  static constexpr const char* kCaption = "HI Selection";
  static constexpr const char* kListLabel = "Select up to 12 indices:";
  static constexpr const char* kMonthlyCaption = "Monthly Indices";

  bool shown = false;                   // the dialog carries the group at all
  bool manual = false;                  // "Manually Select" on; "Use Defaults" otherwise
  std::vector<std::string> indexNames;  // the 171 names in catalogue order, when shown
  std::vector<std::string> indexTips;   // what each index measures, for its tool tip
  std::vector<int> selected;            // selected list positions (= index numbers), ascending
  int monthlyGroup = 0;

  bool ManualControlsVisible() const { return shown && manual; }
  void UseDefaults() { manual = false; }
  void ManuallySelect() { manual = true; }
  // A monthly radio: group 1..4 selects exactly its 12 entries; 0 acts as "Clear".
  void ChooseMonthlyGroup(int group);
  // "Clear": nothing selected, the monthly radio back to "Not selected".
  void Clear();
  // The user changed the list's selection to `selection`: kept as it is, and an active monthly
  // group falls back to "Not selected".
  void UserChangedSelection(std::vector<int> selection);
};

// Fills the group's list with the 171 index names and restores the remembered manual choice and
// monthly group; "Use Defaults" on. Every window that carries the group opens it this way.
void OpenHiGroup(HiSelectionGroup& hi, const AppState& app);

// The data set selection dialog.
struct DataSetSelectionForm : Form {
  const char* FormName() const override { return "SelectDataSet"; }
  static constexpr const char* kComputedNote = "(C) indicates HI values have been computed.";
  static constexpr const char* kMedianNote =
      "(MC) indicates HI values have been computed using median values.";
  int mode = 0;
  std::string caption;
  std::vector<std::string> entries;  // list texts in insertion order
  std::vector<int> targets;          // what each entry stands for: 0-based data set, profile or period
  int chosen = 0;                    // selected list position; the first is preselected
  bool showMarkNotes = false;        // modes 7 and 11
  HiSelectionGroup hi;               // shown in mode 8 only
};
std::optional<FieldMessage> CheckDataSetSelection(const DataSetSelectionForm& form);

struct DataSetChoice {
  int index = 0;             // 0-based data set, profile or period (mode 12) it stands for
  IndexSelection selection;  // default unless the HI selection group was shown and used
};
// Fills the list of `mode` (mode 12 lists the periods of profile `profile`, 0-based). An empty
// filtered list (modes 8, 10, 13) shows its message and ends as cancelled; nullopt on Cancel.
std::optional<DataSetChoice> SelectDataSet(AppState& app, Ui& ui, int mode, int profile = -1);
// The form as it opens (exposed for the Qt face's previews and for tests).
DataSetSelectionForm MakeDataSetSelectionForm(const AppState& app, int mode, int profile = -1);

// The alternatives selection dialog.
struct AlternativesSelectionForm : Form {
  const char* FormName() const override { return "SelectAlternatives"; }
  int maximum = 4;
  std::string caption;  // "Select up to 4 alternative data sets" or "Select an alternative for comparison."
  std::vector<std::string> entries;  // titles of the non-baseline data sets with HI values
  std::vector<int> targets;          // 0-based data set of each entry
  std::vector<int> selected;         // selected list positions; none at opening
  HiSelectionGroup hi;               // always shown

  // The user changed the selection of alternatives: kept as made; above the maximum the
  // returned message is to be shown.
  std::optional<std::string> UserChangedAlternatives(std::vector<int> selection);
};
std::optional<FieldMessage> CheckAlternativesSelection(const AlternativesSelectionForm& form);

struct AlternativesChoice {
  int baseline = -1;              // 0-based baseline data set, -1 when none is chosen
  std::vector<int> alternatives;  // 0-based data sets in list order
  IndexSelection selection;
};
// Lists every non-baseline data set with HI values; none shows its message and ends as
// cancelled. nullopt on Cancel.
std::optional<AlternativesChoice> SelectAlternatives(AppState& app, Ui& ui, int maximum);
AlternativesSelectionForm MakeAlternativesSelectionForm(const AppState& app, int maximum);

// Messages of the two dialogs.
inline constexpr const char* kTooManyIndicesMessage =
    "The number of indices selected exceeds the maximum of 12.";
std::string TooManyAlternativesMessage(int maximum);

}  // namespace zelvo
