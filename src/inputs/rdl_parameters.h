#pragma once
// The parameters a residue distribution line may carry: those that can describe a residue.
// The residue file reader and the pass file reader both apply these rules.
#include <string>

namespace acute {

// Empty when the parameters of a line of distribution type `type` can describe a residue
// (types without parameters, and unknown types, always can); otherwise why they cannot,
// as a phrase that follows "has", e.g. "a negative standard deviation (-1)".
std::string RdlParameterProblem(int type, float p1, float p2, float p3);

}  // namespace acute
