#include "common/import/DailyValueReader.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <map>

#include "common/engine/TextFormat.h"
#include "common/import/AgencyLines.h"
#include "common/import/MissingDataScreening.h"
#include "common/ui/Ui.h"

namespace zelvo {
namespace {

DailyValueOutcome Failure(std::string message, const char* field) {
  DailyValueOutcome o;
  o.message = std::move(message);
  o.field = field;
  return o;
}

}  // namespace

std::string DailyFileOpenFailure(const std::string& path) {
  return "Can not open the daily flow input data file:  " + path;
}

std::string NoAgencyLineMessage(const std::string& path) {
  return "The daily flow input data file, " + path +
         ", has no line beginning with AGNC.\n\n                   Import Aborted!";
}

std::string NoDailyValuesMessage(const std::string& path) {
  return "The daily flow input data file, " + path +
         ", has no daily values with a valid date.\n\n                   Import Aborted!";
}

std::string FewerThan20YearsQuestion(int years) {
  return Format("The number of years (%d) is less than 20.\n\nDo you wish to continue?", years);
}

DailyValueOutcome ReadDailyValues(std::istream& in, ImportProgram program, int beginYear, int endYear,
                                  FlowRecord& record, const std::string& pathForMessages, int flowField) {
  const bool classification = program == ImportProgram::Classification;
  // Every water year met so far, keyed by its number. Lines may come in any order; a repeated
  // date keeps the value of its last line. At most 150 keys: the span check comes first.
  std::map<int, YearFlows> table;
  int first = 0, last = 0;
  bool agencyLineSeen = false;
  bool skippedForYears = false;
  long stored = 0;
  ValueColumnTally columns;

  std::string line;
  while (std::getline(in, line)) {
    TrimLineEnd(line);
    if (!agencyLineSeen) {
      if (!StartsAgencyData(line)) {
        columns.NoteHeaderLine(line);
        continue;
      }
      agencyLineSeen = true;
    }
    // A line the column-name line does not describe is read by the rule whatever was asked:
    // which of its values is the daily mean is not known.
    const bool described = columns.Describes(line);
    DailyValueLine value;
    const bool parsed = flowField != kReadingRuleField && described
                            ? ParseDailyValueLine(line, flowField, value)
                            : ParseDailyValueLine(line, value);
    if (!parsed) continue;
    CalendarDate date;
    if (!ParseAgencyDate(value.date, date)) continue;  // no day slot: stored nowhere
    const SlotAndYear at = SlotOfDate(date);
    if (classification) {
      if (beginYear != 0 && at.waterYear < beginYear) {
        skippedForYears = true;
        continue;
      }
      if (endYear != 0 && at.waterYear > endYear) {
        skippedForYears = true;
        break;
      }
    }
    const int newFirst = table.empty() ? at.waterYear : std::min(first, at.waterYear);
    const int newLast = table.empty() ? at.waterYear : std::max(last, at.waterYear);
    if (newLast - newFirst > kMaxYears - 1) return Failure(kSpanOver150YearsMessage, kFieldDailyFile);
    auto [it, inserted] = table.try_emplace(at.waterYear);
    if (inserted) it->second.fill(kMissing);
    it->second[static_cast<std::size_t>(at.slot - 1)] = value.flow;
    first = newFirst;
    last = newLast;
    ++stored;
    if (described && value.flowField >= 0) columns.CountLine(value.flowField, at.waterYear);
  }

  if (!agencyLineSeen) return Failure(NoAgencyLineMessage(pathForMessages), kFieldDailyFile);
  if (table.empty()) {
    if (skippedForYears) return Failure(kStartingYearNotInFileMessage, kFieldBeginningYear);
    return Failure(NoDailyValuesMessage(pathForMessages), kFieldDailyFile);
  }

  const int begin = beginYear != 0 ? beginYear : first;
  const int end = endYear != 0 ? endYear : last;
  if (begin < first || begin > last) return Failure(kStartingYearNotInFileMessage, kFieldBeginningYear);
  // An ending year before the file's first year (possible with an open beginning year) is not
  // in the file either.
  if (last < end || end < first || end < begin) return Failure(kEndingYearNotInFileMessage, kFieldEndingYear);

  record.Clear(kMissing);
  record.yearCount = end - begin + 1;
  for (int i = 0; i < record.yearCount; ++i) {
    const auto it = table.find(begin + i);
    if (it == table.end()) continue;  // year number 0, all slots missing
    record.years[static_cast<std::size_t>(i)] = begin + i;
    record.flows[static_cast<std::size_t>(i)] = it->second;
  }
  DailyValueOutcome o;
  o.ok = true;
  o.beginYear = begin;
  o.endYear = end;
  o.storedLines = stored;
  o.columns = std::move(columns);
  return o;
}

DailyValueOutcome ReadDailyValueFile(const std::filesystem::path& path, ImportProgram program, int beginYear,
                                     int endYear, FlowRecord& record, int flowField) {
  if (endYear != 0 && endYear < beginYear) return Failure(kEndingBeforeStartingMessage, kFieldEndingYear);
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure(DailyFileOpenFailure(path.string()), kFieldDailyFile);
  return ReadDailyValues(in, program, beginYear, endYear, record, path.string(), flowField);
}

int ReadDailyValueFileForClassification(Ui& ui, const std::string& path, int beginYear, int endYear,
                                        bool batch, FlowRecord& record) {
  FlowRecord work;
  DailyValueOutcome read = ReadDailyValueFile(path, ImportProgram::Classification, beginYear, endYear, work);
  if (!read.ok) {
    ui.Message(read.message);
    return 1;
  }
  // A file read from another column than the daily mean discharge: asked, or in a batch (where
  // nobody answers) the daily mean discharge column without a word.
  const ValueColumnCheck columns = CheckValueColumns(read.columns, read.beginYear, read.endYear);
  const std::optional<int> field =
      batch ? (columns.ReadsOtherColumns() ? columns.meanField : kReadingRuleField)
            : ChooseFlowField(ui, columns, FlowColumnChoice::Ask, path, ImportProgram::Classification);
  if (!field) return 1;
  if (*field != kReadingRuleField) {
    read = ReadDailyValueFile(path, ImportProgram::Classification, beginYear, endYear, work, *field);
    if (!read.ok) {
      ui.Message(read.message);
      return 1;
    }
  }
  ScreeningRequest request;
  request.program = ImportProgram::Classification;
  request.batch = batch;
  request.firstWaterYear = read.beginYear;
  request.dailyFilePath = path;
  if (!ScreenMissingData(ui, work, request).keep) return 1;
  if (!batch && work.yearCount < 20 &&
      ui.Message(FewerThan20YearsQuestion(work.yearCount), Buttons::YesNo) != Answer::Yes)
    return 1;
  record = std::move(work);
  return 0;
}

}  // namespace zelvo
