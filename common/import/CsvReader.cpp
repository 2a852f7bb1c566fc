#include "common/import/CsvReader.h"

#include <algorithm>
#include <fstream>
#include <istream>

#include "common/import/AgencyLines.h"
#include "common/import/LineScanner.h"
#include "common/io/TextInput.h"
#include "common/ui/Ui.h"

namespace zelvo {
namespace {

// Up to 150 integers joined by commas ("%d,%d,...,%d"); returns how many were read.
template <typename T, typename Read>
int ReadCommaFields(std::string_view line, T* target, int limit, Read read) {
  LineScanner scan(line);
  int n = 0;
  while (n < limit) {
    if (n > 0 && !scan.Literal(',')) break;
    T value{};
    if (!read(scan, value)) break;
    target[n++] = value;
  }
  return n;
}

bool ReadInt(LineScanner& scan, int& v) { return scan.Int(v); }
bool ReadFloat(LineScanner& scan, float& v) { return scan.Float(v); }

bool HasContent(const std::string& line) {
  return std::any_of(line.begin(), line.end(), [](char c) { return !IsBlank(c); });
}

}  // namespace

std::string CsvOpenFailure(const std::string& path) { return "Can not open the import file:  " + path + "."; }

std::string CsvNoYearsMessage(const std::string& path) {
  return "The import file, " + path + ", has no water year at the start of its first line.";
}

Status ReadAlternativeCsv(std::istream& in, ImportProgram program, FlowRecord& record, CsvLayout& layout,
                          const std::string& pathForMessages) {
  CsvLayout out;
  std::string line;
  std::array<int, kMaxYears> years{};
  int n = 0;
  if (ReadTextLine(in, line)) {
    TrimLineEnd(line);
    const int read = ReadCommaFields(line, years.data(), kMaxYears, ReadInt);
    while (n < read && years[static_cast<std::size_t>(n)] != 0) ++n;
  }
  if (n == 0) return Status::Failure(CsvNoYearsMessage(pathForMessages));
  FlowRecord& r = record;
  r.Clear(0.0f);
  std::copy(years.begin(), years.begin() + n, r.years.begin());
  r.yearCount = n;
  for (int slot = 0; slot < kDaySlots && ReadTextLine(in, line); ++slot) {
    TrimLineEnd(line);
    std::array<float, kMaxYears> values{};
    const int read = ReadCommaFields(line, values.data(), kMaxYears, ReadFloat);
    for (int i = 0; i < read; ++i)
      r.flows[static_cast<std::size_t>(i)][static_cast<std::size_t>(slot)] =
          values[static_cast<std::size_t>(i)];
    ++out.slotLines;
  }
  if (program == ImportProgram::Main && out.slotLines == kDaySlots) {
    while (ReadTextLine(in, line)) {
      TrimLineEnd(line);
      if (HasContent(line)) break;
      line.clear();
    }
    if (HasContent(line)) {
      out.peakSection = true;
      int count = 0;
      LineScanner scan(line);
      if (!scan.Int(count)) count = 0;
      r.peakCount = std::clamp(count, 0, kMaxPeaks);
      for (auto* target : {&r.peaks, &r.peakDayFlows}) {
        if (!ReadTextLine(in, line)) break;
        TrimLineEnd(line);
        ReadCommaFields(line, target->data(), kMaxPeaks, ReadFloat);
      }
    }
  }
  layout = out;
  return Status::Success();
}

Status ReadAlternativeCsvFile(const std::filesystem::path& path, ImportProgram program, FlowRecord& record,
                              CsvLayout& layout) {
  std::ifstream in;
  if (!OpenInputFile(in, path)) return Status::Failure(CsvOpenFailure(path.string()));
  return ReadAlternativeCsv(in, program, record, layout, path.string());
}

Status ReadCsvFileForClassification(Ui& ui, const std::string& path, FlowRecord& record) {
  CsvLayout layout;
  Status read = ReadAlternativeCsvFile(path, ImportProgram::Classification, record, layout);
  if (!read) ui.Message(read.Message());
  return read;
}

}  // namespace zelvo
