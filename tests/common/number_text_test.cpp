// Str(x), number pictures and their alignment.
#include <gtest/gtest.h>

#include <cstdint>

#include "common/number_picture.h"
#include "common/str.h"

namespace acute {
namespace {

TEST(Str, ShortestTextWithSignBlank) {
  EXPECT_EQ(Str(0.5f), " 0.5");
  EXPECT_EQ(Str(-0.5f), "-0.5");
  EXPECT_EQ(Str(0.1f), " 0.1");  // single precision: not 0.100000001...
  EXPECT_EQ(Str(0.1), " 0.1");
  EXPECT_EQ(Str(1.0f / 3.0f), " 0.33333334");
  EXPECT_EQ(Str(std::int64_t{4}), " 4");
  EXPECT_EQ(Str(std::int16_t{-12}), "-12");
  EXPECT_EQ(Str(0.0f), " 0");
  EXPECT_EQ(Str(-0.0), " 0");
  EXPECT_EQ(Str(0.0002f), " 0.0002");  // never an exponent
  EXPECT_EQ(Str(0.000088), " 0.000088");
  EXPECT_EQ(Str(100000.0f), " 100000");
  EXPECT_EQ(TrimStr(2.25f), "2.25");
}

TEST(FormatPicture, RoundsToPictureDecimalsWithoutForcedDigits) {
  EXPECT_EQ(FormatPicture(0.5, "###.##"), ".5");
  EXPECT_EQ(FormatPicture(0, "###.##"), ".");
  EXPECT_EQ(FormatPicture(5, "###.##"), "5.");
  EXPECT_EQ(FormatPicture(5.2, "###.##"), "5.2");
  EXPECT_EQ(FormatPicture(0.125, "#.##"), ".13");  // half away from zero
  EXPECT_EQ(FormatPicture(-0.125, "#.##"), "-.13");
  EXPECT_EQ(FormatPicture(9.999, "#.##"), "10.");
  EXPECT_EQ(FormatPicture(1234567, "##,###,###"), "1,234,567");
  EXPECT_EQ(FormatPicture(999.6, "#,###"), "1,000");
  EXPECT_EQ(FormatPicture(0.4, "###"), "");
  EXPECT_EQ(FormatPicture(12, "###"), "12");
  EXPECT_EQ(FormatPicture(-0.001, "#.##"), ".");  // rounds to zero: no sign
  EXPECT_EQ(FormatPicture(1234, " ####### "), " 1234 ");
}

TEST(AlignNumber, DecimalPointsLineUp) {
  // Examples of the number alignment rules and of the residue report.
  EXPECT_EQ(Picture(0.5, "####.######"), "   0.500000");
  EXPECT_EQ(Picture(0.05, "###.######"), "  0.050000");
  EXPECT_EQ(Picture(1.5, "##.###"), " 1.500");
  EXPECT_EQ(Picture(123.5, "###.######"), "123.500000");
  EXPECT_EQ(Picture(12, "###"), " 12");
  // Examples of the critical exposure report.
  EXPECT_EQ(Picture(5.2, "###.##"), "  5.20");
  EXPECT_EQ(Picture(0, "###.##"), "  0.00");
  // Percentile labels.
  EXPECT_EQ(Picture(90, "##.##"), "90.00");
  EXPECT_EQ(Picture(99.75, "##.##"), "99.75");
  EXPECT_EQ(Picture(0.1, "##.##"), " 0.10");
}

TEST(AlignNumber, EdgeRules) {
  EXPECT_EQ(AlignNumber("####.######", "."), "   0.000000");
  EXPECT_EQ(AlignNumber("###", ""), "  0");
  EXPECT_EQ(AlignNumber("###", "12345"), "12345");    // wider: unchanged
  EXPECT_EQ(AlignNumber("##.##", "123.5"), "123.5");  // wider: unchanged
  EXPECT_EQ(AlignNumber(".###", ".5"), ".500");       // point first
  EXPECT_EQ(AlignNumber("##,###,###", "1,234"), "     1,234");
  EXPECT_EQ(Picture(-0.5, "####.######"), "   -.500000");
}

}  // namespace
}  // namespace acute
