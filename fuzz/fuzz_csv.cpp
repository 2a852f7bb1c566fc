// Alternative CSV reader in both forms.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/import/CsvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  static FlowRecord record;  // the reader clears it; a fresh table per input would time the allocator
  for (ImportProgram program : {ImportProgram::Main, ImportProgram::Classification}) {
    std::istringstream in(text);
    CsvLayout layout;
    const Status read = ReadAlternativeCsv(in, program, record, layout, "fuzz");
    if (read.Ok() && (record.yearCount < 1 || record.yearCount > kMaxYears || record.peakCount < 0 ||
                      record.peakCount > kMaxPeaks))
      __builtin_trap();
  }
  return 0;
}
