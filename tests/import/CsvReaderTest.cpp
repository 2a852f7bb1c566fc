#include <gtest/gtest.h>

#include <sstream>

#include "common/import/CsvReader.h"
#include "import/ImportTestSupport.h"
#include "support/ScriptedUi.h"

namespace zelvo {
namespace {

using testing::Flow;
using testing::ScriptedUi;

std::string SlotLines(const std::string& line, int count = 366) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\r\n";
  return text;
}

// One read: its status and the layout it found.
struct CsvRead {
  Status status;
  CsvLayout layout;
};

CsvRead Read(const std::string& text, FlowRecord& r, ImportProgram program = ImportProgram::Main) {
  std::istringstream in(text);
  CsvLayout layout;
  Status status = ReadAlternativeCsv(in, program, r, layout, "alt.csv");
  return {std::move(status), layout};
}

TEST(CsvReader, ThreeYearsWithoutPeaks) {
  FlowRecord r;
  const CsvRead o = Read("1991,1992,1993\r\n" + SlotLines("1.5,2.5,999999.0"), r);
  ASSERT_TRUE(o.status.Ok());
  EXPECT_FALSE(o.layout.peakSection);
  EXPECT_EQ(r.yearCount, 3);
  EXPECT_EQ(r.FirstYear(), 1991);
  EXPECT_EQ(r.LastYear(), 1993);
  EXPECT_EQ(Flow(r, 0, 1), 1.5f);
  EXPECT_EQ(Flow(r, 1, 366), 2.5f);
  EXPECT_EQ(Flow(r, 2, 200), kMissing);
}

TEST(CsvReader, ZeroYearEndsTheYearsAndAbsentFieldsStayZero) {
  FlowRecord r;
  ASSERT_TRUE(Read("1991,0,1993\n" + SlotLines("4,5,6"), r).status.Ok());
  EXPECT_EQ(r.yearCount, 1);
  ASSERT_TRUE(Read("1991,1992,1993\n" + SlotLines("4,5"), r).status.Ok());
  EXPECT_EQ(r.yearCount, 3);
  EXPECT_EQ(Flow(r, 2, 1), 0.0f);
  // A field that is not a number ends its line; fewer slot lines leave the rest at 0.
  const CsvRead o = Read("1991,1992\n7,x,9\n" + SlotLines("1,2", 10), r);
  ASSERT_TRUE(o.status.Ok());
  EXPECT_EQ(o.layout.slotLines, 11);
  EXPECT_EQ(Flow(r, 0, 1), 7.0f);
  EXPECT_EQ(Flow(r, 1, 1), 0.0f);
  EXPECT_EQ(Flow(r, 1, 11), 2.0f);
  EXPECT_EQ(Flow(r, 1, 12), 0.0f);
}

TEST(CsvReader, PeakSectionOnlyInTheMainProgram) {
  const std::string text = "1991,1992\n" + SlotLines("1,2") + "2\n900.5,800\n10,20";
  FlowRecord r;
  CsvRead o = Read(text, r);
  ASSERT_TRUE(o.status.Ok());
  EXPECT_TRUE(o.layout.peakSection);
  EXPECT_EQ(r.peakCount, 2);
  EXPECT_EQ(r.peaks[0], 900.5f);
  EXPECT_EQ(r.peakDayFlows[1], 20.0f);
  o = Read(text, r, ImportProgram::Classification);
  EXPECT_FALSE(o.layout.peakSection);
  EXPECT_EQ(r.peakCount, 0);
  // A blank line after the slot lines is no peak section.
  o = Read("1991\n" + SlotLines("1") + "\r\n", r);
  EXPECT_FALSE(o.layout.peakSection);
}

TEST(CsvReader, PeakCountIsKeptWithin150) {
  std::string many;
  for (int k = 0; k < 200; ++k) many += (k ? "," : "") + std::to_string(k + 1);
  FlowRecord r;
  ASSERT_TRUE(Read("1991\n" + SlotLines("1") + "500\n" + many + "\n" + many, r).status.Ok());
  EXPECT_EQ(r.peakCount, 150);
  EXPECT_EQ(r.peaks[149], 150.0f);
  ASSERT_TRUE(Read("1991\n" + SlotLines("1") + "-3\n1\n1", r).status.Ok());
  EXPECT_EQ(r.peakCount, 0);
}

TEST(CsvReader, MoreThan150ColumnsReadOnly150) {
  std::string years, values;
  for (int k = 0; k < 160; ++k) {
    years += (k ? "," : "") + std::to_string(1800 + k);
    values += (k ? "," : "") + std::to_string(k);
  }
  FlowRecord r;
  ASSERT_TRUE(Read(years + "\n" + SlotLines(values), r).status.Ok());
  EXPECT_EQ(r.yearCount, 150);
  EXPECT_EQ(Flow(r, 149, 366), 149.0f);
}

TEST(CsvReader, NoYearAndOpenFailureGiveMessages) {
  FlowRecord r;
  r.yearCount = 4;
  CsvRead o = Read("0,1992\n" + SlotLines("1"), r);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(),
            "The import file, alt.csv, has no water year at the start of its first line.");
  EXPECT_EQ(r.yearCount, 4);
  EXPECT_FALSE(Read("", r).status.Ok());
  ScriptedUi ui;
  const Status unopened = ReadCsvFileForClassification(ui, "/nonexistent/alt.csv", r);
  EXPECT_FALSE(unopened.Ok());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Can not open the import file:  /nonexistent/alt.csv."});
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(unopened.Message(), ui.messages.front());
}

}  // namespace
}  // namespace zelvo
