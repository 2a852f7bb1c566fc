#include "tarvel/BatchFile.h"

#include <climits>
#include <cstdlib>

#include "common/io/PlainName.h"
#include "tarvel/StreamClassifier.h"

namespace zelvo::tarvel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// One "%d": leading white space, an optional sign, at least one digit; the value must fit an int.
bool ReadInt(std::string_view text, std::size_t& pos, int& value) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  const std::size_t digitsStart = pos;
  long long v = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    v = v * 10 + (text[pos] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
    ++pos;
  }
  if (pos == digitsStart) return false;
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

BatchLine ParseBatchLine(std::string_view line) {
  BatchLine result;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  bool blank = true;
  for (char c : line) blank = blank && IsBlank(c);
  if (blank) return result;

  result.kind = BatchLineKind::Malformed;
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos || comma == 0) return result;
  const std::string_view rest = line.substr(comma + 1);
  std::size_t pos = 0;
  BatchStation s;
  s.stationId = std::string(line.substr(0, comma));
  // The id is a file name in the batch list's folder, never a path that leads out of it.
  if (!IsPlainName(s.stationId)) return result;
  if (!ReadInt(rest, pos, s.expectedClass)) return result;
  if (pos >= rest.size() || rest[pos++] != ',') return result;
  if (!ReadInt(rest, pos, s.beginYear)) return result;
  if (pos >= rest.size() || rest[pos++] != ',') return result;
  if (!ReadInt(rest, pos, s.endYear)) return result;
  result.kind = BatchLineKind::Station;
  result.station = std::move(s);
  return result;
}

std::string StationPath(const std::string& batchPath, const std::string& stationId) {
  const std::size_t slash = batchPath.rfind('/');
  if (slash == std::string::npos) return stationId;
  return batchPath.substr(0, slash) + "/" + stationId;
}

std::string BatchOutputLine(const BatchStation& station, int classCode) {
  std::string line = station.stationId + "," + std::to_string(station.expectedClass) + ",";
  if (classCode >= 0 && classCode < kClassCount)
    line += std::to_string(classCode + 1);
  else
    line += "unclassified";
  return line + "\r\n";
}

namespace {
std::string GageDataFolder() {
  const char* home = std::getenv("HOME");
  std::string folder = (home != nullptr && *home != '\0') ? home : ".";
  if (folder.back() != '/') folder += '/';
  return folder + "lorvan project/gage data/";
}
}  // namespace

std::string DefaultBatchFilePath() { return GageDataFolder() + "tarvel_batch.csv"; }
std::string DefaultBatchOutputPath() { return GageDataFolder() + "tarvel_output.csv"; }

}  // namespace zelvo::tarvel
