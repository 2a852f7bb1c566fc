#include "zelvo/shell/CommandBindings.h"

#include "zelvo/analysis/AlternativeCommands.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/analysis/ProfileCommands.h"
#include "zelvo/analysis/ReportCommands.h"
#include "zelvo/analysis/ScorecardCommands.h"
#include "zelvo/session/CommandIds.h"
#include "zelvo/store/DataSetCommands.h"
#include "zelvo/store/ImportCommands.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo {

void BindCoreCommands(CommandTable& table) {
  table.Bind(kCmdNewProject, NewProject);
  table.Bind(kCmdOpenProject, OpenProject);
  table.Bind(kCmdDeleteProject, DeleteProject);
  table.Bind(kCmdEditProject, EditProject);

  table.Bind(kCmdDefaultStreamClass, EditDefaultStreamClass);
  // The index sets of the eight groups, in group order.
  for (int g = 0; g < kIndexGroups; ++g)
    table.Bind(kCmdIndexSets[g],
               [group = g + 1](AppState& app, Ui& ui) { EditDefaultIndexSet(app, ui, group); });
  table.Bind(kCmdModifyIndices, EditMedianOption);

  table.Bind(kCmdImportAgncData, ImportAgncData);
  table.Bind(kCmdImportAlternativeCsv, ImportAlternativeCsv);
  table.Bind(kCmdEditDataSetData, EditDataSetData);
  table.Bind(kCmdEditDataSetTitle, EditDataSetTitle);
  table.Bind(kCmdExportDataSetCsv, ExportDataSetCsv);
  table.Bind(kCmdCreateDataSetFromExisting, CreateDataSetFromExisting);
  table.Bind(kCmdDeleteDataSet, DeleteDataSetCommand);
  table.Bind(kCmdExportIndexValues, ExportIndexValues);
  table.Bind(kCmdDataSetReport, DisplayDataSetReport);

  table.Bind(kCmdCreateTimePeriodProfile, CreateTimePeriodProfile);
  table.Bind(kCmdDeleteTimePeriodProfile, DeleteTimePeriodProfile);
  table.Bind(kCmdComputeProfileIndices, ComputeProfileIndices);
  table.Bind(kCmdProfileIndexTables, DisplayProfileIndexTables);
  table.Bind(kCmdProfileComparisonReport, GenerateProfileComparisonReport);
  table.Bind(kCmdProfileAlterationScorecard,
             [](AppState& app, Ui& ui) { ProfileAlterationScorecard(app, ui); });

  table.Bind(kCmdSelectBaseline, SelectBaseline);
  table.Bind(kCmdComputeAlternativeIndices, ComputeAlternativeIndices);
  table.Bind(kCmdAlternativeIndexTables, DisplayAlternativeIndexTables);
  table.Bind(kCmdAlternativeComparisonReport, GenerateAlternativeComparisonReport);
  table.Bind(kCmdAlternativeAlterationScorecard,
             [](AppState& app, Ui& ui) { AlternativeAlterationScorecard(app, ui); });
}

}  // namespace zelvo
