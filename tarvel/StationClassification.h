#pragma once
// One classification of an imported record: the engine in classifier mode over the whole
// catalogue, its 22 values copied into the value table, and the classification functions.

#include "common/engine/FlowRecord.h"
#include "common/engine/IndexEngine.h"
#include "tarvel/StreamClassifier.h"

namespace zelvo::tarvel {

struct StationClassification {
  ClassifierInputs inputs{};
  ClassifierScores scores{};
  int classCode = kUnclassified;
};

// The engine options of the classification program: drainage area 1.0, limits 25/75, means
// only, no peak flows.
EngineOptions ClassifierEngineOptions();

// Resets the value table to 1.0, runs the engine on `record` (progress positions go to
// `progress` when given), fills the table and classifies.
StationClassification ClassifyFlowRecord(const FlowRecord& record, EngineProgress* progress = nullptr);

}  // namespace zelvo::tarvel
