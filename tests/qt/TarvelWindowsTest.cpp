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

#include "support/EngineHarness.h"
#include "tarvel/BatchFile.h"
#include "tarvel/StationClassification.h"
#include "tarvel/qt/TarvelDialogs.h"
#include "tarvel/qt/TarvelWindow.h"

namespace zelvo::tarvel {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "zelvo_qt_tests";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  return *qobject_cast<QApplication*>(QApplication::instance());
}

void Screenshot(QWidget* w, const QString& name) {
  QDir().mkpath(ZELVO_SCREENSHOT_DIR);
  w->grab().save(QString(ZELVO_SCREENSHOT_DIR) + "/" + name + ".png");
}

// Runs `act` on the next modal dialog that opens (after it is shown).
void OnNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer();
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

StationImporter FakeImporter(std::map<std::string, FlowRecord> files) {
  return [files](const StationImportRequest& r, FlowRecord& record, Ui& ui) {
    const auto it = files.find(r.path);
    if (it == files.end()) {
      ui.Message("Can not open the daily flow input data file:  " + r.path);
      return false;
    }
    record = it->second;
    return true;
  };
}

TEST(TarvelWindowQt, OpeningStateAndFileTypeSwitching) {
  App();
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
  App();
  TarvelWindow window(FakeImporter({{"/data/creek.txt", zelvo::testing::ConstantRecord(4, 20.0f)}}));
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText("/data/creek.txt");
  QString caption, text;
  OnNextModal([&](QWidget* modal) {
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
  App();
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
  OnNextModal(answer);
  window.findChild<QPushButton*>("ok")->click();  // nothing typed
  OnNextModal(answer);
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
  App();
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("tarvel_qt_batch_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  { std::ofstream((dir / "list.csv").string(), std::ios::binary) << "gage1,3,1991,1994\r\n"; }
  TarvelWindow window(FakeImporter({{(dir / "gage1").string(), zelvo::testing::ConstantRecord(4, 2.0f)}}));
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText("batch");
  QString caption, batchDefault, outputDefault;
  OnNextModal([&](QWidget* modal) {
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
  fs::remove_all(dir);
}

TEST(TarvelWindowQt, AboutAndHelpWindows) {
  App();
  TarvelWindow window(FakeImporter({}));
  window.show();
  QString aboutText;
  OnNextModal([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) aboutText = box->text();
    Screenshot(modal, "tarvel_about");
    qobject_cast<QDialog*>(modal)->accept();
  });
  window.findChild<QPushButton*>("about")->click();
  EXPECT_TRUE(aboutText.contains("Version 1.0"));
  bool helpShown = false;
  OnNextModal([&](QWidget* modal) {
    helpShown = modal->windowTitle() == "Tarvel Help";
    Screenshot(modal, "tarvel_help");
    qobject_cast<QDialog*>(modal)->reject();
  });
  window.findChild<QPushButton*>("help")->click();
  EXPECT_TRUE(helpShown);
}

}  // namespace
}  // namespace zelvo::tarvel

#include "common/qt/MissingDataDialog.h"
#include "tarvel/StationImport.h"

namespace zelvo::tarvel {
namespace {

// Runs each action on the next modal window in turn (each one a new window).
void OnModals(std::vector<std::function<void(QWidget*)>> actions) {
  auto* timer = new QTimer();
  timer->setInterval(20);
  auto queue = std::make_shared<std::vector<std::function<void(QWidget*)>>>(std::move(actions));
  auto last = std::make_shared<QPointer<QWidget>>();
  QObject::connect(timer, &QTimer::timeout, [timer, queue, last] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == last->data()) return;
    *last = modal;
    auto act = queue->front();
    queue->erase(queue->begin());
    if (queue->empty()) {
      timer->stop();
      timer->deleteLater();
    }
    act(modal);
  });
  timer->start();
}

TEST(TarvelWindowQt, ScreeningWindowOfASingleStationRun) {
  App();
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("tarvel_qt_screen_" + std::to_string(::getpid()));
  fs::create_directories(dir);
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
  OnModals({
      [&](QWidget* modal) {
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
  EXPECT_EQ(question, "The number of years (2) is less than 20.\n\nDo you wish to continue?");
  EXPECT_FALSE(result.isEmpty());
  EXPECT_TRUE(window.isVisible());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zelvo::tarvel

namespace zelvo::tarvel {
namespace {

// A file with every column the service delivered: outside a batch tarvel asks which column to
// read, and Cancel stops the run without a result.
TEST(TarvelWindowQt, SeveralValueColumnsAskWhichColumnToRead) {
  App();
  const std::filesystem::path daily =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_04174500_HuronRiver_AnnArbor_MI_allcols.txt";
  if (!std::filesystem::exists(daily)) GTEST_SKIP() << "no real data at " << daily;
  TarvelWindow window(ReaderStationImporter());
  window.show();
  window.findChild<QLineEdit*>("fileName")->setText(QString::fromStdString(daily.string()));
  QString question, result;
  OnModals({
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

  OnModals({
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
