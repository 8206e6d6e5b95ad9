#pragma once
// Portable random numbers for the sample data: the 32-bit Mersenne Twister with this
// program's own transforms, so that one seed gives the same data with any standard library.
#include <cstdint>
#include <random>
#include <vector>

namespace acute::sample {

class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed) : engine_(seed) {}

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(engine_()) * (1.0 / 4294967296.0); }
  // A whole number in [0, n), n > 0.
  int Below(int n) {
    return static_cast<int>(
        (static_cast<std::uint64_t>(engine_()) * static_cast<std::uint64_t>(n)) >> 32);
  }
  // A whole number in [low, high].
  int Between(int low, int high) { return low + Below(high - low + 1); }
  double Range(double low, double high) { return low + (high - low) * Uniform(); }
  bool Chance(double p) { return Uniform() < p; }
  // Roughly standard normal: a scaled sum of four uniforms, bounded by about +-3.5.
  double Normal();

 private:
  std::mt19937 engine_;
};

// Items picked with probability proportional to their weights.
class WeightedTable {
 public:
  void Add(int item, double weight);
  bool Empty() const { return items_.empty(); }
  int Pick(RandomSource& rng) const;

 private:
  std::vector<int> items_;
  std::vector<double> running_;
};

// A random ordering of 0 .. n - 1 (Fisher-Yates).
std::vector<int> RandomOrder(int n, RandomSource& rng);

}  // namespace acute::sample
