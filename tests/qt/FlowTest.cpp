// One whole flow through the main window as a user would click it: a new project, a data set
// put in its folder, its title and stream class edited, its daily values corrected in the grid;
// then the dialogs that the flow does not reach, each opened once and pictured.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "common/qt/CDatatbl.h"
#include "common/qt/TextWindow.h"
#include "qt/QtTestSupport.h"
#include "support/ProjectFiles.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/session/qt/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/CommandBindings.h"
#include "zelvo/shell/qt/CMainFrame.h"
#include "zelvo/shell/qt/ProgramCommands.h"
#include "zelvo/store/DataSetForms.h"
#include "zelvo/store/ProjectCommands.h"

namespace zelvo::qt {
namespace {

using testing::Screenshot;
using testing::WhenModal;

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

QMessageBox* Box(QWidget* w) { return qobject_cast<QMessageBox*>(w); }

TEST(Flow, NewProjectThenEditTitleClassAndDailyValuesOfItsDataSet) {
  zelvo::testing::TempFolder start;
  AppState app;
  StartApplication(app, start.Path());
  CommandTable table;
  BindProgramCommands(table);
  QtUi ui(QStringLiteral("ZELVO"));
  CMainFrame frame(app, table, ui);
  frame.show();
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("MORVIK (1.10)"));
  EXPECT_FALSE(frame.Action(kCmdEditDataSetTitle)->isEnabled());
  EXPECT_TRUE(frame.Action(kCmdGraphicsPreferences)->isEnabled());  // graphics preferences need no project

  // File > New Project.
  WhenModal([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>()->setText("Upper Creek 2");
    dialog->findChild<QPlainTextEdit*>()->setPlainText("Gauge below the mill");
    Screenshot(dialog, "project_name_dialog");
    QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
  });
  frame.Action(kCmdNewProject)->trigger();
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("MORVIK (1.10) - Project:  Upper Creek 2"));
  EXPECT_TRUE(std::filesystem::is_directory(start.Path() / "zelvoproj" / "Upper_Creek_2"));
  EXPECT_TRUE(frame.Action(kCmdEditDataSetTitle)->isEnabled());
  EXPECT_TRUE(frame.Action(kCmdEditDataSetData)->isEnabled());
  EXPECT_TRUE(frame.Action(kCmdGraphDataSet)->isEnabled());
  // Every command of the program is bound: none is greyed while a project is open.
  for (const Command& c : table.Commands()) EXPECT_TRUE(frame.Action(c.id)->isEnabled()) << c.text;
  Screenshot(&frame, "main_window_project_open");

  // A data set in the project folder, as an import would leave it.
  const std::filesystem::path folder = app.projectFolder;
  std::filesystem::copy_file(ZELVO_SAMPLES_DIR "/dataset_1", folder / "dataset_1");
  DataSetEntry entry;
  entry.title = "Sample Creek";
  entry.fileName = "dataset_1";
  entry.SetWaterYears(1981, 2010);
  entry.peakFlag = 1;  // the sample carries its peak section
  ASSERT_TRUE(WriteDataSetDirectory(folder, {entry}));
  app.dataSets = {entry};

