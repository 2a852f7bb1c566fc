#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "support/TempFolder.h"

namespace zelvo {
namespace {

IndexResult Full(float lower, float value, float upper) { return IndexResult{lower, value, upper}; }

TEST(IndexCatalogue, HasTheNamesAndNumbersInOrder) {
  EXPECT_EQ(IndexName(0), "MA1");
  EXPECT_EQ(IndexName(44), "MA45");
  EXPECT_EQ(IndexName(45), "ML1");
  EXPECT_EQ(IndexName(67), "MH1");
  EXPECT_EQ(IndexName(94), "FL1");
  EXPECT_EQ(IndexName(97), "FH1");
  EXPECT_EQ(IndexName(108), "DL1");
  EXPECT_EQ(IndexName(128), "DH1");
  EXPECT_EQ(IndexName(152), "TA1");
  EXPECT_EQ(IndexName(155), "TL1");
  EXPECT_EQ(IndexName(159), "TH1");
  EXPECT_EQ(IndexName(170), "RA9");
  EXPECT_EQ(IndexName(171), "");
  EXPECT_EQ(IndexNumber("MA20"), 19);
  EXPECT_EQ(IndexNumber("RA9"), 170);
  EXPECT_EQ(IndexNumber("XX1"), -1);
  for (int i = 0; i < kIndexCount; ++i) EXPECT_EQ(IndexNumber(IndexName(i)), i);
}

TEST(HiOutputRows, FullRowHasThreeNumbersNineWide) {
  IndexResults r;
  r[MA(1)] = Full(10.0f, 1234.5f, 5000.0f);
  EXPECT_EQ(FormatHiRow(MA(1), r), "MA1,   10.000, 1234.500, 5000.000");
  r[MA(1)] = Full(1.0f, 1234567.0f, 2.0f);
  EXPECT_EQ(FormatHiRow(MA(1), r), "MA1,    1.000,1234567.000,    2.000");
}

TEST(HiOutputRows, ValueRowsAndNcRows) {
  IndexResults r;
  r[MA(4)] = Full(kMissing, 12.5f, kMissing);
  EXPECT_EQ(FormatHiRow(MA(4), r), "MA4,NC,   12.500,NC");
  r[MA(5)] = IndexResult{};
  EXPECT_EQ(FormatHiRow(MA(5), r), "MA5,NC,NC,NC");
  r[MA(3)] = IndexResult{};
  EXPECT_EQ(FormatHiRow(MA(3), r), "MA3,NC,NC,NC");
  // A limit that cannot be formed while the value can is written as a number.
  r[MH(21)] = Full(kMissing, 2.0f, 3.0f);
  EXPECT_EQ(FormatHiRow(MH(21), r), "MH21,999999.000,    2.000,    3.000");
  r[DL(20)] = Full(kMissing, 100.0f, kMissing);
  EXPECT_EQ(FormatHiRow(DL(20), r), "DL20,NC,  100.000,NC");
}

TEST(HiOutputRows, PeakRowsWithAndWithoutPeaks) {
  IndexResults r;
  r[FH(11)] = Full(1.0f, 2.0f, 3.0f);
  r[DH(22)] = Full(1.0f, 2.0f, 3.0f);
  r[TA(3)] = Full(kMissing, 0.5f, kMissing);
  r[TL(3)] = Full(kMissing, 0.25f, kMissing);
  r[TL(4)] = Full(kMissing, 0.125f, kMissing);
  r[TH(3)] = Full(kMissing, 0.75f, kMissing);
  r.threshold167 = 1500.0f;
  r.threshold5 = 2500.0f;
  r.peaksPresent = false;
  for (int i : {FH(11), DH(22), TA(3), TL(3), TL(4), TH(3)})
    EXPECT_EQ(FormatHiRow(i, r), std::string(IndexName(i)) + ",NC,NC,NC");
  r.peaksPresent = true;
  EXPECT_EQ(FormatHiRow(FH(11), r), "FH11,    1.000,    2.000,    3.000, ,1.67 year threshold =  1500.000");
  EXPECT_EQ(FormatHiRow(DH(22), r), "DH22,    1.000,    2.000,    3.000");
  EXPECT_EQ(FormatHiRow(TA(3), r), "TA3,NC,    0.500,NC");
  EXPECT_EQ(FormatHiRow(TL(3), r), "TL3,NC,    0.250,NC, ,5 year threshold =  2500.000");
  EXPECT_EQ(FormatHiRow(TL(4), r), "TL4,NC,    0.125,NC");
  EXPECT_EQ(FormatHiRow(TH(3), r), "TH3,NC,    0.750,NC");
  r[TL(3)] = IndexResult{};
  EXPECT_EQ(FormatHiRow(TL(3), r), "TL3,NC,NC,NC");
}

std::string WholeFile(const IndexResults& r, const std::string& caption, bool median) {
  std::ostringstream out;
  WriteHiOutput(out, HiOutputHeader{caption, median, 25.0f, 75.0f}, r);
  return out.str();
}

TEST(HiOutputFile, HasThreeHeaderLinesAnd171RowsWithCrLf) {
  IndexResults r;
  r[MA(1)] = Full(10.0f, 1234.5f, 5000.0f);
  const std::string text = WholeFile(r, "Dam - Before", false);
  const std::string head =
      "Dam - Before,0\r\n25.000000,75.000000\r\nIndex,Lower Limit,Value,Upper Limit\r\nMA1,   10.000,";
  EXPECT_EQ(text.substr(0, head.size()), head);
  int lines = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\r') {
      EXPECT_EQ(text[i + 1], '\n');
      ++lines;
    }
  EXPECT_EQ(lines, 174);
  EXPECT_EQ(text.substr(text.size() - 14), "RA9,NC,NC,NC\r\n");
}

TEST(HiOutputFile, ALineBreakTypedInTheCaptionStaysOnTheHeaderLine) {
  const std::string text = WholeFile(IndexResults{}, "a\r\nb\nc\rd", true);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 174);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "a b c d,1");
  std::istringstream in(text);
  HiTable t;
  ASSERT_TRUE(ReadHiTable(in, t));
  EXPECT_EQ(t.medianMark, 1);
}

