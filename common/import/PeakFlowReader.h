#pragma once
// The agency annual peak-flow reader: every valid peak whose day has a stored daily flow is
// paired with that flow.

#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/io/Status.h"

namespace zelvo {

class Ui;

// "The peak flow file, %s, has bad records in it.\n\nPlease delete them."
std::string BadPeakRecordsMessage(const std::string& path);
// More pairs than the 150 peaks a record holds.
std::string TooManyPeaksMessage(const std::string& path);

// What a read counted besides the peaks.
struct PeakFlowCounts {
  long badLine = 0;      // on failure: 1-based line of the first bad record (0 when none)
  int validRecords = 0;  // valid peak records read
};

// Reads the peak file and fills peakCount, peaks and peakDayFlows of `record`, whose column i
// is water year firstWaterYear + i. A peak whose water year is not a column, or whose day is
// missing, is dropped without a word. The first invalid record (year outside 1800..2050, a date
// that is not in the calendar, a discharge not above 0 or absent) ends the reading with
// BadPeakRecordsMessage; the peaks of `record` are then left at 0.
Status ReadPeakFlows(std::istream& in, int firstWaterYear, FlowRecord& record, PeakFlowCounts& counts,
                     const std::string& pathForMessages = "");

// The main program's read of an opened peak file: on a failure the message, then the file is
// closed and shown for the user to correct (waiting until it is closed).
Status ReadPeakFlowFile(Ui& ui, std::ifstream& in, const std::string& path, int firstWaterYear,
                        FlowRecord& record);

}  // namespace zelvo
