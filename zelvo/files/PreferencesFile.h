#pragma once
// "pref.dat": the 588-byte preferences record in the start folder, written field by field.

#include <filesystem>
#include <optional>

#include "common/io/Status.h"
#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/Preferences.h"

namespace zelvo {

inline constexpr const char* kPreferencesFileName = "pref.dat";

// The fields of the record in file order: little-endian integers, single-byte flags and the
// padding bytes that keep the integers after them on four-byte boundaries.
struct PreferencesFields {
  static constexpr Field kRed{0, 4 * kCurveColours};  // Element(i): curve i + 1
  static constexpr Field kGreen = kRed.Next(4 * kCurveColours);
  static constexpr Field kBlue = kGreen.Next(4 * kCurveColours);
  static constexpr Field kAnnualSeries = kBlue.Next(4);
  static constexpr Field kMonthlySeries = kAnnualSeries.Next(4);
  static constexpr Field kScale = kMonthlySeries.Next(4);
  static constexpr Field kGraphType = kScale.Next(4);
  static constexpr Field kGrid = kGraphType.Next(1);
  static constexpr Field kPlotPoints = kGrid.Next(1);
  static constexpr Field kLineStyle = kPlotPoints.Next(1);
  static constexpr Field kPadding1 = kLineStyle.Next(1);
  static constexpr Field kDefaultStreamClass = kPadding1.Next(4);
  // Element(group * kFlowComponents + component)
  static constexpr Field kIndexChoice = kDefaultStreamClass.Next(4 * kIndexGroups * kFlowComponents);
  static constexpr Field kMedianOption = kIndexChoice.Next(1);
  static constexpr Field kPadding2 = kMedianOption.Next(3);
};
inline constexpr std::size_t kPreferencesSize = PreferencesFields::kPadding2.End();
static_assert(kPreferencesSize == 588);

// The built-in preferences: the twenty default curve colours, every other field 0.
Preferences DefaultPreferences();

// Decodes a record. A file of any other length than 588 bytes does not hold one: nullopt. A field
// outside its range (series, scale, graph type, stream class, an index choice outside 0..4, a flag
// other than 0/1) takes its built-in default; the rest of the record is kept.
std::optional<Preferences> DecodePreferences(const Bytes& bytes);
Bytes EncodePreferences(const Preferences& preferences);

// Reads "pref.dat" over `preferences`. A missing file leaves them as they are; a file that does
// not decode fails with the message to show (it starts with kPreferencesDamaged) and leaves them
// as they are too.
inline constexpr const char* kPreferencesDamaged = "The preferences file (pref.dat) is damaged:  ";
Status ReadPreferencesFile(const std::filesystem::path& startFolder, Preferences& preferences);
bool WritePreferencesFile(const std::filesystem::path& startFolder, const Preferences& preferences);

}  // namespace zelvo
