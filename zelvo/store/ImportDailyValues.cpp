#include "zelvo/store/ImportDailyValues.h"

#include <fstream>

#include "common/engine/TextFormat.h"
#include "common/import/DailyValueReader.h"
#include "common/import/MissingDataScreening.h"
#include "common/import/PeakFlowReader.h"
#include "common/io/TextInput.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

DailyValueImportResult Failed(const std::string& field) {
  DailyValueImportResult r;
  r.failure.field = field;
  return r;
}

}  // namespace

std::string FewerThan20PeaksQuestion(int peaks) {
  return Format("The number of peak flow years (%d) is less than 20.\n\nDo you wish to continue?", peaks);
}

std::string DataSetWriteFailure(const std::filesystem::path& path) {
  return "Can not write the daily flow data file:  " + path.string();
}

DailyValueImportResult ReadScreenedDailyValues(Ui& ui, const ImportAgncForm& form, std::istream& daily,
                                               std::ifstream* peakFile, FlowColumnChoice column,
                                               FlowRecord& record) {
  DailyValueSpan span;
  Status read = ReadDailyValues(daily, ImportProgram::Main, form.beginningYear, form.endingYear, record, span,
                                form.dailyFile);
  if (!read) {
    ui.Message(read.Message());
    return Failed(span.field);
  }
  // Several value columns: the reading rule may have taken a temperature or a gage height for
  // the flow. The user decides before the peaks are paired with daily flows and anything is kept.
  const ValueColumnCheck columns = CheckValueColumns(span.columns, span.beginYear, span.endYear);
  const std::optional<int> field = ChooseFlowField(ui, columns, column, form.dailyFile, ImportProgram::Main);
  if (!field) return Failed(kFieldDailyFile);
  if (*field != kReadingRuleField) {
    daily.clear();
    daily.seekg(0);
    read = ReadDailyValues(daily, ImportProgram::Main, form.beginningYear, form.endingYear, record, span,
                           form.dailyFile, *field);
    if (!read) {
      ui.Message(read.Message());
      return Failed(span.field);
    }
  }
  if (peakFile != nullptr && !ReadPeakFlowFile(ui, *peakFile, form.peakFile, span.beginYear, record))
    return Failed(kFieldPeakFile);

  ScreeningRequest screening;
  screening.program = ImportProgram::Main;
  screening.firstWaterYear = span.beginYear;
  screening.dailyFilePath = form.dailyFile;
  if (!ScreenMissingData(ui, record, screening)) return Failed(kFieldDailyFile);

  DailyValueImportResult result;
  result.ok = true;
  return result;
}

DailyValueImportResult ImportDailyValueFile(Ui& ui, ImportAgncForm& form,
                                            const std::filesystem::path& dataSetPath, FlowColumnChoice column,
                                            FlowRecord* stored) {
  if (form.endingYear != 0 && form.endingYear < form.beginningYear) {
    ui.Message(kEndingBeforeStartingMessage);
    return Failed(kFieldEndingYear);
  }
  std::ifstream daily;
  if (form.dailyFile.empty() || !OpenInputFile(daily, form.dailyFile)) {
    ui.Message(DailyFileOpenFailure(form.dailyFile));
    return Failed(kFieldDailyFile);
  }
  std::ifstream peakFile;
  if (!form.peakFile.empty()) OpenInputFile(peakFile, form.peakFile);
  const bool usePeaks = !form.peakFile.empty() && peakFile.is_open();
  if (!usePeaks) {
    MissingPeakFileForm missing;
    // The close box counts like OK without a choice: the import goes on without peaks.
    if (ui.Edit(missing) && missing.choice == MissingPeakFileForm::kReenter) return Failed(kFieldPeakFile);
  }

  FlowRecord record;
  if (DailyValueImportResult read =
          ReadScreenedDailyValues(ui, form, daily, usePeaks ? &peakFile : nullptr, column, record);
      !read.ok)
    return read;
  if (!WriteDataSetFile(dataSetPath, record, false)) {
    ui.Message(DataSetWriteFailure(dataSetPath));
    return Failed(kFieldDailyFile);
  }
  int peakFlag = 1;
  if (usePeaks) {
    if (record.peakCount < 20 &&
        ui.Message(FewerThan20PeaksQuestion(record.peakCount), Buttons::YesNo) != Answer::Yes)
      return Failed(kFieldPeakFile);
    if (record.peakCount == 0) peakFlag = 0;
  } else {
    peakFlag = 0;
  }
  if (peakFlag == 1 && !WriteDataSetFile(dataSetPath, record, true)) {
    ui.Message(DataSetWriteFailure(dataSetPath));
    return Failed(kFieldDailyFile);
  }
  ui.Inform(kImportCompletedMessage);

  DailyValueImportResult result;
  result.ok = true;
  result.firstWaterYear = record.FirstYear();
  result.lastWaterYear = record.LastYear();
  result.yearCount = record.yearCount;
  result.peakCount = peakFlag == 1 ? record.peakCount : 0;
  result.peakFlag = peakFlag;
  form.beginningYear = result.firstWaterYear;
  form.endingYear = result.lastWaterYear;
  if (stored != nullptr) *stored = record;
  return result;
}

}  // namespace zelvo
