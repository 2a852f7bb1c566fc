#pragma once
// The dialogs of the daily-value import and of the missing-data screening, as forms.

#include <string>

#include "common/ui/Ui.h"

namespace zelvo {

// Which program runs a reader: the main program keeps a data set, the classification program
// computes in memory. They differ in how years are read, in button texts and in defaults.
enum class ImportProgram { Main, Classification };

// Field names used to focus a field of the import dialog after a failed import.
inline constexpr const char* kFieldDailyFile = "dailyFile";
inline constexpr const char* kFieldPeakFile = "peakFile";
inline constexpr const char* kFieldBeginningYear = "beginningYear";
inline constexpr const char* kFieldEndingYear = "endingYear";

// "Import AGNC Data": the daily and peak file paths and the span of water years (0 = open).
struct ImportAgncForm : Form {
  const char* FormName() const override { return "ImportAgncData"; }
  static constexpr const char* kCaption = "Import AGNC Data";
  static constexpr const char* kDailyFileLabel = "Daily Flow Data File:";
  static constexpr const char* kPeakFileLabel = "Peak Flow Data File:";
  static constexpr const char* kBeginningYearLabel = "Beginning Water Year:";
  static constexpr const char* kEndingYearLabel = "Ending Water Year:";
  static constexpr const char* kBrowseFilter = "Data Files (*.*)|*.*|All Files (*.*)|*.*||";

  std::string dailyFile;
  std::string peakFile;
  int beginningYear = 0;
  int endingYear = 0;
};

// "Missing Peak Flow File": shown when the peak file cannot be opened. Only an OK button; no
// choice preselected, and OK without a choice runs without peak flows.
struct MissingPeakFileForm : Form {
  const char* FormName() const override { return "MissingPeakFile"; }
  static constexpr const char* kCaption = "Missing Peak Flow File";
  static constexpr const char* kText =
      "Can not open the peak flow file.  Select one of the following options:";
  static constexpr const char* kReenterText = "  Reenter the peak flow file name";
  static constexpr const char* kWithoutPeaksText =
      "Run the analysis without peak flows.  (FH11, DH22, DH23, DH24, TA3, TH3, TL3, and TL4 will not be "
      "computed.)";
  enum Choice { kNoChoice = 0, kReenter = 1, kRunWithoutPeaks = 2 };

  int choice = kNoChoice;
};

// "Missing  Data": the screening report with four buttons, each closing the dialog with its
// code. Closing by the close box gives code 4.
struct MissingDataForm : Form {
  const char* FormName() const override { return "MissingData"; }
  static constexpr const char* kCaption = "Missing  Data";
  static constexpr const char* kExplanation =
      "Large blocks of missing data during a year will result in very large or undefined values for some "
      "indices.";

  enum Code { kEditFlowData = 1, kExcludeYearsWithMissingData = 2, kImportAll = 3, kAbort = 4 };

  // Text of the button that gives `code` (1..4) in `program`; "" outside 1..4.
  static const char* ButtonText(ImportProgram program, int code) {
    static constexpr const char* kMain[4] = {"Edit AGNC Flow Data", "Exclude Years With Missing Data",
                                             "Import All Data", "Abort Import"};
    static constexpr const char* kClassification[4] = {
        "Edit AGNC Flow Data", "Exclude Years With Missing Data", "Import All Data Except Missing Years",
        "Abort Classification"};
    if (code < 1 || code > 4) return "";
    return program == ImportProgram::Main ? kMain[code - 1] : kClassification[code - 1];
  }

  std::string report;            // the multi-line text, "\r\n" line ends
  bool showExplanation = false;  // the explanatory line shows when a year has missing days
  ImportProgram program = ImportProgram::Main;
  int choice = kAbort;  // set by the button pressed
};

}  // namespace zelvo
