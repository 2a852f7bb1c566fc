#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/qt/CDatatbl.h"
#include "common/qt/FileFilter.h"
#include "common/qt/FormDialog.h"
#include "common/qt/QtUi.h"
#include "common/qt/TextWindow.h"
#include "qt/QtTestSupport.h"
#include "support/TempFolder.h"
#include "zelvo/analysis/ComputeIndices.h"

namespace zelvo::qt {
namespace {

using testing::Find;
using testing::Screenshot;
using testing::WhenModal;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FileFilter, AgencyAndCsvFiltersBecomeQtNameFilters) {
  EXPECT_EQ(NameFiltersFromFilter("Data Files (*.*)|*.*|All Files (*.*)|*.*||"),
            (QStringList{"Data Files (*)", "All Files (*)"}));
  EXPECT_EQ(NameFiltersFromFilter("Comma Separated Values Files (*.csv)|*.csv||"),
            (QStringList{"Comma Separated Values Files (*.csv)"}));
  EXPECT_EQ(NameFiltersFromFilter("Text|*.txt;*.prn||"), (QStringList{"Text (*.txt *.prn)"}));
  EXPECT_EQ(NameFiltersFromFilter(""), (QStringList{"All Files (*)"}));
}

TEST(QtUiMessage, ShowsTheExactTextAndReturnsTheButtonPressed) {
  QtUi ui(QStringLiteral("ZELVO"));
  const std::string text = "The number of peak flow years (19) is less than 20.\n\nDo you wish to continue?";
  QString shown, title;
  int buttonCount = 0;
  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    title = box->windowTitle();
    buttonCount = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(ui.Message(text, Buttons::YesNo), Answer::No);
  EXPECT_EQ(shown.toStdString(), text);
  EXPECT_EQ(title, QStringLiteral("ZELVO"));
  EXPECT_EQ(buttonCount, 2);

  // Escape on Yes/No/Cancel answers Cancel.
  WhenModal([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  EXPECT_EQ(ui.Message("Save new preferences?", Buttons::YesNoCancel), Answer::Cancel);
}

TEST(QtUiMessage, TheIconSaysWhetherItIsNewsARefusalOrAQuestion) {
  QtUi ui(QStringLiteral("ZELVO"));
  std::vector<QMessageBox::Icon> icons;
  auto answer = [&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    icons.push_back(box->icon());
    QTest::keyClick(w, Qt::Key_Escape);
  };
  WhenModal(answer);
  ui.Inform("Import successfully completed.");
  WhenModal(answer);
  EXPECT_EQ(ui.Message("There are no data sets to export."), Answer::Ok);
  WhenModal(answer);
  EXPECT_EQ(ui.Message("Are you sure you want to delete:  Dam ?", Buttons::YesNo), Answer::No);
  WhenModal(answer);
  EXPECT_EQ(ui.Message("Save new preferences?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(icons, (std::vector<QMessageBox::Icon>{QMessageBox::Information, QMessageBox::Warning,
                                                   QMessageBox::Question, QMessageBox::Question}));
}

// Types into the compute dialog's three fields in their order and presses Enter.
void TypeCompute(QWidget* dialog, const QString& area, const QString& upper, const QString& lower) {
  const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
  ASSERT_EQ(edits.size(), 3);
  edits[0]->setText(area);
  edits[1]->setText(upper);
  edits[2]->setText(lower);
  QTest::keyClick(dialog, Qt::Key_Return);
}

TEST(QtUiEdit, ComputeDialogKeepsItsFieldsOpenOnAMessageAndFillsTheFormOnOk) {
  QtUi ui(QStringLiteral("ZELVO"));
  ComputeForm form;
  form.caption = "Compute hydrologic indices for Sample Creek";
  form.note = ComputeFormNote(true);
  form.drainageArea = 0.0f;

  std::vector<std::string> messages;
  QString caption, areaText, note;
  bool areaFocused = false;
  WhenModal([&](QWidget* dialog) {
    caption = dialog->windowTitle();
    areaText = dialog->findChildren<QLineEdit*>()[0]->text();
    for (QLabel* label : dialog->findChildren<QLabel*>())
      if (label->text().startsWith("Some")) note = label->text();
    Screenshot(dialog, "compute_dialog");
    // First OK: a drainage area that is not a number.
    WhenModal(
        [&, dialog](QWidget* box) {
          messages.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
          qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
          QTimer::singleShot(0, [&, dialog]() {
            areaFocused = dialog->focusWidget() == dialog->findChildren<QLineEdit*>()[0];
            // Second OK: lower limit above the upper limit.
            WhenModal(
                [&, dialog](QWidget* box2) {
                  messages.push_back(qobject_cast<QMessageBox*>(box2)->text().toStdString());
                  qobject_cast<QMessageBox*>(box2)->button(QMessageBox::Ok)->click();
                  QTimer::singleShot(0, [dialog]() { TypeCompute(dialog, "12.5", "90", "10"); });
                },
                dialog);
            TypeCompute(dialog, "12.5", "50", "60");
          });
        },
        dialog);
    TypeCompute(dialog, "abc", "75", "25");
  });
  const bool ok = EditForm<ComputeForm>(ui, form, [](ComputeForm& f) { return CheckComputeForm(f); });
  EXPECT_TRUE(ok);
  EXPECT_EQ(caption, QStringLiteral("Compute hydrologic indices for Sample Creek"));
  EXPECT_EQ(areaText, QStringLiteral("0"));
  EXPECT_EQ(note, QStringLiteral("Some hydrologic indices have been modifiied. - See Preferences"));
  EXPECT_EQ(messages, (std::vector<std::string>{"Please enter a value for the drainage area.",
                                                "The lower limit must be less than the upper limit."}));
  EXPECT_TRUE(areaFocused);
  EXPECT_FLOAT_EQ(form.drainageArea, 12.5f);
  EXPECT_FLOAT_EQ(form.upperPercentile, 90.0f);
  EXPECT_FLOAT_EQ(form.lowerPercentile, 10.0f);
}

TEST(QtUiEdit, EscapeCancelsAndLeavesTheFormAsItWas) {
  QtUi ui(QStringLiteral("ZELVO"));
  ComputeForm form;
  form.drainageArea = 3.0f;
  WhenModal([](QWidget* dialog) {
    dialog->findChildren<QLineEdit*>()[0]->setText("99");
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(ui.Edit(form));
  EXPECT_FLOAT_EQ(form.drainageArea, 3.0f);
}

struct UnknownForm : Form {
  const char* FormName() const override { return "NoSuchDialog"; }
};

TEST(QtUiEdit, AFormWithoutADialogIsReportedAndCountsAsCancel) {
  QtUi ui(QStringLiteral("ZELVO"));
  UnknownForm form;
  QString shown;
  WhenModal([&](QWidget* w) {
    shown = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  EXPECT_FALSE(ui.Edit(form));
  EXPECT_TRUE(shown.contains("NoSuchDialog"));
  EXPECT_TRUE(HasFormDialog("ComputeIndices"));
}

TEST(QtUiReport, AReportOpensReadOnlyAndModelessWithFormFeedsAsPageBreaks) {
  const zelvo::testing::TempFolder temp;
  const std::filesystem::path dir = temp.Path();
  const auto path = dir / "table.txt";
  std::ofstream(path, std::ios::binary) << "Page one\r\nMA1   12.000\r\n\fPage two\r\nMA2    3.000\r\n";
  QMainWindow main;
  QtUi ui(QStringLiteral("ZELVO"));
  ui.SetWindow(&main, main.statusBar());
  ui.ShowReport(path.string(), false);  // returns at once: modeless
  const std::vector<TextWindow*> open = ui.OpenReports();
  ASSERT_EQ(open.size(), 1u);
  TextWindow* window = open.front();
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->WindowMode(), TextWindow::Mode::Report);
  ASSERT_NE(window->Viewer(), nullptr);
  EXPECT_TRUE(window->Viewer()->isReadOnly());
  EXPECT_EQ(window->PageCount(), 2);
  EXPECT_FALSE(window->ShownText().contains('\f'));
  EXPECT_TRUE(window->ShownText().contains("MA2    3.000"));
  EXPECT_TRUE(window->Viewer()->font().fixedPitch() ||
              window->Viewer()->font().styleHint() == QFont::TypeWriter);
  Screenshot(window, "report_window");
  window->close();
  EXPECT_EQ(ReadBytes(path), "Page one\r\nMA1   12.000\r\n\fPage two\r\nMA2    3.000\r\n");  // never changed
}

TEST(QtUiReport, WaitOpensTheFileModalAndEditableAndSavesItWithItsLineEnds) {
  const zelvo::testing::TempFolder temp;
  const std::filesystem::path dir = temp.Path();
  const auto path = dir / "daily.txt";
  std::ofstream(path, std::ios::binary) << "AGNC 0101 1990-10-01 12 A\r\nAGNC 0101 1990-10-02 x A\r\n";
  QtUi ui(QStringLiteral("ZELVO"));
  bool modal = false, editable = false;
  WhenModal([&](QWidget* w) {
    auto* window = qobject_cast<TextWindow*>(w);
    ASSERT_NE(window, nullptr);
    modal = window->isModal();
    editable = !window->Editor()->isReadOnly();
    window->Editor()->setPlainText("AGNC 0101 1990-10-01 12 A\nAGNC 0101 1990-10-02 13 A");
    Screenshot(window, "edit_window");
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text().contains("Save")) b->click();
    window->reject();
  });
  ui.ShowReport(path.string(), true);  // returns when the window is closed
  EXPECT_TRUE(modal);
  EXPECT_TRUE(editable);
  EXPECT_EQ(ReadBytes(path), "AGNC 0101 1990-10-01 12 A\r\nAGNC 0101 1990-10-02 13 A\r\n");
}

TEST(QtUiReport, AMissingFileIsReportedAndNoWindowStays) {
  QtUi ui(QStringLiteral("ZELVO"));
  QString shown;
  WhenModal([&](QWidget* w) {
    shown = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  ui.ShowReport("/nonexistent/zelvo/table.txt", false);
  EXPECT_EQ(shown, QStringLiteral("Can not open the file:  /nonexistent/zelvo/table.txt"));
  EXPECT_TRUE(ui.OpenReports().empty());
}

TEST(QtUiFiles, TheOpenDialogUsesTheFilterAndRemembersItsFolder) {
  const zelvo::testing::TempFolder temp;
  const std::filesystem::path dir = temp.Path();
  std::ofstream(dir / "dataset_1") << "1991\n";
  QtUi ui(QStringLiteral("ZELVO"));
  FileDialogRequest request;
  request.filter = "Data Files (*.*)|*.*|All Files (*.*)|*.*||";
  request.initialFolder = dir.string();
  QStringList filters;
  WhenModal([&](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    Screenshot(dialog, "open_file_dialog");
    testing::ChooseFile(dialog, QString::fromStdString((dir / "dataset_1").string()));
  });
  const std::optional<std::string> chosen = ui.OpenFileName(request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(std::filesystem::path(*chosen), dir / "dataset_1");
  EXPECT_EQ(filters, (QStringList{"Data Files (*)", "All Files (*)"}));
  EXPECT_EQ(ui.LastFolder().toStdString(), dir.string());

  // Without a folder of its own the next dialog opens in that folder; Cancel gives no file.
  request.initialFolder.clear();
  QString opened;
  WhenModal([&](QWidget* w) {
    opened = qobject_cast<QFileDialog*>(w)->directory().absolutePath();
    qobject_cast<QFileDialog*>(w)->reject();
  });
  EXPECT_FALSE(ui.OpenFileName(request).has_value());
  EXPECT_EQ(opened.toStdString(), dir.string());
}

TEST(QtUiStatus, StatusTextWaitCursorAndProgressReachTheWindow) {
  QMainWindow main;
  QtUi ui(QStringLiteral("ZELVO"));
  ui.SetWindow(&main, main.statusBar());
  ui.SetBusy(true);
  ui.SetStatus("Processing:  Sample Creek");
  EXPECT_EQ(main.statusBar()->currentMessage(), QStringLiteral("Processing:  Sample Creek"));
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ui.SetBusy(true);  // nested
  ui.SetBusy(false);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  ASSERT_NE(ui.Progress(), nullptr);
  ui.Progress()->SetPosition(85);
  auto* bar = main.statusBar()->findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->value(), 85);
  // The bar spans the engine's positions: full at the end of a run.
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  main.resize(640, 120);
  main.show();
  QApplication::processEvents();
  Screenshot(&main, "status_bar_progress");
  ui.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ui.SetStatus("");
  EXPECT_TRUE(main.statusBar()->currentMessage().isEmpty());
}

TEST(CDatatbl, CellsShowTwoDecimalsKeepTheirFullValueAndRefuseText) {
  CDatatbl table;
  table.SetColumnCount(2);
  table.SetRowCount(366);
  table.SetColumnCaption(0, "1991");
  table.SetNumberFormat(0, "0.00");
  table.SetValue(0, 0, 123.456);
  table.SetValue(1, 0, 999999.0);
  EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("123.46"));
  EXPECT_EQ(table.item(1, 0)->text(), QStringLiteral("999999.00"));
  EXPECT_DOUBLE_EQ(*table.Value(0, 0), 123.456);  // not rounded by the format

  QString refused;
  QObject::connect(&table, &CDatatbl::NotANumber, [&](int, int, const QString& text) { refused = text; });
  table.item(0, 0)->setText("12x");  // as the editor would commit it
  EXPECT_EQ(refused, QStringLiteral("12x"));
  EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("123.46"));
  EXPECT_DOUBLE_EQ(*table.Value(0, 0), 123.456);

  table.item(1, 0)->setText(" 1.5 ");
  EXPECT_EQ(table.item(1, 0)->text(), QStringLiteral("1.50"));
  EXPECT_DOUBLE_EQ(*table.Value(1, 0), 1.5);
  EXPECT_FALSE(table.Value(5, 1).has_value());  // a cell never set

  for (const char* bad : {"", "1,5", "0x10", "inf", "nan", "1e", "--1"})
    EXPECT_FALSE(CDatatbl::ParseNumber(bad).has_value()) << bad;
  EXPECT_DOUBLE_EQ(*CDatatbl::ParseNumber("-2.5e1"), -25.0);
}

}  // namespace
}  // namespace zelvo::qt
