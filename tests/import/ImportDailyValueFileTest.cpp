#include <gtest/gtest.h>

#include "common/import/DailyValueReader.h"
#include "common/import/PeakFlowReader.h"
#include "import/ImportTestSupport.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/store/ImportAlternativeCsv.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo {
namespace {

using testing::Daily;
using testing::DailyYears;
using testing::Peak;
using testing::ScratchFolder;
using testing::ScriptedUi;

// A peak on 1 March of every water year first..last.
std::string Peaks(int first, int last) {
  std::string text = "agency_cd\tsite_no\tpeak_dt\n";
  for (int y = first; y <= last; ++y)
    text += Peak(std::to_string(y) + "-03-01", std::to_string(100 * y), "12:15");
  return text;
}

struct ImportCase {
  ScratchFolder folder;
  ImportAgncForm form;
  std::filesystem::path dataSet = folder / "dataset_1";
  ScriptedUi ui;

  DailyValueImportResult Run() { return ImportDailyValueFile(ui, form, dataSet); }
  FlowRecord Stored(bool peaks) { return testing::StoredRecord(dataSet, peaks); }
};

TEST(ImportDailyValueFile, TwentyPeaksImportWithoutAQuestion) {
  ImportCase c;
  c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1980, 2001, "7"));
  c.form.peakFile = c.folder.Write("peaks.txt", Peaks(1982, 2001));
  const DailyValueImportResult r = c.Run();
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(c.ui.messages, std::vector<std::string>{"Import successfully completed."});
  EXPECT_EQ(c.ui.informed, std::vector<std::string>{"Import successfully completed."});  // not a warning
  EXPECT_EQ(r.firstWaterYear, 1980);
  EXPECT_EQ(r.lastWaterYear, 2001);
  EXPECT_EQ(r.peakCount, 20);
  EXPECT_EQ(r.peakFlag, 1);
  EXPECT_EQ(c.form.beginningYear, 1980);
  EXPECT_EQ(c.form.endingYear, 2001);
  const FlowRecord stored = c.Stored(true);
  EXPECT_EQ(stored.yearCount, 22);
  EXPECT_EQ(stored.peakCount, 20);
  EXPECT_EQ(stored.peaks[0], 198200.0f);
  EXPECT_EQ(stored.peakDayFlows[19], 7.0f);
}

TEST(ImportDailyValueFile, NineteenPeaksAskAndNoLeavesTheFileUnregistered) {
  ImportCase c;
  c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1980, 2001));
  c.form.peakFile = c.folder.Write("peaks.txt", Peaks(1983, 2001));
  c.form.beginningYear = 1985;
  c.ui.Answer(Answer::No);
  const DailyValueImportResult r = c.Run();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.failure.field, kFieldPeakFile);
  EXPECT_EQ(c.ui.messages,
            std::vector<std::string>{
                "The number of peak flow years (17) is less than 20.\n\nDo you wish to continue?"});
  EXPECT_EQ(c.form.beginningYear, 1985);
  // The years and slots were written before the question.
  EXPECT_EQ(c.Stored(false).yearCount, 17);
}

TEST(ImportDailyValueFile, ZeroPeaksAnsweredYesGiveNoPeakSection) {
  ImportCase c;
  c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1990, 1991));
  c.form.peakFile = c.folder.Write("peaks.txt", Peaks(1950, 1960));
  c.ui.Answer(Answer::Yes);
  const DailyValueImportResult r = c.Run();
  ASSERT_TRUE(r.ok);
  ASSERT_FALSE(c.ui.messages.empty());
  EXPECT_EQ(c.ui.messages.front(),
            "The number of peak flow years (0) is less than 20.\n\nDo you wish to continue?");
  EXPECT_EQ(r.peakFlag, 0);
  const std::string text = ScratchFolder::Read(c.dataSet);
  EXPECT_EQ(text.size(), std::string("1990 1991 \r\n").size() + 366 * (2 * 14 + 2));
}

TEST(ImportDailyValueFile, MissingPeakFileDialog) {
  {
    ImportCase c;
    c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1990, 1991));
    c.form.peakFile = (c.folder / "nope.txt").string();
    c.ui.Fill<MissingPeakFileForm>([](MissingPeakFileForm& f) { f.choice = MissingPeakFileForm::kReenter; });
    const DailyValueImportResult r = c.Run();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure.field, kFieldPeakFile);
    EXPECT_FALSE(std::filesystem::exists(c.dataSet));
  }
  {
    // Empty field, OK without a choice: no peaks, and no question about them.
    ImportCase c;
    c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1990, 1991));
    c.ui.Fill<MissingPeakFileForm>();
    const DailyValueImportResult r = c.Run();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.peakFlag, 0);
    EXPECT_EQ(c.ui.messages, std::vector<std::string>{kImportCompletedMessage});
  }
}

