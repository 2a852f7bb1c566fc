#pragma once
// The projects list "projects" (start folder), the project folder names derived from project
// names, and the one-integer file "baseline" of a project folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/ProjectEntry.h"

namespace zelvo {

inline constexpr const char* kProjectsFileName = "projects";
inline constexpr const char* kProjectRootName = "zelvoproj";
inline constexpr const char* kBaselineFileName = "baseline";
inline constexpr std::size_t kMaxProjectNameLength = 40;
inline constexpr std::size_t kMaxProjectDescriptionLength = 1024;

// The projects list: a count (0..100) and that many 1107-byte records. A count outside 0..100
// gives an empty list; a file that ends inside its records gives the records that are whole.
std::vector<ProjectEntry> DecodeProjectsList(const Bytes& bytes);
Bytes EncodeProjectsList(const std::vector<ProjectEntry>& projects);
// A missing or unreadable file is an empty list.
std::vector<ProjectEntry> ReadProjectsList(const std::filesystem::path& startFolder);
bool WriteProjectsList(const std::filesystem::path& startFolder, const std::vector<ProjectEntry>& projects);

// The folder name of a project: its name with every blank replaced by "_".
std::string ProjectFolderName(const std::string& name);
// A project name becomes a folder name, so it must be usable as one: not empty, no "/", "\" or
// NUL, not "." or "..", at most 40 characters. Returns the message that refuses the name.
std::optional<std::string> CheckProjectName(const std::string& name);
// True when `folder` is a single plain folder name (the same rules, applied to a stored name).
bool IsSafeFolderName(const std::string& folder);
// The folder of a project entry under the root, only when it is a real folder there (not a
// link to somewhere else) and its stored name is safe.
std::optional<std::filesystem::path> ResolveProjectFolder(const std::filesystem::path& projectRoot,
                                                          const ProjectEntry& entry);

// "baseline": one signed 32-bit integer, 0 = no baseline. Missing or damaged reads as 0.
int ReadBaseline(const std::filesystem::path& projectFolder);
bool WriteBaseline(const std::filesystem::path& projectFolder, int baseline);

}  // namespace zelvo