  // Data Management > Edit Data Set Title/Description: the only data set is taken without asking.
  QString classLineBefore, classLineAfter;
  WhenModal([&](QWidget* dialog) {
    classLineBefore = dialog->findChildren<QLabel*>().last()->text();
    for (QLabel* l : dialog->findChildren<QLabel*>())
      if (l->text().startsWith("Stream class:")) classLineBefore = l->text();
    dialog->findChild<QLineEdit*>()->setText("Sample Creek at the mill");
    QPushButton* editClass = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == "Edit stream class") editClass = b;
    ASSERT_NE(editClass, nullptr);
    WhenModal(
        [&, dialog](QWidget* classDialog) {
          Screenshot(classDialog, "stream_class_dialog");
          for (QRadioButton* r : classDialog->findChildren<QRadioButton*>())
            if (r->text() == "High Volume Flashy") r->click();
          QTest::keyClick(classDialog, Qt::Key_Return);
          QTimer::singleShot(0, [&, dialog]() {
            for (QLabel* l : dialog->findChildren<QLabel*>())
              if (l->text().startsWith("Stream class:")) classLineAfter = l->text();
            Screenshot(dialog, "title_description_dialog");
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
          });
        },
        dialog);
    editClass->click();
  });
  frame.Action(kCmdEditDataSetTitle)->trigger();
  EXPECT_EQ(classLineBefore, QStringLiteral("Stream class:  Low Volume Stable"));
  EXPECT_EQ(classLineAfter, QStringLiteral("Stream class:  High Volume Flashy"));
  const std::vector<DataSetEntry> stored = zelvo::testing::StoredDataSets(folder);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].title, "Sample Creek at the mill");
  EXPECT_EQ(stored[0].streamClass, 2);

  // Data Management > Edit Data Set Data: a letter is refused, 1.5 is stored as 1.500.
  const std::string before = Slurp(folder / "dataset_1");
  QString refusal, firstCaption;
  int columns = 0, rows = 0;
  WhenModal([&](QWidget* dialog) {
    auto* grid = dialog->findChild<CDatatbl*>();
    columns = grid->columnCount();
    rows = grid->rowCount();
    firstCaption = grid->horizontalHeaderItem(0)->text();
    Screenshot(dialog, "data_grid_dialog");
    WhenModal(
        [&](QWidget* box) {
          refusal = Box(box)->text();
          Box(box)->button(QMessageBox::Ok)->click();
        },
        dialog);
    grid->item(0, 0)->setText("abc");
    QTimer::singleShot(50, [dialog, grid]() {
      grid->item(0, 0)->setText("1.5");
      QTest::keyClick(dialog, Qt::Key_Return);
    });
  });
  frame.Action(kCmdEditDataSetData)->trigger();
  EXPECT_EQ(columns, 30);
  EXPECT_EQ(rows, 366);
  EXPECT_EQ(firstCaption, QStringLiteral("1981"));
  EXPECT_EQ(refusal.toStdString(), CellNotANumberMessage("abc"));
  const std::string after = Slurp(folder / "dataset_1");
  EXPECT_NE(after, before);
  const std::size_t secondLine = after.find('\n') + 1;
  EXPECT_EQ(after.substr(secondLine, 13), "        1.500");
  // Every cell not edited is written back as it was read: only the first value changed.
  std::string expected = before;
  expected.replace(before.find('\n') + 1, 13, "        1.500");
  EXPECT_EQ(after, expected);
}

// Answers whatever modal window comes up, by its caption, as a user would; records message texts.
class Responder {
 public:
  std::map<QString, std::function<void(QWidget*)>> byCaption;
  // Runs on each message box before its Yes (or OK) is pressed.
  std::function<void(QMessageBox*)> beforeAnswer;
  std::vector<std::string> messages;
  std::vector<QMessageBox::Icon> icons;  // the icon of each message, in the same order
  std::vector<QString> captions;

  Responder() {
    QObject::connect(&timer_, &QTimer::timeout, [this]() { Poll(); });
    timer_.start(20);
  }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || handled_.count(modal)) return;
    handled_.insert(modal);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back(box->text().toStdString());
      icons.push_back(box->icon());
      if (beforeAnswer) beforeAnswer(box);
      QAbstractButton* b =
          box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok);
      QTimer::singleShot(0, b, &QAbstractButton::click);
      return;
    }
    captions.push_back(modal->windowTitle());
    const auto it = byCaption.find(modal->windowTitle());
    if (it != byCaption.end()) {
      QPointer<QWidget> target(modal);
      QTimer::singleShot(0, [target, act = it->second]() {
        if (target) act(target);
      });
    }
  }
  QTimer timer_;
  std::set<QWidget*> handled_;
};

