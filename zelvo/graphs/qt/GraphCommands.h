#pragma once
// The graph commands of the menu: the five graph windows and the graphics preferences, as
// handlers the command table binds to their ids.

#include <functional>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/IndexGraphWindow.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/CommandIds.h"

class QWidget;

namespace zelvo::qt {

// Opens a flow graph window modally (or shows why it cannot open).
void OpenFlowGraph(const AppState& app, Ui& ui, FlowWindowKind kind, QWidget* parent = nullptr);
// Opens an index graph window modally (or shows why it cannot open).
void OpenIndexGraph(AppState& app, Ui& ui, IndexWindowKind kind, QWidget* parent = nullptr);

struct GraphCommandHandler {
  int id = 0;
  std::function<void(AppState&, Ui&)> handler;
};
// One handler per graph command id, for the command table to bind.
std::vector<GraphCommandHandler> GraphCommandHandlers();

}  // namespace zelvo::qt
