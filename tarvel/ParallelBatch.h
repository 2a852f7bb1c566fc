#pragma once
// A batch of stations classified on several threads, for many gauges at once: the same batch
// lines, station folder rule, batch import rules and output lines as the classification
// program's batch, but a station that cannot be imported is reported and skipped instead of
// ending the run, and the output lines still come in input order.

#include <iosfwd>
#include <string>

#include "tarvel/TarvelDriver.h"

namespace zelvo::tarvel {

struct ParallelBatchReport {
  int stations = 0;      // station lines read
  int written = 0;       // output lines written (classified or unclassified)
  int failed = 0;        // stations whose file was missing or failed to import
  int skippedLines = 0;  // lines without a station id and three numbers
  bool ok() const { return failed == 0 && skippedLines == 0; }
};

// Reads every line of `batch` (`batchPath` gives the batch folder), classifies the stations on
// `jobs` threads (at least 1) with `importer` (which must be safe to call from several threads
// at once) and writes the header and one line per classified station to `out`, in the order of
// the batch file. Each problem (a skipped line, a failed station with the reader's messages)
// is written to `problems` as one or more lines beginning with the line number, also in input
// order.
ParallelBatchReport RunParallelBatch(std::istream& batch, const std::string& batchPath, int fileType,
                                     int jobs, std::ostream& out, std::ostream& problems,
                                     const StationImporter& importer);

}  // namespace zelvo::tarvel
