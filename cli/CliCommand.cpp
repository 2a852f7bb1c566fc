#include "cli/CliCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "common/import/ImportForms.h"
#include "common/io/ClassicNumbers.h"

namespace zelvo::cli {

CliArgs::CliArgs(const std::vector<std::string>& args, const std::vector<std::string>& switches) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool isOption = a.size() > 1 && a[0] == '-' &&
                          !(a.size() > 1 && (std::isdigit(static_cast<unsigned char>(a[1])) || a[1] == '.'));
    if (!isOption) {
      positionals_.push_back(a);
      continue;
    }
    if (std::find(switches.begin(), switches.end(), a) != switches.end()) {
      options_[a] = "";
      continue;
    }
    if (i + 1 >= args.size()) {
      error_ = "the option " + a + " needs a value";
      continue;
    }
    options_[a] = args[++i];
  }
}

std::optional<std::string> CliArgs::Get(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

Status CliArgs::Number(const std::string& name, double& value) const {
  const auto text = Get(name);
  if (!text) return Status::Success();
  char* end = nullptr;
  const ClassicNumbers classic;
  const double v = std::strtod(text->c_str(), &end);
  if (text->empty() || end == nullptr || *end != '\0')
    return Status::Failure("the option " + name + " needs a number, not \"" + *text + "\"");
  value = v;
  return Status::Success();
}

Status IntOption(const CliArgs& args, const std::string& name, int lo, int hi, int& value) {
  if (!args.Get(name)) return Status::Success();
  double v = 0.0;
  if (Status read = args.Number(name, v); !read) return read;
  if (v != std::floor(v) || v < lo || v > hi)
    return Status::Failure("the option " + name + " needs a whole number from " + std::to_string(lo) +
                           " to " + std::to_string(hi));
  value = static_cast<int>(v);
  return Status::Success();
}

Status YearOption(const CliArgs& args, const std::string& name, int& year) {
  double value = 0.0;
  if (Status read = args.Number(name, value); !read) return read;
  if (value != static_cast<double>(static_cast<int>(value)) || value < 0)
    return Status::Failure("the option " + name + " needs a water year");
  year = static_cast<int>(value);
  return Status::Success();
}

Status KeepOption(const CliArgs& args, int& screeningChoice) {
  const std::string keep = args.Get("--keep").value_or("all");
  if (keep == "complete") {
    screeningChoice = MissingDataForm::kExcludeYearsWithMissingData;
  } else if (keep == "all") {
    screeningChoice = MissingDataForm::kImportAll;
  } else {
    return Status::Failure("the option --keep needs complete or all, not \"" + keep + "\"");
  }
  return Status::Success();
}

namespace {
std::map<std::string, CliCommand>& Registry() {
  static std::map<std::string, CliCommand> registry;
  return registry;
}
}  // namespace

bool RegisterCliCommand(const CliCommand& command) {
  Registry()[command.name] = command;
  return true;
}

const std::map<std::string, CliCommand>& CliCommands() { return Registry(); }

int Fail(const std::string& message) {
  std::cerr << "zelvo-cli: " << message << "\n";
  return 1;
}

void Note(const std::string& text) { std::cerr << "zelvo-cli: note: " << text << "\n"; }

int Usage(const char* usage) {
  std::cerr << "usage: zelvo-cli " << usage << "\n";
  return 2;
}

}  // namespace zelvo::cli
