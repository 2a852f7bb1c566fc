// zelvo-cli: the engine, the imports and the classification without a window, for scripts,
// pipelines and many gauges at once.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace {

// After the commands: what a user needs beyond the usage lines. The manual page is made from
// this text too.
constexpr const char* kHelpNotes =
    "\nnotes:\n"
    "  compute writes the results file of the 171 hydrologic indices of a data set file (the one\n"
    "  zelvo keeps as hiout_N.csv): value, lower and upper limit of each index. --area is the\n"
    "  drainage area in square miles (default 1), --lower and --upper the percentiles of the\n"
    "  limits (default 25 and 75), --peaks uses the file's annual peaks, --median the median of\n"
    "  the per-year values where zelvo's median option does.\n"
    "\n"
    "  import reads an agency daily-value file (with --peak-file, its annual peak-flow file) into a\n"
    "  data set file as zelvo does. The missing-data report goes to standard output; --keep\n"
    "  complete drops every year with a missing day, --keep all (the default) only the years\n"
    "  without data; every other question is answered Yes. A file with several value columns may\n"
    "  give a line's flow from another column than the daily mean discharge: a note on standard\n"
    "  error names those columns, --column mean (the default) reads the daily mean discharge\n"
    "  column, --column rule the third value of a line, else its first.\n"
    "\n"
    "  indices computes the 171 indices of many gauges into one table, one line per gauge in the\n"
    "  order given (a folder stands for every file in it): agency daily-value files (read and\n"
    "  screened as import does, --peak-dir pairs each with the peak-flow file of its site number),\n"
    "  CSV files and data set files, told apart by their content. --areas names a file of\n"
    "  site,drainage area lines (1.0 where a site has none). A gauge that cannot be read is left\n"
    "  out and named on standard error; the values equal those of import followed by compute.\n"
    "  Exit status 1 when a gauge failed (the table is still written).\n"
    "\n"
    "  yearly writes the per-year series behind the indices of one gauge: one line per water year\n"
    "  with valid days, annual mean and median, the 1- to 90-day minima and maxima, the days of the\n"
    "  water year of the annual minimum and maximum, zero-flow days, base-flow ratio, pulse counts\n"
    "  and durations, rise and fall rates, reversals and the monthly means (empty: no value).\n"
    "\n"
    "  classify prints the 22 classifier inputs and the stream class of one file as tarvel\n"
    "  computes them; batch runs a tarvel batch list (station id,class,first year,last year per\n"
    "  line, station files in the list's folder) on N threads and writes the lines in input order.\n"
    "  --csv reads alternative CSV files instead of agency daily-value files.\n"
    "\n"
    "  scorecard scores how often the years of ALTERED_FILE fall below, inside and above the range\n"
    "  the years of BASE_FILE held, for every quantity of the per-year series (data set files as\n"
    "  compute reads them). The categories are split at the 33rd and 67th percentiles of the\n"
    "  baseline years, at two percentiles of your choice with --bounds L,U, or at the baseline mean\n"
    "  minus and plus one standard deviation with --parametric; a value equal to a boundary is\n"
    "  middle. With --split YEAR and one file, its years before YEAR are the baseline and the\n"
    "  others the altered period. OUT.csv holds one line per quantity: the boundaries, the medians\n"
    "  and their deviation factor, the coefficients of dispersion, and the observed and expected\n"
    "  years and the hydrologic alteration in percent of each category (N/A where nothing is\n"
    "  expected).\n"
    "\n"
    "exit status:\n"
    "  0 on success; on failure the message on standard error and a non-zero status (2 for a\n"
    "  command line that does not fit the usage).\n";

// Whether everything printed on standard output reached it: a full disk or a closed pipe behind
// it is a failed run, whatever the command thought.
bool StandardOutputWritten() {
  std::cout.flush();
  const bool written = static_cast<bool>(std::cout) && std::fflush(stdout) == 0 && !std::ferror(stdout);
  if (!written) std::cerr << "zelvo-cli: can not write standard output\n";
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  using zelvo::cli::CliCommands;
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << "zelvo-cli: hydrologic indices of daily stream-flow records\n\ncommands:\n";
    for (const auto& [name, command] : CliCommands()) std::cout << "  zelvo-cli " << command.usage << "\n";
    std::cout << kHelpNotes;
    if (!StandardOutputWritten()) return 1;
    return argc < 2 ? 2 : 0;
  }
  const auto it = CliCommands().find(argv[1]);
  if (it == CliCommands().end()) {
    std::cerr << "zelvo-cli: unknown command \"" << argv[1] << "\" (zelvo-cli --help lists them)\n";
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  const int status = it->second.run(args);
  return StandardOutputWritten() ? status : (status != 0 ? status : 1);
}
