#pragma once
// Numbers of the Results table as text at full precision: the shortest text that reads back
// as the same number, always with a dot and without a thousands separator.
#include <string>

namespace acute {

// The shortest round-trip text of `value`, without an exponent from 1e-7 up to 1e15
// ("0.125", "0.0000001", "1000000"), with one outside ("1e-08").
std::string NumberText(double value);

// A float figure as the double its shortest text names, so that 12.34f prints as "12.34".
double FloatValue(float value);

// A percentile label (100 - an upper-tail percent held as a float) to two decimals.
double PercentileLabel(float label);

}  // namespace acute
