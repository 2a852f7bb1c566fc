#pragma once
// The alteration scorecard commands: the later periods of a time period profile against its first
// period, and up to four alternatives against the baseline. Both write "scorecard.txt" and
// "scorecard.csv" in the project folder and show the report.

#include <optional>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/engine/YearlySeries.h"
#include "common/ui/Ui.h"
#include "zelvo/analysis/Scorecard.h"
#include "zelvo/graphs/AlterationGraph.h"

namespace zelvo {

struct AppState;

// "Alteration Scorecard": the method of the categories.
struct ScorecardMethodForm : Form {
  const char* FormName() const override { return "ScorecardMethod"; }
  static constexpr const char* kCaption = "Alteration Scorecard";
  enum Choice : int { kTerciles = 0, kParametric = 1, kChosenPercentiles = 2 };
  int choice = kTerciles;
  float lowerPercentile = 25.0f;  // the chosen percentiles; they start as the compute dialog's limits
  float upperPercentile = 75.0f;
};
std::optional<FieldMessage> CheckScorecardMethod(const ScorecardMethodForm& form);
ScorecardOptions OptionsOf(const ScorecardMethodForm& form);

// The water years `firstYear` to `lastYear` (inclusive) of a per-year series as a scored period:
// every column but the count of valid days, which describes the record rather than the flows.
// The period's years are those of the series that fall in the span.
ScorecardPeriod ScorecardPeriodOf(const std::string& title, const YearlySeries& series, int firstYear,
                                  int lastYear);
// The whole record.
ScorecardPeriod ScorecardPeriodOf(const std::string& title, const FlowRecord& record);

// The scorecard a command wrote, for the graph that follows it.
struct ScorecardResult {
  std::string heading;
  bool alternatives = false;
  Scorecard card;
};

// The bars of the Alteration Graph: the middle category of every block.
AlterationGraphInput AlterationGraphOf(const ScorecardResult& result);

inline constexpr const char* kScorecardReportName = "scorecard.txt";
inline constexpr const char* kScorecardCsvName = "scorecard.csv";

// Nullopt when the command ended before writing (a message, Cancel or a failed write).
std::optional<ScorecardResult> ProfileAlterationScorecard(AppState& app, Ui& ui);
std::optional<ScorecardResult> AlternativeAlterationScorecard(AppState& app, Ui& ui);

}  // namespace zelvo
