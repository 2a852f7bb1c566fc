// The pictures of the user guide (docs/guide.md), taken from the real windows on the offscreen
// platform while the guide's example is worked through as a user clicks it: a project, the
// Trinity River at Dallas record imported with a peak file, its indices, a time period profile
// before and after 1955, the data set report, the comparison report, the exceedence curves, the
// index ranges, and tarvel on the same file.
//
// scripts/guide_screenshots.sh runs it with ZELVO_GUIDE_IMAGES=docs/images (and the reports the
// guide quotes in ZELVO_GUIDE_REPORTS); ctest runs it into the build folder, so a change that
// breaks a step of the guide fails there, and so does a figure of the guide that is no longer the
// one the program writes.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/qt/QtUi.h"
#include "common/qt/TextWindow.h"
#include "support/TempFolder.h"
#include "tarvel/StationImport.h"
#include "tarvel/qt/TarvelWindow.h"
#include "zelvo/graphs/qt/FlowGraphDialog.h"
#include "zelvo/graphs/qt/IndexGraphDialog.h"
#include "zelvo/session/qt/SelectionDialogs.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/qt/CMainFrame.h"
#include "zelvo/shell/qt/ProgramCommands.h"

namespace zelvo::qt {
namespace {

namespace fs = std::filesystem;

const char* const kDailyFile = "dv_08057000_TrinityRiver_Dallas_TX.txt";
const char* const kPeakFile = "peaks/pk_03335500_WabashRiver_Lafayette_IN.txt";

// The indices the guide compares, chosen by hand: none of them uses the peak file (which is of
// another river), two of each group. Catalogue positions of MA1, ML17, DL1, DH1, FL1, FH1, TL1,
// TH1, RA1 and RA8.
const std::vector<int> kGuideIndices{0, 61, 108, 128, 94, 97, 155, 159, 162, 169};

// Chooses the guide's indices in a list of the 171 index names.
void ChooseIndices(QListWidget* list) {
  list->clearSelection();
  for (int n : kGuideIndices) list->item(n)->setSelected(true);
}

// Where the pictures go: ZELVO_GUIDE_IMAGES when set (the script), else the build folder.
QString ImageFolder() {
  const QString asked = qEnvironmentVariable("ZELVO_GUIDE_IMAGES");
  return asked.isEmpty() ? QStringLiteral(ZELVO_GUIDE_IMAGE_DIR) : asked;
}

void Picture(QWidget* widget, const QString& name) {
  QDir().mkpath(ImageFolder());
  QApplication::processEvents();
  const QString path = ImageFolder() + '/' + name + QStringLiteral(".png");
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

void Click(QWidget* root, const QString& text) {
  for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
    if (b->text() == text) {
      b->click();
      return;
    }
  ADD_FAILURE() << "no button " << text.toStdString() << " in " << root->windowTitle().toStdString();
}

// Answers each modal window by its caption, as the user of the guide does; message boxes are
// answered Yes (or OK) and their texts kept. A window without an answer fails the run, and so
// does one still open a minute after its answer (a slow machine draws a graph in seconds).
class User {
 public:
  std::map<QString, std::function<void(QWidget*)>> byCaption;
  std::vector<std::string> messages;

  User() {
    QObject::connect(&timer_, &QTimer::timeout, [this]() { Poll(); });
    timer_.start(20);
  }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal == answered_ && answeredAt_.elapsed() > kAnswerLimitMs) {
      ADD_FAILURE() << "the window " << modal->windowTitle().toStdString() << " stayed open after its step";
      answered_ = nullptr;
      modal->close();
      return;
    }
    // A mark on the window itself: a later window may be made at the address of a closed one.
    if (!modal || !modal->isVisible() || modal->property("guideAnswered").toBool()) return;
    modal->setProperty("guideAnswered", true);
    answered_ = modal;
    answeredAt_.start();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back(box->text().toStdString());
      std::cout << "message: " << messages.back() << "\n";
      QAbstractButton* b =
          box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok);
      QTimer::singleShot(0, b, &QAbstractButton::click);
      return;
    }
    std::cout << "window: " << modal->windowTitle().toStdString() << "\n";
    const auto it = byCaption.find(modal->windowTitle());
    if (it == byCaption.end()) {
      ADD_FAILURE() << "the guide has no step for the window " << modal->windowTitle().toStdString();
      QTimer::singleShot(0, modal, &QWidget::close);
      return;
    }
    QPointer<QWidget> target(modal);
    QTimer::singleShot(50, [target, act = it->second]() {
      if (target) act(target);
    });
  }
  static constexpr int kAnswerLimitMs = 60000;
  QTimer timer_;
  QPointer<QWidget> answered_;
  QElapsedTimer answeredAt_;
};

