#pragma once
// Where the user guide (guide.md with its pictures and example records) lies for a program: an
// installed zelvo in PREFIX/bin finds it in PREFIX/share/zelvo/guide; a zelvo started from its
// build folder finds it in the source's docs folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// The installed guide's folder below the prefix.
inline constexpr const char* kUserGuideShareFolder = "share/zelvo/guide";
inline constexpr const char* kUserGuideFileName = "guide.md";

// The places looked at, in order: beside the program's installed prefix, then `sourceDocs`
// (empty: none).
std::vector<std::filesystem::path> UserGuideCandidates(const std::filesystem::path& programFolder,
                                                       const std::filesystem::path& sourceDocs);

// The first candidate that is a regular file; none when the guide is nowhere.
std::optional<std::filesystem::path> FindUserGuide(const std::filesystem::path& programFolder,
                                                   const std::filesystem::path& sourceDocs);

// What the user is told when the guide is nowhere: the places looked at.
std::string UserGuideMissingMessage(const std::vector<std::filesystem::path>& candidates);

}  // namespace zelvo
