#pragma once
// The agency daily-value reader of both programs: header skipping, data lines into water years
// and day slots, the 150-year span check, the year checks and the cut-out of the requested years.

#include <filesystem>
#include <iosfwd>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/import/ImportForms.h"
#include "common/import/ValueColumns.h"
#include "common/io/Status.h"

namespace zelvo {

class Ui;

inline constexpr const char* kEndingBeforeStartingMessage =
    "The ending year must be equal to or greater than the starting year.";
inline constexpr const char* kSpanOver150YearsMessage =
    "The import file period of record spans more than 150 years.\n\nPlease reduce the number of years.";
inline constexpr const char* kStartingYearNotInFileMessage =
    "The starting water year is not contained in the input file.\n\n                        Import Aborted!";
inline constexpr const char* kEndingYearNotInFileMessage =
    "The ending year is not contained in the input file.\n\n                   Import Aborted!";
// "Can not open the daily flow input data file:  %s"
std::string DailyFileOpenFailure(const std::string& path);
std::string DailyFileReadFailure(const std::string& path);
// A file without any line beginning with "AGNC".
std::string NoAgencyLineMessage(const std::string& path);
// A file whose data lines hold no dated value.
std::string NoDailyValuesMessage(const std::string& path);

// What a read found besides the flows.
struct DailyValueSpan {
  // On success: the water years cut out (0 replaced by the first / last year of the file);
  // column i of the record is water year beginYear + i.
  int beginYear = 0;
  int endYear = 0;
  long storedLines = 0;  // data lines that gave a value to a day slot
  std::string field;     // on failure: the import dialog field the message is about
  // The column-name line and, per field, the lines whose flow came from it (CheckValueColumns).
  ValueColumnTally columns;
};

// Reads a daily-value file. `program` selects the main program's form (the whole file is read,
// then the requested years are cut out) or the classification program's (lines before the
// beginning year are skipped, reading stops at the first line after a non-zero ending year).
// On success `record` holds the cut-out years: flows of days without a line 999999.0, year
// number 0 for water years without any line. On failure `record` is left as it was.
// `pathForMessages` names the file in messages. `flowField` is kReadingRuleField for the
// reading rule, or the field of every line that holds the flow (the daily mean discharge column).
Status ReadDailyValues(std::istream& in, ImportProgram program, int beginYear, int endYear,
                       FlowRecord& record, DailyValueSpan& span, const std::string& pathForMessages = "",
                       int flowField = kReadingRuleField);

// The same from a file path, after the check of the ending against the beginning year and the
// open failure.
Status ReadDailyValueFile(const std::filesystem::path& path, ImportProgram program, int beginYear,
                          int endYear, FlowRecord& record, DailyValueSpan& span,
                          int flowField = kReadingRuleField);

// The classification program's whole read of a daily-value file: the reader; for a file whose
// lines are read from a column other than the daily mean discharge, the question which column to
// read (in batch mode none: the daily mean discharge column); the screening (in batch mode
// without the dialog, keeping the complete years) and, unless in batch mode, the question about
// fewer than 20 years. Every message is shown through `ui`. Succeeds when `record` is filled;
// fails on any failure or abort (with no message when the user ended it).
Status ReadDailyValueFileForClassification(Ui& ui, const std::string& path, int beginYear, int endYear,
                                           bool batch, FlowRecord& record);

// "The number of years (%d) is less than 20.\n\nDo you wish to continue?"
std::string FewerThan20YearsQuestion(int years);

}  // namespace zelvo
