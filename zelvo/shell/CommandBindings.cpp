#include "zelvo/shell/CommandBindings.h"

#include "zelvo/analysis/AlternativeCommands.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/analysis/ProfileCommands.h"
#include "zelvo/analysis/ReportCommands.h"
#include "zelvo/store/DataSetCommands.h"
#include "zelvo/store/ImportCommands.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo {

void BindCoreCommands(CommandTable& table) {
  table.Bind(32826, NewProject);
  table.Bind(32827, OpenProject);
  table.Bind(32828, DeleteProject);
  table.Bind(32831, EditProject);

  table.Bind(32816, EditDefaultStreamClass);
  // The index sets of the eight groups, in group order.
  const int indexSetCommands[kIndexGroups] = {32817, 32818, 32819, 32820, 32821, 32822, 32842, 32843};
  for (int g = 0; g < kIndexGroups; ++g)
    table.Bind(indexSetCommands[g],
               [group = g + 1](AppState& app, Ui& ui) { EditDefaultIndexSet(app, ui, group); });
  table.Bind(32841, EditMedianOption);

  table.Bind(32778, ImportAgncData);
  table.Bind(32829, ImportAlternativeCsv);
  table.Bind(32774, EditDataSetData);
  table.Bind(32775, EditDataSetTitle);
  table.Bind(32772, ExportDataSetCsv);
  table.Bind(32777, CreateDataSetFromExisting);
  table.Bind(32800, DeleteDataSetCommand);
  table.Bind(32840, ExportIndexValues);
  table.Bind(32824, DisplayDataSetReport);

  table.Bind(32807, CreateTimePeriodProfile);
  table.Bind(32801, DeleteTimePeriodProfile);
  table.Bind(32779, ComputeProfileIndices);
  table.Bind(32825, DisplayProfileIndexTables);
  table.Bind(32832, GenerateProfileComparisonReport);

  table.Bind(32834, SelectBaseline);
  table.Bind(32835, ComputeAlternativeIndices);
  table.Bind(32838, DisplayAlternativeIndexTables);
  table.Bind(32833, GenerateAlternativeComparisonReport);
}

}  // namespace zelvo
