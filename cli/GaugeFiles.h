#pragma once
// The gauge files of zelvo-cli indices and yearly: an agency daily-value file, an alternative CSV
// file or a data set file, told apart by what they hold, read into the record that importing
// them and reading back the data set file gives (so the indices are those of import + compute).

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/engine/FlowRecord.h"
#include "common/import/ValueColumns.h"
#include "common/io/Status.h"

namespace zelvo::cli {

enum class GaugeFileKind {
  Agency,   // agency daily-value file
  Peaks,    // agency annual peak-flow file (not a gauge file by itself)
  Csv,      // alternative CSV file: a years line of comma-separated water years
  DataSet,  // data set file: a years line of blank-separated water years
  Unknown,  // anything else (no line of data at all)
};

// The kind of a file from its first lines: a first line of water years separated by commas is
// a CSV file, by blanks a data set file; a file with agency data lines ("AGNC" at the start) is a
// peak-flow file when its column line names the peak discharge ("peak_va"), else a daily-value file.
GaugeFileKind GaugeFileKindOf(std::istream& in);

// The site number of an agency file: the second field of its first data line ("" without one).
std::string AgencySiteNumber(std::istream& in);

// The files of the command line in order: a folder stands for every regular file in it, sorted
// by name. Fails naming the first argument that is neither a file nor a folder.
Status ExpandGaugeArguments(const std::vector<std::string>& args, std::vector<std::string>& files);

// The peak-flow files of a folder by site number (the file sorted first wins; a file that holds
// peaks wins over one that does not).
Status IndexPeakFolder(const std::filesystem::path& folder, std::map<std::string, std::string>& bySite);

struct GaugeReadOptions {
  int fromYear = 0;         // 0: from the first water year of the file
  int toYear = 0;           // 0: to the last
  int screeningChoice = 3;  // MissingDataForm code: 2 keeps complete years, 3 every year with data
  FlowColumnChoice column = FlowColumnChoice::Mean;
  // The peak-flow file of an agency daily-value file: `peakFile` when given, else the file of
  // its site number in `peakFiles` (IndexPeakFolder), else none.
  std::string peakFile;
  const std::map<std::string, std::string>* peakFiles = nullptr;
};

struct Gauge {
  GaugeFileKind kind = GaugeFileKind::Unknown;
  std::string site;    // agency files only
  FlowRecord record;   // as the data set file of its import reads back
  bool peaks = false;  // the record's peaks take part (the data set carries a peak section)
};

// Reads one gauge file. The failure's message is the one the import would show (the last, when
// there were several).
Status ReadGauge(const std::string& path, const GaugeReadOptions& options, Gauge& gauge);

}  // namespace zelvo::cli
