#pragma once
// Every command of the desktop program bound to its operation: the core operations and the graph
// windows, which are Qt windows of their own.

#include "zelvo/shell/CommandTable.h"

namespace zelvo::qt {

void BindProgramCommands(CommandTable& table);

}  // namespace zelvo::qt
