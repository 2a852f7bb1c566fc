#pragma once
// zelvo-cli's subcommands register themselves here; main() dispatches on the first argument.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/io/Status.h"

namespace zelvo::cli {

// Arguments after the subcommand: "--flag value" options, "--switch" flags and positionals.
class CliArgs {
 public:
  // `switches` names the options that take no value (e.g. "--peaks").
  CliArgs(const std::vector<std::string>& args, const std::vector<std::string>& switches);

  const std::vector<std::string>& Positionals() const { return positionals_; }
  bool Has(const std::string& name) const { return options_.count(name) != 0; }
  std::optional<std::string> Get(const std::string& name) const;
  // A number option into `value`; fails when present and not a number. `value` changes only
  // when the option is present and a number.
  Status Number(const std::string& name, double& value) const;
  const std::string& Error() const { return error_; }

 private:
  std::vector<std::string> positionals_;
  std::map<std::string, std::string> options_;
  std::string error_;
};

// An integer option into `value`; fails when present and not a whole number within `lo`..`hi`.
Status IntOption(const CliArgs& args, const std::string& name, int lo, int hi, int& value);
// A water year option into `year` (0 when absent); fails when present and not a whole number.
Status YearOption(const CliArgs& args, const std::string& name, int& year);
// --keep complete|all into the screening choice: complete drops every year with a missing day,
// all (the default) only the years without data.
Status KeepOption(const CliArgs& args, int& screeningChoice);

struct CliCommand {
  const char* name;
  const char* usage;  // one line
  int (*run)(const std::vector<std::string>& args);
};

bool RegisterCliCommand(const CliCommand& command);
const std::map<std::string, CliCommand>& CliCommands();

// Prints "zelvo-cli: <message>" on standard error and returns 1.
int Fail(const std::string& message);
// Prints the usage line of a command on standard error and returns 2.
int Usage(const char* usage);
// Prints "zelvo-cli: note: <text>" on standard error.
void Note(const std::string& text);

}  // namespace zelvo::cli
