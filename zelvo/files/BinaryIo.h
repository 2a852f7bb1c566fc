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

// One field of a fixed binary record: where it starts and how many bytes it takes. Each record
// lists its fields once, each after the one before it, and its encoder and decoder both take
// their offsets from that table.
struct Field {
  std::size_t offset = 0;
  std::size_t width = 0;
  constexpr std::size_t End() const { return offset + width; }
  // The field of `width` bytes that follows this one.
  constexpr Field Next(std::size_t nextWidth) const { return Field{End(), nextWidth}; }
  // Element k of an array field of elements `elementWidth` bytes wide.
  constexpr Field Element(std::size_t k, std::size_t elementWidth = 4) const {
    return Field{offset + k * elementWidth, elementWidth};
  }
};

// The signed 32-bit count at the start of every directory file; its records follow it.
inline constexpr Field kCountField{0, 4};

// A field at its place in a record: `record` points at the record's first byte. Texts are
// NUL-padded as PutText writes them (at most width - 1 characters); integers are 32-bit.
void PutText(unsigned char* record, Field field, std::string_view text);
void PutInt32(unsigned char* record, Field field, std::int32_t value);
void PutByte(unsigned char* record, Field field, unsigned char value);
std::string GetText(const unsigned char* record, Field field);
std::int32_t GetInt32(const unsigned char* record, Field field);
unsigned char GetByte(const unsigned char* record, Field field);

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
