#pragma once
// What one engine run yields: value, lower and upper limit of every index (999999.0 = not
// computed), and the two peak-flow thresholds written beside FH11 and TL3.

#include <array>

#include "common/engine/FlowRecord.h"
#include "common/engine/IndexCatalogue.h"

namespace zelvo {

struct IndexResult {
  float lower = kMissing;
  float value = kMissing;
  float upper = kMissing;
};

struct IndexResults {
  std::array<IndexResult, kIndexCount> index{};
  bool peaksPresent = false;      // the run had peak pairs
  float threshold167 = kMissing;  // 1.67-year flood threshold (beside FH11)
  float threshold5 = kMissing;    // 5-year flood threshold (beside TL3)

  IndexResult& operator[](int number) { return index[number]; }
  const IndexResult& operator[](int number) const { return index[number]; }
};

}  // namespace zelvo
