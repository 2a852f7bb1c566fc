#pragma once
// Deleting a data set keeps the numbering dense: the later data set files and their results
// files move down one number, and so do their directory entries.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/io/Status.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {

// Called after the data set files were renumbered, with the deleted number k (1-based), so the
// time period profiles can lower every period number above k and rewrite their file.
using DataSetDeletedHook = std::function<void(int deletedNumber)>;

// Removes data set k (1-based) of `entries` from `folder`: its data set file and results file go,
// every later data set file and results file is renamed one number down, the directory is
// rewritten (removed when no data set is left). Whether the data set may be deleted at all is
// decided by the caller. Fails with the message to show when k is out of range or a file cannot
// be moved.
Status DeleteDataSet(const std::filesystem::path& folder, std::vector<DataSetEntry>& entries, int k,
                     const DataSetDeletedHook& onDeleted = {});

}  // namespace zelvo
