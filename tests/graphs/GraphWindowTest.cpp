#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/TextFormat.h"
#include "graphs/GraphTestRecords.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/graphs/FlowGraphWindow.h"
#include "zelvo/graphs/GraphicsPreferences.h"
#include "zelvo/graphs/IndexGraphWindow.h"

namespace zelvo {
namespace {

using testing::MakeRecord;
using testing::ScriptedUi;

class GraphProject : public ::testing::Test {
 protected:
  void SetUp() override {
    app.projectName = "Graphs";
    app.projectFolder = folder_;
  }

  // Adds data set number N with the given years, every flow `flow`.
  int AddDataSet(const std::string& title, int first, int last, float flow = 10.0f, int streamClass = 0) {
    DataSetEntry e;
    e.title = title;
    e.SetWaterYears(first, last);
    e.fileName = DataSetFileName(static_cast<int>(app.dataSets.size()) + 1);
    e.streamClass = streamClass;
    app.dataSets.push_back(e);
    auto r = MakeRecord(first, last, [flow](int, int) { return flow; });
    EXPECT_TRUE(WriteDataSetFile(folder_ / e.fileName, *r, false));
    return static_cast<int>(app.dataSets.size());
  }

  // A results file whose value of index n is scale (n + 1), limits one below and two above.
  void WriteResults(int number, float scale, bool median = false, float lower = 25.0f, float upper = 75.0f) {
    std::ofstream out(folder_ / HiOutputFileName(number), std::ios::binary);
    out << "Run," << (median ? 1 : 0) << "\r\n"
        << Format("%f,%f", lower, upper) << "\r\n"
        << "Index,Lower Limit,Value,Upper Limit\r\n";
    for (int n = 0; n < kIndexCount; ++n) {
      const float v = scale * static_cast<float>(n + 1);
      out << IndexName(n) << Format(",%9.3f,%9.3f,%9.3f", v - 1.0f, v, v + 2.0f) << "\r\n";
    }
  }

  testing::TempFolder temp_;
  const std::filesystem::path folder_ = temp_.Path();
  AppState app;
};

TEST_F(GraphProject, FlowWindowChoiceMessagesAndUnreadableFiles) {
  EXPECT_EQ(FlowGraphWindow::CannotOpen(app, FlowWindowKind::Alternatives).value_or(""),
            "You must select a baseline before graphing alternatives.");
  for (int i = 0; i < 21; ++i) AddDataSet("Set " + std::to_string(i + 1), 1990, 1991);
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  EXPECT_EQ(w.Entries().size(), 21u);
  ScriptedUi ui;
  EXPECT_EQ(w.Draw(ui), nullptr);
  std::vector<int> all(21);
  for (int i = 0; i < 21; ++i) all[i] = i;
  w.SetSelection(all);
  EXPECT_EQ(w.Draw(ui), nullptr);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please select a data set.",
                                                   "The number of curves exceeds the maximum of 20"}));

  std::filesystem::remove(folder_ / "dataset_2");
  ui.messages.clear();
  w.SetSelection({0, 1});
  const FlowGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  ASSERT_EQ(g->values.size(), 2u);
  ASSERT_FALSE(g->values[0].empty());
  for (float v : g->values[1]) ASSERT_EQ(v, -99.0f);
  EXPECT_EQ(g->values[0][0], 10.0f);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Can not open the daily flow data file:  " + (folder_ / "dataset_2").string());
  w.Draw(ui);
  EXPECT_EQ(ui.messages.size(), 1u);  // reported once per window
}

TEST_F(GraphProject, AlternativesWindowDrawsTheBaselineFirstAndWarnsAboveFour) {
  for (int i = 0; i < 6; ++i) AddDataSet("Alt " + std::to_string(i + 1), 1990 + i, 1991 + i);
  app.baseline = 3;
  FlowGraphWindow w(app, FlowWindowKind::Alternatives);
  EXPECT_FALSE(FlowGraphWindow::CannotOpen(app, FlowWindowKind::Alternatives).has_value());
  ASSERT_EQ(w.Entries().size(), 5u);
  EXPECT_EQ(w.Entries()[2], "Alt 4");
  EXPECT_FALSE(w.SetSelection({0, 2}).has_value());
  EXPECT_EQ(w.CurveDataSets(), (std::vector<int>{3, 1, 4}));
  EXPECT_EQ(w.SetSelection({0, 1, 2, 3, 4}).value_or(""),
            "The maximum number of alternatives that can be selected is 4.  Please unselect one.");
  ScriptedUi ui;
  w.SetSelection({});
  const FlowGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->labels, (std::vector<std::string>{"Alt 3"}));
}

