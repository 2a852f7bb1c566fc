#include "tarvel/StationClassification.h"

namespace zelvo::tarvel {

EngineOptions ClassifierEngineOptions() {
  EngineOptions options;
  options.drainageArea = 1.0f;
  options.lowerPercentile = 25.0f;
  options.upperPercentile = 75.0f;
  options.medianOption = false;
  options.usePeaks = false;
  options.classifierMode = true;
  return options;
}

StationClassification ClassifyFlowRecord(const FlowRecord& record, EngineProgress* progress) {
  StationClassification result;
  result.inputs = ResetClassifierInputs();
  const IndexResults indices = RunIndexEngine(record, ClassifierEngineOptions(), progress);
  FillClassifierInputs(indices, result.inputs);
  result.classCode = ClassifyStream(result.inputs, result.scores);
  return result;
}

}  // namespace zelvo::tarvel
