#pragma once
// The commands of the time period menu that create, delete and compute profiles.

#include "common/ui/Ui.h"

namespace zelvo {

struct AppState;

void CreateTimePeriodProfile(AppState& app, Ui& ui);
void DeleteTimePeriodProfile(AppState& app, Ui& ui);
void ComputeProfileIndices(AppState& app, Ui& ui);

// Messages of our own for the two limits a profile can break.
inline constexpr const char* kTooManyPeriodsOfRecordMessage =
    "The data set has more than 10 periods of record.  Please choose a base data set with fewer gaps in its "
    "record.";
inline constexpr const char* kProfileExceedsDataSetLimitMessage =
    "These time periods would take the project past the maximum number of data sets (50).  You must define "
    "fewer periods or delete some data sets.";

}  // namespace zelvo
