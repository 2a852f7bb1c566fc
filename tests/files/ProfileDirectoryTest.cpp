#include <gtest/gtest.h>

#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

ProfileEntry Profile(const std::string& title, std::vector<int> periods) {
  ProfileEntry p;
  p.title = title;
  p.periodCount = static_cast<int>(periods.size());
  for (std::size_t k = 0; k < periods.size(); ++k) p.periodDataSets[k] = periods[k];
  return p;
}

TEST(ProfileDirectory, EntriesAre68BytesAndRoundTrip) {
  const Bytes b = EncodeProfileDirectory({Profile("Before and after", {4, 5, 6}), Profile("B", {1})});
  ASSERT_EQ(b.size(), 4u + 2 * 68u);
  EXPECT_EQ(GetInt32(&b[0]), 2);
  EXPECT_EQ(GetText(&b[4], 44), "Before and after");
  EXPECT_EQ(GetInt32(&b[4 + 44]), 3);
  EXPECT_EQ(GetInt32(&b[4 + 48]), 4);
  EXPECT_EQ(GetInt32(&b[4 + 56]), 6);
  EXPECT_EQ(GetInt32(&b[4 + 60]), 0);
  const auto back = DecodeProfileDirectory(b, nullptr);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ((*back)[0].periodDataSets[2], 6);
  EXPECT_EQ((*back)[1].title, "B");
}

TEST(ProfileDirectory, DamagedFilesAreReportedNotRead) {
  Bytes b = EncodeProfileDirectory({Profile("A", {1, 2})});
  std::string error;
  Bytes badCount = b;
  badCount[0] = 51;
  EXPECT_FALSE(DecodeProfileDirectory(badCount, &error).has_value());
  EXPECT_NE(error.find("ip_directory"), std::string::npos);
  Bytes badPeriods = b;
  badPeriods[4 + 44] = 6;
  EXPECT_FALSE(DecodeProfileDirectory(badPeriods, &error).has_value());
  Bytes badNumber = b;
  badNumber[4 + 48] = 0;
  EXPECT_FALSE(DecodeProfileDirectory(badNumber, &error).has_value());
  Bytes cut = b;
  cut.resize(40);
  EXPECT_FALSE(DecodeProfileDirectory(cut, &error).has_value());
}

TEST(ProfileDirectory, WritingNoProfileRemovesTheFileAndDeletionLowersLaterPeriods) {
  testing::TempFolder t;
  ASSERT_TRUE(WriteProfileDirectory(t.Path(), {Profile("A", {1})}));
  EXPECT_EQ(ReadProfileDirectory(t.Path())->size(), 1u);
  ASSERT_TRUE(WriteProfileDirectory(t.Path(), {}));
  EXPECT_FALSE(fs::exists(t.Path() / "ip_directory"));
  EXPECT_TRUE(ReadProfileDirectory(t.Path())->empty());
  std::vector<ProfileEntry> list{Profile("A", {1, 2}), Profile("B", {4, 5})};
  LowerPeriodNumbersAbove(list, 3);
  EXPECT_EQ(list[0].periodDataSets[1], 2);
  EXPECT_EQ(list[1].periodDataSets[0], 3);
  EXPECT_EQ(list[1].periodDataSets[1], 4);
}

TEST(ProfileDirectory, ProjectWithDamagedDirectoryDoesNotOpen) {
  testing::TempFolder t;
  AppState app;
  StartApplication(app, t.Path());
  fs::create_directory(t.Path() / "zelvoproj" / "Good");
  fs::create_directory(t.Path() / "zelvoproj" / "Bad");
  app.projects = {{"Good", "", "Good"}, {"Bad", "", "Bad"}};
  testing::WriteWholeFile(t.Path() / "zelvoproj" / "Bad" / "ip_directory",
                          std::string("\x07\x00\x00\x00", 4));
  testing::ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) { f.chosen = 1; });
  OpenProject(app, ui);
  OpenProject(app, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("ip_directory"), std::string::npos);
  EXPECT_EQ(app.projectName, "Good");
}

}  // namespace
}  // namespace zelvo
