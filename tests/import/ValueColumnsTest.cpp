// Daily-value files with several value columns: which column the reading rule takes on each line,
// the note and the question, and reading the daily mean discharge column instead.

#include <gtest/gtest.h>

#include <sstream>

#include "common/import/AgencyLines.h"
#include "common/import/DailyValueReader.h"
#include "common/import/ValueColumns.h"
#include "import/ImportTestSupport.h"
#include "support/ScriptedUi.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo {
namespace {

using testing::Flow;
using testing::ScratchFolder;
using testing::ScriptedUi;

// A file as the agency delivers it with the daily mean discharge and the daily maximum and
// minimum water temperature: every line has all nine fields, empty where a value is not given.
constexpr const char* kHeader =
    "# Data provided for site 04174500\n"
    "#    DD parameter statistic   Description\n"
    "#    01   00060     00003     Discharge, cubic feet per second (Mean)\n"
    "#    04   00010     00001     Temperature, water, degrees Celsius (Maximum)\n"
    "#    04   00010     00002     Temperature, water, degrees Celsius (Minimum)\n"
    "# \n"
    "agency_cd\tsite_no\tdatetime\t01_00060_00003\t01_00060_00003_cd\t04_00010_00001\t04_00010_00001_cd\t"
    "04_00010_00002\t04_00010_00002_cd\n"
    "5s\t15s\t20d\t14n\t10s\t14n\t10s\t14n\t10s\n";

std::string Line(const std::string& date, const std::string& mean, const std::string& tmax = "",
                 const std::string& tmin = "") {
  const auto field = [](const std::string& v) { return v + "\t" + (v.empty() ? "" : "A"); };
  return "AGNC\t04174500\t" + date + "\t" + field(mean) + "\t" + field(tmax) + "\t" + field(tmin) + "\n";
}

// Water years 1990 and 1991, discharge 100 every day; in July 1991 the temperatures as well
// (maximum 24.5, minimum 20.5), so the third value of those 31 lines is the minimum temperature.
std::string TemperatureFile() {
  std::istringstream days(testing::DailyYears(1990, 1991));
  std::string line, text = kHeader;
  while (std::getline(days, line)) {
    const std::string date(SplitFields(line)[2]);
    const bool july1991 = date.rfind("1991-07", 0) == 0;
    text += Line(date, "100", july1991 ? "24.5" : "", july1991 ? "20.5" : "");
  }
  return text;
}

// What one read gives back, gathered for the checks below.
struct Reading {
  bool ok = false;
  std::string message;
  ValueColumnTally columns;
  int beginYear = 0;
  int endYear = 0;
};

Reading Read(const std::string& text, FlowRecord& r, int field = kReadingRuleField,
             ImportProgram program = ImportProgram::Main, int begin = 0, int end = 0) {
  std::istringstream in(text);
  DailyValueSpan span;
  const Status read = ReadDailyValues(in, program, begin, end, r, span, "daily.txt", field);
  return {read.Ok(), read.Message(), span.columns, span.beginYear, span.endYear};
}

constexpr int kJuly1 = 275;  // day slot of 1 July

TEST(ValueColumns, FieldsSplitAtTabsOrElseAtBlanks) {
  const std::string tabs = "AGNC\t1\t1990-10-01\t\t\t5.5\tA";
  EXPECT_EQ(SplitFields(tabs).size(), 7u);
  EXPECT_EQ(FieldCount(tabs), 7u);
  EXPECT_EQ(SplitFields(tabs)[3], "");
  EXPECT_EQ(FieldAt(tabs, tabs.find("5.5")), 5);
  const std::string blanks = "AGNC  1 1990-10-01 7 A 8 A 9";
  EXPECT_EQ(FieldCount(blanks), 8u);
  EXPECT_EQ(FieldAt(blanks, blanks.rfind('9')), 7);
  DailyValueLine v;
  ASSERT_TRUE(ParseDailyValueLine(blanks, v));
  EXPECT_EQ(v.flowField, 7);
  EXPECT_EQ(v.flow, 9.0f);
  ASSERT_TRUE(ParseDailyValueLine(blanks, 3, v));
  EXPECT_EQ(v.flow, 7.0f);
  // The empty fields move the later values forward: value 1 is the fifth field's 5.5.
  ASSERT_TRUE(ParseDailyValueLine(tabs, v));
  EXPECT_EQ(v.flowField, 5);
  ASSERT_TRUE(ParseDailyValueLine(tabs, 3, v));
  EXPECT_EQ(v.flow, kMissing);
  EXPECT_EQ(v.flowField, -1);
  // A field that is not a number, or is not there, is a missing day; the date is still read.
  ASSERT_TRUE(ParseDailyValueLine("AGNC\t1\t1990-10-01\tIce\tA\t3\tA", 3, v));
  EXPECT_EQ(v.flow, kMissing);
  ASSERT_TRUE(ParseDailyValueLine("AGNC\t1\t1990-10-01\t3\tA", 9, v));
  EXPECT_EQ(v.flow, kMissing);
  EXPECT_EQ(v.date, "1990-10-01");
  EXPECT_FALSE(ParseDailyValueLine("AGNC\t1", 3, v));
}

TEST(ValueColumns, TemperatureReadAsFlowIsFoundWithItsColumnAndLineCount) {
  FlowRecord r;
  const Reading o = Read(TemperatureFile(), r);
  ASSERT_TRUE(o.ok) << o.message;
  EXPECT_EQ(Flow(r, 1, kJuly1), 20.5f);  // the rule took the minimum temperature
  const ValueColumnCheck check = CheckValueColumns(o.columns, o.beginYear, o.endYear);
  ASSERT_TRUE(check.ReadsOtherColumns());
  EXPECT_EQ(check.meanField, 3);
  EXPECT_EQ(check.otherLines, 31);
  EXPECT_EQ(OtherColumnsNote(check, "daily.txt"),
            "The daily flow input data file, daily.txt, has more than one value column.  The daily mean "
            "discharge is in the column 01_00060_00003 (Discharge, cubic feet per second (Mean)), but on 31 "
            "lines the flow would be read from another column:\n\n"
            "     04_00010_00002:  31 lines\n"
            "          Temperature, water, degrees Celsius (Minimum)\n");
  EXPECT_EQ(OtherColumnsQuestion(check, "daily.txt", ImportProgram::Classification),
            OtherColumnsNote(check, "daily.txt") +
                "\nDo you wish to read the daily mean discharge column instead?\n\n"
                "Yes:  read the daily mean discharge column (a day without a value there is missing).\n"
                "No:  read the file as before (the third value of a line, else its first).\n"
                "Cancel:  stop the classification.");
  // Counted only in the water years kept: 1990 alone has no temperature line.
  EXPECT_FALSE(CheckValueColumns(o.columns, 1990, 1990).ReadsOtherColumns());
  FlowRecord early;
  const Reading before =
      Read(TemperatureFile(), early, kReadingRuleField, ImportProgram::Classification, 1990, 1990);
  ASSERT_TRUE(before.ok);
  EXPECT_FALSE(CheckValueColumns(before.columns, before.beginYear, before.endYear).ReadsOtherColumns());

  FlowRecord mean;
  ASSERT_TRUE(Read(TemperatureFile(), mean, check.meanField).ok);
  EXPECT_EQ(Flow(mean, 1, kJuly1), 100.0f);
  EXPECT_EQ(Flow(mean, 0, 1), 100.0f);
}

TEST(ValueColumns, EveryColumnReadInsteadIsNamedMostLinesFirst) {
  // No discharge on two days: the rule reads the maximum temperature there (value 1), and the
  // daily mean discharge column has no value for them.
  const std::string text = kHeader + Line("1990-10-01", "", "12", "9") + Line("1990-10-02", "", "11", "") +
                           Line("1990-10-03", "5", "13", "10") + Line("1990-10-04", "", "", "8");
  FlowRecord r;
  const Reading o = Read(text, r);
  ASSERT_TRUE(o.ok);
  EXPECT_EQ(Flow(r, 0, 1), 12.0f);
  EXPECT_EQ(Flow(r, 0, 2), 11.0f);
  EXPECT_EQ(Flow(r, 0, 3), 10.0f);
  EXPECT_EQ(Flow(r, 0, 4), 8.0f);
  const ValueColumnCheck check = CheckValueColumns(o.columns, o.beginYear, o.endYear);
  ASSERT_EQ(check.others.size(), 2u);
  EXPECT_EQ(check.others[0].name, "04_00010_00001");
  EXPECT_EQ(check.others[0].lines, 2);
  EXPECT_EQ(check.others[1].name, "04_00010_00002");
  EXPECT_EQ(check.others[1].lines, 2);
  EXPECT_EQ(check.otherLines, 4);
  FlowRecord mean;
  ASSERT_TRUE(Read(text, mean, check.meanField).ok);
  EXPECT_EQ(Flow(mean, 0, 1), kMissing);
  EXPECT_EQ(Flow(mean, 0, 2), kMissing);
  EXPECT_EQ(Flow(mean, 0, 3), 5.0f);
  EXPECT_EQ(Flow(mean, 0, 4), kMissing);
  // One line: "1 line", and a column without a description is named alone.
  ValueColumnCheck one = check;
  one.others = {ColumnLines{"04_00010_00002", "", 1}};
  one.otherLines = 1;
  EXPECT_NE(OtherColumnsNote(one, "f").find("but on 1 line the flow"), std::string::npos);
  EXPECT_NE(OtherColumnsNote(one, "f").find("\n     04_00010_00002:  1 line\n"), std::string::npos);
}

TEST(ValueColumns, FilesThatCannotReadTheWrongColumnFindNothing) {
  const auto finds = [](const std::string& text) {
    FlowRecord r;
    const Reading o = Read(text, r);
    EXPECT_TRUE(o.ok) << o.message;
    return CheckValueColumns(o.columns, o.beginYear, o.endYear).ReadsOtherColumns();
  };
  // One value column.
  EXPECT_FALSE(finds("agency_cd\tsite_no\tdatetime\t01_00060_00003\t01_00060_00003_cd\n" +
                     testing::Daily("1990-10-01", "5")));
  // No column header at all.
  EXPECT_FALSE(finds(testing::Daily("1990-10-01", "5") + testing::Daily("1990-10-02", "6")));
  // Two value columns, the rule reads the daily mean (value 1, no third value).
  EXPECT_FALSE(
      finds("agency_cd\tsite_no\tdatetime\t1_00060_00003\t1_00060_00003_cd\t2_91050_00003\t2_91050_00003_cd\n"
            "AGNC\t5\t1995-01-01\t20.0\tA\t4.31\tA\n"));
  // Several value columns, none of them the daily mean discharge.
  EXPECT_FALSE(
      finds("agency_cd\tsite_no\tdatetime\t1_00065_00001\t1_00065_00001_cd\t1_00065_00002\t1_00065_00002_cd\t"
            "1_00065_00003\t1_00065_00003_cd\n"
            "AGNC\t5\t1995-01-01\t3\tA\t2\tA\t2.5\tA\n"));
  // A copy cut down to the daily mean under the original column-name line: the lines have five
  // fields where the column-name line has nine, so their first value is not the daily maximum.
  const std::string cut = kHeader + testing::DailyYears(1990, 1990, "7");
  EXPECT_FALSE(finds(cut));
  FlowRecord rule, asked;
  ASSERT_TRUE(Read(cut, rule).ok);
  ASSERT_TRUE(Read(cut, asked, 3).ok);
  EXPECT_EQ(rule.flows, asked.flows);
  EXPECT_EQ(Flow(asked, 0, 1), 7.0f);
}

TEST(ValueColumns, BlankSeparatedFilesAreCountedByTheirTokens) {
  const std::string text =
      "agency_cd site_no datetime 1_00060_00003 1_00060_00003_cd 1_00060_00001 1_00060_00001_cd "
      "1_00060_00002 1_00060_00002_cd\n"
      "AGNC 5 1990-10-01 10 A 14 A 8 A\n"
      "AGNC 5 1990-10-02 11 A 15 A 9 A\n";
  FlowRecord r;
  const Reading o = Read(text, r);
  ASSERT_TRUE(o.ok);
  const ValueColumnCheck check = CheckValueColumns(o.columns, o.beginYear, o.endYear);
  ASSERT_EQ(check.others.size(), 1u);
  EXPECT_EQ(check.others[0].name, "1_00060_00002");
  EXPECT_EQ(check.others[0].lines, 2);
  FlowRecord mean;
  ASSERT_TRUE(Read(text, mean, check.meanField).ok);
  EXPECT_EQ(Flow(mean, 0, 2), 11.0f);
}

TEST(ValueColumns, TheAnswerChoosesTheColumnAndAPresetChoiceIsToldNotAsked) {
  FlowRecord r;
  const Reading o = Read(TemperatureFile(), r);
  const ValueColumnCheck check = CheckValueColumns(o.columns, o.beginYear, o.endYear);
  ScriptedUi ui;
  ui.Answer(Answer::Yes).Answer(Answer::No).Answer(Answer::Cancel);
  EXPECT_EQ(ChooseFlowField(ui, check, FlowColumnChoice::Ask, "d", ImportProgram::Main), 3);
  EXPECT_EQ(ChooseFlowField(ui, check, FlowColumnChoice::Ask, "d", ImportProgram::Main), kReadingRuleField);
  EXPECT_EQ(ChooseFlowField(ui, check, FlowColumnChoice::Ask, "d", ImportProgram::Main), std::nullopt);
  EXPECT_TRUE(ui.Finished());
  EXPECT_EQ(ui.messages.back().substr(ui.messages.back().size() - 25), "Cancel:  stop the import.");
  ui.messages.clear();
  EXPECT_EQ(ChooseFlowField(ui, check, FlowColumnChoice::Mean, "d", ImportProgram::Main), 3);
  EXPECT_EQ(ChooseFlowField(ui, check, FlowColumnChoice::Rule, "d", ImportProgram::Main), kReadingRuleField);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], OtherColumnsNote(check, "d") +
                                "\nThe daily mean discharge column is read (a day without a value there is "
                                "missing).");
  EXPECT_EQ(ui.messages[1], OtherColumnsNote(check, "d") +
                                "\nThe file is read as before (the third value of a line, else its first).");
  // Nothing found: the rule, and not a word.
  ui.messages.clear();
  EXPECT_EQ(ChooseFlowField(ui, ValueColumnCheck{}, FlowColumnChoice::Ask, "d", ImportProgram::Main),
            kReadingRuleField);
  EXPECT_TRUE(ui.messages.empty());
}

