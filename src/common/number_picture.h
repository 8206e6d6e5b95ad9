#pragma once
// Number pictures of the report writers: each "#" an optional digit, "." the decimal
// point, "," thousands grouping; the value is rounded to the picture's decimals and no
// digit is forced (0.5 in "###.##" gives ".5", 0 gives "."). AlignNumber then lays the
// text out as wide as the picture with the decimal points lined up.
#include <string>
#include <string_view>

namespace acute {

// The picture formatting alone (what the older runtime's Format gave).
std::string FormatPicture(double value, std::string_view picture);

// The alignment of a formatted text to its picture.
std::string AlignNumber(std::string_view picture, std::string_view text);

// Both steps: the usual way a report writes a number.
inline std::string Picture(double value, std::string_view picture) {
  return AlignNumber(picture, FormatPicture(value, picture));
}

}  // namespace acute
