#include "zelvo/files/DataSetCsvExport.h"

#include <ostream>
#include <string>

#include "common/engine/TextFormat.h"

namespace zelvo {

void WriteDataSetCsv(std::ostream& out, const FlowRecord& record, bool withPeaks) {
  std::string text;
  const int n = record.yearCount;
  for (int y = 0; y < n; ++y) text += Format(y + 1 < n ? "%4d," : "%4d", record.years[y]);
  text += "\r\n";
  for (int s = 0; s < kDaySlots; ++s) {
    for (int y = 0; y < n; ++y)
      text += Format(y + 1 < n ? "%13.3f," : "%13.3f", static_cast<double>(record.flows[y][s]));
    text += "\r\n";
  }
  if (withPeaks) {
    const int p = record.peakCount < 0 ? 0 : (record.peakCount > kMaxPeaks ? kMaxPeaks : record.peakCount);
    text += Format("%d", p) + "\r\n";
    for (int k = 0; k < p; ++k) text += Format("%13.3f,", static_cast<double>(record.peaks[k]));
    text += "\r\n";
    for (int k = 0; k < p; ++k) text += Format("%13.3f,", static_cast<double>(record.peakDayFlows[k]));
  }
  out << text;
}

}  // namespace zelvo
