#include "zelvo/shell/AppStart.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/files/PreferencesFile.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/Captions.h"

namespace zelvo {

void StartApplication(AppState& app, const std::filesystem::path& startFolder) {
  app = AppState{};
  app.startFolder = startFolder;
  app.projects = ReadProjectsList(startFolder);
  app.preferences = DefaultPreferences();
  if (std::optional<Preferences> stored = ReadPreferencesFile(startFolder)) app.preferences = *stored;
  RecomputeDefaultIndexSets(app);
  app.projectRoot = startFolder / kProjectRootName;
  std::error_code ignored;  // a root that cannot be made shows up in the project commands
  std::filesystem::create_directory(app.projectRoot, ignored);
  app.projectFolder = app.projectRoot;
  UpdateCaption(app);
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
