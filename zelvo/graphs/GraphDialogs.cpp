#include "zelvo/graphs/GraphDialogs.h"

#include <fstream>

#include "common/engine/TextFormat.h"
#include "common/ui/NumberFields.h"

namespace zelvo {
namespace {

bool FileExists(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

}  // namespace

std::string OverwriteQuestion(const std::string& path) {
  return Format("The file: %s already exists.  Do you want to overwrite it?", path.c_str());
}

std::optional<std::string> AskCsvExportPath(Ui& ui) {
  FileDialogRequest request;
  request.filter = "Comma Separated Values Files (*.csv)|*.csv||";
  request.defaultExtension = ".csv";
  request.mustExist = false;
  std::optional<std::string> path = ui.SaveFileName(request);
  if (!path || path->empty()) return std::nullopt;
  if (FileExists(*path) && ui.Message(OverwriteQuestion(*path), Buttons::YesNo) != Answer::Yes)
    return std::nullopt;
  return path;
}

bool WriteExportFile(Ui& ui, const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
  }
  if (!out) {
    ui.Message(kFileBusyMessage);
    return false;
  }
  return true;
}

void BrowseCaptureFile(Ui& ui, CaptureForm& form) {
  FileDialogRequest request;
  request.filter = "Windows Bitmap Files (*.bmp)|*.bmp||";
  request.defaultExtension = ".bmp";
  request.mustExist = false;
  const std::optional<std::string> path = ui.SaveFileName(request);
  if (!path || path->empty()) return;
  if (FileExists(*path) && ui.Message(OverwriteQuestion(*path), Buttons::YesNo) != Answer::Yes) return;
  form.path = *path;
}

bool CaptureChart(Ui& ui, const std::function<RgbImage()>& grabChart) {
  CaptureForm form;
  if (!ui.Edit(form)) return false;
  ui.SetBusy(true);
  const RgbImage image = grabChart();
  if (!form.path.empty() && WriteBmpFile(form.path, image) == BmpResult::WriteError)
    ui.Message("write error");
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
