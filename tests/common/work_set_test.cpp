// A run's work files as one set: the order of flushes and renames, a commit that fails or is
// killed half-way, and what readers make of the folder afterwards.
#include "common/work_set.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "common/work_files.h"
#include "common/work_set_check.h"
#include "support/test_support.h"

namespace acute {
namespace {

namespace fs = std::filesystem;

// A folder holding the set of an earlier run: acute.tmp and plot.tmp.
class WorkSet : public ::testing::Test {
 protected:
  void SetUp() override { Write("old", {}); }

  // Commits acute.tmp and plot.tmp holding `text`; the hooks watch or stop the commit.
  std::optional<fs::path> Write(const std::string& text, CommitHooks hooks) {
    WorkSetWriter set(dir_.path(), WorkRun{});
    set.SetHooks(std::move(hooks));
    EXPECT_TRUE(set.Stage(dir_ / "acute.tmp", text + " report"));
    EXPECT_TRUE(set.Stage(dir_ / "plot.tmp", text + " plot"));
    return set.Commit();
  }

  // The same in a child process that is killed (exits at once) when `stop` says so.
  void KilledWhile(const std::function<bool(const std::string& event)>& stop) {
    const pid_t child = ::fork();
    if (child == 0) {
      CommitHooks hooks;
      hooks.on_sync = [&](const fs::path& p) {
        if (stop("sync " + p.filename().string())) ::_exit(9);
      };
      hooks.on_rename = [&](const fs::path& from, const fs::path& to) {
        if (stop("rename " + from.filename().string() + " " + to.filename().string())) ::_exit(9);
      };
      Write("new", hooks);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 9) << "the commit was not stopped";
  }

  std::string Report() const { return testing::ReadText(dir_ / "acute.tmp"); }
  std::string Plot() const { return testing::ReadText(dir_ / "plot.tmp"); }
  bool Parts() const {
    return std::any_of(
        fs::directory_iterator(dir_.path()), fs::directory_iterator(),
        [](const fs::directory_entry& e) { return e.path().extension() == ".part"; });
  }
  // Both files as their run listed them, from one run.
  std::string SetFault() const {
    const WorkSetState state = ReadWorkSetState(dir_.path());
    for (const char* name : {"acute.tmp", "plot.tmp"}) {
      const std::string fault = MemberFault(state, name, testing::ReadText(dir_ / name));
      if (!fault.empty()) return fault;
    }
    return SameRunFault(state, {"acute.tmp", "plot.tmp"});
  }

