#pragma once
// Start and end of the main program: the application state built from the start folder and
// the question about changed preferences at the end.

#include <filesystem>
#include <string>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/session/AppState.h"

namespace zelvo {

// Builds the state of a fresh start from `startFolder`: the projects list from "projects", the
// built-in preferences overwritten by "pref.dat" when it can be read, the default index sets
// derived from them, the project root "zelvoproj" created when missing, no project open. A
// "projects" or "pref.dat" that does not decode is copied aside (".damaged") before anything can
// rewrite it and counts as missing; the messages that say so are returned, for the program to show
// once its window is up.
std::vector<std::string> StartApplication(AppState& app, const std::filesystem::path& startFolder);

// The end of the program: when a preference changed, asks "Save new preferences?" (Yes/No/Cancel).
// Yes writes "pref.dat"; false means Cancel (or a write that failed, which is reported): the
// program keeps running.
bool ConfirmEnd(AppState& app, Ui& ui);

}  // namespace zelvo
