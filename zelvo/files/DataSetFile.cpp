#include "zelvo/files/DataSetFile.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>
#include <vector>

#include "common/engine/TextFormat.h"
#include "common/io/ClassicNumbers.h"

namespace zelvo {
namespace {

bool NextLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Splits a line into blank-separated fields; false when it holds more than `limit`.
bool SplitFields(const std::string& line, std::vector<std::string_view>& fields, std::size_t limit) {
  fields.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::size_t j = i;
    while (j < line.size() && !IsBlank(line[j])) ++j;
    if (fields.size() == limit) return false;
    fields.emplace_back(line.data() + i, j - i);
    i = j;
  }
  return true;
}

bool ParseFloat(std::string_view text, float& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

bool ParseInt(std::string_view text, int& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
}

bool HasContent(const std::string& line) {
  for (char c : line)
    if (!IsBlank(c)) return true;
  return false;
}

}  // namespace

std::string DataSetOpenFailure(const std::filesystem::path& path) {
  return "Can not open the daily flow data file:  " + path.string();
}

Status ReadDataSetFile(std::istream& in, bool peakFlag, FlowRecord& record) {
  FlowRecord r;  // cleared to 0; `record` is only replaced by a file that reads cleanly
  std::string line;
  std::vector<std::string_view> fields;
  fields.reserve(kMaxYears);
  int lineNumber = 0;
  auto damaged = [&](const char* what) {
    return Status::Failure(Format("The daily flow data file is damaged:  line %d %s", lineNumber, what));
  };

  if (NextLine(in, line)) {
    ++lineNumber;
    if (!SplitFields(line, fields, kMaxYears)) return damaged("holds more than 150 years.");
    int n = 0;
    for (std::string_view f : fields) {
      int year = 0;
      if (!ParseInt(f, year)) return damaged("holds a year that is not a whole number.");
      if (year == 0) break;
      r.years[n++] = year;
    }
    r.yearCount = n;
  }
  for (int slot = 0; slot < kDaySlots && NextLine(in, line); ++slot) {
    ++lineNumber;
    if (!SplitFields(line, fields, kMaxYears)) return damaged("holds more than 150 values.");
    for (std::size_t i = 0; i < fields.size(); ++i) {
      float value = 0.0f;
      if (!ParseFloat(fields[i], value)) return damaged("holds a value that is not a number.");
      r.flows[i][slot] = value;
    }
  }
  if (peakFlag) {
    if (NextLine(in, line)) {
      ++lineNumber;
      int count = 0;
      if (!SplitFields(line, fields, 1) || fields.empty() || !ParseInt(fields[0], count))
        return damaged("does not hold the number of peaks.");
      if (count < 0 || count > kMaxPeaks) return damaged("holds a number of peaks outside 0 to 150.");
      r.peakCount = count;
      for (auto* target : {&r.peaks, &r.peakDayFlows}) {
        if (!NextLine(in, line)) break;
        ++lineNumber;
        if (!SplitFields(line, fields, kMaxPeaks)) return damaged("holds more than 150 peaks.");
        for (std::size_t i = 0; i < fields.size(); ++i) {
          float value = 0.0f;
          if (!ParseFloat(fields[i], value)) return damaged("holds a peak that is not a number.");
          (*target)[i] = value;
        }
      }
    }
  }
  if (!peakFlag) {
    // A peak section that the caller did not ask for (the data set is analysed without its
    // peaks) is passed over; anything else after the slot lines is not ours.
    std::streampos mark = in.tellg();
    if (NextLine(in, line)) {
      int count = 0;
      if (SplitFields(line, fields, 1) && fields.size() == 1 && ParseInt(fields[0], count) && count >= 0 &&
          count <= kMaxPeaks) {
        lineNumber += 1;
        for (int i = 0; i < 2 && NextLine(in, line); ++i) ++lineNumber;
      } else {
        in.clear();
        in.seekg(mark);
      }
    }
  }
  while (NextLine(in, line)) {
    ++lineNumber;
    if (HasContent(line)) return damaged("lies beyond the end of the data.");
  }
  record = std::move(r);
  return Status::Success();
}

Status ReadDataSetFile(const std::filesystem::path& path, bool peakFlag, FlowRecord& record) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::Failure(DataSetOpenFailure(path));
  if (Status read = ReadDataSetFile(in, peakFlag, record); !read)
    return Status::Failure(read.Message() + "\n\n" + path.string());
  return Status::Success();
}

void WriteDataSetFile(std::ostream& out, const FlowRecord& record, bool withPeaks) {
  const ClassicNumbers classic;
  std::string text;
  text.reserve(static_cast<std::size_t>(record.yearCount) * kDaySlots * 14 + 4096);
  char buffer[64];
  for (int y = 0; y < record.yearCount; ++y) {
    const int n = std::snprintf(buffer, sizeof buffer, "%d ", record.years[y]);
    text.append(buffer, static_cast<std::size_t>(n));
  }
  text += "\r\n";
  for (int s = 0; s < kDaySlots; ++s) {
    for (int y = 0; y < record.yearCount; ++y) {
      const int n = std::snprintf(buffer, sizeof buffer, "%13.3f ", record.flows[y][s]);
      text.append(buffer, static_cast<std::size_t>(n));
    }
    text += "\r\n";
  }
  if (withPeaks && record.peakCount > 0) {
    text += Format("%d", record.peakCount) + "\r\n";
    for (int k = 0; k < record.peakCount; ++k) text += Format("%13.3f ", record.peaks[k]);
    text += "\r\n";
    for (int k = 0; k < record.peakCount; ++k) text += Format("%13.3f ", record.peakDayFlows[k]);
  }
  out << text;
}

bool WriteDataSetFile(const std::filesystem::path& path, const FlowRecord& record, bool withPeaks) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  WriteDataSetFile(out, record, withPeaks);
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace zelvo
