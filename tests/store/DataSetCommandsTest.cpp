#include <gtest/gtest.h>

#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "common/ui/NumberFields.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/store/DataSetCommands.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedUi;
using testing::TempFolder;

// A record of the water years first..last whose flow at a slot is year + slot / 1000.
FlowRecord Record(int first, int last, int peaks = 0) {
  FlowRecord r;
  r.yearCount = last - first + 1;
  for (int y = 0; y < r.yearCount; ++y) {
    r.years[y] = first + y;
    for (int s = 0; s < kDaySlots; ++s) r.flows[y][s] = static_cast<float>(first + y) + s / 1000.0f;
  }
  r.peakCount = peaks;
  for (int k = 0; k < peaks; ++k) {
    r.peaks[k] = 1000.0f + k;
    r.peakDayFlows[k] = 500.0f + k;
  }
  return r;
}

int Count(const std::string& text, char c) {
  return static_cast<int>(std::count(text.begin(), text.end(), c));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
}

struct DataSetSession : ::testing::Test {
  TempFolder temp;
  AppState app;
  void SetUp() override {
    StartApplication(app, temp.Path());
    app.projectName = "P";
    app.projectFolder = temp.Path();
  }
  void Add(const std::string& title, const FlowRecord& r, int streamClass = 0) {
    const int n = static_cast<int>(app.dataSets.size()) + 1;
    DataSetEntry e;
    e.title = title;
    e.fileName = DataSetFileName(n);
    e.SetWaterYears(r.FirstYear(), r.LastYear());
    e.streamClass = streamClass;
    e.peakFlag = r.peakCount > 0 ? 1 : 0;
    ASSERT_TRUE(WriteDataSetFile(temp.Path() / e.fileName, r, r.peakCount > 0));
    app.dataSets.push_back(e);
    ASSERT_TRUE(WriteDataSetDirectory(temp.Path(), app.dataSets));
  }
  FlowRecord Read(int number, bool peaks) {
    return testing::StoredRecord(temp.Path() / DataSetFileName(number), peaks);
  }
};

TEST_F(DataSetSession, EmptyProjectCommandsSayWhyAndEnd) {
  ScriptedUi ui;
  EditDataSetTitle(app, ui);
  EditDataSetData(app, ui);
  CreateDataSetFromExisting(app, ui);
  ExportDataSetCsv(app, ui);
  DeleteDataSetCommand(app, ui);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"There are no data sets to edit.", "There are no data sets to edit.",
                                      "There are no data sets to copy.", "There are no data sets to export.",
                                      "There are no data sets to delete."}));
}

TEST_F(DataSetSession, SingleDataSetTitleEditSkipsTheSelectionAndKeepsTheStreamClassLine) {
  Add("Gauge", Record(1991, 1993));
  ScriptedUi ui;
  ui.Fill<TitleDescriptionForm>([&](TitleDescriptionForm& f) {
      EXPECT_EQ(f.StreamClassLine(), "Stream class:  Low Volume Stable");
      f.title = "";
    })
      .Fill<TitleDescriptionForm>([&](TitleDescriptionForm& f) {
        f.title = "Renamed";
        f.description = "after the weir";
        EXPECT_TRUE(f.EditStreamClass(ui));
        EXPECT_EQ(f.StreamClassLine(), "Stream class:  High Volume Flashy");
      })
      .Fill<StreamClassForm>([](StreamClassForm& f) {
        EXPECT_EQ(f.streamClass, 0);
        f.streamClass = 2;
      });
  EditDataSetTitle(app, ui);
  EXPECT_EQ(ui.forms, (std::vector<std::string>{"TitleDescription", "StreamClass"}));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter a title for the dataset."});
  const std::vector<DataSetEntry> stored = testing::StoredDataSets(temp.Path());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].title, "Renamed");
  EXPECT_EQ(stored[0].description, "after the weir");
  EXPECT_EQ(stored[0].streamClass, 2);
}

