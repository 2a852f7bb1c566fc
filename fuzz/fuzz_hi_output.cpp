// Results file readers (index table and graph), which must read a file whole or refuse it.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "common/engine/HiOutputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  HiTable table;
  table.value.fill(-7.0f);  // a refused file leaves the table as it was
  HiTable graph = table;
  std::istringstream tableIn(text);
  const Status tableRead = ReadHiTable(tableIn, table);
  std::istringstream graphIn(text);
  const Status graphRead = ReadHiGraphValues(graphIn, graph);
  // Both readers take or refuse the same files, and read the same values from them.
  if (tableRead.Ok() != graphRead.Ok()) __builtin_trap();
  if (!tableRead.Ok()) {
    if (tableRead.Message().rfind("The HI output file is damaged:  line ", 0) != 0) __builtin_trap();
    for (float v : table.value)
      if (v != -7.0f) __builtin_trap();
    return 0;
  }
  if (std::memcmp(table.value.data(), graph.value.data(), sizeof(float) * table.value.size()) != 0)
    __builtin_trap();
  return 0;
}
