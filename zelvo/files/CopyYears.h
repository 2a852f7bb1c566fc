#pragma once
// A span of water years cut out of a record: the copy behind a new data set made from an existing
// one and behind each period of a time period profile.

#include "common/engine/FlowRecord.h"

namespace zelvo {

// The water years first..last of `base`, found by their positions in its year list, with all
// their slots; the peaks of the base are kept whole. False when either year is not stored.
bool CopyYears(const FlowRecord& base, int first, int last, FlowRecord& out);

}  // namespace zelvo
