// The data set directory "ds_directory": whatever bytes it holds, a directory that decodes names
// only the data sets' own files and encodes back to what was read.

#include <cstddef>
#include <cstdint>

#include "zelvo/files/DataSetDirectory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const Bytes bytes(data, data + size);
  std::vector<DataSetEntry> entries;
  if (!DecodeDataSetDirectory(bytes, entries)) return 0;
  if (entries.size() > static_cast<std::size_t>(kMaxDataSets)) __builtin_trap();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].fileName != DataSetFileName(static_cast<int>(i) + 1)) __builtin_trap();
  std::vector<DataSetEntry> again;
  if (!DecodeDataSetDirectory(EncodeDataSetDirectory(entries), again) || again.size() != entries.size())
    __builtin_trap();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (again[i].fileName != entries[i].fileName || again[i].streamClass != entries[i].streamClass ||
        again[i].peakFlag != entries[i].peakFlag)
      __builtin_trap();
  return 0;
}
