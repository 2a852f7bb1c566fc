#pragma once
// "ip_directory": a signed 32-bit count (0..50) and that many 68-byte profile entries, in
// creation order.

#include <filesystem>
#include <vector>

#include "common/io/Status.h"
#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/ProfileEntry.h"

namespace zelvo {

inline constexpr const char* kProfileDirectoryName = "ip_directory";

// A damaged file (count outside 0..50, fewer entries than the count, a period count outside
// 1..5, a period data set number outside 1..50, periods that are not consecutive data sets,
// two profiles with a data set in common) fails with the message to show and leaves `profiles`
// as they were.
Status DecodeProfileDirectory(const Bytes& bytes, std::vector<ProfileEntry>& profiles);
// A profile whose periods lie beyond the project's `dataSetCount` data sets makes the list
// damaged as well (its deletion would take data sets that are not its own).
Status CheckProfileDataSets(const std::vector<ProfileEntry>& profiles, std::size_t dataSetCount);
Bytes EncodeProfileDirectory(const std::vector<ProfileEntry>& profiles);

// A missing file is a project without profiles.
Status ReadProfileDirectory(const std::filesystem::path& folder, std::vector<ProfileEntry>& profiles);
// Rewrites the file whole; with no profile left the file is removed.
bool WriteProfileDirectory(const std::filesystem::path& folder, const std::vector<ProfileEntry>& profiles);

// After data set k (1-based) was deleted every period number above k moves down by one.
void LowerPeriodNumbersAbove(std::vector<ProfileEntry>& profiles, int k);

}  // namespace zelvo
