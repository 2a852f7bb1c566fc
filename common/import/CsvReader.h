#pragma once
// The alternative flow CSV file: a years line, 366 slot lines of comma-separated flows laid out
// like a data set file, and, for the main program, an optional peak section.

#include <filesystem>
#include <iosfwd>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/import/ImportForms.h"
#include "common/io/Status.h"

namespace zelvo {

class Ui;

// "Can not open the import file:  %s."
std::string CsvOpenFailure(const std::string& path);
// A years line that does not begin with a water year: the file has no column to use.
std::string CsvNoYearsMessage(const std::string& path);

// How much of the layout a file held besides its years.
struct CsvLayout {
  bool peakSection = false;  // main program: a line followed the 366 slot lines
  int slotLines = 0;         // slot lines present (fewer than 366 leave the rest at 0.0)
};

// Reads the years line and the 366 slot lines into `record` (cleared to 0 first; values taken as
// they stand, a field that is absent leaves 0.0). The main program then reads the peak count
// (kept within 0..150), the peaks and the peak-day flows when a further non-blank line exists;
// the classification program reads nothing after the 366th slot line. A years line whose first
// field is not a non-zero year fails with CsvNoYearsMessage and leaves `record` as it was.
Status ReadAlternativeCsv(std::istream& in, ImportProgram program, FlowRecord& record, CsvLayout& layout,
                          const std::string& pathForMessages = "");
Status ReadAlternativeCsvFile(const std::filesystem::path& path, ImportProgram program, FlowRecord& record,
                              CsvLayout& layout);

// The classification program's read: the message of a failure has been shown through `ui`.
Status ReadCsvFileForClassification(Ui& ui, const std::string& path, FlowRecord& record);

}  // namespace zelvo
