#pragma once
// Agency daily-value files with more than one value column. The agency's service can deliver,
// beside the daily mean discharge, the daily maximum and minimum, gage heights, water
// temperatures or loads, each in a column of its own. The line reader takes the third value of a
// line when it has one, else the first, and the empty fields of the days a column has no value
// move the other values forward; so on some lines of such a file the "flow" is a temperature or a
// gage height. The column-name line ("agency_cd", "site_no", "datetime", then a value column and
// its "_cd" flag column each) says which column each value came from; the daily mean discharge
// column is the one whose name ends in "_00060_00003" (parameter 00060 discharge, statistic 00003
// mean).

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/import/ImportForms.h"

namespace zelvo {

class Ui;

// Reads the flow of each line by the line reader's rule (third value, else first).
inline constexpr int kReadingRuleField = -1;

// What the reader learns about the columns while it reads: the names of the column-name line
// before the first data line, the descriptions the comment header gives the columns
// ("#    01   00060     00003     Discharge, cubic feet per second (Mean)") and, for each field,
// how many stored lines of each water year had their flow taken from it.
struct ValueColumnTally {
  std::vector<std::string> names;
  std::map<std::string, std::string> descriptions;
  std::map<int, std::map<int, long>> linesByFieldAndYear;

  // A line before the first data line.
  void NoteHeaderLine(std::string_view line);
  // Whether the column-name line tells the columns of a data line: the line has as many fields
  // as the column-name line (the agency writes every field, empty or not). Copies of a file cut
  // down to fewer columns under the original column-name line do not, and for their lines
  // nothing is known of where a value came from.
  bool Describes(std::string_view dataLine) const;
  // The same for a line of `fields` fields (its FieldCount).
  bool DescribesFields(std::size_t fields) const { return !names.empty() && fields == names.size(); }
  void CountLine(int field, int waterYear) { ++LineCount(field, waterYear); }
  // The count of the field and year, 0 when new; the reference stays valid while the tally lives.
  long& LineCount(int field, int waterYear) { return linesByFieldAndYear[field][waterYear]; }
};

struct ColumnLines {
  std::string name;
  std::string description;  // from the comment header; may be empty
  long lines = 0;
};

// The outcome of the check: whether the reading rule read any line of the kept water years from
// a column other than the daily mean discharge.
struct ValueColumnCheck {
  int meanField = kReadingRuleField;  // field of the daily mean discharge column
  ColumnLines mean;                   // its name and description (lines unused)
  std::vector<ColumnLines> others;    // columns read instead, most lines first
  long otherLines = 0;

  bool ReadsOtherColumns() const { return !others.empty(); }
};

// Only a file whose column-name line shows more than one value column and a daily mean discharge
// column can read the wrong one; for any other file the check finds nothing. Lines are counted in
// the water years firstYear..lastYear.
ValueColumnCheck CheckValueColumns(const ValueColumnTally& tally, int firstYear, int lastYear);

// How the command that reads the file settles the column: ask the user, or (a script, a batch)
// take the daily mean discharge column or the reading rule.
enum class FlowColumnChoice { Ask, Mean, Rule };

// The note: which columns were read on how many lines, and where the daily mean discharge is.
std::string OtherColumnsNote(const ValueColumnCheck& check, const std::string& path);
// The question (Yes / No / Cancel) of the programs that ask.
std::string OtherColumnsQuestion(const ValueColumnCheck& check, const std::string& path,
                                 ImportProgram program);

// Settles the field to read the flows from: the reading rule when the check found nothing;
// otherwise the question (Yes: the daily mean discharge column, No: the rule, Cancel: nullopt,
// the command stops), or for a preset choice the note with what is read. `ui` shows the texts.
std::optional<int> ChooseFlowField(Ui& ui, const ValueColumnCheck& check, FlowColumnChoice choice,
                                   const std::string& path, ImportProgram program);

}  // namespace zelvo
