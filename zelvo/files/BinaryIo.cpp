#include "zelvo/files/BinaryIo.h"

#include <fstream>

#include "common/io/WholeFile.h"

namespace zelvo {

void PutInt32(Bytes& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((u >> (8 * i)) & 0xffu));
}

void PutText(Bytes& out, std::string_view text, std::size_t width) {
  const std::size_t n = text.size() < width ? text.size() : width - 1;
  for (std::size_t i = 0; i < width; ++i) out.push_back(i < n ? static_cast<unsigned char>(text[i]) : 0);
}

std::int32_t GetInt32(const unsigned char* p) {
  const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                          (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  return static_cast<std::int32_t>(u);
}

std::string GetText(const unsigned char* p, std::size_t width) {
  std::size_t n = 0;
  while (n < width && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

void PutText(unsigned char* record, Field field, std::string_view text) {
  const std::size_t n = text.size() < field.width ? text.size() : field.width - 1;
  for (std::size_t i = 0; i < field.width; ++i)
    record[field.offset + i] = i < n ? static_cast<unsigned char>(text[i]) : 0;
}

void PutInt32(unsigned char* record, Field field, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) record[field.offset + i] = static_cast<unsigned char>((u >> (8 * i)) & 0xffu);
}

void PutByte(unsigned char* record, Field field, unsigned char value) { record[field.offset] = value; }

std::string GetText(const unsigned char* record, Field field) {
  return GetText(record + field.offset, field.width);
}

std::int32_t GetInt32(const unsigned char* record, Field field) { return GetInt32(record + field.offset); }

unsigned char GetByte(const unsigned char* record, Field field) { return record[field.offset]; }

bool ReadFileBytes(const std::filesystem::path& path, Bytes& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
  return WriteFileWhole(path, content).Ok();
}

bool WriteFileAtomically(const std::filesystem::path& path, const Bytes& content) {
  return WriteFileAtomically(path,
                             std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
}

}  // namespace zelvo