// The last report window the program opened, sized for the guide, pictured and closed.
std::string PictureReport(QtUi& ui, const QString& name, int height) {
  const std::vector<TextWindow*> reports = ui.OpenReports();
  if (reports.empty()) {
    ADD_FAILURE() << "no report window for " << name.toStdString();
    return {};
  }
  TextWindow* report = reports.back();
  report->resize(860, height);
  Picture(report, name);
  const std::string text = report->ShownText().toStdString();
  report->close();
  QApplication::processEvents();
  return text;
}

// The guide's line of a table that begins with `start` ("| MA1 |"); empty when it has none.
std::string GuideRow(const std::string& guide, const std::string& start) {
  std::size_t at = guide.find("\n" + start);
  if (at == std::string::npos) return {};
  ++at;
  return guide.substr(at, guide.find('\n', at) - at);
}

// The numbers of a report line after its label ("  HI Value    49.83   247.83 ...").
std::vector<std::string> NumbersOf(const std::string& line) {
  std::vector<std::string> numbers;
  std::istringstream words(line);
  for (std::string w; words >> w;)
    if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '-')) numbers.push_back(w);
  return numbers;
}

// The "HI Value" line of one index in the comparison report.
std::string HiValueLine(const std::string& report, const std::string& index) {
  const std::size_t block = report.find("Index:  " + index + "\n");
  if (block == std::string::npos) return {};
  const std::size_t line = report.find("  HI Value", block);
  return line == std::string::npos ? std::string() : report.substr(line, report.find('\n', line) - line);
}

// The value column of one index in a results file, as written ("1773.904").
std::string ResultValue(const fs::path& hiout, const std::string& index) {
  std::istringstream lines(zelvo::testing::ReadWholeFile(hiout));
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(index + ",", 0) == 0) {
      std::istringstream fields(line);
      std::string name, lower, value;
      std::getline(fields, name, ',');
      std::getline(fields, lower, ',');
      std::getline(fields, value, ',');
      return NumbersOf(value).empty() ? std::string() : NumbersOf(value)[0];
    }
  return {};
}

void KeepReport(const fs::path& file) {
  const QString folder = qEnvironmentVariable("ZELVO_GUIDE_REPORTS");
  if (folder.isEmpty()) return;
  const fs::path to = fs::path(folder.toStdString()) / file.filename();
  fs::create_directories(to.parent_path());
  fs::copy_file(file, to, fs::copy_options::overwrite_existing);
}