  testing::ScratchFolder dir_;
};

TEST_F(WorkSet, FlushesMembersAndFolderBeforeRenamingAndTheListLast) {
  std::vector<std::string> events;
  CommitHooks hooks;
  const std::string folder = dir_.path().filename().string();
  hooks.on_sync = [&](const fs::path& p) {
    const std::string name = p.filename().string();
    events.push_back(name == folder ? "sync folder" : "sync " + name.substr(0, name.find('.', 1)));
  };
  hooks.on_rename = [&](const fs::path&, const fs::path& to) {
    events.push_back("rename " + to.filename().string());
  };
  ASSERT_EQ(Write("new", hooks), std::nullopt);
  const std::vector<std::string> expected{"sync acute",       "sync plot",
                                          "sync folder",  // members, then the folder
                                          "sync .acute-set",  "rename .acute-set.pending",
                                          "sync folder",  // the note of the commit
                                          "rename acute.tmp", "rename plot.tmp",
                                          "sync folder",  // the members
                                          "sync .acute-set",  "rename .acute-set",
                                          "sync folder",   // then the list
                                          "sync folder"};  // the note removed
  EXPECT_EQ(events, expected);
  EXPECT_EQ(Report(), "new report");
  EXPECT_EQ(SetFault(), "");
  EXPECT_FALSE(Parts());
  EXPECT_FALSE(fs::exists(dir_ / kPendingCommitFileName));
}

TEST_F(WorkSet, AKillBeforeTheNoteLeavesTheOldSetAndTheNextRunClearsItsTemporaries) {
  KilledWhile([](const std::string& e) { return e.rfind("sync plot.tmp", 0) == 0; });
  EXPECT_EQ(Report(), "old report");
  EXPECT_EQ(SetFault(), "");
  EXPECT_TRUE(Parts());
  ASSERT_TRUE(RecoverWorkFolder(dir_.path()));
  EXPECT_FALSE(Parts());
}

TEST_F(WorkSet, AKillBetweenRenamesIsRefusedWhileARunHoldsTheFolderAndCompletedAfter) {
  KilledWhile(
      [](const std::string& e) { return e.rfind("rename ", 0) == 0 && e.ends_with(" plot.tmp"); });
  EXPECT_EQ(Report(), "new report");  // renamed before the kill
  EXPECT_EQ(Plot(), "old plot");
  ASSERT_TRUE(fs::exists(dir_ / kPendingCommitFileName));
  {
    auto running = FolderLock::TryAcquire(dir_.path());
    ASSERT_TRUE(running.lock);
    EXPECT_NE(SetFault().find("are incomplete"), std::string::npos) << SetFault();
  }
  // A reader that can take the folder completes the commit from its note.
  EXPECT_EQ(SetFault(), "");
  EXPECT_EQ(Plot(), "new plot");
  EXPECT_FALSE(Parts());
}

TEST_F(WorkSet, ReadersRefuseAChangedFileAndFilesOfDifferentRuns) {
  testing::WriteText(dir_ / "acute.tmp", "edited report");
  EXPECT_NE(SetFault().find("The work file acute.tmp in "), std::string::npos);
  EXPECT_NE(SetFault().find("is not the file its run wrote"), std::string::npos);
  Write("new", {});
  WorkSetWriter other(dir_.path(), WorkRun{});
  ASSERT_TRUE(other.Stage(dir_ / "plot.tmp", "another plot"));
  ASSERT_EQ(other.Commit(), std::nullopt);
  const std::string fault = SameRunFault(ReadWorkSetState(dir_.path()), {"acute.tmp", "plot.tmp"});
  EXPECT_NE(fault.find("The work file plot.tmp in " + dir_.path().string() +
                       " was written by another run than acute.tmp"),
            std::string::npos)
      << fault;
  // A damaged list makes the whole folder untrusted.
  testing::WriteText(dir_ / kManifestFileName, "acute work-file set 1\nfile acute.tmp\n");
  EXPECT_NE(SetFault().find("is damaged"), std::string::npos);
}

TEST(WorkManifest, ARunReplacesItsOwnEntriesAndKeepsTheOthers) {
  WorkManifest m;
  WorkRun acute{
      "a", {{"kind", "acute"}, {"two-day", "1"}}, {{"residue", "0123456789abcdef", "/r/X Y.R10"}}};
  m.Replace(acute,
            {{"acute.tmp", "a", 10, "0123456789abcdef"}, {"cec1.tmp", "a", 5, "0123456789abcdef"}});
  WorkRun dwloc{"b", {{"kind", "dwloc"}}, {}};
  m.Replace(dwloc, {{"dwloc.tmp", "b", 7, "fedcba9876543210"}});
  WorkRun again{"c", {{"kind", "acute"}}, {}};
  m.Replace(again,
            {{"acute.tmp", "c", 11, "fedcba9876543210"}, {"cec1.tmp", "c", 6, "fedcba9876543210"}});
  ASSERT_EQ(m.runs.size(), 2u);  // run "a" has no file left
  EXPECT_EQ(m.File("dwloc.tmp")->run, "b");
  EXPECT_EQ(m.File("cec1.tmp")->run, "c");
  m.Replace(acute, {{"plot.tmp", "a", 3, "0123456789abcdef"}});
  const auto read = ParseManifest(ManifestText(m));
  ASSERT_TRUE(read);
  EXPECT_EQ(ManifestText(*read), ManifestText(m));
  EXPECT_EQ(read->Run("a")->inputs[0].path, "/r/X Y.R10");
  EXPECT_EQ(read->Run("a")->Setting("two-day"), "1");
  const std::string text = ManifestText(m);
  EXPECT_FALSE(ParseManifest(text.substr(0, text.size() - 4)));  // cut short: not whole
}

}  // namespace
}  // namespace acute
