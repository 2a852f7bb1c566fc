#pragma once
// --column mean|rule of the commands that read agency daily-value files: which column of a file
// with several value columns gives the flows. The default is the daily mean discharge column.

#include "cli/CliCommand.h"
#include "common/import/ValueColumns.h"
#include "common/io/Status.h"

namespace zelvo::cli {

// FlowColumnChoice::Mean unless the option says "rule"; fails for any other word.
Status ColumnOption(const CliArgs& args, FlowColumnChoice& column);

}  // namespace zelvo::cli
