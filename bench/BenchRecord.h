#pragma once
// A realistic, fully deterministic 150-year record of daily mean flows with annual peaks, for
// timing the engine and the command line on the largest input the system takes.

#include "common/engine/FlowRecord.h"

namespace zelvo::bench {

// Water years 1871-2020 of a mid-sized snow-and-rain river: a seasonal base flow, storm runoff
// with exponential recession, wet and dry years, a few gaps (ice), 29 February missing outside
// leap years, flows kept to 0.01 cfs so that a data set file reproduces them exactly, and one
// annual peak per year paired with the daily mean flow of its day.
FlowRecord MakeBenchRecord();

}  // namespace zelvo::bench