TEST(HiOutputReaders, TableReaderReadsEveryRowForm) {
  IndexResults r;
  r.peaksPresent = true;
  r[MA(1)] = Full(10.0f, 1234.5f, 5000.0f);
  r[MA(4)] = Full(kMissing, 12.5f, kMissing);
  r[FH(11)] = Full(1.0f, 2.0f, 3.0f);
  r[TL(3)] = Full(kMissing, 0.25f, kMissing);
  r.threshold167 = 1500.0f;
  r.threshold5 = 2500.0f;
  std::istringstream in(WholeFile(r, "Creek, upper, 1990", true));
  HiTable t;
  ASSERT_TRUE(ReadHiTable(in, t));
  EXPECT_EQ(t.medianMark, 1);  // after the last comma of a caption that has commas itself
  EXPECT_EQ(t.lowerPercentile, 25.0f);
  EXPECT_EQ(t.upperPercentile, 75.0f);
  EXPECT_EQ(t.lower[MA(1)], 10.0f);
  EXPECT_EQ(t.value[MA(1)], 1234.5f);
  EXPECT_EQ(t.upper[MA(1)], 5000.0f);
  EXPECT_EQ(t.lower[MA(4)], kMissing);
  EXPECT_EQ(t.value[MA(4)], 12.5f);
  EXPECT_EQ(t.upper[MA(4)], kMissing);
  // An NC row: nothing in it was computed, the value no more than the limits.
  EXPECT_EQ(t.lower[MA(5)], kMissing);
  EXPECT_EQ(t.value[MA(5)], kMissing);
  EXPECT_EQ(t.upper[MA(5)], kMissing);
  // The long rows: the upper field is the rest of the line, read from its start; TL3's upper
  // field "NC, ,5 year threshold = ..." is NC, not 0.
  EXPECT_EQ(t.upper[FH(11)], 3.0f);
  EXPECT_EQ(t.value[TL(3)], 0.25f);
  EXPECT_EQ(t.upper[TL(3)], kMissing);
  EXPECT_EQ(t.lower[TL(3)], kMissing);
}

