#include "zelvo/files/DataSetFile.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>
#include <vector>

#include "common/engine/TextFormat.h"
#include "common/io/ClassicNumbers.h"
#include "common/io/TextInput.h"
#include "common/io/WholeFile.h"

namespace zelvo {
namespace {

bool NextLine(std::istream& in, std::string& line) {
  if (!ReadTextLine(in, line)) return false;
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

// A value as "%13.3f" writes it and ParseFloat reads it back, the long way.
float ThroughText(float value) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%.3f", value);
  float back = 0.0f;
  return n > 0 && ParseFloat(std::string_view(buffer, static_cast<std::size_t>(n)), back) ? back : value;
}

// Rounds half to even, as printf rounds and as std::nearbyint does in the default rounding mode,
// without the library call: below 2^52, adding and taking away 2^52 leaves the nearest integer
// (ties to even); from 2^52 on every double is an integer already.
double RoundHalfEven(double x) {
  constexpr double kTwo52 = 4503599627370496.0;
  const double magnitude = std::fabs(x);
  if (!(magnitude < kTwo52)) return x;
  return std::copysign((magnitude + kTwo52) - kTwo52, x);
}

// The same without the text. A float times 1000 is exact in double (24 + 10 bits), so the
// decimal the writer prints is N / 1000 with N that product rounded to the nearest integer, ties
// to even, as printf rounds. The reader then takes the float nearest to N / 1000: the double
// N / 1000.0 rounded to float, unless that double sits exactly halfway between two floats (the
// double rounding could then go the wrong way), where the text decides. A non-zero N / 1000 lies
// between 0.001 and 2^43 here (larger floats are whole numbers), where floats are normal: the
// double is halfway when the 29 bits of its fraction below a float's 23 are 1 followed by zeros.
float RoundedAsWritten(float value) {
  if (!std::isfinite(value)) return ThroughText(value);
  const double scaled = static_cast<double>(value) * 1000.0;
  const double n = RoundHalfEven(scaled);
  if (n == scaled) return value;  // three decimals hold it exactly
  const double decimal = n / 1000.0;
  constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1;
  constexpr std::uint64_t kHalfway = std::uint64_t{1} << 28;
  if ((std::bit_cast<std::uint64_t>(decimal) & kBelowFloat) == kHalfway) return ThroughText(value);
  return static_cast<float>(decimal);
}

}  // namespace

void RoundAsDataSetFile(FlowRecord& record, bool withPeaks) {
  // The reader counts the leading years that are not 0.
  int leading = 0;
  while (leading < record.yearCount && leading < kMaxYears && record.years[leading] != 0) ++leading;
  record.yearCount = leading;
  for (int y = leading; y < kMaxYears; ++y) record.years[y] = 0;
  for (int y = 0; y < kMaxYears; ++y) {
    YearFlows& year = record.flows[static_cast<std::size_t>(y)];
    if (y >= record.yearCount) {
      year.fill(0.0f);
      continue;
    }
    for (float& f : year) f = RoundedAsWritten(f);
  }
  if (!withPeaks || record.peakCount <= 0) {
    record.peakCount = 0;
    record.peaks.fill(0.0f);
    record.peakDayFlows.fill(0.0f);
    return;
  }
  for (int k = 0; k < kMaxPeaks; ++k) {
    record.peaks[k] = k < record.peakCount ? RoundedAsWritten(record.peaks[k]) : 0.0f;
    record.peakDayFlows[k] = k < record.peakCount ? RoundedAsWritten(record.peakDayFlows[k]) : 0.0f;
  }
}

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

  // Every line up to the last slot line is written with its line end: one without it, or a
  // file that ends before it, was cut short and is never read as zeros.
  if (!NextLine(in, line)) return Status::Failure("The daily flow data file is damaged:  the file is empty.");
  ++lineNumber;
  if (in.eof()) return damaged("is cut short.");
  if (!SplitFields(line, fields, kMaxYears)) return damaged("holds more than 150 years.");
  int n = 0;
  for (std::string_view f : fields) {
    int year = 0;
    if (!ParseInt(f, year)) return damaged("holds a year that is not a whole number.");
    if (year == 0) break;
    r.years[n++] = year;
  }
  r.yearCount = n;
  for (int slot = 0; slot < kDaySlots; ++slot) {
    if (!NextLine(in, line)) {
      ++lineNumber;
      return damaged("is missing: the file ends before the last day slot.");
    }
    ++lineNumber;
    if (in.eof()) return damaged("is cut short.");
    if (!SplitFields(line, fields, kMaxYears)) return damaged("holds more than 150 values.");
    if (fields.size() != static_cast<std::size_t>(n))
      return damaged(fields.size() < static_cast<std::size_t>(n)
                         ? "holds fewer values than the years line has years."
                         : "holds more values than the years line has years.");
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
        if (!NextLine(in, line)) {
          if (count == 0) break;
          ++lineNumber;
          return damaged("is missing: the file ends before the last peak.");
        }
        ++lineNumber;
        if (!SplitFields(line, fields, kMaxPeaks)) return damaged("holds more than 150 peaks.");
        if (fields.size() != static_cast<std::size_t>(count))
          return damaged("does not hold as many peaks as the peak count says.");
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
  std::ifstream in;
  if (!OpenInputFile(in, path)) return Status::Failure(DataSetOpenFailure(path));
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
  WholeFileWriter out(path);
  if (!out.Opened()) return false;
  WriteDataSetFile(out.Stream(), record, withPeaks);
  return out.Commit().Ok();
}

}  // namespace zelvo
