#pragma once
// --column mean|rule of the commands that read agency daily-value files: which column of a file
// with several value columns gives the flows. The default is the daily mean discharge column.

#include <string>

#include "cli/CliCommand.h"
#include "common/import/ValueColumns.h"

namespace zelvo::cli {

// FlowColumnChoice::Mean unless the option says "rule"; `error` is set for any other word.
FlowColumnChoice ColumnOption(const CliArgs& args, std::string& error);

}  // namespace zelvo::cli
