// Runs killed at random moments, stopped by a file-size limit, a full disk or a directory in
// the way of a rename: the work folder always holds the old set whole, the new set whole,
// or a set that every reader refuses until the next run mends it.
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <thread>

#include "cli/cli_fixture.h"
#include "common/work_set.h"
#include "common/work_set_check.h"

namespace acute::testing {
namespace {

namespace fs = std::filesystem;

struct Child {
  pid_t pid = -1;
  int status = 0;
  bool Killed() const { return WIFSIGNALED(status); }
  int Exit() const { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
};

class WorkSetFaults : public CliTest {
 protected:
  // The two analyses that take turns in the folder: a deterministic run and a Monte Carlo
  // run, both with a CEC report.
  std::vector<std::string> Analysis(bool monte_carlo, const std::string& cec) const {
    std::vector<std::string> args{
        "analyze", "--residue",  monte_carlo ? "SAMPLEMC.R10" : "SAMPLE.R10",
        "--cec",   cec,          "--cec-low",
        "90",      "--cec-quiet"};
    // The Monte Carlo run also has bootstrap rounds: a set whose results file holds them.
    if (monte_carlo)
      args.insert(args.end(), {"--mc", "40", "--seed", "3", "--rng", "mt", "--bootstrap", "3",
                               "--bootstrap-seed", "2"});
    return args;
  }

  // Starts `acute --data DATA --work WORK --yes ARGS` with its output to files; `file_limit`
  // bytes caps the size of every file it writes.
  pid_t Start(const std::vector<std::string>& args, rlim_t file_limit = RLIM_INFINITY) const {
    std::vector<std::string> all{ACUTE_CLI, "--data",        Data().string(),
                                 "--work",  Work().string(), "--yes"};
    all.insert(all.end(), args.begin(), args.end());
    const pid_t pid = ::fork();
    if (pid == 0) {
      const rlimit limit{file_limit, file_limit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      std::freopen((dir_ / "child-out.txt").c_str(), "w", stdout);
      std::freopen((dir_ / "child-err.txt").c_str(), "w", stderr);
      std::vector<char*> argv;
      for (std::string& a : all) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(ACUTE_CLI, argv.data());
      ::_exit(127);
    }
    return pid;
  }

  Child Wait(pid_t pid) const {
    Child c{pid, 0};
    ::waitpid(pid, &c.status, 0);
    return c;
  }

  Child Run(const std::vector<std::string>& args, rlim_t file_limit = RLIM_INFINITY) const {
    return Wait(Start(args, file_limit));
  }

  fs::path Work() const { return dir_ / "work"; }
  std::string ChildErr() const { return ReadText(dir_ / "child-err.txt"); }

  // Every file of the work folder but the lock and the pass file, with its bytes.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(Work())) {
      const std::string name = e.path().filename().string();
      if (name != kLockFileNameForTests && name != "tarnpass.tmp" && e.is_regular_file())
        files[name] = ReadText(e.path());
    }
    return files;
  }

  // The residue file a work file names in its header ("" when it names none).
  std::string ResidueOf(const std::string& name) const {
    const std::string text = ReadText(Work() / name);
    const std::size_t at = text.find("SAMPLE", text.find("Residue file"));
    return at == std::string::npos ? "" : text.substr(at, text.find(".R10", at) - at);
  }

  // The folder as a user finds it: each reader either refuses or works on one run's files;
  // afterwards the folder's list is whole and its files agree with each other.
  void ExpectOneSet(const std::string& trial) {
    for (const std::vector<std::string>& reader :
         {std::vector<std::string>{"show", "last-report"},
          {"show", "last-cec"},
          {"redo-cec", "--cec", "REDO", "--cec-low", "95"}}) {
      const Child r = Run(reader);
      EXPECT_TRUE(r.Exit() == 0 || r.Exit() == 1) << trial << ": " << reader[0];
    }
    const WorkSetState state = ReadWorkSetState(Work());
    ASSERT_EQ(state.refusal, "") << trial;
    ASSERT_TRUE(state.manifest) << trial;
    for (const WorkFileEntry& e : state.manifest->files)
      EXPECT_EQ(MemberFault(state, e.name, ReadText(Work() / e.name)), "") << trial;
    EXPECT_EQ(SameRunFault(state, {"acute.tmp", "plot.tmp", "cec1.tmp", "cec2.tmp", "expos.tmp"}),
              "")
        << trial;
    // The results file is the run's whose report it is (a redo rewrites only its CEC part).
    const WorkRun* run = RunOf(state, "acute.tmp");
    ASSERT_NE(run, nullptr) << trial;
    const auto results = nlohmann::json::parse(ReadText(Work() / "results.json"), nullptr, false);
    EXPECT_EQ(results["provenance"]["run_id"], run->id) << trial;
    const std::string residue = ResidueOf("acute.tmp");
    for (const char* name : {"plot.tmp", "cec1.tmp", "cec4.tmp"})
      EXPECT_EQ(ResidueOf(name), residue) << trial << ": " << name;
    EXPECT_FALSE(fs::exists(Work() / kPendingCommitFileName)) << trial;
  }

