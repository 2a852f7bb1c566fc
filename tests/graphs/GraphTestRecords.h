#pragma once
// Small flow records for the graph tests, built in memory.

#include <functional>
#include <memory>

#include "common/engine/FlowRecord.h"
#include "zelvo/graphs/FlowSeries.h"

namespace zelvo::testing {

// A record of water years first..last whose flow at (year, 0-based slot) is `flow(year, slot)`;
// slot 151 stays missing unless `leapDay` is set.
inline std::unique_ptr<FlowRecord> MakeRecord(int first, int last, const std::function<float(int, int)>& flow,
                                              bool leapDay = false) {
  auto r = std::make_unique<FlowRecord>();
  r->yearCount = last - first + 1;
  for (int i = 0; i < r->yearCount; ++i) {
    r->years[i] = first + i;
    for (int s = 0; s < kDaySlots; ++s)
      r->flows[i][s] = (s == kLeapDaySlot && !leapDay) ? kMissing : flow(first + i, s);
  }
  return r;
}

inline FlowCurveInput Curve(const char* label, const FlowRecord& r) {
  return FlowCurveInput{label, &r, r.FirstYear(), r.LastYear()};
}

}  // namespace zelvo::testing
