#include "zelvo/files/DataSetDeletion.h"

#include <system_error>

#include "common/engine/HiOutputFile.h"
#include "common/engine/TextFormat.h"
#include "zelvo/files/DataSetDirectory.h"

namespace zelvo {

Status DeleteDataSet(const std::filesystem::path& folder, std::vector<DataSetEntry>& entries, int k,
                     const DataSetDeletedHook& onDeleted) {
  namespace fs = std::filesystem;
  const int count = static_cast<int>(entries.size());
  if (k < 1 || k > count) return Status::Failure(Format("There is no data set number %d to delete.", k));
  std::error_code ec;
  fs::remove(folder / DataSetFileName(k), ec);
  fs::remove(folder / HiOutputFileName(k), ec);

  for (int j = k + 1; j <= count; ++j) {
    DataSetEntry& moved = entries[j - 1];
    moved.fileName = DataSetFileName(j - 1);
    fs::rename(folder / DataSetFileName(j), folder / DataSetFileName(j - 1), ec);
    if (ec && fs::exists(folder / DataSetFileName(j))) {
      // Keep the directory in step with the files that did move.
      entries.erase(entries.begin() + (k - 1));
      WriteDataSetDirectory(folder, entries);
      return Status::Failure(
          Format("The data set file %s could not be renamed.", DataSetFileName(j).c_str()));
    }
    ec.clear();
    if (fs::exists(folder / HiOutputFileName(j)))
      fs::rename(folder / HiOutputFileName(j), folder / HiOutputFileName(j - 1), ec);
    ec.clear();
  }
  entries.erase(entries.begin() + (k - 1));
  if (entries.empty())
    fs::remove(folder / kDataSetDirectoryName, ec);
  else
    WriteDataSetDirectory(folder, entries);
  if (onDeleted) onDeleted(k);
  return Status::Success();
}

}  // namespace zelvo
