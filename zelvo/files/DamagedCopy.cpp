#include "zelvo/files/DamagedCopy.h"

#include <string>
#include <system_error>

#include "zelvo/files/BinaryIo.h"

namespace zelvo {

std::optional<std::filesystem::path> KeepDamagedCopy(const std::filesystem::path& file) {
  Bytes content;
  if (!ReadFileBytes(file, content)) return std::nullopt;
  for (int n = 1; n <= 100; ++n) {
    std::filesystem::path copy = file;
    copy += n == 1 ? std::string(".damaged") : ".damaged." + std::to_string(n);
    std::error_code ec;
    const std::filesystem::file_type type = std::filesystem::symlink_status(copy, ec).type();
    if (type == std::filesystem::file_type::none) return std::nullopt;  // cannot be looked at
    if (type != std::filesystem::file_type::not_found) {
      Bytes earlier;
      if (ReadFileBytes(copy, earlier) && earlier == content) return copy;  // kept already
      continue;
    }
    if (!WriteFileAtomically(copy, content)) return std::nullopt;
    return copy;
  }
  return std::nullopt;
}

}  // namespace zelvo
