#pragma once
// One entry of "ds_directory": a fixed binary record of 1144 bytes.

#include <cstdint>
#include <string>

#include "zelvo/files/BinaryIo.h"

namespace zelvo {

inline constexpr int kMaxDataSets = 50;
inline constexpr std::size_t kMaxTitleLength = 40;
inline constexpr std::size_t kMaxDescriptionLength = 1024;

// The fields of an entry in file order: NUL-padded texts, then three little-endian integers.
struct DataSetEntryFields {
  static constexpr Field kTitle{0, kMaxTitleLength + 1};
  static constexpr Field kDescription = kTitle.Next(kMaxDescriptionLength + 1);
  static constexpr Field kStartDate = kDescription.Next(11);  // "10/01/yyyy"
  static constexpr Field kEndDate = kStartDate.Next(11);      // "09/30/yyyy"
  static constexpr Field kFileName = kEndDate.Next(44);
  static constexpr Field kStreamClass = kFileName.Next(4);
  static constexpr Field kPeakFlag = kStreamClass.Next(4);
  static constexpr Field kReserved = kPeakFlag.Next(4);
};
inline constexpr std::size_t kDataSetEntrySize = DataSetEntryFields::kReserved.End();
static_assert(kDataSetEntrySize == 1144);

// StreamClass codes of the main program.
enum StreamClassCode : std::int32_t {
  kLowVolumeStable = 0,
  kHighVolumeStable = 1,
  kHighVolumeFlashy = 2,
  kLowVolumeFlashy = 3,
};
// "Low Volume Stable" .. "Low Volume Flashy"; "" outside 0..3.
const char* StreamClassName(int code);

struct DataSetEntry {
  std::string title;        // at most 40 characters
  std::string description;  // at most 1024 characters
  std::string startDate;    // "10/01/%4d" with the first water year - 1
  std::string endDate;      // "09/30/%4d" with the last water year
  std::string fileName;     // "dataset_%d"
  std::int32_t streamClass = 0;
  std::int32_t peakFlag = 0;  // 1 when the data set file holds the peak section
  std::int32_t reserved = 0;

  // Years from the last four characters of the date texts.
  int FirstWaterYear() const;
  int LastWaterYear() const;
  void SetWaterYears(int first, int last);
};

std::string DataSetFileName(int number);  // "dataset_%d"
std::string StartDateText(int firstWaterYear);
std::string EndDateText(int lastWaterYear);

void EncodeDataSetEntry(const DataSetEntry& entry, Bytes& out);
DataSetEntry DecodeDataSetEntry(const unsigned char* record);

}  // namespace zelvo
