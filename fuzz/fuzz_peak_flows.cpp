// Peak-flow reader against a record of 150 complete water years from 1871.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/import/PeakFlowReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  static FlowRecord record = [] {
    FlowRecord r;
    r.Clear(kMissing);
    r.yearCount = kMaxYears;
    for (int i = 0; i < kMaxYears; ++i) {
      r.years[static_cast<std::size_t>(i)] = 1871 + i;
      r.flows[static_cast<std::size_t>(i)].fill(1.0f);
    }
    return r;
  }();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  PeakFlowCounts counts;
  const Status read = ReadPeakFlows(in, 1871, record, counts, "fuzz");
  if (record.peakCount < 0 || record.peakCount > kMaxPeaks || (read.Ok() && counts.badLine != 0))
    __builtin_trap();
  return 0;
}