TEST(Flow, ImportTheSampleDailyFileComputeItsIndicesAndShowTheDataSetReport) {
  zelvo::testing::TempFolder start;
  AppState app;
  StartApplication(app, start.Path());
  CommandTable table;
  BindProgramCommands(table);
  QtUi ui(QStringLiteral("ZELVO"));
  CMainFrame frame(app, table, ui);
  frame.show();

  Responder user;
  user.byCaption["Enter project name and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Sample Study");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Enter dataset title and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Sample Creek");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Select the stream class"] = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); };
  user.byCaption["Import AGNC Data"] = [](QWidget* d) {
    d->findChild<QLineEdit*>("dailyFile")->setText(ZELVO_SAMPLES_DIR "/sample_creek_daily.txt");
    d->findChild<QLineEdit*>("peakFile")->setText(ZELVO_SAMPLES_DIR "/sample_creek_peaks.txt");
    Screenshot(d, "import_agnc_dialog");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Missing  Data"] = [](QWidget* d) {
    Screenshot(d, "missing_data_dialog");
    for (QPushButton* b : d->findChildren<QPushButton*>())
      if (b->text() == "Import All Data") b->click();
  };
  user.byCaption["Compute hydrologic indices for Sample Creek"] = [](QWidget* d) {
    d->findChildren<QLineEdit*>()[0]->setText("25.4");
    QTest::keyClick(d, Qt::Key_Return);
  };

  frame.Action(kCmdNewProject)->trigger();
  ASSERT_EQ(frame.windowTitle(), QStringLiteral("MORVIK (1.10) - Project:  Sample Study"));
  ASSERT_TRUE(frame.Action(kCmdImportAgncData)->isEnabled());
  frame.Action(kCmdImportAgncData)->trigger();  // Data Management > Import AGNC Data
  ASSERT_EQ(app.dataSets.size(), 1u);
  EXPECT_EQ(app.dataSets[0].title, "Sample Creek");
  EXPECT_TRUE(std::filesystem::exists(app.projectFolder / "dataset_1"));
  const auto completed =
      std::find(user.messages.begin(), user.messages.end(), "Import successfully completed.");
  ASSERT_NE(completed, user.messages.end());
  // News of work done carries the information icon, not the warning of a failure.
  EXPECT_EQ(user.icons[static_cast<std::size_t>(completed - user.messages.begin())],
            QMessageBox::Information);

  frame.Action(kCmdComputeAlternativeIndices)
      ->trigger();  // Alternative Analysis > Compute Hydrologic Indices
  EXPECT_TRUE(std::filesystem::exists(app.projectFolder / "hiout_1.csv"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait cursor is gone again

  // The data set now carries its computed mark in the selection list of mode 11.
  const DataSetSelectionForm list = MakeDataSetSelectionForm(app, kSelectToCompute);
  ASSERT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(list.entries[0], "Sample Creek (C)");

  frame.Action(kCmdDataSetReport)->trigger();  // Data Management > Display Data Set Report
  const std::vector<TextWindow*> reports = ui.OpenReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(std::filesystem::path(reports[0]->Path().toStdString()).filename(), "dump.txt");
  EXPECT_TRUE(reports[0]->ShownText().contains("Sample Creek"));
  Screenshot(reports[0], "data_set_report");
  reports[0]->close();
}

// An agency file with every column the service delivered: the import asks which column to read
// before anything is stored, and Yes reads the daily mean discharge.
TEST(Flow, ImportOfAFileWithSeveralValueColumnsAsksWhichColumnToRead) {
  const std::filesystem::path daily =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_08057000_TrinityRiver_Dallas_TX_allcols.txt";
  if (!std::filesystem::exists(daily)) GTEST_SKIP() << "no real data at " << daily;
  zelvo::testing::TempFolder start;
  AppState app;
  StartApplication(app, start.Path());
  CommandTable table;
  BindProgramCommands(table);
  QtUi ui(QStringLiteral("ZELVO"));
  CMainFrame frame(app, table, ui);
  frame.show();

  Responder user;
  user.byCaption["Enter project name and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Trinity");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Enter dataset title and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Trinity at Dallas");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Select the stream class"] = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); };
  user.byCaption["Import AGNC Data"] = [&daily](QWidget* d) {
    d->findChild<QLineEdit*>("dailyFile")->setText(QString::fromStdString(daily.string()));
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Missing Peak Flow File"] = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); };
  bool screenedAfterTheQuestion = false;
  user.byCaption["Missing  Data"] = [&user, &screenedAfterTheQuestion](QWidget* d) {
    screenedAfterTheQuestion = !user.messages.empty();
    for (QPushButton* b : d->findChildren<QPushButton*>())
      if (b->text() == "Import All Data") b->click();
  };
  QStringList buttons;
  user.beforeAnswer = [&buttons](QMessageBox* box) {
    if (!box->text().startsWith("The daily flow input data file")) return;
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    Screenshot(box, "value_columns_question");
  };

  frame.Action(kCmdNewProject)->trigger();
  frame.Action(kCmdImportAgncData)->trigger();
  ASSERT_EQ(app.dataSets.size(), 1u);
  ASSERT_EQ(user.messages.size(), 2u);
  EXPECT_TRUE(user.messages[0].starts_with("The daily flow input data file, " + daily.string() +
                                           ", has more than one value column."));
  EXPECT_NE(
      user.messages[0].find("     133521_00065_00002:  99 lines\n          Gage height, feet (Minimum)\n"),
      std::string::npos);
  EXPECT_EQ(user.messages[1], "Import successfully completed.");
  EXPECT_TRUE(screenedAfterTheQuestion);
  EXPECT_EQ(buttons.size(), 3);
}

