// Files are written whole or not at all: a writer killed at any moment, a full disk or a path
// that is not a file leaves the old file exactly as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "common/engine/HiOutputFile.h"
#include "common/io/WholeFile.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

FlowRecord CenturyAndAHalf(float base) {
  FlowRecord r;
  r.yearCount = kMaxYears;
  for (int y = 0; y < kMaxYears; ++y) {
    r.years[y] = 1850 + y;
    for (int s = 0; s < kDaySlots; ++s) r.flows[y][s] = base + static_cast<float>(y * 1000 + s) * 0.25f;
  }
  r.peakCount = kMaxPeaks;
  for (int k = 0; k < kMaxPeaks; ++k) {
    r.peaks[k] = base + 5000.0f + static_cast<float>(k);
    r.peakDayFlows[k] = base + 2000.0f + static_cast<float>(k);
  }
  return r;
}

IndexResults SomeResults(float base) {
  IndexResults results;
  for (int i = 0; i < kIndexCount; ++i) results[i] = IndexResult{base + i, base + 2.0f * i, base + 3.0f * i};
  results.peaksPresent = true;
  results.threshold167 = base + 1.5f;
  results.threshold5 = base + 7.5f;
  return results;
}

int LeftoverTemporaries(const fs::path& folder) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos) ++n;
  return n;
}

void RemoveTemporaries(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos) fs::remove(entry.path());
}

// Kills a child that rewrites `path` in a loop (old, new, old, ...) `kills` times at random
// moments; each time the file must hold exactly the old or the new bytes. Returns the kills
// after which it did.
int KillsSurvived(const fs::path& path, const std::function<bool(bool)>& write, int kills) {
  std::mt19937 random(14);
  if (!write(false)) return -1;
  const std::string oldBytes = ReadWholeFile(path);
  if (!write(true)) return -1;
  const std::string newBytes = ReadWholeFile(path);
  if (oldBytes == newBytes || oldBytes.empty()) return -1;
  // How long one write takes here, so the kills fall all over the writing.
  const auto start = std::chrono::steady_clock::now();
  write(false);
  const auto oneWrite =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::uniform_int_distribution<long> moment(0, 3 * oneWrite.count() + 2000);

  int survived = 0;
  for (int k = 0; k < kills; ++k) {
    const pid_t child = fork();
    if (child == 0) {
      for (bool next = true;; next = !next) write(next);
    }
    if (child < 0) return -1;
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string now = ReadWholeFile(path);
    if (now == oldBytes || now == newBytes) ++survived;
    RemoveTemporaries(path.parent_path());  // a killed writer cannot tidy up after itself
  }
  return survived;
}

TEST(WholeFile, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  TempFolder folder;
  constexpr int kKills = 200;

  const fs::path dataSet = folder / "dataset_1";
  const FlowRecord before = CenturyAndAHalf(10.0f);
  const FlowRecord after = CenturyAndAHalf(20.0f);
  const int dataSetKills = KillsSurvived(
      dataSet, [&](bool next) { return WriteDataSetFile(dataSet, next ? after : before, true); }, kKills);
  EXPECT_EQ(dataSetKills, kKills) << "data set file";

  const fs::path results = folder / HiOutputFileName(1);
  const IndexResults oldResults = SomeResults(1.0f);
  const IndexResults newResults = SomeResults(2.0f);
  HiOutputHeader header;
  header.caption = "Kill test";
  const int resultsKills = KillsSurvived(
      results,
      [&](bool next) { return WriteHiOutputFile(results, header, next ? newResults : oldResults).Ok(); },
      kKills);
  EXPECT_EQ(resultsKills, kKills) << "results file";
  std::printf("kills survived: data set file %d of %d, results file %d of %d\n", dataSetKills, kKills,
              resultsKills, kKills);
}

TEST(WholeFile, AFullDiskLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  const fs::path dataSet = folder / "dataset_1";
  ASSERT_TRUE(WriteDataSetFile(dataSet, CenturyAndAHalf(1.0f), false));
  const std::string oldBytes = ReadWholeFile(dataSet);
  ASSERT_GT(oldBytes.size(), 200000u);

  // A child whose files may not grow past 100 KB stands for a disk that fills up mid-write.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{100000, 100000};
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = WriteDataSetFile(dataSet, CenturyAndAHalf(2.0f), false);
    _exit(written ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "the failed write must be reported";
  EXPECT_TRUE(ReadWholeFile(dataSet) == oldBytes) << "the old data set must stay whole";
  EXPECT_EQ(LeftoverTemporaries(folder.Path()), 0);
}

// A long table drained into its temporary file line by line: the old file stays until the end,
// the new one holds every line in order, and a drain that fails makes the commit fail.
TEST(WholeFile, DrainedLinesReachTheFileOnlyAtCommit) {
  TempFolder folder;
  const fs::path table = folder / "table.csv";
  WriteWholeFile(table, "old");
  std::string expected;
  {
    WholeFileWriter out(table);
    ASSERT_TRUE(out.Opened());
    for (int line = 0; line < 1000; ++line) {
      const std::string text = "gauge " + std::to_string(line) + "\n";
      out.Stream() << text;
      expected += text;
      if (line % 7 == 0) out.Drain();
    }
    EXPECT_EQ(ReadWholeFile(table), "old");
    ASSERT_TRUE(out.Commit());
  }
  EXPECT_EQ(ReadWholeFile(table), expected);
  EXPECT_EQ(LeftoverTemporaries(folder.Path()), 0);

  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    WholeFileWriter out(table);
    for (int line = 0; line < 1000; ++line) {
      out.Stream() << std::string(100, 'x') << "\n";
      out.Drain();
    }
    _exit(out.Commit() ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "a failed drain must fail the commit";
  EXPECT_EQ(ReadWholeFile(table), expected);
  EXPECT_EQ(LeftoverTemporaries(folder.Path()), 0);
}

TEST(WholeFile, OnlyRegularFilesAreReplacedAndAbandonedWritesChangeNothing) {
  TempFolder folder;
  // A folder, a device: refused before anything is written.
  WholeFileWriter intoFolder(folder.Path());
  EXPECT_FALSE(intoFolder.Opened());
  EXPECT_FALSE(intoFolder.Commit());
  EXPECT_TRUE(fs::is_directory(folder.Path()));
  if (fs::exists("/dev/null")) {
    const Status device = WriteFileWhole("/dev/null", "text");
    EXPECT_FALSE(device);
    EXPECT_NE(device.Message().find("/dev/null"), std::string::npos);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
  EXPECT_FALSE(WriteFileWhole(folder / "no_such_folder" / "file", "text"));

  // Given up, or never committed: the old file stays and no temporary is left.
  const fs::path kept = folder / "kept.txt";
  WriteWholeFile(kept, "old");
  {
    WholeFileWriter out(kept);
    ASSERT_TRUE(out.Opened());
    out.Stream() << "new";
    EXPECT_EQ(LeftoverTemporaries(folder.Path()), 1);
  }
  EXPECT_EQ(ReadWholeFile(kept), "old");
  EXPECT_EQ(LeftoverTemporaries(folder.Path()), 0);

  // A link is followed: the file it names gets the new text and the link stays a link.
  const fs::path link = folder / "link.txt";
  fs::create_symlink(kept, link);
  EXPECT_TRUE(WriteFileWhole(link, "through the link"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(kept), "through the link");

  // A replaced file keeps its permissions.
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(WriteFileWhole(kept, "again"));
  EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace zelvo
