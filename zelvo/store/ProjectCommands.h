#pragma once
// The four project commands: New Project, Open Project, Delete Project and Edit Project
// Name/Description, with their two dialogs.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/io/Status.h"
#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

// "Select a project": the names of all projects in list order.
struct ProjectSelectionForm : Form {
  const char* FormName() const override { return "SelectProject"; }
  static constexpr const char* kCaption = "Select a project";
  std::vector<std::string> names;
  int chosen = 0;  // list position
};

// "Enter project name and description".
struct ProjectNameForm : Form {
  const char* FormName() const override { return "ProjectName"; }
  static constexpr const char* kCaption = "Enter project name and description";
  std::string name;         // "Name:", at most 40 characters, usable as a folder name
  std::string description;  // "Description:", at most 1024 characters
};
// OK refuses a name that cannot be a folder name and texts longer than the list's fields.
std::optional<FieldMessage> CheckProjectNameForm(const ProjectNameForm& form);

void NewProject(AppState& app, Ui& ui);
void OpenProject(AppState& app, Ui& ui);
void DeleteProject(AppState& app, Ui& ui);
void EditProject(AppState& app, Ui& ui);

// Loads an open project's directory files into the state: data sets, profiles and baseline.
// A damaged directory file fails with its message and leaves the state untouched.
Status LoadProjectFiles(AppState& app, const std::filesystem::path& folder);

}  // namespace zelvo
