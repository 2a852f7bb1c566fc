#include "zelvo/analysis/ComputeIndices.h"

#include <cmath>

#include "common/engine/HiOutputFile.h"
#include "zelvo/files/DataSetFile.h"

namespace zelvo {

Status ComputeIndices(const ComputeRequest& request, EngineProgress* progress, FlowRecord* recordRead) {
  FlowRecord record;
  if (Status read = ReadDataSetFile(request.dataSetPath, request.peakFlag == 1, record); !read) return read;
  if (recordRead != nullptr) *recordRead = record;

  EngineOptions options;
  options.drainageArea = request.drainageArea;
  options.lowerPercentile = request.lowerPercentile;
  options.upperPercentile = request.upperPercentile;
  options.medianOption = request.medianOption;
  options.usePeaks = request.peakFlag == 1;
  const IndexResults results = RunIndexEngine(record, options, progress);

  HiOutputHeader header;
  header.caption = request.title;
  header.medianOption = request.medianOption;
  header.lowerPercentile = request.lowerPercentile;
  header.upperPercentile = request.upperPercentile;
  // The whole file is written at the end of the run and replaces the previous results only
  // once it is complete on the disk.
  return WriteHiOutputFile(request.resultsPath, header, results);
}

std::optional<FieldMessage> CheckComputeForm(const ComputeForm& form) {
  if (!form.drainageAreaIsNumber || !(form.drainageArea > 0.0f))
    return FieldMessage{"Please enter a value for the drainage area.", "drainageArea"};
  if (!(form.drainageArea <= kMaxDrainageArea))
    return FieldMessage{"The drainage area must be greater than 0 and at most 10000000 square miles.",
                        "drainageArea"};
  if (!(form.lowerPercentile >= 1.0f && form.lowerPercentile <= 99.0f))
    return FieldMessage{"The lower limit must be between 1 and 99.", "lowerPercentile"};
  if (!(form.upperPercentile >= 1.0f && form.upperPercentile <= 99.0f))
    return FieldMessage{"The upper limit must be between 1 and 99.", "upperPercentile"};
  if (form.lowerPercentile >= form.upperPercentile)
    return FieldMessage{"The lower limit must be less than the upper limit.", "lowerPercentile"};
  return std::nullopt;
}

const char* ComputeFormNote(bool medianOption) {
  return medianOption ? "Some hydrologic indices have been modifiied. - See Preferences" : "";
}

}  // namespace zelvo
