#include "random/uniform_source.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <ctime>

namespace acute {

UniformSource::UniformSource(bool mersenne_twister, std::int16_t seed, double timer_seconds)
    : mersenne_twister_(mersenne_twister) {
  if (mersenne_twister_) {
    mt_.Seed(seed != 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(seed))
                       : static_cast<std::uint32_t>(std::llround(timer_seconds)));
    return;
  }
  vb_.NextFrom(-1.0f);
  if (seed != 0)
    vb_.Randomize(seed);
  else
    vb_.RandomizeTimer(static_cast<float>(timer_seconds));
}

void UniformSource::Fill(std::span<float> out) {
  if (!mersenne_twister_) return vb_.Fill(out);
  std::array<std::uint32_t, 624> words;
  for (std::size_t done = 0; done < out.size();) {
    const std::size_t n = std::min(words.size(), out.size() - done);
    mt_.NextWords(std::span(words.data(), n));
    for (std::size_t i = 0; i < n; ++i) out[done + i] = MtUniform(words[i]);
    done += n;
  }
}

void UniformSource::Skip(std::uint64_t n) {
  if (mersenne_twister_)
    mt_.Skip(n);
  else
    vb_.Skip(n);
}

double TimerSeconds() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto since_second =
      std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(t)).count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + since_second;
}

}  // namespace acute
