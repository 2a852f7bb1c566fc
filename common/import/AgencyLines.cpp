#include "common/import/AgencyLines.h"

#include <algorithm>

#include "common/engine/FlowRecord.h"
#include "common/engine/WaterYear.h"
#include "common/import/LineScanner.h"

namespace zelvo {

bool StartsAgencyData(std::string_view line) { return line.substr(0, 4) == "AGNC"; }

void TrimLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
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
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[i] < '0' || text[i] > '9') return false;
  date = SplitAgencyDate(text);
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

std::size_t FieldCount(std::string_view line) {
  if (line.find('\t') != std::string_view::npos)
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
  return SplitFields(line).size();
}

int FieldAt(std::string_view line, std::size_t offset) {
  const std::string_view before = line.substr(0, offset);
  if (line.find('\t') != std::string_view::npos)
    return static_cast<int>(std::count(before.begin(), before.end(), '\t'));
  LineScanner scan(before);
  std::string_view token;
  int count = 0;
  while (scan.Token(token)) ++count;
  // `offset` is the start of a token, so the tokens before it are whole.
  return count;
}

bool ParseDailyValueLine(std::string_view line, DailyValueLine& out) {
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
  out.flow = value1;
  out.flowField = FieldAt(line, at1);
  if (!scan.Token(flag) || !scan.Float(value2) || !scan.Token(flag)) return true;
  scan.SkipBlanks();
  const std::size_t at3 = scan.Position();
  if (scan.Float(value3)) {
    out.flow = value3;
    out.flowField = FieldAt(line, at3);
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
