#pragma once
// Where the progress bar (0 to 100) stands when a stage of an engine run has finished, named after
// the last index of the stage. The positions rise through the run in catalogue order; the
// classification program sets the bar back to kIdle once a station is classified.

namespace zelvo::progress {

inline constexpr int kIdle = 0;
inline constexpr int kEnd = 100;  // after RA9: the whole run

inline constexpr int kMa2 = 1;  // record mean and median
inline constexpr int kMa4 = 2;
inline constexpr int kMa5 = 3;
inline constexpr int kMa8 = 4;
inline constexpr int kMa9 = 5;
inline constexpr int kMa11 = 6;
inline constexpr int kMa35 = 20;  // MA12 to MA35: two steps per month from kMa11 to here
inline constexpr int kMa40 = 23;
inline constexpr int kMa45 = 26;
inline constexpr int kMl6 = 29;
inline constexpr int kMl12 = 32;
inline constexpr int kMl16 = 35;
inline constexpr int kMl20 = 38;
inline constexpr int kMl21 = 40;
inline constexpr int kMl22 = 43;
inline constexpr int kMh13 = 46;
inline constexpr int kMh18 = 49;
inline constexpr int kMh22 = 52;
inline constexpr int kMh27 = 55;
inline constexpr int kFl3 = 57;
inline constexpr int kFh4 = 60;
inline constexpr int kFh9 = 61;
inline constexpr int kFh11 = 62;
inline constexpr int kDl1 = 64;  // DL1, DL3, DL5: kDl1, kDl1 + 1, kDl1 + 2
inline constexpr int kDl10 = 67;
inline constexpr int kDl13 = 68;
inline constexpr int kDl15 = 70;
inline constexpr int kDl17 = 72;
inline constexpr int kDl19 = 73;
inline constexpr int kDl20 = 74;
inline constexpr int kDh5 = 76;
inline constexpr int kDh10 = 77;
inline constexpr int kDh13 = 78;
inline constexpr int kDh14 = 79;
inline constexpr int kDh16 = 80;
inline constexpr int kDh19 = 81;
inline constexpr int kDh21 = 82;
inline constexpr int kDh22 = 83;
inline constexpr int kDh23 = 84;
inline constexpr int kDh24 = 85;
inline constexpr int kTa3 = 87;
inline constexpr int kTl4 = 90;
inline constexpr int kTh3 = 92;

}  // namespace zelvo::progress
