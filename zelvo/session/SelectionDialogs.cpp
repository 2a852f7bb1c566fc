#include "zelvo/session/SelectionDialogs.h"

#include <algorithm>

#include "common/engine/HiOutputFile.h"
#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "common/engine/TextFormat.h"
#include "zelvo/session/AppState.h"

namespace zelvo {
namespace {

HiMark MarkOf(const AppState& app, int dataSetIndex) {
  return ReadHiMark(app.projectFolder / HiOutputFileName(dataSetIndex + 1));
}
bool HasHiValues(const AppState& app, int dataSetIndex) {
  return HiOutputExists(app.projectFolder / HiOutputFileName(dataSetIndex + 1));
}
bool ValidDataSet(const AppState& app, int number) {
  return number >= 1 && number <= static_cast<int>(app.dataSets.size());
}

}  // namespace

void OpenHiGroup(HiSelectionGroup& hi, const AppState& app) {
  hi.shown = true;
  hi.manual = false;
  hi.indexNames.clear();
  hi.indexTips.clear();
  for (int i = 0; i < kIndexCount; ++i) {
    hi.indexNames.emplace_back(IndexName(i));
    hi.indexTips.push_back(IndexToolTip(i));
  }
  hi.selected.clear();
  for (int slot : app.rememberedIndices)
    if (slot >= 0 && slot < kIndexCount) hi.selected.push_back(slot);
  std::sort(hi.selected.begin(), hi.selected.end());
  hi.selected.erase(std::unique(hi.selected.begin(), hi.selected.end()), hi.selected.end());
  hi.monthlyGroup = app.rememberedMonthlyGroup >= 0 && app.rememberedMonthlyGroup < kMonthlyGroups
                        ? app.rememberedMonthlyGroup
                        : 0;
}

namespace {

std::optional<FieldMessage> CheckHiGroup(const HiSelectionGroup& hi) {
  if (hi.shown && hi.manual && hi.selected.size() > static_cast<std::size_t>(kMaxSelectedIndices))
    return FieldMessage{kTooManyIndicesMessage, "indices"};
  return std::nullopt;
}

IndexSelection SelectionOf(const HiSelectionGroup& hi) {
  IndexSelection s;
  if (hi.shown && hi.manual) {
    s.useDefaults = false;
    s.indices = hi.selected;
    std::sort(s.indices.begin(), s.indices.end());
    if (s.indices.size() > static_cast<std::size_t>(kMaxSelectedIndices))
      s.indices.resize(kMaxSelectedIndices);
    s.count = static_cast<int>(s.indices.size());
  }
  return s;
}

// Confirming either dialog remembers what its index list holds at that moment (nothing when the
// list was never filled) and its monthly group.
void Remember(AppState& app, const HiSelectionGroup& hi) {
  app.rememberedIndices.fill(kEmptyIndexSlot);
  if (!hi.shown) {
    app.rememberedMonthlyGroup = 0;
    return;
  }
  std::size_t n = 0;
  for (int i : hi.selected)
    if (n < app.rememberedIndices.size() && i >= 0 && i < kIndexCount) app.rememberedIndices[n++] = i;
  app.rememberedMonthlyGroup = hi.monthlyGroup;
}

std::vector<int> Normalised(std::vector<int> selection) {
  selection.erase(
      std::remove_if(selection.begin(), selection.end(), [](int i) { return i < 0 || i >= kIndexCount; }),
      selection.end());
  std::sort(selection.begin(), selection.end());
  selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
  return selection;
}

}  // namespace

std::vector<int> SelectedIndexNumbers(const IndexSelection& selection, const AppState& app, int streamClass) {
  if (!selection.useDefaults) return selection.indices;
  if (streamClass < 0 || streamClass > 3) streamClass = 0;
  const auto& set = app.defaultIndexSets[streamClass];
  return std::vector<int>(set.begin(), set.end());
}

const char* SelectionModeCaption(int mode) {
  static constexpr const char* kCaptions[kSelectionModes] = {
      "Select a data set to copy.",
      "Select a data set to delete.",
      "Select a data set to export.",
      "Select a data set to edit its data.",
      "Select a data set to edit its title or description.",
      "Select a data set for generating an time period profile.",
      "Select a time period profile to delete.",
      "Select a time period profile for computing hydrologic indices.",
      "Select a time period profile for display.",
      "Select a dataset to save.",
      "Select a dataset as a baseline.",
      "Select a dataset for computing hydrologic indices.",
      "Select a dataset as a baseline.",
      "Select a dataset to export HI values from.",
  };
  return mode >= 0 && mode < kSelectionModes ? kCaptions[mode] : "Select a dataset";
}

const char* MonthlyGroupText(int group) {
  static constexpr const char* kTexts[kMonthlyGroups] = {"Not selected", "MA12-23", "MA24-35", "ML1-12",
                                                         "MH1-12"};
  return group >= 0 && group < kMonthlyGroups ? kTexts[group] : "";
}

int MonthlyGroupFirstIndex(int group) {
  switch (group) {
    case 1:
      return MA(12);
    case 2:
      return MA(24);
    case 3:
      return ML(1);
    case 4:
      return MH(1);
    default:
      return -1;
  }
}

void HiSelectionGroup::ChooseMonthlyGroup(int group) {
  if (group <= 0 || group >= kMonthlyGroups) {
    Clear();
    return;
  }
  monthlyGroup = group;
  selected.clear();
  const int first = MonthlyGroupFirstIndex(group);
  for (int i = 0; i < 12; ++i) selected.push_back(first + i);
}

void HiSelectionGroup::Clear() {
  selected.clear();
  monthlyGroup = 0;
}

void HiSelectionGroup::UserChangedSelection(std::vector<int> selection) {
  selected = Normalised(std::move(selection));
  monthlyGroup = 0;
}

DataSetSelectionForm MakeDataSetSelectionForm(const AppState& app, int mode, int profile) {
  DataSetSelectionForm form;
  form.mode = mode;
  form.caption = SelectionModeCaption(mode);
  form.showMarkNotes = mode == kSelectProfileToCompute || mode == kSelectToCompute;
  const int dataSets = static_cast<int>(app.dataSets.size());
  const int profiles = static_cast<int>(app.profiles.size());
  auto add = [&](std::string text, int target) {
    form.entries.push_back(std::move(text));
    form.targets.push_back(target);
  };
  switch (mode) {
    case kSelectProfileToDelete:
      for (int p = 0; p < profiles; ++p) add(app.profiles[p].title, p);
      break;
    case kSelectProfileToCompute:
      for (int p = 0; p < profiles; ++p) {
        const int first = app.profiles[p].periodDataSets[0];
        const HiMark mark = ValidDataSet(app, first) ? MarkOf(app, first - 1) : HiMark::None;
        add(app.profiles[p].title + HiMarkSuffix(mark), p);
      }
      break;
    case kSelectProfileToDisplay:
      for (int p = 0; p < profiles; ++p) {
        const ProfileEntry& e = app.profiles[p];
        bool all = e.periodCount >= 1;
        for (int k = 0; k < e.periodCount && k < kMaxPeriods && all; ++k)
          all = ValidDataSet(app, e.periodDataSets[k]) && HasHiValues(app, e.periodDataSets[k] - 1);
        if (all) add(e.title, p);
      }
      form.hi.shown = true;
      OpenHiGroup(form.hi, app);
      break;
    case kSelectBaseline:
    case kSelectToExportHiValues:
      for (int d = 0; d < dataSets; ++d)
        if (HasHiValues(app, d)) add(app.dataSets[d].title, d);
      break;
    case kSelectToCompute:
      for (int d = 0; d < dataSets; ++d) add(app.dataSets[d].title + HiMarkSuffix(MarkOf(app, d)), d);
      break;
    case kSelectBaselinePeriod:
      if (profile >= 0 && profile < profiles) {
        const ProfileEntry& e = app.profiles[profile];
        for (int k = 0; k < e.periodCount && k < kMaxPeriods; ++k) {
          const int n = e.periodDataSets[k];
          add(ValidDataSet(app, n) ? app.dataSets[n - 1].title : std::string(), k);
        }
      }
      break;
    default:
      for (int d = 0; d < dataSets; ++d) add(app.dataSets[d].title, d);
      break;
  }
  return form;
}

std::optional<FieldMessage> CheckDataSetSelection(const DataSetSelectionForm& form) {
  if (std::optional<FieldMessage> m = CheckHiGroup(form.hi)) return m;
  if (form.chosen < 0 || form.chosen >= static_cast<int>(form.entries.size()))
    return FieldMessage{"Please select an entry of the list.", "list"};
  return std::nullopt;
}

std::optional<DataSetChoice> SelectDataSet(AppState& app, Ui& ui, int mode, int profile) {
  DataSetSelectionForm form = MakeDataSetSelectionForm(app, mode, profile);
  if (form.entries.empty()) {
    if (mode == kSelectProfileToDisplay)
      ui.Message("There are no time period profiles for which HI values have been computed.");
    else if (mode == kSelectBaseline || mode == kSelectToExportHiValues)
      ui.Message("There are no data sets for which HI values have been computed.");
    return std::nullopt;
  }
  if (!EditForm<DataSetSelectionForm>(ui, form, CheckDataSetSelection)) return std::nullopt;
  DataSetChoice choice;
  choice.index = form.targets[form.chosen];
  choice.selection = SelectionOf(form.hi);
  Remember(app, form.hi);
  return choice;
}

std::string TooManyAlternativesMessage(int maximum) {
  return Format("The maximum number of alternatives that can be selected is %d.  Please unselect one.",
                maximum);
}

std::optional<std::string> AlternativesSelectionForm::UserChangedAlternatives(std::vector<int> selection) {
  std::sort(selection.begin(), selection.end());
  selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
  selected = std::move(selection);
  if (static_cast<int>(selected.size()) > maximum) return TooManyAlternativesMessage(maximum);
  return std::nullopt;
}

AlternativesSelectionForm MakeAlternativesSelectionForm(const AppState& app, int maximum) {
  AlternativesSelectionForm form;
  form.maximum = maximum;
  form.caption =
      maximum == 1 ? "Select an alternative for comparison." : "Select up to 4 alternative data sets";
  OpenHiGroup(form.hi, app);
  for (int d = 0; d < static_cast<int>(app.dataSets.size()); ++d) {
    if (d + 1 == app.baseline || !HasHiValues(app, d)) continue;
    form.entries.push_back(app.dataSets[d].title);
    form.targets.push_back(d);
  }
  return form;
}

std::optional<FieldMessage> CheckAlternativesSelection(const AlternativesSelectionForm& form) {
  if (std::optional<FieldMessage> m = CheckHiGroup(form.hi)) return m;
  if (form.selected.empty()) return FieldMessage{"Please select an alternative.", "list"};
  // The consumers rely on the maximum, so OK refuses what the selection warning only warned about.
  if (static_cast<int>(form.selected.size()) > form.maximum)
    return FieldMessage{TooManyAlternativesMessage(form.maximum), "list"};
  for (int position : form.selected)
    if (position < 0 || position >= static_cast<int>(form.entries.size()))
      return FieldMessage{"Please select an alternative.", "list"};
  return std::nullopt;
}

std::optional<AlternativesChoice> SelectAlternatives(AppState& app, Ui& ui, int maximum) {
  AlternativesSelectionForm form = MakeAlternativesSelectionForm(app, maximum);
  if (form.entries.empty()) {
    ui.Message("There are no non-baseline data sets for which HI values have been computed.");
    return std::nullopt;
  }
  if (!EditForm<AlternativesSelectionForm>(ui, form, CheckAlternativesSelection)) return std::nullopt;
  AlternativesChoice choice;
  choice.baseline = app.baseline - 1;
  std::vector<int> positions = form.selected;
  std::sort(positions.begin(), positions.end());
  for (int position : positions) choice.alternatives.push_back(form.targets[position]);
  choice.selection = SelectionOf(form.hi);
  Remember(app, form.hi);
  return choice;
}

}  // namespace zelvo
