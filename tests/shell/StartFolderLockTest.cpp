#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempFolder.h"
#include "zelvo/shell/StartFolderLock.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempFolder;
using testing::WriteWholeFile;

// Ends the child process at the end of the test, whatever failed before.
struct ChildProcess {
  pid_t pid = -1;
  ~ChildProcess() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
};

std::string OwnPid() { return std::to_string(static_cast<long>(getpid())) + "\n"; }

TEST(StartFolderLock, ASecondZelvoIsToldAndACrashedOnesLockIsTakenOver) {
  TempFolder start;
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t first = fork();
  ASSERT_GE(first, 0);
  ChildProcess child;
  if (first > 0) child.pid = first;
  if (first == 0) {  // the first zelvo: takes the lock and runs until it is killed
    std::unique_ptr<StartFolderLock> lock;
    const bool taken = StartFolderLock::Take(start.Path(), lock).Ok() && lock;
    const char answer = taken ? 'y' : 'n';
    if (write(ready[1], &answer, 1) != 1) _exit(2);
    for (;;) pause();
  }
  close(ready[1]);
  char answer = 0;
  ASSERT_EQ(read(ready[0], &answer, 1), 1);
  close(ready[0]);
  ASSERT_EQ(answer, 'y');
  EXPECT_EQ(ReadWholeFile(start / "zelvo.lock"), std::to_string(first) + "\n");

  std::unique_ptr<StartFolderLock> second;
  const Status refused = StartFolderLock::Take(start.Path(), second);
  EXPECT_EQ(refused.Message(),
            "Another ZELVO (process " + std::to_string(first) +
                ") is using the folder:  " + start.Path().string() +
                "\n\nZELVO ends now so that the two do not overwrite each other's projects.  "
                "Close the other ZELVO first.");
  EXPECT_FALSE(second);
  EXPECT_EQ(ReadWholeFile(start / "zelvo.lock"), std::to_string(first) + "\n");  // not touched

  // The first one crashes: its lock file stays behind and is taken over.
  kill(first, SIGKILL);
  waitpid(first, nullptr, 0);
  child.pid = -1;
  ASSERT_TRUE(fs::exists(start / "zelvo.lock"));
  const Status taken = StartFolderLock::Take(start.Path(), second);
  ASSERT_TRUE(taken.Ok()) << taken.Message();
  ASSERT_TRUE(second);
  EXPECT_EQ(ReadWholeFile(start / "zelvo.lock"), OwnPid());
  second.reset();  // the program ends
  EXPECT_FALSE(fs::exists(start / "zelvo.lock"));
}

TEST(StartFolderLock, ALockOfAProcessThatNoLongerRunsIsStaleAndTwoInOneProcessConflict) {
  TempFolder start;
  WriteWholeFile(start / "zelvo.lock", "2147483646\n");  // no such process
  std::unique_ptr<StartFolderLock> lock;
  ASSERT_TRUE(StartFolderLock::Take(start.Path(), lock).Ok());
  ASSERT_TRUE(lock);
  EXPECT_EQ(ReadWholeFile(start / "zelvo.lock"), OwnPid());
  std::unique_ptr<StartFolderLock> again;
  EXPECT_FALSE(StartFolderLock::Take(start.Path(), again).Ok());
  EXPECT_FALSE(again);
  // Other start folders are free.
  TempFolder other;
  EXPECT_TRUE(StartFolderLock::Take(other.Path(), again).Ok());
  EXPECT_TRUE(again);
}

}  // namespace
}  // namespace zelvo
