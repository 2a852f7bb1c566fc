// The readers on real agency files: every stored value is checked against the line it came
// from, split independently at its tabs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/import/DailyValueReader.h"
#include "common/import/MissingDataScreening.h"
#include "common/import/PeakFlowReader.h"

namespace zelvo {
namespace {

std::filesystem::path RealFile(const std::string& name) {
  return std::filesystem::path(ZELVO_REAL_DATA_DIR) / name;
}

std::vector<std::string> SplitTabs(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<std::string> fields;
  std::stringstream s(line);
  std::string f;
  while (std::getline(s, f, '\t')) fields.push_back(f);
  return fields;
}

struct RealCase {
  const char* file;
  int firstYear;
  int lastYear;
};

TEST(RealAgencyFiles, DailyValuesLandInTheirWaterYearAndSlot) {
  for (const RealCase c : {RealCase{"dv_08057000_TrinityRiver_Dallas_TX.txt", 1904, 2019},
                           RealCase{"dv_04174500_HuronRiver_AnnArbor_MI.txt", 1914, 2016},
                           RealCase{"dv_08049500_WestForkTrinityRiver_GrandPrairie_TX.txt", 0, 0},
                           RealCase{"dv_09506000_VerdeRiver_CampVerde_AZ.txt", 0, 0},
                           RealCase{"dv_05427948_PheasantBranch_Middleton_WI.txt", 0, 0},
                           RealCase{"dv_05427718_YaharaRiver_Windsor_WI.txt", 0, 0},
                           RealCase{"dv_05427910_SixmileCreek_Waunakee_WI.txt", 0, 0},
                           RealCase{"dv_05427930_DornCreek_Waunakee_WI.txt", 0, 0},
                           RealCase{"dv_02177000_ChattoogaRiver_Clayton_GA.txt", 2012, 2013}}) {
    const auto path = RealFile(c.file);
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
    FlowRecord r;
    DailyValueSpan o;
    const Status read = ReadDailyValueFile(path, ImportProgram::Main, 0, 0, r, o);
    ASSERT_TRUE(read.Ok()) << c.file << ": " << read.Message();
    if (c.firstYear != 0) {
      EXPECT_EQ(o.beginYear, c.firstYear) << c.file;
      EXPECT_EQ(o.endYear, c.lastYear) << c.file;
    }
    EXPECT_EQ(r.yearCount, o.endYear - o.beginYear + 1);
    std::ifstream in(path, std::ios::binary);
    std::string line;
    long checked = 0, missing = 0;
    while (std::getline(in, line)) {
      const auto f = SplitTabs(line);
      if (f.size() < 4 || f[0] != "AGNC") continue;
      const int year = std::atoi(f[2].substr(0, 4).c_str());
      const int month = std::atoi(f[2].substr(5, 2).c_str());
      const int day = std::atoi(f[2].substr(8, 2).c_str());
      static constexpr int kOffset[12] = {92, 123, 152, 183, 213, 244, 274, 305, 336, 0, 31, 61};
      const int slot = kOffset[month - 1] + day;
      const int waterYear = month >= 10 ? year + 1 : year;
      const float stored =
          r.flows[static_cast<std::size_t>(waterYear - o.beginYear)][static_cast<std::size_t>(slot - 1)];
      ASSERT_EQ(r.years[static_cast<std::size_t>(waterYear - o.beginYear)], waterYear);
      if (f[3].empty()) {
        ASSERT_EQ(stored, kMissing) << line;
        ++missing;
      } else {
        ASSERT_EQ(stored, std::strtof(f[3].c_str(), nullptr)) << line;
      }
      ++checked;
    }
    EXPECT_EQ(checked, o.storedLines) << c.file;
    if (std::string(c.file).find("Huron") != std::string::npos) {
      EXPECT_EQ(missing, 305);
    }
  }
}

TEST(RealAgencyFiles, HuronRiverScreeningReportsItsGaps) {
  const auto path = RealFile("dv_04174500_HuronRiver_AnnArbor_MI.txt");
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
  FlowRecord r;
  DailyValueSpan span;
  ASSERT_TRUE(ReadDailyValueFile(path, ImportProgram::Main, 1940, 1950, r, span).Ok());
  CountMissingDays(r);
  // 1 October 1947 to 31 July 1948 is blank: 305 days, 29 February 1948 among them.
  EXPECT_EQ(MissingDataReport(r, 1940),
            "The flow file has 11 years with data.\r\n\r\n"
            "The following years have missing data:\r\n\r\n"
            "     Year    Total Days Missing    Largest Contiguous Block\r\n\r\n"
            "     1948\t          304\t\t               304\r\n");
}

TEST(RealAgencyFiles, ThirdValueColumnIsTakenWhereTheLineHasOne) {
  const auto path = RealFile("dv_08057000_TrinityRiver_Dallas_TX_allcols.txt");
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
  FlowRecord r;
  DailyValueSpan span;
  const Status read = ReadDailyValueFile(path, ImportProgram::Main, 0, 0, r, span);
  ASSERT_TRUE(read.Ok()) << read.Message();
  std::ifstream in(path, std::ios::binary);
  std::string line;
  long thirdValues = 0;
  while (std::getline(in, line)) {
    const auto f = SplitTabs(line);
    // Lines whose fields are all filled: value 3 is the eighth field.
    if (f.size() < 8 || f[0] != "AGNC" || f[3].empty() || f[4].empty() || f[5].empty() || f[6].empty() ||
        f[7].empty())
      continue;
    char* end = nullptr;
    const float third = std::strtof(f[7].c_str(), &end);
    if (*end != '\0') continue;
    const int year = std::atoi(f[2].substr(0, 4).c_str());
    const int month = std::atoi(f[2].substr(5, 2).c_str());
    const int day = std::atoi(f[2].substr(8, 2).c_str());
    static constexpr int kOffset[12] = {92, 123, 152, 183, 213, 244, 274, 305, 336, 0, 31, 61};
    const int waterYear = month >= 10 ? year + 1 : year;
    ASSERT_EQ(r.flows[static_cast<std::size_t>(waterYear - span.beginYear)]
                     [static_cast<std::size_t>(kOffset[month - 1] + day - 1)],
              third)
        << line;
    ++thirdValues;
  }
  EXPECT_GT(thirdValues, 0);
}

// The copies with every column the service delivered: the check names the columns the reading
// rule takes instead of the daily mean discharge, and on how many lines. Read from the daily mean
// discharge column they give exactly the record of the copy cut down to that column, which keeps
// the full column-name line over its shorter lines and so finds nothing to note.
TEST(RealAgencyFiles, AllColumnCopiesNameTheColumnsReadAndTheirMeanColumnGivesThePlainRecord) {
  struct AllColumns {
    const char* station;
    std::vector<std::pair<std::string, long>> others;
  };
  const std::vector<AllColumns> cases = {
      {"dv_04174500_HuronRiver_AnnArbor_MI", {{"04_00010_00002", 1712}}},
      {"dv_08049500_WestForkTrinityRiver_GrandPrairie_TX",
       {{"133234_00060_00002", 60}, {"133233_00060_00001", 39}}},
      {"dv_08057000_TrinityRiver_Dallas_TX",
       {{"133521_00065_00002", 99}, {"133520_00065_00001", 1}, {"133522_00065_00003", 1}}},
      {"dv_05427718_YaharaRiver_Windsor_WI", {}},
      {"dv_05427910_SixmileCreek_Waunakee_WI", {}},
      {"dv_05427930_DornCreek_Waunakee_WI", {}},
      {"dv_05427948_PheasantBranch_Middleton_WI", {}}};
  for (const AllColumns& c : cases) {
    const auto all = RealFile(std::string(c.station) + "_allcols.txt");
    const auto plain = RealFile(std::string(c.station) + ".txt");
    if (!std::filesystem::exists(all)) GTEST_SKIP() << "no real data at " << all;
    FlowRecord rule, mean, cut;
    DailyValueSpan o, p;
    const Status readAll = ReadDailyValueFile(all, ImportProgram::Main, 0, 0, rule, o);
    ASSERT_TRUE(readAll.Ok()) << readAll.Message();
    const ValueColumnCheck check = CheckValueColumns(o.columns, o.beginYear, o.endYear);
    std::vector<std::pair<std::string, long>> others;
    for (const ColumnLines& other : check.others) others.emplace_back(other.name, other.lines);
    EXPECT_EQ(others, c.others) << c.station;
    EXPECT_TRUE(check.meanField == kReadingRuleField || check.mean.name.ends_with("_00060_00003"));

    const int field = check.ReadsOtherColumns() ? check.meanField : kReadingRuleField;
    DailyValueSpan again;
    ASSERT_TRUE(ReadDailyValueFile(all, ImportProgram::Main, 0, 0, mean, again, field).Ok());
    const Status readPlain = ReadDailyValueFile(plain, ImportProgram::Main, 0, 0, cut, p);
    ASSERT_TRUE(readPlain.Ok()) << readPlain.Message();
    EXPECT_FALSE(CheckValueColumns(p.columns, p.beginYear, p.endYear).ReadsOtherColumns()) << c.station;
    ASSERT_EQ(mean.yearCount, cut.yearCount) << c.station;
    EXPECT_EQ(mean.years, cut.years) << c.station;
    EXPECT_TRUE(mean.flows == cut.flows) << c.station;
    EXPECT_EQ(check.ReadsOtherColumns(), !(rule.flows == cut.flows)) << c.station;
  }
}

// Every peak of a real file pairs with a record complete over all its years.
void CheckPeaks(const char* file, int expectedPeaks) {
  const auto path = RealFile(file);
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
  FlowRecord r;
  r.Clear(kMissing);
  r.yearCount = 150;
  for (int i = 0; i < 150; ++i) {
    r.years[static_cast<std::size_t>(i)] = 1871 + i;
    r.flows[static_cast<std::size_t>(i)].fill(1.0f + static_cast<float>(i));
  }
  std::ifstream in(path, std::ios::binary);
  PeakFlowCounts counts;
  const Status read = ReadPeakFlows(in, 1871, r, counts, path.string());
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_EQ(r.peakCount, expectedPeaks);
  std::ifstream again(path, std::ios::binary);
  std::string line;
  int k = 0;
  while (std::getline(again, line)) {
    const auto f = SplitTabs(line);
    if (f.size() < 5 || f[0] != "AGNC") continue;
    ASSERT_LT(k, r.peakCount);
    EXPECT_EQ(r.peaks[static_cast<std::size_t>(k)], std::strtof(f[4].c_str(), nullptr)) << line;
    const int year = std::atoi(f[2].substr(0, 4).c_str());
    const int month = std::atoi(f[2].substr(5, 2).c_str());
    EXPECT_EQ(r.peakDayFlows[static_cast<std::size_t>(k)],
              static_cast<float>((month >= 10 ? year + 1 : year) - 1870));
    ++k;
  }
  EXPECT_EQ(k, expectedPeaks);
}

TEST(RealAgencyFiles, WabashPeaksWithAndWithoutTimes) {
  CheckPeaks("pk_03335500_WabashRiver_Lafayette_IN.txt", 116);
}
TEST(RealAgencyFiles, PatuxentPeaksWithCrLfAndTimesOfDay) {
  CheckPeaks("pk_01594440_PatuxentRiver_Bowie_MD.txt", 20);
}

}  // namespace
}  // namespace zelvo