TEST(ImportDailyValueFile, FailuresKeepTheDialogOpenWithTheirField) {
  ImportCase c;
  const std::string none = (c.folder / "none.txt").string();
  c.form.dailyFile = none;
  c.form.beginningYear = 1995;
  c.form.endingYear = 1990;
  EXPECT_EQ(c.Run().failure.field, kFieldEndingYear);
  c.form.endingYear = 0;
  EXPECT_EQ(c.Run().failure.field, kFieldDailyFile);
  c.form.dailyFile = c.folder.Write("daily.txt", DailyYears(1990, 1991));
  c.form.peakFile = c.folder.Write("peaks.txt", Peak("1990-01-01", "0"));
  EXPECT_EQ(c.Run().failure.field, kFieldBeginningYear);
  c.form.beginningYear = 0;
  EXPECT_EQ(c.Run().failure.field, kFieldPeakFile);
  EXPECT_EQ(c.ui.messages, (std::vector<std::string>{kEndingBeforeStartingMessage, DailyFileOpenFailure(none),
                                                     kStartingYearNotInFileMessage,
                                                     BadPeakRecordsMessage(c.form.peakFile)}));
  EXPECT_EQ(c.ui.reports, std::vector<std::string>{c.form.peakFile});
  EXPECT_TRUE(c.ui.informed.empty());  // refusals and failures are never told as news
  EXPECT_FALSE(std::filesystem::exists(c.dataSet));
}

TEST(ImportDailyValueFile, ScreeningChoicesOfTheMainProgram) {
  ImportCase c;
  c.form.dailyFile =
      c.folder.Write("daily.txt", DailyYears(1990, 1991) + Daily("1992-10-05", "4") + DailyYears(1994, 1994));
  c.ui.Fill<MissingPeakFileForm>()
      .Fill<MissingDataForm>([](MissingDataForm& f) { f.choice = MissingDataForm::kEditFlowData; })
      .Fill<MissingPeakFileForm>()
      .Fill<MissingDataForm>([](MissingDataForm& f) { f.choice = MissingDataForm::kImportAll; });
  DailyValueImportResult r = c.Run();
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(c.ui.reports, std::vector<std::string>{c.form.dailyFile});
  EXPECT_FALSE(std::filesystem::exists(c.dataSet));
  r = c.Run();
  ASSERT_TRUE(r.ok);
  // Water year 1993 has one day and is kept; 1992 has no line at all and is dropped.
  const FlowRecord stored = c.Stored(false);
  ASSERT_EQ(stored.yearCount, 4);
  EXPECT_EQ(stored.years[2], 1993);
  EXPECT_EQ(stored.years[3], 1994);
  EXPECT_EQ(r.lastWaterYear, 1994);
  EXPECT_EQ(c.form.endingYear, 1994);
}

TEST(ImportAlternativeCsvFile, WritesTheDataSetFileWithItsPeakSection) {
  ScratchFolder folder;
  std::string text = "1991,1992\n";
  for (int s = 0; s < 366; ++s) text += "1,2\n";
  text += "2\n900,800\n10,20\n";
  const std::string csv = folder.Write("alt.csv", text);
  ScriptedUi ui;
  const CsvImportResult r = ImportAlternativeCsvFile(ui, csv, folder / "dataset_3");
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(r.firstWaterYear, 1991);
  EXPECT_EQ(r.lastWaterYear, 1992);
  EXPECT_EQ(r.peakFlag, 1);
  EXPECT_EQ(r.peakCount, 2);
  const std::string written = ScratchFolder::Read(folder / "dataset_3");
  const std::string peakSection = "\r\n2\r\n      900.000       800.000 \r\n       10.000        20.000 ";
  EXPECT_EQ(written.substr(written.size() - peakSection.size()), peakSection);
  EXPECT_FALSE(ImportAlternativeCsvFile(ui, folder / "none.csv", folder / "dataset_4").ok);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "Can not open the import file:  " + (folder / "none.csv").string() + ".");
}

}  // namespace
}  // namespace zelvo
