#pragma once
// "ds_directory": a signed 32-bit count (0..50) and that many 1144-byte entries, in data set
// order. Entry i describes data set number i + 1.

#include <filesystem>
#include <optional>
#include <vector>

#include "common/io/Status.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {

inline constexpr const char* kDataSetDirectoryName = "ds_directory";

// Reads the directory of a project folder into `entries`. A missing file is a project without
// data sets. A damaged file (count below 0 or above 50, fewer entries than the count, an entry
// whose file name is not "dataset_%d" with its number, a data set file that is there but is not
// a regular file of the folder: a link, a folder, a device) fails with the message to show and
// leaves `entries` as they were.
Status ReadDataSetDirectory(const std::filesystem::path& folder, std::vector<DataSetEntry>& entries);
Status DecodeDataSetDirectory(const Bytes& bytes, std::vector<DataSetEntry>& entries);

Bytes EncodeDataSetDirectory(const std::vector<DataSetEntry>& entries);
// Rewrites the whole directory (temporary file, then rename). False when it cannot be written.
bool WriteDataSetDirectory(const std::filesystem::path& folder, const std::vector<DataSetEntry>& entries);

// The message shown when a new data set would be the 51st.
inline constexpr const char* kDataSetLimitMessage =
    "The maximum number of data sets (50) has been reached.  You must delete some data sets before you can "
    "add any.";
// Number of the next data set (count + 1), or nullopt when the project holds 50 already.
std::optional<int> NewDataSetNumber(const std::vector<DataSetEntry>& entries);

}  // namespace zelvo
