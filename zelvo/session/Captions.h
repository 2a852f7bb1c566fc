#pragma once
// The main window's caption: the program name and version, and the open project's name.

#include <string>

#include "zelvo/session/AppState.h"

namespace zelvo {

// "MORVIK (1.10)" while no project is open, else "MORVIK (1.10) - Project:  name".
std::string CaptionText(const std::string& projectName, bool projectOpen);
// Sets app.caption for the open project (or none).
void UpdateCaption(AppState& app);
// The caption after a project was created, opened, renamed or deleted: always with the
// "Project:" part, even when the name is empty.
void SetProjectCaption(AppState& app);

}  // namespace zelvo
