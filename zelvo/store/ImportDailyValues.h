#pragma once
// The main program's import of an agency daily-value file, with an optional annual peak-flow
// file, into a data set file: everything the OK button of "Import AGNC Data" runs before the
// command registers the new data set.

#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/import/ImportForms.h"
#include "common/import/ValueColumns.h"
#include "common/ui/Ui.h"

namespace zelvo {

inline constexpr const char* kImportCompletedMessage = "Import successfully completed.";
// "The number of peak flow years (%d) is less than 20.\n\nDo you wish to continue?"
std::string FewerThan20PeaksQuestion(int peaks);
// The data set file could not be written.
std::string DataSetWriteFailure(const std::filesystem::path& path);

struct DailyValueImportResult {
  bool ok = false;
  // On failure: the field of the import dialog to focus. Every message has been shown already,
  // so `failure.text` is empty; return `failure` from the dialog's OK check.
  FieldMessage failure;
  int firstWaterYear = 0;  // first and last stored water year
  int lastWaterYear = 0;
  int yearCount = 0;
  int peakCount = 0;  // P
  int peakFlag = 0;   // 1 when the data set file holds the peak section
};

// The reading part of the import, from the opened daily file (read from its start) and peak
// file (nullptr: no peaks): the reading, the column question or note, the peak pairing and the
// missing-data screening. Messages and questions go through `ui`; on success (`ok`) `record`
// holds the record as the import keeps it. Nothing is written.
DailyValueImportResult ReadScreenedDailyValues(Ui& ui, const ImportAgncForm& form, std::istream& daily,
                                               std::ifstream* peakFile, FlowColumnChoice column,
                                               FlowRecord& record);

// Runs the import in the order the user sees it: the year check, the daily file, the peak file
// (the "Missing Peak Flow File" dialog when it cannot be opened), the reading, for a file whose
// lines are read from another column than the daily mean discharge the column question (or,
// with a preset `column`, the note), the peak pairing, the missing-data screening, the data set
// file written to `dataSetPath`, the question about fewer than 20 peaks and "Import successfully
// completed.". On success the form's beginning and ending years are set to the first and last
// stored water year, and `stored`, when given, receives the record as written.
DailyValueImportResult ImportDailyValueFile(Ui& ui, ImportAgncForm& form,
                                            const std::filesystem::path& dataSetPath,
                                            FlowColumnChoice column = FlowColumnChoice::Ask,
                                            FlowRecord* stored = nullptr);

}  // namespace zelvo