TEST_F(GraphProject, TimePeriodWindowDrawsTheProfilesPeriods) {
  AddDataSet("Whole", 1950, 1970);
  AddDataSet("Early", 1950, 1959);
  AddDataSet("Late", 1955, 1970);
  ProfileEntry p;
  p.title = "Dam";
  p.periodCount = 2;
  p.periodDataSets = {2, 3, 0, 0, 0};
  ProfileEntry empty;
  empty.title = "Nothing";
  app.profiles = {p, empty};
  FlowGraphWindow w(app, FlowWindowKind::TimePeriods);
  EXPECT_FALSE(w.MultipleSelection());
  ScriptedUi ui;
  const FlowGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->layout.span, 21);
  ASSERT_EQ(g->values.size(), 2u);  // the two periods
  ASSERT_EQ(g->values[0].size(), 21u * 365);
  EXPECT_EQ(g->values[0][3649], 10.0f);
  EXPECT_EQ(g->values[0][3650], -99.0f);
  w.SetSelection({1});
  EXPECT_EQ(w.Draw(ui), nullptr);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Please select a data set."});
}

TEST_F(GraphProject, ThresholdOfZeroOrCancelStaysOff) {
  AddDataSet("A", 1990, 1991);
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  w.SetSelection({0});
  ScriptedUi ui;
  ui.Fill<ThresholdForm>([](ThresholdForm& f) { f.text = "0"; })
      .Cancel<ThresholdForm>()
      .Fill<ThresholdForm>([](ThresholdForm& f) { f.text = "12.5"; });
  EXPECT_FALSE(w.SwitchThreshold(ui, true));
  EXPECT_FALSE(w.SwitchThreshold(ui, true));
  EXPECT_TRUE(w.SwitchThreshold(ui, true));
  const FlowGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  ASSERT_EQ(g->chart.main.sets.size(), 2u);
  ASSERT_EQ(g->chart.main.curveLabels.size(), 2u);
  EXPECT_EQ(g->chart.main.curveLabels.back(), "Threshold");
  ASSERT_FALSE(g->chart.main.sets.back().y.empty());
  EXPECT_EQ(g->chart.main.sets.back().y[0], 12.5);
  EXPECT_FALSE(w.SwitchThreshold(ui, false));
  EXPECT_EQ(w.Draw(ui)->chart.main.sets.size(), 1u);
  EXPECT_TRUE(ui.Finished());
}

TEST_F(GraphProject, ThresholdThatIsNotANumberIsRefusedNotTakenAsZero) {
  AddDataSet("A", 1990, 1991);
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  w.SetSelection({0});
  ScriptedUi ui;
  // Text that is no number keeps the dialog open until a number (or nothing) is typed.
  ui.Fill<ThresholdForm>([](ThresholdForm& f) {
      EXPECT_EQ(f.text, "0");  // the field opens with 0
      f.text = "12,5";
    })
      .Fill<ThresholdForm>([](ThresholdForm& f) { f.text = "cfs"; })
      .Fill<ThresholdForm>([](ThresholdForm& f) { f.text = " 250.5 "; })
      .Fill<ThresholdForm>([](ThresholdForm& f) { f.text = "  "; });
  EXPECT_TRUE(w.SwitchThreshold(ui, true));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please enter a number.", "Please enter a number."}));
  ASSERT_NE(w.Draw(ui), nullptr);
  EXPECT_EQ(w.Last()->chart.main.sets.back().y[0], 250.5);
  EXPECT_FALSE(w.SwitchThreshold(ui, true));  // an empty field is 0: the box goes off
  EXPECT_TRUE(ui.Finished());
}

