#include <gtest/gtest.h>

#include <algorithm>

#include "common/engine/HiOutputFile.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/StudyProject.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/AlternativeCommands.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/ProfileCommands.h"
#include "zelvo/analysis/ReportCommands.h"
#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::ScriptedUi;
using testing::TempFolder;

// Water years first..last; the flow of a day grows with the slot and carries a storm in spring.
FlowRecord Record(int first, int last, int peaks = 0) {
  FlowRecord r;
  r.yearCount = last - first + 1;
  for (int y = 0; y < r.yearCount; ++y) {
    r.years[y] = first + y;
    for (int s = 0; s < kDaySlots; ++s)
      r.flows[y][s] = 10.0f + (s % 30) + (s > 200 && s < 210 ? 300.0f + y : 0.0f);
  }
  r.peakCount = peaks;
  for (int k = 0; k < peaks; ++k) {
    r.peaks[k] = 900.0f + 10 * k;
    r.peakDayFlows[k] = 300.0f + k;
  }
  return r;
}

struct AnalysisSession : zelvo::testing::StudyProject {
  // Fills the compute dialog with area 10 and the given percentiles.
  void ComputeWith(float lower = 25, float upper = 75) {
    ui.Fill<ComputeForm>([lower, upper](ComputeForm& f) {
      f.drainageArea = 10;
      f.lowerPercentile = lower;
      f.upperPercentile = upper;
    });
  }

  void CreateProfile(const std::string& title, std::vector<PeriodRow> rows) {
    ui.Fill<ProfileForm>([title, rows](ProfileForm& f) {
      f.title = title;
      for (std::size_t k = 0; k < rows.size(); ++k) f.rows[k] = rows[k];
    });
    CreateTimePeriodProfile(app, ui);
  }
};

TEST_F(AnalysisSession, ProfileWithRowsOneAndThreeMakesTwoPeriodDataSetsWithTheBasePeaks) {
  AddDataSet("Base", Record(1990, 1999, 25), 2);
  CreateProfile("Dam", {{1990, 1994, "Before"}, {0, 0, ""}, {1995, 1999, "After"}});
  ASSERT_TRUE(ui.Finished());
  ASSERT_EQ(app.dataSets.size(), 3u);
  EXPECT_EQ(app.dataSets[1].title, "Before");
  EXPECT_EQ(app.dataSets[1].startDate, "10/01/1989");
  EXPECT_EQ(app.dataSets[2].endDate, "09/30/1999");
  EXPECT_EQ(app.dataSets[2].streamClass, 2);
  EXPECT_EQ(app.dataSets[2].peakFlag, 1);
  const std::vector<ProfileEntry> profiles = testing::StoredProfiles(app.projectFolder);
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_EQ(profiles[0].periodCount, 2);
  EXPECT_EQ(profiles[0].periodDataSets[0], 2);
  EXPECT_EQ(profiles[0].periodDataSets[1], 3);
  FlowRecord after;
  const Status read = ReadDataSetFile(In("dataset_3"), true, after);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_EQ(after.yearCount, 5);
  EXPECT_EQ(after.years[0], 1995);
  EXPECT_EQ(after.peakCount, 25);  // every peak of the base, unfiltered
  EXPECT_EQ(testing::StoredDataSets(app.projectFolder).size(), 3u);
}

TEST_F(AnalysisSession, ProfileDialogStaysOpenUntilThePeriodsFitTheRecord) {
  FlowRecord gappy = Record(1929, 1933);
  for (int y = 1938; y <= 1939; ++y) {
    gappy.years[gappy.yearCount] = y;
    gappy.flows[gappy.yearCount] = gappy.flows[0];
    ++gappy.yearCount;
  }
  AddDataSet("Base", gappy);
  std::string line;
  ui.Fill<ProfileForm>([&line](ProfileForm& f) {
    line = f.periodsLine;
    f.title = "Gap";
    f.rows[0] = {1930, 1938, "Across"};
  });
  ui.Fill<ProfileForm>([](ProfileForm& f) { f.rows[0] = {1938, 1939, "Late"}; });
  CreateTimePeriodProfile(app, ui);
  EXPECT_EQ(line, "The data set periods of record are:     1929 - 1933,     1938 - 1939");
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"The time period is outside of the data or spans missing data."});
  EXPECT_EQ(app.profiles.size(), 1u);
  EXPECT_EQ(app.dataSets.size(), 2u);
}

