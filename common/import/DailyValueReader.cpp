#include "common/import/DailyValueReader.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <map>

#include "common/engine/TextFormat.h"
#include "common/import/AgencyLines.h"
#include "common/import/MissingDataScreening.h"
#include "common/io/TextInput.h"
#include "common/ui/Ui.h"

namespace zelvo {
namespace {

// A failure whose message is about the import dialog's `field`.
Status FailureAt(DailyValueSpan& span, std::string message, const char* field) {
  span.field = field;
  return Status::Failure(std::move(message));
}

}  // namespace

std::string DailyFileOpenFailure(const std::string& path) {
  return "Can not open the daily flow input data file:  " + path;
}

std::string DailyFileReadFailure(const std::string& path) {
  return "Can not read the daily flow input data file to its end:  " + path;
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

Status ReadDailyValues(std::istream& in, ImportProgram program, int beginYear, int endYear,
                       FlowRecord& record, DailyValueSpan& span, const std::string& pathForMessages,
                       int flowField) {
  const bool classification = program == ImportProgram::Classification;
  // Every water year met so far, keyed by its number. Lines may come in any order; a repeated
  // date keeps the value of its last line. At most 150 keys: the span check comes first.
  std::map<int, YearFlows> table;
  int first = 0, last = 0;
  bool agencyLineSeen = false;
  bool skippedForYears = false;
  bool stoppedAtEndingYear = false;  // the classifier needs no line after its ending year
  long stored = 0;
  ValueColumnTally columns;
  // The year the last line went to and its flows; the field and year of the last line counted and
  // its count (map entries stay where they are).
  int flowsYear = 0, countField = 0, countYear = 0;
  YearFlows* yearFlows = nullptr;
  long* lineCount = nullptr;

  TextLines lines(in);
  std::string_view line;
  while (lines.Next(line)) {
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
    DailyValueLine value;
    bool described = false;
    bool parsed = false;
    if (flowField == kReadingRuleField) {
      parsed = ParseDailyValueLine(line, value);
      // The reading rule counts the fields of the usual line on its way.
      described = value.fields > 0 ? columns.DescribesFields(value.fields) : columns.Describes(line);
    } else {
      described = columns.Describes(line);
      parsed = described ? ParseDailyValueLine(line, flowField, value) : ParseDailyValueLine(line, value);
    }
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
        stoppedAtEndingYear = true;
        break;
      }
    }
    const int newFirst = table.empty() ? at.waterYear : std::min(first, at.waterYear);
    const int newLast = table.empty() ? at.waterYear : std::max(last, at.waterYear);
    if (newLast - newFirst > kMaxYears - 1) return FailureAt(span, kSpanOver150YearsMessage, kFieldDailyFile);
    // Lines come year by year: the year of the line before is found again without a look-up.
    if (yearFlows == nullptr || at.waterYear != flowsYear) {
      auto [it, inserted] = table.try_emplace(at.waterYear);
      if (inserted) it->second.fill(kMissing);
      yearFlows = &it->second;
      flowsYear = at.waterYear;
    }
    (*yearFlows)[static_cast<std::size_t>(at.slot - 1)] = value.flow;
    first = newFirst;
    last = newLast;
    ++stored;
    if (described && value.flowField >= 0) {
      if (lineCount == nullptr || value.flowField != countField || at.waterYear != countYear) {
        lineCount = &columns.LineCount(value.flowField, at.waterYear);
        countField = value.flowField;
        countYear = at.waterYear;
      }
      ++*lineCount;
    }
  }

  // A read error is not the end of the file: a record cut there would be read as a short one.
  // (Lines are read ahead in blocks, so an error after the classifier's ending year may already
  // be met; the years it asked for were read whole, as before.)
  if (in.bad() && !stoppedAtEndingYear)
    return FailureAt(span, DailyFileReadFailure(pathForMessages), kFieldDailyFile);
  if (!agencyLineSeen) return FailureAt(span, NoAgencyLineMessage(pathForMessages), kFieldDailyFile);
  if (table.empty()) {
    if (skippedForYears) return FailureAt(span, kStartingYearNotInFileMessage, kFieldBeginningYear);
    return FailureAt(span, NoDailyValuesMessage(pathForMessages), kFieldDailyFile);
  }

  const int begin = beginYear != 0 ? beginYear : first;
  const int end = endYear != 0 ? endYear : last;
  if (begin < first || begin > last)
    return FailureAt(span, kStartingYearNotInFileMessage, kFieldBeginningYear);
  // An ending year before the file's first year (possible with an open beginning year) is not
  // in the file either.
  if (last < end || end < first || end < begin)
    return FailureAt(span, kEndingYearNotInFileMessage, kFieldEndingYear);

  record.Clear(kMissing);
  record.yearCount = end - begin + 1;
  for (int i = 0; i < record.yearCount; ++i) {
    const auto it = table.find(begin + i);
    if (it == table.end()) continue;  // year number 0, all slots missing
    record.years[static_cast<std::size_t>(i)] = begin + i;
    record.flows[static_cast<std::size_t>(i)] = it->second;
  }
  span.beginYear = begin;
  span.endYear = end;
  span.storedLines = stored;
  span.field.clear();
  span.columns = std::move(columns);
  return Status::Success();
}

Status ReadDailyValueFile(const std::filesystem::path& path, ImportProgram program, int beginYear,
                          int endYear, FlowRecord& record, DailyValueSpan& span, int flowField) {
  if (endYear != 0 && endYear < beginYear)
    return FailureAt(span, kEndingBeforeStartingMessage, kFieldEndingYear);
  std::ifstream in;
  if (!OpenInputFile(in, path)) return FailureAt(span, DailyFileOpenFailure(path.string()), kFieldDailyFile);
  return ReadDailyValues(in, program, beginYear, endYear, record, span, path.string(), flowField);
}

Status ReadDailyValueFileForClassification(Ui& ui, const std::string& path, int beginYear, int endYear,
                                           bool batch, FlowRecord& record) {
  FlowRecord work;
  DailyValueSpan span;
  Status read = ReadDailyValueFile(path, ImportProgram::Classification, beginYear, endYear, work, span);
  if (!read) {
    ui.Message(read.Message());
    return read;
  }
  // A file read from another column than the daily mean discharge: asked, or in a batch (where
  // nobody answers) the daily mean discharge column without a word.
  const ValueColumnCheck columns = CheckValueColumns(span.columns, span.beginYear, span.endYear);
  const std::optional<int> field =
      batch ? (columns.ReadsOtherColumns() ? columns.meanField : kReadingRuleField)
            : ChooseFlowField(ui, columns, FlowColumnChoice::Ask, path, ImportProgram::Classification);
  if (!field) return Status::Failure("");
  if (*field != kReadingRuleField) {
    read = ReadDailyValueFile(path, ImportProgram::Classification, beginYear, endYear, work, span, *field);
    if (!read) {
      ui.Message(read.Message());
      return read;
    }
  }
  ScreeningRequest request;
  request.program = ImportProgram::Classification;
  request.batch = batch;
  request.firstWaterYear = span.beginYear;
  request.dailyFilePath = path;
  if (Status screened = ScreenMissingData(ui, work, request); !screened) return screened;
  if (!batch && work.yearCount < 20 &&
      ui.Message(FewerThan20YearsQuestion(work.yearCount), Buttons::YesNo) != Answer::Yes)
    return Status::Failure("");
  record = std::move(work);
  return Status::Success();
}

}  // namespace zelvo
