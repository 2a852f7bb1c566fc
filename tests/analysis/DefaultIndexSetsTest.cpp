#include <gtest/gtest.h>

#include "common/engine/IndexCatalogue.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/files/PreferencesFile.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo {
namespace {

using testing::ScriptedUi;
using testing::TempFolder;

IndexSet Names(std::initializer_list<const char*> names) {
  IndexSet set{};
  int i = 0;
  for (const char* n : names) set[i++] = IndexNumber(n);
  return set;
}

TEST(DefaultIndexSets, BuiltInChoicesGiveTheFirstCandidateOfEveryComponent) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  EXPECT_EQ(app.defaultIndexSets[0],
            Names({"MA2", "ML6", "MH1", "FL3", "FH2", "DL5", "DH5", "TL3", "TH3", "RA5"}));
  EXPECT_EQ(app.defaultIndexSets[1],
            Names({"MA3", "ML3", "MH15", "FL1", "FH7", "DL13", "DH11", "TL2", "TH1", "RA8"}));
  EXPECT_EQ(app.defaultIndexSets[2],
            Names({"MA4", "ML20", "MH22", "FL3", "FH4", "DL9", "DH13", "TL4", "TH3", "RA6"}));
  EXPECT_EQ(app.defaultIndexSets[3],
            Names({"MA1", "ML1", "MH6", "FL2", "FH10", "DL5", "DH5", "TL2", "TH1", "RA3"}));
  for (int g = 4; g < 8; ++g) EXPECT_EQ(app.defaultIndexSets[g], IndexSet{});
}

TEST(DefaultIndexSets, LabelsKeepTheirMarksAndPositionsBeyondTheLastRepeatIt) {
  EXPECT_STREQ(CandidateLabel(1, 0, 3), "MA20 [RM]");
  EXPECT_STREQ(CandidateLabel(2, 2, 1), "MH22 [R]");
  EXPECT_STREQ(CandidateLabel(3, 6, 2), "DH4 [R]");  // [R] here, [RM] in group 2
  EXPECT_STREQ(CandidateLabel(2, 6, 3), "DH4 [RM]");
  EXPECT_STREQ(CandidateLabel(4, 9, 3), "RA7 [R]");
  EXPECT_STREQ(CandidateLabel(1, 3, 2), "");
  EXPECT_STREQ(CandidateLabel(5, 0, 0), "");
  EXPECT_EQ(CandidateIndex(1, 0, 3), MA(20));
  EXPECT_EQ(CandidateIndex(1, 3, 4), FL(1));  // component offers FL3, FL1 only
  EXPECT_EQ(CandidateIndex(1, 3, 2), FL(1));
  EXPECT_EQ(CandidateIndex(4, 9, 4), RA(7));
  EXPECT_EQ(CandidateIndex(6, 2, 3), 0);
  EXPECT_EQ(CandidateCount(1, 3), 2);
  EXPECT_EQ(CandidateCount(2, 4), 3);
}

TEST(DefaultIndexSets, IndexSetDialogHidesPositionsNotOffered) {
  const IndexSetForm form = MakeIndexSetForm(DefaultPreferences(), 1);
  EXPECT_EQ(form.caption, "Low Volume Stable");
  EXPECT_EQ(form.visible[3], (std::array<bool, 5>{true, true, false, false, false}));
  EXPECT_EQ(form.visible[0], (std::array<bool, 5>{true, true, true, true, false}));
  EXPECT_EQ(form.labels[9][3], "RA3 [RM]");
  const IndexSetForm other = MakeIndexSetForm(DefaultPreferences(), 7);
  EXPECT_EQ(other.caption, "");
  EXPECT_EQ(other.visible[3], (std::array<bool, 5>{true, true, true, true, true}));
  EXPECT_EQ(other.labels[0][0], "");
}

