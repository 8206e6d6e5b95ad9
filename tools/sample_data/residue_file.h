#pragma once
// A residue file in memory and its list-directed text: header records, residue
// distribution lines (Monte Carlo files), the comment, the chemical count and the
// commodity lines, each followed by its food-form lines.
#include <string>
#include <vector>

namespace acute::sample {

struct RdlPointer {
  int rdl = 0;
  float ratio = 0;
};

struct FormLine {
  int code = 0;
  std::string name;
  float residue = 0;
  float adj1 = 1;
  float adj2 = 1;
  std::vector<RdlPointer> pointers;  // Monte Carlo files: one per chemical
  std::string comment;
};

struct CommodityLine {
  int commodity = 0;
  std::string code;
  std::string crop_group;
  std::string food_name;
  float residue = 0;
  float adj1 = 1;
  float adj2 = 1;
  std::vector<RdlPointer> pointers;
  std::vector<FormLine> forms;  // none: the residue holds for every food form
  std::string comment;
};

struct RdlLine {
  int index = 0;
  int type = 0;               // -1 fixed value, 1 to 5 parametric, 6 distribution file
  std::vector<float> params;  // types -1 and 1 to 5
  std::string rdf_file;       // type 6
  std::string description;    // written on its own line when not empty
};

struct ResidueFile {
  std::string chemical;
  std::string tag;
  float arfd = 0;
  float noel = 0;
  std::string date;
  bool monte_carlo = false;
  std::vector<RdlLine> rdls;
  std::string comment;
  int chemicals = 1;
  std::vector<CommodityLine> lines;
};

// The file's text, one record per line, CR LF line ends.
std::string ResidueFileText(const ResidueFile& file);

}  // namespace acute::sample
