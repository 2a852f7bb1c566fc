#include "zelvo/shell/HelpTopics.h"

#include <map>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"
#include "zelvo/session/CommandIds.h"

namespace zelvo {
namespace {

const std::map<int, HelpTopic>& Topics() {
  static const std::map<int, HelpTopic> topics{
      {kCmdNewProject,
       {"Creates a new project: a folder under zelvoproj in the start folder that will hold its data sets, "
        "profiles, results and reports. The new project becomes the open project.",
        "The project name and description. A project's folder name is its name with every blank replaced "
        "by an underscore; a name whose folder already exists is refused. At most 100 projects can exist.",
        "The new project folder and the projects list (projects) in the start folder."}},
      {kCmdOpenProject,
       {"Opens a project: its data sets, time period profiles and baseline become the ones every other "
        "command works on, and the window caption shows its name.",
        "Which project to open, from the list of all projects.", "Nothing."}},
      {kCmdDeleteProject,
       {"Deletes a project with every file in its folder and the folder itself. When the open project is "
        "deleted no project is open afterwards.",
        "Which project to delete, then a Yes/No confirmation.",
        "Removes the project's files and folder and its entry in the projects list."}},
      {kCmdEditProject,
       {"Changes the name and description of a project. The project folder is renamed to match the new name.",
        "Which project, then its name and description.",
        "The projects list; the project folder is renamed."}},
      {kCmdGraphicsPreferences,
       {"Sets how flow graphs are drawn by default: the colour of each of the 20 curves, the default annual "
        "and monthly flow series, linear or logarithmic scale, line or bar graphs, grid, points and line "
        "styles.",
        "The graphics preferences dialog.",
        "Nothing at once; changed preferences are saved in pref.dat when you leave the program and answer "
        "Yes."}},
      {kCmdDefaultStreamClass,
       {"Sets the stream class given to every new data set by the imports.",
        "One of Low Volume Stable, High Volume Stable, High Volume Flashy and Low Volume Flashy.",
        "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdLowVolumeStableIndices,
       {"Chooses, for Low Volume Stable streams, which index stands for each of the ten flow components "
        "in the default index set used by index tables, comparison reports and index graphs.",
        "One candidate index per flow component. [R] marks an index with a percentile range, [M] one that "
        "can use the median.",
        "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdHighVolumeStableIndices,
       {"Chooses the default index set of High Volume Stable streams, one index per flow component.",
        "One candidate index per flow component.",
        "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdHighVolumeFlashyIndices,
       {"Chooses the default index set of High Volume Flashy streams, one index per flow component.",
        "One candidate index per flow component.",
        "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdLowVolumeFlashyIndices,
       {"Chooses the default index set of Low Volume Flashy streams, one index per flow component.",
        "One candidate index per flow component.",
        "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdModifyIndices,
       {"Switches the indices that allow it from the mean to the median of their yearly values. Results "
        "computed with the median are marked (MC) in the selection lists.",
        "One check box.", "Nothing at once; saved in pref.dat at the end of the program when you agree."}},
      {kCmdExit,
       {"Leaves the program. No project stays open; the next start begins without one.",
        "When a preference was changed: Save new preferences? Yes saves them, No leaves them unsaved, "
        "Cancel keeps the program running.",
        "pref.dat in the start folder when you answer Yes."}},
      {kCmdImportAgncData,
       {"Imports an agency daily-value file, optionally with its annual peak-flow file, as a new data set of "
        "the open project. Missing days are counted and you choose which years to keep.",
        "The data set title, description and stream class; the daily and peak file names and the first and "
        "last water year (0 for the whole file); what to do with years that have missing days.",
        "The data set file dataset_N and its entry in ds_directory."}},
      {kCmdImportAlternativeCsv,
       {"Imports an alternative flow scenario from a comma-separated file laid out as one column per water "
        "year and 366 rows of daily flows, optionally followed by peak flows.",
        "The file name, the data set title, description and stream class.",
        "The data set file dataset_N and its entry in ds_directory."}},
      {kCmdEditDataSetData,
       {"Shows the daily flows of a data set in a grid, one column per water year and one row per day from "
        "1 October, so you can correct them. Missing days show 999999.00.",
        "Which data set (when the project holds more than one), then the grid. Cells take numbers only.",
        "The data set file, rewritten when you press OK."}},
      {kCmdEditDataSetTitle,
       {"Changes the title, description and stream class of a data set.",
        "Which data set, then its title, description and stream class.", "ds_directory."}},
      {kCmdExportDataSetCsv,
       {"Writes the daily flows of a data set to a comma-separated file that can be imported again as an "
        "alternative.",
        "Which data set and the file to write; whether to overwrite an existing file.",
        "The chosen .csv file."}},
      {kCmdExportIndexValues,
       {"Writes the hydrologic index values of a data set to a comma-separated file.",
        "Which data set (only those with computed indices) and the file to write.", "The chosen .csv file."}},
      {kCmdCreateDataSetFromExisting,
       {"Copies a span of water years of a data set into a new data set, keeping its stream class and peaks.",
        "Which data set, then the new title, description and first and last water year.",
        "A new data set file and its entry in ds_directory."}},
      {kCmdGraphDataSet,
       {"Draws flow graphs of one or more data sets: daily, annual and monthly flow series and exceedence "
        "curves, with export of the graphed values.",
        "Which data sets and which series.", "Only the exports you ask for."}},
      {kCmdDataSetReport,
       {"Writes a report that lists the data sets of the project and the time period profiles, and shows it.",
        "Nothing.", "dump.txt in the project folder."}},
      {kCmdDeleteDataSet,
       {"Deletes a data set. Later data sets are renumbered so the numbers stay without gaps. A data set "
        "that is a period of a time period profile cannot be deleted before its profile.",
        "Which data set, then a Yes/No confirmation.",
        "Removes the data set file and its results, renumbers later files, rewrites ds_directory, the "
        "profile list and, when needed, the baseline."}},
      {kCmdCreateTimePeriodProfile,
       {"Divides a data set into up to five time periods that are compared with one another.",
        "Which data set, the profile title and the first and last water year and title of each period.",
        "A new data set for each period and the profile list ip_directory."}},
      {kCmdDeleteTimePeriodProfile,
       {"Deletes a time period profile.", "Which profile, then a confirmation.", "ip_directory."}},
      {kCmdComputeProfileIndices,
       {"Computes the 171 hydrologic indices with their percentile ranges for every period of a profile.",
        "Which profile, then the drainage area and the lower and upper percentile.",
        "One results file hiout_N.csv per period."}},
      {kCmdGraphTimePeriodData,
       {"Draws flow graphs of the periods of a profile.", "Which profile and which series.",
        "Only the exports you ask for."}},
      {kCmdGraphProfileIndices,
       {"Graphs the hydrologic index values of the periods of a profile against a base period.",
        "Which profile and which indices (the default set of the stream class or up to 12 of your choice).",
        "Only the exports you ask for."}},
      {kCmdProfileIndexTables,
       {"Writes the table of index values and ranges of the periods of a profile and shows it.",
        "Which profile and which indices.", "table.txt in the project folder."}},
      {kCmdProfileComparisonReport,
       {"Compares the index values of two periods of a profile and shows the report.",
        "Which profile, which periods and which indices.", "comprpt.txt in the project folder."}},
      {kCmdProfileAlterationScorecard,
       {"Scores each later period of a profile against its first period, quantity by quantity of the "
        "per-year series: how many years fall below, inside and above the range the first period's years "
        "held, against how many its share of years would expect (hydrologic alteration), with the medians "
        "and their deviation. Shows the report and the Alteration Graph.",
        "Which profile, then where the categories are split: the 33rd and 67th percentiles of the baseline "
        "years, the baseline mean minus and plus one standard deviation, or two percentiles of your choice.",
        "scorecard.txt and scorecard.csv in the project folder."}},
      {kCmdSelectBaseline,
       {"Chooses the data set that alternatives are compared with.",
        "Which data set (only those with computed indices).", "The project's baseline file."}},
      {kCmdComputeAlternativeIndices,
       {"Computes the 171 hydrologic indices with their percentile ranges of one data set.",
        "Which data set, then the drainage area and the lower and upper percentile.",
        "The results file hiout_N.csv of the data set."}},
      {kCmdGraphAlternativeData,
       {"Draws flow graphs of the baseline and alternatives.", "Which alternatives and which series.",
        "Only the exports you ask for."}},
      {kCmdGraphAlternativeIndices,
       {"Graphs the index values of alternatives against the baseline.",
        "Which alternatives and which indices.", "Only the exports you ask for."}},
      {kCmdAlternativeIndexTables,
       {"Writes the table of index values of the baseline and up to four alternatives and shows it.",
        "Which alternatives and which indices.", "table.txt in the project folder."}},
      {kCmdAlternativeComparisonReport,
       {"Compares the index values of one alternative with the baseline and shows the report.",
        "Which alternative and which indices.", "comprpt.txt in the project folder."}},
      {kCmdAlternativeAlterationScorecard,
       {"Scores up to four alternatives against the baseline data set, quantity by quantity of the per-year "
        "series, as the scorecard of a profile does. Shows the report and the Alteration Graph.",
        "Which alternatives, then where the categories are split.",
        "scorecard.txt and scorecard.csv in the project folder."}},
      {kCmdHelpTopics, {"Shows this help.", "Nothing.", "Nothing."}},
      {kCmdUserGuide,
       {"Opens the user guide: one whole analysis of a real record worked through step by step (import "
        "with a peak file, indices, a time period profile, the reports, the graphs, tarvel and zelvo-cli), "
        "with pictures of each window, what the numbers mean for the river, and a glossary of the index "
        "groups.",
        "Nothing.", "Nothing."}},
      {kCmdAbout, {"Shows the program's name and version.", "Nothing.", "Nothing."}},
  };
  return topics;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

std::string MenuTrail(const Command& c) {
  std::string trail;
  for (const std::string& part : c.menuPath) trail += part + " &gt; ";
  return trail + Escape(c.text);
}

}  // namespace

HelpTopic HelpTopicFor(int commandId) {
  const auto it = Topics().find(commandId);
  return it == Topics().end() ? HelpTopic{} : it->second;
}

std::string HelpAnchor(int commandId) { return "cmd" + std::to_string(commandId); }

std::string IndexHelpAnchor(int number) { return "index_" + std::string(IndexName(number)); }

namespace {

// The 171 indices in catalogue order, one table per group.
std::string IndexCatalogueHtml() {
  std::string html = std::string("<h2><a name=\"") + kIndexCatalogueAnchor + "\"></a>Index catalogue</h2>";
  html +=
      "<p>Every hydrologic index the program computes, in the order of the index tables. A value taken over "
      "the water years is the mean of the yearly values; with the median option on (Preferences &gt; Modify "
      "Indices) the indices listed there take the median instead. Percentiles of daily flows are taken over "
      "the "
      "days with flow above zero where the definition says so. An index that could not be computed (a "
      "division "
      "by zero, or an index of annual peak flows for a data set without them) reads NC in the tables.</p>";
  std::string group;
  for (int n = 0; n < kIndexCount; ++n) {
    const IndexDefinition d = IndexDefinitionOf(n);
    if (d.group != group) {
      if (!group.empty()) html += "</table>";
      group = d.group;
      html += "<h3>" + Escape(group) + "</h3>";
      html +=
          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
          "<tr><th>Index</th><th>Definition</th><th>Units</th></tr>";
    }
    html += "<tr><td><a name=\"" + IndexHelpAnchor(n) + "\"></a>" + std::string(IndexName(n)) + "</td><td>" +
            Escape(std::string(d.definition)) + "</td><td>" + Escape(std::string(d.units)) + "</td></tr>";
  }
  if (!group.empty()) html += "</table>";
  return html;
}

}  // namespace

std::string HelpPageHtml(const CommandTable& table) {
  std::string html =
      "<html><body>"
      "<h1>ZELVO help</h1>"
      "<p>ZELVO computes hydrologic indices from records of daily mean stream flow. Each study is a "
      "<b>project</b>: a folder that holds up to 50 <b>data sets</b> (daily flows by water year, 1 October "
      "to "
      "30 September), their computed index results and the reports written from them. Open or create a "
      "project "
      "first; the commands that work on data are greyed out until a project is open.</p>"
      "<p>A typical session: File &gt; New Project, Data Management &gt; Import AGNC Data, then compute and "
      "compare "
      "hydrologic indices by time period or by alternative. Help &gt; User Guide works such a session "
      "through on a real record, with a picture of every window and what the numbers mean.</p>"
      "<h2>Contents</h2><ul>";
  std::string lastMenu;
  for (const Command& c : table.Commands()) {
    if (c.menuPath.empty()) continue;
    if (c.menuPath.front() != lastMenu) {
      if (!lastMenu.empty()) html += "</ul></li>";
      lastMenu = c.menuPath.front();
      html += "<li>" + Escape(lastMenu) + "<ul>";
    }
    html += "<li><a href=\"#" + HelpAnchor(c.id) + "\">" + MenuTrail(c) + "</a></li>";
  }
  if (!lastMenu.empty()) html += "</ul></li>";
  html += std::string("<li><a href=\"#") + kIndexCatalogueAnchor + "\">Index catalogue</a></li>";
  html += "</ul>";

  for (const Command& c : table.Commands()) {
    if (c.menuPath.empty()) continue;
    const HelpTopic topic = HelpTopicFor(c.id);
    html += "<h2><a name=\"" + HelpAnchor(c.id) + "\"></a>" + MenuTrail(c) + "</h2>";
    if (c.binding == CommandBinding::NotYet) html += "<p><i>" + Escape(NotAvailableText(c)) + "</i></p>";
    if (c.needsProject) html += "<p>Needs an open project.</p>";
    html += "<p><b>What it does.</b> " + Escape(topic.does) + "</p>";
    html += "<p><b>What it asks.</b> " + Escape(topic.asks) + "</p>";
    html += "<p><b>What it writes.</b> " + Escape(topic.writes) + "</p>";
  }
  html += IndexCatalogueHtml();
  html += "</body></html>";
  return html;
}

}  // namespace zelvo
