#pragma once
// The five commands on an existing data set: edit its title, description and stream class, edit
// its daily values in a grid, copy a span of its years into a new data set, export it as a CSV
// file, and delete it. Each picks its data set first: the only one without asking, otherwise
// through the data set selection dialog in the command's mode.

#include <optional>

#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

void EditDataSetTitle(AppState& app, Ui& ui);
void EditDataSetData(AppState& app, Ui& ui);
void CreateDataSetFromExisting(AppState& app, Ui& ui);
void ExportDataSetCsv(AppState& app, Ui& ui);
void DeleteDataSetCommand(AppState& app, Ui& ui);

// The data set a command works on (0-based): the only one without a dialog, else the one chosen
// in the selection dialog of `mode`; nullopt on Cancel or when the project holds none.
std::optional<int> PickDataSet(AppState& app, Ui& ui, int mode);

// "This data set belongs to the time period profile:  %s.\n\nYou must delete the profile to delete
// it." when data set `number` (1-based) is a period of a profile.
std::optional<std::string> ProfileGuardMessage(const AppState& app, int number);

}  // namespace zelvo
