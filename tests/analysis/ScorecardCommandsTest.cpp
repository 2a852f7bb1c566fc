#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "common/engine/YearlySeries.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/StudyProject.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/ProfileCommands.h"
#include "zelvo/analysis/ScorecardCommands.h"
#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::ScriptedUi;
using testing::TempFolder;

// Water years first..last; every flow of a year is `level` plus the year's distance from the
// first year times `step`, with a ripple within the year, so each year's mean is higher than the
// year before.
FlowRecord Rising(int first, int last, float level, float step) {
  FlowRecord r;
  r.yearCount = last - first + 1;
  for (int y = 0; y < r.yearCount; ++y) {
    r.years[y] = first + y;
    for (int s = 0; s < kDaySlots; ++s) r.flows[y][s] = level + step * y + static_cast<float>(s % 30);
  }
  return r;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
    end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

std::string LineOf(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& l : lines)
    if (l.rfind(start, 0) == 0) return l;
  return "(no line " + start + ")";
}

// The project "Study", empty at the start of each test.
using ScorecardSession = zelvo::testing::StudyProject;

TEST_F(ScorecardSession, ProfileToScorecardToFiles) {
  // Ten rising years: the five after the split lie above every year before it.
  AddDataSet("Gauge", Rising(1990, 1999, 100, 10));
  ui.Fill<ProfileForm>([](ProfileForm& f) {
    f.title = "Dam";
    f.rows[0] = {1990, 1994, "Before"};
    f.rows[1] = {1995, 1999, "After"};
  });
  CreateTimePeriodProfile(app, ui);
  ASSERT_EQ(app.profiles.size(), 1u);

  app.computeLowerPercentile = 10;  // the chosen percentiles start as the compute dialog's limits
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
    EXPECT_EQ(f.caption, "Select a time period profile for the alteration scorecard.");
    EXPECT_EQ(f.entries, std::vector<std::string>{"Dam"});  // no results needed
    EXPECT_FALSE(f.hi.shown);
  });
  ui.Fill<ScorecardMethodForm>([](ScorecardMethodForm& f) {
    EXPECT_EQ(f.choice, ScorecardMethodForm::kTerciles);
    EXPECT_EQ(f.lowerPercentile, 10.0f);
    EXPECT_EQ(f.upperPercentile, 75.0f);
  });
  const std::optional<ScorecardResult> result = ProfileAlterationScorecard(app, ui);
  ASSERT_TRUE(result);
  EXPECT_TRUE(ui.Finished());
  ASSERT_EQ(ui.reports, std::vector<std::string>{In("scorecard.txt").string()});
  EXPECT_EQ(ui.reportWaits, std::vector<bool>{false});

  const std::string report = ReadWholeFile(In("scorecard.txt"));
  const std::string head =
      "Alteration Scorecard - Dam\r\n\r\nHydrologic Analysis Comparison for Study\r\nBaseline:  ";
  EXPECT_EQ(report.substr(0, head.size()), head);
  EXPECT_NE(report.find("Baseline:  Before (water years 1990 to 1994)\r\n"), std::string::npos);
  EXPECT_NE(report.find("Period 2:  After (water years 1995 to 1999)\r\n"), std::string::npos);
  EXPECT_EQ(report.find("\n\n"), std::string::npos);  // every line ends in CR LF

  const std::vector<std::string> csv = Lines(ReadWholeFile(In("scorecard.csv")));
  ASSERT_GT(csv.size(), 30u);
  EXPECT_EQ(csv[0].substr(0, 30), "altered,first_year,last_year,q");
  EXPECT_EQ(LineOf(csv, "After,1995,1999,valid_days"), "(no line After,1995,1999,valid_days)");
  // Five baseline means: 1 low, 3 middle, 1 high at the 33rd and 67th percentiles; all five later
  // years are high, four times what the baseline's share expects.
  const std::string mean = LineOf(csv, "After,1995,1999,mean,5,5,");
  const std::string tail = ",0,1,-100,0,3,-100,5,1,400";
  EXPECT_EQ(mean.substr(mean.size() - tail.size()), tail) << mean;
  EXPECT_EQ(result->card.blocks.size(), 1u);
  EXPECT_EQ(AlterationGraphOf(*result).blocks[0].middlePercent.size(), result->card.ranges.size());
}

