#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "qt/QtTestSupport.h"
#include "support/TempFolder.h"
#include "zelvo/shell/HelpTopics.h"
#include "zelvo/shell/qt/CMainFrame.h"
#include "zelvo/shell/qt/HelpWindow.h"
#include "zelvo/shell/qt/Splash.h"

namespace zelvo::qt {
namespace {

using testing::Screenshot;
using testing::WhenModal;

struct Frame {
  AppState app;
  CommandTable table;
  QtUi ui{QStringLiteral("ZELVO")};
  std::unique_ptr<CMainFrame> frame;

  Frame() {
    app.caption = "MORVIK (1.10)";
    frame = std::make_unique<CMainFrame>(app, table, ui);
    frame->show();
  }
  QToolButton* Button(int id) {
    return qobject_cast<QToolButton*>(frame->ToolBar()->widgetForAction(frame->Action(id)));
  }
};

QStringList TitlesOf(const QList<QAction*>& actions) {
  QStringList titles;
  for (QAction* a : actions)
    if (!a->isSeparator()) titles << (a->menu() ? a->menu()->title() : a->text());
  return titles;
}

TEST(MainFrame, MenuBarHasTheFiveMenusWithEveryCommandInItsPlace) {
  Frame f;
  const QList<QAction*> top = f.frame->menuBar()->actions();
  ASSERT_EQ(top.size(), 5);
  EXPECT_EQ(TitlesOf(top),
            (QStringList{"File", "Data Management", "Time Period Analysis", "Alternative Analysis", "Help"}));
  QMenu* file = top[0]->menu();
  EXPECT_EQ(TitlesOf(file->actions()),
            (QStringList{"New Project", "Open Project", "Delete Project", "Edit Project Name/Description",
                         "Preferences...", "Exit"}));
  QMenu* prefs = nullptr;
  for (QAction* a : file->actions())
    if (a->menu()) prefs = a->menu();
  ASSERT_NE(prefs, nullptr);
  EXPECT_EQ(TitlesOf(prefs->actions()),
            (QStringList{"Graphics", "Default Stream Class", "Hydrologic Indices", "Modify Indices"}));
  EXPECT_EQ(TitlesOf(top[4]->menu()->actions()),
            (QStringList{"Help Topics", "User Guide", "About ZELVO..."}));
  // Every command of the table with a menu path has its action in some menu.
  for (const Command& c : f.table.Commands()) {
    QAction* action = f.frame->Action(c.id);
    ASSERT_NE(action, nullptr) << c.id;
    if (c.menuPath.empty()) continue;
    EXPECT_FALSE(action->associatedObjects().isEmpty()) << c.text;
  }
}

TEST(MainFrame, ToolBarCarriesItsButtonsInOrderWithIconsAndTips) {
  Frame f;
  std::vector<int> layout;
  for (QAction* a : f.frame->ToolBar()->actions()) {
    if (a->isSeparator()) {
      layout.push_back(0);
      continue;
    }
    int id = 0;
    for (const Command& c : f.table.Commands())
      if (f.frame->Action(c.id) == a) id = c.id;
    layout.push_back(id);
    EXPECT_FALSE(a->icon().isNull()) << id;
    EXPECT_FALSE(a->toolTip().isEmpty()) << id;
  }
  EXPECT_EQ(layout, f.table.ToolBarLayout());
}

TEST(MainFrame, CommandsNeedingAProjectAreGreyedInMenuAndToolBarUntilOneIsOpen) {
  Frame f;
  int runs = 0;
  // Bind every command so that only the project rule decides.
  for (const Command& c : f.table.Commands())
    if (c.binding == CommandBinding::NotYet) f.table.Bind(c.id, [&runs](AppState&, Ui&) { ++runs; });
  f.frame->RefreshCommands();
  for (const Command& c : f.table.Commands()) {
    EXPECT_EQ(f.frame->Action(c.id)->isEnabled(), !c.needsProject) << c.text;
    if (c.toolBarSlot >= 0) {
      ASSERT_NE(f.Button(c.id), nullptr) << c.text;
      EXPECT_EQ(f.Button(c.id)->isEnabled(), !c.needsProject) << c.text;
    }
  }
  Screenshot(f.frame.get(), "main_window_no_project");

  f.app.projectName = "Upper Creek";
  f.app.caption = "MORVIK (1.10) - Project:  Upper Creek";
  f.frame->RefreshCommands();
  for (const Command& c : f.table.Commands()) {
    EXPECT_TRUE(f.frame->Action(c.id)->isEnabled()) << c.text;
    if (c.toolBarSlot < 0) continue;
    EXPECT_TRUE(f.Button(c.id)->isEnabled()) << c.text;
  }
  EXPECT_EQ(f.frame->windowTitle(), QStringLiteral("MORVIK (1.10) - Project:  Upper Creek"));

  // A greyed button does nothing; an enabled one runs its command once.
  QTest::mouseClick(f.Button(kCmdImportAgncData), Qt::LeftButton);
  EXPECT_EQ(runs, 1);
  f.app.projectName.clear();
  f.frame->RefreshCommands();
  QTest::mouseClick(f.Button(kCmdImportAgncData), Qt::LeftButton);
  f.frame->RunCommand(kCmdImportAgncData);
  EXPECT_EQ(runs, 1);
}

TEST(MainFrame, CommandsNotBuiltYetAreGreyedAndSaySoInTheStatusBar) {
  Frame f;
  f.app.projectName = "Upper Creek";
  f.frame->RefreshCommands();
  QAction* graph = f.frame->Action(kCmdGraphDataSet);
  EXPECT_FALSE(graph->isEnabled());
  EXPECT_EQ(graph->statusTip(),
            QStringLiteral("Graph Data Set is not available yet in this version of ZELVO."));
  EXPECT_TRUE(f.frame->Action(kCmdAbout)->isEnabled());
  EXPECT_EQ(f.frame->Action(kCmdDefaultStreamClass)->statusTip().toStdString(),
            f.table.Find(kCmdDefaultStreamClass)->binding == CommandBinding::NotYet
                ? NotAvailableText(*f.table.Find(kCmdDefaultStreamClass))
                : std::string("Set the default stream class"));
}

TEST(MainFrame, ExitAsksAboutChangedPreferencesAndCancelKeepsTheProgramRunning) {
  Frame f;
  f.app.preferencesChanged = true;
  QString asked;
  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    asked = box->text();
    EXPECT_EQ(box->buttons().size(), 3);
    box->button(QMessageBox::Cancel)->click();
  });
  f.frame->Action(kCmdExit)->trigger();
  EXPECT_EQ(asked, QStringLiteral("Save new preferences?"));
  EXPECT_TRUE(f.frame->isVisible());
  EXPECT_TRUE(f.app.preferencesChanged);

