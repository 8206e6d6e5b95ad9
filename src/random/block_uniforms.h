#pragma once
// A Mersenne Twister's uniforms made 624 at a time: words generated and tempered a block at
// once and turned into floats in one loop. The same numbers, in the same order, as a run's
// UniformSource draws from that generator one by one.
#include <array>
#include <span>

#include "random/mersenne_twister.h"
#include "random/uniform_source.h"

namespace acute {

class MtBlockUniforms {
 public:
  // Starts where `generator` stands (seeded, stepped or jumped).
  explicit MtBlockUniforms(const MersenneTwister& generator) : mt_(generator) {}

  float Next() {
    if (next_ == kBlock) Refill();
    return block_[next_++];
  }
  // The next out.size() uniforms.
  void Fill(std::span<float> out);

 private:
  static constexpr int kBlock = 624;
  void Refill();

  MersenneTwister mt_;
  std::array<float, kBlock> block_{};
  int next_ = kBlock;
};

}  // namespace acute