TEST_F(GraphProject, UseDefaultsReturnsToAutomaticExtentsAfterTypedOnes) {
  AddDataSet("A", 1990, 1991);
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  w.SetSelection({0});
  ScriptedUi ui;
  ui.Fill<YAxisExtentsForm>([](YAxisExtentsForm& f) {
      EXPECT_EQ(f.minimum, 2.0);
      EXPECT_EQ(f.maximum, 30.0);
      f.minimum = 5.0;
      f.maximum = 50.0;
    })
      .Fill<YAxisExtentsForm>([](YAxisExtentsForm& f) { f.useDefaults = true; })
      .Cancel<YAxisExtentsForm>();
  EXPECT_TRUE(w.SetYAxis(ui, 2.0, 30.0));
  EXPECT_FALSE(w.Draw(ui)->chart.yAutomatic);
  EXPECT_EQ(w.Last()->chart.yMax, 50.0);
  EXPECT_TRUE(w.SetYAxis(ui, 5.0, 50.0));
  EXPECT_TRUE(w.Draw(ui)->chart.yAutomatic);
  EXPECT_FALSE(w.SetYAxis(ui, 0.0, 1.0));
  EXPECT_TRUE(w.Draw(ui)->chart.yAutomatic);
}

TEST_F(GraphProject, ExportAsksBeforeOverwritingAndReportsABusyFile) {
  AddDataSet("A", 1990, 1990);
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  w.SetSelection({0});
  const std::string path = (folder_ / "flows.csv").string();
  { std::ofstream(path) << "old"; }
  const std::string folderNamedCsv = (folder_ / "folder.csv").string();
  std::filesystem::create_directory(folderNamedCsv);
  ScriptedUi ui;
  ui.File(path)
      .Answer(Answer::No)
      .File(path)
      .Answer(Answer::Yes)
      .File(folderNamedCsv)
      .Answer(Answer::Yes)
      .File(std::nullopt);
  w.Export(ui);
  std::stringstream old;
  old << std::ifstream(path).rdbuf();
  EXPECT_EQ(old.str(), "old");
  w.Export(ui);
  std::stringstream written;
  written << std::ifstream(path, std::ios::binary).rdbuf();
  EXPECT_EQ(written.str().substr(0, 12), "Daily Flow\r\n");
  ASSERT_EQ(ui.fileRequests.size(), 2u);
  EXPECT_EQ(ui.fileRequests[0].filter, "Comma Separated Values Files (*.csv)|*.csv||");
  EXPECT_EQ(ui.fileRequests[0].defaultExtension, ".csv");
  // A folder cannot be written as a file.
  ui.messages.clear();
  w.Export(ui);
  w.ExportStatistics(ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages.back(), "This file is being used by another program.");
  EXPECT_EQ(ui.messages[0], "The file: " + folderNamedCsv + " already exists.  Do you want to overwrite it?");
}

TEST_F(GraphProject, WindowsOpenWithThePreferredSeries) {
  app.preferences.annualSeries = kAnnualMonthlyMedian;
  app.preferences.monthlySeries = kMonthlyMonthlyMin;
  app.preferences.scale = 1;
  app.preferences.lineStyle = true;
  FlowGraphWindow w(app, FlowWindowKind::DataSets);
  EXPECT_EQ(w.settings.annualSeries, kAnnualMonthlyMedian);
  EXPECT_STREQ(AnnualSeriesName(w.settings.annualSeries), "Monthly Median");
  EXPECT_EQ(w.settings.monthlySeries, kMonthlyMonthlyMin);
  EXPECT_EQ(w.settings.scale, 1);
  EXPECT_TRUE(w.settings.lineStyle);
  EXPECT_FALSE(w.settings.exceedence);
  EXPECT_TRUE(w.extents.Automatic());
}

