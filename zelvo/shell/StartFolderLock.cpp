#include "zelvo/shell/StartFolderLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

// The process id written in an open lock file; 0 when it holds none.
long ReadOwner(int fd) {
  char text[32] = {};
  const ssize_t n = pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  return end != text && pid > 0 ? pid : 0;
}

bool ProcessRuns(long pid) {
  if (pid <= 0 || pid == static_cast<long>(getpid())) return false;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void WriteOwner(int fd) {
  const std::string text = std::to_string(static_cast<long>(getpid())) + "\n";
  if (ftruncate(fd, 0) == 0 && pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()))
    fsync(fd);
}

// True when `fd` is still the file at `path` (not one removed by its owner in the meantime).
bool StillThere(int fd, const std::filesystem::path& path) {
  struct stat opened {};
  struct stat named {};
  return fstat(fd, &opened) == 0 && lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace

std::string StartFolderInUseMessage(const std::filesystem::path& startFolder, long ownerPid) {
  return Format(
      "Another ZELVO (process %ld) is using the folder:  %s\n\nZELVO ends now so that the two do not "
      "overwrite "
      "each other's projects.  Close the other ZELVO first.",
      ownerPid, startFolder.string().c_str());
}

Status StartFolderLock::Take(const std::filesystem::path& startFolder,
                             std::unique_ptr<StartFolderLock>& lock) {
  const std::filesystem::path path = startFolder / kStartFolderLockName;
  for (int attempt = 0; attempt < 10; ++attempt) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && errno == EACCES) fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return Status::Success();  // nothing can be made here, so nothing is written here
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (!StillThere(fd, path)) {  // its owner ended and removed it just now: lock the new one
        close(fd);
        continue;
      }
      WriteOwner(fd);  // a stale lock of a crashed owner is taken over here
      lock.reset(new StartFolderLock(path, fd));
      return Status::Success();
    }
    if (errno == EWOULDBLOCK) {
      const long owner = ReadOwner(fd);
      close(fd);
      return Status::Failure(StartFolderInUseMessage(startFolder, owner));
    }
    // A file system without flock: the process id alone tells whether the owner still runs.
    const long owner = ReadOwner(fd);
    if (ProcessRuns(owner)) {
      close(fd);
      return Status::Failure(StartFolderInUseMessage(startFolder, owner));
    }
    WriteOwner(fd);
    lock.reset(new StartFolderLock(path, fd));
    return Status::Success();
  }
  return Status::Failure(StartFolderInUseMessage(startFolder, 0));
}

StartFolderLock::~StartFolderLock() {
  if (fd_ < 0) return;
  unlink(path_.c_str());
  close(fd_);
}

}  // namespace zelvo
