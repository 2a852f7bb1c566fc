#pragma once
// zelvo's way of running the engine: read the data set file, compute every index with its
// limits and write the results file "hiout_N.csv".

#include <filesystem>
#include <optional>
#include <string>

#include "common/engine/IndexEngine.h"
#include "common/io/Status.h"
#include "common/ui/Ui.h"

namespace zelvo {

struct ComputeRequest {
  std::filesystem::path dataSetPath;
  std::filesystem::path resultsPath;
  int peakFlag = 0;  // 1: the data set file carries the peak section
  float drainageArea = 1.0f;
  float lowerPercentile = 25.0f;
  float upperPercentile = 75.0f;
  bool medianOption = false;
  std::string title;  // caption on the first line of the results file
};

// Runs the engine for one data set. Fails with the message to show when the data file cannot be
// opened or read (nothing written) or the results file cannot be written. `recordRead`, when
// given, receives the record as read from the data set file.
Status ComputeIndices(const ComputeRequest& request, EngineProgress* progress = nullptr,
                      FlowRecord* recordRead = nullptr);

// The compute dialog ("Compute hydrologic indices for %s").
struct ComputeForm : Form {
  const char* FormName() const override { return "ComputeIndices"; }
  std::string caption;  // "Compute hydrologic indices for %s"
  std::string note;     // ComputeFormNote(median option)
  float drainageArea = 0.0f;
  float upperPercentile = 75.0f;
  float lowerPercentile = 25.0f;
  bool drainageAreaIsNumber = true;  // false when the field does not hold a number
};
// The largest drainage area taken, in square miles (larger than any river basin on Earth).
inline constexpr float kMaxDrainageArea = 1.0e7f;
// The checks of OK, in their order: a drainage area that is a number above 0, and at most
// kMaxDrainageArea (so never infinite), then the two percentiles.
std::optional<FieldMessage> CheckComputeForm(const ComputeForm& form);
// Note line under the fields.
const char* ComputeFormNote(bool medianOption);

}  // namespace zelvo
