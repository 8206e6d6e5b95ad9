#pragma once
// Runs the `acute` command on a small sample data folder of its own, as a user would, and
// keeps its exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace acute::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Runs `acute --data <folder> --no <args>` in the scratch folder. Arguments are passed
  // to the shell as written: quote what needs quoting.
  CliResult Acute(const std::string& args) const { return AcuteIn(Data(), args); }
  // The same on another data folder.
  CliResult AcuteIn(const std::filesystem::path& data, const std::string& args) const;
  std::filesystem::path Data() const { return dir_ / "data"; }
  std::filesystem::path Residues() const { return Data() / "residues"; }
  // Replaces line `line` (from 1) of a residue or distribution file `source` of the residue
  // folder, saved as `name` there.
  void WriteResidueVariant(const std::string& source, const std::string& name, int line,
                           const std::string& text) const;

  ScratchFolder dir_;
};

// Every refused run: a non-zero status, no "Last report" line, no "saved" claim.
::testing::AssertionResult Refused(const CliResult& r);

}  // namespace acute::testing
