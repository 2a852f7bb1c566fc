#pragma once
// One entry of the projects list "projects": a fixed binary record of 1107 bytes.

#include <string>

namespace zelvo {

inline constexpr std::size_t kProjectEntrySize = 1107;
inline constexpr int kMaxProjects = 100;

struct ProjectEntry {
  std::string name;         // at most 40 characters
  std::string description;  // at most 1024 characters
  std::string folder;       // folder under the project root: the name with blanks as "_"
};

}  // namespace zelvo
