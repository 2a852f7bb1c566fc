#pragma once
// A started application with the empty project "Study" open in a temporary folder, for the tests
// that drive the project's commands through a scripted dialog.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/shell/AppStart.h"

namespace zelvo::testing {

struct StudyProject : ::testing::Test {
  TempFolder temp;
  AppState app;
  ScriptedUi ui;

  void SetUp() override {
    StartApplication(app, temp.Path());
    app.projectName = "Study";
    app.projectFolder = app.projectRoot / "Study";
    std::filesystem::create_directories(app.projectFolder);
  }

  // Adds a data set as an import would leave it.
  void AddDataSet(const std::string& title, const FlowRecord& r, int streamClass = 1) {
    AddStoredDataSet(app.projectFolder, app.dataSets, title, r, streamClass);
  }

  std::filesystem::path In(const std::string& name) const { return app.projectFolder / name; }
};

}  // namespace zelvo::testing