TEST(DefaultIndexSets, ChoiceSavedAtTheEndIsStillThereAfterARestart) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  ScriptedUi ui;
  ui.Fill<IndexSetForm>([](IndexSetForm& f) { f.choice[0] = 3; }).Answer(Answer::Yes);
  EditDefaultIndexSet(app, ui, 1);
  EXPECT_EQ(app.defaultIndexSets[0][0], 19);  // MA20
  EXPECT_TRUE(app.preferencesChanged);
  EXPECT_TRUE(ConfirmEnd(app, ui));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Save new preferences?"});
  EXPECT_EQ(std::filesystem::file_size(t.Path() / "pref.dat"), 588u);

  AppState again;
  StartApplication(again, t.Path());
  EXPECT_EQ(again.preferences.indexChoice[0][0], 3);
  EXPECT_EQ(again.defaultIndexSets[0][0], 19);
  EXPECT_FALSE(again.preferencesChanged);
  EXPECT_TRUE(ui.Finished());
}

TEST(DefaultIndexSets, CancelChangesNothingAndAsksNothingAtTheEnd) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  ScriptedUi ui;
  ui.Cancel<IndexSetForm>([](IndexSetForm& f) { f.choice = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}; })
      .Cancel<StreamClassForm>([](StreamClassForm& f) { f.streamClass = 2; })
      .Cancel<MedianOptionForm>([](MedianOptionForm& f) { f.useMedian = true; });
  EditDefaultIndexSet(app, ui, 2);
  EditDefaultStreamClass(app, ui);
  EditMedianOption(app, ui);
  EXPECT_EQ(app.defaultIndexSets[1][0], MA(3));
  EXPECT_EQ(app.preferences.defaultStreamClass, 0);
  EXPECT_FALSE(app.preferences.medianOption);
  EXPECT_TRUE(ConfirmEnd(app, ui));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(t.Path() / "pref.dat"));
}

TEST(DefaultIndexSets, ModifyIndicesOkWithoutChangeStillAsksAndCancelKeepsRunning) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  ScriptedUi ui;
  ui.Fill<MedianOptionForm>().Answer(Answer::Cancel).Answer(Answer::No);
  EditMedianOption(app, ui);
  EXPECT_TRUE(app.preferencesChanged);
  EXPECT_FALSE(ConfirmEnd(app, ui));
  EXPECT_TRUE(ConfirmEnd(app, ui));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(t.Path() / "pref.dat"));
}

TEST(DefaultIndexSets, DefaultStreamClassAndMedianOptionAreStored) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  ScriptedUi ui;
  ui.Fill<StreamClassForm>([](StreamClassForm& f) {
      EXPECT_EQ(f.streamClass, 0);
      f.streamClass = 3;
    })
      .Fill<MedianOptionForm>([](MedianOptionForm& f) { f.useMedian = true; })
      .Answer(Answer::Yes);
  EditDefaultStreamClass(app, ui);
  EditMedianOption(app, ui);
  ASSERT_TRUE(ConfirmEnd(app, ui));
  AppState again;
  StartApplication(again, t.Path());
  EXPECT_EQ(again.preferences.defaultStreamClass, 3);
  EXPECT_TRUE(again.preferences.medianOption);
}

TEST(DefaultIndexSets, StartUpWithoutFilesHasDefaultsAndCreatesTheProjectRoot) {
  TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  EXPECT_TRUE(app.projects.empty());
  EXPECT_TRUE(std::filesystem::is_directory(t.Path() / "zelvoproj"));
  EXPECT_EQ(app.projectRoot, t.Path() / "zelvoproj");
  EXPECT_EQ(app.caption, "MORVIK (1.10)");
  EXPECT_FALSE(app.ProjectOpen());
  EXPECT_EQ(app.preferences.curveColours[0].red, 255);
  testing::WriteWholeFile(t.Path() / "pref.dat", "short");
  StartApplication(app, t.Path());
  EXPECT_EQ(app.preferences.curveColours[19].red, 165);
}

}  // namespace
}  // namespace zelvo
