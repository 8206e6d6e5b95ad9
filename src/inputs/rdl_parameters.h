#pragma once
// The parameters a residue distribution line may carry: those that can describe a residue.
// The residue file reader and the pass file reader both apply these rules.
#include <string>

#include "common/distribution_type.h"

namespace acute {

// Empty when the parameters of a line of type `type` can describe a residue
// (types without parameters, and unknown types, always can); otherwise why they cannot,
// as a phrase that follows "has", e.g. "a negative standard deviation (-1)".
std::string RdlParameterProblem(DistributionType type, float p1, float p2, float p3);

}  // namespace acute
