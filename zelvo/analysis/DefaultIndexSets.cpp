#include "zelvo/analysis/DefaultIndexSets.h"

#include <string_view>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "zelvo/session/AppState.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo {
namespace {

using Row = std::array<const char*, 4>;
using Table = std::array<Row, kFlowComponents>;

// Candidates of the four stream classes, with the marks as they stand beside the radio buttons
// ([R] percentile range, [RM] range and median option). nullptr: position not offered.
constexpr std::array<Table, 4> kLabels{{
    {{
        // Low Volume Stable
        {"MA2 [R]", "MA34 [RM]", "MA43", "MA20 [RM]"},
        {"ML6 [RM]", "ML17 [RM]", "ML13", "ML20"},
        {"MH1 [RM]", "MH4 [RM]", "MH18", "MH9 [RM]"},
        {"FL3 [RM]", "FL1 [RM]", nullptr, nullptr},
        {"FH2", "FH7 [RM]", "FH1 [RM]", "FH9 [RM]"},
        {"DL5 [RM]", "DL1 [RM]", "DL16 [R]", "DL3 [RM]"},
        {"DH5 [RM]", "DH14", "DH24 [RM]", "DH1 [RM]"},
        {"TL3", "TL1", "TL2", nullptr},
        {"TH3", "TH1", nullptr, nullptr},
        {"RA5", "RA2", "RA9", "RA3 [RM]"},
    }},
    {{
        // High Volume Stable
        {"MA3 [RM]", "MA38", "MA9", "MA16 [RM]"},
        {"ML3 [RM]", "ML9 [RM]", "ML15 [RM]", "ML13"},
        {"MH15", "MH22 [R]", "MH16", "MH4 [RM]"},
        {"FL1 [RM]", "FL3 [RM]", nullptr, nullptr},
        {"FH7 [RM]", "FH4 [RM]", "FH10 [RM]", nullptr},
        {"DL13 [R]", "DL4 [RM]", "DL17", "DL10"},
        {"DH11 [R]", "DH14", "DH22 [RM]", "DH4 [RM]"},
        {"TL2", "TL3", "TL4", nullptr},
        {"TH1", "TH2", "TH3", nullptr},
        {"RA8 [RM]", "RA3 [RM]", "RA5", "RA7 [R]"},
    }},
    {{
        // High Volume Flashy
        {"MA4", "MA13 [RM]", "MA16 [RM]", "MA22 [RM]"},
        {"ML20", "ML3 [RM]", "ML22 [RM]", "ML7 [RM]"},
        {"MH22 [R]", "MH10 [RM]", "MH5 [RM]", "MH12 [RM]"},
        {"FL3 [RM]", "FL2", "FL1 [RM]", nullptr},
        {"FH4 [RM]", "FH1 [RM]", "FH2", "FH7 [RM]"},
        {"DL9", "DL16 [R]", "DL11 [R]", "DL17"},
        {"DH13 [R]", "DH15 [R]", "DH4 [R]", "DH3 [R]"},
        {"TL4", "TL2", nullptr, nullptr},
        {"TH3", "TH1", "TH2", nullptr},
        {"RA6 [R]", "RA4", "RA3 [RM]", nullptr},
    }},
    {{
        // Low Volume Flashy
        {"MA1 [R]", "MA39", "MA35 [RM]", "MA19 [RM]"},
        {"ML1 [RM]", "ML17 [RM]", "ML14 [R]", "ML20"},
        {"MH6 [RM]", "MH20 [RM]", "MH13", "MH8 [RM]"},
        {"FL2", "FL1 [RM]", "FL3 [RM]", nullptr},
        {"FH10 [RM]", "FH1 [RM]", "FH7 [RM]", "FH9 [RM]"},
        {"DL5 [RM]", "DL16 [R]", "DL3 [RM]", nullptr},
        {"DH5 [RM]", "DH14", "DH8", "DH20 [RM]"},
        {"TL2", "TL4", nullptr, nullptr},
        {"TH1", "TH2", nullptr, nullptr},
        {"RA3 [RM]", "RA8 [RM]", "RA2", "RA7 [R]"},
    }},
}};

constexpr std::array<const char*, kFlowComponents> kGroupCaptions{
    "Magnitude of flow events:",     "Magnitude of flow events:", "Magnitude of flow events:",
    "Frequency of flow events:",     "Frequency of flow events:", "Duration of flow events:",
    "Duration of flow events:",      "Timing of flow events:",    "Timing of flow events:",
    "Rate of change in flow events:"};
constexpr std::array<const char*, kFlowComponents> kRowCaptions{
    "Average flow conditions:", "Low flow conditions:",
    "High flow conditions:",    "Low flow conditions:",
    "High flow conditions:",    "Low flow conditions:",
    "High flow conditions:",    "Low flow conditions:",
    "High flow conditions:",    ""};

bool ValidCell(int group, int component, int position) {
  return group >= 1 && group <= kIndexGroups && component >= 0 && component < kFlowComponents &&
         position >= 0 && position < kCandidatePositions;
}

// Index number of a label: the name before the marks.
int NumberOfLabel(const char* label) {
  std::string_view text(label);
  return IndexNumber(text.substr(0, text.find(' ')));
}

}  // namespace

