#include "tarvel/StationImport.h"

#include "common/import/CsvReader.h"
#include "common/import/DailyValueReader.h"

namespace zelvo::tarvel {

StationImporter ReaderStationImporter() {
  return [](const StationImportRequest& request, FlowRecord& record, Ui& ui) {
    // The CSV reader takes no years: a batch line's years are read but not used for it.
    if (request.fileType == kCsvFile) return ReadCsvFileForClassification(ui, request.path, record);
    return ReadDailyValueFileForClassification(ui, request.path, request.beginYear, request.endYear,
                                               request.batch, record);
  };
}

}  // namespace zelvo::tarvel
