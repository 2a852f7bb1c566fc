#include "cli/ColumnOption.h"

namespace zelvo::cli {

FlowColumnChoice ColumnOption(const CliArgs& args, std::string& error) {
  const std::string word = args.Get("--column").value_or("mean");
  if (word == "mean") return FlowColumnChoice::Mean;
  if (word == "rule") return FlowColumnChoice::Rule;
  error = "the option --column needs mean or rule, not \"" + word + "\"";
  return FlowColumnChoice::Mean;
}

}  // namespace zelvo::cli
