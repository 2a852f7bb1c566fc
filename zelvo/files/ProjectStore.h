#pragma once
// The projects list "projects" (start folder), the project folder names derived from project
// names, and the one-integer file "baseline" of a project folder.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/io/Status.h"
#include "zelvo/files/BinaryIo.h"
#include "zelvo/files/ProjectEntry.h"

namespace zelvo {

inline constexpr const char* kProjectsFileName = "projects";
inline constexpr const char* kProjectRootName = "zelvoproj";
inline constexpr const char* kBaselineFileName = "baseline";
inline constexpr std::size_t kMaxProjectNameLength = 40;
inline constexpr std::size_t kMaxProjectDescriptionLength = 1024;

// The projects list: a count (0..100) and that many 1107-byte records; bytes after them are
// ignored. A count outside 0..100, fewer records than the count or a text without its closing
// NUL make the list damaged: the failure's message starts with kProjectsDamaged and `projects`
// is left as it was.
inline constexpr const char* kProjectsDamaged = "The project list (projects) is damaged:  ";
Status DecodeProjectsList(const Bytes& bytes, std::vector<ProjectEntry>& projects);
Bytes EncodeProjectsList(const std::vector<ProjectEntry>& projects);
// A missing file is an empty list.
Status ReadProjectsList(const std::filesystem::path& startFolder, std::vector<ProjectEntry>& projects);
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
