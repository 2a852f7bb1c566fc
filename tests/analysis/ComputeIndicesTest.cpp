#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/engine/HiOutputFile.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/ComputeIndices.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

using testing::ReadWholeFile;
using testing::TempFolder;

ComputeForm Form(float area, float lower, float upper) {
  ComputeForm f;
  f.drainageArea = area;
  f.lowerPercentile = lower;
  f.upperPercentile = upper;
  return f;
}

TEST(ComputeForm, ChecksRunInTheirOrderAndFocusTheField) {
  auto problem = CheckComputeForm(Form(0, 0, 100));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->text, "Please enter a value for the drainage area.");
  EXPECT_EQ(problem->field, "drainageArea");
  problem = CheckComputeForm(Form(2, 0, 100));
  EXPECT_EQ(problem->text, "The lower limit must be between 1 and 99.");
  problem = CheckComputeForm(Form(2, 1, 100));
  EXPECT_EQ(problem->text, "The upper limit must be between 1 and 99.");
  EXPECT_EQ(problem->field, "upperPercentile");
  problem = CheckComputeForm(Form(2, 75, 75));
  EXPECT_EQ(problem->text, "The lower limit must be less than the upper limit.");
  EXPECT_FALSE(CheckComputeForm(Form(2, 1, 99)));
  ComputeForm notANumber = Form(2, 25, 75);
  notANumber.drainageAreaIsNumber = false;
  EXPECT_EQ(CheckComputeForm(notANumber)->text, "Please enter a value for the drainage area.");
  EXPECT_STREQ(ComputeFormNote(true), "Some hydrologic indices have been modifiied. - See Preferences");
  EXPECT_STREQ(ComputeFormNote(false), "");
}

TEST(ComputeForm, TheDrainageAreaIsFiniteAboveZeroAndAtMostTenMillionSquareMiles) {
  const std::string tooLarge = "The drainage area must be greater than 0 and at most 10000000 square miles.";
  EXPECT_FALSE(CheckComputeForm(Form(1.0e7f, 25, 75)));
  EXPECT_FALSE(CheckComputeForm(Form(1.0e-40f, 25, 75)));  // tiny but above 0: its indices may be NC
  EXPECT_EQ(CheckComputeForm(Form(2.0e7f, 25, 75))->text, tooLarge);
  EXPECT_EQ(CheckComputeForm(Form(std::numeric_limits<float>::infinity(), 25, 75))->text, tooLarge);
  EXPECT_EQ(CheckComputeForm(Form(std::numeric_limits<float>::quiet_NaN(), 25, 75))->text,
            "Please enter a value for the drainage area.");
  EXPECT_EQ(CheckComputeForm(Form(-1.0f, 25, 75))->field, "drainageArea");
}

TEST(ComputeIndices, ValuesThatOverflowAreWrittenNcNeverInfOrNan) {
  TempFolder folder;
  FlowRecord r;
  r.yearCount = 3;
  for (int y = 0; y < 3; ++y) {
    r.years[y] = 2001 + y;
    r.flows[y].fill(3.0e38f);  // their sums overflow the float range
    r.flows[y][10] = 1.0f;
  }
  ASSERT_TRUE(WriteDataSetFile(folder / "dataset_1", r, false));
  ComputeRequest req;
  req.dataSetPath = folder / "dataset_1";
  req.resultsPath = folder / "hiout_1.csv";
  req.title = "Huge";
  req.drainageArea = 1.0e-40f;
  ASSERT_TRUE(ComputeIndices(req));
  const std::string text = ReadWholeFile(req.resultsPath);
  for (const char* word : {"inf", "nan", "INF", "NAN"}) EXPECT_EQ(text.find(word), std::string::npos) << word;
  HiTable table;
  ASSERT_TRUE(ReadHiTableFile(req.resultsPath, table));
  for (int i = 0; i < kIndexCount; ++i) {
    EXPECT_TRUE(std::isfinite(table.value[i])) << IndexName(i);
    EXPECT_TRUE(std::isfinite(table.lower[i])) << IndexName(i);
    EXPECT_TRUE(std::isfinite(table.upper[i])) << IndexName(i);
  }
  // The same record over a drainage area of 1 leaves fewer indices not computed: the ones per
  // square mile overflowed and were written NC.
  auto notComputed = [](const HiTable& t) { return std::count(t.value.begin(), t.value.end(), kMissing); };
  const long tinyArea = notComputed(table);
  req.drainageArea = 1.0f;
  ASSERT_TRUE(ComputeIndices(req));
  ASSERT_TRUE(ReadHiTableFile(req.resultsPath, table));
  EXPECT_LT(notComputed(table), tinyArea);
}

