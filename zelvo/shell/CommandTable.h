#pragma once
// The command table of the main program: every menu item and tool bar button, with its command
// id, where it sits in the menu, its status-bar text, whether it needs an open project, its tool
// bar slot and the core operation it runs. The window builds its menu and tool bar from this
// table and asks it whether a command is enabled, so the enabling rule is tested without widgets.

#include <functional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/CommandIds.h"

namespace zelvo {

using CommandHandler = std::function<void(AppState&, Ui&)>;

enum class CommandBinding {
  Core,    // runs `handler`
  Window,  // carried out by the main window itself (exit, help, About box)
  NotYet,  // listed, but its operation is not part of the program yet
};

struct Command {
  int id = 0;
  std::vector<std::string>
      menuPath;            // {"File", "Preferences...", "Hydrologic Indices"}; empty: no menu entry
  std::string text;        // menu text, "New Project"
  std::string statusText;  // fly-by help in the status bar
  std::string toolTip;     // tool bar tool tip; empty for commands without a button
  bool needsProject = false;
  int toolBarSlot = -1;          // position on the tool bar counting separators; -1: no button
  bool separatorBefore = false;  // a menu separator above this item
  CommandBinding binding = CommandBinding::NotYet;
  CommandHandler handler;
};

// Status text of a command whose operation is not part of the program yet.
std::string NotAvailableText(const Command& command);

class CommandTable {
 public:
  // The full table in menu order. Exit, help, About and context help are carried out by the
  // window; every other command is NotYet until its core operation is bound.
  CommandTable();

  const std::vector<Command>& Commands() const { return commands_; }
  const Command* Find(int id) const;

  // Binds a core operation to a command (the command becomes available).
  void Bind(int id, CommandHandler handler);
  // Marks a command as carried out by the window.
  void BindToWindow(int id);

  // The enabling rule: a command is enabled when it is bound and, if it needs a project, one is
  // open.
  bool Enabled(int id, const AppState& app) const;
  // The status-bar text shown while the pointer is on the command.
  std::string StatusText(int id) const;

  // Tool bar layout left to right: command ids, 0 for a separator.
  std::vector<int> ToolBarLayout() const;

  // Runs a bound core command. Returns false (and does nothing) when it is disabled.
  bool Run(int id, AppState& app, Ui& ui) const;

 private:
  Command* FindMutable(int id);
  std::vector<Command> commands_;
};

}  // namespace zelvo
