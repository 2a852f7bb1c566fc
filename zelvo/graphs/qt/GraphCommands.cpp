#include "zelvo/graphs/qt/GraphCommands.h"

#include <QApplication>

#include "zelvo/graphs/GraphicsPreferences.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/graphs/qt/GraphUi.h"
#include "zelvo/graphs/qt/IndexGraphDialog.h"

namespace zelvo::qt {

void OpenFlowGraph(const AppState& app, Ui& ui, FlowWindowKind kind, QWidget* parent) {
  if (const std::optional<std::string> why = FlowGraphWindow::CannotOpen(app, kind)) {
    ui.Message(*why);
    return;
  }
  FlowGraphDialog dialog(app, kind, ui, parent != nullptr ? parent : QApplication::activeWindow());
  dialog.resize(1180, 760);
  dialog.exec();
}

void OpenIndexGraph(AppState& app, Ui& ui, IndexWindowKind kind, QWidget* parent) {
  {
    IndexGraphWindow probe(app, kind);
    if (const std::optional<std::string> why = probe.CannotOpen()) {
      ui.Message(*why);
      return;
    }
  }
  IndexGraphDialog dialog(app, kind, ui, parent != nullptr ? parent : QApplication::activeWindow());
  dialog.resize(1180, 760);
  dialog.exec();
}

std::vector<GraphCommandHandler> GraphCommandHandlers() {
  return {
      {kCmdGraphicsPreferences,
       [](AppState& app, Ui& ui) {
         GraphUi graphUi(ui, QApplication::activeWindow());
         EditGraphicsPreferences(app, graphUi);
       }},
      {kCmdGraphDataSet, [](AppState& app, Ui& ui) { OpenFlowGraph(app, ui, FlowWindowKind::DataSets); }},
      {kCmdGraphTimePeriodData,
       [](AppState& app, Ui& ui) { OpenFlowGraph(app, ui, FlowWindowKind::TimePeriods); }},
      {kCmdGraphAlternativeData,
       [](AppState& app, Ui& ui) { OpenFlowGraph(app, ui, FlowWindowKind::Alternatives); }},
      {kCmdGraphProfileIndices,
       [](AppState& app, Ui& ui) { OpenIndexGraph(app, ui, IndexWindowKind::Profiles); }},
      {kCmdGraphAlternativeIndices,
       [](AppState& app, Ui& ui) { OpenIndexGraph(app, ui, IndexWindowKind::Alternatives); }},
  };
}

}  // namespace zelvo::qt
