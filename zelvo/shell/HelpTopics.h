#pragma once
// The program's help: one topic per menu command (what it does, what it asks, what it writes),
// put together as one HTML page with a contents list that links to each topic.

#include <string>

#include "zelvo/shell/CommandTable.h"

namespace zelvo {

struct HelpTopic {
  std::string does;    // what the command does
  std::string asks;    // the dialogs and questions it shows
  std::string writes;  // the files it writes or changes
};

// The topic of a command; an empty topic for an id without one.
HelpTopic HelpTopicFor(int commandId);

// Anchor of a command's topic in the help page ("cmd32826").
std::string HelpAnchor(int commandId);
// Anchor of the index catalogue in the help page, and of one index in it ("index_MA1").
inline constexpr const char* kIndexCatalogueAnchor = "indices";
std::string IndexHelpAnchor(int number);

// The whole help page: an introduction, the contents grouped by menu, then one section per menu
// command of `table` in menu order (commands not available yet say so), then the index catalogue:
// every index with its group, definition and units.
std::string HelpPageHtml(const CommandTable& table);

}  // namespace zelvo
