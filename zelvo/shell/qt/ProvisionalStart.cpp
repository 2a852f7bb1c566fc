#include "zelvo/shell/qt/ProvisionalStart.h"

#include <cstdio>
#include <system_error>

namespace zelvo::qt {

void ProvisionalStartApplication(AppState& app, const std::filesystem::path& startFolder) {
  app.startFolder = startFolder;
  app.projectRoot = startFolder / "zelvoproj";
  std::error_code ec;
  std::filesystem::create_directory(app.projectRoot, ec);
  app.caption = ProvisionalCaption(app);
}

std::string ProvisionalCaption(const AppState& app) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, kProgramCaption, kProgramVersion);
  std::string caption = buffer;
  if (app.ProjectOpen()) caption += " - Project:  " + app.projectName;
  return caption;
}

bool ProvisionalConfirmEnd(AppState& app, Ui& ui) {
  if (!app.preferencesChanged) return true;
  return ui.Message("Save new preferences?", Buttons::YesNoCancel) != Answer::Cancel;
}

}  // namespace zelvo::qt
