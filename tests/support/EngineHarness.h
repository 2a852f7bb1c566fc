#pragma once
// Runs the engine frame up to the entry of one index group, so a group can be tested on its own
// with the state the earlier groups leave behind: MA1/MA2 known, monthly and annual tables
// built, the shared flow list holding the positive valid days sorted ascending (as MH27 leaves
// it, and as DH20 leaves it for the timing group), the peak-flow line fitted.

#include <memory>

#include "common/engine/EngineContext.h"

namespace zelvo::testing {

inline std::unique_ptr<EngineContext> ContextAfterMagnitude(const FlowRecord& record,
                                                            const EngineOptions& options) {
  auto ctx = std::make_unique<EngineContext>(record, options, nullptr);
  ComputeRecordMeanAndMedian(*ctx);
  BuildMonthlyTables(*ctx);
  RefillPositiveFlows(*ctx);
  SortValues(1, ctx->flowList.data(), ctx->flowCount);
  FitPeakLine(*ctx);
  return ctx;
}

// A record of `years` water years starting at `firstYear`, every slot set to `flow` (slot 151
// too, so every year is complete).
inline FlowRecord ConstantRecord(int years, float flow, int firstYear = 1991) {
  FlowRecord r;
  r.yearCount = years;
  for (int y = 0; y < years; ++y) {
    r.years[y] = firstYear + y;
    r.flows[y].fill(flow);
  }
  return r;
}

}  // namespace zelvo::testing
