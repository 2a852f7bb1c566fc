#pragma once
// printf-style formatting into a std::string: the files of this system are defined by their
// printf formats, so the code uses those formats verbatim.

#include <cstdio>
#include <string>

#include "common/io/ClassicNumbers.h"

namespace zelvo {

// Numbers are always formatted with a decimal point (the C locale), whatever the desktop's locale.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  const ClassicNumbers classic;
  const int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return std::string();
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<std::size_t>(size));
  return text;
}

inline std::string Format(const char* format) { return format; }

}  // namespace zelvo
