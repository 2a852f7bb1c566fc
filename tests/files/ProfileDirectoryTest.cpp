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
  std::vector<ProfileEntry> back;
  ASSERT_TRUE(DecodeProfileDirectory(b, back).Ok());
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].periodDataSets[2], 6);
  EXPECT_EQ(back[1].title, "B");
}

TEST(ProfileDirectory, FiftyWholeProfilesAreReadAndFiftyOneAreRefused) {
  std::vector<ProfileEntry> fifty;
  for (int n = 1; n <= kMaxProfiles; ++n) fifty.push_back(Profile("Profile " + std::to_string(n), {n}));
  const Bytes full = EncodeProfileDirectory(fifty);
  ASSERT_EQ(full.size(), 4 + 50 * kProfileEntrySize);
  std::vector<ProfileEntry> back;
  const Status read = DecodeProfileDirectory(full, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_EQ(back.size(), 50u);
  EXPECT_EQ(back[49].title, "Profile 50");
  EXPECT_EQ(back[49].periodDataSets[0], 50);
  fifty.push_back(Profile("Profile 51", {1}));
  EXPECT_EQ(DecodeProfileDirectory(EncodeProfileDirectory(fifty), back).Message(),
            "The time period profile list (ip_directory) is damaged:  its count is not between 0 and 50.");
  EXPECT_EQ(back.size(), 50u);
}

TEST(ProfileDirectory, DamagedFilesAreReportedNotRead) {
  Bytes b = EncodeProfileDirectory({Profile("A", {1, 2})});
  std::vector<ProfileEntry> profiles{Profile("Kept", {3})};
  Bytes badCount = b;
  badCount[0] = 51;
  const Status count = DecodeProfileDirectory(badCount, profiles);
  EXPECT_FALSE(count.Ok());
  EXPECT_NE(count.Message().find("ip_directory"), std::string::npos);
  Bytes badPeriods = b;
  badPeriods[4 + 44] = 6;
  EXPECT_EQ(DecodeProfileDirectory(badPeriods, profiles).Message(),
            "The time period profile list (ip_directory) is damaged:  a profile has a period count outside 1 "
            "to 5.");
  Bytes badNumber = b;
  badNumber[4 + 48] = 0;
  EXPECT_FALSE(DecodeProfileDirectory(badNumber, profiles).Ok());
  Bytes cut = b;
  cut.resize(40);
  EXPECT_FALSE(DecodeProfileDirectory(cut, profiles).Ok());
  ASSERT_EQ(profiles.size(), 1u);  // left as they were
  EXPECT_EQ(profiles[0].title, "Kept");
}

TEST(ProfileDirectory, ProfilesHoldOnlyTheirOwnConsecutiveDataSets) {
  const std::string prefix = "The time period profile list (ip_directory) is damaged:  ";
  std::vector<ProfileEntry> profiles{Profile("Kept", {1})};
  const std::pair<std::vector<ProfileEntry>, std::string> cases[] = {
      {{Profile("Gap", {2, 4})}, "the periods of a profile are not consecutive data sets."},
      {{Profile("Backwards", {5, 4})}, "the periods of a profile are not consecutive data sets."},
      {{Profile("Twice", {3, 3})}, "the periods of a profile are not consecutive data sets."},
      {{Profile("A", {1, 2, 3}), Profile("B", {3, 4})}, "two profiles share a data set."},
      {{Profile("A", {4, 5}), Profile("B", {2, 3, 4})}, "two profiles share a data set."},
      {{Profile("A", {4}), Profile("B", {4})}, "two profiles share a data set."}};
  for (const auto& [list, why] : cases) {
    EXPECT_EQ(DecodeProfileDirectory(EncodeProfileDirectory(list), profiles).Message(), prefix + why)
        << list[0].title;
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(profiles[0].title, "Kept");
  }
  const std::vector<ProfileEntry> sound{Profile("A", {1, 2, 3}), Profile("B", {6, 7}), Profile("C", {4})};
  ASSERT_TRUE(DecodeProfileDirectory(EncodeProfileDirectory(sound), profiles).Ok());
  EXPECT_TRUE(CheckProfileDataSets(profiles, 7).Ok());
  EXPECT_EQ(CheckProfileDataSets(profiles, 6).Message(),
            prefix + "the profile B names a data set that the project does not hold.");
  EXPECT_FALSE(CheckProfileDataSets(profiles, 0).Ok());
}

TEST(ProfileDirectory, WritingNoProfileRemovesTheFileAndDeletionLowersLaterPeriods) {
  testing::TempFolder t;
  ASSERT_TRUE(WriteProfileDirectory(t.Path(), {Profile("A", {1})}));
  std::vector<ProfileEntry> back;
  ASSERT_TRUE(ReadProfileDirectory(t.Path(), back).Ok());
  EXPECT_EQ(back.size(), 1u);
  ASSERT_TRUE(WriteProfileDirectory(t.Path(), {}));
  EXPECT_FALSE(fs::exists(t.Path() / "ip_directory"));
  ASSERT_TRUE(ReadProfileDirectory(t.Path(), back).Ok());
  EXPECT_TRUE(back.empty());
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
