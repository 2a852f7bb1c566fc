#pragma once
// The text reports of the main program: index tables ("table.txt"), comparison reports
// ("comprpt.txt") and the data set report ("dump.txt"). The functions here only format; the
// commands gather their inputs from the project folder. Line ends are CR LF.

#include <optional>
#include <string>
#include <vector>

#include "common/engine/FlowRecord.h"
#include "common/engine/HiOutputFile.h"
#include "zelvo/files/DataSetEntry.h"
#include "zelvo/files/ProfileEntry.h"

namespace zelvo {

// One block of an index table: a period of a profile, or the baseline or an alternative.
struct IndexTableBlock {
  std::string title;  // the data set's title
  HiTable table;      // its results file as read by the index table reader
};

// `heading` is "<profile title> - Hydrologic Index Values" or "Alternative Hydrologic Index
// Values"; the column header shows the percentiles of the last block's file.
std::string FormatIndexTable(const std::string& heading, const std::vector<IndexTableBlock>& blocks,
                             const std::vector<int>& indices);

// One side of a comparison report.
struct ComparisonSide {
  std::string title;
  std::string startDate;  // "10/01/1950"
  std::string endDate;    // "09/30/1960"
  HiTable table;
};

// Periods: "Period of Record 1/2"; alternatives: "Baseline alternative" / "Compared alternative".
std::string FormatComparisonReport(bool alternatives, const std::string& reportTitle,
                                   const std::string& projectName, const ComparisonSide& first,
                                   const ComparisonSide& second, const std::vector<int>& indices);

// The days of a record that have a flow (neither missing nor negative) and those among them
// whose flow is 0.
struct ZeroFlowShare {
  long daysWithData = 0;
  long zeroDays = 0;
};
ZeroFlowShare CountZeroFlowDays(const FlowRecord& record);

// dump.txt: every data set, every profile and the baseline. A directory that could not be read
// (nullopt) leaves its section out. `zeroFlows` holds, per data set, the share of its zero-flow
// days (nullopt: its data file could not be read); a data set beyond its end gets no such line.
std::string FormatDataSetReport(const std::optional<std::vector<DataSetEntry>>& dataSets,
                                const std::optional<std::vector<ProfileEntry>>& profiles, int baseline,
                                const std::vector<std::optional<ZeroFlowShare>>& zeroFlows = {});

// Turns the "\n" line ends of a report into CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace zelvo
