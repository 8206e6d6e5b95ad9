#pragma once
// What differs between the two kinds of data folder: survey size, record widths, file
// names, residue file tags and extensions, and the standard population names.
#include <array>
#include <string>
#include <vector>

namespace acute::sample {

struct KindLayout {
  int kind = 2;
  long survey_persons = 0;  // person records of the full survey
  int commodity_record_bytes = 62;
  int commodity_code_bytes = 10;
  std::string version;  // commodity/food-form list version (support list line 3)
  std::string title;    // database title (support list line 4)
  std::string residue_extension, batch_extension;
  std::string plain_tag, monte_carlo_tag;
  std::array<std::string, 4> cycle_names;  // one consumption file per cycle
  std::array<std::string, 4> daily_files, occasion_files;
  std::vector<std::string> populations;
  // Kind 0: household-numbered persons, seasons and regions.
  bool older_survey() const { return kind == 0; }
};

// The layout of database kind 0 or 2; throws std::runtime_error for any other kind.
KindLayout LayoutFor(int kind);

}  // namespace acute::sample
