#include "zelvo/analysis/AlternativeCommands.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "common/engine/TextFormat.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SaveFile.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/store/DataSetCommands.h"

namespace zelvo {

std::optional<ComputeForm> AskComputeParameters(AppState& app, Ui& ui, const std::string& name) {
  ComputeForm form;
  form.caption = Format("Compute hydrologic indices for %s", name.c_str());
  form.note = ComputeFormNote(app.preferences.medianOption);
  form.drainageArea = app.computeDrainageArea;
  form.lowerPercentile = app.computeLowerPercentile;
  form.upperPercentile = app.computeUpperPercentile;
  if (!EditForm<ComputeForm>(ui, form, CheckComputeForm)) return std::nullopt;
  app.computeDrainageArea = form.drainageArea;
  app.computeLowerPercentile = form.lowerPercentile;
  app.computeUpperPercentile = form.upperPercentile;
  return form;
}

void ComputeDataSetIndices(AppState& app, Ui& ui, int number, const ComputeForm& parameters,
                           const std::string& caption) {
  const DataSetEntry& entry = app.dataSets[number - 1];
  ComputeRequest request;
  request.dataSetPath = app.projectFolder / entry.fileName;
  request.resultsPath = app.projectFolder / HiOutputFileName(number);
  request.peakFlag = entry.peakFlag;
  request.drainageArea = parameters.drainageArea;
  request.lowerPercentile = parameters.lowerPercentile;
  request.upperPercentile = parameters.upperPercentile;
  request.medianOption = app.preferences.medianOption;
  request.title = caption;
  if (const Status computed = ComputeIndices(request, ui.Progress()); !computed)
    ui.Message(computed.Message());
}

void SelectBaseline(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to select from.");
    return;
  }
  const std::optional<DataSetChoice> choice = SelectDataSet(app, ui, kSelectBaseline);
  if (!choice) return;
  app.baseline = choice->index + 1;
  // A baseline that cannot be stored stays chosen for this session.
  WriteBaseline(app.projectFolder, app.baseline);
}

void ComputeAlternativeIndices(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets.");
    return;
  }
  const std::optional<int> index = PickDataSet(app, ui, kSelectToCompute);
  if (!index) return;
  const std::string title = app.dataSets[*index].title;
  const std::optional<ComputeForm> parameters = AskComputeParameters(app, ui, title);
  if (!parameters) return;
  ui.SetBusy(true);
  ui.SetStatus("Processing:  " + title);
  ComputeDataSetIndices(app, ui, *index + 1, *parameters, title);
  ui.SetStatus("");
  ui.SetBusy(false);
}

void ExportIndexValues(AppState& app, Ui& ui) {
  if (app.dataSets.empty()) {
    ui.Message("There are no data sets to select from.");
    return;
  }
  const std::optional<DataSetChoice> choice = SelectDataSet(app, ui, kSelectToExportHiValues);
  if (!choice) return;
  FileDialogRequest request = CsvSaveRequest();
  request.title = "Export HI Values As .CSV File";
  if (const char* home = std::getenv("HOME")) request.initialFolder = home;
  const std::optional<std::string> target = AskSaveFile(ui, request);
  if (!target) return;
  // The export is the results file byte for byte.
  const std::filesystem::path source = app.projectFolder / HiOutputFileName(choice->index + 1);
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    ui.Message(HiOutputOpenFailure(source));
    return;
  }
  std::ostringstream results;
  results << in.rdbuf();
  SaveWholeFile(ui, *target, results.str());
}

}  // namespace zelvo
