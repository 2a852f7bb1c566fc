#pragma once
// The lines of the agency's daily-value and annual peak-flow files: header skipping, the data
// line patterns and the YYYY-MM-DD dates.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// The first data line of an agency file is the first line whose first four characters are
// "AGNC"; every line before it is header.
bool StartsAgencyData(std::string_view line);

// Removes the "\r" that a CR LF file leaves at the end of a line read up to "\n".
void TrimLineEnd(std::string& line);
void TrimLineEnd(std::string_view& line);

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Splits a date text of the form YYYY-MM-DD: the year from the first four characters, the
// month read from the sixth character on, the day from the last two characters.
CalendarDate SplitAgencyDate(std::string_view text);

// True for a date of the Gregorian calendar between the years 1 and 9999 (29 February only in
// leap years). Only such a date has a day slot.
bool IsCalendarDate(const CalendarDate& date);

// A date text of exactly the form YYYY-MM-DD (digits and hyphens) that is a calendar date.
// Only such a date has a day slot; any other date text belongs to a line stored nowhere.
bool ParseAgencyDate(std::string_view text, CalendarDate& date);

// Day slot (1..366) and water year of a calendar date.
struct SlotAndYear {
  int slot = 0;
  int waterYear = 0;
};
SlotAndYear SlotOfDate(const CalendarDate& date);

// The fields of an agency line. The agency's files separate their columns by tabs, and an empty
// field between two tabs is a value the agency did not give; a line without any tab is split at
// its runs of blanks. Field 0 is the agency code, 1 the site number, 2 the date.
std::vector<std::string_view> SplitFields(std::string_view line);
// The number of fields of the line, and the field that holds the character at `offset`.
std::size_t FieldCount(std::string_view line);
int FieldAt(std::string_view line, std::size_t offset);

// One daily-value line, read as agency code, site number, date, value 1, flag 1, value 2,
// flag 2, value 3 ("%s %d %s %f %s %f %s %f"). The flow is value 3 when the line has a third
// value, else value 1, else missing (999999.0). The blanks of the pattern pass over empty
// fields, so on a line with several value columns the value read may belong to any of them.
struct DailyValueLine {
  std::string_view date;
  float flow = 0.0f;
  int flowField = -1;      // the field the flow was read from; -1 when the flow is missing
  std::size_t fields = 0;  // FieldCount of the line when the reading rule saw it on the way, else 0
};
// False when the line does not get as far as its date (blank lines, trailers, headers).
bool ParseDailyValueLine(std::string_view line, DailyValueLine& out);
// The same line with the flow taken from field `field` alone: an empty field, a field that is
// not a number or a line without that field gives a missing flow.
bool ParseDailyValueLine(std::string_view line, int field, DailyValueLine& out);

// One annual peak line. First read as "%s%c%d%c%s%c%c%f"; when the character after the date's
// separator is a tab (empty time field) the discharge of that reading is taken. Otherwise the
// line is read as "%s %d %s %d %f" (agency code, site, date, time of day, discharge), where a
// time written as hours:minutes is passed over whole. An empty discharge field (two tabs in a
// row after the empty time) reads no discharge rather than the next column.
struct PeakLine {
  bool hasDate = false;  // the line got as far as its date: it is a peak record
  std::string_view date;
  bool hasPeak = false;  // a discharge was read
  float peak = 0.0f;
};
PeakLine ParsePeakLine(std::string_view line);

// A peak record is valid when 1800 <= year <= 2050, its month and day form a calendar date and
// the discharge is above 0.
bool IsValidPeak(const PeakLine& line, CalendarDate& date);

}  // namespace zelvo
