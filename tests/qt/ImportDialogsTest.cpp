// The import and profile dialogs that the sample flow does not reach: missing data, missing peak
// file, the alternative file and the time period profile.

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/import/ImportForms.h"
#include "common/qt/FieldText.h"
#include "common/qt/QtUi.h"
#include "qt/QtTestSupport.h"
#include "zelvo/analysis/TimePeriodProfiles.h"
#include "zelvo/store/ImportCommands.h"

namespace zelvo::qt {
namespace {

using testing::Screenshot;
using testing::WhenModal;

MissingDataForm ReportWithGaps(ImportProgram program) {
  MissingDataForm form;
  form.program = program;
  form.report =
      "The flow file has 2 years with data.\r\n\r\nThe following years have missing data:\r\n\r\n"
      "     Year    Total Days Missing    Largest Contiguous Block\r\n\r\n"
      "     1991\t          12\t\t               7\r\n";
  form.showExplanation = true;
  return form;
}

TEST(ImportDialogs, MissingDataButtonsGiveTheirCodesAndTheCloseBoxAborts) {
  QtUi ui(QStringLiteral("ZELVO"));
  MissingDataForm form = ReportWithGaps(ImportProgram::Main);
  QStringList buttons;
  bool explanationShown = false;
  QString report;
  WhenModal([&](QWidget* d) {
    for (QPushButton* b : d->findChildren<QPushButton*>()) buttons << b->text();
    for (QLabel* l : d->findChildren<QLabel*>())
      if (l->text().startsWith("Large blocks")) explanationShown = l->isVisible();
    report = d->findChild<QPlainTextEdit*>()->toPlainText();
    Screenshot(d, "missing_data_dialog");
    for (QPushButton* b : d->findChildren<QPushButton*>())
      if (b->text() == "Exclude Years With Missing Data") b->click();
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(form.choice, MissingDataForm::kExcludeYearsWithMissingData);
  EXPECT_EQ(buttons, (QStringList{"Edit AGNC Flow Data", "Exclude Years With Missing Data", "Import All Data",
                                  "Abort Import"}));
  EXPECT_TRUE(explanationShown);
  EXPECT_FALSE(report.contains('\r'));
  EXPECT_TRUE(report.contains("     1991\t          12"));

  MissingDataForm classification = ReportWithGaps(ImportProgram::Classification);
  classification.choice = MissingDataForm::kImportAll;
  QString thirdButton;
  WhenModal([&](QWidget* d) {
    thirdButton = d->findChildren<QPushButton*>()[2]->text();
    d->close();  // the close box
  });
  ui.Edit(classification);
  EXPECT_EQ(thirdButton, QStringLiteral("Import All Data Except Missing Years"));
  EXPECT_EQ(classification.choice, MissingDataForm::kAbort);
}

TEST(ImportDialogs, MissingPeakFileHasNoPresetChoice) {
  QtUi ui(QStringLiteral("ZELVO"));
  MissingPeakFileForm form;
  int checked = -1;
  WhenModal([&](QWidget* d) {
    checked = 0;
    for (QRadioButton* r : d->findChildren<QRadioButton*>()) checked += r->isChecked() ? 1 : 0;
    Screenshot(d, "missing_peak_file_dialog");
    QTest::keyClick(d, Qt::Key_Return);
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(form.choice, MissingPeakFileForm::kNoChoice);

  WhenModal([&](QWidget* d) {
    for (QRadioButton* r : d->findChildren<QRadioButton*>())
      if (r->text() == MissingPeakFileForm::kReenterText) r->click();
    QTest::keyClick(d, Qt::Key_Return);
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(form.choice, MissingPeakFileForm::kReenter);
}

TEST(ImportDialogs, AlternativeFileBrowsePutsTheChosenPathIntoTheField) {
  QtUi ui(QStringLiteral("ZELVO"));
  AlternativeFileForm form;
  QString afterBrowse;
  WhenModal([&](QWidget* d) {
    WhenModal(
        [&, d](QWidget* files) {
          auto* dialog = qobject_cast<QFileDialog*>(files);
          ASSERT_NE(dialog, nullptr);
          testing::ChooseFile(dialog, ZELVO_SAMPLES_DIR "/sample_creek_withdrawal.csv");
          QTimer::singleShot(0, [&, d]() {
            afterBrowse = d->findChild<QLineEdit*>()->text();
            Screenshot(d, "alternative_file_dialog");
            QTest::keyClick(d, Qt::Key_Return);
          });
        },
        d);
    d->findChild<QPushButton*>(QStringLiteral("pathBrowse"))->click();
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_TRUE(afterBrowse.endsWith("sample_creek_withdrawal.csv"));
  EXPECT_EQ(form.path, afterBrowse.toStdString());
}

TEST(ImportDialogs, ProfileDialogReadsEmptyYearsAsZeroAndRefusesLetters) {
  QtUi ui(QStringLiteral("ZELVO"));
  ProfileForm form;
  form.periodsLine = "The data set periods of record are:     1981 - 2010";
  std::vector<std::string> messages;
  WhenModal([&](QWidget* d) {
    const QList<QLineEdit*> edits = d->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 16);  // title and five rows of three
    edits[0]->setText("Before and after");
    edits[1]->setText("1981");
    edits[2]->setText("199x");
    edits[3]->setText("Early");
    Screenshot(d, "profile_dialog");
    WhenModal(
        [&, d, edits](QWidget* box) {
          messages.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
          qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
          QTimer::singleShot(0, [d, edits]() {
            edits[2]->setText("1995");
            QTest::keyClick(d, Qt::Key_Return);
          });
        },
        d);
    QTest::keyClick(d, Qt::Key_Return);
  });
  ASSERT_TRUE(ui.Edit(form));
  EXPECT_EQ(messages, (std::vector<std::string>{kNotANumberText}));
  EXPECT_EQ(form.title, "Before and after");
  EXPECT_EQ(form.rows[0].beginYear, 1981);
  EXPECT_EQ(form.rows[0].endYear, 1995);
  EXPECT_EQ(form.rows[0].title, "Early");
  EXPECT_EQ(form.rows[1].beginYear, 0);  // empty = 0
}

}  // namespace
}  // namespace zelvo::qt
