#include "zelvo/files/CopyYears.h"

namespace zelvo {

bool CopyYears(const FlowRecord& base, int first, int last, FlowRecord& out) {
  int from = -1, to = -1;
  for (int i = 0; i < base.yearCount; ++i) {
    if (base.years[i] == first) from = i;
    if (base.years[i] == last) to = i;
  }
  if (from < 0 || to < from) return false;
  out.Clear(0.0f);
  out.yearCount = to - from + 1;
  for (int i = from; i <= to; ++i) {
    out.years[i - from] = base.years[i];
    out.flows[i - from] = base.flows[i];
  }
  out.peakCount = base.peakCount;
  out.peaks = base.peaks;
  out.peakDayFlows = base.peakDayFlows;
  return true;
}

}  // namespace zelvo
