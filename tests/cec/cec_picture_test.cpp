// The short way of the CEC writers' number pictures gives the text of Picture itself.
#include "cec/cec_picture.h"

#include <gtest/gtest.h>

#include <random>

#include "common/number_picture.h"

namespace acute {
namespace {

TEST(CecPicture, TheTextOfPictureForSinglesAndWholeNumbers) {
  const char* pictures[] = {"##",     "###",         "####",        "#####",      "######",
                            "####.#", "####.######", "###.##",      "###.######", "###.#######",
                            "##.##",  "#####.#",     "#####.######"};
  std::mt19937 gen(7);
  std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
  std::uniform_int_distribution<int> exponent(-9, 6);
  std::vector<double> values = {0, 0.5, 0.125, 0.005, 2.675, 99.995, 1e6, -0.004, -2.5, 0.0049999};
  for (int i = 0; i < 20000; ++i) {
    const float v = mantissa(gen) * std::pow(10.0f, static_cast<float>(exponent(gen)));
    values.push_back(i % 2 ? v : -v);
  }
  for (int i = 0; i < 2000; ++i) values.push_back(std::round(values[i] * 1000));
  for (double v : values)
    for (const char* p : pictures) ASSERT_EQ(CecPicture(v, p), Picture(v, p)) << v << " " << p;
  // Others go to Picture itself.
  EXPECT_EQ(CecPicture(0.1, "###.##"), Picture(0.1, "###.##"));
  EXPECT_EQ(CecPicture(1234567.5, "#,###,###"), Picture(1234567.5, "#,###,###"));
}

}  // namespace
}  // namespace acute
