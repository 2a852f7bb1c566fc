#pragma once
// The readers behind the classification program's imports: the daily-value reader with its
// screening (and the batch flag) for file type 0, the CSV reader for file type 1.

#include "tarvel/TarvelDriver.h"

namespace zelvo::tarvel {

StationImporter ReaderStationImporter();

}  // namespace zelvo::tarvel
