#pragma once
// The results file "hiout_N.csv": 3 header lines and one row per index, CR LF line ends, every
// number "%9.3f". Written by the engine, read back by tables, reports, graphs and selection lists.

#include <array>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexResults.h"
#include "common/io/Status.h"

namespace zelvo {

struct HiOutputHeader {
  std::string caption;
  bool medianOption = false;
  float lowerPercentile = 25.0f;  // as the user typed it
  float upperPercentile = 75.0f;
};

// "hiout_%d.csv" with the data set number.
std::string HiOutputFileName(int dataSetNumber);

// Which fields of an index's row hold numbers: none (the NC row), the value alone, or the
// value with both limits.
enum class HiRowFields { None, Value, Full };
HiRowFields HiRowFieldsOf(int number, const IndexResults& results);

// The row of one index as written, without its line end.
std::string FormatHiRow(int number, const IndexResults& results);
void WriteHiOutput(std::ostream& out, const HiOutputHeader& header, const IndexResults& results);
// The whole results file or nothing: on failure the old file is as it was and the message is
// "Can not create the HI output file:  %s" or "Can not write the HI output file:  %s".
Status WriteHiOutputFile(const std::filesystem::path& path, const HiOutputHeader& header,
                         const IndexResults& results);

// What the index table reader and the graph reader give back.
struct HiTable {
  std::array<float, kIndexCount> lower{};
  std::array<float, kIndexCount> value{};
  std::array<float, kIndexCount> upper{};
  float lowerPercentile = 0.0f;
  float upperPercentile = 0.0f;
  int medianMark = 0;  // 1 when computed with the median option (table reader only)
};

// Index table reader: a lower or value field that is "NC", and an upper field that begins with
// "NC" (the TL3 row continues with its threshold), read as not computed (999999.0). A file with
// fewer than 174 lines, without its two percentiles or with a row that is not its index's row
// (name, then three fields that are NC or numbers) is damaged: "The HI output file is damaged:
// line %d ..." and `table` is left as it was. Nothing is ever read as a 0 it does not hold.
Status ReadHiTable(std::istream& in, HiTable& table);
// Graph reader: as the table reader, but a limit that is NC or reads as 0 collapses onto the
// value; a value that is NC stays 999999.0 (no point, no bar).
Status ReadHiGraphValues(std::istream& in, HiTable& table);

// File conveniences: a file that cannot be opened gives HiOutputOpenFailure(path), a damaged one
// its message with the path below it.
Status ReadHiTableFile(const std::filesystem::path& path, HiTable& table);
Status ReadHiGraphFile(const std::filesystem::path& path, HiTable& table);
std::string HiOutputOpenFailure(const std::filesystem::path& path);

// A data set counts as computed exactly when its results file can be opened.
bool HiOutputExists(const std::filesystem::path& path);

enum class HiMark { None, Computed, ComputedWithMedian };
// Looks only at the last character of line 1: "1" means computed with the median option.
HiMark ReadHiMark(const std::filesystem::path& path);
// " (C)", " (MC)" or "" for the selection lists.
const char* HiMarkSuffix(HiMark mark);

}  // namespace zelvo
