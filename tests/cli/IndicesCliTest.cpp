// zelvo-cli indices and yearly, run as a user's script runs them: the table of a whole network
// against import + compute gauge by gauge, failed gauges, and what is written when.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "common/engine/IndexCatalogue.h"
#include "support/TempFolder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempFolder;

struct CliRun {
  int status = -1;
  std::string err;
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  std::string line;
  while (std::getline(s, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SplitCommas(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream s(line);
  std::string f;
  while (std::getline(s, f, ',')) fields.push_back(f);
  if (!line.empty() && line.back() == ',') fields.push_back("");
  return fields;
}

std::string Trim(const std::string& t) {
  const auto a = t.find_first_not_of(' ');
  return a == std::string::npos ? std::string() : t.substr(a);
}

std::vector<std::string> RealDailyFiles() {
  std::vector<std::string> files;
  const fs::path dir(ZELVO_REAL_DATA_DIR);
  if (!fs::exists(dir)) return files;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().rfind("dv_", 0) == 0) files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

class IndicesCli : public ::testing::Test {
 protected:
  CliRun Run(const std::string& arguments) {
    const std::string command = std::string("'") + ZELVO_CLI_PATH + "' " + arguments + " >'" +
                                dir_.File("stdout") + "' 2>'" + dir_.File("stderr") + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = dir_.Read("stderr");
    return run;
  }
  static std::string Q(const std::string& path) { return "'" + path + "'"; }

  // The results file of import + compute for one gauge: index name -> {value, lower, upper}
  // with NC as "".
  std::map<std::string, std::array<std::string, 3>> ImportAndCompute(const std::string& daily,
                                                                     const std::string& importOptions,
                                                                     const std::string& computeOptions) {
    EXPECT_EQ(Run("import " + Q(daily) + " " + importOptions + " -o " + Q(dir_.File("ds"))).status, 0)
        << daily;
    EXPECT_EQ(
        Run("compute " + Q(dir_.File("ds")) + " " + computeOptions + " -o " + Q(dir_.File("hi.csv"))).status,
        0);
    std::map<std::string, std::array<std::string, 3>> rows;
    const auto lines = SplitLines(dir_.Read("hi.csv"));
    for (std::size_t i = 3; i < lines.size(); ++i) {
      const auto f = SplitCommas(lines[i]);
      auto field = [&](std::size_t k) {
        return f.size() > k && Trim(f[k]) != "NC" ? Trim(f[k]) : std::string();
      };
      rows[f[0]] = {field(2), field(1), field(3)};
    }
    return rows;
  }

  // Every index field of a table line equals the results file of import + compute.
  void ExpectSameIndices(const std::vector<std::string>& header, const std::vector<std::string>& line,
                         const std::map<std::string, std::array<std::string, 3>>& hi) {
    ASSERT_EQ(line.size(), header.size());
    ASSERT_EQ(hi.size(), static_cast<std::size_t>(kIndexCount));
    for (int i = 0; i < kIndexCount; ++i) {
      const std::string name(IndexName(i));
      const std::size_t c = 7 + 3 * static_cast<std::size_t>(i);
      ASSERT_EQ(header[c], name);
      const auto& row = hi.at(name);
      EXPECT_EQ(line[c], row[0]) << line[0] << " " << name;
      EXPECT_EQ(line[c + 1], row[1]) << line[0] << " " << name << "_lower";
      EXPECT_EQ(line[c + 2], row[2]) << line[0] << " " << name << "_upper";
    }
  }

  TempFolder dir_;
};

TEST_F(IndicesCli, EveryRealGaugeAsImportAndComputeGiveIt) {
  const auto files = RealDailyFiles();
  if (files.empty()) GTEST_SKIP() << "no real data";
  // Drainage areas for all but one site (which then takes 1.0 and says so).
  dir_.Write("areas.csv", "site,area\n05427718,73.6\n04174500,729\n08057000,6106\n02177000,207\n");
  for (const std::string& options :
       {std::string(""), std::string("--keep complete --lower 10 --upper 90 --median")}) {
    SCOPED_TRACE(options);
    std::string args = "indices";
    for (const auto& f : files) args += " " + Q(f);
    const CliRun run = Run(args + " --areas " + Q(dir_.File("areas.csv")) + " " + options + " --jobs 2 -o " +
                           Q(dir_.File("table.csv")));
    const auto table = SplitLines(dir_.Read("table.csv"));
    ASSERT_FALSE(table.empty());
    const auto header = SplitCommas(table[0]);
    ASSERT_EQ(header.size(), 7u + 3u * kIndexCount);
    std::map<std::string, std::vector<std::string>> byFile;
    for (std::size_t i = 1; i < table.size(); ++i) {
      auto fields = SplitCommas(table[i]);
      byFile[fields[0]] = fields;
    }
    int compared = 0;
    for (const auto& f : files) {
      const std::string keep = options.find("complete") != std::string::npos ? "--keep complete" : "";
      const CliRun imported = Run("import " + Q(f) + " " + keep + " -o " + Q(dir_.File("probe")));
      if (imported.status != 0) {
        // A gauge the import refuses is a failed gauge of the table, with the import's message.
        EXPECT_EQ(byFile.count(f), 0u) << f;
        EXPECT_NE(run.err.find(f + ": "), std::string::npos) << f;
        continue;
      }
      ASSERT_EQ(byFile.count(f), 1u) << f;
      const auto& line = byFile[f];
      const std::string site = fs::path(f).filename().string().substr(3, 8);
      EXPECT_EQ(line[1], site);
      std::string area = "1";
      if (site == "05427718") area = "73.6";
      if (site == "04174500") area = "729";
      if (site == "08057000") area = "6106";
      if (site == "02177000") area = "207";
      char written[32];
      std::snprintf(written, sizeof written, "%.3f", std::stod(area));
      EXPECT_EQ(line[6], area == "1" ? std::string("1.000 (default)") : std::string(written));
      std::string compute = "--area " + area;
      if (!options.empty()) compute += " --lower 10 --upper 90 --median";
      ExpectSameIndices(header, line, ImportAndCompute(f, keep, compute));
      ++compared;
    }
    EXPECT_GE(compared, 10);
    EXPECT_NE(run.err.find("indices: " + std::to_string(table.size() - 1) + " of " +
                           std::to_string(files.size()) + " gauges written"),
              std::string::npos)
        << run.err;
  }
}

// A daily-value file of complete water years, flows varying by day so every index has a value.
std::string DailyText(const std::string& site, int first, int last) {
  std::string text = "# test\nagency_cd\tsite_no\tdatetime\tflow\tflow_cd\n5s\t15s\t20d\t14n\t10s\n";
  static const int kDays[12] = {31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31, 30};
  int n = 0;
  for (int wy = first; wy <= last; ++wy)
    for (int m = 0; m < 12; ++m) {
      const int month = (m + 9) % 12 + 1;
      const int year = month >= 10 ? wy - 1 : wy;
      const int days = month == 2 && year % 4 == 0 ? 29 : kDays[m];
      for (int d = 1; d <= days; ++d, ++n) {
        char line[128];
        std::snprintf(line, sizeof line, "AGNC\t%s\t%04d-%02d-%02d\t%.2f\tA\n", site.c_str(), year, month, d,
                      5.0 + (n * 37 % 101) * 0.37 + (m == 5 ? 60.0 : 0.0));
        text += line;
      }
    }
  return text;
}

std::string PeakText(const std::string& site, int first, int last, bool bad) {
  std::string text =
      "# peaks\nagency_cd\tsite_no\tpeak_dt\tpeak_tm\tpeak_va\tpeak_cd\n5s\t15s\t10d\t6s\t8s\t27s\n";
  for (int wy = first; wy <= last; ++wy) {
    char line[128];
    std::snprintf(line, sizeof line, "AGNC\t%s\t%04d-03-%02d\t\t%d\t\n", site.c_str(), wy, 1 + wy % 27,
                  bad && wy == last ? 0 : 300 + (wy * 13) % 97);
    text += line;
  }
  return text;
}

TEST_F(IndicesCli, FailedGaugesAreReportedAndLeftOutInInputOrder) {
  fs::create_directory(dir_ / "gauges");
  fs::create_directory(dir_ / "peaks");
  dir_.Write("gauges/a.txt", DailyText("01000001", 1981, 2010));
  dir_.Write("gauges/b.txt", "not a gauge file at all\n");
  dir_.Write("gauges/c.txt", DailyText("01000003", 1981, 2010));
  dir_.Write("gauges/d.txt", DailyText("01000004", 1991, 2000));
  dir_.Write("peaks/pa.txt", PeakText("01000001", 1981, 2010, false));
  dir_.Write("peaks/pc.txt", PeakText("01000003", 1981, 2010, true));  // a bad record
  const std::string table = dir_.File("table.csv");
  const CliRun one = Run("indices " + Q(dir_.File("gauges")) + " --peak-dir " + Q(dir_.File("peaks")) +
                         " --jobs 1 -o " + Q(table));
  EXPECT_EQ(one.status, 1);
  const auto lines = SplitLines(dir_.Read("table.csv"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(SplitCommas(lines[1])[0], dir_.File("gauges/a.txt"));
  EXPECT_EQ(SplitCommas(lines[2])[0], dir_.File("gauges/d.txt"));
  EXPECT_EQ(SplitCommas(lines[1])[5], "30");  // the peaks of its own site
  EXPECT_EQ(SplitCommas(lines[2])[5], "0");   // no peak file for this site
  const auto err = SplitLines(one.err);
  ASSERT_EQ(err.size(), 5u) << one.err;
  EXPECT_EQ(err[0].rfind(dir_.File("gauges/b.txt") + ": ", 0), 0u);
  EXPECT_EQ(err[1], dir_.File("gauges/c.txt") + ": The peak flow file, " + dir_.File("peaks/pc.txt") +
                        ", has bad records in it.");
  EXPECT_EQ(err[4], "indices: 2 of 4 gauges written, 2 failed");

  // Any number of threads writes the same bytes.
  const std::string first = dir_.Read("table.csv");
  EXPECT_EQ(Run("indices " + Q(dir_.File("gauges")) + " --peak-dir " + Q(dir_.File("peaks")) +
                " --jobs 3 -o " + Q(table))
                .err,
            one.err);
  EXPECT_EQ(dir_.Read("table.csv"), first);

  // With peaks, the indices are those of import with the peak file and compute --peaks.
  const auto header = SplitCommas(lines[0]);
  ExpectSameIndices(
      header, SplitCommas(lines[1]),
      ImportAndCompute(dir_.File("gauges/a.txt"), "--peak-file " + Q(dir_.File("peaks/pa.txt")), "--peaks"));
}

// Daily files and peak files in one folder, given as the peak folder too: each gauge takes the
// peak file of its site, and a gauge without one runs without peaks (its own daily file is no
// peak file).
TEST_F(IndicesCli, APeakFolderThatHoldsTheDailyFilesPairsOnlyPeakFiles) {
  fs::create_directory(dir_ / "all");
  dir_.Write("all/a.txt", DailyText("01000001", 1981, 2010));
  dir_.Write("all/b.txt", DailyText("01000002", 1981, 2010));
  dir_.Write("all/pk_a.txt", PeakText("01000001", 1981, 2010, false));
  const CliRun run = Run("indices " + Q(dir_.File("all/a.txt")) + " " + Q(dir_.File("all/b.txt")) +
                         " --peak-dir " + Q(dir_.File("all")) + " -o " + Q(dir_.File("table.csv")));
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(dir_.Read("table.csv"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(SplitCommas(lines[1])[5], "30");
  EXPECT_EQ(SplitCommas(lines[2])[5], "0");
}

TEST_F(IndicesCli, CsvAndDataSetFilesByTheirContent) {
  dir_.Write("daily.txt", DailyText("01000001", 1981, 2000));
  ASSERT_EQ(Run("import " + Q(dir_.File("daily.txt")) + " -o " + Q(dir_.File("dataset_1"))).status, 0);
  // A CSV file of the same layout: the data set file with commas.
  std::string csv;
  for (const std::string& line : SplitLines(dir_.Read("dataset_1"))) {
    std::string out;
    std::stringstream s(line);
    std::string field;
    while (s >> field) out += (out.empty() ? "" : ",") + field;
    csv += out + "\n";
  }
  dir_.Write("scenario", csv);
  const CliRun run = Run("indices " + Q(dir_.File("dataset_1")) + " " + Q(dir_.File("scenario")) + " -o " +
                         Q(dir_.File("table.csv")));
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = SplitLines(dir_.Read("table.csv"));
  ASSERT_EQ(lines.size(), 3u);
  const auto header = SplitCommas(lines[0]);
  const auto hi = ImportAndCompute(dir_.File("daily.txt"), "", "");
  for (int i : {1, 2}) {
    const auto line = SplitCommas(lines[i]);
    EXPECT_EQ(line[1], "");  // no site number in these files
    EXPECT_EQ(line[2], "1981");
    EXPECT_EQ(line[3], "2000");
    EXPECT_EQ(line[4], "20");
    ExpectSameIndices(header, line, hi);
  }
}

TEST_F(IndicesCli, BadArgumentsWriteNothing) {
  dir_.Write("daily.txt", DailyText("01000001", 1981, 1990));
  const std::string table = dir_.File("table.csv");
  for (const std::string& options :
       std::vector<std::string>{"--keep some", "--lower 80 --upper 20", "--from 1990 --to 1985", "--jobs 0",
                                "--areas " + Q(dir_.File("missing.csv"))}) {
    EXPECT_EQ(Run("indices " + Q(dir_.File("daily.txt")) + " " + options + " -o " + Q(table)).status, 2)
        << options;
    EXPECT_FALSE(fs::exists(table)) << options;
  }
  EXPECT_EQ(Run("indices " + Q(dir_.File("nowhere.txt")) + " -o " + Q(table)).status, 2);
  dir_.Write("areas.csv", "01000001,-3\n");
  EXPECT_EQ(Run("indices " + Q(dir_.File("daily.txt")) + " --areas " + Q(dir_.File("areas.csv")) + " -o " +
                Q(table))
                .status,
            2);
  // An output folder that does not exist: a failure, and no stray temporary file.
  EXPECT_EQ(Run("indices " + Q(dir_.File("daily.txt")) + " -o " + Q(dir_.File("no/table.csv"))).status, 1);
  EXPECT_FALSE(fs::exists(table));
  // The table of a run is written whole: no temporary file is left beside it.
  EXPECT_EQ(Run("indices " + Q(dir_.File("daily.txt")) + " -o " + Q(table)).status, 0);
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir_.Path()))
    files += e.path().filename().string().rfind("table", 0) == 0;
  EXPECT_EQ(files, 1);
}

TEST_F(IndicesCli, YearlyTableOfAGauge) {
  dir_.Write("daily.txt", DailyText("01000001", 1991, 1993));
  const std::string years = dir_.File("years.csv");
  ASSERT_EQ(Run("yearly " + Q(dir_.File("daily.txt")) + " -o " + Q(years)).status, 0);
  const auto lines = SplitLines(dir_.Read("years.csv"));
  ASSERT_EQ(lines.size(), 4u);
  const auto header = SplitCommas(lines[0]);
  EXPECT_EQ(header[0], "water_year");
  EXPECT_EQ(header[1], "valid_days");
  EXPECT_EQ(header.back(), "sep_mean");
  const auto y1992 = SplitCommas(lines[2]);
  ASSERT_EQ(y1992.size(), header.size());
  EXPECT_EQ(y1992[0], "1992");
  EXPECT_EQ(y1992[1], "366");  // a leap year, every day present
  // March is the month with 60 cfs more: its mean is the largest of the monthly means.
  EXPECT_GT(std::stod(y1992[header.size() - 7]), std::stod(y1992[header.size() - 8]));
  EXPECT_EQ(Run("yearly " + Q(dir_.File("missing.txt")) + " -o " + Q(years)).status, 1);
  EXPECT_EQ(Run("yearly " + Q(dir_.File("daily.txt")) + " --keep none -o " + Q(years)).status, 2);
}

}  // namespace
}  // namespace zelvo
