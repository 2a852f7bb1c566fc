// Every input is a regular file read with bounded lines: a folder, a FIFO or a device is a file
// that cannot be opened, and a line of more than 1 MB is a line that does not read.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "common/import/CsvReader.h"
#include "common/import/DailyValueReader.h"
#include "common/io/TextInput.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(TextInput, LinesAreBoundedAndAnOverlongLineDoesNotSpillIntoTheNext) {
  std::istringstream in("first\r\n" + std::string(kMaxLineLength + 10, '7') + "\nthird\nlast");
  std::string line;
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "first\r");
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, kOverlongLine);
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "third");
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(ReadTextLine(in, line));
  EXPECT_FALSE(in.bad());
  // A line of exactly the bound is still a line.
  std::istringstream exact(std::string(kMaxLineLength, 'x') + "\n");
  ASSERT_TRUE(ReadTextLine(exact, line));
  EXPECT_EQ(line.size(), kMaxLineLength);
}

TEST(TextInput, FoldersFifosAndDevicesAreFilesThatCannotBeOpened) {
  TempFolder folder;
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // opening it would wait for a writer for ever
  std::vector<fs::path> inputs = {folder.Path(), fifo, folder / "missing"};
  if (fs::exists("/dev/zero")) inputs.push_back("/dev/zero");  // would grow memory without end
  for (const fs::path& path : inputs) {
    FlowRecord record;
    DailyValueSpan span;
    const Status daily = ReadDailyValueFile(path, ImportProgram::Main, 0, 0, record, span);
    EXPECT_EQ(daily.Message(), DailyFileOpenFailure(path.string())) << path;
    CsvLayout layout;
    EXPECT_EQ(ReadAlternativeCsvFile(path, ImportProgram::Main, record, layout).Message(),
              CsvOpenFailure(path.string()));
    EXPECT_EQ(ReadDataSetFile(path, false, record).Message(), DataSetOpenFailure(path));
    HiTable table;
    EXPECT_EQ(ReadHiTableFile(path, table).Message(), HiOutputOpenFailure(path));
    std::ifstream in;
    EXPECT_FALSE(OpenInputFile(in, path)) << path;
  }
  // A link to a regular file is that file.
  testing::WriteWholeFile(folder / "real.txt", "x\n");
  fs::create_symlink(folder / "real.txt", folder / "link.txt");
  std::ifstream in;
  EXPECT_TRUE(OpenInputFile(in, folder / "link.txt"));
}

TEST(TextInput, AHugeCsvLineIsALineThatDoesNotReadNotValuesOrPeaks) {
  std::string text = "1991,1992\r\n";
  for (int slot = 0; slot < kDaySlots; ++slot) {
    if (slot == 4) {
      // Three million fields on one line.
      std::string huge;
      huge.reserve(6000000);
      for (int i = 0; i < 3000000; ++i) huge += i == 0 ? "9" : ",9";
      text += huge + "\r\n";
    } else {
      text += std::to_string(slot) + "," + std::to_string(slot + 1000) + "\r\n";
    }
  }
  std::istringstream in(text);
  FlowRecord record;
  CsvLayout layout;
  ASSERT_TRUE(ReadAlternativeCsv(in, ImportProgram::Main, record, layout, "huge.csv"));
  EXPECT_EQ(layout.slotLines, kDaySlots);
  EXPECT_FALSE(layout.peakSection);
  EXPECT_EQ(record.peakCount, 0);
  EXPECT_EQ(record.flows[0][4], 0.0f);  // as any line that does not read
  EXPECT_EQ(record.flows[0][5], 5.0f);  // the lines after it stay in their slots
  EXPECT_EQ(record.flows[1][365], 1365.0f);
}

}  // namespace
}  // namespace zelvo
