// Daily-value reader in both forms, then the column check, the reading of the column it names and
// the screening on what was read. The first four bytes choose the requested years and the answers.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/import/DailyValueReader.h"
#include "common/import/MissingDataScreening.h"
#include "common/import/ValueColumns.h"
#include "fuzz/FuzzUi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  if (size < 4) return 0;
  const int begin = data[0] == 0 ? 0 : 1890 + data[0] % 140;
  const int end = data[1] == 0 ? 0 : 1890 + data[1] % 140;
  const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);
  // One record for every run: a fresh 220 kB table per input would make the fuzzer measure the
  // allocator. The reader clears what it writes.
  static FlowRecord record;
  for (ImportProgram program : {ImportProgram::Main, ImportProgram::Classification}) {
    std::istringstream in(text);
    DailyValueSpan span;
    if (!ReadDailyValues(in, program, begin, end, record, span, "fuzz")) continue;
    const ValueColumnCheck columns = CheckValueColumns(span.columns, span.beginYear, span.endYear);
    if (columns.ReadsOtherColumns()) {
      if (OtherColumnsQuestion(columns, "fuzz", program).empty()) __builtin_trap();
      std::istringstream again(text);
      // The same lines and dates give the same years, whichever column holds the flow.
      if (!ReadDailyValues(again, program, begin, end, record, span, "fuzz", columns.meanField))
        __builtin_trap();
    }
    if (record.yearCount < 1 || record.yearCount > kMaxYears) __builtin_trap();
    fuzz::FuzzUi ui(data[2]);
    ScreeningRequest request;
    request.program = program;
    request.batch = (data[3] & 1) != 0;
    request.firstWaterYear = span.beginYear;
    const Status screened = ScreenMissingData(ui, record, request);
    if (screened.Ok() && (record.yearCount < 1 || record.yearCount > kMaxYears)) __builtin_trap();
  }
  return 0;
}
