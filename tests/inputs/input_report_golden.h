#pragma once
// Golden files of the input reports (tests/data/inputs); ACUTE_UPDATE_GOLDEN=1 rewrites them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace acute::testing {

inline void ExpectInputGolden(const std::string& name, const std::string& text) {
  const std::filesystem::path path = std::filesystem::path(ACUTE_TEST_DATA) / "inputs" / name;
  const char* update = std::getenv("ACUTE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") WriteText(path, text);
  ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden file " << path;
  EXPECT_EQ(text, ReadText(path)) << "golden file " << name << " differs";
}

}  // namespace acute::testing
