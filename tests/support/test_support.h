#pragma once
// Helpers shared by every test suite: scratch folders, small file writers and the one
// numeric comparison used for floating results.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace acute::testing {

// A fresh folder under the system temporary folder, removed when the object goes away.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteText(const std::filesystem::path& path, const std::string& text);
std::string ReadText(const std::filesystem::path& path);

// True when |a - b| <= abs_tol or <= rel_tol * max(|a|, |b|).
::testing::AssertionResult Near(double a, double b, double rel_tol = 1e-9, double abs_tol = 1e-12);

}  // namespace acute::testing
