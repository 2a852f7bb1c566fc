#pragma once
// Every file the programs write is written whole or not at all: the bytes go to a temporary file
// beside the final one ("<name>.tmp-<pid>-<n>", created new), are flushed to the disk and the
// temporary file is renamed over the final name, so a full disk, a failed write or a crash at any
// moment leaves either the old file or the new one, never a torn or empty file. On any failure
// the temporary file is removed and the old file is untouched.
//
//   WholeFileWriter out(path);
//   if (!out.Opened()) return Status::Failure("Can not open the output file:  " + path);
//   out.Stream() << text;
//   if (const Status done = out.Commit(); !done) ...

#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "common/io/Status.h"

namespace zelvo {

class WholeFileWriter {
 public:
  // Creates the temporary file at once, so a folder that cannot be written to shows before any
  // work is done. A final path that exists and is not a regular file (a folder, a device, a FIFO)
  // is refused: it is never replaced. A symbolic link is followed: its target is replaced.
  explicit WholeFileWriter(const std::filesystem::path& path);
  // Removes the temporary file unless Commit succeeded.
  ~WholeFileWriter();
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  // False when the temporary file could not be created (the reason is in Commit's message).
  bool Opened() const { return fd_ >= 0; }
  // What is written here becomes the file's content at Commit; nothing reaches the disk before.
  std::ostream& Stream() { return buffer_; }
  // Moves what was written so far into the temporary file, so a long output (a table of
  // thousands of gauges, a long batch) does not grow in memory; nothing reaches the final name
  // before Commit. A failure here makes Commit fail.
  void Drain();
  // Writes the content, syncs it, renames the temporary file over the final name and syncs the
  // folder. On failure the temporary file is gone and the final file is as it was; the message
  // names the file and the system's reason. A second call returns the first call's outcome.
  Status Commit();
  // Gives up: the temporary file is removed, the final file stays as it was.
  void Abandon();

 private:
  std::filesystem::path final_;
  std::filesystem::path temp_;
  std::ostringstream buffer_;
  std::string failure_;
  int fd_ = -1;
  int drainError_ = 0;  // errno of a failed Drain
  bool done_ = false;
};

// The whole of `content` as the file at `path`, by way of a WholeFileWriter.
Status WriteFileWhole(const std::filesystem::path& path, std::string_view content);

// Whether two paths name the same file: the same device and inode when both exist, else the
// same path once made absolute and resolved.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Refuses an output that names one of the inputs (empty inputs are passed over), so a command
// never destroys what it reads: "The output file can not be one of the input files:  %s".
Status CheckOutputIsNotInput(const std::filesystem::path& output,
                             std::initializer_list<std::filesystem::path> inputs);

}  // namespace zelvo
