#pragma once
// The report commands: index tables of a profile and of alternatives, comparison reports of two
// periods and of an alternative against the baseline, and the data set report. Each writes its
// file in the project folder and shows it.

#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

void DisplayProfileIndexTables(AppState& app, Ui& ui);
void DisplayAlternativeIndexTables(AppState& app, Ui& ui);
void GenerateProfileComparisonReport(AppState& app, Ui& ui);
void GenerateAlternativeComparisonReport(AppState& app, Ui& ui);
void DisplayDataSetReport(AppState& app, Ui& ui);

}  // namespace zelvo
