// zelvo-cli indices: every index of every gauge of a network in one table, one line per gauge,
// computed on several threads and written in input order.

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/ColumnOption.h"
#include "cli/GaugeFiles.h"
#include "cli/OrderedWork.h"
#include "common/engine/HiOutputFile.h"
#include "common/engine/IndexEngine.h"
#include "common/engine/TextFormat.h"
#include "common/import/DailyValueReader.h"
#include "common/io/TextInput.h"
#include "common/io/WholeFile.h"
#include "zelvo/analysis/ComputeIndices.h"

namespace zelvo::cli {
namespace {

constexpr const char* kUsage =
    "indices FILE... -o TABLE.csv [--peak-dir DIR] [--areas AREAS.csv] [--from Y] [--to Y] "
    "[--keep complete|all] [--column mean|rule] [--lower L] [--upper U] [--median] [--jobs N]";

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\"");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\"");
  return text.substr(first, last - first + 1);
}

// AREAS.csv: "site,drainage area" lines; a first line whose area is not a number is a header.
Status ReadAreas(const std::string& path, std::map<std::string, float>& areas) {
  std::ifstream in;
  if (!OpenInputFile(in, path)) return Status::Failure("Can not open the areas file:  " + path);
  std::string line;
  for (int n = 1; ReadTextLine(in, line); ++n) {
    if (Trimmed(line).empty()) continue;
    const auto comma = line.find(',');
    const std::string site = Trimmed(line.substr(0, comma));
    const std::string text = comma == std::string::npos ? std::string() : Trimmed(line.substr(comma + 1));
    char* end = nullptr;
    const double area = std::strtod(text.c_str(), &end);
    const bool number = !text.empty() && end != nullptr && *end == '\0';
    if (!number && n == 1) continue;  // a header line
    if (!number || !(area > 0.0) || site.empty())
      return Status::Failure(path + ": line " + std::to_string(n) +
                             " is not a site number and a drainage area above 0: " + Trimmed(line));
    areas[site] = static_cast<float>(area);
  }
  return Status::Success();
}

std::string Header() {
  std::string h = "file,site,first_year,last_year,years,peaks,area";
  for (int i = 0; i < kIndexCount; ++i) {
    const std::string name(IndexName(i));
    h += ',';
    h += name;
    h += ',';
    h += name;
    h += "_lower,";
    h += name;
    h += "_upper";
  }
  return h + "\n";
}

void AppendNumber(std::string& line, float value) {
  // A limit that overflowed was not computed: an empty field, as NC.
  if (!std::isfinite(value)) {
    line += ',';
    return;
  }
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, ",%.3f", static_cast<double>(value));
  line.append(buffer, static_cast<std::size_t>(n));
}

// The index fields of one gauge: the numbers its results file row holds, NC fields empty.
void AppendIndices(std::string& line, const IndexResults& results) {
  for (int i = 0; i < kIndexCount; ++i) {
    const IndexResult& r = results[i];
    switch (HiRowFieldsOf(i, results)) {
      case HiRowFields::None:
        line += ",,,";
        break;
      case HiRowFields::Value:
        AppendNumber(line, r.value);
        line += ",,";
        break;
      case HiRowFields::Full:
        AppendNumber(line, r.value);
        AppendNumber(line, r.lower);
        AppendNumber(line, r.upper);
        break;
    }
  }
}

struct Outcome {
  std::string line;     // the table line, empty when the gauge failed
  std::string problem;  // "FILE: message" when it failed
};

// "1234/10000 gauges, 12 failed, 38 s left" on a terminal, at most ten times a second.
class ProgressLine {
 public:
  ProgressLine(std::size_t total) : total_(total), shown_(isatty(STDERR_FILENO) == 1) {
    start_ = last_ = std::chrono::steady_clock::now();
  }
  void Update(std::size_t done, int failed) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (done < total_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double left =
        done > 0 ? elapsed / static_cast<double>(done) * static_cast<double>(total_ - done) : 0.0;
    std::cerr << "\r" << done << "/" << total_ << " gauges, " << failed << " failed, " << std::lround(left)
              << " s left\033[K" << std::flush;
  }
  // Clears the line before a message is printed, and at the end.
  void Clear() {
    if (shown_) std::cerr << "\r\033[K" << std::flush;
  }

 private:
  std::size_t total_;
  bool shown_;
  std::chrono::steady_clock::time_point start_, last_;
};

