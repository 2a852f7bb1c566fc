#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "zelvo/analysis/Reports.h"

namespace zelvo {
namespace {

HiTable Table(float lowerPct, float upperPct, int median = 0) {
  HiTable t;
  t.lowerPercentile = lowerPct;
  t.upperPercentile = upperPct;
  t.medianMark = median;
  return t;
}

void Set(HiTable& t, int index, float lower, float value, float upper) {
  t.lower[index] = lower;
  t.value[index] = value;
  t.upper[index] = upper;
}

TEST(IndexTable, ProfileBlocksWithAnNcLimitKeepTheColumnsAligned) {
  HiTable before = Table(25, 75);
  Set(before, MA(1), 10, 12.5f, 20);
  Set(before, MA(4), kMissing, 3.25f, kMissing);
  HiTable after = Table(25, 75, 1);
  Set(after, MA(1), 11, 13, 21);
  Set(after, MA(4), kMissing, 4, kMissing);
  const std::string text = FormatIndexTable("Dam - Hydrologic Index Values",
                                            {{"Before dam", before}, {"After dam", after}}, {MA(1), MA(4)});
  const std::string expected =
      "Dam - Hydrologic Index Values\n\n"
      "       Index                25.0th Percentile        Value         75.0th Percentile\n\n"
      "Before dam:\n"
      "        MA1                      10.000              12.500              20.000\n"
      "        MA4                      NC                   3.250              NC    \n"
      "\n"
      "After dam:  Hydrologic Indices have been modified.\n"
      "        MA1                      11.000              13.000              21.000\n"
      "        MA4                      NC                   4.000              NC    \n"
      "\n";
  EXPECT_EQ(text, expected);
  // Every index row the table writes is of one width, whether its limits are numbers or NC.
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("        MA", 0) == 0) rows.push_back(line);
  ASSERT_EQ(rows.size(), 4u);
  for (const std::string& row : rows) EXPECT_EQ(row.size(), rows[0].size()) << row;
}

ComparisonSide Side(const std::string& title, HiTable t) {
  return ComparisonSide{title, "10/01/1950", "09/30/1960", t};
}

TEST(ComparisonReport, APeriodComparedWithItself) {
  HiTable t = Table(25, 75);
  Set(t, MA(1), 2, 2.5f, 4);
  const std::string text =
      FormatComparisonReport(false, "My report", "Huron", Side("Early", t), Side("Early", t), {MA(1)});
  const std::string expected =
      "My report\n\n"
      "Hydrologic Analysis Comparison for Huron\n"
      "Period of Record 1:  Early (10/01/1950 to 09/30/1960)\n"
      "Period of Record 2:  Early (10/01/1950 to 09/30/1960)\n"
      "\nIndex:  MA1\n\n"
      "   Output Variable                POR 1            POR 2           Diff          % Diff\n\n"
      "  HI Value                          2.50             2.50           0.00            0.0\n"
      "  Upper Limit (75)                  4.00             4.00           0.00            0.0\n"
      "  Lower Limit (25)                  2.00             2.00           0.00            0.0\n"
      "  Range                             2.00             2.00           0.00            0.0\n"
      "  Normalized HI Value               1.00             1.00           0.00            0.0\n"
      "  Normalized Upper Limit            1.60             1.60           0.00            0.0\n"
      "  Normalized Lower Limit            0.80             0.80           0.00            0.0\n"
      "  Normalized Range                  0.80             0.80           0.00            0.0\n";
  EXPECT_EQ(text, expected);
}

TEST(ComparisonReport, LineBreaksInTitlesBecomeBlanksInTheHeaderLines) {
  HiTable t;
  const std::string text =
      FormatComparisonReport(false, "My\r\nreport", "Hu\nron", Side("Ea\rrly", t), Side("Late", t), {MA(1)});
  EXPECT_EQ(text.substr(0, text.find("\n\n")), "My report");
  EXPECT_NE(text.find("Hydrologic Analysis Comparison for Hu ron\n"), std::string::npos);
  EXPECT_NE(text.find("Period of Record 1:  Ea rly ("), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  const std::string table = FormatIndexTable("Head\r\ning", {IndexTableBlock{"Blo\nck", t}}, {MA(1)});
  EXPECT_EQ(table.substr(0, table.find('\n')), "Head ing");
  EXPECT_NE(table.find("Blo ck:"), std::string::npos);
}

TEST(ComparisonReport, ZeroFirstValueShowsNotApplicableInTheNormalisedRows) {
  HiTable a = Table(25, 75);
  HiTable b = Table(10, 90, 1);
  Set(a, MA(3), 0, 0, 0);
  Set(b, MA(3), 1, 2, 3);
  const std::string text = FormatComparisonReport(true, "", "P", Side("Base", a), Side("Alt", b), {MA(3)});
  EXPECT_EQ(text.substr(0, 2), "\n\n");  // an empty report title leaves two empty lines
  EXPECT_NE(text.find("Compared alternative:  Alt (10/01/1950 to 09/30/1960)  -  Hydrologic Indices have "
                      "been modified.\n"),
            std::string::npos);
  EXPECT_NE(
      text.find("  HI Value                          0.00             2.00           2.00           N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Upper Limit (90)                  0.00             3.00           3.00           N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized HI Value               1.00           N/A            N/A              N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized Upper Limit          N/A              N/A            N/A              N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized Range                N/A              N/A            N/A              N/A \n"),
      std::string::npos);
}

TEST(ComparisonReport, NcLimitsShowNcAndNoArithmeticOnTheMarker) {
  HiTable a = Table(25, 75);
  HiTable b = Table(25, 75);
  Set(a, MA(4), kMissing, 2, kMissing);
  Set(b, MA(4), kMissing, 3, kMissing);
  const std::string text = FormatComparisonReport(false, "t", "P", Side("A", a), Side("B", b), {MA(4)});
  EXPECT_NE(
      text.find("  Upper Limit (75)                NC               NC             N/A              N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized Lower Limit          NC               NC             N/A              N/A \n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized HI Value               1.00             1.50           0.50           50.0\n"),
      std::string::npos);
  EXPECT_NE(
      text.find("  Normalized Range                N/A              N/A            N/A              N/A \n"),
      std::string::npos);
  EXPECT_EQ(text.find("999999"), std::string::npos);
  EXPECT_EQ(text.find("1000000"), std::string::npos);
}

// A data set's results as the index table reader gives them back from the file the engine wrote.
HiTable ThroughTheFile(const IndexResults& r) {
  std::ostringstream out;
  WriteHiOutput(out, HiOutputHeader{"caption", false, 25.0f, 75.0f}, r);
  std::istringstream in(out.str());
  HiTable t;
  EXPECT_TRUE(ReadHiTable(in, t));
  return t;
}

TEST(IndexTable, AValueThatWasNotComputedIsShownAsNc) {
  IndexResults natural;
  natural.peaksPresent = true;
  natural[TL(3)] = IndexResult{kMissing, 0.87f, kMissing};
  natural[TH(3)] = IndexResult{kMissing, 0.5f, kMissing};
  natural[MA(1)] = IndexResult{0.0f, 0.0f, 0.0f};
  natural.threshold5 = 2500.0f;
  IndexResults withdrawal = natural;
  withdrawal.peaksPresent = false;  // an alternative from a CSV file has no peaks
  const std::string text =
      FormatIndexTable("Alternative Hydrologic Index Values",
                       {{"Natural", ThroughTheFile(natural)}, {"Withdrawal", ThroughTheFile(withdrawal)}},
                       {MA(1), TL(3), TH(3)});
  const std::string expected =
      "Alternative Hydrologic Index Values\n\n"
      "       Index                25.0th Percentile        Value         75.0th Percentile\n\n"
      "Natural:\n"
      "        MA1                       0.000               0.000               0.000\n"
      "        TL3                      NC                   0.870              NC    \n"
      "        TH3                      NC                   0.500              NC    \n"
      "\n"
      "Withdrawal:\n"
      "        MA1                       0.000               0.000               0.000\n"
      "        TL3                      NC                  NC                  NC    \n"
      "        TH3                      NC                  NC                  NC    \n"
      "\n";
  EXPECT_EQ(text, expected);
}

TEST(ComparisonReport, AnIndexComputedOnOneSideOnlyIsNeitherALossNorAGain) {
  IndexResults natural;
  natural.peaksPresent = true;
  natural[TL(3)] = IndexResult{kMissing, 0.87f, kMissing};
  natural.threshold5 = 2500.0f;
  IndexResults withdrawal = natural;
  withdrawal.peaksPresent = false;
  const HiTable a = ThroughTheFile(natural), b = ThroughTheFile(withdrawal);
  const std::string head =
      "\nIndex:  TL3\n\n"
      "   Output Variable                Base             Altern.         Diff          % Diff\n\n";
  const std::string text =
      FormatComparisonReport(true, "t", "P", Side("Natural", a), Side("Withdrawal", b), {TL(3)});
  EXPECT_EQ(text.substr(text.find("\nIndex:")),
            head +
                "  HI Value                          0.87           NC             N/A              N/A \n"
                "  Upper Limit (75)                NC               NC             N/A              N/A \n"
                "  Lower Limit (25)                NC               NC             N/A              N/A \n"
                "  Range                           N/A              N/A            N/A              N/A \n"
                "  Normalized HI Value               1.00           N/A            N/A              N/A \n"
                "  Normalized Upper Limit          NC               N/A            N/A              N/A \n"
                "  Normalized Lower Limit          NC               N/A            N/A              N/A \n"
                "  Normalized Range                N/A              N/A            N/A              N/A \n");
  // The other way round: nothing can be normalised by a value that does not exist.
  const std::string back =
      FormatComparisonReport(true, "t", "P", Side("Withdrawal", b), Side("Natural", a), {TL(3)});
  EXPECT_EQ(back.substr(back.find("\nIndex:")),
            head +
                "  HI Value                        NC                 0.87         N/A              N/A \n"
                "  Upper Limit (75)                NC               NC             N/A              N/A \n"
                "  Lower Limit (25)                NC               NC             N/A              N/A \n"
                "  Range                           N/A              N/A            N/A              N/A \n"
                "  Normalized HI Value             N/A              N/A            N/A              N/A \n"
                "  Normalized Upper Limit          N/A              N/A            N/A              N/A \n"
                "  Normalized Lower Limit          N/A              N/A            N/A              N/A \n"
                "  Normalized Range                N/A              N/A            N/A              N/A \n");
  EXPECT_EQ(text.find("100.0"), std::string::npos);
}

TEST(ComparisonReport, NineIndicesGiveTwoPageBreaksWithRepeatedHeaders) {
  HiTable t = Table(25, 75);
  std::vector<int> nine;
  for (int i = 0; i < 9; ++i) nine.push_back(i);
  const std::string text = FormatComparisonReport(false, "Title", "P", Side("A", t), Side("B", t), nine);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
  EXPECT_NE(text.find("\fTitle\n\nHydrologic Analysis Comparison for P\n"), std::string::npos);
  const std::size_t fifth = text.find("Index:  MA5");
  const std::size_t firstBreak = text.find('\f');
  EXPECT_LT(firstBreak, fifth);
  EXPECT_GT(firstBreak, text.find("Index:  MA4"));
  EXPECT_NE(text.back(), '\f');
}

TEST(DataSetReport, DescriptionLinesPeaksProfilesAndBaseline) {
  DataSetEntry a;
  a.title = "Early";
  a.description = "line one\r\nline two\r\nline three";
  a.SetWaterYears(1951, 1960);
  a.fileName = "dataset_1";
  a.streamClass = 2;
  a.peakFlag = 1;
  DataSetEntry b = a;
  b.title = "Late";
  b.description = "";
  b.fileName = "dataset_2";
  b.peakFlag = 0;
  ProfileEntry p;
  p.title = "Dam";
  p.periodCount = 2;
  p.periodDataSets = {1, 2, 0, 0, 0};
  const std::string text =
      FormatDataSetReport(std::vector<DataSetEntry>{a, b}, std::vector<ProfileEntry>{p}, 2);
  const std::string expected =
      "Data set and time period profile report:\n\n"
      "DATA SET 1:\n\n"
      "     title = Early\n"
      "     desc = line one\n"
      "            line two\n"
      "            line three\n"
      "     start date = 10/01/1950\n"
      "     end date = 09/30/1960\n"
      "     file name = dataset_1\n"
      "     stream class = High Volume Flashy\n"
      "     Includes peak flow data.\n"
      "\n"
      "DATA SET 2:\n\n"
      "     title = Late\n"
      "     start date = 10/01/1950\n"
      "     end date = 09/30/1960\n"
      "     file name = dataset_2\n"
      "     stream class = High Volume Flashy\n"
      "\n"
      "TIME PERIOD PROFILE 1:\n\n"
      "     title = Dam\n"
      "     Number of analysis periods = 2\n"
      "          Period1 = Early\n"
      "               start year = 1951\n"
      "               end year = 1960\n\n"
      "          Period2 = Late\n"
      "               start year = 1951\n"
      "               end year = 1960\n\n"
      "The baseline line alternative is Late.\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(WithCrLf("a\nb\n"), "a\r\nb\r\n");
}

TEST(DataSetReport, ZeroFlowShareEndsEachDataSetAndNeverRoundsADryDayAway) {
  DataSetEntry e;
  e.title = "Creek";
  e.SetWaterYears(1991, 1991);
  e.fileName = "dataset_1";
  const auto line = [&e](std::optional<ZeroFlowShare> share) {
    const std::string text = FormatDataSetReport(std::vector<DataSetEntry>{e}, std::nullopt, 0, {share});
    const std::size_t start = text.find("     stream class = Low Volume Stable\n") + 38;
    return text.substr(start);
  };
  EXPECT_EQ(line(ZeroFlowShare{41958, 1068}),
            "     zero-flow days = 1068 of 41958 days with data (2.5%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{365, 0}), "     zero-flow days = 0 of 365 days with data (0.0%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{365, 365}), "     zero-flow days = 365 of 365 days with data (100.0%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{40000, 1}),
            "     zero-flow days = 1 of 40000 days with data (less than 0.1%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{40000, 39999}),
            "     zero-flow days = 39999 of 40000 days with data (more than 99.9%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{2000, 1}), "     zero-flow days = 1 of 2000 days with data (0.1%)\n\n");
  EXPECT_EQ(line(ZeroFlowShare{0, 0}), "     zero-flow days = 0 (no day with data)\n\n");
  EXPECT_EQ(line(std::nullopt), "     zero-flow days = not counted, the data file can not be read\n\n");
  // Without shares (or fewer than data sets) the block ends as before.
  EXPECT_EQ(FormatDataSetReport(std::vector<DataSetEntry>{e}, std::nullopt, 0)
                .substr(FormatDataSetReport(std::vector<DataSetEntry>{e}, std::nullopt, 0).size() - 39),
            "     stream class = Low Volume Stable\n\n");
}

TEST(DataSetReport, ZeroFlowDaysAreCountedAmongTheDaysThatHaveAFlow) {
  FlowRecord r;
  r.Clear(kMissing);
  r.yearCount = 2;
  r.flows[0][0] = 0.0f;
  r.flows[0][1] = 3.5f;
  r.flows[0][2] = -1.0f;  // counts as missing
  r.flows[1][365] = 0.0f;
  r.flows[2][0] = 0.0f;  // beyond the record's years
  const ZeroFlowShare share = CountZeroFlowDays(r);
  EXPECT_EQ(share.daysWithData, 3);
  EXPECT_EQ(share.zeroDays, 2);
}

TEST(DataSetReport, UnreadableDirectoriesLeaveTheirSectionsOut) {
  EXPECT_EQ(FormatDataSetReport(std::nullopt, std::nullopt, 0),
            "Data set and time period profile report:\n\n");
}

}  // namespace
}  // namespace zelvo
