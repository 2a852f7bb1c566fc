#pragma once
// The batch list of the classification program and its output file: one station a line
// ("id,class,beginning year,ending year"), one result line per classified station.

#include <optional>
#include <string>
#include <string_view>

namespace zelvo::tarvel {

struct BatchStation {
  std::string stationId;  // the station's input file name in the batch folder
  int expectedClass = 0;  // the user's class, copied to the output unchanged
  int beginYear = 0;      // water years to import (daily-value files only); 0 = open
  int endYear = 0;
};

enum class BatchLineKind { Station, Blank, Malformed };

struct BatchLine {
  BatchLineKind kind = BatchLineKind::Blank;
  BatchStation station;
};

// Parses one line (its CR LF or LF already removed; a trailing CR is dropped here as well).
// The station id is the text before the first comma and must not be empty; the rest must start
// with three integers read as "%d,%d,%d" reads them (blanks allowed before each number, the
// commas right after the numbers, anything after the third number ignored). A line of blanks
// only is Blank; a line without a comma, with an empty id, an id that is not a plain file name
// (one with "/" or "\", or "." or "..") or whose numbers do not match (or do not fit an int) is
// Malformed.
BatchLine ParseBatchLine(std::string_view line);

// The input path of a station: the folder of the batch file (its path up to the last '/')
// joined with the station id. A batch path without any '/' lies in the working folder, and
// so does the station: the id alone is returned.
std::string StationPath(const std::string& batchPath, const std::string& stationId);

inline constexpr const char* kBatchOutputHeader = "station id,class,classified as\r\n";

// "%s,%d,%d" with ClassCode + 1, or "%s,%d,unclassified"; CR LF ended.
std::string BatchOutputLine(const BatchStation& station, int classCode);

// Default paths of the batch dialog, in the user's home folder:
// "~/lorvan project/gage data/tarvel_batch.csv" and ".../tarvel_output.csv".
std::string DefaultBatchFilePath();
std::string DefaultBatchOutputPath();

}  // namespace zelvo::tarvel
