#pragma once
// "pref.dat": the 588-byte preferences record in the start folder, written field by field.

#include <filesystem>
#include <optional>

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

// Decodes a record. A record shorter than 588 bytes gives nullopt (the caller keeps the built-in
// defaults). A field outside its range (series, scale, graph type, stream class, an index choice
// outside 0..4, a flag other than 0/1) takes its built-in default; the rest of the record is kept.
std::optional<Preferences> DecodePreferences(const Bytes& bytes);
Bytes EncodePreferences(const Preferences& preferences);

// nullopt when "pref.dat" cannot be opened or is too short.
std::optional<Preferences> ReadPreferencesFile(const std::filesystem::path& startFolder);
bool WritePreferencesFile(const std::filesystem::path& startFolder, const Preferences& preferences);

}  // namespace zelvo
