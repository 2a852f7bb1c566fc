#include "zelvo/files/DataSetEntry.h"

#include <cstdlib>

#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

int YearOfDateText(const std::string& text) {
  if (text.size() < 4) return 0;
  return std::atoi(text.c_str() + text.size() - 4);
}

}  // namespace

const char* StreamClassName(int code) {
  switch (code) {
    case kLowVolumeStable:
      return "Low Volume Stable";
    case kHighVolumeStable:
      return "High Volume Stable";
    case kHighVolumeFlashy:
      return "High Volume Flashy";
    case kLowVolumeFlashy:
      return "Low Volume Flashy";
    default:
      return "";
  }
}

int DataSetEntry::FirstWaterYear() const { return YearOfDateText(startDate) + 1; }
int DataSetEntry::LastWaterYear() const { return YearOfDateText(endDate); }
void DataSetEntry::SetWaterYears(int first, int last) {
  startDate = StartDateText(first);
  endDate = EndDateText(last);
}

std::string DataSetFileName(int number) { return Format("dataset_%d", number); }
std::string StartDateText(int firstWaterYear) { return Format("10/01/%4d", firstWaterYear - 1); }
std::string EndDateText(int lastWaterYear) { return Format("09/30/%4d", lastWaterYear); }

void EncodeDataSetEntry(const DataSetEntry& e, Bytes& out) {
  using F = DataSetEntryFields;
  const std::size_t at = out.size();
  out.resize(at + kDataSetEntrySize, 0);
  unsigned char* record = out.data() + at;
  PutText(record, F::kTitle, e.title);
  PutText(record, F::kDescription, e.description);
  PutText(record, F::kStartDate, e.startDate);
  PutText(record, F::kEndDate, e.endDate);
  PutText(record, F::kFileName, e.fileName);
  PutInt32(record, F::kStreamClass, e.streamClass);
  PutInt32(record, F::kPeakFlag, e.peakFlag);
  PutInt32(record, F::kReserved, 0);
}

DataSetEntry DecodeDataSetEntry(const unsigned char* record) {
  using F = DataSetEntryFields;
  DataSetEntry e;
  e.title = GetText(record, F::kTitle);
  e.description = GetText(record, F::kDescription);
  e.startDate = GetText(record, F::kStartDate);
  e.endDate = GetText(record, F::kEndDate);
  e.fileName = GetText(record, F::kFileName);
  e.streamClass = GetInt32(record, F::kStreamClass);
  e.peakFlag = GetInt32(record, F::kPeakFlag);
  e.reserved = GetInt32(record, F::kReserved);
  return e;
}

}  // namespace zelvo