  WhenModal([&](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click(); });
  f.frame->Action(kCmdExit)->trigger();
  EXPECT_FALSE(f.frame->isVisible());
}

TEST(MainFrame, ExitWithoutChangedPreferencesAsksNothing) {
  Frame f;
  f.frame->Action(kCmdExit)->trigger();  // an unexpected question would block here
  EXPECT_FALSE(f.frame->isVisible());
}

TEST(MainFrame, AboutBoxShowsTheVersionLine) {
  Frame f;
  QString line;
  WhenModal([&](QWidget* w) {
    line = w->findChild<QLabel*>(QStringLiteral("versionLine"))->text();
    Screenshot(w, "about_box");
    QTest::keyClick(w, Qt::Key_Return);
  });
  f.frame->Action(kCmdAbout)->trigger();
  EXPECT_EQ(line, QStringLiteral("MORVIK   Version 1.1"));
}

TEST(MainFrame, HelpOpensAtTheContentsAndHasATopicForEveryMenuCommand) {
  Frame f;
  f.frame->Action(kCmdHelpTopics)->trigger();
  HelpWindow* help = f.frame->Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  const QString text = help->Browser()->toPlainText();
  for (const Command& c : f.table.Commands()) {
    if (c.menuPath.empty()) continue;
    EXPECT_TRUE(text.contains(QString::fromStdString(HelpTopicFor(c.id).does).left(40))) << c.text;
  }
  Screenshot(help, "help_window");
  // The index catalogue, reached from the contents: every index with what it measures.
  EXPECT_TRUE(text.contains(QStringLiteral("Index catalogue")));
  EXPECT_TRUE(text.contains(QString::fromStdString(std::string(IndexDefinitionOf(RA(9)).definition))));
  help->Browser()->scrollToAnchor(QString::fromStdString(IndexHelpAnchor(DL(16))));
  Screenshot(help, "help_index_catalogue");
  help->close();
}

