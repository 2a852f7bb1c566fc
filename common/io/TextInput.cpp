#include "common/io/TextInput.h"

#include <sys/stat.h>

namespace zelvo {

bool OpenInputFile(std::ifstream& in, const std::filesystem::path& path) {
  if (in.is_open()) in.close();
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  in.open(path, std::ios::binary);
  return in.is_open() && in.good();
}

bool ReadTextLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  const std::istream::sentry ok(in, true);
  if (!ok || buffer == nullptr) return false;
  bool any = false;
  bool overlong = false;
  try {
    for (;;) {
      const int c = buffer->sbumpc();
      if (c == std::char_traits<char>::eof()) {
        in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
        break;
      }
      any = true;
      if (c == '\n') break;
      if (overlong) continue;
      if (line.size() == kMaxLineLength) {
        overlong = true;
        continue;
      }
      line.push_back(static_cast<char>(c));
    }
  } catch (...) {
    in.setstate(std::ios::badbit);
    return false;
  }
  if (overlong) line = kOverlongLine;
  return any;
}

}  // namespace zelvo
