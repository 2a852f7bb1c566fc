#include <gtest/gtest.h>

#include <set>

#include "support/ScriptedUi.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/HelpTopics.h"

namespace zelvo {
namespace {

AppState WithProject(bool open) {
  AppState app;
  if (open) app.projectName = "Upper Creek";
  return app;
}

TEST(CommandTable, EveryMenuCommandHasItsIdPathAndText) {
  const CommandTable table;
  struct Expected {
    int id;
    std::string path;
  };
  const Expected expected[] = {
      {32826, "File>New Project"},
      {32827, "File>Open Project"},
      {32828, "File>Delete Project"},
      {32831, "File>Edit Project Name/Description"},
      {32773, "File>Preferences...>Graphics"},
      {32816, "File>Preferences...>Default Stream Class"},
      {32817, "File>Preferences...>Hydrologic Indices>Low Volume Stable"},
      {32818, "File>Preferences...>Hydrologic Indices>High Volume Stable"},
      {32819, "File>Preferences...>Hydrologic Indices>High Volume Flashy"},
      {32820, "File>Preferences...>Hydrologic Indices>Low Volume Flashy"},
      {32841, "File>Preferences...>Modify Indices"},
      {57665, "File>Exit"},
      {32778, "Data Management>Import AGNC Data"},
      {32829, "Data Management>Import Alternative Data As .CSV File"},
      {32774, "Data Management>Edit Data Set Data"},
      {32775, "Data Management>Edit Data Set Title/Description"},
      {32772, "Data Management>Export Data Set As .CSV File..."},
      {32840, "Data Management>Export HI Values As .CSV File"},
      {32777, "Data Management>Create Data Set From Existing Set"},
      {32798, "Data Management>Graph Data Set"},
      {32824, "Data Management>Display Data Set Report"},
      {32800, "Data Management>Delete Data Set..."},
      {32807, "Time Period Analysis>Create Time Period Profile"},
      {32801, "Time Period Analysis>Delete Time Period Profile..."},
      {32779, "Time Period Analysis>Compute Hydrologic Indices..."},
      {32804, "Time Period Analysis>Graph Time Period Data"},
      {32805, "Time Period Analysis>Graph Hydrologic Indices"},
      {32825, "Time Period Analysis>Display Hydrologic Index Tables"},
      {32832, "Time Period Analysis>Generate Comparison Report"},
      {32834, "Alternative Analysis>Select Baseline Data Set"},
      {32835, "Alternative Analysis>Compute Hydrologic Indices"},
      {32836, "Alternative Analysis>Graph Alternative Data"},
      {32837, "Alternative Analysis>Graph Hydrologic Indices"},
      {32838, "Alternative Analysis>Display Hydrologic Index Tables"},
      {32833, "Alternative Analysis>Generate Comparison Report"},
      {57667, "Help>Help Topics"},
      {57664, "Help>About ZELVO..."},
  };
  std::vector<std::string> menuItems;
  for (const Command& c : table.Commands()) {
    if (c.menuPath.empty()) continue;
    std::string path;
    for (const std::string& p : c.menuPath) path += p + ">";
    menuItems.push_back(std::to_string(c.id) + " " + path + c.text);
  }
  std::vector<std::string> wanted;
  for (const Expected& e : expected) wanted.push_back(std::to_string(e.id) + " " + e.path);
  EXPECT_EQ(menuItems, wanted);  // same items, same order
}

TEST(CommandTable, ProjectCommandsNeedAProjectAndTheOthersDoNot) {
  const CommandTable table;
  const std::set<int> noProject{32826, 32827, 32828, 32831, 32773, 32816, 32817, 32818, 32819, 32820,
                                32841, 57665, 57667, 57664, 32821, 32822, 32842, 32843, 57669};
  for (const Command& c : table.Commands())
    EXPECT_EQ(c.needsProject, noProject.count(c.id) == 0) << c.id << " " << c.text;
}

TEST(CommandTable, IndexGroupsFiveToEightHaveStatusTextsButNoMenuEntry) {
  const CommandTable table;
  for (int id : {32821, 32822, 32842, 32843}) {
    const Command* c = table.Find(id);
    ASSERT_NE(c, nullptr) << id;
    EXPECT_TRUE(c->menuPath.empty());
  }
  EXPECT_EQ(table.Find(32822)->statusText,
            "Set the default hydrologic indices for Perennial/Groundwater Influenced streams");
  EXPECT_EQ(table.Find(32819)->statusText,
            "Set the default hydrologic indices for High Volumel Flashy streams");
  EXPECT_EQ(table.Find(32816)->statusText, "Set the default stream class");
}

TEST(CommandTable, ToolBarRunsInItsOrderWithSeparators) {
  const CommandTable table;
  const std::vector<int> expected{32826, 32827, 32828, 32773, 0,     32778, 32829, 0, 32798, 0,
                                  32807, 32804, 32805, 0,     32834, 32836, 32837, 0, 57669};
  EXPECT_EQ(table.ToolBarLayout(), expected);
  for (int id : expected) {
    if (id == 0) continue;
    EXPECT_FALSE(table.Find(id)->toolTip.empty()) << id;
  }
}

TEST(CommandTable, EnablingRuleFollowsBindingAndOpenProject) {
  CommandTable table;
  const AppState closed = WithProject(false);
  const AppState open = WithProject(true);

  // Not bound yet: disabled whatever the project, with a status text that says so.
  EXPECT_FALSE(table.Enabled(32778, open));
  EXPECT_FALSE(table.Enabled(32826, closed));
  EXPECT_EQ(table.StatusText(32778), "Import AGNC Data is not available yet in this version of ZELVO.");

  int runs = 0;
  table.Bind(32778, [&runs](AppState&, Ui&) { ++runs; });
  table.Bind(32826, [&runs](AppState&, Ui&) { ++runs; });
  EXPECT_FALSE(table.Enabled(32778, closed));  // needs a project
  EXPECT_TRUE(table.Enabled(32778, open));
  EXPECT_TRUE(table.Enabled(32826, closed));  // project commands never need one
  EXPECT_TRUE(table.Enabled(32826, open));
  EXPECT_EQ(table.StatusText(32778),
            "Import an agency daily-value file, with its peak-flow file, as a new data set");

  // Window commands are always enabled and are not run by the table.
  for (int id : {kCmdExit, kCmdAbout, kCmdHelpTopics, kCmdContextHelp})
    EXPECT_TRUE(table.Enabled(id, closed));

  testing::ScriptedUi ui;
  AppState app = WithProject(false);
  EXPECT_FALSE(table.Run(32778, app, ui));  // disabled: nothing runs
  EXPECT_TRUE(table.Run(32826, app, ui));
  EXPECT_FALSE(table.Run(kCmdExit, app, ui));
  EXPECT_FALSE(table.Run(12345, app, ui));
  EXPECT_EQ(runs, 1);

  table.Bind(32829, nullptr);  // an empty handler does not make a command available
  EXPECT_FALSE(table.Enabled(32829, open));
}

TEST(HelpTopics, EveryMenuCommandHasAFullTopicInThePage) {
  const CommandTable table;
  const std::string page = HelpPageHtml(table);
  for (const Command& c : table.Commands()) {
    if (c.menuPath.empty()) continue;
    const HelpTopic topic = HelpTopicFor(c.id);
    EXPECT_FALSE(topic.does.empty()) << c.text;
    EXPECT_FALSE(topic.asks.empty()) << c.text;
    EXPECT_FALSE(topic.writes.empty()) << c.text;
    EXPECT_NE(page.find("<a name=\"" + HelpAnchor(c.id) + "\">"), std::string::npos) << c.text;
    EXPECT_NE(page.find("href=\"#" + HelpAnchor(c.id) + "\""), std::string::npos) << c.text;
  }
  // Texts are escaped, and commands not available yet say so in their topic.
  EXPECT_NE(page.find("File &gt; Preferences... &gt; Graphics"), std::string::npos);
  EXPECT_NE(page.find("Graph Data Set is not available yet"), std::string::npos);
}

}  // namespace
}  // namespace zelvo
