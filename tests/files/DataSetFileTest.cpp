#include <gtest/gtest.h>

#include <sstream>

#include "support/TempFolder.h"
#include "zelvo/files/DataSetDeletion.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

FlowRecord ThreeYears() {
  FlowRecord r;
  r.Clear(0.0f);
  r.yearCount = 3;
  for (int y = 0; y < 3; ++y) {
    r.years[y] = 1990 + y;
    r.flows[y].fill(123.0f);
  }
  r.flows[1][kLeapDaySlot] = kMissing;
  return r;
}

std::string Write(const FlowRecord& r, bool peaks) {
  std::ostringstream out;
  WriteDataSetFile(out, r, peaks);
  return out.str();
}

TEST(DataSetFile, YearsLineAndSlotLinesHaveTheirExactFormat) {
  const std::string text = Write(ThreeYears(), false);
  const std::string years = "1990 1991 1992 \r\n";
  const std::string slot = "      123.000       123.000       123.000 \r\n";
  EXPECT_EQ(text.substr(0, years.size()), years);
  EXPECT_EQ(text.substr(years.size(), slot.size()), slot);
  EXPECT_EQ(text.size(), years.size() + 366 * slot.size());
  // 29 February of 1991 is missing.
  EXPECT_EQ(text.substr(years.size() + 151 * slot.size(), slot.size()),
            "      123.000    999999.000       123.000 \r\n");
}

TEST(DataSetFile, PeakSectionEndsWithoutALineEnd) {
  FlowRecord r = ThreeYears();
  r.peakCount = 2;
  r.peaks[0] = 5000.0f;
  r.peaks[1] = 4200.5f;
  r.peakDayFlows[0] = 1500.0f;
  r.peakDayFlows[1] = 1200.25f;
  const std::string text = Write(r, true);
  const std::string tail = "2\r\n     5000.000      4200.500 \r\n     1500.000      1200.250 ";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  // Without the flag the section is not written.
  EXPECT_EQ(Write(r, false).find("5000.000"), std::string::npos);
}

