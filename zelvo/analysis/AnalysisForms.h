#pragma once
// The small dialogs of the analysis commands.

#include <string>
#include <vector>

#include "common/ui/Ui.h"

namespace zelvo {

// "Enter a title for the report": any text, also an empty one, is accepted.
struct ReportTitleForm : Form {
  const char* FormName() const override { return "ReportTitle"; }
  std::string title;
};

// "First period of record" / "Second period of record": a single-selection list of periods.
struct PeriodChoiceForm : Form {
  const char* FormName() const override { return "PeriodChoice"; }
  std::string caption;               // "First period of record" or "Second period of record"
  std::string label;                 // "Select the first period of record for comparison:" ...
  std::vector<std::string> entries;  // titles of the periods' data sets
  std::vector<int> targets;          // 0-based period of each entry
  int chosen = 0;                    // list position; the first entry is preselected
};

}  // namespace zelvo
