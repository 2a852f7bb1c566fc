// zelvo-cli import and import-csv, run as a user would run them.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "import/ImportTestSupport.h"

namespace zelvo {
namespace {

using testing::Daily;
using testing::DailyYears;
using testing::Peak;
using testing::ScratchFolder;

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs zelvo-cli with `args`; standard error goes to `errFile`.
CliRun Cli(const std::string& args, const std::filesystem::path& errFile) {
  CliRun r;
  const std::string command = std::string(ZELVO_CLI_PATH) + " " + args + " 2>" + errFile.string();
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) r.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(ImportCommand, KeepsCompleteYearsPrintsTheReportAndTheStoredYears) {
  ScratchFolder folder;
  const std::string daily = folder.Write("daily.txt", DailyYears(1990, 1992) + Daily("1993-03-01", "5"));
  std::string peaks;
  for (int y = 1990; y <= 1993; ++y) peaks += Peak(std::to_string(y) + "-03-01", "500");
  const std::string peakFile = folder.Write("peaks.txt", peaks);
  const CliRun r = Cli("import " + daily + " --peak-file " + peakFile + " --keep complete -o " +
                           (folder / "dataset_1").string(),
                       folder / "err.txt");
  EXPECT_EQ(r.status, 0) << ScratchFolder::Read(folder / "err.txt");
  EXPECT_EQ(
      r.out,
      "The flow file has 4 years with data.\r\n\r\n"
      "The following years have missing data:\r\n\r\n"
      "     Year    Total Days Missing    Largest Contiguous Block\r\n\r\n"
      "     1993\t          364\t\t               213\r\n"  // 2 March to 30 September
      "Large blocks of missing data during a year will result in very large or undefined values for some "
      "indices.\r\n"
      "Choice: Exclude Years With Missing Data\r\n"
      "first water year: 1990\nlast water year: 1992\npeaks: 4\n");
  const std::string err = ScratchFolder::Read(folder / "err.txt");
  EXPECT_NE(err.find("The number of peak flow years (4) is less than 20."), std::string::npos) << err;
  EXPECT_NE(err.find("Import successfully completed."), std::string::npos);
  const std::string stored = ScratchFolder::Read(folder / "dataset_1");
  EXPECT_EQ(stored.substr(0, 17), "1990 1991 1992 \r\n");
}

TEST(ImportCommand, FailuresGiveTheMessageAndStatus1) {
  ScratchFolder folder;
  const std::string daily = folder.Write("daily.txt", DailyYears(1990, 1991));
  CliRun r = Cli("import " + daily + " --from 1980 -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt"),
            "zelvo-cli: The starting water year is not contained in the input file.\n\n"
            "                        Import Aborted!\n");
  r = Cli(
      "import " + daily + " --peak-file " + (folder / "none").string() + " -o " + (folder / "ds").string(),
      folder / "err.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "ds"));
  r = Cli("import " + daily + " --keep some -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 1);
  r = Cli("import " + daily, folder / "err.txt");
  EXPECT_EQ(r.status, 2);
  // Without a peak file and without missing days: every year, no report, no question.
  r = Cli("import " + daily + " -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "first water year: 1990\nlast water year: 1991\npeaks: 0\n");
}

// Number of times `part` occurs in `text`.
std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(ImportCommand, ComputeAndImportNoteMonthsWithoutAValidDay) {
  ScratchFolder folder;
  // Water years 1990-1992 complete, then 1 October 1992 to 15 March 1993: April to September of
  // 1993 have no valid day.
  std::string text = DailyYears(1990, 1992);
  static constexpr int kDays[6] = {31, 30, 31, 31, 28, 15};
  for (int m = 0; m < 6; ++m)
    for (int d = 1; d <= kDays[m]; ++d) {
      char date[48];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", m < 3 ? 1992 : 1993, (m + 9) % 12 + 1, d);
      text += Daily(date, "5");
    }
  const std::string partial = folder.Write("partial.txt", text);
  const std::string dataSet = (folder / "dataset_1").string();
  CliRun r = Cli("import " + partial + " -o " + dataSet, folder / "err.txt");
  ASSERT_EQ(r.status, 0);
  std::string err = ScratchFolder::Read(folder / "err.txt");
  const std::string years = "zelvo-cli: note: Water year 1993 has a month without any valid day.";
  const std::string groups = "which enter ML1-ML13 and MH1-MH13";
  EXPECT_EQ(Occurrences(err, "zelvo-cli: note:"), 1u) << err;
  EXPECT_NE(err.find(years), std::string::npos) << err;
  EXPECT_NE(err.find(groups), std::string::npos) << err;
  EXPECT_NE(err.find("To leave out every year with a missing day, import again with --keep complete.\n"),
            std::string::npos)
      << err;
  EXPECT_EQ(r.out.find("note"), std::string::npos);  // standard output stays as scripts read it

  // The results file is written as before; the note goes to standard error only.
  r = Cli("compute " + dataSet + " -o " + (folder / "hi.csv").string(), folder / "err.txt");
  ASSERT_EQ(r.status, 0);
  err = ScratchFolder::Read(folder / "err.txt");
  EXPECT_EQ(err.substr(0, years.size()), years);
  EXPECT_EQ(Occurrences(err, "\n"), 1u) << err;
  EXPECT_NE(err.find(groups), std::string::npos) << err;
  EXPECT_NE(err.find("import the daily-value file again with --keep complete.\n"), std::string::npos) << err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(ScratchFolder::Read(folder / "hi.csv").find("note"), std::string::npos);

  // Complete water years: no note from either command.
  const std::string complete = folder.Write("complete.txt", DailyYears(1990, 1992));
  r = Cli("import " + complete + " -o " + dataSet, folder / "err.txt");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt").find("note"), std::string::npos);
  r = Cli("compute " + dataSet + " -o " + (folder / "hi.csv").string(), folder / "err.txt");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt"), "");
  // The partial file with its incomplete year left out: no note either.
  r = Cli("import " + partial + " --keep complete -o " + dataSet, folder / "err.txt");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt").find("note"), std::string::npos);
}

TEST(ImportCommand, ColumnOptionAndTheNoteOnStandardError) {
  ScratchFolder folder;
  // Daily mean, maximum and minimum discharge; on 2 October only the maximum and minimum (the
  // rule reads the maximum, value 1), on 3 October all three (the rule reads the minimum, value 3).
  const std::string daily = folder.Write(
      "daily.txt",
      "agency_cd\tsite_no\tdatetime\t1_00060_00003\t1_00060_00003_cd\t2_00060_00001\t2_00060_00001_cd\t"
      "3_00060_00002\t3_00060_00002_cd\n"
      "AGNC\t5\t1990-10-01\t10\tA\t\t\t\t\n"
      "AGNC\t5\t1990-10-02\t\t\t14\tA\t9\tA\n"
      "AGNC\t5\t1990-10-03\t12\tA\t15\tA\t8\tA\n");
  const std::string note =
      "zelvo-cli: The daily flow input data file, " + daily +
      ", has more than one value column.  The daily mean discharge is in the column 1_00060_00003, but on 2 "
      "lines the flow would be read from another column:\n\n     2_00060_00001:  1 line\n"
      "     3_00060_00002:  1 line\n\n";
  // The slot lines of 2 and 3 October in the data set file.
  const auto secondAndThirdDay = [&folder]() {
    const std::string stored = ScratchFolder::Read(folder / "ds");
    const std::size_t line2 = stored.find("\r\n", stored.find("\r\n") + 2) + 2;
    const std::size_t line4 = stored.find("\r\n", stored.find("\r\n", line2) + 2) + 2;
    return stored.substr(line2, line4 - line2);
  };
  CliRun r = Cli("import " + daily + " -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 0);
  std::string err = ScratchFolder::Read(folder / "err.txt");
  EXPECT_EQ(err.substr(0, note.size() + 50), note + "The daily mean discharge column is read (a day wit");
  EXPECT_EQ(secondAndThirdDay(), "   999999.000 \r\n       12.000 \r\n");
  r = Cli("import " + daily + " --column rule --keep all -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 0);
  err = ScratchFolder::Read(folder / "err.txt");
  EXPECT_EQ(err.substr(0, note.size() + 26), note + "The file is read as before");
  EXPECT_EQ(secondAndThirdDay(), "       14.000 \r\n        8.000 \r\n");
  r = Cli("import " + daily + " --column median -o " + (folder / "ds").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt"),
            "zelvo-cli: the option --column needs mean or rule, not \"median\"\n");
}

TEST(ImportCsvCommand, WritesTheDataSetFile) {
  ScratchFolder folder;
  std::string text = "1991,1992,1993\n";
  for (int s = 0; s < 366; ++s) text += "1,2,3\n";
  const std::string csv = folder.Write("alt.csv", text);
  CliRun r = Cli("import-csv " + csv + " -o " + (folder / "dataset_2").string(), folder / "err.txt");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "first water year: 1991\nlast water year: 1993\npeaks: 0\n");
  EXPECT_EQ(ScratchFolder::Read(folder / "dataset_2").substr(0, 17), "1991 1992 1993 \r\n");
  r = Cli("import-csv " + (folder / "none.csv").string() + " -o " + (folder / "x").string(),
          folder / "err.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ScratchFolder::Read(folder / "err.txt"),
            "zelvo-cli: Can not open the import file:  " + (folder / "none.csv").string() + ".\n");
}

}  // namespace
}  // namespace zelvo
