#pragma once
// One entry of the projects list "projects": a fixed binary record of 1107 bytes.

#include <string>

#include "zelvo/files/BinaryIo.h"

namespace zelvo {

inline constexpr int kMaxProjects = 100;

// The fields of a record in file order: three NUL-padded texts.
struct ProjectEntryFields {
  static constexpr Field kName{0, 41};
  static constexpr Field kDescription = kName.Next(1025);
  static constexpr Field kFolder = kDescription.Next(41);
};
inline constexpr std::size_t kProjectEntrySize = ProjectEntryFields::kFolder.End();
static_assert(kProjectEntrySize == 1107);

struct ProjectEntry {
  std::string name;         // at most 40 characters
  std::string description;  // at most 1024 characters
  std::string folder;       // folder under the project root: the name with blanks as "_"
};

}  // namespace zelvo