TEST_F(AnalysisSession, ProfileThatWouldPassFiftyDataSetsIsRefused) {
  AddDataSet("Base", Record(1990, 1999));
  for (int i = 1; i < 49; ++i) app.dataSets.push_back(app.dataSets[0]);
  // 49 data sets: one period fits, two would make 51. OK shows the refusal, then Cancel.
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 0; });
  ui.Fill<ProfileForm>([](ProfileForm& f) {
    f.title = "Too many";
    f.rows[0] = {1990, 1991, "a"};
    f.rows[1] = {1992, 1993, "b"};
  });
  ui.Cancel<ProfileForm>();
  CreateTimePeriodProfile(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kProfileExceedsDataSetLimitMessage});
  EXPECT_TRUE(app.profiles.empty());
  EXPECT_FALSE(fs::exists(In("dataset_50")));
  EXPECT_TRUE(ui.Finished());
}

TEST_F(AnalysisSession, ComputeTablesAndComparisonOfAProfile) {
  AddDataSet("Base", Record(1990, 1999, 3));
  CreateProfile("Dam", {{1990, 1994, "Before"}, {1995, 1999, "After"}});
  ComputeWith(10, 90);
  ComputeProfileIndices(app, ui);  // the only profile: no selection dialog
  EXPECT_TRUE(fs::exists(In("hiout_2.csv")));
  EXPECT_TRUE(fs::exists(In("hiout_3.csv")));
  EXPECT_FALSE(fs::exists(In("hiout_1.csv")));
  EXPECT_EQ(ReadWholeFile(In("hiout_2.csv")).substr(0, 20), "Dam - Before,0\r\n10.0");
  EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), "Processing:  Dam - After"), ui.statuses.end());
  EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(app.computeDrainageArea, 10.0f);

  ui.Fill<DataSetSelectionForm>();  // mode 8, default indices
  DisplayProfileIndexTables(app, ui);
  ASSERT_EQ(ui.reports.size(), 1u);
  EXPECT_EQ(ui.reports[0], In("table.txt").string());
  ASSERT_EQ(ui.reportWaits.size(), 1u);
  EXPECT_FALSE(ui.reportWaits[0]);
  const std::string table = ReadWholeFile(In("table.txt"));
  const std::string head = "Dam - Hydrologic Index Values\r\n\r\n       Index";
  EXPECT_EQ(table.substr(0, head.size()), head);
  EXPECT_NE(table.find("10.0th Percentile        Value         90.0th Percentile\r\n\r\nBefore:\r\n"),
            std::string::npos);

  ui.Fill<DataSetSelectionForm>();
  ui.Fill<PeriodChoiceForm>([](PeriodChoiceForm& f) {
    EXPECT_EQ(f.entries, (std::vector<std::string>{"Before", "After"}));
    f.chosen = 1;
  });
  ui.Fill<PeriodChoiceForm>([](PeriodChoiceForm& f) {
    EXPECT_EQ(f.entries, std::vector<std::string>{"Before"});
    f.chosen = 0;
  });
  ui.Fill<ReportTitleForm>([](ReportTitleForm& f) { f.title = "Dam study"; });
  GenerateProfileComparisonReport(app, ui);
  const std::string report = ReadWholeFile(In("comprpt.txt"));
  EXPECT_EQ(report.substr(0, report.find("Period of Record 2")),
            "Dam study\r\n\r\nHydrologic Analysis Comparison for Study\r\n"
            "Period of Record 1:  After (10/01/1994 to 09/30/1999)\r\n");
  EXPECT_NE(report.find("  Upper Limit (90)"), std::string::npos);
  EXPECT_TRUE(ui.Finished());
}

TEST_F(AnalysisSession, DeletingAProfileRemovesItsBlockAndRenumbersTheBaseline) {
  AddDataSet("One", Record(1990, 1999));
  AddDataSet("Two", Record(1990, 1999));
  AddDataSet("Three", Record(1990, 1999));
  auto fill = [](DataSetSelectionForm& f) { f.chosen = 0; };
  ui.Fill<DataSetSelectionForm>(fill);
  CreateProfile("Periods", {{1990, 1992, "p1"}, {1993, 1995, "p2"}, {1996, 1999, "p3"}});  // data sets 4-6
  AddDataSet("Seven", Record(1990, 1999));
  AddDataSet("Eight", Record(1990, 1999));
  app.baseline = 7;
  ui.Answer(Answer::Yes);
  DeleteTimePeriodProfile(app, ui);
  ASSERT_EQ(app.dataSets.size(), 5u);
  EXPECT_EQ(app.dataSets[3].title, "Seven");
  EXPECT_EQ(app.dataSets[4].fileName, "dataset_5");
  EXPECT_EQ(app.baseline, 4);
  EXPECT_EQ(ReadBaseline(app.projectFolder), 4);
  EXPECT_FALSE(fs::exists(In("ip_directory")));
  EXPECT_FALSE(fs::exists(In("dataset_6")));
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "Are you sure you want to delete:  Periods ?");
}

