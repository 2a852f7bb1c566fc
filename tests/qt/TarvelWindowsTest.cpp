// The classification program's windows under the offscreen platform: the main window's
// controls, one single-station run through the result window, and one batch through the batch
// dialog. Each window is saved as a screenshot.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "qt/QtTestSupport.h"
#include "support/EngineHarness.h"
#include "support/TempFolder.h"
#include "tarvel/BatchFile.h"
#include "tarvel/StationClassification.h"
#include "tarvel/qt/TarvelDialogs.h"
#include "tarvel/qt/TarvelWindow.h"

namespace zelvo::tarvel {
namespace {

using qt::testing::Screenshot;
using qt::testing::WhenModal;
using qt::testing::WhenModals;

StationImporter FakeImporter(std::map<std::string, FlowRecord> files) {
  return [files](const StationImportRequest& r, FlowRecord& record, Ui& ui) {
    const auto it = files.find(r.path);
    if (it == files.end()) {
      ui.Message("Can not open the daily flow input data file:  " + r.path);
      return Status::Failure("Can not open the daily flow input data file:  " + r.path);
    }
    record = it->second;
    return Status::Success();
  };
}

TEST(TarvelWindowQt, OpeningStateAndFileTypeSwitching) {
  TarvelWindow window(FakeImporter({}));
  window.show();
  EXPECT_EQ(window.windowTitle(), "Tarvel - Version 1.0");
  auto* daily = window.findChild<QRadioButton*>("dailyRadio");
  auto* csv = window.findChild<QRadioButton*>("csvRadio");
  auto* label = window.findChild<QLabel*>("fileLabel");
  auto* begin = window.findChild<QLineEdit*>("beginYear");
  auto* end = window.findChild<QLineEdit*>("endYear");
  ASSERT_TRUE(daily && csv && label && begin && end);
  EXPECT_EQ(daily->text(), "AGNC flow files");
  EXPECT_EQ(csv->text(), "Comma Separated Variable (.csv) file");
  EXPECT_TRUE(daily->isChecked());
  EXPECT_EQ(label->text(), "Daily Flow Data File:");
  EXPECT_EQ(begin->text(), "0");
  EXPECT_EQ(end->text(), "0");
  EXPECT_TRUE(begin->isEnabled());
  EXPECT_FALSE(window.findChild<QProgressBar*>("progress")->isVisible());
  EXPECT_TRUE(window.findChild<QLabel*>("status")->text().isEmpty());
  Screenshot(&window, "tarvel_main");

  csv->click();
  EXPECT_EQ(label->text(), ".CSV Data File:");
  EXPECT_FALSE(begin->isEnabled());
  EXPECT_FALSE(end->isEnabled());
  EXPECT_EQ(window.State().fields.fileType, kCsvFile);
  Screenshot(&window, "tarvel_main_csv");
  daily->click();
  EXPECT_EQ(label->text(), "Daily Flow Data File:");
  EXPECT_TRUE(end->isEnabled());
}

TEST(TarvelWindowQt, SingleStationShowsTheResultWindow) {
  TarvelWindow window(FakeImporter({{"/data/creek.txt", zelvo::testing::ConstantRecord(4, 20.0f)}}));
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText("/data/creek.txt");
  QString caption, text;
  WhenModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    if (auto* l = modal->findChild<QLabel*>("resultText")) text = l->text();
    Screenshot(modal, "tarvel_result");
    qobject_cast<QDialog*>(modal)->accept();
  });
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(caption, "Classification  Scores");
  const int code = ClassifyFlowRecord(zelvo::testing::ConstantRecord(4, 20.0f)).classCode;
  EXPECT_EQ(text.toStdString(), ClassificationResultText(code));
  // The bar stays visible at 0; the status line is clear; the window stays open.
  auto* bar = window.findChild<QProgressBar*>("progress");
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->value(), 0);
  EXPECT_TRUE(window.findChild<QLabel*>("status")->text().isEmpty());
  EXPECT_TRUE(window.isVisible());
  Screenshot(&window, "tarvel_main_after_run");
}

TEST(TarvelWindowQt, AFailedOrNamelessRunLeavesNoImportingTextBehind) {
  TarvelWindow window(FakeImporter({}));
  window.show();
  auto* status = window.findChild<QLabel*>("status");
  std::vector<std::string> messages;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  auto answer = [&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    messages.push_back(box->text().toStdString());
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  };
  WhenModal(answer);
  window.findChild<QPushButton*>("ok")->click();  // nothing typed
  WhenModal(answer);
  window.findChild<QLineEdit*>("fileName")->setText("/data/missing.txt");
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Please enter the name of a daily flow file.",
                                      "Can not open the daily flow input data file:  /data/missing.txt"}));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_TRUE(status->text().isEmpty());
  EXPECT_TRUE(window.isVisible());
  Screenshot(&window, "tarvel_main_after_failed_run");
}

