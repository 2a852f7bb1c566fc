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
  // The line comes in chunks through istream::getline, which copies a run of the stream's buffer
  // at a time; a chunk that fills up leaves the failbit and the rest of the line unread.
  char chunk[4096];
  bool any = false;
  bool overlong = false;
  for (;;) {
    in.getline(chunk, sizeof chunk);
    const std::streamsize got = in.gcount();
    const std::ios::iostate state = in.rdstate();
    if (state & std::ios::badbit) return false;
    if (got == 0) break;  // nothing left (end of input) or a stream that was not good
    any = true;
    const bool ended = !(state & std::ios::eofbit) && !(state & std::ios::failbit);
    // The "\n" a line ended with is counted by gcount but not stored.
    const std::size_t stored = static_cast<std::size_t>(ended ? got - 1 : got);
    if (!overlong) {
      if (line.size() + stored > kMaxLineLength)
        overlong = true;
      else
        line.append(chunk, stored);
    }
    if (ended || (state & std::ios::eofbit)) break;
    in.clear(state & ~std::ios::failbit);  // a full chunk: the line goes on
  }
  if (overlong) line = kOverlongLine;
  return any;
}

}  // namespace zelvo