TEST_F(AnalysisSession, BaselineInsideTheDeletedBlockBecomesNone) {
  AddDataSet("Base", Record(1990, 1999));
  CreateProfile("P", {{1990, 1994, "a"}, {1995, 1999, "b"}});
  app.baseline = 3;
  ui.Answer(Answer::Yes);
  DeleteTimePeriodProfile(app, ui);
  EXPECT_EQ(app.baseline, 0);
  EXPECT_EQ(app.dataSets.size(), 1u);
}

TEST_F(AnalysisSession, AlternativesTablesRefuseMismatchedLimitsAndComparisonIsWritten) {
  AddDataSet("Baseline", Record(1990, 1999));
  AddDataSet("Scenario", Record(1990, 1999));
  SelectBaseline(app, ui);  // no data set has HI values yet
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "There are no data sets for which HI values have been computed.");

  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 0; });
  ComputeWith();
  ComputeAlternativeIndices(app, ui);
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 1; });
  ComputeWith(10, 90);
  ComputeAlternativeIndices(app, ui);
  ASSERT_TRUE(fs::exists(In("hiout_2.csv")));
  EXPECT_EQ(ReadWholeFile(In("hiout_2.csv")).substr(0, 10), "Scenario,0");

  DisplayAlternativeIndexTables(app, ui);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "You must select a baseline before displaying the table.");
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 0; });
  SelectBaseline(app, ui);
  EXPECT_EQ(app.baseline, 1);
  EXPECT_EQ(ReadBaseline(app.projectFolder), 1);

  ui.Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) { f.selected = {0}; });
  DisplayAlternativeIndexTables(app, ui);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(
      ui.messages.back(),
      "The limits for alternative (Scenario) do not match the baseline.\n\nComparison can not be made.");
  EXPECT_FALSE(fs::exists(In("table.txt")));

  ui.Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) { f.selected = {0}; });
  ui.Fill<ReportTitleForm>();
  GenerateAlternativeComparisonReport(app, ui);
  const std::string report = ReadWholeFile(In("comprpt.txt"));
  EXPECT_EQ(report.substr(0, 4), "\r\n\r\n");
  EXPECT_NE(report.find("Baseline alternative:  Baseline (10/01/1989 to 09/30/1999)\r\n"), std::string::npos);
  EXPECT_NE(report.find("Compared alternative:  Scenario"), std::string::npos);
  EXPECT_TRUE(ui.Finished());
}

TEST_F(AnalysisSession, PeakIndicesOfAnAlternativeWithoutPeaksAreNotComputedNotZero) {
  AddDataSet("Natural", Record(1980, 1999, 20));
  AddDataSet("Withdrawal", Record(1980, 1999));
  for (int chosen : {0, 1}) {
    ui.Fill<DataSetSelectionForm>([chosen](DataSetSelectionForm& f) { f.chosen = chosen; });
    ComputeWith();
    ComputeAlternativeIndices(app, ui);
  }
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 0; });
  SelectBaseline(app, ui);
  auto chooseTl3 = [](AlternativesSelectionForm& f) {
    f.selected = {0};
    f.hi.manual = true;
    f.hi.selected = {TL(3)};
  };
  ui.Fill<AlternativesSelectionForm>(chooseTl3);
  DisplayAlternativeIndexTables(app, ui);
  const std::string table = ReadWholeFile(In("table.txt"));
  const std::size_t withdrawal = table.find("Withdrawal:\r\n");
  ASSERT_NE(withdrawal, std::string::npos);
  EXPECT_EQ(table.substr(withdrawal),
            "Withdrawal:\r\n"
            "        TL3                      NC                  NC                  NC    \r\n\r\n");
  // With peaks the upper field of TL3 runs on into its threshold and is still NC.
  EXPECT_NE(table.find("        TL3                      NC               "), std::string::npos);
  EXPECT_EQ(table.find("     0.000\r\n"), std::string::npos);

  ui.Fill<AlternativesSelectionForm>(chooseTl3);
  ui.Fill<ReportTitleForm>();
  GenerateAlternativeComparisonReport(app, ui);
  const std::string report = ReadWholeFile(In("comprpt.txt"));
  const std::size_t value = report.find("  HI Value                    ");
  ASSERT_NE(value, std::string::npos);
  EXPECT_EQ(report.substr(value + 40, 49), "           NC             N/A              N/A \r\n");
  EXPECT_EQ(report.find("-100.0"), std::string::npos);
  EXPECT_TRUE(ui.Finished());
}

