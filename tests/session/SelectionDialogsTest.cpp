#include <gtest/gtest.h>

#include "common/engine/HiOutputFile.h"
#include "common/engine/IndexCatalogue.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"

namespace zelvo {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

// A project of data sets "D1".."Dn"; `computed` lists the numbers with a results file, whose
// first line ends in the median mark.
struct SelectionSession : ::testing::Test {
  TempFolder temp;
  AppState app;
  void SetUp() override {
    StartApplication(app, temp.Path());
    app.projectName = "P";
    app.projectFolder = temp.Path();
  }
  void DataSets(int n) {
    for (int i = 1; i <= n; ++i) {
      DataSetEntry e;
      e.title = "D" + std::to_string(i);
      e.fileName = DataSetFileName(i);
      app.dataSets.push_back(e);
    }
  }
  void Computed(int number, bool median = false) {
    testing::WriteWholeFile(temp.Path() / HiOutputFileName(number),
                            std::string("D,") + (median ? "1" : "0") + "\r\n");
  }
  void Profile(const std::string& title, std::vector<int> periods) {
    ProfileEntry p;
    p.title = title;
    p.periodCount = static_cast<int>(periods.size());
    for (std::size_t k = 0; k < periods.size(); ++k) p.periodDataSets[k] = periods[k];
    app.profiles.push_back(p);
  }
};

TEST_F(SelectionSession, ComputeListsMarkComputedDataSets) {
  DataSets(3);
  Computed(2);
  Computed(3, true);
  const DataSetSelectionForm f = MakeDataSetSelectionForm(app, kSelectToCompute);
  EXPECT_EQ(f.caption, "Select a dataset for computing hydrologic indices.");
  EXPECT_EQ(f.entries, (std::vector<std::string>{"D1", "D2 (C)", "D3 (MC)"}));
  EXPECT_TRUE(f.showMarkNotes);
  EXPECT_FALSE(f.hi.shown);
  Profile("Dam", {3});
  Profile("Raw", {1});
  const DataSetSelectionForm p = MakeDataSetSelectionForm(app, kSelectProfileToCompute);
  EXPECT_EQ(p.entries, (std::vector<std::string>{"Dam (MC)", "Raw"}));
  EXPECT_FALSE(MakeDataSetSelectionForm(app, kSelectToCopy).showMarkNotes);
  EXPECT_EQ(MakeDataSetSelectionForm(app, kSelectToCopy).entries,
            (std::vector<std::string>{"D1", "D2", "D3"}));
}

TEST_F(SelectionSession, FilteredListsReturnWhatTheChosenEntryStandsFor) {
  DataSets(4);
  Computed(2);
  Computed(3);
  Computed(4);
  Profile("First lacks values", {1, 2});
  Profile("Shown", {3, 4});
  ScriptedUi ui;
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
      EXPECT_EQ(f.entries, std::vector<std::string>{"Shown"});
      EXPECT_TRUE(f.hi.shown);
      f.chosen = 0;
    }).Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
    EXPECT_EQ(f.entries, (std::vector<std::string>{"D2", "D3", "D4"}));
    f.chosen = 1;
  });
  const std::optional<DataSetChoice> profile = SelectDataSet(app, ui, kSelectProfileToDisplay);
  ASSERT_TRUE(profile.has_value());
  EXPECT_EQ(profile->index, 1);
  EXPECT_TRUE(profile->selection.useDefaults);
  EXPECT_EQ(profile->selection.count, 10);
  const std::optional<DataSetChoice> data = SelectDataSet(app, ui, kSelectToExportHiValues);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->index, 2);
}

