#include <gtest/gtest.h>

#include <set>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
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
      {kCmdNewProject, "File>New Project"},
      {kCmdOpenProject, "File>Open Project"},
      {kCmdDeleteProject, "File>Delete Project"},
      {kCmdEditProject, "File>Edit Project Name/Description"},
      {kCmdGraphicsPreferences, "File>Preferences...>Graphics"},
      {kCmdDefaultStreamClass, "File>Preferences...>Default Stream Class"},
      {kCmdLowVolumeStableIndices, "File>Preferences...>Hydrologic Indices>Low Volume Stable"},
      {kCmdHighVolumeStableIndices, "File>Preferences...>Hydrologic Indices>High Volume Stable"},
      {kCmdHighVolumeFlashyIndices, "File>Preferences...>Hydrologic Indices>High Volume Flashy"},
      {kCmdLowVolumeFlashyIndices, "File>Preferences...>Hydrologic Indices>Low Volume Flashy"},
      {kCmdModifyIndices, "File>Preferences...>Modify Indices"},
      {kCmdExit, "File>Exit"},
      {kCmdImportAgncData, "Data Management>Import AGNC Data"},
      {kCmdImportAlternativeCsv, "Data Management>Import Alternative Data As .CSV File"},
      {kCmdEditDataSetData, "Data Management>Edit Data Set Data"},
      {kCmdEditDataSetTitle, "Data Management>Edit Data Set Title/Description"},
      {kCmdExportDataSetCsv, "Data Management>Export Data Set As .CSV File..."},
      {kCmdExportIndexValues, "Data Management>Export HI Values As .CSV File"},
      {kCmdCreateDataSetFromExisting, "Data Management>Create Data Set From Existing Set"},
      {kCmdGraphDataSet, "Data Management>Graph Data Set"},
      {kCmdDataSetReport, "Data Management>Display Data Set Report"},
      {kCmdDeleteDataSet, "Data Management>Delete Data Set..."},
      {kCmdCreateTimePeriodProfile, "Time Period Analysis>Create Time Period Profile"},
      {kCmdDeleteTimePeriodProfile, "Time Period Analysis>Delete Time Period Profile..."},
      {kCmdComputeProfileIndices, "Time Period Analysis>Compute Hydrologic Indices..."},
      {kCmdGraphTimePeriodData, "Time Period Analysis>Graph Time Period Data"},
      {kCmdGraphProfileIndices, "Time Period Analysis>Graph Hydrologic Indices"},
      {kCmdProfileIndexTables, "Time Period Analysis>Display Hydrologic Index Tables"},
      {kCmdProfileComparisonReport, "Time Period Analysis>Generate Comparison Report"},
      {kCmdProfileAlterationScorecard, "Time Period Analysis>Alteration Scorecard"},
      {kCmdSelectBaseline, "Alternative Analysis>Select Baseline Data Set"},
      {kCmdComputeAlternativeIndices, "Alternative Analysis>Compute Hydrologic Indices"},
      {kCmdGraphAlternativeData, "Alternative Analysis>Graph Alternative Data"},
      {kCmdGraphAlternativeIndices, "Alternative Analysis>Graph Hydrologic Indices"},
      {kCmdAlternativeIndexTables, "Alternative Analysis>Display Hydrologic Index Tables"},
      {kCmdAlternativeComparisonReport, "Alternative Analysis>Generate Comparison Report"},
      {kCmdAlternativeAlterationScorecard, "Alternative Analysis>Alteration Scorecard"},
      {kCmdHelpTopics, "Help>Help Topics"},
      {kCmdUserGuide, "Help>User Guide"},
      {kCmdAbout, "Help>About ZELVO..."},
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
  const std::set<int> noProject{kCmdNewProject,
                                kCmdOpenProject,
                                kCmdDeleteProject,
                                kCmdEditProject,
                                kCmdGraphicsPreferences,
                                kCmdDefaultStreamClass,
                                kCmdLowVolumeStableIndices,
                                kCmdHighVolumeStableIndices,
                                kCmdHighVolumeFlashyIndices,
                                kCmdLowVolumeFlashyIndices,
                                kCmdModifyIndices,
                                kCmdExit,
                                kCmdHelpTopics,
                                kCmdUserGuide,
                                kCmdAbout,
                                kCmdRunoffIndices,
                                kCmdPerennialIndices,
                                kCmdStableGroundwaterIndices,
                                kCmdSuperstableGroundwaterIndices,
                                kCmdContextHelp};
  for (const Command& c : table.Commands())
    EXPECT_EQ(c.needsProject, noProject.count(c.id) == 0) << c.id << " " << c.text;
}

