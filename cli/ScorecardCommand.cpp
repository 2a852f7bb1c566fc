// zelvo-cli scorecard: the alteration scorecard of an altered record against a baseline record,
// or of the later years of one record against its earlier years, as scorecard.csv.

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cli/CliCommand.h"
#include "common/engine/TextFormat.h"
#include "common/engine/YearlySeries.h"
#include "zelvo/analysis/Reports.h"
#include "zelvo/analysis/ScorecardCommands.h"
#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo::cli {
namespace {

constexpr const char* kUsage =
    "scorecard BASE_FILE ALTERED_FILE -o OUT.csv [--split YEAR] [--parametric] [--bounds L,U]";

// "25,75" -> the two percentiles.
Status ParseBounds(const std::string& text, float& lower, float& upper) {
  const std::size_t comma = text.find(',');
  const auto bad = [&text] {
    return Status::Failure("the option --bounds needs two percentiles as L,U, not \"" + text + "\"");
  };
  if (comma == std::string::npos) return bad();
  const std::string first = text.substr(0, comma), second = text.substr(comma + 1);
  char* end = nullptr;
  const double l = std::strtod(first.c_str(), &end);
  if (first.empty() || *end != '\0') return bad();
  const double u = std::strtod(second.c_str(), &end);
  if (second.empty() || *end != '\0') return bad();
  lower = static_cast<float>(l);
  upper = static_cast<float>(u);
  return Status::Success();
}

Status ReadRecord(const std::string& path, FlowRecord& record) {
  if (Status read = ReadDataSetFile(path, false, record); !read) return read;
  if (record.yearCount == 0) return Status::Failure("the data set file " + path + " holds no water year");
  return Status::Success();
}

int RunScorecard(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {"--parametric"});
  const bool split = args.Has("--split");
  const std::size_t files = args.Positionals().size();
  if (!args.Error().empty() || !args.Get("-o") || files != (split ? 1u : 2u)) return Usage(kUsage);

  ScorecardOptions options;
  if (args.Has("--parametric") && args.Has("--bounds"))
    return Fail("--parametric and --bounds choose two different methods; give one of them");
  if (args.Has("--parametric")) options.method = ScorecardMethod::Parametric;
  if (const std::optional<std::string> bounds = args.Get("--bounds")) {
    if (Status parsed = ParseBounds(*bounds, options.lowerPercentile, options.upperPercentile); !parsed)
      return Fail(parsed.Message());
    if (const std::optional<std::string> problem =
            CheckScorecardPercentiles(options.lowerPercentile, options.upperPercentile))
      return Fail(*problem);
  }

  const std::vector<std::string>& paths = args.Positionals();
  auto base = std::make_unique<FlowRecord>();
  if (Status read = ReadRecord(paths[0], *base); !read) return Fail(read.Message());
  const std::string baseName = std::filesystem::path(paths[0]).filename().string();
  ScorecardPeriod baseline;
  ScorecardPeriod altered;
  if (split) {
    double year = 0.0;
    if (Status number = args.Number("--split", year); !number) return Fail(number.Message());
    const int first = static_cast<int>(year);
    if (first != year)
      return Fail("the option --split needs a water year, not \"" + *args.Get("--split") + "\"");
    // One series of the whole record, split by years: both parts share its pulse thresholds.
    const YearlySeries series = ComputeYearlySeries(*base);
    baseline = ScorecardPeriodOf(Format("%s before %d", baseName.c_str(), first), series, base->FirstYear(),
                                 first - 1);
    altered =
        ScorecardPeriodOf(Format("%s from %d", baseName.c_str(), first), series, first, base->LastYear());
    if (baseline.firstYear == 0 || altered.firstYear == 0)
      return Fail(Format("the water years of %s (%d to %d) do not lie on both sides of %d", paths[0].c_str(),
                         base->FirstYear(), base->LastYear(), first));
  } else {
    auto other = std::make_unique<FlowRecord>();
    if (Status read = ReadRecord(paths[1], *other); !read) return Fail(read.Message());
    baseline = ScorecardPeriodOf(baseName, *base);
    altered = ScorecardPeriodOf(std::filesystem::path(paths[1]).filename().string(), *other);
  }
  const Scorecard card = ComputeScorecard(baseline, {altered}, options);
  const std::string out = *args.Get("-o");
  if (!WriteFileAtomically(out, WithCrLf(FormatScorecardCsv(card))))
    return Fail("can not write the file " + out);
  return 0;
}

const bool registered = RegisterCliCommand({"scorecard", kUsage, RunScorecard});

}  // namespace
}  // namespace zelvo::cli
