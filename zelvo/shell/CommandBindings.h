#pragma once
// Binds each core operation that is part of the program to its command of the table.

#include "zelvo/shell/CommandTable.h"

namespace zelvo {

void BindCoreCommands(CommandTable& table);

}  // namespace zelvo
