#include "cli/ColumnOption.h"

#include <string>

namespace zelvo::cli {

Status ColumnOption(const CliArgs& args, FlowColumnChoice& column) {
  const std::string word = args.Get("--column").value_or("mean");
  if (word == "mean") {
    column = FlowColumnChoice::Mean;
  } else if (word == "rule") {
    column = FlowColumnChoice::Rule;
  } else {
    return Status::Failure("the option --column needs mean or rule, not \"" + word + "\"");
  }
  return Status::Success();
}

}  // namespace zelvo::cli
