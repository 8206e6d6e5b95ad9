#include "sample_data/random_source.h"

#include <algorithm>
#include <numeric>

namespace acute::sample {

double RandomSource::Normal() {
  // Four uniforms sum to mean 2 and variance 1/3.
  double sum = Uniform() + Uniform() + Uniform() + Uniform();
  return (sum - 2.0) * 1.7320508075688772;
}

void WeightedTable::Add(int item, double weight) {
  if (weight <= 0) return;
  items_.push_back(item);
  running_.push_back((running_.empty() ? 0.0 : running_.back()) + weight);
}

int WeightedTable::Pick(RandomSource& rng) const {
  double target = rng.Uniform() * running_.back();
  auto at = std::upper_bound(running_.begin(), running_.end(), target);
  if (at == running_.end()) --at;
  return items_[static_cast<std::size_t>(at - running_.begin())];
}

std::vector<int> RandomOrder(int n, RandomSource& rng) {
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  for (int i = n - 1; i > 0; --i) std::swap(order[i], order[rng.Below(i + 1)]);
  return order;
}

}  // namespace acute::sample
