#pragma once
// A bootstrap round's residue data: each empirical distribution file resampled once, with
// replacement, as many samples as it has (its values, its LOD samples and its zero samples
// alike), and shared by every distribution line that names it. Parametric distributions stay
// as they are.
#include "engine/distribution_tables.h"
#include "random/mersenne_twister.h"

namespace acute {

// The distributions with every empirical file resampled from `generator`, the files taken in
// the order in which the distribution lines first name them. A file's drawn values keep the
// order of the file (each as often as drawn), then its LOD and zero samples, so that a draw
// reads the resampled file as it reads the file itself.
DistributionTables ResampleResidues(const DistributionTables& tables, MersenneTwister& generator);

}  // namespace acute
