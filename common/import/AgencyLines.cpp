#include "common/import/AgencyLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/engine/FlowRecord.h"
#include "common/engine/WaterYear.h"
#include "common/import/LineScanner.h"

namespace zelvo {

bool StartsAgencyData(std::string_view line) { return line.substr(0, 4) == "AGNC"; }

void TrimLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

void TrimLineEnd(std::string_view& line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
}

CalendarDate SplitAgencyDate(std::string_view text) {
  CalendarDate d;
  d.year = LeadingInt(text.substr(0, 4));
  d.month = text.size() > 5 ? LeadingInt(text.substr(5)) : 0;
  d.day = LeadingInt(text.size() >= 2 ? text.substr(text.size() - 2) : text);
  return d;
}

bool IsCalendarDate(const CalendarDate& d) {
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.day > kDays[d.month - 1]) return false;
  if (d.month == 2 && d.day == 29) {
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (!leap) return false;
  }
  return true;
}

bool ParseAgencyDate(std::string_view text, CalendarDate& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  // The digits at their fixed places; any other character is 10 or more.
  const auto digit = [text](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(text[i])) - '0';
  };
  const unsigned y0 = digit(0), y1 = digit(1), y2 = digit(2), y3 = digit(3);
  const unsigned m0 = digit(5), m1 = digit(6), d0 = digit(8), d1 = digit(9);
  if (y0 > 9 || y1 > 9 || y2 > 9 || y3 > 9 || m0 > 9 || m1 > 9 || d0 > 9 || d1 > 9) return false;
  date.year = static_cast<int>(y0 * 1000 + y1 * 100 + y2 * 10 + y3);
  date.month = static_cast<int>(m0 * 10 + m1);
  date.day = static_cast<int>(d0 * 10 + d1);
  return IsCalendarDate(date);
}