TEST(ComputeIndices, WritesTheResultsFileWithCaptionAndPercentiles) {
  TempFolder folder;
  FlowRecord r;
  r.yearCount = 2;
  r.years[0] = 2001;
  r.years[1] = 2002;
  r.flows[0].fill(2.0f);
  r.flows[1].fill(4.0f);
  ASSERT_TRUE(WriteDataSetFile(folder / "dataset_1", r, false));
  ComputeRequest req;
  req.dataSetPath = folder / "dataset_1";
  req.resultsPath = folder / "hiout_1.csv";
  req.title = "Profile - Period";
  req.lowerPercentile = 10.0f;
  req.upperPercentile = 90.0f;
  req.medianOption = true;
  const Status computed = ComputeIndices(req);
  ASSERT_TRUE(computed.Ok()) << computed.Message();
  const std::string text = ReadWholeFile(req.resultsPath);
  const std::string head = "Profile - Period,1\r\n10.000000,90.000000\r\nIndex,Lower Limit,";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("MA1,    2.000,    3.000,    4.000\r\n"), std::string::npos);
}

TEST(ComputeIndices, MissingDataFileWritesNothing) {
  TempFolder folder;
  ComputeRequest req;
  req.dataSetPath = folder / "dataset_7";
  req.resultsPath = folder / "hiout_7.csv";
  const Status failure = ComputeIndices(req);
  ASSERT_FALSE(failure.Ok());
  EXPECT_EQ(failure.Message(), "Can not open the daily flow data file:  " + req.dataSetPath.string());
  EXPECT_FALSE(std::filesystem::exists(req.resultsPath));
}

// ---- zelvo-cli compute, as scripts call it -----------------------------------------------

int RunCli(const std::string& arguments, const TempFolder& folder) {
  const std::string command = std::string(ZELVO_CLI_PATH) + " compute " + arguments + " > " +
                              (folder / "out.txt").string() + " 2> " + (folder / "err.txt").string();
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliCompute, SampleDataSetWith174LinesAndPeakRows) {
  TempFolder folder;
  const std::string out = (folder / "hi.csv").string();
  ASSERT_EQ(RunCli(std::string(ZELVO_SAMPLES_DIR) + "/dataset_1 --peaks --area 12.5 --title Sample -o " + out,
                   folder),
            0);
  const std::string text = ReadWholeFile(out);
  EXPECT_EQ(text.substr(0, 10), "Sample,0\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 174);
}

TEST(CliCompute, FailuresGiveTheMessageAndANonZeroStatus) {
  TempFolder folder;
  EXPECT_EQ(RunCli("/nonexistent/dataset_1 -o " + (folder / "x.csv").string(), folder), 1);
  EXPECT_EQ(ReadWholeFile(folder / "err.txt"),
            "zelvo-cli: Can not open the daily flow data file:  /nonexistent/dataset_1\n");
  EXPECT_EQ(RunCli(std::string(ZELVO_SAMPLES_DIR) + "/dataset_1 --lower 80 --upper 20 -o " +
                       (folder / "x.csv").string(),
                   folder),
            1);
  EXPECT_EQ(ReadWholeFile(folder / "err.txt"),
            "zelvo-cli: The lower limit must be less than the upper limit.\n");
  EXPECT_EQ(RunCli("--area", folder), 2);
  EXPECT_FALSE(std::filesystem::exists(folder / "x.csv"));
}

}  // namespace
}  // namespace zelvo
