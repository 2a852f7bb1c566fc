// zelvo-cli yearly: the per-year series behind the indices of one gauge, one line per water year.

#include <cmath>
#include <cstdio>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/ColumnOption.h"
#include "cli/GaugeFiles.h"
#include "common/engine/YearlySeries.h"
#include "common/import/DailyValueReader.h"
#include "common/io/WholeFile.h"

namespace zelvo::cli {
namespace {

constexpr const char* kUsage =
    "yearly FILE -o YEARS.csv [--peak-file F] [--from Y] [--to Y] [--keep complete|all] [--column mean|rule]";

// Columns that count days or events are written as whole numbers.
bool WholeNumbers(const std::string& column) {
  for (const char* name :
       {"valid_days", "date_of_min", "date_of_max", "zero_days", "low_pulses", "high_pulses", "reversals"})
    if (column == name) return true;
  return false;
}

int RunYearly(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {});
  if (!args.Error().empty() || args.Positionals().size() != 1 || !args.Get("-o")) return Usage(kUsage);
  GaugeReadOptions read;
  read.peakFile = args.Get("--peak-file").value_or("");
  Status options = YearOption(args, "--from", read.fromYear);
  if (options) options = YearOption(args, "--to", read.toYear);
  if (options && read.toYear != 0 && read.toYear < read.fromYear)
    options = Status::Failure(kEndingBeforeStartingMessage);
  if (options) options = KeepOption(args, read.screeningChoice);
  if (options) options = ColumnOption(args, read.column);
  if (!options) {
    std::cerr << "zelvo-cli: " << options.Message() << "\n";
    return 2;
  }

  const std::string& path = args.Positionals()[0];
  Gauge gauge;
  if (Status s = ReadGauge(path, read, gauge); !s) return Fail(path + ": " + s.Message());
  const YearlySeries series = ComputeYearlySeries(gauge.record);

  if (const Status apart = CheckOutputIsNotInput(*args.Get("-o"), {path, read.peakFile}); !apart)
    return Fail(apart.Message());
  WholeFileWriter table(*args.Get("-o"));
  if (!table.Opened()) return Fail(table.Commit().Message());
  std::ostream& out = table.Stream();
  out << "water_year";
  for (const std::string& name : series.columnNames) out << "," << name;
  out << "\n";
  char buffer[64];
  for (std::size_t y = 0; y < series.waterYears.size(); ++y) {
    out << series.waterYears[y];
    for (std::size_t c = 0; c < series.columnNames.size(); ++c) {
      out << ",";
      const double v = series.values[c][y];
      if (std::isnan(v)) continue;  // no value
      std::snprintf(buffer, sizeof buffer, WholeNumbers(series.columnNames[c]) ? "%.0f" : "%.3f", v);
      out << buffer;
    }
    out << "\n";
  }
  if (Status s = table.Commit(); !s) return Fail(s.Message());
  return 0;
}

const bool registered = RegisterCliCommand({"yearly", kUsage, RunYearly});

}  // namespace
}  // namespace zelvo::cli
