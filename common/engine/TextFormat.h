#pragma once
// printf-style formatting into a std::string: the files of this system are defined by their
// printf formats, so the code uses those formats verbatim.

#include <cstdio>
#include <string>
#include <string_view>

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

// A title or caption as it goes into a one-line header: each line end in it (CR LF, CR or LF)
// becomes one blank, so a typed line break never splits the header line.
inline std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += c == '\r' || c == '\n' ? ' ' : c;
  }
  return out;
}

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line break.
inline std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace zelvo
