#pragma once
// A data set written as a comma-separated file: the years line, 366 slot lines and, for a data
// set with peaks, the peak count, the peaks and the peak-day flows. The alternative CSV import
// reads this layout back.

#include <iosfwd>

#include "common/engine/FlowRecord.h"

namespace zelvo {

// Years "%4d," (the last "%4d"), flows "%13.3f," (the last "%13.3f"); with peaks the count "%d",
// then every peak and every peak-day flow "%13.3f," (the last too), the final line without a
// line end. CR LF line ends.
void WriteDataSetCsv(std::ostream& out, const FlowRecord& record, bool withPeaks);

}  // namespace zelvo
