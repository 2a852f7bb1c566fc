#include <gtest/gtest.h>

#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedUi;
using testing::TempFolder;

struct ProjectSession : ::testing::Test {
  TempFolder temp;
  AppState app;
  void SetUp() override { StartApplication(app, temp.Path()); }

  void Create(const std::string& name, const std::string& description = "") {
    ScriptedUi ui;
    ui.Fill<ProjectNameForm>([=](ProjectNameForm& f) {
      f.name = name;
      f.description = description;
    });
    NewProject(app, ui);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
  }
  void Open(int position) {
    ScriptedUi ui;
    ui.Fill<ProjectSelectionForm>([=](ProjectSelectionForm& f) { f.chosen = position; });
    OpenProject(app, ui);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
  }
  fs::path Root() const { return temp.Path() / "zelvoproj"; }
};

TEST_F(ProjectSession, NewProjectMakesItsFolderOpensItAndRewritesTheList) {
  Create("Upper Creek 2", "North fork gauge");
  EXPECT_TRUE(fs::is_directory(Root() / "Upper_Creek_2"));
  EXPECT_EQ(app.projectFolder, Root() / "Upper_Creek_2");
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  Upper Creek 2");
  EXPECT_EQ(app.projectDescription, "North fork gauge");
  const std::vector<ProjectEntry> stored = testing::StoredProjects(temp.Path());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].folder, "Upper_Creek_2");
  EXPECT_EQ(fs::file_size(temp.Path() / "projects"), 4u + 1107u);

  AppState restarted;
  StartApplication(restarted, temp.Path());
  EXPECT_EQ(restarted.projects.size(), 1u);
  EXPECT_FALSE(restarted.ProjectOpen());
}

TEST_F(ProjectSession, FolderInUseIsRefusedAndTheOpenProjectStaysAsItWas) {
  Create("First");
  fs::create_directory(Root() / "Taken_Name");
  ScriptedUi ui;
  ui.Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = "Taken Name"; });
  NewProject(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The folder name (Taken_Name) is already in use."});
  EXPECT_EQ(app.projects.size(), 1u);
  EXPECT_EQ(testing::StoredProjects(temp.Path()).size(), 1u);
  EXPECT_EQ(app.projectName, "First");
  EXPECT_EQ(app.projectFolder, Root() / "First");
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  First");
}

TEST_F(ProjectSession, HundredAndFirstProjectIsRefusedBeforeTheDialog) {
  for (int i = 0; i < 100; ++i)
    app.projects.push_back({"p" + std::to_string(i), "", "p" + std::to_string(i)});
  ScriptedUi ui;
  NewProject(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The maximum number of projects will exceed 100."});
  EXPECT_TRUE(ui.forms.empty());
}

TEST_F(ProjectSession, UnsafeNamesAreRefusedBeforeAnythingIsCreated) {
  ScriptedUi ui;
  ui.Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = "../outside"; })
      .Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = ".."; })
      .Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = std::string(41, 'n'); })
      .Fill<ProjectNameForm>([](ProjectNameForm& f) {
        f.name = "ok";
        f.description = std::string(1025, 'd');
      })
      .Cancel<ProjectNameForm>();
  NewProject(app, ui);
  EXPECT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.forms, std::vector<std::string>{"ProjectName"});  // one dialog, kept open
  EXPECT_FALSE(fs::exists(temp.Path() / "outside"));
  EXPECT_TRUE(fs::is_empty(Root()));
  EXPECT_TRUE(app.projects.empty());
  EXPECT_FALSE(fs::exists(temp.Path() / "projects"));
  EXPECT_TRUE(ui.Finished());
}

TEST_F(ProjectSession, OpenLoadsDataSetsProfilesAndBaseline) {
  Create("A");
  Create("B");
  DataSetEntry e;
  e.title = "Gauge";
  e.fileName = "dataset_1";
  DataSetEntry second = e;
  second.fileName = "dataset_2";
  testing::WriteWholeFile(Root() / "A" / "dataset_1", "1990 \r\n");
  testing::WriteWholeFile(Root() / "A" / "dataset_2", "1990 \r\n");
  ASSERT_TRUE(WriteDataSetDirectory(Root() / "A", {e, second}));
  ASSERT_TRUE(WriteBaseline(Root() / "A", 2));
  Open(0);
  EXPECT_EQ(app.projectName, "A");
  EXPECT_EQ(app.dataSets.size(), 2u);
  EXPECT_EQ(app.baseline, 2);
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  A");
  Open(1);
  EXPECT_TRUE(app.dataSets.empty());
  EXPECT_EQ(app.baseline, 0);
}