struct ColumnImport {
  ScratchFolder folder;
  ImportAgncForm form;
  std::filesystem::path dataSet = folder / "dataset_1";
  ScriptedUi ui;
  ColumnImport() { form.dailyFile = folder.Write("daily.txt", TemperatureFile()); }
};

TEST(ValueColumns, ZelvoImportAsksBeforeAnythingIsStored) {
  {
    ColumnImport c;
    c.ui.Fill<MissingPeakFileForm>().Answer(Answer::Cancel);
    const DailyValueImportResult r = ImportDailyValueFile(c.ui, c.form, c.dataSet);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure.field, kFieldDailyFile);
    FlowRecord read;
    const ValueColumnCheck check = CheckValueColumns(Read(TemperatureFile(), read).columns, 1990, 1991);
    EXPECT_EQ(c.ui.messages,
              std::vector<std::string>{OtherColumnsQuestion(check, c.form.dailyFile, ImportProgram::Main)});
    EXPECT_FALSE(std::filesystem::exists(c.dataSet));
    EXPECT_TRUE(c.ui.Finished());
  }
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    ColumnImport c;
    c.ui.Fill<MissingPeakFileForm>().Answer(answer);
    const DailyValueImportResult r = ImportDailyValueFile(c.ui, c.form, c.dataSet);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(c.ui.messages.back(), kImportCompletedMessage);
    FlowRecord stored;
    const Status read = ReadDataSetFile(c.dataSet, false, stored);
    ASSERT_TRUE(read) << read.Message();
    EXPECT_EQ(Flow(stored, 1, kJuly1), answer == Answer::Yes ? 100.0f : 20.5f);
    EXPECT_EQ(Flow(stored, 1, kJuly1 - 1), 100.0f);
  }
  {
    // A script's preset choice: the note, no question.
    ColumnImport c;
    c.ui.Fill<MissingPeakFileForm>();
    ASSERT_TRUE(ImportDailyValueFile(c.ui, c.form, c.dataSet, FlowColumnChoice::Mean).ok);
    ASSERT_EQ(c.ui.messages.size(), 2u);
    EXPECT_NE(c.ui.messages[0].find("The daily mean discharge column is read"), std::string::npos);
  }
}

TEST(ValueColumns, ClassificationAsksOutsideBatchAndTakesTheMeanInBatch) {
  ScratchFolder folder;
  const std::string path = folder.Write("station7", TemperatureFile());
  {
    ScriptedUi ui;  // fewer than 20 years: the question after the column question
    ui.Answer(Answer::Cancel);
    FlowRecord r;
    EXPECT_FALSE(ReadDailyValueFileForClassification(ui, path, 0, 0, false, r));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Cancel:  stop the classification."), std::string::npos);
  }
  {
    ScriptedUi ui;
    ui.Answer(Answer::No).Answer(Answer::Yes);
    FlowRecord r;
    ASSERT_TRUE(ReadDailyValueFileForClassification(ui, path, 0, 0, false, r));
    EXPECT_EQ(Flow(r, 1, kJuly1), 20.5f);
    EXPECT_EQ(ui.messages[1], FewerThan20YearsQuestion(2));
  }
  {
    ScriptedUi ui;
    FlowRecord r;
    ASSERT_TRUE(ReadDailyValueFileForClassification(ui, path, 0, 0, true, r));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Flow(r, 1, kJuly1), 100.0f);
  }
}

}  // namespace
}  // namespace zelvo