int RunIndices(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {"--median"});
  if (!args.Error().empty() || args.Positionals().empty() || !args.Get("-o")) return Usage(kUsage);
  auto bad = [](const std::string& message) {
    std::cerr << "zelvo-cli: " << message << "\n";
    return 2;
  };

  GaugeReadOptions read;
  if (Status s = YearOption(args, "--from", read.fromYear); !s) return bad(s.Message());
  if (Status s = YearOption(args, "--to", read.toYear); !s) return bad(s.Message());
  if (read.toYear != 0 && read.toYear < read.fromYear) return bad(kEndingBeforeStartingMessage);
  if (Status s = KeepOption(args, read.screeningChoice); !s) return bad(s.Message());
  if (Status s = ColumnOption(args, read.column); !s) return bad(s.Message());
  double lower = 25.0, upper = 75.0;
  if (Status s = args.Number("--lower", lower); !s) return bad(s.Message());
  if (Status s = args.Number("--upper", upper); !s) return bad(s.Message());
  ComputeForm form;
  form.drainageArea = 1.0f;
  form.lowerPercentile = static_cast<float>(lower);
  form.upperPercentile = static_cast<float>(upper);
  if (const auto problem = CheckComputeForm(form)) return bad(problem->text);
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  int jobs = cores > 0 ? cores : 1;
  if (Status s = IntOption(args, "--jobs", 1, 1024, jobs); !s) return bad(s.Message());

  std::map<std::string, std::string> peakFiles;
  if (const auto dir = args.Get("--peak-dir"))
    if (Status s = IndexPeakFolder(*dir, peakFiles); !s) return bad(s.Message());
  std::map<std::string, float> areas;
  if (const auto path = args.Get("--areas"))
    if (Status s = ReadAreas(*path, areas); !s) return bad(s.Message());
  std::vector<std::string> files;
  if (Status s = ExpandGaugeArguments(args.Positionals(), files); !s) return bad(s.Message());

  for (const std::string& file : files)
    if (const Status apart = CheckOutputIsNotInput(*args.Get("-o"), {file}); !apart)
      return Fail(apart.Message());
  WholeFileWriter table(*args.Get("-o"));
  if (!table.Opened()) return Fail(table.Commit().Message());
  table.Stream() << Header();

  EngineOptions engine;
  engine.lowerPercentile = form.lowerPercentile;
  engine.upperPercentile = form.upperPercentile;
  engine.medianOption = args.Has("--median");

  auto work = [&](std::size_t i) {
    Outcome outcome;
    const std::string& path = files[i];
    Gauge gauge;
    GaugeReadOptions options = read;
    options.peakFiles = &peakFiles;
    if (Status s = ReadGauge(path, options, gauge); !s) {
      outcome.problem = path + ": " + s.Message();
      return outcome;
    }
    const auto area = areas.find(gauge.site);
    const bool known = !gauge.site.empty() && area != areas.end();
    EngineOptions o = engine;
    o.drainageArea = known ? area->second : 1.0f;
    o.usePeaks = gauge.peaks;
    const IndexResults results = RunIndexEngine(gauge.record, o);
    std::string& line = outcome.line;
    line.reserve(8192);
    line = CsvField(path) + "," + CsvField(gauge.site) + "," + std::to_string(gauge.record.FirstYear()) +
           "," + std::to_string(gauge.record.LastYear()) + "," + std::to_string(gauge.record.yearCount) +
           "," + std::to_string(gauge.peaks ? gauge.record.peakCount : 0);
    AppendNumber(line, o.drainageArea);
    if (!known) line += " (default)";
    AppendIndices(line, results);
    line += "\n";
    return outcome;
  };

  ProgressLine progress(files.size());
  std::size_t done = 0;
  int written = 0, failed = 0;
  auto deliver = [&](std::size_t, Outcome& outcome) {
    ++done;
    if (outcome.problem.empty()) {
      table.Stream() << outcome.line;
      table.Drain();
      ++written;
    } else {
      ++failed;
      progress.Clear();
      std::cerr << outcome.problem << "\n";
    }
    progress.Update(done, failed);
  };
  RunInOrder<Outcome>(files.size(), jobs, work, deliver);
  progress.Clear();

  const Status committed = table.Commit();
  std::cerr << "indices: " << written << " of " << files.size() << " gauges written, " << failed
            << " failed\n";
  if (!committed) return Fail(committed.Message());
  return failed == 0 ? 0 : 1;
}

const bool registered = RegisterCliCommand({"indices", kUsage, RunIndices});

}  // namespace
}  // namespace zelvo::cli
