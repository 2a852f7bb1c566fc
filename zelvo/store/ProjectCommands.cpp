#include "zelvo/store/ProjectCommands.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/Captions.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

void SaveProjectsList(AppState& app, Ui& ui) {
  if (!WriteProjectsList(app.startFolder, app.projects))
    ui.Message(Format("The projects list could not be written to %s.",
                      (app.startFolder / kProjectsFileName).string().c_str()));
}

// The selection dialog; nullopt on Cancel.
std::optional<int> ChooseProject(const AppState& app, Ui& ui) {
  ProjectSelectionForm form;
  for (const ProjectEntry& p : app.projects) form.names.push_back(p.name);
  auto check = [](ProjectSelectionForm& f) -> std::optional<FieldMessage> {
    if (f.chosen < 0 || f.chosen >= static_cast<int>(f.names.size()))
      return FieldMessage{"Please select a project.", "list"};
    return std::nullopt;
  };
  if (!EditForm<ProjectSelectionForm>(ui, form, check)) return std::nullopt;
  return form.chosen;
}

bool IsOpenProject(const AppState& app, const ProjectEntry& entry) {
  return app.ProjectOpen() && app.projectFolder == app.projectRoot / entry.folder;
}

void CloseProject(AppState& app) {
  app.projectName.clear();
  app.projectDescription.clear();
  app.projectFolder = app.projectRoot;
  app.dataSets.clear();
  app.profiles.clear();
  app.baseline = 0;
}

}  // namespace

std::optional<FieldMessage> CheckProjectNameForm(const ProjectNameForm& form) {
  if (std::optional<std::string> refusal = CheckProjectName(form.name)) return FieldMessage{*refusal, "name"};
  if (form.description.size() > kMaxProjectDescriptionLength)
    return FieldMessage{"The project description can not be longer than 1024 characters.", "description"};
  return std::nullopt;
}

Status LoadProjectFiles(AppState& app, const fs::path& folder) {
  std::vector<DataSetEntry> dataSets;
  if (Status read = ReadDataSetDirectory(folder, dataSets); !read) return read;
  std::vector<ProfileEntry> profiles;
  if (Status read = ReadProfileDirectory(folder, profiles); !read) return read;
  if (Status check = CheckProfileDataSets(profiles, dataSets.size()); !check) return check;
  int baseline = ReadBaseline(folder);
  if (baseline < 0 || baseline > static_cast<int>(dataSets.size())) baseline = 0;
  app.dataSets = std::move(dataSets);
  app.profiles = std::move(profiles);
  app.baseline = baseline;
  return Status::Success();
}

void NewProject(AppState& app, Ui& ui) {
  if (app.projects.size() >= static_cast<std::size_t>(kMaxProjects)) {
    ui.Message("The maximum number of projects will exceed 100.");
    return;
  }
  ProjectNameForm form;
  if (!EditForm<ProjectNameForm>(ui, form, CheckProjectNameForm)) return;
  ProjectEntry entry{form.name, form.description, ProjectFolderName(form.name)};
  const fs::path folder = app.projectRoot / entry.folder;
  std::error_code ec;
  if (!fs::create_directory(folder, ec) || ec) {
    ui.Message(Format("The folder name (%s) is already in use.", entry.folder.c_str()));
    return;
  }
  app.projects.push_back(entry);
  app.projectName = entry.name;
  app.projectDescription = entry.description;
  app.projectFolder = folder;
  app.dataSets.clear();
  app.profiles.clear();
  app.baseline = 0;
  SetProjectCaption(app);
  SaveProjectsList(app, ui);
}

