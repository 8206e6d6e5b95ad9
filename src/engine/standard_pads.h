#pragma once
// The PADs of the standard populations, by population number from 1. A population without
// a PAD, or beyond the table, has PAD 0.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace acute {

class StandardPads {
 public:
  StandardPads() = default;
  // A table of `count` populations without PADs.
  explicit StandardPads(int count) : pads_(static_cast<std::size_t>(std::max(count, 0)), 0.0f) {}

  float Of(int number) const { return Inside(number) ? pads_[Slot(number)] : 0.0f; }
  // Sets the PAD of population `number` (from 1), growing the table when it is short.
  void Set(int number, float pad) {
    if (number < 1) return;
    if (!Inside(number)) pads_.resize(Slot(number) + 1, 0.0f);
    pads_[Slot(number)] = pad;
  }
  bool Any() const {
    return std::any_of(pads_.begin(), pads_.end(), [](float p) { return p > 0; });
  }
  int Count() const { return static_cast<int>(pads_.size()); }

  bool operator==(const StandardPads&) const = default;

 private:
  static std::size_t Slot(int number) { return static_cast<std::size_t>(number - 1); }
  bool Inside(int number) const { return number >= 1 && Slot(number) < pads_.size(); }

  std::vector<float> pads_;  // population 1 first
};

}  // namespace acute