TEST_F(SelectionSession, EmptyFilteredListsSayWhyAndEndAsCancelled) {
  DataSets(2);
  Profile("P", {1, 2});
  ScriptedUi ui;
  EXPECT_FALSE(SelectDataSet(app, ui, kSelectBaseline).has_value());
  EXPECT_FALSE(SelectDataSet(app, ui, kSelectToExportHiValues).has_value());
  EXPECT_FALSE(SelectDataSet(app, ui, kSelectProfileToDisplay).has_value());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"There are no data sets for which HI values have been computed.",
                                      "There are no data sets for which HI values have been computed.",
                                      "There are no time period profiles for which HI values have been "
                                      "computed."}));
  EXPECT_TRUE(ui.forms.empty());
}

TEST_F(SelectionSession, BaselinePeriodModeListsThePeriodsOfTheShownProfile) {
  DataSets(5);
  Profile("A", {1});
  Profile("B", {4, 5});
  const DataSetSelectionForm f = MakeDataSetSelectionForm(app, kSelectBaselinePeriod, 1);
  EXPECT_EQ(f.entries, (std::vector<std::string>{"D4", "D5"}));
  EXPECT_EQ(f.targets, (std::vector<int>{0, 1}));
}

TEST(HiSelectionGroup, MonthlyGroupsClearAndUserChanges) {
  HiSelectionGroup g;
  g.shown = true;
  g.ManuallySelect();
  EXPECT_TRUE(g.ManualControlsVisible());
  g.ChooseMonthlyGroup(2);  // MA24-35
  ASSERT_EQ(g.selected.size(), 12u);
  EXPECT_EQ(g.selected.front(), MA(24));
  EXPECT_EQ(g.selected.back(), MA(35));
  std::vector<int> clicked = g.selected;
  clicked.push_back(ML(3));
  g.UserChangedSelection(clicked);
  EXPECT_EQ(g.monthlyGroup, 0);
  EXPECT_EQ(g.selected.size(), 13u);
  EXPECT_EQ(g.selected.back(), ML(3));
  g.ChooseMonthlyGroup(4);
  EXPECT_EQ(g.selected.front(), MH(1));
  EXPECT_EQ(g.selected.back(), MH(12));
  g.Clear();
  EXPECT_TRUE(g.selected.empty());
  EXPECT_EQ(g.monthlyGroup, 0);
  g.ChooseMonthlyGroup(3);
  EXPECT_EQ(g.selected.front(), ML(1));
  g.ChooseMonthlyGroup(0);  // "Not selected" clears as "Clear" does
  EXPECT_TRUE(g.selected.empty());
  g.ChooseMonthlyGroup(1);
  EXPECT_EQ(g.selected.front(), MA(12));
  g.UseDefaults();
  EXPECT_FALSE(g.ManualControlsVisible());
}

TEST_F(SelectionSession, ThirteenIndicesKeepTheDialogOpenAndTheChoiceIsRemembered) {
  DataSets(1);
  Computed(1);
  Profile("P", {1});
  ScriptedUi ui;
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
      EXPECT_TRUE(f.hi.selected.empty());
      f.hi.ManuallySelect();
      f.hi.ChooseMonthlyGroup(1);
      std::vector<int> s = f.hi.selected;
      s.push_back(RA(1));
      f.hi.UserChangedSelection(s);
    }).Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
    f.hi.ChooseMonthlyGroup(3);  // ML1-12
  });
  const std::optional<DataSetChoice> c = SelectDataSet(app, ui, kSelectProfileToDisplay);
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"The number of indices selected exceeds the maximum of 12."});
  ASSERT_TRUE(c.has_value());
  EXPECT_FALSE(c->selection.useDefaults);
  EXPECT_EQ(c->selection.count, 12);
  ASSERT_EQ(c->selection.indices.size(), 12u);
  EXPECT_EQ(c->selection.indices.front(), ML(1));
  EXPECT_EQ(app.rememberedMonthlyGroup, 3);
  EXPECT_EQ(app.rememberedIndices[11], ML(12));
  EXPECT_EQ(SelectedIndexNumbers(c->selection, app, 2), c->selection.indices);

  // The next dialog opens with the remembered choice selected and "Use Defaults" on.
  const AlternativesSelectionForm alt = MakeAlternativesSelectionForm(app, 4);
  EXPECT_FALSE(alt.hi.manual);
  EXPECT_EQ(alt.hi.monthlyGroup, 3);
  EXPECT_EQ(alt.hi.selected, c->selection.indices);

  // A dialog without the group empties the remembered choice.
  ScriptedUi other;
  other.Fill<DataSetSelectionForm>();
  ASSERT_TRUE(SelectDataSet(app, other, kSelectToCopy).has_value());
  EXPECT_EQ(app.rememberedIndices[0], kEmptyIndexSlot);
  EXPECT_TRUE(MakeDataSetSelectionForm(app, kSelectProfileToDisplay).hi.selected.empty());
}

