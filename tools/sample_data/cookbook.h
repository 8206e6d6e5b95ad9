#pragma once
// The foods that people report, each translated into commodities by a recipe: a few
// food forms with their shares of the food's weight, and for drinks and soups a share of
// indirect water. Recipe and commodity popularity are skewed, as in real surveys.
#include <vector>

#include "sample_data/catalogue.h"
#include "sample_data/random_source.h"

namespace acute::sample {

struct Ingredient {
  int food_form = 0;  // master food-form number
  double share = 0;   // of the food's weight
};

struct Recipe {
  std::vector<Ingredient> ingredients;
  int water_form = 0;  // a food form of indirect water (533), or 0
  double water_share = 0;
  double portion = 0;  // typical grams eaten by an adult
};

struct Cookbook {
  std::vector<Recipe> recipes;
  WeightedTable popularity;  // recipe index by popularity
};

// The same cookbook for a given catalogue every time.
Cookbook BuildCookbook(const Catalogue& catalogue);

}  // namespace acute::sample