SlotAndYear SlotOfDate(const CalendarDate& date) {
  SlotAndYear s;
  s.slot = DaySlot(date.month, date.day);
  s.waterYear = WaterYearOf(date.year, s.slot);
  return s;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  if (line.find('\t') != std::string_view::npos) {
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(
          line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    return fields;
  }
  LineScanner scan(line);
  std::string_view token;
  while (scan.Token(token)) fields.push_back(token);
  return fields;
}

namespace {

// The number of tabs in `text`, eight characters at a time.
std::size_t CountTabs(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7f7f7f7f7f7f7f7fu;
  const char* p = text.data();
  std::size_t left = text.size(), count = 0;
  while (left >= 8) {
    // Per byte 1 where it is a tab, else 0, summed in the bytes of `sum` over up to 31 words,
    // so that the total of all eight bytes stays below 256 for the sum by multiplication.
    std::uint64_t sum = 0;
    for (std::size_t words = 0; words < 31 && left >= 8; ++words, p += 8, left -= 8) {
      std::uint64_t w;
      std::memcpy(&w, p, sizeof w);
      const std::uint64_t x = w ^ (kOnes * '\t');               // 0 in the bytes that are tabs
      const std::uint64_t nonZero = ((x & kLow7) + kLow7) | x;  // high bit set in non-zero bytes
      sum += (~nonZero >> 7) & kOnes;
    }
    count += static_cast<std::size_t>((sum * kOnes) >> 56);
  }
  for (; left > 0; --left, ++p) count += *p == '\t';
  return count;
}

}  // namespace

std::size_t FieldCount(std::string_view line) {
  if (const std::size_t tabs = CountTabs(line); tabs > 0) return tabs + 1;
  return SplitFields(line).size();
}

namespace {

bool HasTab(std::string_view line) { return line.find('\t') != std::string_view::npos; }

// FieldAt for a line whose tab check is done: `tabbed` says whether it has a tab.
int FieldAtOf(std::string_view line, bool tabbed, std::size_t offset) {
  const std::string_view before = line.substr(0, offset);
  if (tabbed) return static_cast<int>(CountTabs(before));
  LineScanner scan(before);
  std::string_view token;
  int count = 0;
  while (scan.Token(token)) ++count;
  // `offset` is the start of a token, so the tokens before it are whole.
  return count;
}

}  // namespace

int FieldAt(std::string_view line, std::size_t offset) { return FieldAtOf(line, HasTab(line), offset); }

namespace {

// Nearly every line of an agency file has one shape: "agency<TAB>site<TAB>date<TAB>value", the
// site all digits, the value plain digits with at most one decimal point and at most 7 digits,
// and at most one more field, a code without blanks, at the end. Such a line is read here in one
// pass, to exactly what the scanner reads from it (the flow in the fourth field, field 3); any
// other line gives false and goes the scanner's way.
bool ParseUsualLine(std::string_view line, DailyValueLine& out) {
  const char* q = line.data();
  const char* const end = q + line.size();
  // The agency, the site and the date: a run of non-blanks, of digits and of non-blanks, each
  // ended by one tab.
  const char* start = q;
  while (q < end && !IsBlank(*q)) ++q;
  if (q == start || q == end || *q != '\t') return false;
  start = ++q;
  while (q < end && IsDigit(*q)) ++q;
  if (q == start || q == end || *q != '\t') return false;
  start = ++q;
  while (q < end && !IsBlank(*q)) ++q;
  if (q == start || q == end || *q != '\t') return false;
  const std::string_view date(start, static_cast<std::size_t>(q - start));
  ++q;
  // The value, the short way of LineScanner::Float.
  std::size_t at = static_cast<std::size_t>(q - line.data());
  const PlainDecimal value = ReadPlainDecimal(line, at);
  if (value.digits == 0 || value.digits > kShortDigits) return false;
  q = line.data() + at;
  // Then the end of the line, or a tab and a code that runs to the end.
  std::size_t fields = 4;
  if (q < end) {
    fields = 5;
    if (*q != '\t') return false;
    for (++q; q < end && !IsBlank(*q);) ++q;
    if (q != end) return false;
  }
  out.date = date;
  out.flow = ShortDecimalValue(value);
  out.flowField = 3;
  out.fields = fields;
  return true;
}

}  // namespace

bool ParseDailyValueLine(std::string_view line, DailyValueLine& out) {
  if (ParseUsualLine(line, out)) return true;
  out.fields = 0;
  LineScanner scan(line);
  std::string_view agency, flag;
  int site = 0;
  if (!scan.Token(agency) || !scan.Int(site) || !scan.Token(out.date)) return false;
  float value1 = 0.0f, value2 = 0.0f, value3 = 0.0f;
  out.flow = kMissing;
  out.flowField = -1;
  scan.SkipBlanks();
  const std::size_t at1 = scan.Position();
  if (!scan.Float(value1)) return true;
  // Every character before the value went through the scanner, and tabs only through its blank
  // skips: on a line with tabs, the tabs passed are the field of the value.
  const bool tabbed = scan.TabsPassed() > 0 || HasTab(line);
  out.flow = value1;
  out.flowField = tabbed ? static_cast<int>(scan.TabsPassed()) : FieldAtOf(line, false, at1);
  if (!scan.Token(flag) || !scan.Float(value2) || !scan.Token(flag)) return true;
  scan.SkipBlanks();
  const std::size_t at3 = scan.Position();
  if (scan.Float(value3)) {
    out.flow = value3;
    out.flowField = tabbed ? static_cast<int>(scan.TabsPassed()) : FieldAtOf(line, false, at3);
  }
  return true;
}

bool ParseDailyValueLine(std::string_view line, int field, DailyValueLine& out) {
  LineScanner scan(line);
  std::string_view agency;
  int site = 0;
  if (!scan.Token(agency) || !scan.Int(site) || !scan.Token(out.date)) return false;
  out.flow = kMissing;
  out.flowField = -1;
  const std::vector<std::string_view> fields = SplitFields(line);
  if (field < 0 || field >= static_cast<int>(fields.size())) return true;
  LineScanner value(fields[static_cast<std::size_t>(field)]);
  float flow = 0.0f;
  if (value.Float(flow)) {
    out.flow = flow;
    out.flowField = field;
  }
  return true;
}

PeakLine ParsePeakLine(std::string_view line) {
  PeakLine out;
  {
    LineScanner scan(line);
    std::string_view agency, date;
    char separator = 0, timeStart = 0;
    int site = 0;
    float peak = 0.0f;
    if (scan.Token(agency) && scan.Char(separator) && scan.Int(site) && scan.Char(separator) &&
        scan.Token(date) && scan.Char(separator) && scan.Char(timeStart) && timeStart == '\t') {
      out.hasDate = true;
      out.date = date;
      // An empty discharge field: the number after it would be a code or a gage height.
      char next = 0;
      LineScanner ahead = scan;
      if (ahead.Char(next) && next == '\t') return out;
      out.hasPeak = scan.Float(peak);
      out.peak = out.hasPeak ? peak : 0.0f;
      return out;
    }
  }
  LineScanner scan(line);
  std::string_view agency, date;
  int site = 0, time = 0;
  float peak = 0.0f;
  if (!scan.Token(agency) || !scan.Int(site) || !scan.Token(date)) return out;
  out.hasDate = true;
  out.date = date;
  if (!scan.Int(time)) return out;
  // A time of day such as "06:30": the minutes belong to the time field, not to the discharge.
  if (scan.Literal(':')) scan.SkipToBlank();
  out.hasPeak = scan.Float(peak);
  out.peak = out.hasPeak ? peak : 0.0f;
  return out;
}

bool IsValidPeak(const PeakLine& line, CalendarDate& date) {
  if (!line.hasDate) return false;
  return ParseAgencyDate(line.date, date) && date.year >= 1800 && date.year <= 2050 && IsCalendarDate(date) &&
         line.hasPeak && line.peak > 0.0f;
}

}  // namespace zelvo
