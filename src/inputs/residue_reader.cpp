#include "inputs/residue_reader.h"

#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "inputs/residue_parser.h"

namespace acute {
namespace {

std::optional<Refusal> LoadText(const std::filesystem::path& file, std::string& text) {
  auto found = FindFile(file);
  try {
    if (!found) throw std::runtime_error("missing");
    text = ReadWholeFile(*found);
  } catch (const std::runtime_error&) {
    return Refusal{"Reading Residue File", "Can't open residue file " + file.string() + "."};
  }
  return std::nullopt;
}

void Show(UserPort& port, const Refusal& r) {
  Tell(port, r.title, r.text, r.icon);
}

// The analysis view of one commodity line and its food-form lines.
void PlaceCommodity(const ResidueData& d, const CommodityLine& line, int first_form,
                    const MasterLists& master, ResidueTables& t) {
  const int c = line.ResRacIndex;
  t.ResDefRes[c] = line.ResDefRes;
  t.ResAdj1[c] = line.ResAdj1;
  t.ResAdj2[c] = line.ResAdj2;
  t.ResFormCount[c] = line.ResFormCount;
  t.RacCommodityCode[c] = line.ResCommodityCode;
  const int chemicals = t.monte_carlo ? d.ChemicalCount : 0;
  for (int i = 1; i <= chemicals; ++i) {
    t.ResRdlPtr[t.At(c, i)] = line.rdl.ptr[i];
    t.ResRdlRatio[t.At(c, i)] = line.rdl.ratio[i];
  }
  for (int n = 0; n < static_cast<int>(line.ResFormCount); ++n) {
    const FoodFormLine& form = d.FoodForms[first_form + n];
    const int f = master.FindFoodForm(c, form.FfCode);
    if (f == 0) continue;  // a food form the commodity does not have: dropped
    t.FfRes[f] = form.FfRes;
    t.FfAdj1[f] = form.FfAdj1;
    t.FfAdj2[f] = form.FfAdj2;
    for (int i = 1; i <= chemicals; ++i) {
      t.FfRdlPtr[t.At(f, i)] = form.rdl.ptr[i];
      t.FfRdlRatio[t.At(f, i)] = form.rdl.ratio[i];
    }
  }
}

}  // namespace

std::optional<ResidueData> ReadResidueFile(const std::filesystem::path& file,
                                           const SupportData& support, UserPort& port) {
  std::string text;
  if (auto refusal = LoadText(file, text)) {
    Show(port, *refusal);
    return std::nullopt;
  }
  ResidueData data;
  if (auto refusal = ParseResidueFile(text, file.string(), support, false, port, data)) {
    Show(port, *refusal);
    return std::nullopt;
  }
  data.ResFileName = file.string();
  data.ResFolder = FolderPart(data.ResFileName);
  data.ResFileLoaded = 1;
  return data;
}

void ReadResidueForAnalysis(const std::filesystem::path& file, const SupportData& support,
                            const MasterLists& master, bool monte_carlo, UserPort& port,
                            ResidueData& data, ResidueTables& tables) {
  std::string text;
  std::optional<Refusal> refusal = LoadText(file, text);
  ResidueData read;
  if (!refusal) refusal = ParseResidueFile(text, file.string(), support, true, port, read);
  if (refusal) {
    Show(port, *refusal);
    throw RunEnds(refusal->text);
  }
  read.ResFileName = file.string();
  read.ResFolder = FolderPart(read.ResFileName);
  read.ResFileLoaded = 1;
  read.RdlCountInForce = monte_carlo ? read.RdlCount : 0;
  const bool mc = monte_carlo && read.IsMonteCarloFile();
  tables.Allocate(master.RacCount(), master.FoodFormCount(), mc ? read.ChemicalCount : 0, mc);
  int first_form = 1;
  for (int k = 1; k <= read.ResLineCount(); ++k) {
    PlaceCommodity(read, read.Commodities[k], first_form, master, tables);
    first_form += static_cast<int>(read.Commodities[k].ResFormCount);
  }
  data = std::move(read);
}

}  // namespace acute
