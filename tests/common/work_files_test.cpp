// Work files: sets replaced together, unique temporary names, the folder lock.
#include "common/work_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "common/print_writer.h"
#include "support/test_support.h"

namespace acute {
namespace {

int FilesIn(const std::filesystem::path& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(WorkFileSet, AFailedFileLeavesTheEarlierSetWholeAndNoTemporaries) {
  testing::ScratchFolder dir;
  testing::WriteText(dir / "acute.tmp", "old report");
  testing::WriteText(dir / "plot.tmp", "old plot");
  {
    WorkFileSet set;
    ASSERT_TRUE(set.Stage(dir / "acute.tmp", "new report"));
    EXPECT_FALSE(set.Stage(dir / "missing" / "plot.tmp", "new plot"));
  }  // the run ends without Commit
  EXPECT_EQ(testing::ReadText(dir / "acute.tmp"), "old report");
  EXPECT_EQ(testing::ReadText(dir / "plot.tmp"), "old plot");
  EXPECT_EQ(FilesIn(dir.path()), 2);

  WorkFileSet set;
  ASSERT_TRUE(set.Stage(dir / "acute.tmp", "new report"));
  const std::filesystem::path streamed = set.TempFor(dir / "plot.tmp");
  testing::WriteText(streamed, "new plot");
  EXPECT_EQ(set.Commit(), std::nullopt);
  EXPECT_EQ(testing::ReadText(dir / "acute.tmp"), "new report");
  EXPECT_EQ(testing::ReadText(dir / "plot.tmp"), "new plot");
  EXPECT_EQ(FilesIn(dir.path()), 2);
}

TEST(WorkFileSet, WritersOfOneFileNeverShareATemporaryName) {
  testing::ScratchFolder dir;
  const std::filesystem::path target = dir / "acute.tmp";
  const std::string a(100000, 'a');
  const std::string b(100000, 'b');
  int failures = 0;
  auto writer = [&](const std::string& text, int& failed) {
    for (int i = 0; i < 100; ++i)
      if (!WriteFileAtomically(target, text)) ++failed;
  };
  int failed_b = 0;
  std::thread other(writer, std::cref(b), std::ref(failed_b));
  writer(a, failures);
  other.join();
  EXPECT_EQ(failures + failed_b, 0);
  const std::string last = testing::ReadText(target);
  EXPECT_TRUE(last == a || last == b);
  EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(FolderLock, OneHolderAtATimeAndNoneAfterAHolderDies) {
  testing::ScratchFolder dir;
  {
    auto first = FolderLock::TryAcquire(dir.path());
    ASSERT_TRUE(first.lock.has_value());
    auto second = FolderLock::TryAcquire(dir.path());
    EXPECT_FALSE(second.lock.has_value());
    EXPECT_TRUE(second.busy);
  }
  EXPECT_TRUE(FolderLock::TryAcquire(dir.path()).lock.has_value());

  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    auto held = FolderLock::TryAcquire(dir.path());
    const char ok = held.lock ? '1' : '0';
    if (write(ready[1], &ok, 1) != 1) _exit(2);
    pause();  // killed while holding the lock
    _exit(0);
  }
  char ok = 0;
  ASSERT_EQ(read(ready[0], &ok, 1), 1);
  ASSERT_EQ(ok, '1');
  EXPECT_TRUE(FolderLock::TryAcquire(dir.path()).busy);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(FolderLock::TryAcquire(dir.path()).lock.has_value());
  close(ready[0]);
  close(ready[1]);
}

TEST(FolderLock, AFolderThatCannotHoldTheLockFileIsNotBusy) {
  testing::ScratchFolder dir;
  const auto attempt = FolderLock::TryAcquire(dir / "missing");
  EXPECT_FALSE(attempt.lock.has_value());
  EXPECT_FALSE(attempt.busy);
}

}  // namespace
}  // namespace acute
