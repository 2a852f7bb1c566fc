// Windows say what they ask inside themselves, not only in a caption that many desktops show
// small or not at all.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <memory>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "common/qt/FormDialog.h"
#include "qt/QtTestSupport.h"
#include "zelvo/analysis/AnalysisForms.h"
#include "zelvo/analysis/DefaultIndexSets.h"
#include "zelvo/session/AppState.h"
#include "zelvo/session/SelectionDialogs.h"
#include "zelvo/store/ImportCommands.h"

namespace zelvo::qt {
namespace {

// The dialog of `form` as it opens: its caption, and the label that repeats it above the field.
struct Opened {
  std::unique_ptr<FormDialog> dialog;
  QLabel* label = nullptr;
};

Opened Open(Form& form) {
  Opened o;
  o.dialog.reset(CreateFormDialog(form, nullptr));
  if (!o.dialog) return o;
  o.dialog->Load();
  o.dialog->show();
  o.label = o.dialog->findChild<QLabel*>(QStringLiteral("captionLabel"));
  return o;
}

// The label repeats the caption and stands above the widget `below` in the window.
void ExpectCaptionAbove(const Opened& o, QWidget* below, const std::string& caption, const char* shot) {
  ASSERT_NE(o.dialog, nullptr);
  EXPECT_EQ(o.dialog->windowTitle().toStdString(), caption);
  ASSERT_NE(o.label, nullptr) << caption;
  EXPECT_EQ(o.label->text().toStdString(), caption);
  EXPECT_TRUE(o.label->isVisible());
  ASSERT_NE(below, nullptr);
  EXPECT_LT(o.label->mapTo(o.dialog.get(), QPoint(0, 0)).y(), below->mapTo(o.dialog.get(), QPoint(0, 0)).y());
  testing::Screenshot(o.dialog.get(), shot);
}

TEST(DialogTexts, SelectionListsSayWhatTheyAskAboveTheList) {
  DataSetSelectionForm dataSets;
  dataSets.mode = kSelectToCopy;
  dataSets.caption = SelectionModeCaption(kSelectToCopy);
  dataSets.entries = {"Upper Creek at Mill", "Upper Creek below Dam"};
  dataSets.targets = {0, 1};
  const Opened d = Open(dataSets);
  ExpectCaptionAbove(d, d.dialog->findChild<QListWidget*>(QStringLiteral("entryList")),
                     "Select a data set to copy.", "dataset_selection_copy");

  AlternativesSelectionForm alternatives;
  alternatives.maximum = 1;
  alternatives.caption = "Select an alternative for comparison.";
  alternatives.entries = {"Withdrawal 10%", "Reservoir"};
  alternatives.targets = {1, 2};
  alternatives.hi.shown = true;
  for (int i = 0; i < kIndexCount; ++i) alternatives.hi.indexNames.emplace_back(IndexName(i));
  const Opened a = Open(alternatives);
  ExpectCaptionAbove(a, a.dialog->findChild<QListWidget*>(QStringLiteral("alternativeList")),
                     "Select an alternative for comparison.", "alternatives_selection_one");
}

TEST(DialogTexts, ReportTitleAlternativeFileAndPeriodDialogsSayWhatTheyAsk) {
  ReportTitleForm title;
  const Opened t = Open(title);
  ExpectCaptionAbove(t, t.dialog->findChild<QLineEdit*>(), "Enter a title for the report",
                     "report_title_dialog");

  AlternativeFileForm file;
  const Opened f = Open(file);
  ExpectCaptionAbove(f, f.dialog->findChild<QLineEdit*>(QStringLiteral("path")),
                     "Enter the alternative import file name including the path.",
                     "alternative_file_dialog_label");

  PeriodChoiceForm period;
  period.caption = "Second period of record";
  period.label = "Select the second period of record for comparison:";
  period.entries = {"After the dam"};
  period.targets = {1};
  const Opened p = Open(period);
  ExpectCaptionAbove(p, p.dialog->findChild<QListWidget*>(), "Second period of record",
                     "period_choice_dialog");
  // The question of the list stays beneath the caption, as it was.
  bool question = false;
  for (QLabel* l : p.dialog->findChildren<QLabel*>())
    question = question || l->text().toStdString() == period.label;
  EXPECT_TRUE(question);
}

TEST(DialogTexts, IndexListsTellWhatEachIndexMeasuresInTheirToolTips) {
  AppState app;
  AlternativesSelectionForm form;
  form.caption = "Select up to 4 alternative data sets";
  form.entries = {"Withdrawal 10%"};
  form.targets = {1};
  OpenHiGroup(form.hi, app);
  const Opened o = Open(form);
  ASSERT_NE(o.dialog, nullptr);
  auto* list = o.dialog->findChild<QListWidget*>(QStringLiteral("indexList"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), kIndexCount);
  for (int n = 0; n < kIndexCount; ++n) {
    const std::string tip = list->item(n)->toolTip().toStdString();
    EXPECT_EQ(tip, IndexToolTip(n));
    EXPECT_NE(tip.find(std::string(IndexDefinitionOf(n).definition)), std::string::npos) << IndexName(n);
    EXPECT_NE(tip.find(std::string(IndexDefinitionOf(n).units)), std::string::npos) << IndexName(n);
  }

  // The default index set of a stream class: each candidate's radio tells what it measures.
  IndexSetForm set = MakeIndexSetForm(app.preferences, 1);
  const Opened s = Open(set);
  ASSERT_NE(s.dialog, nullptr);
  int withTips = 0;
  for (QRadioButton* radio : s.dialog->findChildren<QRadioButton*>()) {
    if (radio->text().isEmpty()) continue;
    const std::string name = radio->text().toStdString().substr(0, radio->text().toStdString().find(' '));
    const int number = IndexNumber(name);
    ASSERT_GE(number, 0) << radio->text().toStdString();
    EXPECT_EQ(radio->toolTip().toStdString(), IndexToolTip(number));
    ++withTips;
  }
  EXPECT_GT(withTips, 10);
}

}  // namespace
}  // namespace zelvo::qt
