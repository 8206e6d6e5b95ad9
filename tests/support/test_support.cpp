#include "support/test_support.h"

#include <atomic>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace acute::testing {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("acute-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

::testing::AssertionResult Near(double a, double b, double rel_tol, double abs_tol) {
  double diff = std::fabs(a - b);
  if (diff <= abs_tol || diff <= rel_tol * std::max(std::fabs(a), std::fabs(b)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a << " and " << b << " differ by " << diff;
}

}  // namespace acute::testing
