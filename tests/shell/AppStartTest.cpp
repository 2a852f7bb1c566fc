#include <gtest/gtest.h>

#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/PreferencesFile.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteWholeFile;

std::string AsText(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string HundredAndOneProjects() {
  std::vector<ProjectEntry> projects;
  for (int n = 1; n <= 101; ++n) projects.push_back({"P" + std::to_string(n), "", "P" + std::to_string(n)});
  return AsText(EncodeProjectsList(projects));
}

TEST(StartUp, ADamagedProjectListIsReportedAndKeptBeforeAnythingRewritesIt) {
  TempFolder start;
  const std::string damaged = HundredAndOneProjects();
  WriteWholeFile(start / "projects", damaged);
  AppState app;
  const std::vector<std::string> notes = StartApplication(app, start.Path());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0],
            "The project list (projects) is damaged:  its count is not between 0 and 100.\n\nIt has "
            "been kept as " +
                (start / "projects.damaged").string() +
                ".  ZELVO starts with an empty project list; the project folders are kept.");
  EXPECT_TRUE(app.projects.empty());
  EXPECT_EQ(ReadWholeFile(start / "projects.damaged"), damaged);

  // The next New Project rewrites the list; the hundred and one projects are still in the copy.
  ScriptedUi ui;
  ui.Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = "Fresh"; });
  NewProject(app, ui);
  EXPECT_EQ(testing::StoredProjects(start.Path()).size(), 1u);
  EXPECT_EQ(ReadWholeFile(start / "projects.damaged"), damaged);

  // A later, different damage never overwrites the earlier copy; the same damage is kept once.
  const std::string random = "\x93\x11\xfe\x7f random bytes";
  WriteWholeFile(start / "projects", random);
  EXPECT_EQ(StartApplication(app, start.Path()).size(), 1u);
  EXPECT_EQ(StartApplication(app, start.Path()).size(), 1u);
  EXPECT_EQ(ReadWholeFile(start / "projects.damaged"), damaged);
  EXPECT_EQ(ReadWholeFile(start / "projects.damaged.2"), random);
  EXPECT_FALSE(fs::exists(start / "projects.damaged.3"));
}

TEST(StartUp, ADamagedPreferencesFileIsKeptAndTheDefaultsAreUsed) {
  TempFolder start;
  Preferences stored = DefaultPreferences();
  stored.curveColours[0] = Rgb{1, 2, 3};
  std::string cut = AsText(EncodePreferences(stored)).substr(0, 500);
  WriteWholeFile(start / "pref.dat", cut);
  AppState app;
  const std::vector<std::string> notes = StartApplication(app, start.Path());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0],
            "The preferences file (pref.dat) is damaged:  it is 500 bytes long, not 588.\n\nIt has "
            "been kept as " +
                (start / "pref.dat.damaged").string() + ".  ZELVO starts with the built-in preferences.");
  EXPECT_EQ(app.preferences.curveColours[0].red, 255);
  EXPECT_EQ(ReadWholeFile(start / "pref.dat.damaged"), cut);
}

TEST(StartUp, SoundOrMissingFilesGiveNoNotes) {
  TempFolder start;
  AppState app;
  EXPECT_TRUE(StartApplication(app, start.Path()).empty());
  ASSERT_TRUE(WriteProjectsList(start.Path(), {{"A", "", "A"}}));
  ASSERT_TRUE(WritePreferencesFile(start.Path(), DefaultPreferences()));
  EXPECT_TRUE(StartApplication(app, start.Path()).empty());
  EXPECT_EQ(app.projects.size(), 1u);
  EXPECT_FALSE(fs::exists(start / "projects.damaged"));
  EXPECT_FALSE(fs::exists(start / "pref.dat.damaged"));
}

}  // namespace
}  // namespace zelvo
