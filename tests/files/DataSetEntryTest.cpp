#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {
namespace {

using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

DataSetEntry SampleEntry(int number) {
  DataSetEntry e;
  e.title = "Huron River " + std::to_string(number);
  e.description = "Ann Arbor gauge\r\nsecond line";
  e.SetWaterYears(1990, 1992);
  e.fileName = DataSetFileName(number);
  e.streamClass = kHighVolumeFlashy;
  e.peakFlag = 1;
  return e;
}

TEST(DataSetEntry, FieldsLieAtTheirOffsetsLittleEndianNulPadded) {
  Bytes b;
  EncodeDataSetEntry(SampleEntry(7), b);
  ASSERT_EQ(b.size(), kDataSetEntrySize);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b.data()), 14), std::string("Huron River 7\0", 14));
  EXPECT_EQ(b[40], 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b.data()) + 41, 15), "Ann Arbor gauge");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b.data()) + 1066, 11), std::string("10/01/1989\0", 11));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b.data()) + 1077, 11), std::string("09/30/1992\0", 11));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b.data()) + 1088, 10), std::string("dataset_7\0", 10));
  EXPECT_EQ(b[1132], 2);
  EXPECT_EQ(b[1133], 0);
  EXPECT_EQ(b[1136], 1);
  EXPECT_EQ(b[1140], 0);
  EXPECT_EQ(b[1143], 0);
}

TEST(DataSetEntry, DecodeReadsBackWhatWasEncoded) {
  Bytes b;
  const DataSetEntry e = SampleEntry(3);
  EncodeDataSetEntry(e, b);
  const DataSetEntry d = DecodeDataSetEntry(b.data());
  EXPECT_EQ(d.title, e.title);
  EXPECT_EQ(d.description, e.description);
  EXPECT_EQ(d.startDate, "10/01/1989");
  EXPECT_EQ(d.FirstWaterYear(), 1990);
  EXPECT_EQ(d.LastWaterYear(), 1992);
  EXPECT_EQ(d.fileName, "dataset_3");
  EXPECT_EQ(d.streamClass, 2);
  EXPECT_EQ(d.peakFlag, 1);
}

TEST(DataSetEntry, OverlongTitleIsCutToFortyCharacters) {
  DataSetEntry e = SampleEntry(1);
  e.title = std::string(60, 'x');
  Bytes b;
  EncodeDataSetEntry(e, b);
  EXPECT_EQ(DecodeDataSetEntry(b.data()).title, std::string(40, 'x'));
}

TEST(DataSetDirectory, MissingFileIsAProjectWithoutDataSets) {
  TempFolder folder;
  std::vector<DataSetEntry> entries{SampleEntry(1)};
  ASSERT_TRUE(ReadDataSetDirectory(folder.Path(), entries).Ok());
  EXPECT_TRUE(entries.empty());
}

TEST(DataSetDirectory, WriteThenReadKeepsEveryEntryInOrder) {
  TempFolder folder;
  std::vector<DataSetEntry> entries{SampleEntry(1), SampleEntry(2), SampleEntry(3)};
  for (const DataSetEntry& e : entries) folder.Write(e.fileName, "1990 \r\n");
  ASSERT_TRUE(WriteDataSetDirectory(folder.Path(), entries));
  const std::string bytes = ReadWholeFile(folder / "ds_directory");
  EXPECT_EQ(bytes.size(), 4 + 3 * kDataSetEntrySize);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\3\0\0\0", 4));
  std::vector<DataSetEntry> back;
  ASSERT_TRUE(ReadDataSetDirectory(folder.Path(), back).Ok());
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[2].title, "Huron River 3");
  EXPECT_FALSE(std::filesystem::exists(folder / "ds_directory.tmp"));
}

TEST(DataSetDirectory, BytesAfterTheEntriesAreIgnored) {
  Bytes b = EncodeDataSetDirectory({SampleEntry(1)});
  b.insert(b.end(), 500, 0xab);
  std::vector<DataSetEntry> entries;
  ASSERT_TRUE(DecodeDataSetDirectory(b, entries).Ok());
  EXPECT_EQ(entries.size(), 1u);
}

TEST(DataSetDirectory, DamagedCountsAreRefusedWithAMessage) {
  for (int count : {-1, 51, 2}) {
    Bytes b = EncodeDataSetDirectory({SampleEntry(1)});
    b[0] = static_cast<unsigned char>(count & 0xff);
    b[1] = b[2] = b[3] = count < 0 ? 0xff : 0;
    std::vector<DataSetEntry> entries{SampleEntry(7), SampleEntry(8)};
    const Status decoded = DecodeDataSetDirectory(b, entries);
    EXPECT_FALSE(decoded.Ok()) << count;
    EXPECT_NE(decoded.Message().find("ds_directory"), std::string::npos) << decoded.Message();
    EXPECT_EQ(entries.size(), 2u);  // left as they were
  }
  std::vector<DataSetEntry> entries;
  EXPECT_EQ(DecodeDataSetDirectory(Bytes{1, 0}, entries).Message(),
            "The data set directory (ds_directory) is damaged:  it ends before its count.");
}