TEST(SelectionDialogs, TheHiGroupHidesItsManualControlsAndFollowsTheMonthlyRules) {
  DataSetSelectionForm form;
  form.mode = kSelectProfileToDisplay;
  form.caption = SelectionModeCaption(kSelectProfileToDisplay);
  form.entries = {"Before the dam", "After the dam"};
  form.targets = {1, 2};
  form.hi.shown = true;
  for (int i = 0; i < 171; ++i) form.hi.indexNames.push_back("I" + std::to_string(i));
  form.hi.indexNames[MonthlyGroupFirstIndex(2)] = "MA24";
  QtUi ui(QStringLiteral("ZELVO"));
  std::vector<std::string> messages;
  bool hiddenAtOpen = false, shownAfterManual = false, notSelectedAfterClick = false;
  int selectedAfterClick = 0;
  WhenModal([&](QWidget* dialog) {
    auto* hi = dialog->findChild<HiSelectionBox*>();
    ASSERT_NE(hi, nullptr);
    hiddenAtOpen = !hi->IndexList()->isVisible() && !hi->ClearButton()->isVisible();
    hi->ManualRadio()->click();
    shownAfterManual = hi->IndexList()->isVisible() && hi->MonthlyRadio(2)->isVisible();
    hi->MonthlyRadio(2)->click();                  // MA24-35
    hi->IndexList()->item(47)->setSelected(true);  // ML3, by the user
    notSelectedAfterClick = hi->MonthlyRadio(0)->isChecked();
    selectedAfterClick = static_cast<int>(hi->IndexList()->selectedItems().size());
    Screenshot(dialog, "dataset_selection_mode8");
    WhenModal(
        [&, dialog, hi](QWidget* box) {
          messages.push_back(Box(box)->text().toStdString());
          Box(box)->button(QMessageBox::Ok)->click();
          QTimer::singleShot(0, [dialog, hi]() {
            hi->ClearButton()->click();
            hi->IndexList()->item(5)->setSelected(true);
            dialog->findChild<QListWidget*>(QStringLiteral("entryList"))->setCurrentRow(1);
            QTest::keyClick(dialog, Qt::Key_Return);
          });
        },
        dialog);
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ASSERT_TRUE(EditForm<DataSetSelectionForm>(ui, form, CheckDataSetSelection));
  EXPECT_TRUE(hiddenAtOpen);
  EXPECT_TRUE(shownAfterManual);
  EXPECT_TRUE(notSelectedAfterClick);
  EXPECT_EQ(selectedAfterClick, 13);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"The number of indices selected exceeds the maximum of 12."}));
  EXPECT_EQ(form.chosen, 1);
  EXPECT_EQ(form.hi.selected, (std::vector<int>{5}));
  EXPECT_EQ(form.hi.monthlyGroup, 0);
}