TEST_F(DataSetSession, TitleEditCancelChangesNothingAndTwoDataSetsAskWhichOne) {
  Add("One", Record(1991, 1991));
  Add("Two", Record(1991, 1991));
  const std::string before = testing::ReadWholeFile(temp.Path() / "ds_directory");
  ScriptedUi ui;
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
      EXPECT_EQ(f.caption, "Select a data set to edit its title or description.");
      f.chosen = 1;
    }).Cancel<TitleDescriptionForm>([](TitleDescriptionForm& f) {
    EXPECT_EQ(f.title, "Two");
    f.title = "Changed";
  });
  EditDataSetTitle(app, ui);
  EXPECT_EQ(testing::ReadWholeFile(temp.Path() / "ds_directory"), before);
  ASSERT_EQ(app.dataSets.size(), 2u);
  EXPECT_EQ(app.dataSets[1].title, "Two");
}

TEST_F(DataSetSession, CopyOfNineteenNinetyFiveToTwoThousandKeepsClassAndAllPeaks) {
  Add("Long record", Record(1990, 2005, 3), 3);
  ScriptedUi ui;
  ui.Fill<NewDataSetForm>([](NewDataSetForm& f) {
    EXPECT_EQ(f.beginYear, 1990);
    EXPECT_EQ(f.endYear, 2005);
    f.title = "Late years";
    f.beginYear = 1995;
    f.endYear = 2000;
  });
  CreateDataSetFromExisting(app, ui);
  EXPECT_TRUE(ui.messages.empty());
  const std::vector<DataSetEntry> stored = testing::StoredDataSets(temp.Path());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].startDate, "10/01/1994");
  EXPECT_EQ(stored[1].endDate, "09/30/2000");
  EXPECT_EQ(stored[1].streamClass, 3);
  EXPECT_EQ(stored[1].peakFlag, 1);
  EXPECT_EQ(stored[1].fileName, "dataset_2");
  EXPECT_EQ(stored[1].title, "Late years");
  const FlowRecord copy = Read(2, true);
  ASSERT_EQ(copy.yearCount, 6);
  EXPECT_EQ(copy.years[0], 1995);
  EXPECT_EQ(copy.years[5], 2000);
  EXPECT_FLOAT_EQ(copy.flows[0][10], 1995.010f);
  EXPECT_EQ(copy.peakCount, 3);
  EXPECT_FLOAT_EQ(copy.peakDayFlows[2], 502.0f);
}

TEST_F(DataSetSession, CopyChecksComeInTheirOrderAndGapsAreRefused) {
  FlowRecord gap = Record(1990, 2000);
  gap.yearCount = 9;  // 1990-1993 and 1996-2000
  for (int y = 4; y < 9; ++y) {
    gap.years[y] = 1992 + y;
    gap.flows[y] = Record(1992 + y, 1992 + y).flows[0];
  }
  Add("Gappy", gap);
  ScriptedUi ui;
  auto years = [](int b, int e) {
    return [=](NewDataSetForm& f) {
      f.title = "x";
      f.beginYear = b;
      f.endYear = e;
    };
  };
  ui.Fill<NewDataSetForm>([](NewDataSetForm& f) { f.beginYear = 1991; })
      .Fill<NewDataSetForm>(years(1985, 1980))
      .Fill<NewDataSetForm>(years(1985, 1995))
      .Fill<NewDataSetForm>(years(1991, 2001))
      .Fill<NewDataSetForm>(years(1994, 1998))
      .Fill<NewDataSetForm>(years(1991, 1995))
      .Cancel<NewDataSetForm>();
  CreateDataSetFromExisting(app, ui);
  ASSERT_EQ(ui.messages.size(), 6u);
  EXPECT_EQ(ui.messages[0], "Please enter a title for the dataset.");
  EXPECT_EQ(ui.messages[1], "The ending year must be equal to or greater than the starting year.");
  EXPECT_EQ(ui.messages[2], "The starting year must be within the range of the original data");
  EXPECT_EQ(ui.messages[3], "The ending year must be within the range of the original data");
  EXPECT_NE(ui.messages[4].find("1994"), std::string::npos);
  EXPECT_NE(ui.messages[5].find("1995"), std::string::npos);
  EXPECT_EQ(app.dataSets.size(), 1u);
  EXPECT_FALSE(fs::exists(temp.Path() / "dataset_2"));
}

TEST_F(DataSetSession, FiftiethDataSetLimitComesBeforeAnyDialog) {
  for (int i = 0; i < 50; ++i) app.dataSets.push_back(DataSetEntry{});
  ScriptedUi ui;
  CreateDataSetFromExisting(app, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kDataSetLimitMessage});
  EXPECT_TRUE(ui.forms.empty());
}

