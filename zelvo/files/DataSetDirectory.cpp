#include "zelvo/files/DataSetDirectory.h"

#include "common/engine/TextFormat.h"

namespace zelvo {

Status DecodeDataSetDirectory(const Bytes& bytes, std::vector<DataSetEntry>& entries) {
  std::vector<DataSetEntry> decoded;
  auto fail = [](const char* why) {
    return Status::Failure(Format("The data set directory (ds_directory) is damaged:  %s", why));
  };
  if (bytes.empty()) {
    entries.clear();
    return Status::Success();
  }
  if (bytes.size() < kCountField.End()) return fail("it ends before its count.");
  const int count = GetInt32(bytes.data(), kCountField);
  if (count < 0 || count > kMaxDataSets) return fail("its count is not between 0 and 50.");
  if (bytes.size() < kCountField.End() + static_cast<std::size_t>(count) * kDataSetEntrySize)
    return fail("it holds fewer data sets than its count.");
  decoded.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    decoded.push_back(DecodeDataSetEntry(bytes.data() + kCountField.End() + i * kDataSetEntrySize));
  entries = std::move(decoded);
  return Status::Success();
}

Status ReadDataSetDirectory(const std::filesystem::path& folder, std::vector<DataSetEntry>& entries) {
  Bytes bytes;
  if (!ReadFileBytes(folder / kDataSetDirectoryName, bytes)) {
    entries.clear();
    return Status::Success();
  }
  return DecodeDataSetDirectory(bytes, entries);
}

Bytes EncodeDataSetDirectory(const std::vector<DataSetEntry>& entries) {
  Bytes out(kCountField.End(), 0);
  out.reserve(kCountField.End() + entries.size() * kDataSetEntrySize);
  PutInt32(out.data(), kCountField, static_cast<std::int32_t>(entries.size()));
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