TEST(Guide, TheWorkedExampleAsTheGuideTellsIt) {
  // The example records in a folder of a fixed name, so the paths in the pictures stay the same
  // from one run of the script to the next.
  zelvo::testing::TempFolder temp;
  const bool forTheGuide = !qEnvironmentVariableIsEmpty("ZELVO_GUIDE_IMAGES");
  const fs::path start = forTheGuide ? fs::temp_directory_path() / "zelvo-guide" : temp.Path() / "rivers";
  fs::remove_all(start);
  fs::create_directories(start / "examples");
  fs::copy(ZELVO_GUIDE_EXAMPLES, start / "examples", fs::copy_options::recursive);
  const QString daily = QString::fromStdString((start / "examples" / kDailyFile).string());
  const QString peaks = QString::fromStdString((start / "examples" / kPeakFile).string());

  AppState app;
  StartApplication(app, start);
  CommandTable table;
  BindProgramCommands(table);
  QtUi ui(QStringLiteral("ZELVO"));
  CMainFrame frame(app, table, ui);
  frame.resize(900, 560);
  frame.show();

  User user;
  user.byCaption["Enter project name and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Trinity River");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Enter dataset title and description"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Trinity River at Dallas");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Select the stream class"] = [](QWidget* d) {
    Click(d, "High Volume Flashy");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Import AGNC Data"] = [daily, peaks](QWidget* d) {
    d->findChild<QLineEdit*>("dailyFile")->setText(daily);
    d->findChild<QLineEdit*>("peakFile")->setText(peaks);
    d->resize(820, d->height());  // wide enough for the whole paths
    Picture(d, "import_dialog");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Missing  Data"] = [](QWidget* d) {
    Picture(d, "missing_data");
    Click(d, "Exclude Years With Missing Data");
  };
  frame.Action(kCmdNewProject)->trigger();
  frame.Action(kCmdImportAgncData)->trigger();
  ASSERT_EQ(app.dataSets.size(), 1u) << "the import did not store the record";
  EXPECT_EQ(app.dataSets[0].startDate, "10/01/1903");
  EXPECT_EQ(app.dataSets[0].endDate, "09/30/2018");
  EXPECT_EQ(app.dataSets[0].peakFlag, 1);
  Picture(&frame, "main_window");

  // The indices of the whole record.
  const auto compute = [](const QString& picture) {
    return [picture](QWidget* d) {
      const QList<QLineEdit*> fields = d->findChildren<QLineEdit*>();
      fields[0]->setText("6106");
      if (!picture.isEmpty()) Picture(d, picture);
      QTest::keyClick(d, Qt::Key_Return);
    };
  };
  user.byCaption["Compute hydrologic indices for Trinity River at Dallas"] = compute("compute_dialog");
  frame.Action(kCmdComputeAlternativeIndices)->trigger();
  EXPECT_TRUE(fs::exists(app.projectFolder / "hiout_1.csv"));

  // A profile: the years before 1955 and the years since.
  user.byCaption["Time Period Profile Data"] = [](QWidget* d) {
    QList<QLineEdit*> fields = d->findChildren<QLineEdit*>();
    // Profile title, then per row: beginning, ending, title.
    fields[0]->setText("Before and after 1955");
    fields[1]->setText("1904");
    fields[2]->setText("1954");
    fields[3]->setText("1904-1954");
    fields[4]->setText("1955");
    fields[5]->setText("2018");
    fields[6]->setText("1955-2018");
    Picture(d, "profile_dialog");
    QTest::keyClick(fields[0], Qt::Key_Return);
  };
  frame.Action(kCmdCreateTimePeriodProfile)->trigger();
  ASSERT_EQ(app.dataSets.size(), 3u) << "the profile did not make its two period data sets";

  user.byCaption["Compute hydrologic indices for Before and after 1955"] = compute(QString());
  frame.Action(kCmdComputeProfileIndices)->trigger();
  EXPECT_TRUE(fs::exists(app.projectFolder / "hiout_3.csv"));
  for (int n = 1; n <= 3; ++n) KeepReport(app.projectFolder / ("hiout_" + std::to_string(n) + ".csv"));

  frame.Action(kCmdDataSetReport)->trigger();
  const std::string dump = PictureReport(ui, "data_set_report", 780);
  EXPECT_NE(dump.find("TIME PERIOD PROFILE 1:"), std::string::npos);
  KeepReport(app.projectFolder / "dump.txt");

  // The comparison report of the two periods with the class's default indices.
  user.byCaption["Select a time period profile for display."] = [](QWidget* d) {
    auto* hi = d->findChild<HiSelectionBox*>();
    ASSERT_NE(hi, nullptr);
    hi->ManualRadio()->click();
    ChooseIndices(hi->IndexList());
    hi->IndexList()->scrollToItem(hi->IndexList()->item(kGuideIndices[1]));
    Picture(d, "comparison_selection");
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["First period of record"] = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); };
  // The second list holds the periods other than the first: 1955-2018 alone.
  user.byCaption["Second period of record"] = [](QWidget* d) {
    EXPECT_EQ(d->findChild<QListWidget*>()->currentItem()->text(), QStringLiteral("1955-2018"));
    QTest::keyClick(d, Qt::Key_Return);
  };
  user.byCaption["Enter a title for the report"] = [](QWidget* d) {
    d->findChild<QLineEdit*>()->setText("Trinity River at Dallas before and after 1955");
    QTest::keyClick(d, Qt::Key_Return);
  };
  frame.Action(kCmdProfileComparisonReport)->trigger();
  const std::string comparison = PictureReport(ui, "comparison_report", 640);
  EXPECT_NE(comparison.find("Period of Record 2:  1955-2018"), std::string::npos);
  KeepReport(app.projectFolder / "comprpt.txt");

  // The exceedence curves of the two periods on a log scale.
  user.byCaption["Graph data set data"] = [](QWidget* d) {
    auto* graph = qobject_cast<FlowGraphDialog*>(d);
    ASSERT_NE(graph, nullptr);
    graph->resize(1000, 640);
    graph->SelectEntries({0});
    Click(d, "Log");
    Click(d, "Exceedence");
    Picture(d, "exceedence_curves");
    graph->reject();
  };
  frame.Action(kCmdGraphTimePeriodData)->trigger();

  // The ranges of the default indices, the first period as the base.
  user.byCaption["Graph hydrologic index data"] = [](QWidget* d) {
    auto* graph = qobject_cast<IndexGraphDialog*>(d);
    ASSERT_NE(graph, nullptr);
    graph->resize(1000, 640);
    graph->SelectEntries({0});
    Click(d, "HI range");
    Click(d, "Normalize");
    // The indices chosen for the comparison report are chosen again.
    Click(d, "Manually Select");
    for (QListWidget* list : d->findChildren<QListWidget*>())
      if (list->count() == 171) {
        std::vector<int> selected;
        for (int n = 0; n < list->count(); ++n)
          if (list->item(n)->isSelected()) selected.push_back(n);
        std::vector<int> wanted = kGuideIndices;
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(selected, wanted);
        list->scrollToItem(list->item(kGuideIndices[1]));
      }
    Picture(d, "index_ranges");
    graph->reject();
  };
  frame.Action(kCmdGraphProfileIndices)->trigger();

  EXPECT_TRUE(user.messages.size() >= 1 && user.messages[0] == "Import successfully completed.")
      << (user.messages.empty() ? std::string("no message") : user.messages[0]);
  frame.close();

  // tarvel on the same file.
  tarvel::TarvelWindow tarvel(tarvel::ReaderStationImporter());
  tarvel.resize(760, tarvel.sizeHint().height());
  tarvel.show();
  tarvel.findChild<QLineEdit*>("fileName")->setText(daily);
  Picture(&tarvel, "tarvel_main");
  QString result;
  user.byCaption["Missing  Data"] = [](QWidget* d) { Click(d, "Exclude Years With Missing Data"); };
  user.byCaption["Classification  Scores"] = [&result](QWidget* d) {
    if (auto* l = d->findChild<QLabel*>("resultText")) result = l->text();
    Picture(d, "tarvel_result");
    qobject_cast<QDialog*>(d)->accept();
  };
  tarvel.findChild<QPushButton*>("ok")->click();
  EXPECT_FALSE(result.isEmpty());
  std::cout << "tarvel: " << result.toStdString() << "\n";

  // The figures the guide quotes are the ones this run wrote.
  const std::string guide = zelvo::testing::ReadWholeFile(ZELVO_GUIDE_DOCUMENT);
  for (const char* index : {"MA1", "MA2", "DL1", "DH1", "ML17", "TH1"}) {
    const std::string row = GuideRow(guide, std::string("| ") + index + " |");
    const std::string value = ResultValue(app.projectFolder / "hiout_1.csv", index);
    EXPECT_FALSE(value.empty()) << index;
    EXPECT_NE(row.find(" " + value + " "), std::string::npos) << index << " is " << value << ": " << row;
  }
  for (const char* index : {"DL1", "ML17", "DH1", "RA8", "TH1"}) {
    const std::string row = GuideRow(guide, std::string("| ") + index + ",");
    const std::vector<std::string> numbers = NumbersOf(HiValueLine(comparison, index));
    ASSERT_EQ(numbers.size(), 4u) << index;  // POR 1, POR 2, Diff, % Diff
    EXPECT_NE(row.find(" " + numbers[0] + " |"), std::string::npos) << index << ": " << row;
    EXPECT_NE(row.find(" " + numbers[1] + " |"), std::string::npos) << index << ": " << row;
    const std::string change = std::string(index) == "TH1" ? "+" + numbers[2] + " days" : numbers[3] + "%";
    EXPECT_NE(row.find(change), std::string::npos) << index << " changes by " << change << ": " << row;
  }
  EXPECT_NE(dump.find("zero-flow days = 1068 of 42004 days with data (2.5%)"), std::string::npos);
  EXPECT_NE(guide.find("1,068 of the record's 42,004 days (2.5%)"), std::string::npos);
  EXPECT_NE(result.toStdString().find("Perennial Flashy"), std::string::npos);
  EXPECT_NE(guide.find("The Trinity at Dallas is **Perennial Flashy**"), std::string::npos);
}

}  // namespace
}  // namespace zelvo::qt
