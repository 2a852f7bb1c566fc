#include "common/io/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace zelvo {
namespace {

std::string Reason(int error) { return std::strerror(error); }

std::string Failure(const std::filesystem::path& path, const std::string& reason) {
  return "Can not write the file:  " + path.string() + " (" + reason + ")";
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the rename.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteAll(int fd, const char* data, std::size_t size, int& error) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WholeFileWriter::WholeFileWriter(const std::filesystem::path& path) : final_(path) {
  struct stat link {};
  if (::lstat(final_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(final_, ec);
    if (!ec) final_ = target;
  }
  struct stat old {};
  const bool exists = ::stat(final_.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    failure_ = Failure(path, "not a regular file");
    return;
  }
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = final_;
    temp_ += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    failure_ = Failure(path, Reason(errno));
    temp_.clear();
    return;
  }
  // A replaced file keeps who may read it.
  if (exists) ::fchmod(fd_, old.st_mode & 07777);
}

WholeFileWriter::~WholeFileWriter() {
  if (!done_) Abandon();
}

void WholeFileWriter::Abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  done_ = true;
  if (failure_.empty()) failure_ = Failure(final_, "abandoned");
}

void WholeFileWriter::Drain() {
  if (done_ || fd_ < 0 || drainError_ != 0) return;
  if (!buffer_) {
    drainError_ = ENOMEM;
    return;
  }
  const std::string content = buffer_.str();
  if (!WriteAll(fd_, content.data(), content.size(), drainError_)) return;
  buffer_.str(std::string());
}

Status WholeFileWriter::Commit() {
  if (done_ || fd_ < 0) {
    done_ = true;
    return failure_.empty() ? Status::Success() : Status::Failure(failure_);
  }
  int error = drainError_;
  if (error == 0 && !buffer_) error = ENOMEM;
  bool ok = error == 0;
  if (ok) {
    const std::string content = buffer_.str();
    ok = WriteAll(fd_, content.data(), content.size(), error);
  }
  if (ok && ::fsync(fd_) != 0) {
    error = errno;
    ok = false;
  }
  if (::close(fd_) != 0 && ok) {
    error = errno;
    ok = false;
  }
  fd_ = -1;
  if (ok && ::rename(temp_.c_str(), final_.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    failure_ = Failure(final_, Reason(error));
    Abandon();
    return Status::Failure(failure_);
  }
  temp_.clear();
  done_ = true;
  SyncFolder(final_.parent_path());
  return Status::Success();
}

Status WriteFileWhole(const std::filesystem::path& path, std::string_view content) {
  WholeFileWriter out(path);
  out.Stream().write(content.data(), static_cast<std::streamsize>(content.size()));
  return out.Commit();
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat sa {};
  struct stat sb {};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  std::error_code ea, eb;
  const std::filesystem::path ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
  const std::filesystem::path cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
  return !ea && !eb && ca == cb;
}

Status CheckOutputIsNotInput(const std::filesystem::path& output,
                             std::initializer_list<std::filesystem::path> inputs) {
  for (const std::filesystem::path& input : inputs)
    if (!input.empty() && SameFile(output, input))
      return Status::Failure("The output file can not be one of the input files:  " + output.string());
  return Status::Success();
}

}  // namespace zelvo
