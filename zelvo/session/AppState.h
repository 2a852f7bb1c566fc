#pragma once
// The application state of the main program, created at start-up and handed to every command:
// the start folder and project root, the projects list, the open project with its data set
// table, profile table and baseline, and the preferences.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "zelvo/files/DataSetEntry.h"
#include "zelvo/files/Preferences.h"
#include "zelvo/files/ProfileEntry.h"
#include "zelvo/files/ProjectEntry.h"

namespace zelvo {

inline constexpr const char* kProgramCaption = "MORVIK (%.2f)";
inline constexpr double kProgramVersion = 1.1;

struct AppState {
  std::filesystem::path startFolder;  // working folder at start-up
  std::filesystem::path projectRoot;  // start folder / "zelvoproj"

  std::vector<ProjectEntry> projects;  // the projects list, at most 100

  // The open project; the name is empty while none is open.
  std::string projectName;
  std::string projectDescription;
  std::filesystem::path projectFolder;
  std::vector<DataSetEntry> dataSets;  // the project's ds_directory
  std::vector<ProfileEntry> profiles;  // the project's ip_directory
  int baseline = 0;                    // 1-based data set number, 0 = none

  Preferences preferences;
  bool preferencesChanged = false;
  // The ten index numbers of each index group's default set (group g at g - 1), derived from
  // the preferences' index choices; never stored.
  std::array<std::array<int, kFlowComponents>, kIndexGroups> defaultIndexSets{};

  // Defaults of the compute dialog until the program ends (not stored).
  float computeDrainageArea = 0.0f;
  float computeLowerPercentile = 25.0f;
  float computeUpperPercentile = 75.0f;

  // The manual index choice remembered by the selection dialogs (999 = empty slot) and its
  // monthly group 0..4; kept in memory only.
  std::array<int, 12> rememberedIndices{999, 999, 999, 999, 999, 999, 999, 999, 999, 999, 999, 999};
  int rememberedMonthlyGroup = 0;

  // Window caption: "MORVIK (1.10)" or "MORVIK (1.10) - Project:  name".
  std::string caption;

  bool ProjectOpen() const { return !projectName.empty(); }
};

}  // namespace zelvo