TEST_F(ProjectSession, OpenWithAMissingFolderKeepsTheOpenProject) {
  Create("A");
  Create("Gone");
  fs::remove(Root() / "Gone");
  Open(0);
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) {
    EXPECT_EQ(f.names, (std::vector<std::string>{"A", "Gone"}));
    f.chosen = 1;
  });
  OpenProject(app, ui);
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"Can not find the folder:\n\n" + (Root() / "Gone").string()});
  EXPECT_EQ(app.projectName, "A");
  EXPECT_EQ(app.projectFolder, Root() / "A");
}

TEST_F(ProjectSession, ADirectoryThatLeadsOutOfItsProjectIsNotOpened) {
  Create("Home");
  DataSetEntry own;
  own.title = "Own";
  own.fileName = "dataset_1";
  testing::WriteWholeFile(Root() / "Home" / "dataset_1", "1990 \r\n");
  ASSERT_TRUE(WriteDataSetDirectory(Root() / "Home", {own}));
  Create("Hostile");
  testing::WriteWholeFile(temp.Path() / "victim", "kept");
  Open(0);
  ASSERT_EQ(app.dataSets.size(), 1u);

  const auto tryOpenHostile = [&](const std::string& expected) {
    ScriptedUi ui;
    ui.Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) { f.chosen = 1; });
    OpenProject(app, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{expected});
    EXPECT_EQ(app.projectName, "Home");  // the earlier project stays open, whole
    EXPECT_EQ(app.projectFolder, Root() / "Home");
    ASSERT_EQ(app.dataSets.size(), 1u);
    EXPECT_EQ(app.dataSets[0].title, "Own");
    EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  Home");
  };
  DataSetEntry hostile = own;
  for (const char* name : {"../../victim", "/dev/zero"}) {
    hostile.fileName = name;
    ASSERT_TRUE(WriteDataSetDirectory(Root() / "Hostile", {hostile}));
    tryOpenHostile(
        "The data set directory (ds_directory) is damaged:  data set 1 names a file outside the project "
        "folder.");
  }
  // A link named like a data set file that leads to a file elsewhere.
  hostile.fileName = "dataset_1";
  ASSERT_TRUE(WriteDataSetDirectory(Root() / "Hostile", {hostile}));
  fs::create_symlink(temp.Path() / "victim", Root() / "Hostile" / "dataset_1");
  tryOpenHostile(
      "The data set directory (ds_directory) is damaged:  the file dataset_1 of data set 1 is not a regular "
      "file.");
  EXPECT_EQ(testing::ReadWholeFile(temp.Path() / "victim"), "kept");

  // Profiles whose deletion would take data sets that are not theirs.
  fs::remove(Root() / "Hostile" / "dataset_1");
  testing::WriteWholeFile(Root() / "Hostile" / "dataset_1", "1990 \r\n");
  ProfileEntry beyond;
  beyond.title = "Beyond";
  beyond.periodCount = 2;
  beyond.periodDataSets = {1, 2, 0, 0, 0};
  ASSERT_TRUE(WriteProfileDirectory(Root() / "Hostile", {beyond}));
  tryOpenHostile(
      "The time period profile list (ip_directory) is damaged:  the profile Beyond names a data set that the "
      "project does not hold.");
}

TEST_F(ProjectSession, CommandsWithoutProjectsSayWhyAndEnd) {
  ScriptedUi ui;
  OpenProject(app, ui);
  DeleteProject(app, ui);
  EditProject(app, ui);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"There are no projects to open.", "There are no projects to delete.",
                                      "There are no projects to edit."}));
  EXPECT_TRUE(ui.forms.empty());
}

TEST_F(ProjectSession, RenamingAProjectThatIsNotOpenLeavesTheOpenOneAlone) {
  Create("A");
  Create("B");
  Open(0);
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) {
      f.chosen = 1;
    }).Fill<ProjectNameForm>([](ProjectNameForm& f) {
    EXPECT_EQ(f.name, "B");
    f.name = "B renamed";
    f.description = "new words";
  });
  EditProject(app, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(fs::is_directory(Root() / "B_renamed"));
  EXPECT_FALSE(fs::exists(Root() / "B"));
  EXPECT_EQ(app.projectName, "A");
  EXPECT_EQ(app.projectFolder, Root() / "A");
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  A");
  const std::vector<ProjectEntry> stored = testing::StoredProjects(temp.Path());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].name, "B renamed");
  EXPECT_EQ(stored[1].folder, "B_renamed");
  EXPECT_EQ(stored[1].description, "new words");
}

TEST_F(ProjectSession, RenamingTheOpenProjectMovesItsFolderAndCaption) {
  Create("A");
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = "A two"; });
  EditProject(app, ui);
  EXPECT_EQ(app.projectFolder, Root() / "A_two");
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  A two");
}

