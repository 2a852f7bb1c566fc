#pragma once
// Small records for the magnitude tests and a runner that stops right after the magnitude
// group, so the state it leaves for later groups can be inspected.

#include <functional>
#include <memory>

#include "common/engine/EngineContext.h"

namespace zelvo::testing {

// `years` water years from 1991; slot s of year y holds flow(y, s).
inline FlowRecord RecordOf(int years, const std::function<float(int, int)>& flow) {
  FlowRecord r;
  r.yearCount = years;
  for (int y = 0; y < years; ++y) {
    r.years[y] = 1991 + y;
    for (int s = 0; s < kDaySlots; ++s) r.flows[y][s] = flow(y, s);
  }
  return r;
}

inline std::unique_ptr<EngineContext> RunThroughMagnitude(const FlowRecord& record,
                                                          const EngineOptions& options = {},
                                                          EngineProgress* progress = nullptr) {
  auto ctx = std::make_unique<EngineContext>(record, options, progress);
  ComputeRecordMeanAndMedian(*ctx);
  BuildMonthlyTables(*ctx);
  ComputeMagnitudeIndices(*ctx);
  return ctx;
}

// Zelvo options with limits at 25/75, no median option, drainage area `area`.
inline EngineOptions ZelvoOptions(float area = 1.0f, bool median = false) {
  EngineOptions o;
  o.drainageArea = area;
  o.medianOption = median;
  return o;
}

}  // namespace zelvo::testing