TEST(HiOutputReaders, PeakIndicesOfARunWithoutPeaksReadAsNotComputed) {
  IndexResults r;
  r.peaksPresent = false;
  for (int i : {FH(11), DH(22), DH(23), DH(24), TA(3), TL(3), TL(4), TH(3)}) r[i] = Full(1.0f, 2.0f, 3.0f);
  r[MA(1)] = Full(0.0f, 0.0f, 0.0f);  // a measured zero stays a zero
  std::istringstream in(WholeFile(r, "Withdrawal", false));
  HiTable t;
  ASSERT_TRUE(ReadHiTable(in, t));
  for (int i : {FH(11), DH(22), DH(23), DH(24), TA(3), TL(3), TL(4), TH(3)}) {
    EXPECT_EQ(t.value[i], kMissing) << IndexName(i);
    EXPECT_EQ(t.lower[i], kMissing) << IndexName(i);
    EXPECT_EQ(t.upper[i], kMissing) << IndexName(i);
  }
  EXPECT_EQ(t.value[MA(1)], 0.0f);
  EXPECT_EQ(t.upper[MA(1)], 0.0f);
}

TEST(HiOutputReaders, GraphReaderCollapsesMissingLimitsOntoTheValue) {
  IndexResults r;
  r[ML(13)] = Full(kMissing, 12.5f, kMissing);
  r[MA(1)] = Full(0.0f, 4.0f, 6.0f);
  std::istringstream in(WholeFile(r, "x", false));
  HiTable t;
  ASSERT_TRUE(ReadHiGraphValues(in, t));
  EXPECT_EQ(t.lower[ML(13)], 12.5f);
  EXPECT_EQ(t.upper[ML(13)], 12.5f);
  // An NC row gives no point at all, not a point at 0.
  EXPECT_EQ(t.lower[MA(5)], kMissing);
  EXPECT_EQ(t.value[MA(5)], kMissing);
  EXPECT_EQ(t.upper[MA(5)], kMissing);
  EXPECT_EQ(t.lower[MA(1)], 4.0f);  // a limit of 0 reads as missing
  EXPECT_EQ(t.medianMark, 0);
}

TEST(HiOutputReaders, GraphReaderCollapsesTheLongRowsAndNumericMarkersToo) {
  IndexResults r;
  r.peaksPresent = true;
  r[TL(3)] = Full(kMissing, 0.25f, kMissing);
  r[FH(11)] = Full(1.0f, 2.0f, 3.0f);
  r[MH(21)] = Full(kMissing, 2.0f, 3.0f);  // written "MH21,999999.000,    2.000,    3.000"
  r.threshold5 = 2500.0f;
  r.threshold167 = 1500.0f;
  std::istringstream in(WholeFile(r, "x", false));
  HiTable t;
  ASSERT_TRUE(ReadHiGraphValues(in, t));
  EXPECT_EQ(t.lower[TL(3)], 0.25f);
  EXPECT_EQ(t.upper[TL(3)], 0.25f);  // not the threshold, not 0
  EXPECT_EQ(t.upper[FH(11)], 3.0f);
  EXPECT_EQ(t.lower[MH(21)], 2.0f);  // a bar down to the value, not up to 999999
  EXPECT_EQ(t.upper[MH(21)], 3.0f);
}

TEST(HiOutputReaders, ShortOrEmptyInputIsDamagedNotReadAsZeros) {
  std::istringstream in("caption\r\n");
  HiTable t;
  t.value[170] = 42.0f;
  const Status read = ReadHiTable(in, t);
  EXPECT_FALSE(read);
  EXPECT_EQ(read.Message(), "The HI output file is damaged:  line 2 is missing.");
  EXPECT_EQ(t.value[170], 42.0f);  // left as it was
}