TEST(SelectionDialogs, TheFifthAlternativeIsWarnedAboutAndOkNeedsOne) {
  AlternativesSelectionForm form;
  form.maximum = 4;
  form.caption = "Select up to 4 alternative data sets";
  form.entries = {"Alt A", "Alt B", "Alt C", "Alt D", "Alt E"};
  form.targets = {1, 2, 3, 4, 5};
  form.hi.shown = true;
  for (int i = 0; i < 171; ++i) form.hi.indexNames.push_back("I" + std::to_string(i));
  QtUi ui(QStringLiteral("ZELVO"));
  std::vector<std::string> messages;
  WhenModal([&](QWidget* dialog) {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("alternativeList"));
    WhenModal(
        [&, dialog, list](QWidget* box) {
          messages.push_back(Box(box)->text().toStdString());
          Box(box)->button(QMessageBox::Ok)->click();
          QTimer::singleShot(0, [&, dialog, list]() {
            list->clearSelection();
            WhenModal(
                [&, dialog, list](QWidget* box2) {
                  messages.push_back(Box(box2)->text().toStdString());
                  Box(box2)->button(QMessageBox::Ok)->click();
                  QTimer::singleShot(0, [dialog, list]() {
                    list->item(1)->setSelected(true);
                    list->item(3)->setSelected(true);
                    QTest::keyClick(dialog, Qt::Key_Return);
                  });
                },
                dialog);
            QTest::keyClick(dialog, Qt::Key_Return);  // nothing selected
          });
        },
        dialog);
    Screenshot(dialog, "alternatives_selection");
    for (int row = 0; row < 5; ++row) list->item(row)->setSelected(true);
  });
  ASSERT_TRUE(EditForm<AlternativesSelectionForm>(ui, form, CheckAlternativesSelection));
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                "The maximum number of alternatives that can be selected is 4.  Please unselect one.",
                "Please select an alternative."}));
  EXPECT_EQ(form.selected, (std::vector<int>{1, 3}));
}

TEST(PreferenceDialogs, IndexSetDialogHidesPositionsNotOfferedAndReturnsTheChoice) {
  Preferences prefs;
  IndexSetForm form = MakeIndexSetForm(prefs, 1);
  QtUi ui(QStringLiteral("ZELVO"));
  int visibleInFlComponent = 0;
  QString caption;
  WhenModal([&](QWidget* dialog) {
    caption = dialog->windowTitle();
    const QList<QRadioButton*> radios = dialog->findChildren<QRadioButton*>();
    for (QRadioButton* r : radios) {
      if (r->text() == "FL3 [RM]" || r->text() == "FL1 [RM]") ++visibleInFlComponent;
      if (r->text() == "MA20 [RM]") r->click();
    }
    Screenshot(dialog, "index_set_dialog");
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(caption, QStringLiteral("Low Volume Stable"));
  EXPECT_EQ(visibleInFlComponent, 2);
  EXPECT_EQ(form.choice[0], 3);
  int shown = 0;
  for (int p = 0; p < kCandidatePositions; ++p) shown += form.visible[3][p] ? 1 : 0;
  EXPECT_EQ(shown, 2);

  MedianOptionForm median;
  WhenModal([&](QWidget* dialog) {
    dialog->findChild<QCheckBox*>()->click();
    Screenshot(dialog, "modify_indices_dialog");
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ASSERT_TRUE(ui.Edit(median));
  EXPECT_TRUE(median.useMedian);
}

TEST(ProjectDialogs, SelectionListReturnsTheDoubleClickedProject) {
  ProjectSelectionForm form;
  form.names = {"Upper Creek", "Lower Creek", "Mill Race"};
  QtUi ui(QStringLiteral("ZELVO"));
  QString caption;
  WhenModal([&](QWidget* dialog) {
    caption = dialog->windowTitle();
    auto* list = dialog->findChild<QListWidget*>();
    Screenshot(dialog, "project_selection_dialog");
    list->setCurrentRow(2);
    emit list->itemDoubleClicked(list->item(2));
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(caption, QStringLiteral("Select a project"));
  EXPECT_EQ(form.chosen, 2);
}

}  // namespace
}  // namespace zelvo::qt
