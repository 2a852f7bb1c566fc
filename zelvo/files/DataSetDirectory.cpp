#include "zelvo/files/DataSetDirectory.h"

#include "common/engine/TextFormat.h"

namespace zelvo {

std::optional<std::vector<DataSetEntry>> DecodeDataSetDirectory(const Bytes& bytes, std::string* error) {
  std::vector<DataSetEntry> entries;
  if (bytes.empty()) return entries;
  auto fail = [&](const char* why) -> std::optional<std::vector<DataSetEntry>> {
    if (error != nullptr) *error = Format("The data set directory (ds_directory) is damaged:  %s", why);
    return std::nullopt;
  };
  if (bytes.size() < 4) return fail("it ends before its count.");
  const int count = GetInt32(bytes.data());
  if (count < 0 || count > kMaxDataSets) return fail("its count is not between 0 and 50.");
  if (bytes.size() < 4 + static_cast<std::size_t>(count) * kDataSetEntrySize)
    return fail("it holds fewer data sets than its count.");
  for (int i = 0; i < count; ++i)
    entries.push_back(DecodeDataSetEntry(bytes.data() + 4 + i * kDataSetEntrySize));
  return entries;
}

std::optional<std::vector<DataSetEntry>> ReadDataSetDirectory(const std::filesystem::path& folder,
                                                              std::string* error) {
  Bytes bytes;
  if (!ReadFileBytes(folder / kDataSetDirectoryName, bytes)) return std::vector<DataSetEntry>{};
  return DecodeDataSetDirectory(bytes, error);
}

Bytes EncodeDataSetDirectory(const std::vector<DataSetEntry>& entries) {
  Bytes out;
  out.reserve(4 + entries.size() * kDataSetEntrySize);
  PutInt32(out, static_cast<std::int32_t>(entries.size()));
  for (const DataSetEntry& e : entries) EncodeDataSetEntry(e, out);
  return out;
}

bool WriteDataSetDirectory(const std::filesystem::path& folder, const std::vector<DataSetEntry>& entries) {
  return WriteFileAtomically(folder / kDataSetDirectoryName, EncodeDataSetDirectory(entries));
}

std::optional<int> NewDataSetNumber(const std::vector<DataSetEntry>& entries) {
  if (entries.size() >= static_cast<std::size_t>(kMaxDataSets)) return std::nullopt;
  return static_cast<int>(entries.size()) + 1;
}

}  // namespace zelvo
