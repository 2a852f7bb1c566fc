#pragma once
// One zelvo per start folder: two programs that share the projects list, the preferences and the
// project folders would each rewrite them from their own copy in memory and lose the other's
// changes. The lock file "zelvo.lock" in the start folder holds the owner's process id; the
// owner keeps it locked (flock) while it runs, so a lock left behind by a crash is seen as stale
// and taken over.

#include <filesystem>
#include <memory>

#include "common/io/Status.h"

namespace zelvo {

inline constexpr const char* kStartFolderLockName = "zelvo.lock";

class StartFolderLock {
 public:
  // Takes the lock of `startFolder` into `lock`. Fails, with the message to show, when another
  // running zelvo holds it. A folder where no lock file can be made (read-only) is started
  // without one: nothing can be written there either.
  static Status Take(const std::filesystem::path& startFolder, std::unique_ptr<StartFolderLock>& lock);

  // Removes the lock file and releases the lock.
  ~StartFolderLock();
  StartFolderLock(const StartFolderLock&) = delete;
  StartFolderLock& operator=(const StartFolderLock&) = delete;

 private:
  StartFolderLock(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
  std::filesystem::path path_;
  int fd_ = -1;
};

// The message a second zelvo shows before it ends.
std::string StartFolderInUseMessage(const std::filesystem::path& startFolder, long ownerPid);

}  // namespace zelvo
