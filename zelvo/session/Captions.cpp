#include "zelvo/session/Captions.h"

#include "common/engine/TextFormat.h"

namespace zelvo {

std::string CaptionText(const std::string& projectName, bool projectOpen) {
  if (!projectOpen) return Format("MORVIK (%.2f)", kProgramVersion);
  return Format("MORVIK (%.2f) - Project:  %s", kProgramVersion, projectName.c_str());
}

void UpdateCaption(AppState& app) { app.caption = CaptionText(app.projectName, app.ProjectOpen()); }

void SetProjectCaption(AppState& app) { app.caption = CaptionText(app.projectName, true); }

}  // namespace zelvo
