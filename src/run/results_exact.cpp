#include "run/results_exact.h"

namespace acute::results {

std::optional<ExactPoint> ExactAt(const PopulationResult& r, Distribution d, int level) {
  const std::optional<ExactFigures>& exact = r.Exact(d);
  if (!exact || level < 0 || level >= kLevelCount) return std::nullopt;
  const auto i = static_cast<std::size_t>(level);
  if (!exact->exposure[i]) return std::nullopt;
  // The margin and percent at the maximum are not figures of the report, exact or binned.
  if (level >= kSearchedLevelCount) return ExactPoint{*exact->exposure[i], {}, {}};
  return ExactPoint{*exact->exposure[i], exact->moe[i], exact->pct[i]};
}

}  // namespace acute::results