TEST_F(SelectionSession, ManualChoiceOfNothingIsAnEmptySelection) {
  DataSets(1);
  Computed(1);
  Profile("P", {1});
  ScriptedUi ui;
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.hi.ManuallySelect(); });
  const std::optional<DataSetChoice> c = SelectDataSet(app, ui, kSelectProfileToDisplay);
  ASSERT_TRUE(c.has_value());
  EXPECT_FALSE(c->selection.useDefaults);
  EXPECT_EQ(c->selection.count, 0);
}

TEST_F(SelectionSession, DefaultSelectionStandsForTheClassDefaultSet) {
  IndexSelection defaults;
  EXPECT_EQ(SelectedIndexNumbers(defaults, app, 3).front(), MA(1));
  EXPECT_EQ(SelectedIndexNumbers(defaults, app, 0).front(), MA(2));
  EXPECT_EQ(SelectedIndexNumbers(defaults, app, 0).size(), 10u);
}

TEST_F(SelectionSession, OnlyTheBaselineComputedMeansNoAlternatives) {
  DataSets(3);
  Computed(2);
  app.baseline = 2;
  ScriptedUi ui;
  EXPECT_FALSE(SelectAlternatives(app, ui, 4).has_value());
  EXPECT_EQ(ui.messages, std::vector<std::string>{
                             "There are no non-baseline data sets for which HI values have been computed."});
}

TEST_F(SelectionSession, AlternativesAreCheckedAgainstTheMaximumAndReturnedAfterTheBaseline) {
  DataSets(7);
  for (int n = 1; n <= 7; ++n) Computed(n);
  app.baseline = 3;
  ScriptedUi ui;
  std::vector<std::string> warnings;
  ui.Fill<AlternativesSelectionForm>([&](AlternativesSelectionForm& f) {
      EXPECT_EQ(f.caption, "Select up to 4 alternative data sets");
      EXPECT_EQ(f.entries, (std::vector<std::string>{"D1", "D2", "D4", "D5", "D6", "D7"}));
      EXPECT_TRUE(f.selected.empty());
      for (int k = 0; k < 4; ++k) EXPECT_FALSE(f.UserChangedAlternatives({0, 1, 2, 3}).has_value());
      if (auto m = f.UserChangedAlternatives({0, 1, 2, 3, 4})) warnings.push_back(*m);
    })
      .Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) { f.UserChangedAlternatives({}); })
      .Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) {
        f.UserChangedAlternatives({4, 2});
      });
  const std::optional<AlternativesChoice> c = SelectAlternatives(app, ui, 4);
  EXPECT_EQ(warnings,
            std::vector<std::string>{
                "The maximum number of alternatives that can be selected is 4.  Please unselect one."});
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "The maximum number of alternatives that can be selected is 4.  Please unselect "
                             "one.",
                             "Please select an alternative."}));
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->baseline, 2);
  EXPECT_EQ(c->alternatives, (std::vector<int>{3, 5}));  // D4 and D6, in list order
  EXPECT_TRUE(c->selection.useDefaults);
  EXPECT_EQ(MakeAlternativesSelectionForm(app, 1).caption, "Select an alternative for comparison.");
}

}  // namespace
}  // namespace zelvo