TEST(DataSetFile, ReadBackGivesTheSameRecordAndPeaks) {
  FlowRecord r = ThreeYears();
  r.flows[2][10] = 0.125f;
  r.peakCount = 1;
  r.peaks[0] = 9.5f;
  r.peakDayFlows[0] = 2.25f;
  std::istringstream in(Write(r, true));
  FlowRecord back;
  const Status read = ReadDataSetFile(in, true, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_EQ(back.yearCount, 3);
  EXPECT_EQ(back.years[2], 1992);
  EXPECT_EQ(back.flows[2][10], 0.125f);
  EXPECT_EQ(back.flows[1][kLeapDaySlot], kMissing);
  EXPECT_EQ(back.peakCount, 1);
  EXPECT_EQ(back.peaks[0], 9.5f);
  EXPECT_EQ(back.peakDayFlows[0], 2.25f);
}

TEST(DataSetFile, ShortLinesAnEarlyEndOrAnEmptyFileAreDamagedNotZeros) {
  auto read = [](const std::string& text, bool peaks) {
    std::istringstream in(text);
    FlowRecord r;
    r.yearCount = 7;  // left as it was by a refused file
    const Status status = ReadDataSetFile(in, peaks, r);
    EXPECT_EQ(r.yearCount, status ? r.yearCount : 7);
    return status;
  };
  EXPECT_EQ(read("1990 1991 0 1993\n1.5 2.5\n3.5\n", false).Message(),
            "The daily flow data file is damaged:  line 3 holds fewer values than the years line has years.");
  EXPECT_EQ(read("", false).Message(), "The daily flow data file is damaged:  the file is empty.");

  FlowRecord three = ThreeYears();
  three.peakCount = 2;
  three.peaks[0] = 5000.0f;
  three.peaks[1] = 6000.0f;
  const std::string whole = Write(three, true);
  ASSERT_TRUE(read(whole, true));
  ASSERT_TRUE(read(Write(ThreeYears(), false), false));
  // Cut anywhere before its last line, the file is refused: a half-written data set never
  // computes as a record with zeros in it.
  // (Cut right after the slot lines it is a whole data set without peaks, which is how one with
  // no peak is written.)
  const std::size_t lastLine = whole.rfind('\n') + 1;
  const std::size_t slotsEnd = whole.find("\r\n2\r\n") + 2;
  for (std::size_t cut = 0; cut < lastLine; cut += (cut < 100 || cut > slotsEnd - 60 ? 1 : 37)) {
    if (cut != slotsEnd) {
      EXPECT_FALSE(read(whole.substr(0, cut), true)) << "cut after " << cut << " bytes";
    }
    if (cut < slotsEnd) {
      EXPECT_FALSE(read(whole.substr(0, cut), false)) << "cut after " << cut << " bytes";
    }
  }
  EXPECT_EQ(
      read(whole.substr(0, whole.find("\r\n") + 2), false).Message(),
      "The daily flow data file is damaged:  line 2 is missing: the file ends before the last day slot.");
  // A peak section whose lines do not hold the count's peaks.
  const std::size_t countLine = whole.rfind("2\r\n");
  EXPECT_EQ(
      read(whole.substr(0, countLine) + "3\r\n" + whole.substr(countLine + 3), true).Message(),
      "The daily flow data file is damaged:  line 369 does not hold as many peaks as the peak count says.");
  EXPECT_FALSE(read(whole.substr(0, countLine + 3), true));
  // A data set of peaks flag 1 without any peak has no peak section at all.
  EXPECT_TRUE(read(Write(ThreeYears(), true), true));
}

TEST(DataSetFile, OneHundredFiftyYearsAreStoredButNotMore) {
  FlowRecord r;
  r.yearCount = 150;
  for (int y = 0; y < 150; ++y) {
    r.years[y] = 1850 + y;
    r.flows[y].fill(static_cast<float>(y));
  }
  std::istringstream in(Write(r, false));
  FlowRecord back;
  const Status read = ReadDataSetFile(in, false, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_EQ(back.yearCount, 150);
  EXPECT_EQ(back.flows[149][365], 149.0f);
}

TEST(DataSetFile, DamagedFilesAreRefusedAndTheRecordIsUntouched) {
  std::string many;
  for (int i = 0; i < 151; ++i) many += "1990 ";
  const std::string slots366(366, '\n');
  const std::vector<std::pair<std::string, bool>> cases = {
      {many + "\n", false},                              // 151 years
      {"1990\n" + many + "\n", false},                   // 151 values on a slot line
      {"1990\n12.5 abc\n", false},                       // not a number
      {"1990 x\n", false},                               // year not a number
      {"1990\n" + slots366 + "151\n", true},             // peak count above 150
      {"1990\n" + slots366 + "-1\n", true},              // negative peak count
      {"1990\n" + slots366 + "seven\n", true},           // no peak count
      {"1990\n" + slots366 + "4.5\n", false},            // a 367th slot line
      {"1990\n" + slots366 + "1\n2\n3\nmore\n", false},  // more than a peak section
  };
  for (const auto& [text, peaks] : cases) {
    FlowRecord r = ThreeYears();
    std::istringstream in(text);
    const Status read = ReadDataSetFile(in, peaks, r);
    EXPECT_FALSE(read.Ok()) << text.substr(0, 40);
    EXPECT_NE(read.Message().find("damaged"), std::string::npos);
    EXPECT_EQ(r.yearCount, 3);
    EXPECT_EQ(r.flows[0][0], 123.0f);
  }
}

TEST(DataSetFile, PeakSectionIsPassedOverWhenPeaksAreNotWanted) {
  FlowRecord r = ThreeYears();
  r.peakCount = 1;
  r.peaks[0] = 10.0f;
  r.peakDayFlows[0] = 5.0f;
  std::istringstream in(Write(r, true));
  FlowRecord back;
  const Status read = ReadDataSetFile(in, false, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_EQ(back.peakCount, 0);
  EXPECT_EQ(back.flows[2][365], 123.0f);
}

TEST(DataSetFile, MissingFileGivesTheOpenMessage) {
  FlowRecord r;
  EXPECT_EQ(ReadDataSetFile(std::filesystem::path("/nonexistent/dataset_1"), false, r).Message(),
            "Can not open the daily flow data file:  /nonexistent/dataset_1");
}

// ---- deletion keeps the numbers dense ------------------------------------------------------

struct FourDataSets {
  TempFolder folder;
  std::vector<DataSetEntry> entries;
  FourDataSets() {
    for (int n = 1; n <= 4; ++n) {
      DataSetEntry e;
      e.title = "set " + std::to_string(n);
      e.fileName = DataSetFileName(n);
      e.SetWaterYears(1990, 1991);
      entries.push_back(e);
      WriteWholeFile(folder / DataSetFileName(n), "data of " + std::to_string(n));
      if (n != 2)
        WriteWholeFile(folder / ("hiout_" + std::to_string(n) + ".csv"), "hi of " + std::to_string(n));
    }
    WriteDataSetDirectory(folder.Path(), entries);
  }
};

TEST(DeleteDataSet, SecondOfFourMovesTheLaterFilesDown) {
  FourDataSets p;
  int hookCalledWith = 0;
  const Status deleted = DeleteDataSet(p.folder.Path(), p.entries, 2, [&](int k) { hookCalledWith = k; });
  ASSERT_TRUE(deleted.Ok()) << deleted.Message();
  EXPECT_EQ(hookCalledWith, 2);
  EXPECT_EQ(ReadWholeFile(p.folder / "dataset_1"), "data of 1");
  EXPECT_EQ(ReadWholeFile(p.folder / "dataset_2"), "data of 3");
  EXPECT_EQ(ReadWholeFile(p.folder / "dataset_3"), "data of 4");
  EXPECT_FALSE(std::filesystem::exists(p.folder / "dataset_4"));
  EXPECT_EQ(ReadWholeFile(p.folder / "hiout_2.csv"), "hi of 3");
  EXPECT_EQ(ReadWholeFile(p.folder / "hiout_3.csv"), "hi of 4");
  EXPECT_FALSE(std::filesystem::exists(p.folder / "hiout_4.csv"));
  std::vector<DataSetEntry> dir;
  ASSERT_TRUE(ReadDataSetDirectory(p.folder.Path(), dir).Ok());
  ASSERT_EQ(dir.size(), 3u);
  EXPECT_EQ(dir[1].title, "set 3");
  EXPECT_EQ(dir[1].fileName, "dataset_2");
  EXPECT_EQ(dir[2].fileName, "dataset_3");
}

TEST(DeleteDataSet, TheOnlyDataSetLeavesNoDirectory) {
  FourDataSets p;
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(DeleteDataSet(p.folder.Path(), p.entries, 1).Ok());
  EXPECT_FALSE(std::filesystem::exists(p.folder / "ds_directory"));
  std::vector<DataSetEntry> dir{DataSetEntry{}};
  ASSERT_TRUE(ReadDataSetDirectory(p.folder.Path(), dir).Ok());
  EXPECT_TRUE(dir.empty());
  EXPECT_EQ(DeleteDataSet(p.folder.Path(), p.entries, 1).Message(),
            "There is no data set number 1 to delete.");
}

}  // namespace
}  // namespace zelvo
