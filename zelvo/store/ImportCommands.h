#pragma once
// The two commands that bring a new data set into the open project: "Import AGNC Data" (an agency
// daily-value file with an optional peak-flow file) and "Import Alternative Data As .CSV File".

#include <string>

#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

// "Enter the alternative import file name including the path.": one path with a Browse button.
struct AlternativeFileForm : Form {
  const char* FormName() const override { return "AlternativeFile"; }
  static constexpr const char* kCaption = "Enter the alternative import file name including the path.";
  std::string path;
};

// The file-open dialog of every Browse button of the import dialogs.
FileDialogRequest ImportBrowseRequest();
// A Browse button: the chosen full path goes into `field`; Cancel leaves it as it was.
void BrowseForImportFile(Ui& ui, std::string& field);

void ImportAgncData(AppState& app, Ui& ui);
void ImportAlternativeCsv(AppState& app, Ui& ui);

}  // namespace zelvo
