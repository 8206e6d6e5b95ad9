#include "inputs/residue_summary.h"

#include "common/str.h"

namespace acute {

std::vector<std::string> SummariseResidueFile(const ResidueData& d) {
  std::vector<std::string> lines;
  lines.push_back("Residue file:   " + d.ResFileName);
  lines.push_back("Chemical:       " + d.ChemicalName);
  lines.push_back("Tag:            " + d.Tag +
                  (d.IsMonteCarloFile() ? " (Monte Carlo file)" : " (plain file)"));
  lines.push_back("Saved on:       " + d.ResFileDate);
  lines.push_back("aRfD:           " + TrimStr(d.ResARfD) + " mg/kg bw/day");
  lines.push_back("NOEL:           " + TrimStr(d.ResNoel) + " mg/kg bw/day");
  if (!d.ResComment.empty()) lines.push_back("Comment:        " + d.ResComment);
  lines.push_back("RDL lines:      " + std::to_string(d.RdlCount) +
                  (d.RdlCount > 0 ? " (highest index " + std::to_string(d.MaxRdlIndex) + ")" : ""));
  lines.push_back("Chemicals:      " + std::to_string(d.ChemicalCount));
  lines.push_back("Commodities:    " + std::to_string(d.ResLineCount()) + " lines");
  lines.push_back("Food forms:     " + std::to_string(d.FoodFormLineCount()) + " lines");
  lines.push_back(std::string("Monte Carlo:    ") +
                  (d.OffersMonteCarlo() ? "offered" : "not offered"));
  return lines;
}

}  // namespace acute