TEST(MainFrame, UserGuideOpensTheGuideWithEveryPictureShown) {
  Frame f;
  EXPECT_TRUE(f.frame->Action(kCmdUserGuide)->isEnabled());  // no project needed
  f.frame->Action(kCmdUserGuide)->trigger();
  GuideWindow* guide = f.frame->Guide();
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  EXPECT_FALSE(guide->isModal());  // read beside the main window while working
  EXPECT_TRUE(guide->Browser()->source().toLocalFile().endsWith(QStringLiteral("docs/guide.md")));
  // Rendered, not shown as Markdown source: headings without their marks, the glossary there.
  const QString text = guide->Browser()->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("Glossary of the index groups")));
  EXPECT_FALSE(text.contains(QStringLiteral("## "))) << "the guide is shown as Markdown source";
  // Every picture the guide names loads, and the walk-through has one for each step.
  EXPECT_GE(guide->ImageNames().size(), 10);
  EXPECT_EQ(guide->MissingImages(), QStringList());
  // The widest pictures are shown at the text's width: the guide never scrolls sideways.
  QApplication::processEvents();
  EXPECT_EQ(guide->Browser()->horizontalScrollBar()->maximum(), 0);
  Screenshot(guide, "user_guide");
  guide->Browser()->scrollToAnchor(QString());
  guide->close();
}

TEST(MainFrame, UserGuideNowhereSaysWhereItLooked) {
  Frame f;
  zelvo::testing::TempFolder empty;
  f.frame->SetGuideSearch(empty.Path() / "bin", empty.Path() / "docs");
  QString said;
  WhenModal([&](QWidget* w) {
    said = qobject_cast<QMessageBox*>(w)->text();
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
  });
  f.frame->Action(kCmdUserGuide)->trigger();
  EXPECT_TRUE(said.startsWith(QStringLiteral("The user guide was not found."))) << said.toStdString();
  EXPECT_TRUE(said.contains(QString::fromStdString((empty.Path() / "share/zelvo/guide/guide.md").string())));
  EXPECT_EQ(f.frame->Guide(), nullptr);
}

TEST(MainFrame, CaptionShowsTheProgramAndVersion) {
  Frame f;
  EXPECT_EQ(f.frame->windowTitle(), QStringLiteral("MORVIK (1.10)"));
}

TEST(Splash, ClosesAtTheFirstKeyPressOrAfterItsTime) {
  QWidget main;
  main.show();
  QPointer<Splash> splash = new Splash(&main, 60000);
  splash->show();
  Screenshot(splash, "splash");
  EXPECT_TRUE(splash->isVisible());
  QTest::keyClick(&main, Qt::Key_A);
  EXPECT_TRUE(!splash || !splash->isVisible());

  QPointer<Splash> timed = new Splash(&main, 20);
  timed->show();
  QTest::qWait(200);
  EXPECT_TRUE(!timed || !timed->isVisible());
}

}  // namespace
}  // namespace zelvo::qt
