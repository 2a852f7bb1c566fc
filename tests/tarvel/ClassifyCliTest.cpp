// zelvo-cli classify and batch, run as a user's script runs them.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TempFolder.h"
#include "tarvel/StreamClassifier.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out, err;
};

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ClassifyCli : public ::testing::Test {
 protected:
  // Standard output goes to `stdoutPath` (a file of the test's folder when empty).
  CliRun Run(const std::string& arguments, std::string stdoutPath = {}) {
    if (stdoutPath.empty()) stdoutPath = (dir_ / "stdout").string();
    const std::string command = std::string("'") + ZELVO_CLI_PATH + "' " + arguments + " >'" + stdoutPath +
                                "' 2>'" + (dir_ / "stderr").string() + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadAll(dir_ / "stdout");
    run.err = ReadAll(dir_ / "stderr");
    return run;
  }

  // A daily-value file of complete water years `first`..`last`, every day `flow` cfs.
  std::string DailyFile(const std::string& name, int first, int last, double flow) {
    std::ofstream f(dir_ / name, std::ios::binary);
    f << "# test gauge\r\nagency_cd\tsite_no\tdatetime\tflow\tflow_cd\r\n";
    for (int wy = first; wy <= last; ++wy) {
      static const int kDays[12] = {31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31, 30};
      for (int m = 0; m < 12; ++m) {
        const int month = (m + 9) % 12 + 1;
        const int year = month >= 10 ? wy - 1 : wy;
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int days = kDays[m] + (month == 2 && leap ? 1 : 0);
        for (int d = 1; d <= days; ++d) {
          char line[96];
          std::snprintf(line, sizeof line, "AGNC\t01234567\t%04d-%02d-%02d\t%g\tA\r\n", year, month, d, flow);
          f << line;
        }
      }
    }
    return (dir_ / name).string();
  }

  zelvo::testing::TempFolder temp_;
  const fs::path dir_ = temp_.Path();
};

TEST_F(ClassifyCli, ClassifyPrintsTheTwentyTwoInputsAndTheResult) {
  const std::string file = DailyFile("steady.txt", 1990, 1993, 10.0);
  const CliRun run = Run("classify '" + file + "' --from 1991 --to 1993");
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<std::string> got;
  for (std::string l; std::getline(lines, l);) got.push_back(l);
  ASSERT_EQ(got.size(), 23u) << run.out;
  const char* names[22] = {"MA1",  "MA2",  "MA16", "MA17", "MA18", "MA19", "MA20", "MA22",
                           "MA30", "MA34", "ML6",  "ML8",  "MH7",  "MH8",  "MH9",  "MH18",
                           "DL1",  "DL4",  "DH1",  "DH2",  "DH20", "RA3"};
  for (int i = 0; i < 22; ++i) EXPECT_EQ(got[i].substr(0, got[i].find(' ')), names[i]);
  EXPECT_EQ(got[0], "MA1 10");
  EXPECT_EQ(got[1], "MA2 10");
  bool known = false;
  for (int code : {0, 1, 2, 3, zelvo::tarvel::kUnclassified})
    known = known || got[22] == zelvo::tarvel::ClassificationResultText(code);
  EXPECT_TRUE(known) << got[22];
}

TEST_F(ClassifyCli, ClassifyOfAMissingFileFails) {
  const CliRun run = Run("classify '" + (dir_ / "nothing.txt").string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("Can not open the daily flow input data file:  " + (dir_ / "nothing.txt").string()),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Run("classify").status, 2);
  EXPECT_EQ(Run("classify x --from abc").status, 1);
}

TEST_F(ClassifyCli, BatchWithTheSecondStationMissingWritesTheOthersInOrder) {
  DailyFile("first.txt", 1990, 1992, 5.0);
  DailyFile("third.txt", 1990, 1992, 50.0);
  {
    std::ofstream b(dir_ / "list.csv", std::ios::binary);
    b << "first.txt,1,1990,1992\r\nsecond.txt,2,1990,1992\r\nthird.txt,3,0,0\r\n";
  }
  const CliRun run =
      Run("batch '" + (dir_ / "list.csv").string() + "' -o '" + (dir_ / "out.csv").string() + "' --jobs 2");
  EXPECT_NE(run.status, 0);
  const std::string out = ReadAll(dir_ / "out.csv");
  std::istringstream lines(out);
  std::vector<std::string> got;
  for (std::string l; std::getline(lines, l);) got.push_back(l);
  ASSERT_EQ(got.size(), 3u) << out;
  EXPECT_EQ(got[0], "station id,class,classified as\r");
  EXPECT_EQ(got[1].rfind("first.txt,1,", 0), 0u) << got[1];
  EXPECT_EQ(got[2].rfind("third.txt,3,", 0), 0u) << got[2];
  EXPECT_NE(run.err.find("line 2: station second.txt"), std::string::npos) << run.err;
}

