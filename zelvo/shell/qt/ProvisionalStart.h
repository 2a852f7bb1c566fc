#pragma once
// Stand-ins for the core's start-up, caption and end-of-program question until those are part
// of the program: the start folder and project root only, no projects list, no preferences file.

#include <filesystem>
#include <string>

#include "common/ui/Ui.h"
#include "zelvo/shell/AppState.h"

namespace zelvo::qt {

void ProvisionalStartApplication(AppState& app, const std::filesystem::path& startFolder);
std::string ProvisionalCaption(const AppState& app);
// Asks "Save new preferences?" when a preference changed; false on Cancel. Writes nothing.
bool ProvisionalConfirmEnd(AppState& app, Ui& ui);

}  // namespace zelvo::qt
