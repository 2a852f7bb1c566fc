// zelvo-cli compute: runs the engine on a data set file as zelvo does and writes the results
// file.

#include <filesystem>
#include <iostream>

#include "cli/CliCommand.h"
#include "common/engine/EmptyMonths.h"
#include "common/io/WholeFile.h"
#include "zelvo/analysis/ComputeIndices.h"

namespace zelvo::cli {
namespace {

constexpr const char* kUsage =
    "compute DATASET_FILE -o OUT.csv [--peaks] [--area A] [--lower L] [--upper U] [--median] [--title TEXT]";

int RunCompute(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {"--peaks", "--median"});
  if (!args.Error().empty() || args.Positionals().size() != 1 || !args.Get("-o")) return Usage(kUsage);
  double area = 1.0;
  double lower = 25.0;
  double upper = 75.0;
  Status numbers = Status::Success();
  for (const auto& [name, value] :
       {std::pair{"--area", &area}, std::pair{"--lower", &lower}, std::pair{"--upper", &upper}})
    if (Status read = args.Number(name, *value); !read)
      numbers = std::move(read);  // the last bad one is named
  if (!numbers) return Fail(numbers.Message());

  ComputeForm form;
  form.drainageArea = static_cast<float>(area);
  form.lowerPercentile = static_cast<float>(lower);
  form.upperPercentile = static_cast<float>(upper);
  if (const auto problem = CheckComputeForm(form)) return Fail(problem->text);

  ComputeRequest request;
  request.dataSetPath = args.Positionals()[0];
  request.resultsPath = *args.Get("-o");
  request.peakFlag = args.Has("--peaks") ? 1 : 0;
  request.drainageArea = form.drainageArea;
  request.lowerPercentile = form.lowerPercentile;
  request.upperPercentile = form.upperPercentile;
  request.medianOption = args.Has("--median");
  request.title =
      args.Get("--title").value_or(std::filesystem::path(request.dataSetPath).filename().string());
  if (const Status apart = CheckOutputIsNotInput(request.resultsPath, {request.dataSetPath}); !apart)
    return Fail(apart.Message());
  FlowRecord record;
  if (const Status computed = ComputeIndices(request, nullptr, &record); !computed)
    return Fail(computed.Message());
  // Months without a valid day leave starting values in some indices; the file is written as
  // it is, the user hears of it here.
  const std::string note = StartingValueNote(record);
  if (!note.empty())
    Note(note +
         " To leave out every year with a missing day, import the daily-value file again with "
         "--keep complete.");
  return 0;
}

const bool registered = RegisterCliCommand({"compute", kUsage, RunCompute});

}  // namespace
}  // namespace zelvo::cli
