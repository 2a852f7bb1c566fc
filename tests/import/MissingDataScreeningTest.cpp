#include <gtest/gtest.h>

#include "common/import/MissingDataScreening.h"
#include "support/ScriptedUi.h"

namespace zelvo {
namespace {

using testing::ScriptedUi;

// `years` complete years from 1991 (slot 152 missing in the years without 29 February).
FlowRecord Complete(int years) {
  FlowRecord r;
  r.Clear(kMissing);
  r.yearCount = years;
  for (int i = 0; i < years; ++i) {
    r.years[static_cast<std::size_t>(i)] = 1991 + i;
    r.flows[static_cast<std::size_t>(i)].fill(5.0f);
    if ((1991 + i) % 4 != 0) r.flows[static_cast<std::size_t>(i)][kLeapDaySlot] = kMissing;
  }
  return r;
}

// One screening: whether the import goes on, and how the screening went.
struct Screened {
  Status status;
  ScreeningSteps steps;
};

Screened Screen(ScriptedUi& ui, FlowRecord& r, const ScreeningRequest& request) {
  ScreeningSteps steps;
  Status status = ScreenMissingData(ui, r, request, steps);
  return {std::move(status), steps};
}

void Empty(FlowRecord& r, int column) {
  r.years[static_cast<std::size_t>(column)] = 0;
  r.flows[static_cast<std::size_t>(column)].fill(kMissing);
}

TEST(MissingDataCount, LeapDaySlotNeitherCountsNorBreaksARun) {
  FlowRecord r = Complete(2);
  EXPECT_EQ(CountMissingDays(r), 0);
  EXPECT_EQ(r.missingDays[0], 0);
  // 28 February and 1 March of a year without 29 February: one block of 2.
  r.flows[0][150] = kMissing;
  r.flows[0][152] = kMissing;
  r.flows[1][10] = kMissing;
  EXPECT_EQ(CountMissingDays(r), 3);
  EXPECT_EQ(r.missingDays[0], 2);
  EXPECT_EQ(r.longestRun[0], 2);
  EXPECT_EQ(r.longestRun[1], 1);
  // A run that reaches 30 September is closed at the end of the year.
  r.flows[1].fill(kMissing);
  r.flows[1][0] = 1.0f;
  CountMissingDays(r);
  EXPECT_EQ(r.missingDays[1], 364);
  EXPECT_EQ(r.longestRun[1], 364);
  EXPECT_EQ(r.yearsWithoutData, 0);
  Empty(r, 1);
  CountMissingDays(r);
  EXPECT_EQ(r.missingDays[1], 365);
  EXPECT_EQ(r.yearsWithoutData, 1);
}

TEST(MissingDataReport, TextToTheCharacter) {
  FlowRecord r = Complete(4);
  Empty(r, 1);
  r.flows[2][0] = kMissing;
  r.flows[2][1] = kMissing;
  r.flows[2][100] = kMissing;
  r.flows[3].fill(kMissing);
  r.flows[3][5] = 7.0f;
  CountMissingDays(r);
  EXPECT_EQ(MissingDataReport(r, 1991),
            "The flow file has 3 years with data.\r\n\r\n"
            "The following years have no data:\r\n\r\n"
            "  1992\r\n\r\n"
            "The following years have missing data:\r\n\r\n"
            "     Year    Total Days Missing    Largest Contiguous Block\r\n\r\n"
            "     1993\t          3\t\t               2\r\n"
            "     1994\t          364\t\t               359\r\n");  // slots 7..366 without 152
  EXPECT_TRUE(HasYearsWithMissingDays(r));
}

TEST(MissingDataReport, TwelveYearsWithoutDataToALine) {
  FlowRecord r = Complete(15);
  for (int i = 1; i <= 13; ++i) Empty(r, i);
  CountMissingDays(r);
  EXPECT_EQ(MissingDataReport(r, 1991),
            "The flow file has 2 years with data.\r\n\r\n"
            "The following years have no data:\r\n\r\n"
            "  1992  1993  1994  1995  1996  1997  1998  1999  2000  2001  2002  2003\r\n"
            "  2004\r\n\r\n");
  EXPECT_FALSE(HasYearsWithMissingDays(r));
}

TEST(MissingDataScreening, NoMissingDayShowsNoDialogAndKeepsEveryYear) {
  for (ImportProgram program : {ImportProgram::Main, ImportProgram::Classification}) {
    ScriptedUi ui;
    FlowRecord r = Complete(3);
    ScreeningRequest request;
    request.program = program;
    request.firstWaterYear = 1991;
    const Screened o = Screen(ui, r, request);
    EXPECT_TRUE(o.status.Ok());
    EXPECT_FALSE(o.steps.dialogShown);
    EXPECT_EQ(o.steps.choice, program == ImportProgram::Main ? 3 : 2);
    EXPECT_EQ(r.yearCount, 3);
    EXPECT_TRUE(ui.forms.empty());
  }
}

struct ChoiceCase {
  int choice;
  std::vector<int> keptYears;
};

TEST(MissingDataScreening, ExcludeDropsEveryYearWithAGapImportAllOnlyYearsWithoutData) {
  for (const ChoiceCase& c : {ChoiceCase{2, {1991, 1994}}, ChoiceCase{3, {1991, 1993, 1994}}}) {
    FlowRecord r = Complete(4);
    Empty(r, 1);  // water year 1992 had no line: year number 0
    r.flows[2][40] = kMissing;
    r.flows[3][7] = 44.0f;
    ScriptedUi ui;
    ui.Fill<MissingDataForm>([&](MissingDataForm& f) {
      EXPECT_TRUE(f.showExplanation);
      EXPECT_EQ(f.program, ImportProgram::Main);
      EXPECT_NE(f.report.find("  1992"), std::string::npos);
      f.choice = c.choice;
    });
    ScreeningRequest request;
    request.firstWaterYear = 1991;
    const Screened o = Screen(ui, r, request);
    ASSERT_TRUE(o.status.Ok());
    ASSERT_EQ(r.yearCount, static_cast<int>(c.keptYears.size()));
    for (std::size_t i = 0; i < c.keptYears.size(); ++i) EXPECT_EQ(r.years[i], c.keptYears[i]);
    EXPECT_EQ(r.flows[c.keptYears.size() - 1][7], 44.0f);  // 1994 moved with its flows
    EXPECT_EQ(r.years[c.keptYears.size()], 0);
  }
}

TEST(MissingDataScreening, EditShowsTheDailyFileAndAbortOrCloseBoxEnd) {
  FlowRecord r = Complete(2);
  r.flows[0][3] = kMissing;
  ScreeningRequest request;
  request.firstWaterYear = 1991;
  request.dailyFilePath = "/data/daily.txt";
  ScriptedUi ui;
  ui.Fill<MissingDataForm>([](MissingDataForm& f) { f.choice = 1; })
      .Fill<MissingDataForm>([](MissingDataForm& f) { f.choice = 4; })
      .Cancel<MissingDataForm>();
  Screened o = Screen(ui, r, request);
  EXPECT_EQ(o.steps.choice, 1);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(ui.reports, std::vector<std::string>{"/data/daily.txt"});
  EXPECT_EQ(ui.reportWaits, std::vector<bool>{true});
  o = Screen(ui, r, request);
  EXPECT_EQ(o.steps.choice, 4);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(), "");  // the user ended the import
  o = Screen(ui, r, request);
  EXPECT_EQ(o.steps.choice, 4);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(r.yearCount, 2);
  EXPECT_TRUE(ui.Finished());
}

TEST(MissingDataScreening, BatchTakesCompleteYearsWithoutDialogAndAnEmptyResultEnds) {
  FlowRecord r = Complete(3);
  r.flows[1][9] = kMissing;
  ScriptedUi ui;
  ScreeningRequest request;
  request.program = ImportProgram::Classification;
  request.batch = true;
  request.firstWaterYear = 1991;
  Screened o = Screen(ui, r, request);
  EXPECT_TRUE(o.status.Ok());
  EXPECT_EQ(o.steps.choice, 2);
  EXPECT_EQ(r.yearCount, 2);
  EXPECT_EQ(r.years[1], 1993);
  EXPECT_TRUE(ui.forms.empty());
  // Every year has a gap: nothing left.
  for (int i = 0; i < 2; ++i) r.flows[static_cast<std::size_t>(i)][0] = kMissing;
  o = Screen(ui, r, request);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(), kNoYearLeftMessage);
  EXPECT_EQ(r.yearCount, 0);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kNoYearLeftMessage});
}

TEST(MissingDataForm, ButtonTextsOfBothPrograms) {
  EXPECT_STREQ(MissingDataForm::ButtonText(ImportProgram::Main, 3), "Import All Data");
  EXPECT_STREQ(MissingDataForm::ButtonText(ImportProgram::Classification, 3),
               "Import All Data Except Missing Years");
  EXPECT_STREQ(MissingDataForm::ButtonText(ImportProgram::Main, 4), "Abort Import");
  EXPECT_STREQ(MissingDataForm::ButtonText(ImportProgram::Classification, 4), "Abort Classification");
  EXPECT_STREQ(MissingDataForm::ButtonText(ImportProgram::Main, 0), "");
}

}  // namespace
}  // namespace zelvo