TEST_F(DataSetSession, ExportWithoutPeaksHasNoTrailingCommas) {
  Add("Three years", Record(1991, 1993));
  ScriptedUi ui;
  const fs::path target = temp.Path() / "out";
  ui.File(target.string());
  ExportDataSetCsv(app, ui);
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Comma Separated Values Files (*.csv)|*.csv||");
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, ".csv");
  const std::vector<std::string> lines = Lines(testing::ReadWholeFile(temp.Path() / "out.csv"));
  ASSERT_EQ(lines.size(), 368u);  // years, 366 slots, and the empty rest after the last CR LF
  EXPECT_EQ(lines[0], "1991,1992,1993");
  EXPECT_EQ(lines[1], "     1991.000,     1992.000,     1993.000");
  for (int s = 1; s <= 366; ++s) EXPECT_EQ(Count(lines[s], ','), 2) << s;
  EXPECT_EQ(lines[367], "");
}

TEST_F(DataSetSession, ExportWithPeaksEndsEveryPeakWithAComma) {
  Add("Peaks", Record(1991, 1992, 2));
  const fs::path target = temp.Path() / "peaks.csv";
  testing::WriteWholeFile(target, "old");
  ScriptedUi ui;
  ui.File(target.string()).Answer(Answer::No).File(target.string()).Answer(Answer::Yes);
  ExportDataSetCsv(app, ui);
  EXPECT_EQ(testing::ReadWholeFile(target), "old");
  ExportDataSetCsv(app, ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "The file: " + target.string() + " already exists.  Do you want to overwrite it?");
  const std::vector<std::string> lines = Lines(testing::ReadWholeFile(target));
  ASSERT_EQ(lines.size(), 370u);
  EXPECT_EQ(lines[367], "2");
  EXPECT_EQ(lines[368], "     1000.000,     1001.000,");
  EXPECT_EQ(lines[369], "      500.000,      501.000,");  // no line end after the last
}

TEST_F(DataSetSession, ExportOfAnUnreadableDataSetLeavesTheOldFileWhole) {
  Add("Lost", Record(1991, 1991));
  fs::remove(temp.Path() / "dataset_1");
  const fs::path target = temp.Path() / "keep.csv";
  testing::WriteWholeFile(target, "precious");
  ScriptedUi ui;
  ui.File(target.string()).Answer(Answer::Yes);
  ExportDataSetCsv(app, ui);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(),
            "Can not open the daily flow data file:  " + (temp.Path() / "dataset_1").string());
  EXPECT_EQ(testing::ReadWholeFile(target), "precious");
}

TEST_F(DataSetSession, GridEditStoresTheNewValueAndCancelLeavesTheFile) {
  Add("Grid", Record(1991, 1992, 1));
  const std::string before = testing::ReadWholeFile(temp.Path() / "dataset_1");
  ScriptedUi ui;
  ui.Cancel<DataGridForm>([](DataGridForm& f) {
      ASSERT_EQ(f.values.size(), 2u);
      ASSERT_EQ(f.values[0].size(), 366u);
      f.values[0][0] = 7.0f;
    }).Fill<DataGridForm>([](DataGridForm& f) {
    EXPECT_EQ(f.ColumnCaption(1), "1992");
    ASSERT_EQ(f.values.size(), 2u);
    ASSERT_EQ(f.values[1].size(), 366u);
    EXPECT_EQ(DataGridForm::CellText(f.values[1][151]), "1992.15");
    f.values[1][3] = *ParseDecimalText(" 1.5 ");
  });
  EditDataSetData(app, ui);
  EXPECT_EQ(testing::ReadWholeFile(temp.Path() / "dataset_1"), before);
  EditDataSetData(app, ui);
  const std::vector<std::string> lines = Lines(testing::ReadWholeFile(temp.Path() / "dataset_1"));
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[4], "     1991.003         1.500 ");
  const FlowRecord r = Read(1, true);
  EXPECT_EQ(r.peakCount, 1);
  EXPECT_FLOAT_EQ(r.peaks[0], 1000.0f);
  EXPECT_FALSE(ParseDecimalText("abc").has_value());
  EXPECT_FALSE(ParseDecimalText("").has_value());
  EXPECT_FALSE(ParseDecimalText("1.5x").has_value());
  EXPECT_FALSE(ParseDecimalText("nan").has_value());
  EXPECT_EQ(*ParseDecimalText("-2"), -2.0f);
}