TEST_F(ClassifyCli, BatchFileOrOutputThatCannotBeOpened) {
  const CliRun noBatch =
      Run("batch '" + (dir_ / "none.csv").string() + "' -o '" + (dir_ / "out.csv").string() + "'");
  EXPECT_EQ(noBatch.status, 1);
  EXPECT_NE(noBatch.err.find("Can not open the batch file:  "), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "out.csv"));
  { std::ofstream(dir_ / "list.csv") << "a,1,0,0\n"; }
  const CliRun noOut =
      Run("batch '" + (dir_ / "list.csv").string() + "' -o '" + (dir_ / "no/out.csv").string() + "'");
  EXPECT_EQ(noOut.status, 1);
  EXPECT_NE(noOut.err.find("Can not open the output file:  "), std::string::npos);
  EXPECT_EQ(Run("batch '" + (dir_ / "list.csv").string() + "'").status, 2);
  EXPECT_EQ(Run("batch '" + (dir_ / "list.csv").string() + "' -o x --jobs 0").status, 1);
}

TEST_F(ClassifyCli, AnOutputThatNamesAnInputIsRefusedBeforeAnythingIsWritten) {
  const std::string daily = DailyFile("gauge.txt", 1990, 1993, 10.0);
  const std::string dailyBytes = ReadAll(daily);
  std::ofstream(dir_ / "list.csv", std::ios::binary) << "gauge.txt,1,1991,1993\r\n";
  const std::string list = (dir_ / "list.csv").string();
  const std::string refusal = "The output file can not be one of the input files:  ";

  const CliRun batch = Run("batch '" + list + "' -o '" + list + "'");
  EXPECT_NE(batch.status, 0);
  EXPECT_NE(batch.err.find(refusal + list), std::string::npos) << batch.err;
  EXPECT_EQ(ReadAll(list), "gauge.txt,1,1991,1993\r\n");

  const CliRun import = Run("import '" + daily + "' -o '" + dir_.string() + "/./gauge.txt'");
  EXPECT_NE(import.status, 0);
  EXPECT_NE(import.err.find(refusal), std::string::npos) << import.err;
  EXPECT_TRUE(ReadAll(daily) == dailyBytes);
  const CliRun importCsv = Run("import-csv '" + daily + "' -o '" + daily + "'");
  EXPECT_NE(importCsv.status, 0);
  EXPECT_TRUE(ReadAll(daily) == dailyBytes);

  const std::string dataSet = (dir_ / "dataset_1").string();
  ASSERT_EQ(Run("import '" + daily + "' -o '" + dataSet + "'").status, 0);
  const std::string dataSetBytes = ReadAll(dataSet);
  fs::create_hard_link(dataSet, dir_ / "same_inode");
  const CliRun compute = Run("compute '" + dataSet + "' -o '" + (dir_ / "same_inode").string() + "'");
  EXPECT_NE(compute.status, 0);
  EXPECT_NE(compute.err.find(refusal), std::string::npos) << compute.err;
  EXPECT_TRUE(ReadAll(dataSet) == dataSetBytes);
}

TEST_F(ClassifyCli, AStandardOutputThatCannotBeWrittenIsAFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const std::string daily = DailyFile("gauge.txt", 1990, 1993, 10.0);
  const CliRun classify = Run("classify '" + daily + "'", "/dev/full");
  EXPECT_NE(classify.status, 0);
  EXPECT_NE(classify.err.find("can not write standard output"), std::string::npos) << classify.err;
  const CliRun help = Run("--help", "/dev/full");
  EXPECT_NE(help.status, 0);
  // An import whose missing-data report cannot be shown stops before it writes anything, and
  // never says it completed.
  const std::string gappy = DailyFile("gappy.txt", 1990, 1991, 10.0);
  {
    std::string text = ReadAll(gappy);
    const std::size_t from = text.find("AGNC\t01234567\t1990-03-01");
    text.erase(from, text.find("AGNC\t01234567\t1990-03-11") - from);  // ten days missing in March
    std::ofstream(gappy, std::ios::binary | std::ios::trunc) << text;
  }
  const CliRun import = Run("import '" + gappy + "' -o '" + (dir_ / "dataset_1").string() + "'", "/dev/full");
  EXPECT_NE(import.status, 0);
  EXPECT_NE(import.err.find("missing-data report"), std::string::npos) << import.err;
  EXPECT_EQ(import.err.find("successfully"), std::string::npos) << import.err;
  EXPECT_FALSE(fs::exists(dir_ / "dataset_1"));
}

}  // namespace
