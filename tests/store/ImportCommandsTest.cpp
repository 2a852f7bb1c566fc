#include <gtest/gtest.h>

#include "common/import/CsvReader.h"
#include "common/import/ImportForms.h"
#include "import/ImportTestSupport.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/DataSetForms.h"
#include "zelvo/store/ImportCommands.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedUi;
using testing::TempFolder;

struct ImportSession : ::testing::Test {
  TempFolder temp;
  AppState app;
  void SetUp() override {
    StartApplication(app, temp.Path());
    app.projectName = "P";
    app.projectFolder = temp.Path() / "zelvoproj";
    app.preferences.defaultStreamClass = 2;
  }
  // The title dialog (checked empty), then the stream class dialog preset to the default class.
  void Titles(ScriptedUi& ui, const std::string& title, int streamClass) {
    ui.Fill<TitleDescriptionForm>([=](TitleDescriptionForm& f) {
        EXPECT_TRUE(f.title.empty());
        EXPECT_EQ(f.StreamClassLine(), "Stream class:  High Volume Flashy");
        f.title = title;
        f.description = "imported";
      }).Fill<StreamClassForm>([=](StreamClassForm& f) {
      EXPECT_EQ(f.streamClass, 2);
      f.streamClass = streamClass;
    });
  }
  std::string Csv(int years, int slotLines, const std::string& peaks = "") {
    std::string text;
    for (int y = 0; y < years; ++y) text += std::to_string(1991 + y) + (y + 1 < years ? "," : "\n");
    for (int s = 0; s < slotLines; ++s) {
      for (int y = 0; y < years; ++y) text += std::to_string(10 + y) + ".5" + (y + 1 < years ? "," : "\n");
    }
    return text + peaks;
  }
};

TEST_F(ImportSession, CsvOfThreeYearsBecomesADataSetWithoutPeaks) {
  const fs::path csv = temp.Path() / "alt.csv";
  testing::WriteWholeFile(csv, Csv(3, 366));
  ScriptedUi ui;
  ui.Fill<AlternativeFileForm>([&](AlternativeFileForm& f) { f.path = csv.string(); });
  Titles(ui, "Reservoir plan", 1);
  ImportAlternativeCsv(app, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.forms, (std::vector<std::string>{"AlternativeFile", "TitleDescription", "StreamClass"}));
  const std::vector<DataSetEntry> stored = testing::StoredDataSets(app.projectFolder);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].title, "Reservoir plan");
  EXPECT_EQ(stored[0].startDate, "10/01/1990");
  EXPECT_EQ(stored[0].endDate, "09/30/1993");
  EXPECT_EQ(stored[0].peakFlag, 0);
  EXPECT_EQ(stored[0].streamClass, 1);
  EXPECT_EQ(stored[0].fileName, "dataset_1");
  const FlowRecord r = testing::StoredRecord(app.projectFolder / "dataset_1", false);
  EXPECT_EQ(r.yearCount, 3);
  EXPECT_FLOAT_EQ(r.flows[2][365], 12.5f);
}

TEST_F(ImportSession, CsvWithAPeakSectionSetsThePeakFlag) {
  const fs::path csv = temp.Path() / "alt.csv";
  testing::WriteWholeFile(csv, Csv(2, 366, "2\n100.0,200.0\n10.0,20.0\n"));
  ScriptedUi ui;
  ui.Fill<AlternativeFileForm>([&](AlternativeFileForm& f) { f.path = csv.string(); });
  Titles(ui, "With peaks", 2);
  ImportAlternativeCsv(app, ui);
  ASSERT_EQ(app.dataSets.size(), 1u);
  EXPECT_EQ(app.dataSets[0].peakFlag, 1);
  const FlowRecord r = testing::StoredRecord(app.projectFolder / "dataset_1", true);
  EXPECT_EQ(r.peakCount, 2);
  EXPECT_FLOAT_EQ(r.peaks[1], 200.0f);
}

TEST_F(ImportSession, CsvThatCannotBeOpenedOrIsCancelledRegistersNothing) {
  ScriptedUi ui;
  const std::string missing = (temp.Path() / "none.csv").string();
  const fs::path csv = temp.Path() / "alt.csv";
  testing::WriteWholeFile(csv, Csv(2, 366));
  // A path that does not open is told at once and the file dialog stays open; the user gives up.
  ui.Fill<AlternativeFileForm>([&](AlternativeFileForm& f) {
      f.path = missing;
    }).Cancel<AlternativeFileForm>();
  ui.Fill<AlternativeFileForm>([&](AlternativeFileForm& f) { f.path = csv.string(); })
      .Cancel<TitleDescriptionForm>()
      .Cancel<AlternativeFileForm>();
  ImportAlternativeCsv(app, ui);
  ImportAlternativeCsv(app, ui);
  ImportAlternativeCsv(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Can not open the import file:  " + missing + "."});
  EXPECT_EQ(ui.forms, (std::vector<std::string>{"AlternativeFile", "AlternativeFile", "TitleDescription",
                                                "AlternativeFile"}));
  EXPECT_TRUE(app.dataSets.empty());
  EXPECT_FALSE(fs::exists(app.projectFolder / "ds_directory"));
  EXPECT_TRUE(ui.Finished());
}

TEST_F(ImportSession, CsvPathIsCheckedBeforeTheTitleAndTheClassAreAskedFor) {
  ScriptedUi ui;
  const std::string mistyped = (temp.Path() / "withdrawl.csv").string();
  const fs::path notCsv = temp.Path() / "notes.csv";
  testing::WriteWholeFile(notCsv, "scenario notes\n");
  const fs::path csv = temp.Path() / "withdrawal.csv";
  testing::WriteWholeFile(csv, Csv(3, 366));
  ui.Fill<AlternativeFileForm>([&](AlternativeFileForm& f) { f.path = mistyped; })
      .Fill<AlternativeFileForm>([&](AlternativeFileForm& f) {
        EXPECT_EQ(f.path, mistyped);  // the dialog keeps what was typed, for correction
        f.path = notCsv.string();
      })
      .Fill<AlternativeFileForm>([&](AlternativeFileForm& f) { f.path = csv.string(); });
  Titles(ui, "Withdrawal", 1);
  ImportAlternativeCsv(app, ui);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{CsvOpenFailure(mistyped), CsvNoYearsMessage(notCsv.string())}));
  // The file dialog stayed open through both refusals; the steps of the script run in order, so
  // neither the title nor the stream class was asked for before a file that reads.
  EXPECT_EQ(ui.forms, (std::vector<std::string>{"AlternativeFile", "TitleDescription", "StreamClass"}));
  ASSERT_EQ(app.dataSets.size(), 1u);
  EXPECT_EQ(app.dataSets[0].title, "Withdrawal");
  EXPECT_TRUE(ui.Finished());
}

