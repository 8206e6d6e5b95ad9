#pragma once
// Figures as text at full precision: the shortest text that reads back as the same number,
// always with a dot and without a thousands separator.
#include <string>

namespace acute {

// The shortest round-trip text of `value`, without an exponent from 1e-7 up to 1e15
// ("0.125", "0.0000001", "1000000"), with one outside ("1e-08").
std::string NumberText(double value);

}  // namespace acute
