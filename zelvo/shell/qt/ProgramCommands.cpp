#include "zelvo/shell/qt/ProgramCommands.h"

#include "zelvo/graphs/qt/GraphCommands.h"
#include "zelvo/shell/CommandBindings.h"

namespace zelvo::qt {

void BindProgramCommands(CommandTable& table) {
  BindCoreCommands(table);
  for (const GraphCommandHandler& graph : GraphCommandHandlers()) table.Bind(graph.id, graph.handler);
}

}  // namespace zelvo::qt
