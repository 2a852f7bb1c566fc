#include "zelvo/files/ProfileDirectory.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {

std::optional<std::vector<ProfileEntry>> DecodeProfileDirectory(const Bytes& bytes, std::string* error) {
  std::vector<ProfileEntry> profiles;
  if (bytes.empty()) return profiles;
  auto fail = [&](const char* why) -> std::optional<std::vector<ProfileEntry>> {
    if (error != nullptr) *error = Format("The time period profile list (ip_directory) is damaged:  %s", why);
    return std::nullopt;
  };
  if (bytes.size() < 4) return fail("it ends before its count.");
  const int count = GetInt32(bytes.data());
  if (count < 0 || count > kMaxProfiles) return fail("its count is not between 0 and 50.");
  if (bytes.size() < 4 + static_cast<std::size_t>(count) * kProfileEntrySize)
    return fail("it holds fewer profiles than its count.");
  for (int i = 0; i < count; ++i) {
    const unsigned char* p = bytes.data() + 4 + static_cast<std::size_t>(i) * kProfileEntrySize;
    ProfileEntry e;
    e.title = GetText(p, 44);
    if (e.title.size() > 40) e.title.resize(40);
    e.periodCount = GetInt32(p + 44);
    if (e.periodCount < 1 || e.periodCount > kMaxPeriods)
      return fail("a profile has a period count outside 1 to 5.");
    for (int k = 0; k < kMaxPeriods; ++k) e.periodDataSets[k] = GetInt32(p + 48 + 4 * k);
    for (int k = 0; k < e.periodCount; ++k)
      if (e.periodDataSets[k] < 1 || e.periodDataSets[k] > kMaxDataSets)
        return fail("a period names a data set number outside 1 to 50.");
    profiles.push_back(std::move(e));
  }
  return profiles;
}

Bytes EncodeProfileDirectory(const std::vector<ProfileEntry>& profiles) {
  Bytes out;
  out.reserve(4 + profiles.size() * kProfileEntrySize);
  PutInt32(out, static_cast<std::int32_t>(profiles.size()));
  for (const ProfileEntry& e : profiles) {
    PutText(out, e.title.substr(0, 40), 44);
    PutInt32(out, e.periodCount);
    for (std::int32_t n : e.periodDataSets) PutInt32(out, n);
  }
  return out;
}

std::optional<std::vector<ProfileEntry>> ReadProfileDirectory(const std::filesystem::path& folder,
                                                              std::string* error) {
  Bytes bytes;
  if (!ReadFileBytes(folder / kProfileDirectoryName, bytes)) return std::vector<ProfileEntry>{};
  return DecodeProfileDirectory(bytes, error);
}

bool WriteProfileDirectory(const std::filesystem::path& folder, const std::vector<ProfileEntry>& profiles) {
  if (profiles.empty()) {
    std::error_code ec;
    std::filesystem::remove(folder / kProfileDirectoryName, ec);
    return !ec;
  }
  return WriteFileAtomically(folder / kProfileDirectoryName, EncodeProfileDirectory(profiles));
}

void LowerPeriodNumbersAbove(std::vector<ProfileEntry>& profiles, int k) {
  for (ProfileEntry& e : profiles)
    for (int i = 0; i < e.periodCount && i < kMaxPeriods; ++i)
      if (e.periodDataSets[i] > k) --e.periodDataSets[i];
}

}  // namespace zelvo
