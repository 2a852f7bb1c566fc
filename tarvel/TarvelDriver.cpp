#include "tarvel/TarvelDriver.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "common/io/TextInput.h"
#include "common/io/WholeFile.h"
#include "tarvel/BatchFile.h"
#include "tarvel/StationClassification.h"

namespace zelvo::tarvel {

const char* FileLabel(int fileType) { return fileType == kCsvFile ? kCsvFileLabel : kDailyFileLabel; }

bool YearFieldsEnabled(int fileType) { return fileType != kCsvFile; }

namespace {

std::string ComputingStatus(int years) {
  char text[80];
  std::snprintf(text, sizeof text, "Computing HI values for %d years of data.", years);
  return text;
}

void SetProgress(Ui& ui, int position) {
  if (EngineProgress* progress = ui.Progress()) progress->SetPosition(position);
}

// Steps shared by both runs once the record is imported: status, progress bar, engine,
// classification. Leaves the result in the state.
void ComputeAndClassify(TarvelState& state, Ui& ui, TarvelView& view) {
  ui.SetStatus(ComputingStatus(state.record.yearCount));
  view.ShowProgressBar(true);
  state.inputs = ResetClassifierInputs();
  const StationClassification result = ClassifyFlowRecord(state.record, ui.Progress());
  state.inputs = result.inputs;
  state.scores = result.scores;
  state.classCode = result.classCode;
  ui.SetStatus("");
}

struct SkippedLine {
  int number;
  std::string text;
};

std::string SkippedLinesMessage(const std::vector<SkippedLine>& skipped) {
  constexpr std::size_t kListed = 10;
  std::string text =
      "These lines of the batch file do not hold a station id followed by the class and the "
      "beginning and ending water years; they were skipped:\n";
  for (std::size_t i = 0; i < skipped.size() && i < kListed; ++i)
    text += "\nline " + std::to_string(skipped[i].number) + ":  " + skipped[i].text;
  if (skipped.size() > kListed) text += "\n... and " + std::to_string(skipped.size() - kListed) + " more.";
  return text;
}

}  // namespace

AfterRun PressOk(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer) {
  state.batchFlag = false;
  if (state.fields.fileName == kBatchWord) return RunBatch(state, ui, view, importer);
  RunSingleStation(state, ui, view, importer);
  return AfterRun::StayOpen;
}

void RunSingleStation(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer) {
  if (state.fields.fileName.find_first_not_of(" \t") == std::string::npos) {
    ui.Message(kNoFileNameMessage);
    return;
  }
  ui.SetBusy(true);
  ui.SetStatus("Importing " + state.fields.fileName);
  StationImportRequest request;
  request.path = state.fields.fileName;
  request.fileType = state.fields.fileType;
  request.beginYear = state.fields.beginYear;
  request.endYear = state.fields.endYear;
  request.batch = false;
  if (!importer(request, state.record, ui)) {
    // A failed or abandoned import leaves no "Importing ..." behind.
    ui.SetStatus("");
    ui.SetBusy(false);
    return;
  }
  ComputeAndClassify(state, ui, view);
  ui.SetBusy(false);
  ClassificationScoresForm result;
  result.resultText = ClassificationResultText(state.classCode);
  ui.Edit(result);
  SetProgress(ui, progress::kIdle);
}

AfterRun RunBatch(TarvelState& state, Ui& ui, TarvelView& view, const StationImporter& importer) {
  state.batchFlag = true;
  BatchFileForm form;
  form.batchFile = DefaultBatchFilePath();
  form.outputFile = DefaultBatchOutputPath();
  if (!ui.Edit(form)) return AfterRun::CloseWindow;

  // The batch file is opened before the output file is created, so a wrong batch path never
  // truncates an earlier output.
  if (const Status apart = CheckOutputIsNotInput(form.outputFile, {form.batchFile}); !apart) {
    ui.Message(apart.Message());
    return AfterRun::StayOpen;
  }
  std::ifstream batch;
  if (!OpenInputFile(batch, form.batchFile)) {
    ui.Message("Can not open the batch file:  " + form.batchFile);
    return AfterRun::StayOpen;
  }
  // The output is built beside the old one and replaces it when the run ends (a run stopped by
  // a failed import keeps the stations classified so far).
  WholeFileWriter outputFile(form.outputFile);
  if (!outputFile.Opened()) {
    ui.Message("Can not open the output file:  " + form.outputFile);
    return AfterRun::StayOpen;
  }
  std::ostream& output = outputFile.Stream();
  output << kBatchOutputHeader;

  ui.SetBusy(true);
  std::vector<SkippedLine> skipped;
  AfterRun after = AfterRun::CloseWindow;
  std::string text;
  for (int lineNumber = 1; ReadTextLine(batch, text); ++lineNumber) {
    const BatchLine line = ParseBatchLine(text);
    if (line.kind == BatchLineKind::Blank) continue;
    if (line.kind == BatchLineKind::Malformed) {
      if (!text.empty() && text.back() == '\r') text.pop_back();
      skipped.push_back({lineNumber, text});
      continue;
    }
    const BatchStation& station = line.station;
    state.fields.fileName = StationPath(form.batchFile, station.stationId);
    state.fields.beginYear = station.beginYear;
    state.fields.endYear = station.endYear;
    view.ShowFields(state.fields);
    ui.SetStatus("Importing " + state.fields.fileName);

    StationImportRequest request;
    request.path = state.fields.fileName;
    request.fileType = state.fields.fileType;
    request.beginYear = station.beginYear;
    request.endYear = station.endYear;
    request.batch = true;
    if (!importer(request, state.record, ui)) {
      // A failed import ends the whole batch; the lines written so far stay in the output.
      ui.SetStatus("");
      after = AfterRun::StayOpen;
      break;
    }
    ComputeAndClassify(state, ui, view);
    output << BatchOutputLine(station, state.classCode);
    SetProgress(ui, progress::kIdle);
  }
  batch.close();
  const bool written = outputFile.Commit().Ok();
  ui.SetBusy(false);
  if (!written) {
    ui.Message("Can not write the output file:  " + form.outputFile);
    after = AfterRun::StayOpen;
  }
  if (!skipped.empty()) ui.Message(SkippedLinesMessage(skipped));
  return after;
}

std::optional<std::string> BrowseForDataFile(Ui& ui, const std::string& current) {
  FileDialogRequest request;
  request.title = "Open";
  request.filter = kBrowseFilter;
  request.mustExist = true;
  const std::size_t slash = current.rfind('/');
  if (slash != std::string::npos) request.initialFolder = current.substr(0, slash);
  return ui.OpenFileName(request);
}

std::string AboutText() {
  return "TARVEL\nVersion 1.0\n\n"
         "Classifies a stream as Intermittent Stable, Perennial Stable, Perennial Flashy or "
         "Intermittent Flashy from 22 hydrologic indices of its daily mean flows.\n\n"
         "Type \"batch\" as the file name to classify a list of stations.";
}

}  // namespace zelvo::tarvel