TEST(CommandTable, IndexGroupsFiveToEightHaveStatusTextsButNoMenuEntry) {
  const CommandTable table;
  for (int id : {kCmdRunoffIndices, kCmdPerennialIndices, kCmdStableGroundwaterIndices,
                 kCmdSuperstableGroundwaterIndices}) {
    const Command* c = table.Find(id);
    ASSERT_NE(c, nullptr) << id;
    EXPECT_TRUE(c->menuPath.empty());
  }
  EXPECT_EQ(table.Find(kCmdPerennialIndices)->statusText,
            "Set the default hydrologic indices for Perennial/Groundwater Influenced streams");
  EXPECT_EQ(table.Find(kCmdHighVolumeFlashyIndices)->statusText,
            "Set the default hydrologic indices for High Volumel Flashy streams");
  EXPECT_EQ(table.Find(kCmdDefaultStreamClass)->statusText, "Set the default stream class");
}

TEST(CommandTable, ToolBarRunsInItsOrderWithSeparators) {
  const CommandTable table;
  const std::vector<int> expected{kCmdNewProject,
                                  kCmdOpenProject,
                                  kCmdDeleteProject,
                                  kCmdGraphicsPreferences,
                                  0,
                                  kCmdImportAgncData,
                                  kCmdImportAlternativeCsv,
                                  0,
                                  kCmdGraphDataSet,
                                  0,
                                  kCmdCreateTimePeriodProfile,
                                  kCmdGraphTimePeriodData,
                                  kCmdGraphProfileIndices,
                                  0,
                                  kCmdSelectBaseline,
                                  kCmdGraphAlternativeData,
                                  kCmdGraphAlternativeIndices,
                                  0,
                                  kCmdContextHelp};
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
  EXPECT_FALSE(table.Enabled(kCmdImportAgncData, open));
  EXPECT_FALSE(table.Enabled(kCmdNewProject, closed));
  EXPECT_EQ(table.StatusText(kCmdImportAgncData),
            "Import AGNC Data is not available yet in this version of ZELVO.");

  int runs = 0;
  table.Bind(kCmdImportAgncData, [&runs](AppState&, Ui&) { ++runs; });
  table.Bind(kCmdNewProject, [&runs](AppState&, Ui&) { ++runs; });
  EXPECT_FALSE(table.Enabled(kCmdImportAgncData, closed));  // needs a project
  EXPECT_TRUE(table.Enabled(kCmdImportAgncData, open));
  EXPECT_TRUE(table.Enabled(kCmdNewProject, closed));  // project commands never need one
  EXPECT_TRUE(table.Enabled(kCmdNewProject, open));
  EXPECT_EQ(table.StatusText(kCmdImportAgncData),
            "Import an agency daily-value file, with its peak-flow file, as a new data set");

  // Window commands are always enabled and are not run by the table.
  for (int id : {kCmdExit, kCmdAbout, kCmdHelpTopics, kCmdUserGuide, kCmdContextHelp})
    EXPECT_TRUE(table.Enabled(id, closed));

  testing::ScriptedUi ui;
  AppState app = WithProject(false);
  EXPECT_FALSE(table.Run(kCmdImportAgncData, app, ui));  // disabled: nothing runs
  EXPECT_TRUE(table.Run(kCmdNewProject, app, ui));
  EXPECT_FALSE(table.Run(kCmdExit, app, ui));
  EXPECT_FALSE(table.Run(12345, app, ui));
  EXPECT_EQ(runs, 1);

  table.Bind(kCmdImportAlternativeCsv, nullptr);  // an empty handler does not make a command available
  EXPECT_FALSE(table.Enabled(kCmdImportAlternativeCsv, open));
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

TEST(HelpTopics, TheIndexCatalogueListsEveryIndexWithItsDefinitionAndUnits) {
  const CommandTable table;
  const std::string page = HelpPageHtml(table);
  const std::size_t contents = page.find("href=\"#indices\">Index catalogue</a>");
  ASSERT_NE(contents, std::string::npos);
  const std::size_t catalogue = page.find("<a name=\"indices\"></a>Index catalogue");
  ASSERT_NE(catalogue, std::string::npos);
  EXPECT_LT(contents, catalogue);
  std::size_t last = catalogue;
  for (int n = 0; n < kIndexCount; ++n) {
    const IndexDefinition d = IndexDefinitionOf(n);
    const std::string row = "<tr><td><a name=\"" + IndexHelpAnchor(n) + "\"></a>" +
                            std::string(IndexName(n)) + "</td><td>" + std::string(d.definition) +
                            "</td><td>" + std::string(d.units) + "</td></tr>";
    const std::size_t at = page.find(row);
    ASSERT_NE(at, std::string::npos) << IndexName(n);
    EXPECT_GT(at, last) << IndexName(n) << " out of catalogue order";
    last = at;
  }
  // One heading per group, in the order of the catalogue.
  EXPECT_LT(page.find("<h3>Magnitude of average flow</h3>"), page.find("<h3>Magnitude of low flow</h3>"));
  EXPECT_LT(page.find("<h3>Timing of high flow</h3>"), page.find("<h3>Rate of change</h3>"));
  EXPECT_EQ(IndexHelpAnchor(RA(9)), "index_RA9");
}

}  // namespace
}  // namespace zelvo