TEST_F(GraphProject, CaptureWritesTheBitmapOrSaysWriteError) {
  const std::string path = (folder_ / "chart.bmp").string();
  {
    std::ofstream old(path, std::ios::binary);
    old << std::string(5000, 'x');
  }
  const std::string nowhere = (folder_ / "no_such_folder" / "chart.bmp").string();
  ScriptedUi ui;
  ui.Fill<CaptureForm>([&](CaptureForm& f) { f.path = path; })
      .Cancel<CaptureForm>()
      .Fill<CaptureForm>([&](CaptureForm& f) { f.path = nowhere; });
  auto grab = [] { return RgbImage{101, 2, std::vector<std::uint8_t>(101 * 2 * 3, 9)}; };
  EXPECT_TRUE(CaptureChart(ui, grab));
  EXPECT_EQ(std::filesystem::file_size(path), 54u + 304u * 2u);  // the older, longer file is cut
  EXPECT_FALSE(CaptureChart(ui, grab));
  // A file that cannot be created: nothing written, and the capture says it failed.
  EXPECT_TRUE(CaptureChart(ui, grab));
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"write error"}));
  EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false, true, false}));
  // A device is never replaced by a capture.
  if (std::filesystem::exists("/dev/full")) {
    ui.Fill<CaptureForm>([](CaptureForm& f) { f.path = "/dev/full"; });
    EXPECT_TRUE(CaptureChart(ui, grab));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"write error", "write error"}));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  }

  // Browse: an existing file goes into the field only after Yes.
  CaptureForm form;
  form.path = "before.bmp";
  ui.File(path).Answer(Answer::No).File(path).Answer(Answer::Yes);
  BrowseCaptureFile(ui, form);
  EXPECT_EQ(form.path, "before.bmp");
  BrowseCaptureFile(ui, form);
  EXPECT_EQ(form.path, path);
  ASSERT_FALSE(ui.fileRequests.empty());
  EXPECT_EQ(ui.fileRequests.back().filter, "Windows Bitmap Files (*.bmp)|*.bmp||");
}

TEST_F(GraphProject, GraphicsPreferencesOkMarksThemChangedCancelKeepsThem) {
  ScriptedUi ui;
  ui.Cancel<GraphicsPreferencesForm>([](GraphicsPreferencesForm& f) {
      f.grid = true;
    }).Fill<GraphicsPreferencesForm>([](GraphicsPreferencesForm& f) {
    f.colours[19] = Rgb{1, 2, 3};
    f.monthlySeries = kMonthlyMonthlyMedian;
    f.lineStyle = true;
  });
  EditGraphicsPreferences(app, ui);
  EXPECT_FALSE(app.preferencesChanged);
  EXPECT_FALSE(app.preferences.grid);
  EditGraphicsPreferences(app, ui);
  EXPECT_TRUE(app.preferencesChanged);
  EXPECT_EQ(app.preferences.curveColours[19].blue, 3);
  EXPECT_EQ(app.preferences.monthlySeries, kMonthlyMonthlyMedian);
  EXPECT_TRUE(app.preferences.lineStyle);
}

TEST_F(GraphProject, IndexWindowListsComputedSetsWithMedianMarks) {
  AddDataSet("Base", 1990, 1999, 10.0f, 2);
  app.defaultIndexSets[2] = {MA(1), MA(2), RA(1), 0, 0, 0, 0, 0, 0, 0};
  AddDataSet("Alt median", 1990, 1999);
  AddDataSet("Not computed", 1990, 1999);
  AddDataSet("Alt other limits", 1990, 1999);
  IndexGraphWindow none(app, IndexWindowKind::Alternatives);
  EXPECT_EQ(none.CannotOpen().value_or(""), "You must select a baseline before graphing alternatives.");
  app.baseline = 1;
  WriteResults(1, 1.0f);
  WriteResults(2, 2.0f, true);
  WriteResults(4, 4.0f, false, 10.0f, 90.0f);
  IndexGraphWindow w(app, IndexWindowKind::Alternatives);
  EXPECT_FALSE(w.CannotOpen().has_value());
  EXPECT_EQ(w.Entries(), (std::vector<std::string>{"Alt median (M)", "Alt other limits"}));
  ScriptedUi ui;
  // Nothing chosen: the baseline alone, with its class's default indices.
  const IndexGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->indices, (std::vector<int>{MA(1), MA(2), RA(1), 0, 0, 0, 0, 0, 0, 0}));
  w.SetSelection({0, 1});
  EXPECT_EQ(w.Draw(ui), nullptr);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The limits for alternative (Alt other limits) do not "
                                                  "match the baseline.\n\nComparison can not be made."});
  w.SetSelection({0});
  w.normalize = true;
  g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  ASSERT_EQ(g->value.size(), 2u);
  ASSERT_FALSE(g->value[1].empty());
  EXPECT_EQ(g->value[1][0], 2.0f);
  ASSERT_FALSE(g->chart.main.curveLabels.empty());
  EXPECT_EQ(g->chart.main.curveLabels[0], "Base - base");
}

