#include <gtest/gtest.h>

#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/session/SaveFile.h"

namespace zelvo {
namespace {

using testing::ReadWholeFile;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteWholeFile;

TEST(SaveFile, ANameWithoutExtensionGetsTheDefaultOneBeforeTheQuestion) {
  TempFolder folder;
  WriteWholeFile(folder / "flows.csv", "old");
  ScriptedUi ui;
  ui.File((folder / "flows").string()).Answer(Answer::No).File((folder / "new").string());
  EXPECT_EQ(AskSaveFile(ui, CsvSaveRequest()), std::nullopt);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The file: " + (folder / "flows.csv").string() +
                                                  " already exists.  Do you want to overwrite it?"});
  EXPECT_EQ(AskSaveFile(ui, CsvSaveRequest()), (folder / "new.csv").string());
  EXPECT_EQ(ui.messages.size(), 1u);  // a new file is not asked about
  ASSERT_EQ(ui.fileRequests.size(), 2u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Comma Separated Values Files (*.csv)|*.csv||");
  EXPECT_FALSE(ui.fileRequests[0].mustExist);
  EXPECT_TRUE(ui.Finished());
}

TEST(SaveFile, CancelAndAnEmptyNameSaveNothing) {
  ScriptedUi ui;
  ui.File(std::nullopt).File("");
  EXPECT_EQ(AskSaveFile(ui, CsvSaveRequest()), std::nullopt);
  EXPECT_EQ(AskSaveFile(ui, CsvSaveRequest()), std::nullopt);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveFile, CheckingLeavesAFileWholeAndABusyFileIsReported) {
  TempFolder folder;
  const std::string kept = (folder / "kept.csv").string();
  WriteWholeFile(kept, "precious");
  ScriptedUi ui;
  EXPECT_TRUE(CheckWritable(ui, kept));
  EXPECT_EQ(ReadWholeFile(kept), "precious");
  // A folder is never a file to write.
  EXPECT_FALSE(CheckWritable(ui, folder.Path().string()));
  EXPECT_FALSE(SaveWholeFile(ui, folder.Path().string(), "text"));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{kFileBusyMessage, kFileBusyMessage}));
  EXPECT_TRUE(SaveWholeFile(ui, kept, "new\r\ntext"));
  EXPECT_EQ(ReadWholeFile(kept), "new\r\ntext");
  EXPECT_EQ(ui.messages.size(), 2u);
}

}  // namespace
}  // namespace zelvo
