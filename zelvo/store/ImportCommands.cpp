#include "zelvo/store/ImportCommands.h"

#include "common/engine/TextFormat.h"
#include "common/import/ImportForms.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/session/AppState.h"
#include "zelvo/store/DataSetForms.h"
#include "zelvo/store/ImportAlternativeCsv.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

// The title and description dialog with empty fields, then the stream class dialog preset to
// the default stream class. False when either was cancelled.
bool AskTitleAndClass(const AppState& app, Ui& ui, TitleDescriptionForm& titles) {
  titles.streamClass = app.preferences.defaultStreamClass;
  if (!EditForm<TitleDescriptionForm>(ui, titles, CheckTitleDescription)) return false;
  StreamClassForm streamClass;
  streamClass.streamClass = app.preferences.defaultStreamClass;
  if (!ui.Edit(streamClass)) return false;
  titles.streamClass = streamClass.streamClass;
  return true;
}

// Appends the entry of the data set just written as number count + 1 and rewrites ds_directory.
void Register(AppState& app, Ui& ui, const TitleDescriptionForm& titles, int first, int last, int peakFlag) {
  DataSetEntry entry;
  entry.title = titles.title;
  entry.description = titles.description;
  entry.SetWaterYears(first, last);
  entry.fileName = DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
  entry.streamClass = titles.streamClass;
  entry.peakFlag = peakFlag;
  std::vector<DataSetEntry> entries = app.dataSets;
  entries.push_back(entry);
  if (!WriteDataSetDirectory(app.projectFolder, entries)) {
    ui.Message(Format("The data set directory could not be written to %s.",
                      (app.projectFolder / kDataSetDirectoryName).string().c_str()));
    return;
  }
  app.dataSets = std::move(entries);
}

}  // namespace

FileDialogRequest ImportBrowseRequest() {
  FileDialogRequest request;
  request.filter = "Data Files (*.*)|*.*|All Files (*.*)|*.*||";
  request.mustExist = true;
  return request;
}

void BrowseForImportFile(Ui& ui, std::string& field) {
  if (std::optional<std::string> path = ui.OpenFileName(ImportBrowseRequest())) field = *path;
}

void ImportAgncData(AppState& app, Ui& ui) {
  if (!NewDataSetNumber(app.dataSets)) {
    ui.Message(kDataSetLimitMessage);
    return;
  }
  TitleDescriptionForm titles;
  if (!AskTitleAndClass(app, ui, titles)) return;
  ImportAgncForm form;
  const fs::path dataSetPath = app.projectFolder / DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
  DailyValueImportResult result;
  // OK runs the whole import; the dialog stays open until one succeeds.
  auto runImport = [&](ImportAgncForm& f) -> std::optional<FieldMessage> {
    result = ImportDailyValueFile(ui, f, dataSetPath);
    if (result.ok) return std::nullopt;
    return result.failure;
  };
  if (!EditForm<ImportAgncForm>(ui, form, runImport) || !result.ok) return;
  Register(app, ui, titles, result.firstWaterYear, result.lastWaterYear, result.peakFlag);
}

void ImportAlternativeCsv(AppState& app, Ui& ui) {
  if (!NewDataSetNumber(app.dataSets)) {
    ui.Message(kDataSetLimitMessage);
    return;
  }
  AlternativeFileForm file;
  auto check = [](AlternativeFileForm& f) { return CheckAlternativeCsvFile(f.path); };
  if (!EditForm<AlternativeFileForm>(ui, file, check)) return;
  TitleDescriptionForm titles;
  if (!AskTitleAndClass(app, ui, titles)) return;
  const fs::path dataSetPath = app.projectFolder / DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
  const CsvImportResult result = ImportAlternativeCsvFile(ui, file.path, dataSetPath);
  if (!result.ok) return;
  Register(app, ui, titles, result.firstWaterYear, result.lastWaterYear, result.peakFlag);
}

}  // namespace zelvo
