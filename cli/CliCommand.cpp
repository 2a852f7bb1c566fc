#include "cli/CliCommand.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

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
