#include "zelvo/store/ImportAlternativeCsv.h"

#include <memory>

#include "common/import/CsvReader.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo {

std::optional<FieldMessage> CheckAlternativeCsvFile(const std::string& path) {
  auto record = std::make_unique<FlowRecord>();
  const CsvOutcome read = ReadAlternativeCsvFile(path, ImportProgram::Main, *record);
  if (!read.ok) return FieldMessage{read.message, "path"};
  return std::nullopt;
}

CsvImportResult ImportAlternativeCsvFile(Ui& ui, const std::filesystem::path& csvPath,
                                         const std::filesystem::path& dataSetPath) {
  CsvImportResult result;
  FlowRecord record;
  const CsvOutcome read = ReadAlternativeCsvFile(csvPath, ImportProgram::Main, record);
  if (!read.ok) {
    ui.Message(read.message);
    return result;
  }
  if (!WriteDataSetFile(dataSetPath, record, read.peakSection)) {
    ui.Message(DataSetWriteFailure(dataSetPath));
    return result;
  }
  result.ok = true;
  result.firstWaterYear = record.FirstYear();
  result.lastWaterYear = record.LastYear();
  result.yearCount = record.yearCount;
  result.peakFlag = read.peakSection ? 1 : 0;
  result.peakCount = read.peakSection ? record.peakCount : 0;
  return result;
}

}  // namespace zelvo