TEST_F(ScorecardSession, AlternativesAgainstTheBaselineWithTheParametricMethod) {
  AddDataSet("Natural", Rising(1980, 1989, 100, 1));
  AddDataSet("Withdrawal", Rising(1980, 1989, 50, 1));
  AddDataSet("Climate", Rising(1980, 1984, 100, 1));
  app.baseline = 1;
  ui.Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) {
    EXPECT_EQ(f.entries, (std::vector<std::string>{"Withdrawal", "Climate"}));
    EXPECT_FALSE(f.hi.shown);
    f.selected = {1, 0};
  });
  ui.Fill<ScorecardMethodForm>([](ScorecardMethodForm& f) { f.choice = ScorecardMethodForm::kParametric; });
  ASSERT_TRUE(AlternativeAlterationScorecard(app, ui));
  const std::string report = ReadWholeFile(In("scorecard.txt"));
  EXPECT_NE(report.find("Alteration Scorecard - Alternatives\r\n"), std::string::npos);
  EXPECT_NE(report.find("Method:  parametric"), std::string::npos);
  EXPECT_LT(report.find("Alternative 1:  Withdrawal"), report.find("Alternative 2:  Climate"));
  const std::vector<std::string> csv = Lines(ReadWholeFile(In("scorecard.csv")));
  // The natural means climb by 1 a year: two years lie outside one standard deviation on each
  // side. Every withdrawal year is far below: ten low years where two are expected.
  const std::string mean = LineOf(csv, "Withdrawal,1980,1989,mean,10,10,");
  const std::string tail = ",10,2,400,0,6,-100,0,2,-100";
  EXPECT_EQ(mean.substr(mean.size() - tail.size()), tail) << mean;
  // Five climate years, the first five of the natural record: two low, three middle.
  const std::string climate = LineOf(csv, "Climate,1980,1984,mean,10,5,");
  const std::string climateTail = ",2,1,100,3,3,0,0,1,-100";
  EXPECT_EQ(climate.substr(climate.size() - climateTail.size()), climateTail) << climate;
}

TEST_F(ScorecardSession, RefusalsCancelAndAFileThatCannotBeWritten) {
  EXPECT_FALSE(ProfileAlterationScorecard(app, ui));
  EXPECT_FALSE(AlternativeAlterationScorecard(app, ui));
  AddDataSet("Gauge", Rising(1990, 1999, 100, 10));
  app.baseline = 1;
  EXPECT_FALSE(AlternativeAlterationScorecard(app, ui));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "There are no time period profiles to display.",
                             "You must select a baseline before displaying the table.",
                             "There are no data sets besides the baseline to compare with it.",
                         }));
  ui.messages.clear();

  ui.Fill<ProfileForm>([](ProfileForm& f) {
    f.title = "Whole";
    f.rows[0] = {1990, 1999, "All"};
  });
  CreateTimePeriodProfile(app, ui);
  ui.Fill<DataSetSelectionForm>();
  EXPECT_FALSE(ProfileAlterationScorecard(app, ui));
  EXPECT_EQ(ui.messages, std::vector<std::string>{
                             "This time period profile has one period only.  The scorecard needs a later "
                             "period to compare with the first one."});
  ui.messages.clear();

  // Cancel at the method, and percentiles that cannot split anything keep the dialog open.
  ui.Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) { f.selected = {0}; });
  ui.Fill<ScorecardMethodForm>([](ScorecardMethodForm& f) {
    f.choice = ScorecardMethodForm::kChosenPercentiles;
    f.lowerPercentile = 80;
    f.upperPercentile = 20;
  });
  ui.Cancel<ScorecardMethodForm>();
  EXPECT_FALSE(AlternativeAlterationScorecard(app, ui));
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"The lower percentile must be below the upper percentile."});
  EXPECT_FALSE(fs::exists(In("scorecard.txt")));
  EXPECT_FALSE(fs::exists(In("scorecard.csv")));

  // A folder where the CSV file should go: the message, no report shown, no half of the pair.
  ui.messages.clear();
  fs::create_directory(In("scorecard.csv"));
  ui.Fill<AlternativesSelectionForm>([](AlternativesSelectionForm& f) { f.selected = {0}; });
  ui.Fill<ScorecardMethodForm>();
  EXPECT_FALSE(AlternativeAlterationScorecard(app, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].substr(0, 32), "Can not write the report file:  ");
  EXPECT_TRUE(ui.reports.empty());
  EXPECT_FALSE(fs::exists(In("scorecard.txt")));
  EXPECT_TRUE(ui.Finished());
}

