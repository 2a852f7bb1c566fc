// zelvo-cli: the engine, the imports and the classification without a window, for scripts,
// pipelines and many gauges at once.

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

int main(int argc, char** argv) {
  using zelvo::cli::CliCommands;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << "zelvo-cli: hydrologic indices of daily stream-flow records\n\ncommands:\n";
    for (const auto& [name, command] : CliCommands()) std::cout << "  zelvo-cli " << command.usage << "\n";
    return argc < 2 ? 2 : 0;
  }
  const auto it = CliCommands().find(argv[1]);
  if (it == CliCommands().end()) {
    std::cerr << "zelvo-cli: unknown command \"" << argv[1] << "\" (zelvo-cli --help lists them)\n";
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  return it->second.run(args);
}