const char* ComponentGroupCaption(int component) {
  return component >= 0 && component < kFlowComponents ? kGroupCaptions[component] : "";
}
const char* ComponentRowCaption(int component) {
  return component >= 0 && component < kFlowComponents ? kRowCaptions[component] : "";
}

const char* IndexGroupName(int group) {
  static constexpr const char* kNames[kIndexGroups] = {"Low Volume Stable",
                                                       "High Volume Stable",
                                                       "High Volume Flashy",
                                                       "Low Volume Flashy",
                                                       "Runoff",
                                                       "Perennial/Groundwater Influenced",
                                                       "Stable Groundwater",
                                                       "Superstable Groundwater"};
  return group >= 1 && group <= kIndexGroups ? kNames[group - 1] : "";
}

int CandidateCount(int group, int component) {
  if (group < 1 || group > kIndexGroups || component < 0 || component >= kFlowComponents) return 0;
  if (group > 4) return kCandidatePositions;
  int n = 0;
  for (const char* label : kLabels[group - 1][component])
    if (label != nullptr) ++n;
  return n;
}

const char* CandidateLabel(int group, int component, int position) {
  if (!ValidCell(group, component, position) || group > 4 || position >= 4) return "";
  const char* label = kLabels[group - 1][component][position];
  return label != nullptr ? label : "";
}

int CandidateIndex(int group, int component, int position) {
  if (!ValidCell(group, component, position) || group > 4) return 0;
  const int last = CandidateCount(group, component) - 1;
  return NumberOfLabel(kLabels[group - 1][component][position < last ? position : last]);
}

IndexSet DefaultIndexSetOf(const Preferences& preferences, int group) {
  IndexSet set{};
  if (group < 1 || group > kIndexGroups) return set;
  for (int c = 0; c < kFlowComponents; ++c) {
    int choice = preferences.indexChoice[group - 1][c];
    if (choice < 0 || choice >= kCandidatePositions) choice = 0;
    set[c] = CandidateIndex(group, c, choice);
  }
  return set;
}

void RecomputeDefaultIndexSets(AppState& app) {
  for (int g = 1; g <= kIndexGroups; ++g) app.defaultIndexSets[g - 1] = DefaultIndexSetOf(app.preferences, g);
}

IndexSetForm MakeIndexSetForm(const Preferences& preferences, int group) {
  IndexSetForm form;
  form.group = group;
  const bool builtIn = group >= 1 && group <= 4;
  form.caption = builtIn ? IndexGroupName(group) : "";
  for (int c = 0; c < kFlowComponents; ++c) {
    const int offered = CandidateCount(group, c);
    for (int p = 0; p < kCandidatePositions; ++p) {
      form.labels[c][p] = CandidateLabel(group, c, p);
      form.visible[c][p] = builtIn ? p < offered : true;
      if (builtIn && p < offered) form.tips[c][p] = IndexToolTip(CandidateIndex(group, c, p));
    }
    const int choice = group >= 1 && group <= kIndexGroups ? preferences.indexChoice[group - 1][c] : 0;
    form.choice[c] = choice >= 0 && choice < kCandidatePositions ? choice : 0;
  }
  return form;
}

void EditDefaultStreamClass(AppState& app, Ui& ui) {
  StreamClassForm form;
  form.streamClass = app.preferences.defaultStreamClass;
  if (!ui.Edit(form)) return;
  if (form.streamClass < 0 || form.streamClass > 3) return;
  app.preferences.defaultStreamClass = form.streamClass;
  app.preferencesChanged = true;
}

void EditDefaultIndexSet(AppState& app, Ui& ui, int group) {
  if (group < 1 || group > kIndexGroups) return;
  IndexSetForm form = MakeIndexSetForm(app.preferences, group);
  auto check = [](IndexSetForm& f) -> std::optional<FieldMessage> {
    for (int c = 0; c < kFlowComponents; ++c)
      if (f.choice[c] < 0 || f.choice[c] >= kCandidatePositions || !f.visible[c][f.choice[c]])
        return FieldMessage{"Please choose one of the offered indices for every flow component.", ""};
    return std::nullopt;
  };
  if (!EditForm<IndexSetForm>(ui, form, check)) return;
  for (int c = 0; c < kFlowComponents; ++c) app.preferences.indexChoice[group - 1][c] = form.choice[c];
  app.defaultIndexSets[group - 1] = DefaultIndexSetOf(app.preferences, group);
  app.preferencesChanged = true;
}

void EditMedianOption(AppState& app, Ui& ui) {
  MedianOptionForm form;
  form.useMedian = app.preferences.medianOption;
  if (!ui.Edit(form)) return;
  app.preferences.medianOption = form.useMedian;
  app.preferencesChanged = true;
}

}  // namespace zelvo