// ---- zelvo-cli scorecard, as scripts call it ---------------------------------------------

int RunCli(const std::string& arguments, const TempFolder& folder) {
  const std::string command = std::string(ZELVO_CLI_PATH) + " scorecard " + arguments + " > " +
                              (folder / "out.txt").string() + " 2> " + (folder / "err.txt").string();
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  for (std::size_t comma; (comma = line.find(',', at)) != std::string::npos; at = comma + 1)
    fields.push_back(line.substr(at, comma - at));
  fields.push_back(line.substr(at));
  return fields;
}

TEST(CliScorecard, ARecordAgainstItselfIsUnalteredAndASplitCountsEveryYearOnce) {
  TempFolder folder;
  const std::string sample = std::string(ZELVO_SAMPLES_DIR) + "/dataset_1";
  const std::string out = (folder / "self.csv").string();
  ASSERT_EQ(RunCli(sample + " " + sample + " -o " + out, folder), 0) << ReadWholeFile(folder / "err.txt");
  std::vector<std::string> lines = Lines(ReadWholeFile(out));
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  ASSERT_EQ(lines.size(), YearlyColumnNames().size());  // the header, every quantity but valid_days
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> f = Fields(lines[i]);
    ASSERT_EQ(f.size(), 22u) << lines[i];
    EXPECT_EQ(f[0], "dataset_1");
    EXPECT_TRUE(f[10] == "0" || (f[10] == "N/A" && f[8] == "0")) << lines[i];  // deviation factor
    EXPECT_NE(f[11].substr(0, 1), "-") << lines[i];                            // dispersion
    for (int c : {15, 18, 21}) EXPECT_TRUE(f[c] == "0" || f[c] == "N/A") << lines[i];
  }

  ASSERT_EQ(RunCli(sample + " --split 1991 --bounds 25,75 -o " + out, folder), 0);
  lines = Lines(ReadWholeFile(out));
  const std::vector<std::string> mean = Fields(LineOf(lines, "dataset_1 from 1991,1991,"));
  ASSERT_EQ(mean.size(), 22u);
  EXPECT_EQ(mean[3], "mean");
  const int baseYears = std::stoi(mean[4]), years = std::stoi(mean[5]);
  EXPECT_EQ(baseYears, 10);  // the sample's water years 1981 to 1990
  EXPECT_EQ(std::stoi(mean[13]) + std::stoi(mean[16]) + std::stoi(mean[19]), years);
  EXPECT_NEAR(std::stod(mean[14]) + std::stod(mean[17]) + std::stod(mean[20]), years, 1e-3);
}

TEST(CliScorecard, FailuresGiveTheMessageAndWriteNothing) {
  TempFolder folder;
  const std::string sample = std::string(ZELVO_SAMPLES_DIR) + "/dataset_1";
  const std::string out = (folder / "x.csv").string();
  EXPECT_EQ(RunCli(sample + " -o " + out, folder), 2);  // one file needs --split
  EXPECT_EQ(RunCli(sample + " " + sample + " --split 1991 -o " + out, folder), 2);
  EXPECT_EQ(RunCli(sample + " " + sample + " --bounds 80,20 -o " + out, folder), 1);
  EXPECT_EQ(ReadWholeFile(folder / "err.txt"),
            "zelvo-cli: The lower percentile must be below the upper percentile.\n");
  EXPECT_EQ(RunCli(sample + " " + sample + " --bounds 25 -o " + out, folder), 1);
  EXPECT_EQ(RunCli(sample + " " + sample + " --parametric --bounds 25,75 -o " + out, folder), 1);
  EXPECT_EQ(RunCli(sample + " --split 1900 -o " + out, folder), 1);
  EXPECT_NE(ReadWholeFile(folder / "err.txt").find("do not lie on both sides of 1900"), std::string::npos);
  EXPECT_EQ(RunCli("/nonexistent/dataset_1 " + sample + " -o " + out, folder), 1);
  EXPECT_EQ(ReadWholeFile(folder / "err.txt"),
            "zelvo-cli: Can not open the daily flow data file:  /nonexistent/dataset_1\n");
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace zelvo
