#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "support/EngineHarness.h"
#include "tarvel/BatchFile.h"
#include "tarvel/ParallelBatch.h"
#include "tarvel/StationClassification.h"

namespace zelvo::tarvel {
namespace {

using zelvo::testing::ConstantRecord;

// Stations named "wet*" import a steady record, "slow*" the same after a pause (so later lines
// finish first), anything else fails with a message.
StationImporter Importer(std::vector<std::string>* seen = nullptr, std::mutex* seenMutex = nullptr) {
  return [=](const StationImportRequest& r, FlowRecord& record, Ui& ui) {
    if (seen) {
      std::lock_guard<std::mutex> lock(*seenMutex);
      seen->push_back(r.path);
    }
    EXPECT_TRUE(r.batch);
    const std::string name = r.path.substr(r.path.rfind('/') + 1);
    if (name.rfind("slow", 0) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    if (name.rfind("wet", 0) == 0 || name.rfind("slow", 0) == 0) {
      record = ConstantRecord(3, 40.0f);
      return Status::Success();
    }
    ui.Message("Can not open the daily flow input data file:  " + r.path);
    return Status::Failure("Can not open the daily flow input data file:  " + r.path);
  };
}

TEST(ParallelBatch, FailedStationIsReportedAndTheOthersGoOn) {
  std::istringstream batch("wet1,1,1991,1993\r\nmissing,2,1991,1993\r\nwet3,3,0,0\r\n");
  std::ostringstream out, problems;
  const ParallelBatchReport report =
      RunParallelBatch(batch, "/gages/list.csv", kDailyFile, 2, out, problems, Importer());
  const int code = ClassifyFlowRecord(ConstantRecord(3, 40.0f)).classCode;
  EXPECT_EQ(out.str(), std::string(kBatchOutputHeader) + BatchOutputLine({"wet1", 1, 0, 0}, code) +
                           BatchOutputLine({"wet3", 3, 0, 0}, code));
  EXPECT_EQ(problems.str(),
            "line 2: station missing (/gages/missing) was not classified\n"
            "    Can not open the daily flow input data file:  /gages/missing\n");
  EXPECT_EQ(report.stations, 3);
  EXPECT_EQ(report.written, 2);
  EXPECT_EQ(report.failed, 1);
  EXPECT_FALSE(report.ok());
}

TEST(ParallelBatch, OutputKeepsInputOrderWhateverThreadFinishesFirst) {
  std::string lines, expected = kBatchOutputHeader;
  const int code = ClassifyFlowRecord(ConstantRecord(3, 40.0f)).classCode;
  for (int i = 0; i < 24; ++i) {
    const std::string id = (i % 3 == 0 ? "slow" : "wet") + std::to_string(i);
    lines += id + "," + std::to_string(i % 4 + 1) + ",0,0\n";
    expected += BatchOutputLine({id, i % 4 + 1, 0, 0}, code);
  }
  lines += "bad line\n";
  for (int jobs : {1, 4}) {
    std::istringstream batch(lines);
    std::ostringstream out, problems;
    std::vector<std::string> seen;
    std::mutex seenMutex;
    const ParallelBatchReport report =
        RunParallelBatch(batch, "list.csv", kCsvFile, jobs, out, problems, Importer(&seen, &seenMutex));
    EXPECT_EQ(out.str(), expected) << jobs << " jobs";
    EXPECT_EQ(problems.str(), "line 25: skipped, not a station id followed by three numbers: bad line\n");
    EXPECT_EQ(report.skippedLines, 1);
    EXPECT_EQ(seen.size(), 24u);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "slow0"), 1);  // no folder: the working folder
  }
}

TEST(ParallelBatch, EmptyBatchWritesTheHeaderOnly) {
  std::istringstream batch("\r\n\r\n");
  std::ostringstream out, problems;
  const ParallelBatchReport report =
      RunParallelBatch(batch, "b.csv", kDailyFile, 8, out, problems, Importer());
  EXPECT_EQ(out.str(), kBatchOutputHeader);
  EXPECT_TRUE(problems.str().empty());
  EXPECT_TRUE(report.ok());
}

}  // namespace
}  // namespace zelvo::tarvel
