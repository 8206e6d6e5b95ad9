#pragma once
// The number pictures of the CEC writers, for the values they print: 32-bit floats and whole
// numbers. Such a value times a power of ten up to 10^7 is exact in double precision, so
// rounding half away from zero is one std::round; the text is the one Picture gives (other
// values and pictures go to Picture itself). The record and report files print millions of
// numbers, which is why this short way matters.
#include <string>
#include <string_view>

namespace acute {

std::string CecPicture(double value, std::string_view picture);

}  // namespace acute
