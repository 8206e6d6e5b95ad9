#pragma once
// The largest values the inputs may give. A number beyond them cannot describe what its
// field holds, so the readers refuse it before it reaches a computation; the bounds are far
// above any real value and far below the float range, so that products of them stay finite.
namespace acute {

// A residue in ppm (mg/kg): 1,000,000 ppm is the pure substance, 1 kg per kg of food.
inline constexpr float kMaxResidue = 1e6f;
// An adjustment factor or a chemical ratio.
inline constexpr float kMaxFactor = 1e6f;
// A toxicological endpoint or PAD in mg/kg body weight/day (or mg/day).
inline constexpr float kMaxDose = 1e6f;
// A body weight in kg.
inline constexpr float kMaxBodyWeight = 1000.0f;
// The grams of one food entry of one survey day: 100 kg.
inline constexpr float kMaxGrams = 1e5f;

}  // namespace acute
