#pragma once
// "pref.dat": the 588-byte preferences record in the start folder, written field by field.

#include <filesystem>
#include <optional>

#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/Preferences.h"

namespace zelvo {

inline constexpr const char* kPreferencesFileName = "pref.dat";
inline constexpr std::size_t kPreferencesSize = 588;

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
