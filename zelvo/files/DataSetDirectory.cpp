#include "zelvo/files/DataSetDirectory.h"

#include <system_error>

#include "common/engine/TextFormat.h"
#include "common/io/PlainName.h"

namespace zelvo {

namespace {

Status Damaged(const std::string& why) {
  return Status::Failure("The data set directory (ds_directory) is damaged:  " + why);
}

}  // namespace

Status DecodeDataSetDirectory(const Bytes& bytes, std::vector<DataSetEntry>& entries) {
  std::vector<DataSetEntry> decoded;
  auto fail = [](const char* why) { return Damaged(why); };
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
  for (int i = 0; i < count; ++i) {
    DataSetEntry entry = DecodeDataSetEntry(bytes.data() + kCountField.End() + i * kDataSetEntrySize);
    // Every command opens, and Edit Data Set Data rewrites, the file an entry names: it must be
    // the data set's own file in the project folder, never a path that leads out of it.
    if (!IsPlainName(entry.fileName))
      return Damaged(Format("data set %d names a file outside the project folder.", i + 1));
    if (entry.fileName != DataSetFileName(i + 1))
      return Damaged(
          Format("data set %d is not kept in the file %s.", i + 1, DataSetFileName(i + 1).c_str()));
    decoded.push_back(std::move(entry));
  }
  entries = std::move(decoded);
  return Status::Success();
}

Status ReadDataSetDirectory(const std::filesystem::path& folder, std::vector<DataSetEntry>& entries) {
  Bytes bytes;
  if (!ReadFileBytes(folder / kDataSetDirectoryName, bytes)) {
    entries.clear();
    return Status::Success();
  }
  std::vector<DataSetEntry> decoded;
  if (Status decode = DecodeDataSetDirectory(bytes, decoded); !decode) return decode;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    // A link, a device or a folder in place of a data set file is not the project's data. A
    // missing file is not damage of the directory: the commands that read it say they cannot.
    std::error_code ec;
    const std::filesystem::file_type type =
        std::filesystem::symlink_status(folder / decoded[i].fileName, ec).type();
    if (type != std::filesystem::file_type::regular && type != std::filesystem::file_type::not_found)
      return Damaged(Format("the file %s of data set %d is not a regular file.", decoded[i].fileName.c_str(),
                            static_cast<int>(i) + 1));
  }
  entries = std::move(decoded);
  return Status::Success();
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
