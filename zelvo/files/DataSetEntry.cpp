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
  PutText(out, e.title, 41);
  PutText(out, e.description, 1025);
  PutText(out, e.startDate, 11);
  PutText(out, e.endDate, 11);
  PutText(out, e.fileName, 44);
  PutInt32(out, e.streamClass);
  PutInt32(out, e.peakFlag);
  PutInt32(out, 0);  // reserved
}

DataSetEntry DecodeDataSetEntry(const unsigned char* p) {
  DataSetEntry e;
  e.title = GetText(p, 41);
  e.description = GetText(p + 41, 1025);
  e.startDate = GetText(p + 1066, 11);
  e.endDate = GetText(p + 1077, 11);
  e.fileName = GetText(p + 1088, 44);
  e.streamClass = GetInt32(p + 1132);
  e.peakFlag = GetInt32(p + 1136);
  e.reserved = GetInt32(p + 1140);
  return e;
}

}  // namespace zelvo
