#pragma once
// One time period profile: a titled set of up to five analysis periods of one record, each held
// by a data set of its own with consecutive numbers. An entry of "ip_directory" (68 bytes).

#include <array>
#include <cstdint>
#include <string>

#include "zelvo/files/BinaryIo.h"

namespace zelvo {

inline constexpr int kMaxProfiles = 50;
inline constexpr int kMaxPeriods = 5;
inline constexpr std::size_t kMaxProfileTitleLength = 40;

// The fields of an entry in file order: the NUL-padded title (at most 40 characters are kept),
// the period count and the five period data set numbers.
struct ProfileEntryFields {
  static constexpr Field kTitle{0, 44};
  static constexpr Field kPeriodCount = kTitle.Next(4);
  static constexpr Field kPeriodDataSets = kPeriodCount.Next(4 * kMaxPeriods);  // Element(k)
};
inline constexpr std::size_t kProfileEntrySize = ProfileEntryFields::kPeriodDataSets.End();
static_assert(kProfileEntrySize == 68);

struct ProfileEntry {
  std::string title;                                       // at most 40 characters
  std::int32_t periodCount = 0;                            // 1..5
  std::array<std::int32_t, kMaxPeriods> periodDataSets{};  // 1-based data set numbers
};

}  // namespace zelvo
