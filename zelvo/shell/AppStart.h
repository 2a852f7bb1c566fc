#pragma once
// Start and end of the main program: the application state built from the start folder, the
// window caption, and the question about changed preferences at the end.

#include <filesystem>
#include <string>

#include "common/ui/Ui.h"
#include "zelvo/shell/AppState.h"

namespace zelvo {

// Builds the state of a fresh start from `startFolder`: the projects list from "projects", the
// built-in preferences overwritten by "pref.dat" when it can be read, the default index sets
// derived from them, the project root "zelvoproj" created when missing, no project open.
void StartApplication(AppState& app, const std::filesystem::path& startFolder);

// "MORVIK (1.10)" while no project is open, else "MORVIK (1.10) - Project:  name".
std::string CaptionText(const std::string& projectName, bool projectOpen);
// Sets app.caption for the open project (or none).
void UpdateCaption(AppState& app);
// The caption after a project was created, opened, renamed or deleted: always with the
// "Project:" part, even when the name is empty.
void SetProjectCaption(AppState& app);

// The end of the program: when a preference changed, asks "Save new preferences?" (Yes/No/Cancel).
// Yes writes "pref.dat"; false means Cancel (or a write that failed, which is reported): the
// program keeps running.
bool ConfirmEnd(AppState& app, Ui& ui);

}  // namespace zelvo