TEST_F(AnalysisSession, ExportOfIndexValuesIsAByteCopyAndAsksBeforeOverwriting) {
  AddDataSet("Only", Record(1990, 1999));
  ComputeWith();
  ComputeAlternativeIndices(app, ui);
  const std::string target = (temp.Path() / "export.csv").string();
  ui.Fill<DataSetSelectionForm>();
  ui.File(target);
  ExportIndexValues(app, ui);
  EXPECT_EQ(ReadWholeFile(target), ReadWholeFile(In("hiout_1.csv")));
  testing::WriteWholeFile(target, "older");
  ui.Fill<DataSetSelectionForm>();
  ui.File(target);
  ui.Answer(Answer::No);
  ExportIndexValues(app, ui);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "The file: " + target + " already exists.  Do you want to overwrite it?");
  EXPECT_EQ(ReadWholeFile(target), "older");
  EXPECT_TRUE(ui.Finished());
}

TEST_F(AnalysisSession, DataSetReportListsDataSetsProfilesAndBaseline) {
  AddDataSet("Base", Record(1950, 1965, 2));
  CreateProfile("Dam", {{1951, 1960, "Early"}});
  app.baseline = 1;
  DisplayDataSetReport(app, ui);
  const std::string dump = ReadWholeFile(In("dump.txt"));
  const std::string head =
      "Data set and time period profile report:\r\n\r\nDATA SET 1:\r\n\r\n     title = Base\r\n";
  EXPECT_EQ(dump.substr(0, head.size()), head);
  EXPECT_NE(dump.find("     Includes peak flow data.\r\n"), std::string::npos);
  EXPECT_NE(dump.find("          Period1 = Early\r\n               start year = 1951\r\n               end "
                      "year = 1960\r\n"),
            std::string::npos);
  EXPECT_NE(dump.find("The baseline line alternative is Base.\r\n"), std::string::npos);
  ASSERT_FALSE(ui.reports.empty());
  EXPECT_EQ(ui.reports.back(), In("dump.txt").string());
}

TEST_F(AnalysisSession, DataSetReportGivesTheShareOfZeroFlowDaysFromEachDataFile) {
  AddDataSet("Perennial", Record(1950, 1951, 2));
  // A stream dry for 61 days of every summer; missing and negative days are no days with data.
  FlowRecord dry = Record(1990, 1993);
  for (int y = 0; y < 4; ++y)
    for (int s = 300; s < 361; ++s) dry.flows[y][s] = 0.0f;
  dry.flows[0][0] = kMissing;
  dry.flows[0][1] = -5.0f;
  AddDataSet("Intermittent", dry);
  AddDataSet("Lost", Record(1990, 1991));
  fs::remove(In("dataset_3"));
  DisplayDataSetReport(app, ui);
  const std::string dump = ReadWholeFile(In("dump.txt"));
  EXPECT_NE(dump.find("     stream class = High Volume Stable\r\n     Includes peak flow data.\r\n"
                      "     zero-flow days = 0 of 732 days with data (0.0%)\r\n\r\nDATA SET 2:"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find("     zero-flow days = 244 of 1462 days with data (16.7%)\r\n\r\nDATA SET 3:"),
            std::string::npos);
  EXPECT_NE(dump.find("     zero-flow days = not counted, the data file can not be read\r\n\r\n"),
            std::string::npos);
}

TEST_F(AnalysisSession, CommandsWithoutTheirDataSayWhy) {
  CreateTimePeriodProfile(app, ui);
  DeleteTimePeriodProfile(app, ui);
  ComputeProfileIndices(app, ui);
  DisplayProfileIndexTables(app, ui);
  GenerateProfileComparisonReport(app, ui);
  ComputeAlternativeIndices(app, ui);
  ExportIndexValues(app, ui);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "There are no data sets to use as a base.",
                             "There are no time period profiles to delete.",
                             "There are no time period profiles.",
                             "There are no time period profiles to display.",
                             "There are no time period profiles to display.",
                             "There are no data sets.",
                             "There are no data sets to select from.",
                         }));
}

}  // namespace
}  // namespace zelvo
