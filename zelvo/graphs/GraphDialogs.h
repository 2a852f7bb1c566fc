#pragma once
// The small dialogs the graph windows share, as forms, and the file handling of Export and
// Capture (the save dialogs and their questions are those of zelvo/session/SaveFile.h).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/ui/Ui.h"
#include "zelvo/graphs/BmpWriter.h"

namespace zelvo {

// Switching on Threshold asks for the flow: the dialog hands over the typed text, OK's check
// reads it into `threshold`.
struct ThresholdForm : Form {
  const char* FormName() const override { return "Threshold"; }
  static constexpr const char* kPrompt = "Enter a threshold in cfs";
  std::string text = "0";
  float threshold = 0.0f;
};
// An empty field reads as 0 (the box goes off again); text that is not a number keeps the dialog
// open with "Please enter a number.".
std::optional<FieldMessage> CheckThreshold(ThresholdForm& form);

// "Set Y Axis Extents": starts from the extents the chart used; "Use Defaults" closes like OK.
struct YAxisExtentsForm : Form {
  const char* FormName() const override { return "YAxisExtents"; }
  static constexpr const char* kCaption = "Set Y Axis Extents";
  double minimum = 0.0;
  double maximum = 0.0;
  bool useDefaults = false;
};

// The capture dialog: a path and "Browse".
struct CaptureForm : Form {
  const char* FormName() const override { return "Capture"; }
  static constexpr const char* kCaption = "Enter a windows .bmp file name including the path.";
  std::string path;
};

// The Y extents a window keeps; -99.0 in the maximum means automatic.
struct UserYExtents {
  double minimum = -99.0;
  double maximum = -99.0;
  bool Automatic() const { return maximum == -99.0; }
};

// "Browse" of the capture dialog: the chosen file goes into the field, unless it exists and the
// user does not want to overwrite it.
void BrowseCaptureFile(Ui& ui, CaptureForm& form);
// The whole capture: the dialog, then the chart's pixels into the bitmap file. A file that cannot
// be created writes nothing and says nothing; a failing write shows "write error". False when
// the user cancelled.
bool CaptureChart(Ui& ui, const std::function<RgbImage()>& grabChart);

// Asks for the threshold. Returns the value, or nullopt when cancelled or 0 (the box goes off).
std::optional<float> AskThreshold(Ui& ui);

// "Set Y Axis": true when the extents changed and the graph must be drawn again.
bool AskYExtents(Ui& ui, UserYExtents& extents, double usedMinimum, double usedMaximum);

}  // namespace zelvo
