#pragma once
// Jumping the MT19937 recurrence ahead: the transition T applied n times to a state as the
// polynomial x^n mod P of T, with the polynomials of the jumps of 2^k blocks precomputed.
// A polynomial is evaluated as Horner's scheme on the state would do it, but on the words
// the recurrence makes from the state: T^i s is simply the 624 words from word i on.
#include <cstdint>

#include "random/mt_polynomial.h"
#include "random/mt_twist.h"

namespace acute::mt {

// q(T) s for a state s the recurrence can reach (any block after a regeneration): the sum
// of T^i s over the terms x^i of q.
Block ApplyPolynomial(const Polynomial& q, const Block& s);

// Replaces a block by the one `blocks` blocks further on: as many regenerations, the part of
// `blocks` below 2^first_power one at a time, each higher bit by its jump polynomial.
void AdvanceBlocks(Block& block, std::uint64_t blocks, const JumpPolynomials& jumps);

// Where jumping starts to pay: 2^11 blocks, about 1.3 million words, cost about as much to
// step through as applying one polynomial.
inline constexpr int kStandardFirstPower = 11;

// The jump polynomials of the generator's jumps, from 2^kStandardFirstPower blocks on;
// built once on first use, never changed.
const JumpPolynomials& StandardJumps();

}  // namespace acute::mt
