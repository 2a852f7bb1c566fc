#pragma once
// Small helpers of the import tests: agency lines written in a few words, a scratch folder.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/engine/FlowRecord.h"
#include "support/TempFolder.h"

namespace zelvo::testing {

// "AGNC\t01234567\t<date>\t<value>\t<flag>" with LF.
inline std::string Daily(const std::string& date, const std::string& value, const std::string& flag = "A") {
  return "AGNC\t01234567\t" + date + "\t" + value + "\t" + flag + "\n";
}

// A daily line for every day of the water years first..last with the value of `flow`.
template <typename FlowOf>
std::string DailyYearsOf(int first, int last, FlowOf flow) {
  static constexpr int kDays[12] = {31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31, 30};  // October first
  std::string text;
  char date[48];
  for (int wy = first; wy <= last; ++wy) {
    for (int m = 0; m < 12; ++m) {
      const int month = (m + 9) % 12 + 1;
      const int year = m < 3 ? wy - 1 : wy;
      int days = kDays[m];
      if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) days = 29;
      for (int d = 1; d <= days; ++d) {
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, d);
        text += Daily(date, flow(wy, month, d));
      }
    }
  }
  return text;
}

inline std::string DailyYears(int first, int last, const std::string& value = "10.0") {
  return DailyYearsOf(first, last, [&](int, int, int) { return value; });
}

// "AGNC\t03335500\t<date>\t<time>\t<peak>\t2\t17.22" with LF.
inline std::string Peak(const std::string& date, const std::string& peak, const std::string& time = "") {
  return "AGNC\t03335500\t" + date + "\t" + time + "\t" + peak + "\t2\t17.22\n";
}

// The shared temporary folder; the import tests read files back by their whole path.
class ScratchFolder : public TempFolder {
 public:
  static std::string Read(const std::filesystem::path& path) { return ReadWholeFile(path); }
};

inline float Flow(const FlowRecord& r, int column, int slot1) {
  return r.flows[static_cast<std::size_t>(column)][static_cast<std::size_t>(slot1 - 1)];
}

}  // namespace zelvo::testing
