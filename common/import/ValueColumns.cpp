#include "common/import/ValueColumns.h"

#include <algorithm>

#include "common/engine/TextFormat.h"
#include "common/import/AgencyLines.h"
#include "common/import/LineScanner.h"
#include "common/ui/Ui.h"

namespace zelvo {
namespace {

constexpr std::string_view kColumnNameLineStart = "agency_cd";
constexpr std::string_view kMeanDischargeEnding = "_00060_00003";
constexpr std::string_view kFlagEnding = "_cd";
// agency_cd, site_no, datetime: the value columns follow.
constexpr std::size_t kFirstValueField = 3;

bool EndsWith(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Described(const ColumnLines& column) {
  return column.description.empty() ? column.name : column.name + " (" + column.description + ")";
}

std::string LinesText(long lines) { return Format(lines == 1 ? "%ld line" : "%ld lines", lines); }

constexpr const char* kMeanAnswer =
    "read the daily mean discharge column (a day without a value there is missing).";
constexpr const char* kRuleAnswer = "read the file as before (the third value of a line, else its first).";
constexpr const char* kMeanRead =
    "The daily mean discharge column is read (a day without a value there is missing).";
constexpr const char* kRuleRead = "The file is read as before (the third value of a line, else its first).";

}  // namespace

void ValueColumnTally::NoteHeaderLine(std::string_view line) {
  if (line.substr(0, kColumnNameLineStart.size()) == kColumnNameLineStart) {
    names.clear();
    for (std::string_view field : SplitFields(line)) names.emplace_back(field);
    return;
  }
  // "#    01   00060     00003     Discharge, cubic feet per second (Mean)": the column of
  // time series 01, parameter 00060 and statistic 00003 is named "01_00060_00003".
  if (line.empty() || line[0] != '#') return;
  LineScanner scan(line.substr(1));
  std::string_view series, parameter, statistic;
  if (!scan.Token(series) || !scan.Token(parameter) || !scan.Token(statistic)) return;
  if (!AllDigits(series) || parameter.size() != 5 || !AllDigits(parameter) || statistic.size() != 5 ||
      !AllDigits(statistic))
    return;
  scan.SkipBlanks();
  std::string description(line.substr(1 + scan.Position()));
  while (!description.empty() && IsBlank(description.back())) description.pop_back();
  if (description.empty()) return;
  descriptions[std::string(series) + "_" + std::string(parameter) + "_" + std::string(statistic)] =
      description;
}

bool ValueColumnTally::Describes(std::string_view dataLine) const {
  return !names.empty() && DescribesFields(FieldCount(dataLine));
}

ValueColumnCheck CheckValueColumns(const ValueColumnTally& tally, int firstYear, int lastYear) {
  ValueColumnCheck check;
  int valueColumns = 0;
  for (std::size_t f = kFirstValueField; f < tally.names.size(); ++f) {
    if (EndsWith(tally.names[f], kFlagEnding)) continue;
    ++valueColumns;
    if (check.meanField == kReadingRuleField && EndsWith(tally.names[f], kMeanDischargeEnding))
      check.meanField = static_cast<int>(f);
  }
  if (valueColumns < 2 || check.meanField == kReadingRuleField) return ValueColumnCheck{};

  const auto column = [&tally](int field) {
    ColumnLines c;
    c.name = field < static_cast<int>(tally.names.size()) ? tally.names[static_cast<std::size_t>(field)]
                                                          : Format("field %d", field + 1);
    const auto d = tally.descriptions.find(c.name);
    if (d != tally.descriptions.end()) c.description = d->second;
    return c;
  };
  check.mean = column(check.meanField);
  for (const auto& [field, byYear] : tally.linesByFieldAndYear) {
    if (field == check.meanField || field < 0) continue;
    long lines = 0;
    for (const auto& [year, count] : byYear)
      if (year >= firstYear && year <= lastYear) lines += count;
    if (lines == 0) continue;
    ColumnLines other = column(field);
    other.lines = lines;
    check.others.push_back(std::move(other));
    check.otherLines += lines;
  }
  std::stable_sort(check.others.begin(), check.others.end(),
                   [](const ColumnLines& a, const ColumnLines& b) { return a.lines > b.lines; });
  return check;
}

std::string OtherColumnsNote(const ValueColumnCheck& check, const std::string& path) {
  std::string text = "The daily flow input data file, " + path +
                     ", has more than one value column.  The daily mean discharge is in the column " +
                     Described(check.mean) + ", but on " + LinesText(check.otherLines) +
                     " the flow would be read from another column:\n\n";
  // Each column on a line of its own with its count, its description (when the header gives one)
  // on the next: a message box stays narrow enough to read.
  for (const ColumnLines& other : check.others) {
    text += "     " + other.name + ":  " + LinesText(other.lines) + "\n";
    if (!other.description.empty()) text += "          " + other.description + "\n";
  }
  return text;
}

std::string OtherColumnsQuestion(const ValueColumnCheck& check, const std::string& path,
                                 ImportProgram program) {
  return OtherColumnsNote(check, path) +
         "\nDo you wish to read the daily mean discharge column instead?\n\nYes:  " + kMeanAnswer +
         "\nNo:  " + kRuleAnswer +
         "\nCancel:  " + (program == ImportProgram::Main ? "stop the import." : "stop the classification.");
}

std::optional<int> ChooseFlowField(Ui& ui, const ValueColumnCheck& check, FlowColumnChoice choice,
                                   const std::string& path, ImportProgram program) {
  if (!check.ReadsOtherColumns()) return kReadingRuleField;
  switch (choice) {
    case FlowColumnChoice::Ask:
      switch (ui.Message(OtherColumnsQuestion(check, path, program), Buttons::YesNoCancel)) {
        case Answer::Yes:
          return check.meanField;
        case Answer::No:
          return kReadingRuleField;
        default:
          return std::nullopt;
      }
    case FlowColumnChoice::Mean:
      ui.Message(OtherColumnsNote(check, path) + "\n" + kMeanRead);
      return check.meanField;
    case FlowColumnChoice::Rule:
      ui.Message(OtherColumnsNote(check, path) + "\n" + kRuleRead);
      return kReadingRuleField;
  }
  return std::nullopt;
}

}  // namespace zelvo
