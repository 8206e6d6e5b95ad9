#pragma once
// A small hand-made data folder for tests: support list, set-up file, support files and
// master lists whose contents are known to the test.
#include <filesystem>
#include <string>
#include <vector>

namespace acute::testing {

struct FixtureOptions {
  int kind = 2;
  std::string version = "21-07-a";
  int rac_count = 560;
  int forms_per_commodity = 3;  // every present commodity gets this many food forms
  std::vector<int> present = {1, 2, 3, 4, 5, 532, 533, 548, 549, 550, 551, 552, 553};
  int first_index = 1;
  int last_index = 4;
  std::string setup_line10 = "Y";  // empty: the set-up file has nine lines
  std::string consumption_folder = "survey/";
};

// Writes the folder; food form codes of commodity c are 11, 12, 13, ... (by position) and
// its master numbers are contiguous in the order of `present`.
void WriteDataFolder(const std::filesystem::path& folder, const FixtureOptions& options = {});

// Master food-form number of the n-th (from 1) food form of commodity c.
int MasterFoodForm(const FixtureOptions& options, int c, int n);

}  // namespace acute::testing
