#include "cli/cli_fixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace acute::testing {

void CliTest::SetUp() {
  const CliResult made = Acute("sample-data " + Data().string() + " --persons 200");
  ASSERT_EQ(made.status, 0) << made.err;
}

CliResult CliTest::AcuteIn(const std::filesystem::path& data, const std::string& args) const {
  const std::string command = "cd '" + dir_.path().string() + "' && '" ACUTE_CLI "' --data '" +
                              data.string() + "' --no " + args + " >out.txt 2>err.txt </dev/null";
  const int raw = std::system(command.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadText(dir_ / "out.txt");
  r.err = ReadText(dir_ / "err.txt");
  return r;
}

void CliTest::WriteResidueVariant(const std::string& source, const std::string& name, int line,
                                  const std::string& text) const {
  std::istringstream in(ReadText(Residues() / source));
  std::string out;
  std::string row;
  for (int n = 1; std::getline(in, row); ++n) out += (n == line ? text + "\r" : row) + "\n";
  WriteText(Residues() / name, out);
}

::testing::AssertionResult Refused(const CliResult& r) {
  if (r.status == 0) return ::testing::AssertionFailure() << "exit status 0; stderr: " << r.err;
  if (r.out.find("Last report") != std::string::npos ||
      (r.out + r.err).find("saved as") != std::string::npos)
    return ::testing::AssertionFailure() << "claims success: " << r.out;
  return ::testing::AssertionSuccess();
}

}  // namespace acute::testing
