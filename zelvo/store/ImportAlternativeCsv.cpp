#include "zelvo/store/ImportAlternativeCsv.h"

#include <memory>

#include "common/import/CsvReader.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo {

std::optional<FieldMessage> CheckAlternativeCsvFile(const std::string& path) {
  auto record = std::make_unique<FlowRecord>();
  CsvLayout layout;
  if (const Status read = ReadAlternativeCsvFile(path, ImportProgram::Main, *record, layout); !read)
    return FieldMessage{read.Message(), "path"};
  return std::nullopt;
}

CsvImportResult ImportAlternativeCsvFile(Ui& ui, const std::filesystem::path& csvPath,
                                         const std::filesystem::path& dataSetPath) {
  CsvImportResult result;
  FlowRecord record;
  CsvLayout layout;
  if (const Status read = ReadAlternativeCsvFile(csvPath, ImportProgram::Main, record, layout); !read) {
    ui.Message(read.Message());
    return result;
  }
  if (!WriteDataSetFile(dataSetPath, record, layout.peakSection)) {
    ui.Message(DataSetWriteFailure(dataSetPath));
    return result;
  }
  result.ok = true;
  result.firstWaterYear = record.FirstYear();
  result.lastWaterYear = record.LastYear();
  result.yearCount = record.yearCount;
  result.peakFlag = layout.peakSection ? 1 : 0;
  result.peakCount = layout.peakSection ? record.peakCount : 0;
  return result;
}

}  // namespace zelvo