TEST_F(ProjectSession, RenamingOntoAnExistingFolderChangesNothing) {
  Create("A");
  Create("B");
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Fill<ProjectNameForm>([](ProjectNameForm& f) { f.name = "B"; });
  EditProject(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The folder name (B) is already in use."});
  ASSERT_EQ(app.projects.size(), 2u);
  EXPECT_EQ(app.projects[0].name, "A");
  EXPECT_TRUE(fs::is_directory(Root() / "A"));
  const std::vector<ProjectEntry> stored = testing::StoredProjects(temp.Path());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].folder, "A");
}

TEST_F(ProjectSession, DeletingTheOpenProjectLeavesNoProjectOpen) {
  Create("A");
  Create("B");
  testing::WriteWholeFile(Root() / "B" / "dataset_1", "1991 \r\n");
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) { f.chosen = 1; }).Answer(Answer::Yes);
  DeleteProject(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Are you sure you want to delete project: B?"});
  EXPECT_FALSE(fs::exists(Root() / "B"));
  EXPECT_FALSE(app.ProjectOpen());
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  ");
  EXPECT_EQ(app.projectFolder, Root());
  ASSERT_EQ(testing::StoredProjects(temp.Path()).size(), 1u);
  EXPECT_EQ(testing::StoredProjects(temp.Path())[0].name, "A");
}

TEST_F(ProjectSession, DeletingAnotherProjectForgetsTheOpenBaselineOnlyInMemory) {
  Create("A");
  Create("B");
  DataSetEntry e;
  e.fileName = "dataset_1";
  ASSERT_TRUE(WriteDataSetDirectory(Root() / "A", {e}));
  ASSERT_TRUE(WriteBaseline(Root() / "A", 1));
  Open(0);
  ASSERT_EQ(app.baseline, 1);
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>([](ProjectSelectionForm& f) { f.chosen = 1; }).Answer(Answer::Yes);
  DeleteProject(app, ui);
  EXPECT_EQ(app.projectName, "A");
  EXPECT_EQ(app.baseline, 0);
  EXPECT_EQ(ReadBaseline(Root() / "A"), 1);
  EXPECT_EQ(app.caption, "MORVIK (1.10) - Project:  A");
}

TEST_F(ProjectSession, DeleteRemovesOnlyTheRegularFilesOfTheProjectFolder) {
  Create("A");
  testing::WriteWholeFile(Root() / "A" / "table.txt", "x");
  fs::create_directory(Root() / "A" / "keep");
  testing::WriteWholeFile(Root() / "A" / "keep" / "inner.txt", "kept");
  testing::WriteWholeFile(temp.Path() / "outside.txt", "kept");
  fs::create_symlink(temp.Path() / "outside.txt", Root() / "A" / "link");
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Answer(Answer::Yes);
  DeleteProject(app, ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1], "ZELVO could not delete the folder: " + (Root() / "A").string() +
                                ".\n\nYou must delete it yourself.");
  EXPECT_FALSE(fs::exists(Root() / "A" / "table.txt"));
  EXPECT_EQ(testing::ReadWholeFile(Root() / "A" / "keep" / "inner.txt"), "kept");
  EXPECT_EQ(testing::ReadWholeFile(temp.Path() / "outside.txt"), "kept");
  EXPECT_TRUE(app.projects.empty());  // the entry goes all the same
}

TEST_F(ProjectSession, DeleteDoesNothingWhenTheFolderCannotBeResolved) {
  testing::WriteWholeFile(temp.Path() / "precious.txt", "kept");
  app.projects.push_back({"Damaged", "", ".."});
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Answer(Answer::Yes);
  DeleteProject(app, ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].rfind("Can not find the folder:", 0), 0u);
  EXPECT_EQ(testing::ReadWholeFile(temp.Path() / "precious.txt"), "kept");
  EXPECT_EQ(app.projects.size(), 1u);
}

TEST_F(ProjectSession, AnsweringNoOrCancellingDeletesNothing) {
  Create("A");
  testing::WriteWholeFile(Root() / "A" / "dataset_1", "x");
  ScriptedUi ui;
  ui.Fill<ProjectSelectionForm>().Answer(Answer::No).Cancel<ProjectSelectionForm>();
  DeleteProject(app, ui);
  DeleteProject(app, ui);
  EXPECT_TRUE(fs::exists(Root() / "A" / "dataset_1"));
  EXPECT_EQ(app.projects.size(), 1u);
  EXPECT_TRUE(app.ProjectOpen());
}

}  // namespace
}  // namespace zelvo
