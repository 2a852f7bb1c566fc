#pragma once
// Little-endian fields and NUL-padded texts of the binary directory files, written field by
// field (never a C++ struct dumped in one piece), and the replace-by-rename rewrite.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

using Bytes = std::vector<unsigned char>;

void PutInt32(Bytes& out, std::int32_t value);
// Writes `text` into exactly `width` bytes: at most width - 1 characters, then NUL padding.
void PutText(Bytes& out, std::string_view text, std::size_t width);
std::int32_t GetInt32(const unsigned char* p);
// Reads a NUL-terminated text from a field of `width` bytes (stops at the width when no NUL).
std::string GetText(const unsigned char* p, std::size_t width);

// Reads a whole file; false when it cannot be opened.
bool ReadFileBytes(const std::filesystem::path& path, Bytes& out);
// Writes a temporary file beside `path` and renames it over `path`, so a crash never leaves a
// half-written file. False (and `path` untouched) on any failure.
bool WriteFileAtomically(const std::filesystem::path& path, const Bytes& content);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace zelvo
