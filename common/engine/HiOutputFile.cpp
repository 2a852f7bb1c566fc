#include "common/engine/HiOutputFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>

#include "common/engine/TextFormat.h"
#include "common/io/TextInput.h"
#include "common/io/WholeFile.h"

namespace zelvo {
namespace {

std::string NcRow(std::string_view name) { return std::string(name) + ",NC,NC,NC"; }
std::string ValueRow(std::string_view name, float value) {
  return Format("%s,NC,%9.3f,NC", std::string(name).c_str(), value);
}
// A limit that overflowed (a sum of huge flows, a tiny drainage area) was not computed: "NC",
// never "inf" or "nan", which no reader takes for a number.
std::string Limit(float limit) { return std::isfinite(limit) ? Format("%9.3f", limit) : std::string("NC"); }
std::string FullRow(std::string_view name, const IndexResult& r) {
  return std::string(name) + "," + Limit(r.lower) + Format(",%9.3f,", r.value) + Limit(r.upper);
}

bool ReadLine(std::istream& in, std::string& line) {
  if (!ReadTextLine(in, line)) {
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A field as written: "NC" (not computed) or a decimal number, blanks around it allowed.
bool ParseField(std::string_view field, float& value) {
  field = Trimmed(field);
  if (field == "NC") {
    value = kMissing;
    return true;
  }
  const char* first = field.data();
  const char* last = field.data() + field.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return first != last && ec == std::errc() && ptr == last;
}

// One index row: its own index name, then lower, value and upper. The upper field of the FH11
// and TL3 rows runs on into their threshold text ("NC, ,5 year threshold = ..."), so only its
// part before the next comma is the limit.
bool ParseRow(std::string_view line, std::string_view name, float& lower, float& value, float& upper) {
  std::string_view fields[4];
  for (int k = 0; k < 3; ++k) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return false;
    fields[k] = line.substr(0, comma);
    line.remove_prefix(comma + 1);
  }
  fields[3] = line.substr(0, line.find(','));
  return fields[0] == name && ParseField(fields[1], lower) && ParseField(fields[2], value) &&
         ParseField(fields[3], upper);
}

Status Damaged(int lineNumber, const char* what) {
  return Status::Failure(Format("The HI output file is damaged:  line %d %s", lineNumber, what));
}

// Reads the header and the 171 rows into `t`; a file that ends early or a row that does not read
// as its index's row is damaged, never read as zeros.
Status ReadRows(std::istream& in, bool graphRule, HiTable& table) {
  HiTable t;
  std::string line;
  if (!ReadLine(in, line)) return Damaged(1, "is missing: the file is empty.");
  if (!graphRule) {
    const std::size_t comma = line.rfind(',');
    if (comma != std::string::npos && comma > 0) t.medianMark = std::atoi(line.c_str() + comma + 1);
  }
  if (!ReadLine(in, line)) return Damaged(2, "is missing.");
  {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos ||
        !ParseField(std::string_view(line).substr(0, comma), t.lowerPercentile) ||
        !ParseField(std::string_view(line).substr(comma + 1), t.upperPercentile) ||
        t.lowerPercentile == kMissing || t.upperPercentile == kMissing)
      return Damaged(2, "does not hold the two percentiles.");
  }
  if (!ReadLine(in, line)) return Damaged(3, "is missing.");
  for (int i = 0; i < kIndexCount; ++i) {
    const int lineNumber = 4 + i;
    if (!ReadLine(in, line)) return Damaged(lineNumber, "is missing: the file ends before the last index.");
    // Every row is written with its line end: a row without one was cut short.
    if (in.eof()) return Damaged(lineNumber, "is cut short.");
    float lower = 0.0f, value = 0.0f, upper = 0.0f;
    if (!ParseRow(line, IndexName(i), lower, value, upper))
      return Damaged(lineNumber, "is not the row of its index.");
    if (graphRule) {
      // A missing limit collapses onto the value (and so stays missing with a missing value).
      if (lower == kMissing || lower == 0.0f) lower = value;
      if (upper == kMissing || upper == 0.0f) upper = value;
    }
    t.lower[i] = lower;
    t.value[i] = value;
    t.upper[i] = upper;
  }
  if (in.bad()) return Damaged(kIndexCount + 3, "could not be read.");
  table = t;
  return Status::Success();
}

Status ReadFile(const std::filesystem::path& path, bool graphRule, HiTable& table) {
  std::ifstream in;
  if (!OpenInputFile(in, path)) return Status::Failure(HiOutputOpenFailure(path));
  if (Status read = ReadRows(in, graphRule, table); !read)
    return Status::Failure(read.Message() + "\n\n" + path.string());
  return Status::Success();
}

}  // namespace

std::string HiOutputFileName(int dataSetNumber) { return Format("hiout_%d.csv", dataSetNumber); }

HiRowFields HiRowFieldsOf(int number, const IndexResults& results) {
  // A value that is not finite was not computed either.
  const bool computed = results[number].value != kMissing && std::isfinite(results[number].value);
  switch (RowFormOf(number)) {
    case RowForm::Full:
    case RowForm::FullOrNc:
      return computed ? HiRowFields::Full : HiRowFields::None;
    case RowForm::ValueOrNc:
    case RowForm::Value:
      return computed ? HiRowFields::Value : HiRowFields::None;
    case RowForm::Fh11:
      return results.peaksPresent && computed && std::isfinite(results.threshold167) ? HiRowFields::Full
                                                                                     : HiRowFields::None;
    case RowForm::PeakFull:
      return results.peaksPresent && computed ? HiRowFields::Full : HiRowFields::None;
    case RowForm::Ta3:
    case RowForm::PeakValue:
      return results.peaksPresent && computed ? HiRowFields::Value : HiRowFields::None;
    case RowForm::Tl3:
      return results.peaksPresent && computed && std::isfinite(results.threshold5) ? HiRowFields::Value
                                                                                   : HiRowFields::None;
  }
  return HiRowFields::None;
}

std::string FormatHiRow(int number, const IndexResults& results) {
  const std::string_view name = IndexName(number);
  const IndexResult& r = results[number];
  switch (HiRowFieldsOf(number, results)) {
    case HiRowFields::None:
      return NcRow(name);
    case HiRowFields::Value:
      if (RowFormOf(number) == RowForm::Tl3)
        return Format("TL3,NC,%9.3f,NC, ,5 year threshold = %9.3f", r.value, results.threshold5);
      return ValueRow(name, r.value);
    case HiRowFields::Full:
      if (RowFormOf(number) == RowForm::Fh11)
        return "FH11," + Limit(r.lower) + Format(",%9.3f,", r.value) + Limit(r.upper) +
               Format(", ,1.67 year threshold = %9.3f", results.threshold167);
      return FullRow(name, r);
  }
  return NcRow(name);
}

void WriteHiOutput(std::ostream& out, const HiOutputHeader& header, const IndexResults& results) {
  out << OneLine(header.caption) << (header.medianOption ? ",1" : ",0") << "\r\n";
  out << Format("%f,%f", header.lowerPercentile, header.upperPercentile) << "\r\n";
  out << "Index,Lower Limit,Value,Upper Limit\r\n";
  for (int i = 0; i < kIndexCount; ++i) out << FormatHiRow(i, results) << "\r\n";
}

Status WriteHiOutputFile(const std::filesystem::path& path, const HiOutputHeader& header,
                         const IndexResults& results) {
  WholeFileWriter out(path);
  if (!out.Opened()) return Status::Failure("Can not create the HI output file:  " + path.string());
  WriteHiOutput(out.Stream(), header, results);
  if (!out.Commit()) return Status::Failure("Can not write the HI output file:  " + path.string());
  return Status::Success();
}

Status ReadHiTable(std::istream& in, HiTable& table) { return ReadRows(in, false, table); }
Status ReadHiGraphValues(std::istream& in, HiTable& table) { return ReadRows(in, true, table); }

Status ReadHiTableFile(const std::filesystem::path& path, HiTable& table) {
  return ReadFile(path, false, table);
}
Status ReadHiGraphFile(const std::filesystem::path& path, HiTable& table) {
  return ReadFile(path, true, table);
}

std::string HiOutputOpenFailure(const std::filesystem::path& path) {
  return "Can not open the HI output file:  " + path.string();
}

bool HiOutputExists(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

HiMark ReadHiMark(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return HiMark::None;
  std::string line;
  ReadLine(in, line);
  return !line.empty() && line.back() == '1' ? HiMark::ComputedWithMedian : HiMark::Computed;
}

const char* HiMarkSuffix(HiMark mark) {
  switch (mark) {
    case HiMark::Computed:
      return " (C)";
    case HiMark::ComputedWithMedian:
      return " (MC)";
    case HiMark::None:
      break;
  }
  return "";
}

}  // namespace zelvo
