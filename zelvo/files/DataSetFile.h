#pragma once
// The data set file "dataset_N": a years line, 366 day-slot lines (a column per water year) and,
// when the entry's peak flag is 1, the peak count, the peak discharges and the peak-day flows.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "common/engine/FlowRecord.h"
#include "common/io/Status.h"

namespace zelvo {

// "Can not open the daily flow data file:  %s"
std::string DataSetOpenFailure(const std::filesystem::path& path);

// Reads a data set file into `record`. The file is read whole or refused: an empty file, a file
// that ends before its 366th slot line or its last peak, a slot line cut short or with another
// number of values than the years line has years, more than 150 values on a line, a value that
// is not a number, more lines than the layout has or a peak count outside 0..150 fail with
// "The daily flow data file is damaged:  ..." and leave `record` as it was.
Status ReadDataSetFile(std::istream& in, bool peakFlag, FlowRecord& record);
// File convenience; the open failure gives DataSetOpenFailure(path), a damaged file names the path.
Status ReadDataSetFile(const std::filesystem::path& path, bool peakFlag, FlowRecord& record);

// Writes the years line and the 366 slot lines, and the peak section when `withPeaks` is set
// and the record holds peaks. CR LF line ends; the last line of a peak section has none.
void WriteDataSetFile(std::ostream& out, const FlowRecord& record, bool withPeaks);
// The whole file or nothing: false (and the old file as it was) on any failure.
bool WriteDataSetFile(const std::filesystem::path& path, const FlowRecord& record, bool withPeaks);

// Turns `record` into what reading back its data set file (written with `withPeaks`) gives:
// every flow, peak and peak-day flow rounded to the file's three decimals and read back as the
// reader reads it, the cells beyond the year count 0, no peaks when no peak section is written.
// The same bits as writing and reading the file, without the text.
void RoundAsDataSetFile(FlowRecord& record, bool withPeaks);

}  // namespace zelvo