TEST(DataGrid, CancelAsksBeforeThrowingEditsAway) {
  DataGridForm form;
  form.years = {1991};
  form.values = {std::vector<float>(366, 5.0f)};
  ScriptedUi ui;
  ui.Answer(Answer::No).Answer(Answer::Yes);
  EXPECT_TRUE(MayDiscardGridEdits(ui, form, form.values));  // nothing edited: no question
  std::vector<std::vector<float>> typed = form.values;
  typed[0][200] = 999999.0f;
  EXPECT_FALSE(MayDiscardGridEdits(ui, form, typed));
  EXPECT_TRUE(MayDiscardGridEdits(ui, form, typed));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Discard your changes?", "Discard your changes?"}));
  EXPECT_TRUE(ui.Finished());
}

TEST(NumberFields, DecimalTextIsReadWithAPointWhateverTheDesktopLanguage) {
  EXPECT_EQ(*ParseDecimalText("12"), 12.0f);
  EXPECT_EQ(*ParseDecimalText(" -0.5 "), -0.5f);
  EXPECT_EQ(*ParseDecimalText("+3.25"), 3.25f);
  EXPECT_EQ(*ParseDecimalText(".5"), 0.5f);
  for (const char* bad : {"", "   ", "12,5", "1,000", "1e3", "abc", "12 cfs", "--1", "+", ".", "nan", "inf",
                          "1e999", "99999999999999999999999999999999999999999"})
    EXPECT_FALSE(ParseDecimalText(bad).has_value()) << bad;
}

TEST_F(DataSetSession, DeleteRefusesAProfilePeriodAndRenumbersBaselineAndProfiles) {
  for (int i = 1; i <= 4; ++i) Add("D" + std::to_string(i), Record(1990 + i, 1990 + i));
  testing::WriteWholeFile(temp.Path() / HiOutputFileName(4), "D4,0\r\n");
  ProfileEntry p;
  p.title = "Dam";
  p.periodCount = 1;
  p.periodDataSets[0] = 3;
  app.profiles.push_back(p);
  app.baseline = 4;
  ScriptedUi ui;
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 2; })
      .Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 1; })
      .Answer(Answer::No)
      .Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) { f.chosen = 1; })
      .Answer(Answer::Yes);
  DeleteDataSetCommand(app, ui);
  DeleteDataSetCommand(app, ui);
  EXPECT_EQ(app.dataSets.size(), 4u);
  DeleteDataSetCommand(app, ui);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "This data set belongs to the time period profile:  Dam.\n\nYou must delete the profile "
                "to delete it.",
                "Are you sure you want to delete:  D2 ?", "Are you sure you want to delete:  D2 ?"}));
  EXPECT_EQ(app.dataSets.size(), 3u);
  EXPECT_EQ(app.baseline, 3);
  EXPECT_EQ(ReadBaseline(temp.Path()), 3);
  ASSERT_EQ(app.profiles.size(), 1u);
  EXPECT_EQ(app.profiles[0].periodDataSets[0], 2);
  const std::vector<ProfileEntry> profiles = testing::StoredProfiles(temp.Path());
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_EQ(profiles[0].periodDataSets[0], 2);
  EXPECT_TRUE(fs::exists(temp.Path() / HiOutputFileName(3)));
  EXPECT_EQ(Read(2, false).years[0], 1993);
  const std::vector<DataSetEntry> stored = testing::StoredDataSets(temp.Path());
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[2].title, "D4");
}

TEST_F(DataSetSession, DeletingTheBaselineClearsIt) {
  Add("Only", Record(1991, 1991));
  app.baseline = 1;
  ASSERT_TRUE(WriteBaseline(temp.Path(), 1));
  ScriptedUi ui;
  ui.Answer(Answer::Yes);
  DeleteDataSetCommand(app, ui);
  EXPECT_EQ(app.baseline, 0);
  EXPECT_EQ(ReadBaseline(temp.Path()), 0);
  EXPECT_FALSE(fs::exists(temp.Path() / "ds_directory"));
}

}  // namespace
}  // namespace zelvo
