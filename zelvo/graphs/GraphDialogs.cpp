#include "zelvo/graphs/GraphDialogs.h"

#include <fstream>

#include "common/engine/TextFormat.h"
#include "common/ui/NumberFields.h"
#include "zelvo/session/SaveFile.h"

namespace zelvo {

void BrowseCaptureFile(Ui& ui, CaptureForm& form) {
  FileDialogRequest request;
  request.filter = "Windows Bitmap Files (*.bmp)|*.bmp||";
  request.defaultExtension = ".bmp";
  request.mustExist = false;
  if (const std::optional<std::string> path = AskSaveFile(ui, request)) form.path = *path;
}

bool CaptureChart(Ui& ui, const std::function<RgbImage()>& grabChart) {
  CaptureForm form;
  if (!ui.Edit(form)) return false;
  ui.SetBusy(true);
  const RgbImage image = grabChart();
  if (!form.path.empty()) {
    // A file that cannot be created gets nothing and no message.
    std::ofstream out(form.path, std::ios::binary | std::ios::trunc);
    if (out) {
      const Status written = WriteBmp(out, image);
      out.close();
      if (!written || !out) ui.Message(kBmpWriteErrorMessage);
    }
  }
  ui.SetBusy(false);
  return true;
}

std::optional<FieldMessage> CheckThreshold(ThresholdForm& form) {
  if (form.text.find_first_not_of(" \t") == std::string::npos) {
    form.threshold = 0.0f;
    return std::nullopt;
  }
  const std::optional<float> value = ParseDecimalText(form.text);
  if (!value) return FieldMessage{kNotANumberText, "threshold"};
  form.threshold = *value;
  return std::nullopt;
}

std::optional<float> AskThreshold(Ui& ui) {
  ThresholdForm form;
  if (!EditForm<ThresholdForm>(ui, form, CheckThreshold) || form.threshold == 0.0f) return std::nullopt;
  return form.threshold;
}

bool AskYExtents(Ui& ui, UserYExtents& extents, double usedMinimum, double usedMaximum) {
  YAxisExtentsForm form;
  form.minimum = usedMinimum;
  form.maximum = usedMaximum;
  if (!ui.Edit(form)) return false;
  if (form.useDefaults) {
    extents.minimum = -99.0;
    extents.maximum = -99.0;
  } else {
    extents.minimum = form.minimum;
    extents.maximum = form.maximum;
  }
  return true;
}

}  // namespace zelvo
