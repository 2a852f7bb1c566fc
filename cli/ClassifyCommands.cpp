// zelvo-cli classify and batch: the classification program without a window. classify prints
// the 22 classifier inputs of one station and its class; batch classifies a batch file's
// stations on several threads and writes the batch output file.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <thread>

#include "cli/CliCommand.h"
#include "common/io/ClassicNumbers.h"
#include "common/io/TextInput.h"
#include "common/io/WholeFile.h"
#include "tarvel/ParallelBatch.h"
#include "tarvel/StationClassification.h"
#include "tarvel/StationImport.h"

namespace zelvo::cli {
namespace {

using namespace zelvo::tarvel;

constexpr const char* kClassifyUsage = "classify FILE [--csv] [--from Y] [--to Y]";
constexpr const char* kBatchUsage = "batch BATCH_FILE -o OUTPUT_FILE [--csv] [--jobs N]";

// The readers' messages go to standard error; with the batch flag no question is asked.
class StderrUi : public Ui {
 public:
  Answer Message(const std::string& text, Buttons buttons) override {
    std::cerr << "zelvo-cli: " << text << "\n";
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  bool Edit(Form& form, const FormCheck&) override {
    std::cerr << "zelvo-cli: the dialog " << form.FormName() << " cannot be shown on the command line\n";
    return false;
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}
};

int RunClassify(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {"--csv"});
  if (!args.Error().empty() || args.Positionals().size() != 1) return Usage(kClassifyUsage);
  int from = 0;
  int to = 0;
  Status years = IntOption(args, "--from", 0, 9999, from);
  if (Status read = IntOption(args, "--to", 0, 9999, to); !read)
    years = std::move(read);  // the last bad one is named
  if (!years) return Fail(years.Message());

  StationImportRequest request;
  request.path = args.Positionals()[0];
  request.fileType = args.Has("--csv") ? kCsvFile : kDailyFile;
  request.beginYear = from;
  request.endYear = to;
  // A script cannot answer the screening: years with missing days are left out, as in a batch.
  request.batch = true;
  StderrUi ui;
  FlowRecord record;
  if (!ReaderStationImporter()(request, record, ui)) return 1;
  const StationClassification result = ClassifyFlowRecord(record);
  const ClassicNumbers classic;
  for (int slot = 1; slot < kClassifierTerms; ++slot) {
    char value[64];
    std::snprintf(value, sizeof value, "%.9g", static_cast<double>(result.inputs[slot]));
    std::cout << IndexName(kClassifierSlotIndex[slot]) << " " << value << "\n";
  }
  std::cout << ClassificationResultText(result.classCode) << "\n";
  return 0;
}

int RunBatch(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {"--csv"});
  if (!args.Error().empty() || args.Positionals().size() != 1 || !args.Get("-o")) return Usage(kBatchUsage);
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  int jobs = cores > 0 ? cores : 1;
  if (const Status read = IntOption(args, "--jobs", 1, 1024, jobs); !read) return Fail(read.Message());

  const std::string batchPath = args.Positionals()[0];
  const std::string outputPath = *args.Get("-o");
  if (const Status apart = CheckOutputIsNotInput(outputPath, {batchPath}); !apart)
    return Fail(apart.Message());
  std::ifstream batch;
  if (!OpenInputFile(batch, batchPath)) return Fail("Can not open the batch file:  " + batchPath);
  WholeFileWriter output(outputPath);
  if (!output.Opened()) return Fail("Can not open the output file:  " + outputPath);

  const ParallelBatchReport report =
      RunParallelBatch(batch, batchPath, args.Has("--csv") ? kCsvFile : kDailyFile, jobs, output.Stream(),
                       std::cerr, ReaderStationImporter());
  if (!output.Commit()) return Fail("Can not write the output file:  " + outputPath);
  if (!report.ok()) {
    std::cerr << "zelvo-cli: " << report.failed << " of " << report.stations << " stations not classified, "
              << report.skippedLines << " lines skipped\n";
    return 1;
  }
  return 0;
}

const bool registeredClassify = RegisterCliCommand({"classify", kClassifyUsage, RunClassify});
const bool registeredBatch = RegisterCliCommand({"batch", kBatchUsage, RunBatch});

}  // namespace
}  // namespace zelvo::cli