TEST(HiOutputReaders, AFileCutAnywhereOrARowThatDoesNotReadIsDamaged) {
  IndexResults r;
  r.peaksPresent = true;
  for (int i = 0; i < kIndexCount; ++i) r[i] = Full(1.0f + i, 2.0f + i, 3.0f + i);
  r.threshold167 = 1500.0f;
  r.threshold5 = 2500.0f;
  const std::string whole = WholeFile(r, "Creek", false);
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    std::istringstream in(whole.substr(0, cut));
    HiTable t;
    ASSERT_FALSE(ReadHiTable(in, t)) << "cut after " << cut << " bytes";
    std::istringstream graph(whole.substr(0, cut));
    ASSERT_FALSE(ReadHiGraphValues(graph, t)) << "cut after " << cut << " bytes";
  }
  auto readWithRow = [&](int index, const std::string& row) {
    std::string text = whole;
    const std::string old = FormatHiRow(index, r) + "\r\n";
    text.replace(text.find(old), old.size(), row + "\r\n");
    std::istringstream in(text);
    HiTable t;
    return ReadHiTable(in, t);
  };
  EXPECT_TRUE(readWithRow(MA(2), "MA2,NC,   12.000,NC"));
  EXPECT_EQ(readWithRow(MA(2), "MA2,    1.000,abc,    3.000").Message(),
            "The HI output file is damaged:  line 5 is not the row of its index.");
  EXPECT_FALSE(readWithRow(MA(2), "MA2,    1.000,    2.000"));            // a field short
  EXPECT_FALSE(readWithRow(MA(2), "MA3,    1.000,    2.000,    3.000"));  // another index's row
  EXPECT_FALSE(readWithRow(MA(2), "MA2,,    2.000,    3.000"));           // an empty field is no 0
  EXPECT_FALSE(readWithRow(MA(2), "MA2,    1.000,    2.000,    3.0x0"));

  // Through the file: the message names the file, and a report or graph gets nothing to show.
  testing::TempFolder folder;
  testing::WriteWholeFile(folder / "hiout_1.csv", whole.substr(0, whole.size() / 2));
  HiTable t;
  const Status read = ReadHiTableFile(folder / "hiout_1.csv", t);
  EXPECT_EQ(read.Message().rfind("The HI output file is damaged:  line ", 0), 0u) << read.Message();
  EXPECT_NE(read.Message().find("\n\n" + (folder / "hiout_1.csv").string()), std::string::npos);
  EXPECT_FALSE(ReadHiGraphFile(folder / "hiout_1.csv", t));
}

TEST(HiOutputFiles, MarkReaderAndExistence) {
  testing::TempFolder folder;
  EXPECT_EQ(ReadHiMark(folder / "hiout_1.csv"), HiMark::None);
  EXPECT_FALSE(HiOutputExists(folder / "hiout_1.csv"));
  testing::WriteWholeFile(folder / "hiout_1.csv", WholeFile(IndexResults{}, "a", true));
  testing::WriteWholeFile(folder / "hiout_2.csv", WholeFile(IndexResults{}, "b", false));
  EXPECT_TRUE(HiOutputExists(folder / "hiout_1.csv"));
  EXPECT_EQ(ReadHiMark(folder / "hiout_1.csv"), HiMark::ComputedWithMedian);
  EXPECT_EQ(ReadHiMark(folder / "hiout_2.csv"), HiMark::Computed);
  EXPECT_STREQ(HiMarkSuffix(HiMark::ComputedWithMedian), " (MC)");
  EXPECT_STREQ(HiMarkSuffix(HiMark::Computed), " (C)");
  EXPECT_EQ(HiOutputFileName(12), "hiout_12.csv");
  HiTable t;
  EXPECT_EQ(ReadHiTableFile(folder / "hiout_9.csv", t).Message(),
            "Can not open the HI output file:  " + (folder / "hiout_9.csv").string());
  EXPECT_EQ(HiOutputOpenFailure(folder / "hiout_9.csv"),
            "Can not open the HI output file:  " + (folder / "hiout_9.csv").string());
}

}  // namespace
}  // namespace zelvo