TEST_F(ImportSession, FiftyFirstDataSetIsRefusedBeforeAnyDialog) {
  for (int i = 0; i < 50; ++i) app.dataSets.push_back(DataSetEntry{});
  ScriptedUi ui;
  ImportAlternativeCsv(app, ui);
  ImportAgncData(app, ui);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{kDataSetLimitMessage, kDataSetLimitMessage}));
  EXPECT_TRUE(ui.forms.empty());
}

TEST_F(ImportSession, AgncImportStaysOpenUntilItSucceedsAndRegistersTheDataSet) {
  const fs::path daily = temp.Path() / "daily.txt";
  testing::WriteWholeFile(daily, "# header\nagency_cd\tsite_no\n" + testing::DailyYears(1991, 1992, "12.5"));
  const std::string missing = (temp.Path() / "nope.txt").string();
  ScriptedUi ui;
  Titles(ui, "Gauge", 3);
  ui.Fill<ImportAgncForm>([&](ImportAgncForm& f) { f.dailyFile = missing; })
      .Fill<ImportAgncForm>([&](ImportAgncForm& f) { f.dailyFile = daily.string(); })
      .Fill<MissingPeakFileForm>(
          [](MissingPeakFileForm& f) { f.choice = MissingPeakFileForm::kRunWithoutPeaks; });
  ImportAgncData(app, ui);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Can not open the daily flow input data file:  " + missing,
                                                   "Import successfully completed."}));
  EXPECT_TRUE(ui.Finished());
  const std::vector<DataSetEntry> stored = testing::StoredDataSets(app.projectFolder);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].startDate, "10/01/1990");
  EXPECT_EQ(stored[0].endDate, "09/30/1992");
  EXPECT_EQ(stored[0].streamClass, 3);
  EXPECT_EQ(stored[0].peakFlag, 0);
  EXPECT_EQ(stored[0].description, "imported");
}

TEST_F(ImportSession, DecliningFewPeaksLeavesTheFileUnregisteredAndTheNextImportReusesItsNumber) {
  const fs::path daily = temp.Path() / "daily.txt";
  const fs::path peaks = temp.Path() / "peaks.txt";
  testing::WriteWholeFile(daily, testing::DailyYears(1991, 1992, "12.5"));
  testing::WriteWholeFile(peaks, testing::Peak("1991-03-01", "5000") + testing::Peak("1992-03-01", "6000"));
  ScriptedUi ui;
  Titles(ui, "Gauge", 0);
  ui.Fill<ImportAgncForm>([&](ImportAgncForm& f) {
      f.dailyFile = daily.string();
      f.peakFile = peaks.string();
    })
      .Answer(Answer::No)
      .Cancel<ImportAgncForm>();
  ImportAgncData(app, ui);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(),
            "The number of peak flow years (2) is less than 20.\n\nDo you wish to continue?");
  EXPECT_TRUE(app.dataSets.empty());
  EXPECT_TRUE(fs::exists(app.projectFolder / "dataset_1"));

  ScriptedUi again;
  Titles(again, "Gauge", 0);
  again
      .Fill<ImportAgncForm>([&](ImportAgncForm& f) {
        f.dailyFile = daily.string();
        f.peakFile = peaks.string();
      })
      .Answer(Answer::Yes);
  ImportAgncData(app, again);
  ASSERT_EQ(app.dataSets.size(), 1u);
  EXPECT_EQ(app.dataSets[0].fileName, "dataset_1");
  EXPECT_EQ(app.dataSets[0].peakFlag, 1);
  const FlowRecord r = testing::StoredRecord(app.projectFolder / "dataset_1", true);
  EXPECT_EQ(r.peakCount, 2);
}

TEST_F(ImportSession, BrowseFillsTheFieldWithTheChosenPath) {
  ScriptedUi ui;
  ui.File("/data/daily.txt").File(std::nullopt);
  std::string field = "old";
  BrowseForImportFile(ui, field);
  EXPECT_EQ(field, "/data/daily.txt");
  BrowseForImportFile(ui, field);
  EXPECT_EQ(field, "/data/daily.txt");
  ASSERT_EQ(ui.fileRequests.size(), 2u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Data Files (*.*)|*.*|All Files (*.*)|*.*||");
  EXPECT_TRUE(ui.fileRequests[0].mustExist);
}

}  // namespace
}  // namespace zelvo
