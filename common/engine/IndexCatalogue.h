#pragma once
// The catalogue of 171 hydrologic indices in their one fixed order. The position in this order
// (counted from 0, MA1 = 0 .. RA9 = 170) is the index number used by the results file, the
// default index sets, selections, tables and graphs.

#include <string_view>

namespace zelvo {

inline constexpr int kIndexCount = 171;

// First index number of each family.
inline constexpr int kMA = 0, kML = 45, kMH = 67, kFL = 94, kFH = 97, kDL = 108, kDH = 128, kTA = 152,
                     kTL = 155, kTH = 159, kRA = 162;

// Index number of the n-th index (1-based, as in the name) of a family: MA(1) == 0, RA(9) == 170.
constexpr int MA(int n) { return kMA + n - 1; }
constexpr int ML(int n) { return kML + n - 1; }
constexpr int MH(int n) { return kMH + n - 1; }
constexpr int FL(int n) { return kFL + n - 1; }
constexpr int FH(int n) { return kFH + n - 1; }
constexpr int DL(int n) { return kDL + n - 1; }
constexpr int DH(int n) { return kDH + n - 1; }
constexpr int TA(int n) { return kTA + n - 1; }
constexpr int TL(int n) { return kTL + n - 1; }
constexpr int TH(int n) { return kTH + n - 1; }
constexpr int RA(int n) { return kRA + n - 1; }

// How an index's row is written in the results file.
enum class RowForm {
  Full,       // lower, value, upper; (NC row only if the value was not computed)
  FullOrNc,   // lower, value, upper, or NC row when the value is not computed
  ValueOrNc,  // NC, value, NC, or NC row
  Value,      // NC, value, NC
  Fh11,       // with peaks: full row plus the 1.67-year threshold; NC row without peaks
  PeakFull,   // DH22-DH24: full row with peaks, NC row without
  Ta3,        // with peaks: value row or NC row; NC row without peaks
  Tl3,        // with peaks: value row plus the 5-year threshold, or NC row; NC row without
  PeakValue,  // TL4, TH3: value row with peaks, NC row without
};

// "MA1" .. "RA9"; an empty view for a number outside 0..170.
std::string_view IndexName(int number);
// Index number of a name, -1 when the name is not in the catalogue.
int IndexNumber(std::string_view name);
RowForm RowFormOf(int number);

}  // namespace zelvo
