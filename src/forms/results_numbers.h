#pragma once
// Numbers of the Results table: figures as text at full precision (NumberText), float
// figures and percentile labels as the doubles they are shown as.
#include "common/number_text.h"

namespace acute {

// A float figure as the double its shortest text names, so that 12.34f prints as "12.34".
double FloatValue(float value);

// A percentile label (100 - an upper-tail percent held as a float) to two decimals.
double PercentileLabel(float label);

}  // namespace acute
