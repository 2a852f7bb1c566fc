#include "zelvo/shell/CommandTable.h"

#include <algorithm>
#include <map>

namespace zelvo {
namespace {

struct Row {
  int id;
  std::vector<std::string> menu;
  const char* text;
  const char* status;
  const char* toolTip;
  bool needsProject;
  int toolBarSlot;
  bool separatorBefore;
};

const std::vector<std::string> kFile{"File"};
const std::vector<std::string> kPrefs{"File", "Preferences..."};
const std::vector<std::string> kIndexPrefs{"File", "Preferences...", "Hydrologic Indices"};
const std::vector<std::string> kData{"Data Management"};
const std::vector<std::string> kPeriod{"Time Period Analysis"};
const std::vector<std::string> kAlt{"Alternative Analysis"};
const std::vector<std::string> kHelp{"Help"};
const std::vector<std::string> kNoMenu{};

// The menu in its order. Tool bar slots count the separators: 4, 7, 9, 13 and 17 are gaps.
const Row kRows[] = {
    {kCmdNewProject, kFile, "New Project", "Create a new project folder and make it the open project",
     "New Project", false, 0, false},
    {kCmdOpenProject, kFile, "Open Project", "Open an existing project", "Open Project", false, 1, false},
    {kCmdDeleteProject, kFile, "Delete Project", "Delete a project with its folder and all its files",
     "Delete Project", false, 2, false},
    {kCmdEditProject, kFile, "Edit Project Name/Description", "Change the name and description of a project",
     "", false, -1, false},
    {kCmdGraphicsPreferences, kPrefs, "Graphics", "Set the colours, series, scale and style of the graphs",
     "Graphics Preferences", false, 3, true},
    {kCmdDefaultStreamClass, kPrefs, "Default Stream Class", "Set the default stream class", "", false, -1,
     false},
    {kCmdLowVolumeStableIndices, kIndexPrefs, "Low Volume Stable",
     "Set the default hydrologic indices for Low Volume Stable streams", "", false, -1, false},
    {kCmdHighVolumeStableIndices, kIndexPrefs, "High Volume Stable",
     "Set the default hydrologic indices for High Volume Stable streams", "", false, -1, false},
    {kCmdHighVolumeFlashyIndices, kIndexPrefs, "High Volume Flashy",
     "Set the default hydrologic indices for High Volumel Flashy streams", "", false, -1, false},
    {kCmdLowVolumeFlashyIndices, kIndexPrefs, "Low Volume Flashy",
     "Set the default hydrologic indices for Low Volume Flashy streams", "", false, -1, false},
    {kCmdModifyIndices, kPrefs, "Modify Indices",
     "Choose whether the median replaces the mean for the indices that allow it", "", false, -1, false},
    {kCmdExit, kFile, "Exit", "Quit the application; offers to save changed preferences", "", false, -1,
     true},

    {kCmdImportAgncData, kData, "Import AGNC Data",
     "Import an agency daily-value file, with its peak-flow file, as a new data set", "Import AGNC Data",
     true, 5, false},
    {kCmdImportAlternativeCsv, kData, "Import Alternative Data As .CSV File",
     "Import an alternative flow scenario from a comma-separated file as a new data set",
     "Import Alternative Data", true, 6, false},
    {kCmdEditDataSetData, kData, "Edit Data Set Data", "Correct the daily flows of a data set in a grid", "",
     true, -1, true},
    {kCmdEditDataSetTitle, kData, "Edit Data Set Title/Description",
     "Change the title, description and stream class of a data set", "", true, -1, false},
    {kCmdExportDataSetCsv, kData, "Export Data Set As .CSV File...",
     "Write the daily flows of a data set to a comma-separated file", "", true, -1, true},
    {kCmdExportIndexValues, kData, "Export HI Values As .CSV File",
     "Write the hydrologic index values of a data set to a comma-separated file", "", true, -1, false},
    {kCmdCreateDataSetFromExisting, kData, "Create Data Set From Existing Set",
     "Copy a span of water years of a data set into a new data set", "", true, -1, true},
    {kCmdGraphDataSet, kData, "Graph Data Set", "Draw flow graphs of data sets", "Graph Data Set", true, 8,
     true},
    {kCmdDataSetReport, kData, "Display Data Set Report",
     "Write and show the report of the data sets and time period profiles", "", true, -1, false},
    {kCmdDeleteDataSet, kData, "Delete Data Set...", "Delete a data set and renumber the later ones", "",
     true, -1, true},

    {kCmdCreateTimePeriodProfile, kPeriod, "Create Time Period Profile",
     "Divide a data set into up to five time periods", "Create Time Period Profile", true, 10, false},
    {kCmdDeleteTimePeriodProfile, kPeriod, "Delete Time Period Profile...", "Delete a time period profile",
     "", true, -1, false},
    {kCmdComputeProfileIndices, kPeriod, "Compute Hydrologic Indices...",
     "Compute the hydrologic indices of every period of a profile", "", true, -1, true},
    {kCmdGraphTimePeriodData, kPeriod, "Graph Time Period Data",
     "Draw flow graphs of the periods of a profile", "Graph Time Period Data", true, 11, true},
    {kCmdGraphProfileIndices, kPeriod, "Graph Hydrologic Indices",
     "Graph the hydrologic index values of the periods of a profile",
     "Graph Hydrologic Indices (time periods)", true, 12, false},
    {kCmdProfileIndexTables, kPeriod, "Display Hydrologic Index Tables",
     "Write and show the index table of a profile", "", true, -1, true},
    {kCmdProfileComparisonReport, kPeriod, "Generate Comparison Report",
     "Compare the index values of two periods of a profile", "", true, -1, false},
    {kCmdProfileAlterationScorecard, kPeriod, "Alteration Scorecard",
     "Score how often the years of each later period of a profile fall outside the first period's range", "",
     true, -1, false},

    {kCmdSelectBaseline, kAlt, "Select Baseline Data Set",
     "Choose the data set the alternatives are compared with", "Select Baseline Data Set", true, 14, false},
    {kCmdComputeAlternativeIndices, kAlt, "Compute Hydrologic Indices",
     "Compute the hydrologic indices of a data set", "", true, -1, false},
    {kCmdGraphAlternativeData, kAlt, "Graph Alternative Data",
     "Draw flow graphs of the baseline and alternatives", "Graph Alternative Data", true, 15, true},
    {kCmdGraphAlternativeIndices, kAlt, "Graph Hydrologic Indices",
     "Graph the hydrologic index values of alternatives against the baseline",
     "Graph Hydrologic Indices (alternatives)", true, 16, false},
    {kCmdAlternativeIndexTables, kAlt, "Display Hydrologic Index Tables",
     "Write and show the index table of the baseline and up to four alternatives", "", true, -1, true},
    {kCmdAlternativeComparisonReport, kAlt, "Generate Comparison Report",
     "Compare the index values of an alternative with the baseline", "", true, -1, false},
    {kCmdAlternativeAlterationScorecard, kAlt, "Alteration Scorecard",
     "Score how often the years of up to four alternatives fall outside the baseline's range", "", true, -1,
     false},

    {kCmdHelpTopics, kHelp, "Help Topics", "List the help topics", "", false, -1, false},
    {kCmdUserGuide, kHelp, "User Guide",
     "Open the user guide: a whole analysis worked through on a real record", "", false, -1, false},
    {kCmdAbout, kHelp, "About ZELVO...", "Display program information and version", "", false, -1, true},

    // Without a menu entry: the index sets of the four further groups, and context help.
    {kCmdRunoffIndices, kNoMenu, "Runoff", "Set the default hydrologic indices for Runoff streams", "", false,
     -1, false},
    {kCmdPerennialIndices, kNoMenu, "Perennial/Groundwater Influenced",
     "Set the default hydrologic indices for Perennial/Groundwater Influenced streams", "", false, -1, false},
    {kCmdStableGroundwaterIndices, kNoMenu, "Stable Groundwater",
     "Set the default hydrologic indices for Stable Groundwater streams", "", false, -1, false},
    {kCmdSuperstableGroundwaterIndices, kNoMenu, "Superstable Groundwater",
     "Set the default hydrologic indices for Superstable Groundwater streams", "", false, -1, false},
    {kCmdContextHelp, kNoMenu, "Context Help", "Display help for clicked on buttons, menus and windows",
     "Help", false, 18, false},
};

}  // namespace

std::string NotAvailableText(const Command& command) {
  return command.text + " is not available yet in this version of ZELVO.";
}

CommandTable::CommandTable() {
  for (const Row& row : kRows) {
    Command c;
    c.id = row.id;
    c.menuPath = row.menu;
    c.text = row.text;
    c.statusText = row.status;
    c.toolTip = row.toolTip;
    c.needsProject = row.needsProject;
    c.toolBarSlot = row.toolBarSlot;
    c.separatorBefore = row.separatorBefore;
    commands_.push_back(std::move(c));
  }
  for (int id : {kCmdExit, kCmdHelpTopics, kCmdUserGuide, kCmdAbout, kCmdContextHelp}) BindToWindow(id);
}

const Command* CommandTable::Find(int id) const {
  for (const Command& c : commands_)
    if (c.id == id) return &c;
  return nullptr;
}

Command* CommandTable::FindMutable(int id) {
  return const_cast<Command*>(static_cast<const CommandTable*>(this)->Find(id));
}

void CommandTable::Bind(int id, CommandHandler handler) {
  Command* c = FindMutable(id);
  if (!c || !handler) return;
  c->handler = std::move(handler);
  c->binding = CommandBinding::Core;
}

void CommandTable::BindToWindow(int id) {
  if (Command* c = FindMutable(id)) {
    c->handler = nullptr;
    c->binding = CommandBinding::Window;
  }
}

bool CommandTable::Enabled(int id, const AppState& app) const {
  const Command* c = Find(id);
  if (!c || c->binding == CommandBinding::NotYet) return false;
  return !c->needsProject || app.ProjectOpen();
}

std::string CommandTable::StatusText(int id) const {
  const Command* c = Find(id);
  if (!c) return {};
  return c->binding == CommandBinding::NotYet ? NotAvailableText(*c) : c->statusText;
}

std::vector<int> CommandTable::ToolBarLayout() const {
  std::map<int, int> bySlot;
  for (const Command& c : commands_)
    if (c.toolBarSlot >= 0) bySlot[c.toolBarSlot] = c.id;
  std::vector<int> layout;
  if (bySlot.empty()) return layout;
  const int last = bySlot.rbegin()->first;
  for (int slot = 0; slot <= last; ++slot) {
    const auto it = bySlot.find(slot);
    layout.push_back(it == bySlot.end() ? 0 : it->second);
  }
  return layout;
}

bool CommandTable::Run(int id, AppState& app, Ui& ui) const {
  const Command* c = Find(id);
  if (!c || c->binding != CommandBinding::Core || !Enabled(id, app)) return false;
  c->handler(app, ui);
  return true;
}

}  // namespace zelvo
