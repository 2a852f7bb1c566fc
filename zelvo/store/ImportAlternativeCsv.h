#pragma once
// The main program's import of an alternative flow CSV file into a data set file: the reading
// and writing steps of "Import Alternative Data As .CSV File", before the command registers
// the new data set.

#include <filesystem>
#include <optional>
#include <string>

#include "common/ui/Ui.h"

namespace zelvo {

struct CsvImportResult {
  bool ok = false;
  int firstWaterYear = 0;  // years[0] and years[N - 1] as they stand in the file
  int lastWaterYear = 0;
  int yearCount = 0;
  int peakCount = 0;
  int peakFlag = 0;  // 1 when the file had a peak section
};

// OK of the alternative file dialog: the file must open and begin with a water year, so that a
// mistyped path is told before the title and the stream class are asked for. The reader's
// message, and the dialog stays open.
std::optional<FieldMessage> CheckAlternativeCsvFile(const std::string& path);

// Opens and reads the CSV file (messages through `ui`), then writes the data set file with the
// peak section when one was read. No screening, no year checks, no message of success.
CsvImportResult ImportAlternativeCsvFile(Ui& ui, const std::filesystem::path& csvPath,
                                         const std::filesystem::path& dataSetPath);

}  // namespace zelvo