TEST_F(GraphProject, IndexSelectionGroupAndTheTwelveIndexLimit) {
  AddDataSet("Base", 1990, 1999);
  app.baseline = 1;
  WriteResults(1, 1.0f);
  app.rememberedIndices = {ML(3), MA(1), 999, 999, 999, 999, 999, 999, 999, 999, 999, 999};
  IndexGraphWindow w(app, IndexWindowKind::Alternatives);
  EXPECT_EQ(w.hi.selected, (std::vector<int>{MA(1), ML(3)}));
  w.hi.ManuallySelect();
  w.hi.ChooseMonthlyGroup(2);
  ASSERT_EQ(w.hi.selected.size(), 12u);
  EXPECT_EQ(w.hi.selected.front(), MA(24));
  EXPECT_EQ(w.hi.selected.back(), MA(35));
  std::vector<int> thirteen = w.hi.selected;
  thirteen.push_back(ML(3));
  w.hi.UserChangedSelection(thirteen);
  EXPECT_EQ(w.hi.monthlyGroup, 0);
  ScriptedUi ui;
  EXPECT_EQ(w.Draw(ui), nullptr);
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"The number of indices selected exceeds the maximum of 12."});
  w.hi.Clear();
  w.hi.UserChangedSelection({RA(9)});
  const IndexGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->chart.xLabels.at(0).text, "RA9");
}

TEST_F(GraphProject, ProfileIndexWindowChoosesItsBasePeriod) {
  AddDataSet("Whole", 1950, 1990);
  AddDataSet("Before", 1950, 1969);
  AddDataSet("After", 1970, 1990);
  ProfileEntry one;
  one.title = "One period";
  one.periodCount = 1;
  one.periodDataSets = {2, 0, 0, 0, 0};
  ProfileEntry two;
  two.title = "Dam";
  two.periodCount = 2;
  two.periodDataSets = {2, 3, 0, 0, 0};
  app.profiles = {one, two};
  {
    IndexGraphWindow w(app, IndexWindowKind::Profiles);
    EXPECT_EQ(w.CannotOpen().value_or(""),
              "There are no time period profiles for which HI values have been computed.");
  }
  WriteResults(2, 1.0f, true);
  WriteResults(3, 3.0f);
  IndexGraphWindow w(app, IndexWindowKind::Profiles);
  EXPECT_EQ(w.Entries(), (std::vector<std::string>{"One period (M)", "Dam (M)"}));
  ScriptedUi ui;
  w.normalize = true;
  EXPECT_TRUE(w.SetBaseline(ui));  // one period: no dialog
  EXPECT_EQ(w.BasePeriod(), 1);
  w.SetSelection({1});
  ui.Fill<DataSetSelectionForm>([](DataSetSelectionForm& f) {
      EXPECT_EQ(f.caption, "Select a dataset as a baseline.");
      EXPECT_EQ(f.entries, (std::vector<std::string>{"Before", "After"}));
      f.chosen = 1;
    }).Cancel<DataSetSelectionForm>();
  EXPECT_TRUE(w.SetBaseline(ui));
  EXPECT_EQ(w.BasePeriod(), 2);
  EXPECT_FALSE(w.SetBaseline(ui));
  EXPECT_EQ(w.BasePeriod(), 2);
  const IndexGraph* g = w.Draw(ui);
  ASSERT_NE(g, nullptr);
  ASSERT_GE(g->header.size(), 2u);
  ASSERT_EQ(g->chart.main.curveLabels.size(), 2u);
  EXPECT_EQ(g->header[0], "Dam");
  EXPECT_EQ(g->header[1], "Hydrologic Index Comparisons");
  EXPECT_EQ(g->chart.main.curveLabels[1], "After - base");
  ASSERT_FALSE(g->value.empty());
  ASSERT_FALSE(g->value[0].empty());
  EXPECT_NEAR(g->value[0][0], 1.0f / 3.0f, 1e-6);
  EXPECT_TRUE(ui.Finished());
}

}  // namespace
}  // namespace zelvo