TEST(TarvelWindowQt, BatchDialogRunsTheBatchAndClosesTheWindow) {
  namespace fs = std::filesystem;
  const zelvo::testing::TempFolder temp;
  const fs::path dir = temp.Path();
  { std::ofstream((dir / "list.csv").string(), std::ios::binary) << "gage1,3,1991,1994\r\n"; }
  TarvelWindow window(FakeImporter({{(dir / "gage1").string(), zelvo::testing::ConstantRecord(4, 2.0f)}}));
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText("batch");
  QString caption, batchDefault, outputDefault;
  WhenModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    auto* batch = modal->findChild<QLineEdit*>("batchFile");
    auto* output = modal->findChild<QLineEdit*>("outputFile");
    batchDefault = batch->text();
    outputDefault = output->text();
    Screenshot(modal, "tarvel_batch_dialog");
    batch->setText(QString::fromStdString((dir / "list.csv").string()));
    output->setText(QString::fromStdString((dir / "out.csv").string()));
    qobject_cast<QDialog*>(modal)->accept();
  });
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(caption, "Batch file for TARVEL");
  EXPECT_EQ(batchDefault.toStdString(), DefaultBatchFilePath());
  EXPECT_EQ(outputDefault.toStdString(), DefaultBatchOutputPath());
  EXPECT_FALSE(window.isVisible());  // a finished batch closes the program's window
  std::ifstream in((dir / "out.csv").string(), std::ios::binary);
  std::stringstream out;
  out << in.rdbuf();
  const int code = ClassifyFlowRecord(zelvo::testing::ConstantRecord(4, 2.0f)).classCode;
  EXPECT_EQ(out.str(), std::string(kBatchOutputHeader) + BatchOutputLine({"gage1", 3, 0, 0}, code));
  EXPECT_EQ(window.findChild<QLineEdit*>("fileName")->text().toStdString(), (dir / "gage1").string());
}

TEST(TarvelWindowQt, AboutAndHelpWindows) {
  TarvelWindow window(FakeImporter({}));
  window.show();
  QString aboutText;
  WhenModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) aboutText = box->text();
    Screenshot(modal, "tarvel_about");
    qobject_cast<QDialog*>(modal)->accept();
  });
  window.findChild<QPushButton*>("about")->click();
  EXPECT_TRUE(aboutText.contains("Version 1.0"));
  bool helpShown = false;
  WhenModal([&](QWidget* modal) {
    helpShown = modal->windowTitle() == "Tarvel Help";
    Screenshot(modal, "tarvel_help");
    qobject_cast<QDialog*>(modal)->reject();
  });
  window.findChild<QPushButton*>("help")->click();
  EXPECT_TRUE(helpShown);
}

}  // namespace
}  // namespace zelvo::tarvel

#include <QFileDialog>
#include <QPlainTextEdit>

#include "common/qt/MissingDataDialog.h"
#include "common/qt/TextWindow.h"
#include "support/TempFolder.h"
#include "tarvel/StationImport.h"
#include "tarvel/qt/TarvelUi.h"

