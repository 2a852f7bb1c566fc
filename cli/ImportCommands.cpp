// zelvo-cli import and import-csv: an agency daily-value file (with an optional peak-flow file)
// or an alternative CSV file into a data set file, as the main program's imports write it.

#include <iostream>

#include "cli/CliCommand.h"
#include "cli/ColumnOption.h"
#include "cli/ConsoleUi.h"
#include "common/engine/EmptyMonths.h"
#include "common/io/WholeFile.h"
#include "zelvo/store/ImportAlternativeCsv.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo::cli {
namespace {

constexpr const char* kImportUsage =
    "import DAILY_FILE [--peak-file F] [--from Y] [--to Y] [--keep complete|all] [--column mean|rule] "
    "-o DATASET_FILE";
constexpr const char* kImportCsvUsage = "import-csv CSV_FILE -o DATASET_FILE";

void PrintStored(int first, int last, int peaks) {
  std::cout << "first water year: " << first << "\nlast water year: " << last << "\npeaks: " << peaks << "\n";
}

int RunImport(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {});
  if (!args.Error().empty() || args.Positionals().size() != 1 || !args.Get("-o")) return Usage(kImportUsage);
  ImportAgncForm form;
  form.dailyFile = args.Positionals()[0];
  form.peakFile = args.Get("--peak-file").value_or("");
  Status years = YearOption(args, "--from", form.beginningYear);
  if (Status read = YearOption(args, "--to", form.endingYear); !read)
    years = std::move(read);  // the last bad one is named
  if (!years) return Fail(years.Message());
  FlowColumnChoice column = FlowColumnChoice::Mean;
  if (Status read = ColumnOption(args, column); !read) return Fail(read.Message());

  ConsoleUi ui;
  ui.peakFileNamed = !form.peakFile.empty();
  if (Status read = KeepOption(args, ui.screeningChoice); !read) return Fail(read.Message());
  if (const Status apart = CheckOutputIsNotInput(*args.Get("-o"), {form.dailyFile, form.peakFile}); !apart)
    return Fail(apart.Message());
  FlowRecord stored;
  const DailyValueImportResult result = ImportDailyValueFile(ui, form, *args.Get("-o"), column, &stored);
  if (!result.ok) return 1;
  PrintStored(result.firstWaterYear, result.lastWaterYear, result.peakCount);
  // A file that starts or ends inside a water year leaves months without a valid day in the
  // years kept; the indices computed from them carry starting values.
  const std::string note = StartingValueNote(stored);
  if (!note.empty())
    Note(note + " To leave out every year with a missing day, import again with --keep complete.");
  return 0;
}

int RunImportCsv(const std::vector<std::string>& argv) {
  const CliArgs args(argv, {});
  if (!args.Error().empty() || args.Positionals().size() != 1 || !args.Get("-o"))
    return Usage(kImportCsvUsage);
  if (const Status apart = CheckOutputIsNotInput(*args.Get("-o"), {args.Positionals()[0]}); !apart)
    return Fail(apart.Message());
  ConsoleUi ui;
  const CsvImportResult result = ImportAlternativeCsvFile(ui, args.Positionals()[0], *args.Get("-o"));
  if (!result.ok) return 1;
  PrintStored(result.firstWaterYear, result.lastWaterYear, result.peakCount);
  return 0;
}

const bool registeredImport = RegisterCliCommand({"import", kImportUsage, RunImport});
const bool registeredImportCsv = RegisterCliCommand({"import-csv", kImportCsvUsage, RunImportCsv});

}  // namespace
}  // namespace zelvo::cli
