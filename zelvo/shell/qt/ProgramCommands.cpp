#include "zelvo/shell/qt/ProgramCommands.h"

#include "zelvo/analysis/ScorecardCommands.h"
#include "zelvo/graphs/qt/AlterationGraphDialog.h"
#include "zelvo/graphs/qt/GraphCommands.h"
#include "zelvo/shell/CommandBindings.h"

namespace zelvo::qt {

void BindProgramCommands(CommandTable& table) {
  BindCoreCommands(table);
  for (const GraphCommandHandler& graph : GraphCommandHandlers()) table.Bind(graph.id, graph.handler);
  // The scorecards show their graph after the report.
  table.Bind(kCmdProfileAlterationScorecard, [](AppState& app, Ui& ui) {
    if (const std::optional<ScorecardResult> result = ProfileAlterationScorecard(app, ui))
      OpenAlterationGraph(AlterationGraphOf(*result), ui);
  });
  table.Bind(kCmdAlternativeAlterationScorecard, [](AppState& app, Ui& ui) {
    if (const std::optional<ScorecardResult> result = AlternativeAlterationScorecard(app, ui))
      OpenAlterationGraph(AlterationGraphOf(*result), ui);
  });
}

}  // namespace zelvo::qt
