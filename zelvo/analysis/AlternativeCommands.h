#pragma once
// The commands of alternative analysis that produce no report or graph, and the compute dialog
// that both analyses share.

#include <optional>
#include <string>

#include "common/ui/Ui.h"
#include "zelvo/analysis/ComputeIndices.h"

namespace zelvo {

struct AppState;

void SelectBaseline(AppState& app, Ui& ui);
void ComputeAlternativeIndices(AppState& app, Ui& ui);
void ExportIndexValues(AppState& app, Ui& ui);

// The compute dialog "Compute hydrologic indices for %s", opened with the last accepted values;
// on OK they become the new defaults. nullopt on Cancel.
std::optional<ComputeForm> AskComputeParameters(AppState& app, Ui& ui, const std::string& name);

// Runs the engine for data set `number` (1-based) with the dialog's values and `caption` on the
// first line of its results file; a failure is shown and the caller goes on.
void ComputeDataSetIndices(AppState& app, Ui& ui, int number, const ComputeForm& parameters,
                           const std::string& caption);

}  // namespace zelvo
