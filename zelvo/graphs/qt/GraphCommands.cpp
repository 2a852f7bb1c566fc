#include "zelvo/graphs/qt/GraphCommands.h"

#include <QApplication>
#include <QScreen>

#include "zelvo/graphs/GraphicsPreferences.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/graphs/qt/GraphUi.h"
#include "zelvo/graphs/qt/IndexGraphDialog.h"

namespace zelvo::qt {
namespace {

// The graph windows open large, but never larger than the screen's room for windows.
void ResizeWithinScreen(QDialog& dialog, QSize wanted) {
  if (const QScreen* screen = dialog.screen()) wanted = wanted.boundedTo(screen->availableGeometry().size());
  dialog.resize(wanted);
}

}  // namespace

void OpenFlowGraph(const AppState& app, Ui& ui, FlowWindowKind kind, QWidget* parent) {
  if (const std::optional<std::string> why = FlowGraphWindow::CannotOpen(app, kind)) {
    ui.Message(*why);
    return;
  }
  FlowGraphDialog dialog(app, kind, ui, parent != nullptr ? parent : QApplication::activeWindow());
  ResizeWithinScreen(dialog, QSize(1180, 760));
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
  ResizeWithinScreen(dialog, QSize(1180, 760));
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
