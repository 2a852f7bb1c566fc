#pragma once
// The index engine: turns the daily flows of one FlowRecord into the catalogue of 171 indices.
// zelvo runs it with limits, the drainage area and the median option and writes the results
// file; tarvel runs it in classifier mode (means only, no limits, no peaks) and keeps 22 values.

#include "common/engine/FlowRecord.h"
#include "common/engine/IndexResults.h"
#include "common/engine/ProgressPositions.h"

namespace zelvo {

struct EngineOptions {
  float drainageArea = 1.0f;      // square miles, > 0
  float lowerPercentile = 25.0f;  // 1..99, as typed
  float upperPercentile = 75.0f;  // 1..99, above the lower
  bool medianOption = false;
  bool usePeaks = false;        // the record's peak pairs take part (peak-based indices)
  bool classifierMode = false;  // tarvel: every central value the mean, no limits
};

// Receives the progress positions of a run (progress::kIdle to progress::kEnd), in rising order.
class EngineProgress {
 public:
  virtual ~EngineProgress() = default;
  virtual void SetPosition(int position) = 0;
};

// Runs the whole catalogue. The record is copied and cleaned (negative or NaN flows become
// missing); peaks are used only when options.usePeaks is set and the record has peak pairs.
IndexResults RunIndexEngine(const FlowRecord& record, const EngineOptions& options,
                            EngineProgress* progress = nullptr);

}  // namespace zelvo
