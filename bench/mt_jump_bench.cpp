// The cost of positioning a Mersenne Twister far ahead: building the jump polynomials,
// one polynomial applied to a state, whole jumps of a few distances, and stepping block by
// block for comparison.
//
//   build/release/bench/mt_jump_bench
#include <benchmark/benchmark.h>

#include <cstdint>

#include "random/mersenne_twister.h"
#include "random/mt_jump.h"
#include "random/mt_polynomial.h"

namespace {

using namespace acute;

void BuildJumpPolynomials(benchmark::State& state) {
  for (auto _ : state) {
    mt::JumpPolynomials jumps(20);
    benchmark::DoNotOptimize(jumps.Power(63));
  }
}
BENCHMARK(BuildJumpPolynomials)->Unit(benchmark::kMillisecond);

void ApplyOnePolynomial(benchmark::State& state) {
  MersenneTwister g;
  g.Seed(1);
  g.NextWord();
  mt::Block s;
  for (auto& w : s) w = g.NextWord();
  mt::NextBlock(s);
  const mt::Polynomial& q = mt::StandardJumps().Power(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    s = mt::ApplyPolynomial(q, s);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(ApplyOnePolynomial)->Arg(13)->Arg(40)->Arg(63)->Unit(benchmark::kMicrosecond);

// Distances: 10^6, 10^7, 10^8, 2^32 + 12345, 10^15, 2^64 - 1.
constexpr std::uint64_t kDistances[] = {1000000,          10000000,
                                        100000000,        (std::uint64_t{1} << 32) + 12345,
                                        1000000000000000, ~std::uint64_t{0}};

void Jump(benchmark::State& state) {
  const std::uint64_t n = kDistances[state.range(0)];
  mt::StandardJumps();
  MersenneTwister g;
  g.Seed(1);
  for (auto _ : state) {
    g.Jump(n);
    benchmark::DoNotOptimize(g.NextWord());
  }
  state.SetLabel("n = " + std::to_string(n));
}
BENCHMARK(Jump)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// Regenerations only: a table without polynomials.
void StepBlockByBlock(benchmark::State& state) {
  const std::uint64_t n = kDistances[state.range(0)];
  const mt::JumpPolynomials none(64);
  MersenneTwister g;
  g.Seed(1);
  for (auto _ : state) {
    g.Jump(n, none);
    benchmark::DoNotOptimize(g.NextWord());
  }
  state.SetLabel("n = " + std::to_string(n));
}
BENCHMARK(StepBlockByBlock)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
