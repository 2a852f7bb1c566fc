#pragma once
// A name read from a file that the programs then open or write beside that file (a data set's
// file name in its project's directory, a station id of a batch list, a project's folder) must
// name something in that folder and nowhere else: one path component, never "." or "..", never
// absolute, no NUL.

#include <string_view>

namespace zelvo {

inline bool IsPlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0') return false;
  return true;
}

}  // namespace zelvo
