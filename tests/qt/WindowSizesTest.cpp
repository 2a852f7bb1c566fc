// Every window fits a laptop screen at the default font: no dialog asks for more than 720 pixels
// of height, and every window can be made 1024 x 700 with each of its widgets whole inside it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "common/engine/IndexCatalogue.h"
#include "common/import/ImportForms.h"
#include "common/qt/FormDialog.h"
#include "common/qt/MissingDataDialog.h"
#include "common/qt/QtUi.h"
#include "common/qt/TextWindow.h"
#include "qt/QtTestSupport.h"
#include "tarvel/qt/TarvelDialogs.h"
#include "tarvel/qt/TarvelWindow.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/ComputeIndices.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/graphs/GraphicsPreferences.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/graphs/qt/GraphUi.h"
#include "zelvo/graphs/qt/IndexGraphDialog.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/qt/CMainFrame.h"
#include "zelvo/shell/qt/HelpWindow.h"
#include "zelvo/store/DataSetForms.h"
#include "zelvo/store/ImportCommands.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo::qt {
namespace {

using testing::WhenModal;

constexpr int kTallestDialog = 720;
const QSize kLaptop(1024, 700);

// The window as it asks to be shown, then made laptop-sized: it must take that size, and every
// visible widget in it must lie whole inside it and have at least its own minimum size.
void ExpectFitsALaptop(QWidget* w, const std::string& name, bool dialog = true) {
  ASSERT_NE(w, nullptr) << name;
  if (w->layout()) w->layout()->activate();
  const QSize hint = w->sizeHint();
  std::printf("%-40s size hint %4d x %3d, smallest %4d x %3d\n", name.c_str(), hint.width(), hint.height(),
              w->minimumSizeHint().width(), w->minimumSizeHint().height());
  if (dialog) {
    EXPECT_LE(hint.height(), kTallestDialog) << name;
  }
  w->resize(kLaptop.boundedTo(w->maximumSize()));
  w->show();
  QApplication::processEvents();
  EXPECT_LE(w->width(), kLaptop.width()) << name;
  EXPECT_LE(w->height(), kLaptop.height()) << name;
  const QRect inside = w->rect();
  for (QWidget* child : w->findChildren<QWidget*>()) {
    if (!child->isVisibleTo(w) || child->isWindow()) continue;
    // Widgets inside a scroll area are meant to scroll; the area itself must fit.
    bool scrolled = false;
    for (QWidget* p = child->parentWidget(); p && p != w; p = p->parentWidget())
      if (qobject_cast<QScrollArea*>(p) || p->inherits("QAbstractScrollArea")) scrolled = true;
    if (scrolled) continue;
    const QRect r(child->mapTo(w, QPoint(0, 0)), child->size());
    EXPECT_TRUE(inside.contains(r)) << name << ": " << child->metaObject()->className() << " "
                                    << child->objectName().toStdString() << " reaches outside";
    // A widget placed by a layout is never given less than its smallest size.
    QLayout* placedBy = child->parentWidget() ? child->parentWidget()->layout() : nullptr;
    const bool laidOut = placedBy != nullptr && placedBy->indexOf(child) >= 0;
    const QSize least = child->minimumSizeHint();
    if (laidOut && least.isValid() && child->sizePolicy().verticalPolicy() != QSizePolicy::Ignored) {
      EXPECT_GE(child->height(), std::min(least.height(), child->maximumHeight()))
          << name << ": " << child->metaObject()->className() << " squeezed";
    }
  }
}

void ExpectFormFits(Form& form, const std::string& name) {
  std::unique_ptr<FormDialog> dialog(CreateFormDialog(form, nullptr));
  ASSERT_NE(dialog, nullptr) << name;
  dialog->Load();
  ExpectFitsALaptop(dialog.get(), name);
}

TEST(WindowSizes, EveryFormDialogFitsALaptop) {
  AppState app;
  MissingDataForm missing;
  missing.report = "The flow file has 2 years with data.\r\n";
  for (int y = 1900; y < 2050; ++y)
    missing.report += "     " + std::to_string(y) + "\t          12\t\t               7\r\n";
  missing.showExplanation = true;
  MissingDataDialog screening(missing, nullptr);
  ExpectFitsALaptop(&screening, "Missing  Data (150 years listed)");

  DataSetSelectionForm plain;
  plain.caption = SelectionModeCaption(kSelectToCompute);
  plain.entries = {"Sample Creek (C)", "Withdrawal"};
  plain.targets = {0, 1};
  plain.showMarkNotes = true;
  ExpectFormFits(plain, "data set selection");
  DataSetSelectionForm withHi = plain;
  withHi.caption = SelectionModeCaption(kSelectProfileToDisplay);
  OpenHiGroup(withHi.hi, app);
  withHi.hi.manual = true;
  ExpectFormFits(withHi, "data set selection with HI group");
  AlternativesSelectionForm alternatives;
  alternatives.caption = "Select up to 4 alternative data sets";
  alternatives.entries = {"Withdrawal 10%", "Reservoir"};
  alternatives.targets = {1, 2};
  OpenHiGroup(alternatives.hi, app);
  alternatives.hi.manual = true;
  ExpectFormFits(alternatives, "alternatives selection");

  ImportAgncForm agnc;
  ExpectFormFits(agnc, "Import AGNC Data");
  MissingPeakFileForm peaks;
  ExpectFormFits(peaks, "Missing Peak Flow File");
  AlternativeFileForm file;
  ExpectFormFits(file, "alternative file");
  StreamClassForm streamClass;
  ExpectFormFits(streamClass, "stream class");
  TitleDescriptionForm titles;
  ExpectFormFits(titles, "title and description");
  NewDataSetForm newSet;
  ExpectFormFits(newSet, "new data set");
  DataGridForm grid;
  for (int y = 1900; y < 2050; ++y) {
    grid.years.push_back(y);
    grid.values.emplace_back(366, 12.5f);
  }
  ExpectFormFits(grid, "Edit data set data (150 years)");
  ProjectSelectionForm projects;
  for (int i = 0; i < 100; ++i) projects.names.push_back("Project " + std::to_string(i));
  ExpectFormFits(projects, "Select a project");
  ProjectNameForm projectName;
  ExpectFormFits(projectName, "project name");
  ComputeForm compute;
  compute.caption = "Compute hydrologic indices for Sample Creek";
  compute.note = ComputeFormNote(true);
  ExpectFormFits(compute, "compute");
  for (int group = 1; group <= 8; ++group) {
    IndexSetForm set = MakeIndexSetForm(app.preferences, group);
    ExpectFormFits(set, "index set of group " + std::to_string(group));
  }
  MedianOptionForm median;
  ExpectFormFits(median, "Modify Indices");
  ProfileForm profile;
  profile.periodsLine = "Periods of record: 1950-1959, 1961-2019";
  ExpectFormFits(profile, "Time Period Profile Data");
  ReportTitleForm reportTitle;
  ExpectFormFits(reportTitle, "report title");
  PeriodChoiceForm period;
  period.caption = "First period of record";
  period.label = "Select the first period of record for comparison:";
  period.entries = {"Before", "After"};
  period.targets = {0, 1};
  ExpectFormFits(period, "period choice");
}

// The graph windows' own dialogs open only through their Ui: measured while they are up.
void ExpectGraphDialogFits(Form& form, const std::string& name) {
  QtUi program(QStringLiteral("ZELVO"));
  GraphUi ui(program, nullptr);
  bool measured = false;
  WhenModal([&](QWidget* dialog) {
    ExpectFitsALaptop(dialog, name);
    testing::Screenshot(dialog, QString::fromStdString("laptop_" + std::string(form.FormName())));
    measured = true;
    qobject_cast<QDialog*>(dialog)->reject();
  });
  ui.Edit(form);
  EXPECT_TRUE(measured) << name;
}

TEST(WindowSizes, GraphDialogsFitALaptop) {
  ThresholdForm threshold;
  ExpectGraphDialogFits(threshold, "Threshold");
  YAxisExtentsForm extents;
  ExpectGraphDialogFits(extents, "Set Y Axis Extents");
  CaptureForm capture;
  ExpectGraphDialogFits(capture, "Capture");
  GraphicsPreferencesForm preferences;
  ExpectGraphDialogFits(preferences, "Graphics Preferences");
}

// Answers every message with its default and cancels every dialog, so that windows opened on a
// project without profiles or results do not wait for a user.
class QuietUi : public Ui {
 public:
  Answer Message(const std::string&, Buttons buttons) override {
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  bool Edit(Form&, const FormCheck&) override { return false; }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}
};

class Records : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("zelvo_window_sizes_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    app.projectName = "Upper Creek";
    app.projectFolder = folder_;
    for (int i = 0; i < 3; ++i) {
      DataSetEntry e;
      e.title = "Gauge " + std::to_string(i + 1) + " on the South Fork of the Upper Creek";
      e.SetWaterYears(1905, 2019);
      e.fileName = DataSetFileName(i + 1);
      app.dataSets.push_back(e);
      FlowRecord r;
      r.yearCount = 115;
      for (int y = 0; y < r.yearCount; ++y) {
        r.years[y] = 1905 + y;
        for (int s = 0; s < kDaySlots; ++s) r.flows[y][s] = 10.0f + static_cast<float>((s * 7 + y) % 90);
      }
      ASSERT_TRUE(WriteDataSetFile(folder_ / e.fileName, r, false));
    }
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
  AppState app;
  QuietUi ui;
};

TEST_F(Records, MainAndGraphWindowsFitALaptop) {
  CommandTable table;
  QtUi programUi(QStringLiteral("ZELVO"));
  CMainFrame frame(app, table, programUi);
  ExpectFitsALaptop(&frame, "main window", false);

  for (FlowWindowKind kind :
       {FlowWindowKind::DataSets, FlowWindowKind::TimePeriods, FlowWindowKind::Alternatives}) {
    FlowGraphDialog flows(app, kind, ui);
    flows.SelectEntries({0, 1, 2});
    ExpectFitsALaptop(&flows, "flow graph window " + std::to_string(static_cast<int>(kind)));
    testing::Screenshot(&flows, "laptop_flow_graph_" + QString::number(static_cast<int>(kind)));
  }
  for (IndexWindowKind kind : {IndexWindowKind::Alternatives, IndexWindowKind::Profiles}) {
    IndexGraphDialog indices(app, kind, ui);
    // With "Manually Select" the index list and the monthly groups take their room as well.
    for (QRadioButton* radio : indices.findChildren<QRadioButton*>())
      if (radio->text() == "Manually Select") radio->click();
    ExpectFitsALaptop(&indices, "index graph window " + std::to_string(static_cast<int>(kind)));
    testing::Screenshot(&indices, "laptop_index_graph_" + QString::number(static_cast<int>(kind)));
  }
  HelpWindow help(table, nullptr);
  ExpectFitsALaptop(&help, "help");
  AboutBox about(nullptr);
  ExpectFitsALaptop(&about, "about");
  const std::filesystem::path report = folder_ / "table.txt";
  { std::ofstream(report) << "Dam - Hydrologic Index Values\n"; }
  TextWindow text(QString::fromStdString(report.string()), TextWindow::Mode::Edit, nullptr);
  const Status loaded = text.Load();
  ASSERT_TRUE(loaded) << loaded.Message();
  ExpectFitsALaptop(&text, "text window");
}

TEST(WindowSizes, TarvelWindowsFitALaptop) {
  tarvel::TarvelWindow window(
      [](const tarvel::StationImportRequest&, FlowRecord&, Ui&) { return Status::Failure(""); });
  ExpectFitsALaptop(&window, "tarvel main window");
  tarvel::ClassificationScoresForm result;
  result.resultText = "The stream is classified as Perennial Flashy.";
  tarvel::ResultDialog scores(result, nullptr);
  ExpectFitsALaptop(&scores, "Classification  Scores");
  tarvel::BatchFileForm batch;
  QtUi ui(QStringLiteral("TARVEL"));
  tarvel::BatchDialog batchDialog(batch, ui, nullptr);
  ExpectFitsALaptop(&batchDialog, "Batch file for TARVEL");
  bool helpMeasured = false;
  WhenModal([&](QWidget* help) {
    ExpectFitsALaptop(help, "tarvel help");
    helpMeasured = true;
    qobject_cast<QDialog*>(help)->reject();
  });
  for (QPushButton* b : window.findChildren<QPushButton*>())
    if (b->objectName() == "help") b->click();
  EXPECT_TRUE(helpMeasured);
}

}  // namespace
}  // namespace zelvo::qt
