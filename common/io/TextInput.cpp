#include "common/io/TextInput.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string>

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

namespace {
constexpr std::size_t kReadBlock = 1 << 16;
}  // namespace

bool TextLines::Refill() {
  if (atEnd_) return false;
  std::streambuf* source = in_.good() ? in_.rdbuf() : nullptr;
  if (source == nullptr) {
    atEnd_ = true;
    return false;
  }
  // Keep the start of the line not yet ended; make room for a block after it.
  const std::size_t kept = end_ - begin_;
  if (begin_ > 0 && kept > 0) std::memmove(buffer_.data(), buffer_.data() + begin_, kept);
  begin_ = 0;
  end_ = kept;
  if (buffer_.size() < end_ + kReadBlock) buffer_.resize(end_ + kReadBlock);
  const std::size_t room = buffer_.size() - end_;
  // The bytes are taken from the stream's own buffer, as many as it holds at a time, so that a
  // read error loses none of the bytes before it (one long read would drop all it had copied):
  // the lines before the error are handed out, as ReadTextLine hands them out.
  using Traits = std::char_traits<char>;
  std::size_t got = 0;
  bool failed = false;
  try {
    while (got < room) {
      if (Traits::eq_int_type(source->sgetc(), Traits::eof())) {
        atEnd_ = true;
        break;
      }
      const std::streamsize ready = std::max<std::streamsize>(source->in_avail(), 1);
      const std::streamsize take = std::min(ready, static_cast<std::streamsize>(room - got));
      const std::streamsize copied = source->sgetn(buffer_.data() + end_ + got, take);
      if (copied <= 0) break;  // a stream buffer that offers a byte and gives none
      got += static_cast<std::size_t>(copied);
    }
  } catch (...) {
    failed = true;
    atEnd_ = true;
  }
  end_ += got;
  if (failed)
    in_.setstate(std::ios::badbit);
  else if (atEnd_)
    in_.setstate(std::ios::eofbit);
  return got > 0;
}

void TextLines::SkipRestOfLine() {
  for (;;) {
    const char* data = buffer_.data();
    const void* nl = begin_ < end_ ? std::memchr(data + begin_, '\n', end_ - begin_) : nullptr;
    if (nl != nullptr) {
      begin_ = static_cast<std::size_t>(static_cast<const char*>(nl) - data) + 1;
      return;
    }
    begin_ = end_;  // nothing of an overlong line is kept
    if (!Refill()) return;
  }
}

bool TextLines::Next(std::string_view& line) {
  std::size_t searched = begin_;  // no "\n" among the bytes before this one
  for (;;) {
    const char* data = buffer_.data();
    const void* nl = searched < end_ ? std::memchr(data + searched, '\n', end_ - searched) : nullptr;
    if (nl != nullptr) {
      const auto at = static_cast<std::size_t>(static_cast<const char*>(nl) - data);
      const std::size_t length = at - begin_;
      line =
          length > kMaxLineLength ? std::string_view(kOverlongLine) : std::string_view(data + begin_, length);
      begin_ = at + 1;
      return true;
    }
    if (end_ - begin_ > kMaxLineLength) {
      // Longer than any line may be, and not ended yet: passed over to its end.
      SkipRestOfLine();
      if (in_.bad()) return false;
      line = kOverlongLine;
      return true;
    }
    const std::size_t before = end_ - begin_;
    if (!Refill()) {
      if (in_.bad()) return false;
      if (end_ == begin_) return false;
      // The last line, without a "\n".
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return true;
    }
    searched = begin_ + before;  // Refill moved the unended line to the front
  }
}

}  // namespace zelvo