  static constexpr const char* kLockFileNameForTests = ".acute-run.lock";
};

TEST_F(WorkSetFaults, RunsKilledAtRandomMomentsLeaveOneWholeSet) {
  fs::create_directories(Work());
  // How long each analysis takes here: the kills fall within that time and a little after.
  long length[2] = {0, 0};
  for (const bool monte_carlo : {true, false}) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Run(Analysis(monte_carlo, "TIMED")).Exit(), 0) << ChildErr();
    length[monte_carlo] = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - start)
                              .count();
  }
  std::mt19937 random(20261206);
  int killed = 0;
  bool monte_carlo = true;  // the folder holds the deterministic run's set: the next is the other
  for (int trial = 0; trial < 50; ++trial) {
    const pid_t pid = Start(Analysis(monte_carlo, "K" + std::to_string(trial)));
    std::uniform_int_distribution<long> when(0, length[monte_carlo] * 11 / 10);
    std::this_thread::sleep_for(std::chrono::microseconds(when(random)));
    ::kill(pid, SIGKILL);
    const Child c = Wait(pid);
    killed += c.Killed() ? 1 : 0;
    ExpectOneSet("trial " + std::to_string(trial) + (c.Killed() ? " (killed)" : " (finished)"));
    if (HasFatalFailure()) return;
    monte_carlo = ResidueOf("acute.tmp") == "SAMPLE";
  }
  EXPECT_GT(killed, 15);  // most kills land inside a run
  std::printf("%d of 50 runs killed before they ended\n", killed);
}

TEST_F(WorkSetFaults, AFileSizeLimitLeavesThePreviousSetExactlyAsItWas) {
  fs::create_directories(Work());
  ASSERT_EQ(Run(Analysis(false, "FIRST")).Exit(), 0) << ChildErr();
  // The limits run up to the largest file of a whole set.
  ASSERT_EQ(Run(Analysis(true, "UNLIMITED")).Exit(), 0) << ChildErr();
  rlim_t largest = 0;
  for (const auto& [name, text] : Snapshot()) largest = std::max<rlim_t>(largest, text.size());
  ASSERT_EQ(Run(Analysis(false, "FIRST")).Exit(), 0)
      << ChildErr() << ReadText(dir_ / "child-out.txt");
  const auto before = Snapshot();
  for (const rlim_t limit : {rlim_t{1000}, largest / 50, largest / 8, largest / 2, largest - 1}) {
    const std::string name = "LIMIT" + std::to_string(limit);
    const Child c = Run(Analysis(true, name), limit);
    EXPECT_EQ(c.Exit(), 1) << limit << ": " << ChildErr();
    EXPECT_NE(ChildErr().find("Acute Analysis was not completed."), std::string::npos)
        << limit << ": " << ChildErr();
    EXPECT_TRUE(Snapshot() == before) << limit;
    EXPECT_FALSE(fs::exists(Residues() / (name + ".CEC"))) << limit;
  }
  ExpectOneSet("after the limits");
}

TEST_F(WorkSetFaults, ADirectoryInTheWayOfARenameLeavesTheOldSet) {
  fs::create_directories(Work());
  ASSERT_EQ(Run(Analysis(false, "FIRST")).Exit(), 0) << ChildErr();
  const std::string report = ReadText(Work() / "acute.tmp");
  fs::remove(Work() / "cec4.tmp");
  fs::create_directories(Work() / "cec4.tmp" / "in-the-way");
  const Child c = Run(Analysis(true, "BLOCKED"));
  EXPECT_EQ(c.Exit(), 1) << ChildErr();
  EXPECT_NE(ChildErr().find("cec4.tmp"), std::string::npos) << ChildErr();
  EXPECT_EQ(ReadText(Work() / "acute.tmp"), report);
  EXPECT_EQ(ResidueOf("cec1.tmp"), "SAMPLE");
  fs::remove_all(Work() / "cec4.tmp");
  const Child again = Run(Analysis(true, "AGAIN"));
  EXPECT_EQ(again.Exit(), 0) << ChildErr();
  ExpectOneSet("after the directory went");
}

// A full disk, where the machine lets the test mount a small file system of its own.
TEST_F(WorkSetFaults, AFullDiskLeavesThePreviousSetExactlyAsItWas) {
  fs::create_directories(Work());
  if (::mount("tmpfs", Work().c_str(), "tmpfs", 0, "size=6m") != 0)
    GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
  struct Unmount {
    fs::path at;
    ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
  } unmount{Work()};
  ASSERT_EQ(Run(Analysis(false, "FIRST")).Exit(), 0) << ChildErr();
  const auto before = Snapshot();
  // Less and less room is taken, until the new set fits.
  int failed = 0;
  for (int filler_kb = 4000; filler_kb >= 0; filler_kb -= 500) {
    fs::remove(Work() / "filler");
    if (filler_kb > 0) WriteText(Work() / "filler", std::string(filler_kb * 1024, 'x'));
    const std::string name = "FULL" + std::to_string(filler_kb);
    const Child c = Run(Analysis(true, name));
    fs::remove(Work() / "filler");
    if (c.Exit() == 0) {
      ExpectOneSet("fitted with " + std::to_string(filler_kb) + " KB taken");
      break;
    }
    ++failed;
    EXPECT_EQ(c.Exit(), 1) << filler_kb;
    EXPECT_TRUE(Snapshot() == before) << filler_kb << " KB: " << ChildErr();
    EXPECT_FALSE(fs::exists(Residues() / (name + ".CEC"))) << filler_kb;
  }
  EXPECT_GT(failed, 0);
}

}  // namespace
}  // namespace acute::testing
