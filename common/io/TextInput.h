#pragma once
// How every reader takes in a file the user names: only a regular file is opened (a folder, a
// FIFO or a device such as /dev/zero is refused as a file that cannot be opened), and no line is
// read without bound.
//
//   std::ifstream in;
//   if (!OpenInputFile(in, path)) return Status::Failure("Can not open ...");
//   for (std::string line; ReadTextLine(in, line);) ...
//   if (in.bad()) return Status::Failure(...);  // a read error is not an end of file

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// No text line of any input is longer than this.
inline constexpr std::size_t kMaxLineLength = 1 << 20;
// What ReadTextLine gives for a longer line: text that no reader takes for data, so each reader
// treats it by its own rule for a line that does not read.
inline constexpr const char* kOverlongLine = "(a line longer than 1 MB)";

// Opens `path` for binary reading when it names a regular file (after symbolic links); false,
// with `in` closed, otherwise.
bool OpenInputFile(std::ifstream& in, const std::filesystem::path& path);

// std::getline with a bound: the next line without its "\n" (a "\r" before it stays). A line of
// more than kMaxLineLength characters is passed over to its end and comes back as kOverlongLine.
// False at the end of the input, and on a read error (then in.bad() is set).
bool ReadTextLine(std::istream& in, std::string& line);

// The same lines as ReadTextLine gives, one after another, from a buffer of its own: for a long
// input read from where it stands to its end with nothing else reading the stream in between
// (the agency daily-value files, up to 55,000 lines). About one memchr a line instead of a
// stream call a line.
class TextLines {
 public:
  explicit TextLines(std::istream& in) : in_(in) {}
  // The next line without its "\n", valid until the next call. False at the end of the input,
  // and on a read error (then the stream's bad() is set).
  bool Next(std::string_view& line);

 private:
  // Reads more of the input after the part not yet handed out, moved to the front of the
  // buffer; false when nothing more came.
  bool Refill();
  // Passes over the rest of a line already longer than kMaxLineLength.
  void SkipRestOfLine();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the next line starts here
  std::size_t end_ = 0;    // the bytes read so far end here
  bool atEnd_ = false;     // the input has no more bytes
};

}  // namespace zelvo