void OpenProject(AppState& app, Ui& ui) {
  if (app.projects.empty()) {
    ui.Message("There are no projects to open.");
    return;
  }
  const std::optional<int> chosen = ChooseProject(app, ui);
  if (!chosen) return;
  const ProjectEntry entry = app.projects[*chosen];
  const std::optional<fs::path> folder = ResolveProjectFolder(app.projectRoot, entry);
  if (!folder) {
    ui.Message(Format("Can not find the folder:\n\n%s", (app.projectRoot / entry.folder).string().c_str()));
    return;
  }
  AppState loaded = app;
  if (const Status loadedFiles = LoadProjectFiles(loaded, *folder); !loadedFiles) {
    ui.Message(loadedFiles.Message());
    return;
  }
  app.dataSets = std::move(loaded.dataSets);
  app.profiles = std::move(loaded.profiles);
  app.baseline = loaded.baseline;
  app.projectName = entry.name;
  app.projectDescription = entry.description;
  app.projectFolder = *folder;
  SetProjectCaption(app);
}

void DeleteProject(AppState& app, Ui& ui) {
  if (app.projects.empty()) {
    ui.Message("There are no projects to delete.");
    return;
  }
  const std::optional<int> chosen = ChooseProject(app, ui);
  if (!chosen) return;
  const ProjectEntry entry = app.projects[*chosen];
  if (ui.Message(Format("Are you sure you want to delete project: %s?", entry.name.c_str()),
                 Buttons::YesNo) != Answer::Yes)
    return;
  // Only the regular files of the project's own folder go; nothing is touched when that folder
  // cannot be resolved under the project root.
  const std::optional<fs::path> folder = ResolveProjectFolder(app.projectRoot, entry);
  if (!folder) {
    ui.Message(Format("Can not find the folder:\n\n%s", (app.projectRoot / entry.folder).string().c_str()));
    return;
  }
  std::error_code ec;
  std::vector<fs::path> files;
  for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->symlink_status(typeError).type() == fs::file_type::regular) files.push_back(it->path());
  }
  for (const fs::path& file : files)
    if (!ec) fs::remove(file, ec);
  if (ec) return;  // a file could not be removed: the command ends without a word

  if (IsOpenProject(app, entry)) CloseProject(app);
  if (!fs::remove(*folder, ec) || ec)
    ui.Message(Format("ZELVO could not delete the folder: %s.\n\nYou must delete it yourself.",
                      folder->string().c_str()));
  app.projects.erase(app.projects.begin() + *chosen);
  SetProjectCaption(app);
  SaveProjectsList(app, ui);
  if (app.ProjectOpen()) app.baseline = 0;  // the file keeps the stored choice
}

void EditProject(AppState& app, Ui& ui) {
  if (app.projects.empty()) {
    ui.Message("There are no projects to edit.");
    return;
  }
  const std::optional<int> chosen = ChooseProject(app, ui);
  if (!chosen) return;
  ProjectEntry& entry = app.projects[*chosen];
  ProjectNameForm form;
  form.name = entry.name;
  form.description = entry.description;
  if (!EditForm<ProjectNameForm>(ui, form, CheckProjectNameForm)) return;

  const bool wasOpen = IsOpenProject(app, entry);
  const std::string newFolder = ProjectFolderName(form.name);
  if (newFolder != entry.folder) {
    const fs::path from = app.projectRoot / entry.folder;
    const fs::path to = app.projectRoot / newFolder;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) {
      ui.Message(Format("The folder name (%s) is already in use.", newFolder.c_str()));
      return;
    }
    if (!ResolveProjectFolder(app.projectRoot, entry)) {
      ui.Message(Format("Can not find the folder:\n\n%s", from.string().c_str()));
      return;
    }
    fs::rename(from, to, ec);
    if (ec) {
      ui.Message(
          Format("ZELVO could not rename the folder %s to %s.", from.string().c_str(), to.string().c_str()));
      return;
    }
  }
  entry.name = form.name;
  entry.description = form.description;
  entry.folder = newFolder;
  if (wasOpen) {
    app.projectName = entry.name;
    app.projectDescription = entry.description;
    app.projectFolder = app.projectRoot / entry.folder;
    SetProjectCaption(app);
  }
  SaveProjectsList(app, ui);
}

}  // namespace zelvo
