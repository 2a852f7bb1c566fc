#include "common/engine/HiOutputFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>

#include "common/engine/TextFormat.h"
#include "common/io/ClassicNumbers.h"

namespace zelvo {
namespace {

std::string NcRow(std::string_view name) { return std::string(name) + ",NC,NC,NC"; }
std::string ValueRow(std::string_view name, float value) {
  return Format("%s,NC,%9.3f,NC", std::string(name).c_str(), value);
}
std::string FullRow(std::string_view name, const IndexResult& r) {
  return Format("%s,%9.3f,%9.3f,%9.3f", std::string(name).c_str(), r.lower, r.value, r.upper);
}

// Plain decimal conversion: leading blanks skipped, stops at the first character that cannot
// belong to a number, no number gives 0.
float PlainNumber(const std::string& field) { return static_cast<float>(std::atof(field.c_str())); }

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) {
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

struct RowFields {
  std::string lower, value, upper;
};

RowFields SplitRow(const std::string& line) {
  RowFields f;
  std::size_t pos = line.find(',');
  if (pos == std::string::npos) return f;
  std::string rest = line.substr(pos + 1);
  pos = rest.find(',');
  f.lower = rest.substr(0, pos);
  if (pos == std::string::npos) return f;
  rest = rest.substr(pos + 1);
  pos = rest.find(',');
  f.value = rest.substr(0, pos);
  if (pos == std::string::npos) return f;
  f.upper = rest.substr(pos + 1);
  return f;
}

HiTable ReadRows(std::istream& in, bool graphRule) {
  const ClassicNumbers classic;
  HiTable t;
  std::string line;
  ReadLine(in, line);
  if (!graphRule) {
    const std::size_t comma = line.rfind(',');
    if (comma != std::string::npos && comma > 0) t.medianMark = std::atoi(line.c_str() + comma + 1);
  }
  ReadLine(in, line);
  float lowerPct = 0.0f, upperPct = 0.0f;
  if (std::sscanf(line.c_str(), "%f,%f", &lowerPct, &upperPct) >= 1) {
    t.lowerPercentile = lowerPct;
    t.upperPercentile = upperPct;
  }
  ReadLine(in, line);  // column header
  for (int i = 0; i < kIndexCount; ++i) {
    ReadLine(in, line);
    const RowFields f = SplitRow(line);
    // A value that was not computed stays not computed: read as 0 it would pass for a measured
    // zero in tables, reports and graphs. The upper field of the TL3 row runs on into its
    // threshold text ("NC, ,5 year threshold = ..."), so an upper field is NC when it starts so.
    const bool upperNc = f.upper.compare(0, 2, "NC") == 0;
    const float value = f.value == "NC" ? kMissing : PlainNumber(f.value);
    float lower = f.lower == "NC" ? kMissing : PlainNumber(f.lower);
    float upper = upperNc ? kMissing : PlainNumber(f.upper);
    if (graphRule) {
      // A missing limit collapses onto the value (and so stays missing with a missing value).
      if (lower == kMissing || lower == 0.0f) lower = value;
      if (upper == kMissing || upper == 0.0f) upper = value;
    }
    t.lower[i] = lower;
    t.value[i] = value;
    t.upper[i] = upper;
  }
  return t;
}

}  // namespace

std::string HiOutputFileName(int dataSetNumber) { return Format("hiout_%d.csv", dataSetNumber); }

std::string FormatHiRow(int number, const IndexResults& results) {
  const std::string_view name = IndexName(number);
  const IndexResult& r = results[number];
  const bool computed = r.value != kMissing;
  switch (RowFormOf(number)) {
    case RowForm::Full:
    case RowForm::FullOrNc:
      return computed ? FullRow(name, r) : NcRow(name);
    case RowForm::ValueOrNc:
    case RowForm::Value:
      return computed ? ValueRow(name, r.value) : NcRow(name);
    case RowForm::Fh11:
      if (!results.peaksPresent || !computed) return NcRow(name);
      return Format("FH11,%9.3f,%9.3f,%9.3f, ,1.67 year threshold = %9.3f", r.lower, r.value, r.upper,
                    results.threshold167);
    case RowForm::PeakFull:
      return results.peaksPresent && computed ? FullRow(name, r) : NcRow(name);
    case RowForm::Ta3:
    case RowForm::PeakValue:
      return results.peaksPresent && computed ? ValueRow(name, r.value) : NcRow(name);
    case RowForm::Tl3:
      if (!results.peaksPresent || !computed) return NcRow(name);
      return Format("TL3,NC,%9.3f,NC, ,5 year threshold = %9.3f", r.value, results.threshold5);
  }
  return NcRow(name);
}

void WriteHiOutput(std::ostream& out, const HiOutputHeader& header, const IndexResults& results) {
  out << header.caption << (header.medianOption ? ",1" : ",0") << "\r\n";
  out << Format("%f,%f", header.lowerPercentile, header.upperPercentile) << "\r\n";
  out << "Index,Lower Limit,Value,Upper Limit\r\n";
  for (int i = 0; i < kIndexCount; ++i) out << FormatHiRow(i, results) << "\r\n";
}

HiTable ReadHiTable(std::istream& in) { return ReadRows(in, false); }
HiTable ReadHiGraphValues(std::istream& in) { return ReadRows(in, true); }

std::optional<HiTable> ReadHiTableFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return ReadHiTable(in);
}

std::optional<HiTable> ReadHiGraphFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return ReadHiGraphValues(in);
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
