#pragma once
// One time period profile: a titled set of up to five analysis periods of one record, each held
// by a data set of its own with consecutive numbers. An entry of "ip_directory" (68 bytes).

#include <array>
#include <cstdint>
#include <string>

namespace zelvo {

inline constexpr std::size_t kProfileEntrySize = 68;
inline constexpr int kMaxProfiles = 50;
inline constexpr int kMaxPeriods = 5;

struct ProfileEntry {
  std::string title;                                       // at most 40 characters
  std::int32_t periodCount = 0;                            // 1..5
  std::array<std::int32_t, kMaxPeriods> periodDataSets{};  // 1-based data set numbers
};

}  // namespace zelvo
