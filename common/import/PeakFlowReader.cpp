#include "common/import/PeakFlowReader.h"

#include <fstream>
#include <istream>

#include "common/import/AgencyLines.h"
#include "common/io/TextInput.h"
#include "common/ui/Ui.h"

namespace zelvo {

std::string BadPeakRecordsMessage(const std::string& path) {
  return "The peak flow file, " + path + ", has bad records in it.\n\nPlease delete them.";
}

std::string TooManyPeaksMessage(const std::string& path) {
  return "The peak flow file, " + path +
         ", has more than 150 peaks in the imported years.\n\nPlease delete some of them.";
}

Status ReadPeakFlows(std::istream& in, int firstWaterYear, FlowRecord& record, PeakFlowCounts& counts,
                     const std::string& pathForMessages) {
  counts = PeakFlowCounts{};
  int count = 0;
  record.peakCount = 0;
  record.peaks.fill(0.0f);
  record.peakDayFlows.fill(0.0f);
  auto fail = [&](std::string message, long line) {
    counts.badLine = line;
    record.peakCount = 0;
    record.peaks.fill(0.0f);
    record.peakDayFlows.fill(0.0f);
    return Status::Failure(std::move(message));
  };
  bool agencyLineSeen = false;
  long lineNumber = 0;
  std::string line;
  while (ReadTextLine(in, line)) {
    ++lineNumber;
    TrimLineEnd(line);
    if (!agencyLineSeen) {
      if (!StartsAgencyData(line)) continue;
      agencyLineSeen = true;
    }
    const PeakLine peak = ParsePeakLine(line);
    if (!peak.hasDate) continue;  // a blank line or a trailer, not a record
    CalendarDate date;
    if (!IsValidPeak(peak, date)) return fail(BadPeakRecordsMessage(pathForMessages), lineNumber);
    ++counts.validRecords;
    const SlotAndYear at = SlotOfDate(date);
    const long column = static_cast<long>(at.waterYear) - firstWaterYear;
    if (column < 0 || column >= record.yearCount) continue;
    const float dayFlow =
        record.flows[static_cast<std::size_t>(column)][static_cast<std::size_t>(at.slot - 1)];
    if (dayFlow == kMissing) continue;
    if (count == kMaxPeaks) return fail(TooManyPeaksMessage(pathForMessages), lineNumber);
    record.peaks[static_cast<std::size_t>(count)] = peak.peak;
    record.peakDayFlows[static_cast<std::size_t>(count)] = dayFlow;
    ++count;
  }
  record.peakCount = count;
  return Status::Success();
}

Status ReadPeakFlowFile(Ui& ui, std::ifstream& in, const std::string& path, int firstWaterYear,
                        FlowRecord& record) {
  PeakFlowCounts counts;
  Status read = ReadPeakFlows(in, firstWaterYear, record, counts, path);
  in.close();
  if (read) return read;
  ui.Message(read.Message());
  ui.ShowReport(path, true);
  return read;
}

}  // namespace zelvo
