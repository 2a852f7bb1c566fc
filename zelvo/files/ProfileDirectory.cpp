#include "zelvo/files/ProfileDirectory.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {

Status DecodeProfileDirectory(const Bytes& bytes, std::vector<ProfileEntry>& profiles) {
  std::vector<ProfileEntry> decoded;
  auto fail = [](const char* why) {
    return Status::Failure(Format("The time period profile list (ip_directory) is damaged:  %s", why));
  };
  if (bytes.empty()) {
    profiles.clear();
    return Status::Success();
  }
  using F = ProfileEntryFields;
  if (bytes.size() < kCountField.End()) return fail("it ends before its count.");
  const int count = GetInt32(bytes.data(), kCountField);
  if (count < 0 || count > kMaxProfiles) return fail("its count is not between 0 and 50.");
  if (bytes.size() < kCountField.End() + static_cast<std::size_t>(count) * kProfileEntrySize)
    return fail("it holds fewer profiles than its count.");
  for (int i = 0; i < count; ++i) {
    const unsigned char* record =
        bytes.data() + kCountField.End() + static_cast<std::size_t>(i) * kProfileEntrySize;
    ProfileEntry e;
    e.title = GetText(record, F::kTitle);
    if (e.title.size() > kMaxProfileTitleLength) e.title.resize(kMaxProfileTitleLength);
    e.periodCount = GetInt32(record, F::kPeriodCount);
    if (e.periodCount < 1 || e.periodCount > kMaxPeriods)
      return fail("a profile has a period count outside 1 to 5.");
    for (int k = 0; k < kMaxPeriods; ++k)
      e.periodDataSets[k] = GetInt32(record, F::kPeriodDataSets.Element(static_cast<std::size_t>(k)));
    for (int k = 0; k < e.periodCount; ++k)
      if (e.periodDataSets[k] < 1 || e.periodDataSets[k] > kMaxDataSets)
        return fail("a period names a data set number outside 1 to 50.");
    // Deleting a profile deletes the block of data sets from its first period on: that block
    // must be the profile's own, consecutive and shared with no other profile.
    for (int k = 1; k < e.periodCount; ++k)
      if (e.periodDataSets[k] != e.periodDataSets[0] + k)
        return fail("the periods of a profile are not consecutive data sets.");
    for (const ProfileEntry& other : decoded)
      if (e.periodDataSets[0] <= other.periodDataSets[0] + other.periodCount - 1 &&
          other.periodDataSets[0] <= e.periodDataSets[0] + e.periodCount - 1)
        return fail("two profiles share a data set.");
    decoded.push_back(std::move(e));
  }
  profiles = std::move(decoded);
  return Status::Success();
}

Status CheckProfileDataSets(const std::vector<ProfileEntry>& profiles, std::size_t dataSetCount) {
  for (const ProfileEntry& e : profiles)
    if (e.periodCount < 1 || e.periodCount > kMaxPeriods || e.periodDataSets[0] < 1 ||
        static_cast<std::size_t>(e.periodDataSets[0] + e.periodCount - 1) > dataSetCount)
      return Status::Failure(Format(
          "The time period profile list (ip_directory) is damaged:  the profile %s names a data set that the "
          "project does not hold.",
          e.title.c_str()));
  return Status::Success();
}

Bytes EncodeProfileDirectory(const std::vector<ProfileEntry>& profiles) {
  using F = ProfileEntryFields;
  Bytes out(kCountField.End() + profiles.size() * kProfileEntrySize, 0);
  PutInt32(out.data(), kCountField, static_cast<std::int32_t>(profiles.size()));
  unsigned char* record = out.data() + kCountField.End();
  for (const ProfileEntry& e : profiles) {
    PutText(record, F::kTitle, e.title.substr(0, kMaxProfileTitleLength));
    PutInt32(record, F::kPeriodCount, e.periodCount);
    for (std::size_t k = 0; k < e.periodDataSets.size(); ++k)
      PutInt32(record, F::kPeriodDataSets.Element(k), e.periodDataSets[k]);
    record += kProfileEntrySize;
  }
  return out;
}

Status ReadProfileDirectory(const std::filesystem::path& folder, std::vector<ProfileEntry>& profiles) {
  Bytes bytes;
  if (!ReadFileBytes(folder / kProfileDirectoryName, bytes)) {
    profiles.clear();
    return Status::Success();
  }
  return DecodeProfileDirectory(bytes, profiles);
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
