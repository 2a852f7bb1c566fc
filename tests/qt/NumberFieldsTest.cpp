// Number fields take only numbers as they are typed, with a decimal point whatever the desktop's
// language; the threshold dialog refuses what is still no number at OK; the data grid asks
// before Escape or Cancel throws edits away.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "common/import/ImportForms.h"
#include "common/qt/CDatatbl.h"
#include "common/qt/FormDialog.h"
#include "common/qt/QtUi.h"
#include "qt/QtTestSupport.h"
#include "zelvo/analysis/ComputeIndices.h"
#include "zelvo/graphs/GraphDialogs.h"
#include "zelvo/graphs/qt/GraphUi.h"
#include "zelvo/store/DataSetForms.h"

namespace zelvo::qt {
namespace {

using testing::WhenModal;

// What a field holds after `keys` were typed into it, empty at first.
QString Typed(QLineEdit* edit, const QString& keys) {
  edit->clear();
  edit->setFocus();
  QTest::keyClicks(edit, keys);
  return edit->text();
}

TEST(NumberFields, YearAndDecimalFieldsTakeOnlyNumbersAsTheyAreTyped) {
  ImportAgncForm import;
  std::unique_ptr<FormDialog> agnc(CreateFormDialog(import, nullptr));
  ASSERT_NE(agnc, nullptr);
  agnc->Load();
  auto* begin = qobject_cast<QLineEdit*>(agnc->FieldWidget(kFieldBeginningYear));
  ASSERT_NE(begin, nullptr);
  EXPECT_EQ(Typed(begin, "19x9.5"), QStringLiteral("1995"));
  EXPECT_EQ(Typed(begin, "-1995"), QStringLiteral("1995"));
  EXPECT_EQ(Typed(begin, "1,995"), QStringLiteral("1995"));  // no group separator

  ComputeForm compute;
  std::unique_ptr<FormDialog> dialog(CreateFormDialog(compute, nullptr));
  ASSERT_NE(dialog, nullptr);
  dialog->Load();
  for (const char* field : {"drainageArea", "upperPercentile", "lowerPercentile"}) {
    auto* edit = qobject_cast<QLineEdit*>(dialog->FieldWidget(field));
    ASSERT_NE(edit, nullptr) << field;
    EXPECT_EQ(Typed(edit, "25.4"), QStringLiteral("25.4")) << field;
    EXPECT_EQ(Typed(edit, "2,5"), QStringLiteral("25")) << field;  // a comma is no decimal point
    EXPECT_EQ(Typed(edit, "1e3 sq mi"), QStringLiteral("13")) << field;
  }
}

TEST(NumberFields, ThresholdDialogRefusesWhatIsNoNumberInsteadOfReadingZero) {
  QtUi program(QStringLiteral("ZELVO"));
  GraphUi ui(program, nullptr);
  std::vector<std::string> messages;
  bool stayedOpen = false;
  WhenModal([&](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("threshold"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Typed(edit, "abc"), QString());
    Typed(edit, "-.");  // a start of a number, still none
    WhenModal(
        [&, dialog, edit](QWidget* box) {
          messages.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
          qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
          QTimer::singleShot(50, [&, dialog, edit]() {
            stayedOpen = dialog->isVisible();
            Typed(edit, "1250.5");
            QTest::keyClick(dialog, Qt::Key_Return);
          });
        },
        dialog);
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  const std::optional<float> threshold = AskThreshold(ui);
  EXPECT_EQ(messages, std::vector<std::string>{"Please enter a number."});
  EXPECT_TRUE(stayedOpen);
  ASSERT_TRUE(threshold.has_value());
  EXPECT_EQ(*threshold, 1250.5f);
}

TEST(NumberFields, DataGridAsksBeforeEscapeOrCancelThrowsEditsAway) {
  QtUi ui(QStringLiteral("ZELVO"));
  DataGridForm form;
  form.years = {1991, 1992};
  form.values = {std::vector<float>(366, 5.0f), std::vector<float>(366, 7.0f)};
  const std::vector<std::vector<float>> before = form.values;
  std::vector<std::string> questions;
  bool openAfterNo = false;
  QString typedCell;
  WhenModal([&](QWidget* dialog) {
    auto* grid = dialog->findChild<CDatatbl*>();
    ASSERT_NE(grid, nullptr);
    grid->setCurrentCell(2, 1);
    grid->setFocus();
    QTest::keyClick(grid->viewport(), Qt::Key_X);  // a key opens the cell's editor
    auto* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "3.5y");
    typedCell = editor->text();
    QTest::keyClick(editor, Qt::Key_Return);  // the cell takes 3.5
    // Escape: the question; No keeps the grid and its edit.
    WhenModal(
        [&, dialog](QWidget* box) {
          questions.push_back(qobject_cast<QMessageBox*>(box)->text().toStdString());
          qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
          QTimer::singleShot(50, [&, dialog]() {
            openAfterNo = dialog->isVisible();
            // Cancel: asked again; Yes throws the edit away.
            WhenModal(
                [&](QWidget* box2) {
                  questions.push_back(qobject_cast<QMessageBox*>(box2)->text().toStdString());
                  qobject_cast<QMessageBox*>(box2)->button(QMessageBox::Yes)->click();
                },
                dialog);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
          });
        },
        dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(ui.Edit(form));
  EXPECT_EQ(typedCell, QStringLiteral("3.5"));
  EXPECT_EQ(questions, (std::vector<std::string>{"Discard your changes?", "Discard your changes?"}));
  EXPECT_TRUE(openAfterNo);
  EXPECT_EQ(form.values, before);

  // Nothing edited: Escape closes at once, without a question.
  WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  EXPECT_FALSE(ui.Edit(form));
}

}  // namespace
}  // namespace zelvo::qt
