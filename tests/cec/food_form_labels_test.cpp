// The food-form description tables of the support files.
#include "cec/food_form_labels.h"

#include <gtest/gtest.h>

namespace acute {
namespace {

TEST(FoodFormLabels, ThreeDigitsIndexThreeTables) {
  const auto labels = ParseFoodFormLabels(
      "\"Cooking\", 3\r\n0, \"Uncooked\"\r\n1, \"Baked\"\r\n2, \"Boiled\"\r\n"
      "\"Form\", 2\r\n0, \"Fresh\"\r\n1, \"Canned\"\r\n"
      "\"Source\", 6\r\n0, \"N/S\"\r\n1, \"A\"\r\n2, \"B\"\r\n3, \"C\"\r\n4, \"D\"\r\n5, "
      "\"E\"\r\n");
  ASSERT_TRUE(labels);
  EXPECT_EQ(labels->Describe(5), "Uncooked Fresh E");     // 005
  EXPECT_EQ(labels->Describe(210), "Boiled Canned N/S");  // 210
  EXPECT_EQ(labels->Describe(900), " Fresh N/S");         // T1 has no entry 9
  EXPECT_FALSE(ParseFoodFormLabels("\"Cooking\", 3\r\n0, \"Uncooked\"\r\n"));
}

}  // namespace
}  // namespace acute
