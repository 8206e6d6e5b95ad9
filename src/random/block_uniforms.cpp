#include "random/block_uniforms.h"

#include <algorithm>

namespace acute {

void MtBlockUniforms::Refill() {
  std::array<std::uint32_t, kBlock> words;
  mt_.NextWords(words);
  for (int i = 0; i < kBlock; ++i) block_[i] = MtUniform(words[i]);
  next_ = 0;
}

void MtBlockUniforms::Fill(std::span<float> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    if (next_ == kBlock) Refill();
    const std::size_t here = std::min(out.size() - done, static_cast<std::size_t>(kBlock - next_));
    std::copy_n(block_.begin() + next_, here, out.begin() + static_cast<std::ptrdiff_t>(done));
    next_ += static_cast<int>(here);
    done += here;
  }
}

}  // namespace acute