namespace zelvo::tarvel {
namespace {

using qt::testing::Screenshot;
using qt::testing::WhenModal;
using qt::testing::WhenModals;

TEST(TarvelWindowQt, ScreeningWindowOfASingleStationRun) {
  namespace fs = std::filesystem;
  const zelvo::testing::TempFolder temp;
  const fs::path dir = temp.Path();
  const std::string file = (dir / "gaps.txt").string();
  {
    // Water years 1991 and 1992; 1992 lacks its first ten days.
    std::ofstream f(file, std::ios::binary);
    f << "agency_cd\tsite_no\tdatetime\tflow\tflow_cd\r\n";
    for (int wy = 1991; wy <= 1992; ++wy) {
      QDate d(wy - 1, 10, 1);
      const QDate end(wy, 9, 30);
      for (int n = 0; d <= end; d = d.addDays(1), ++n) {
        if (wy == 1992 && n < 10) continue;
        f << "AGNC\t01234567\t" << d.toString("yyyy-MM-dd").toStdString() << "\t" << (12 + n % 7)
          << "\tA\r\n";
      }
    }
  }
  TarvelWindow window(ReaderStationImporter());
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText(QString::fromStdString(file));
  QString screeningCaption, excludeText, abortText, question, result;
  bool explanationShown = false;
  bool waitCursorOverScreening = true;
  WhenModals({
      [&](QWidget* modal) {
        waitCursorOverScreening = QApplication::overrideCursor() != nullptr;
        screeningCaption = modal->windowTitle();
        excludeText = modal->findChild<QPushButton*>("choice2")->text();
        abortText = modal->findChild<QPushButton*>("choice4")->text();
        explanationShown = modal->findChild<QLabel*>("explanation")->isVisible();
        Screenshot(modal, "tarvel_missing_data");
        modal->findChild<QPushButton*>("choice3")->click();  // keep every year that has data
      },
      [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) question = box->text();
        Screenshot(modal, "tarvel_fewer_than_20");
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
      },
      [&](QWidget* modal) {
        if (auto* l = modal->findChild<QLabel*>("resultText")) result = l->text();
        qobject_cast<QDialog*>(modal)->accept();
      },
  });
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(screeningCaption, "Missing  Data");
  EXPECT_EQ(excludeText, "Exclude Years With Missing Data");
  EXPECT_EQ(abortText, "Abort Classification");
  EXPECT_TRUE(explanationShown);
  EXPECT_FALSE(waitCursorOverScreening);  // the import is busy, the user reads the report
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(question, "The number of years (2) is less than 20.\n\nDo you wish to continue?");
  EXPECT_FALSE(result.isEmpty());
  EXPECT_TRUE(window.isVisible());
}

// The program's Ui is the shared Qt face: its message boxes (plain text, the program's
// caption), the normal cursor over them during long work, the file filters under which files
// without a dot show, and the text window that keeps a corrected file's CR LF line ends.
TEST(TarvelUiQt, SharedMessageBoxesFiltersCursorAndTextWindow) {
  QWidget window;
  window.show();
  TarvelUi ui(&window);
  ui.SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  QString title, text;
  Qt::TextFormat format = Qt::AutoText;
  bool waitCursorOverBox = true;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    format = box->textFormat();
    waitCursorOverBox = QApplication::overrideCursor() != nullptr;
    Screenshot(modal, "tarvel_message");
    box->button(QMessageBox::Ok)->click();
  });
  ui.Message("Can not open the import file:  <b>gage 7</b>.");
  EXPECT_EQ(title, "tarvel");
  EXPECT_EQ(text, "Can not open the import file:  <b>gage 7</b>.");
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_FALSE(waitCursorOverBox);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);  // back once the box is closed
  ui.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  QStringList filters;
  WhenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    dialog->reject();
  });
  EXPECT_EQ(BrowseForDataFile(ui, "/data/gage1"), std::nullopt);
  EXPECT_EQ(filters, (QStringList{"Data Files (*)", "All Files (*)"}));

  zelvo::testing::TempFolder folder;
  const std::string path = (folder / "gage1").string();
  zelvo::testing::WriteWholeFile(path, "AGNC\t1\t1990-10-01\t5\r\nAGNC\t1\t1990-10-02\tx\r\n");
  bool editable = false;
  WhenModal([&](QWidget* modal) {
    auto* textWindow = qobject_cast<qt::TextWindow*>(modal);
    ASSERT_NE(textWindow, nullptr);
    editable = textWindow->WindowMode() == qt::TextWindow::Mode::Edit;
    Screenshot(modal, "tarvel_correct_file");
    textWindow->Editor()->setPlainText("AGNC\t1\t1990-10-01\t5\nAGNC\t1\t1990-10-02\t6");
    EXPECT_TRUE(textWindow->Save().Ok());
    textWindow->reject();
  });
  ui.ShowReport(path, true);
  EXPECT_TRUE(editable);
  EXPECT_EQ(zelvo::testing::ReadWholeFile(path), "AGNC\t1\t1990-10-01\t5\r\nAGNC\t1\t1990-10-02\t6\r\n");
}

}  // namespace
}  // namespace zelvo::tarvel

namespace zelvo::tarvel {
namespace {

// A file with every column the service delivered: outside a batch tarvel asks which column to
// read, and Cancel stops the run without a result.
TEST(TarvelWindowQt, SeveralValueColumnsAskWhichColumnToRead) {
  const std::filesystem::path daily =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_04174500_HuronRiver_AnnArbor_MI_allcols.txt";
  if (!std::filesystem::exists(daily)) GTEST_SKIP() << "no real data at " << daily;
  TarvelWindow window(ReaderStationImporter());
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText(QString::fromStdString(daily.string()));
  QString question, result;
  WhenModals({
      [&](QWidget* modal) {
        question = qobject_cast<QMessageBox*>(modal)->text();
        Screenshot(modal, "tarvel_value_columns_question");
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
      },
  });
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_TRUE(question.contains(
      "     04_00010_00002:  1712 lines\n          Temperature, water, degrees Celsius (Minimum)\n"));
  EXPECT_TRUE(question.endsWith("Cancel:  stop the classification."));
  EXPECT_TRUE(window.isVisible());

  WhenModals({
      [&](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); },
      [&](QWidget* modal) { modal->findChild<QPushButton*>("choice3")->click(); },
      [&](QWidget* modal) {
        if (auto* l = modal->findChild<QLabel*>("resultText")) result = l->text();
        qobject_cast<QDialog*>(modal)->accept();
      },
  });
  window.findChild<QPushButton*>("ok")->click();
  EXPECT_FALSE(result.isEmpty());
}

}  // namespace
}  // namespace zelvo::tarvel
