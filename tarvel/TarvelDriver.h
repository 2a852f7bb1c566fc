#pragma once
// The classification program's commands over the Ui: the main window's fields and controls,
// the single-station run and the batch run. The Qt window moves its widgets into TarvelFields,
// calls these functions and shows what they leave behind; it decides nothing itself.

#include <functional>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/io/Status.h"
#include "common/ui/Ui.h"
#include "tarvel/StreamClassifier.h"

namespace zelvo::tarvel {

inline constexpr const char* kMainWindowCaption = "Tarvel - Version 1.0";
inline constexpr const char* kDailyFileLabel = "Daily Flow Data File:";
inline constexpr const char* kCsvFileLabel = ".CSV Data File:";
inline constexpr const char* kDailyFileTypeText = "AGNC flow files";
inline constexpr const char* kCsvFileTypeText = "Comma Separated Variable (.csv) file";
inline constexpr const char* kBrowseFilter = "Data Files (*.*)|*.*|All Files (*.*)|*.*||";
inline constexpr const char* kBatchWord = "batch";
// OK with an empty file name field: nothing to open, so no message with a blank path.
inline constexpr const char* kNoFileNameMessage = "Please enter the name of a daily flow file.";

enum FileType : int { kDailyFile = 0, kCsvFile = 1 };

// The fields of the main window that a run reads and (in a batch) writes back.
struct TarvelFields {
  std::string fileName;
  int beginYear = 0;  // 0 = from the first water year of the file
  int endYear = 0;    // 0 = to the last water year of the file
  int fileType = kDailyFile;
};

// "Daily Flow Data File:" or ".CSV Data File:".
const char* FileLabel(int fileType);
// The year fields apply to daily-value files only.
bool YearFieldsEnabled(int fileType);

// The main window's part the driver changes during a run besides the status text and the
// progress position (those go through Ui::SetStatus and Ui::Progress).
class TarvelView {
 public:
  virtual ~TarvelView() = default;
  // The file name and year fields changed (a batch shows each station's values).
  virtual void ShowFields(const TarvelFields& fields) = 0;
  virtual void ShowProgressBar(bool visible) = 0;
};

// One import into the in-memory record: the daily-value reader (with the years and the batch
// flag) or the CSV reader. The reader shows its own messages through the Ui it is given.
struct StationImportRequest {
  std::string path;
  int fileType = kDailyFile;
  int beginYear = 0;
  int endYear = 0;
  bool batch = false;  // no questions: years with missing days are dropped
};
using StationImporter = std::function<Status(const StationImportRequest&, FlowRecord&, Ui&)>;

// The program's state that lives as long as the main window.
struct TarvelState {
  TarvelFields fields;
  bool batchFlag = false;
  FlowRecord record;
  ClassifierInputs inputs{};
  ClassifierScores scores{};
  int classCode = kUnclassified;
};

// The result window: one line of text and OK.
struct ClassificationScoresForm : Form {
  const char* FormName() const override { return "Classification  Scores"; }
  std::string resultText;
};

// The batch dialog: batch file and output file, each with a Browse button.
struct BatchFileForm : Form {
  const char* FormName() const override { return "Batch file for TARVEL"; }
  std::string batchFile;
  std::string outputFile;
};

// What the main window does once OK's command has ended.
enum class AfterRun { StayOpen, CloseWindow };

// OK of the main window: a batch when the file name is exactly "batch", else one station.
AfterRun PressOk(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer);

void RunSingleStation(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer);
AfterRun RunBatch(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer);

// Every Browse button: the open-file dialog for an existing file; the chosen path, if any.
std::optional<std::string> BrowseForDataFile(Ui& ui, const std::string& current);

// The About box text.
std::string AboutText();

}  // namespace zelvo::tarvel
