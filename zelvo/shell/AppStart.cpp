#include "zelvo/shell/AppStart.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/files/DamagedCopy.h"
#include "zelvo/files/PreferencesFile.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/Captions.h"

namespace zelvo {

namespace {

// The message about a damaged list file, after a copy of it was kept (or could not be).
std::string DamagedFileNote(const Status& damage, const std::filesystem::path& file,
                            const char* consequence) {
  const std::optional<std::filesystem::path> kept = KeepDamagedCopy(file);
  if (kept)
    return Format("%s\n\nIt has been kept as %s.  %s", damage.Message().c_str(), kept->string().c_str(),
                  consequence);
  return Format("%s\n\nZELVO could not keep a copy of it; copy %s yourself before you change anything.  %s",
                damage.Message().c_str(), file.string().c_str(), consequence);
}

}  // namespace

std::vector<std::string> StartApplication(AppState& app, const std::filesystem::path& startFolder) {
  std::vector<std::string> notes;
  app = AppState{};
  app.startFolder = startFolder;
  if (const Status read = ReadProjectsList(startFolder, app.projects); !read) {
    app.projects.clear();
    notes.push_back(
        DamagedFileNote(read, startFolder / kProjectsFileName,
                        "ZELVO starts with an empty project list; the project folders are kept."));
  }
  app.preferences = DefaultPreferences();
  if (const Status read = ReadPreferencesFile(startFolder, app.preferences); !read)
    notes.push_back(DamagedFileNote(read, startFolder / kPreferencesFileName,
                                    "ZELVO starts with the built-in preferences."));
  RecomputeDefaultIndexSets(app);
  app.projectRoot = startFolder / kProjectRootName;
  std::error_code ignored;  // a root that cannot be made shows up in the project commands
  std::filesystem::create_directory(app.projectRoot, ignored);
  app.projectFolder = app.projectRoot;
  UpdateCaption(app);
  return notes;
}

bool ConfirmEnd(AppState& app, Ui& ui) {
  if (!app.preferencesChanged) return true;
  const Answer answer = ui.Message("Save new preferences?", Buttons::YesNoCancel);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes && !WritePreferencesFile(app.startFolder, app.preferences)) {
    ui.Message(Format("The preferences could not be written to %s.",
                      (app.startFolder / kPreferencesFileName).string().c_str()));
    return false;  // still running: the user may try again or answer No
  }
  return true;
}

}  // namespace zelvo
