#include "zelvo/graphs/GraphDialogs.h"

#include "common/engine/TextFormat.h"
#include "common/io/WholeFile.h"
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
    // The bitmap replaces an older file only once it is whole; a file that cannot be created or
    // written is a failed capture and says so, rather than leaving the user to think it saved.
    WholeFileWriter out(form.path);
    const Status written =
        out.Opened() ? WriteBmp(out.Stream(), image) : Status::Failure(kBmpWriteErrorMessage);
    if (!written || !out.Commit()) ui.Message(kBmpWriteErrorMessage);
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
