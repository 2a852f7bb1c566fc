// The time period profile list "ip_directory": a list that decodes holds profiles of 1 to 5
// consecutive data sets that no two profiles share, and encodes back to the same profiles.

#include <cstddef>
#include <cstdint>

#include "zelvo/files/DataSetEntry.h"
#include "zelvo/files/ProfileDirectory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const Bytes bytes(data, data + size);
  std::vector<ProfileEntry> profiles;
  if (!DecodeProfileDirectory(bytes, profiles)) return 0;
  if (profiles.size() > static_cast<std::size_t>(kMaxProfiles)) __builtin_trap();
  bool used[kMaxDataSets + 1] = {};
  for (const ProfileEntry& p : profiles) {
    if (p.periodCount < 1 || p.periodCount > kMaxPeriods || p.title.size() > kMaxProfileTitleLength)
      __builtin_trap();
    for (int k = 0; k < p.periodCount; ++k) {
      const int n = p.periodDataSets[k];
      if (n < 1 || n > kMaxDataSets || n != p.periodDataSets[0] + k || used[n]) __builtin_trap();
      used[n] = true;
    }
  }
  std::vector<ProfileEntry> again;
  if (!DecodeProfileDirectory(EncodeProfileDirectory(profiles), again) || again.size() != profiles.size())
    __builtin_trap();
  for (std::size_t i = 0; i < profiles.size(); ++i)
    if (again[i].title != profiles[i].title || again[i].periodCount != profiles[i].periodCount ||
        again[i].periodDataSets != profiles[i].periodDataSets)
      __builtin_trap();
  return 0;
}
