#include <gtest/gtest.h>

#include <sstream>

#include "common/import/PeakFlowReader.h"
#include "import/ImportTestSupport.h"
#include "support/ScriptedUi.h"

namespace zelvo {
namespace {

using testing::Peak;
using testing::ScratchFolder;
using testing::ScriptedUi;

// Water years 1991..1993, slot s of year i holds 1000 * (i + 1) + s; 1 October 1991 (water year
// 1992, slot 1) is missing.
FlowRecord ThreeYears() {
  FlowRecord r;
  r.Clear(kMissing);
  r.yearCount = 3;
  for (int i = 0; i < 3; ++i) {
    r.years[static_cast<std::size_t>(i)] = 1991 + i;
    for (int s = 0; s < kDaySlots; ++s)
      r.flows[static_cast<std::size_t>(i)][static_cast<std::size_t>(s)] = 1000.0f * (i + 1) + s + 1;
  }
  r.flows[1][0] = kMissing;
  return r;
}

// One read: its status and what it counted.
struct PeakRead {
  Status status;
  PeakFlowCounts counts;
};

PeakRead Read(const std::string& text, FlowRecord& r) {
  std::istringstream in(text);
  PeakFlowCounts counts;
  Status status = ReadPeakFlows(in, 1991, r, counts, "peaks.txt");
  return {std::move(status), counts};
}

TEST(PeakFlowReader, ValidPeaksPairWithTheirDayAndOthersAreDroppedSilently) {
  FlowRecord r = ThreeYears();
  const std::string text = "# header\nagency_cd\tsite_no\tpeak_dt\n5s\t15s\t10d\n" +
                           Peak("1991-03-01", "5000") +           // water year 1991, slot 153
                           Peak("1991-10-01", "6000", "06:30") +  // day missing: dropped
                           Peak("1985-05-05", "7000") +           // year not imported: dropped
                           Peak("1993-09-30", "8000.5", "1830") + "\n# trailer\n";
  const PeakRead o = Read(text, r);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  EXPECT_EQ(o.counts.validRecords, 4);
  ASSERT_EQ(r.peakCount, 2);
  EXPECT_EQ(r.peaks[0], 5000.0f);
  EXPECT_EQ(r.peakDayFlows[0], 1153.0f);
  EXPECT_EQ(r.peaks[1], 8000.5f);
  EXPECT_EQ(r.peakDayFlows[1], 3366.0f);
}

TEST(PeakFlowReader, BadRecordEndsWithTheMessageAndNoPeaks) {
  for (const std::string& bad :
       {Peak("1799-05-01", "100"), Peak("1950-13-01", "100"), Peak("1950-01-32", "100"),
        Peak("1992-01-01", "0"), Peak("1992-09-31", "100"), Peak("1992-01-01", "")}) {
    FlowRecord r = ThreeYears();
    const PeakRead o = Read(Peak("1991-03-01", "5000") + bad, r);
    EXPECT_FALSE(o.status.Ok()) << bad;
    EXPECT_EQ(o.status.Message(),
              "The peak flow file, peaks.txt, has bad records in it.\n\nPlease delete them.");
    EXPECT_EQ(o.counts.badLine, 2);
    EXPECT_EQ(r.peakCount, 0);
  }
}

TEST(PeakFlowReader, ShowsTheFileOfABadRecordAndWaits) {
  ScratchFolder folder;
  const std::string path = folder.Write("peaks.txt", Peak("1799-05-01", "100"));
  std::ifstream in(path, std::ios::binary);
  ScriptedUi ui;
  FlowRecord r = ThreeYears();
  const Status read = ReadPeakFlowFile(ui, in, path, 1991, r);
  EXPECT_FALSE(read.Ok());
  EXPECT_EQ(read.Message(), BadPeakRecordsMessage(path));
  EXPECT_FALSE(in.is_open());
  EXPECT_EQ(ui.messages, std::vector<std::string>{BadPeakRecordsMessage(path)});
  EXPECT_EQ(ui.reports, std::vector<std::string>{path});
  EXPECT_EQ(ui.reportWaits, std::vector<bool>{true});
}

TEST(PeakFlowReader, NeverMoreThan150Pairs) {
  FlowRecord r = ThreeYears();
  std::string text;
  for (int k = 0; k < 151; ++k) text += Peak("1991-03-01", std::to_string(100 + k));
  const PeakRead o = Read(text, r);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(), TooManyPeaksMessage("peaks.txt"));
  EXPECT_EQ(r.peakCount, 0);
  text.resize(text.rfind("AGNC"));
  ASSERT_TRUE(Read(text, r).status.Ok());
  EXPECT_EQ(r.peakCount, 150);
  EXPECT_EQ(r.peaks[149], 249.0f);
}

}  // namespace
}  // namespace zelvo
