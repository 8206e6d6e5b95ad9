#pragma once
// The named commodities of the sample catalogue, grouped by crop group, and the names of
// the drinking-water commodities.
#include <string>
#include <vector>

namespace acute::sample {

struct NamedCommodity {
  std::string name;
  std::string crop_group;
  std::string code;     // eight digits: group, base, part, "00"
  bool staple = false;  // an ingredient of many recipes
};

struct CropGroupNames {
  std::string code;
  std::string name;
  std::vector<std::string> bases;
  std::vector<std::string> parts;  // "" makes the base name alone
};

std::vector<CropGroupNames> CropGroupTable();

// Every base with every part of its crop group, group by group.
std::vector<NamedCommodity> NamedCommodities();

// Name and code of water commodity 532, 533 or 549 to 556.
NamedCommodity WaterCommodity(int commodity);

}  // namespace acute::sample