TEST(DataSetDirectory, EntriesNamingAnyOtherFileThanTheirOwnAreDamaged) {
  const std::string outside =
      "The data set directory (ds_directory) is damaged:  data set 2 names a file outside "
      "the project folder.";
  const std::string other =
      "The data set directory (ds_directory) is damaged:  data set 2 is not kept in the file "
      "dataset_2.";
  const std::pair<std::string, std::string> cases[] = {{"../../victim", outside},
                                                       {"/dev/zero", outside},
                                                       {"..", outside},
                                                       {".", outside},
                                                       {"", outside},
                                                       {"sub/dataset_2", outside},
                                                       {"..\\dataset_2", outside},
                                                       {"dataset_1", other},
                                                       {"ds_directory", other},
                                                       {"baseline", other},
                                                       {"dataset_2 ", other},
                                                       {"dataset_02", other}};
  for (const auto& [name, message] : cases) {
    DataSetEntry hostile = SampleEntry(2);
    hostile.fileName = name;
    std::vector<DataSetEntry> entries{SampleEntry(7)};
    const Status decoded = DecodeDataSetDirectory(EncodeDataSetDirectory({SampleEntry(1), hostile}), entries);
    EXPECT_EQ(decoded.Message(), message) << name;
    ASSERT_EQ(entries.size(), 1u) << name;  // left as they were
    EXPECT_EQ(entries[0].title, "Huron River 7");
  }
}

TEST(DataSetDirectory, DataSetFilesThatAreThereMustBeRegularFilesOfTheFolder) {
  TempFolder project;
  TempFolder elsewhere;
  const std::string victim = elsewhere.Write("victim", "kept\n");
  ASSERT_TRUE(WriteDataSetDirectory(project.Path(), {SampleEntry(1), SampleEntry(2)}));
  project.Write("dataset_1", "1990 \r\n");
  const std::string damaged =
      "The data set directory (ds_directory) is damaged:  the file dataset_2 of data set 2 "
      "is not a regular file.";
  auto read = [&] {
    std::vector<DataSetEntry> entries{SampleEntry(9)};
    const Status status = ReadDataSetDirectory(project.Path(), entries);
    EXPECT_EQ(entries.size(), status.Ok() ? 2u : 1u);
    return status.Message();
  };
  EXPECT_EQ(read(), "");  // missing: the commands that read it say so
  std::filesystem::create_symlink(victim, project / "dataset_2");
  EXPECT_EQ(read(), damaged);  // a link that leads out of the folder
  std::filesystem::remove(project / "dataset_2");
  std::filesystem::create_directory(project / "dataset_2");
  EXPECT_EQ(read(), damaged);
  std::filesystem::remove(project / "dataset_2");
  project.Write("dataset_2", "1990 \r\n");
  EXPECT_EQ(read(), "");
  EXPECT_EQ(ReadWholeFile(victim), "kept\n");
}

TEST(DataSetDirectory, FiftyWholeEntriesAreReadAndFiftyOneAreRefused) {
  std::vector<DataSetEntry> fifty;
  for (int n = 1; n <= kMaxDataSets; ++n) fifty.push_back(SampleEntry(n));
  const Bytes full = EncodeDataSetDirectory(fifty);
  ASSERT_EQ(full.size(), 4 + 50 * kDataSetEntrySize);
  std::vector<DataSetEntry> back;
  const Status read = DecodeDataSetDirectory(full, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_EQ(back.size(), 50u);
  EXPECT_EQ(back[49].title, "Huron River 50");
  EXPECT_EQ(back[49].fileName, "dataset_50");
  // 51 whole entries: the count alone refuses the file.
  fifty.push_back(SampleEntry(51));
  const Status refused = DecodeDataSetDirectory(EncodeDataSetDirectory(fifty), back);
  EXPECT_EQ(refused.Message(),
            "The data set directory (ds_directory) is damaged:  its count is not between 0 and 50.");
  EXPECT_EQ(back.size(), 50u);
}

TEST(DataSetDirectory, TheFiftyFirstDataSetIsRefused) {
  std::vector<DataSetEntry> entries(49, SampleEntry(1));
  EXPECT_EQ(NewDataSetNumber(entries), 50);
  entries.push_back(SampleEntry(50));
  EXPECT_FALSE(NewDataSetNumber(entries));
  EXPECT_STREQ(
      kDataSetLimitMessage,
      "The maximum number of data sets (50) has been reached.  You must delete some data sets before you "
      "can add any.");
}

}  // namespace
}  // namespace zelvo
