#include "inputs/residue_parser.h"

#include <cmath>

#include "common/file_names.h"
#include "common/input_limits.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "inputs/rdl_parameters.h"

namespace acute {
namespace {

constexpr const char* kUpdateWarning =
    "This R98 file has not yet been reviewed and saved using this Residue File Editor.  Your "
    "are receiving this message for one of two reasons:\r\n\r\nThis R98 file was created "
    "before the final list of VELD commodities and foodforms was finalized. Such files may "
    "contain out-of-date commodity codes and foodforms, but will automatically be converted "
    "to the final R98 format when resaved with this Residue File Editor.\r\n\r\nThis R98 file "
    "was generated using the ResLift conversion utility, and has not yet been reviewed and "
    "resaved using this Residue File Editor.  Completing the conversion process from the "
    "commodities available in R97 files to those available in R98 files requires the review "
    "and discretion of the risk assessor. Therefore, R98 files generated using ResLift must be "
    "reviewed and, in some cases manually modified, before saving with this Residue File "
    "Editor.";

bool Contains(const std::string& s, const std::string& part) {
  return s.find(part) != std::string::npos;
}

std::string CutBefore(const std::string& s, const std::string& mark) {
  std::size_t k = s.find(mark);
  return k == std::string::npos ? s : s.substr(0, k);
}

// The header tag rules of the database kinds; a refusal when the tag is not accepted.
std::optional<Refusal> CheckTag(std::string& tag, const SupportData& support, bool quiet,
                                UserPort& port) {
  const int kind = support.DatabaseKind;
  if (kind == 2 && tag == "VELD3") tag = "03-08-dNH2";
  if (kind == 2 && tag == "VELDMC3") tag = "03-08-dMCNH2";
  if (kind == 0 && (tag == "VELD" || tag == "VELDMC")) {
    if (!quiet) Tell(port, "R98 File Update Not Completed", kUpdateWarning, Icon::Information);
    tag += "1";
  }
  if ((tag == "VELD1" || tag == "VELDMC1") && kind == 0) return std::nullopt;
  if (kind == 1)
    return Refusal{"Reading 1-day NHANES residue file.",
                   "Can't read residue files made with 1-day NHANES database at present."};
  if (kind == 0)
    return Refusal{"Reading R98 file", "This is an invalid R98 file.", Icon::Exclamation};
  if (kind != 2) return Refusal{"Reading Residue File", "Unknown database kind."};
  if (!Contains(tag, support.RacFfVersion) && !Contains(tag, "05-10-b")) {
    std::string version = CutBefore(CutBefore(tag, "NH2"), "MC");
    return Refusal{"Reading Residue File",
                   "This residue file was saved with the set of RAC and Foodforms at version " +
                       version +
                       ". Please load this file into the Tarn residue file editor and resave it "
                       "before you use it to perform a dietary exposure assessment.  Review "
                       "RAC/FF additions since that version. Can't use this file until this is "
                       "done."};
  }
  return std::nullopt;
}

float ReadResidue(ListReader& in) {
  return ReadAmount(in, "residue", kMaxResidue);
}

float ReadFactor(ListReader& in) {
  return ReadAmount(in, "adjustment factor", kMaxFactor);
}

Refusal FileError(const std::string& text) {
  return Refusal{"Tarn Residue file error", text + " Can't use this file until this is fixed."};
}

std::optional<Refusal> ReadRdlLines(ListReader& in, ResidueData& d) {
  d.Rdl.assign(kMaxRdlIndex + 1, RdlLine{});
  d.MaxRdlIndex = 0;
  for (int n = 0; n < d.RdlCount; ++n) {
    std::int16_t index = in.ReadInt16();
    if (index > kMaxRdlIndex)
      return FileError("There is is an RDL pointer in this residue file (" + std::to_string(index) +
                       ") that is higher than the g_c_Maximum number of RDL pointers allowed "
                       "(500).");
    if (index == 0)
      return FileError("There is is an RDL pointer in this residue file with a zero value.");
    if (index < 0)
      return FileError("There is an RDL pointer in this residue file with a negative value (" +
                       std::to_string(index) + ").");
    d.MaxRdlIndex = std::max(d.MaxRdlIndex, index);
    RdlLine& line = d.Rdl[index];
    line.index = index;
    line.type = DistributionTypeOf(in.ReadInt16());
    if (line.type == DistributionType::Empirical) line.rdf_file = in.ReadString();
    const int params = ParameterCount(line.type);
    for (int p = 1; p <= params; ++p) line.param[p] = in.ReadSingle();
    const std::string problem =
        RdlParameterProblem(line.type, line.param[1], line.param[2], line.param[3]);
    if (!problem.empty())
      in.Refuse("residue distribution line " + std::to_string(index) + " has " + problem);
    if (params > 0) d.AllLinesPointToRdl = 0;
    if (in.ReadInt16() != 0) line.comment = in.ReadLine();
  }
  return std::nullopt;
}

ResiduePairs ReadPairs(ListReader& in, int chemicals, int& pointer_sum) {
  ResiduePairs pairs;
  pairs.ptr.assign(chemicals + 1, 0);
  pairs.ratio.assign(chemicals + 1, 0);
  pointer_sum = 0;
  for (int i = 1; i <= chemicals; ++i) {
    pairs.ptr[i] = in.ReadInt16();
    if (pairs.ptr[i] < 0 || pairs.ptr[i] > kMaxRdlIndex)
      in.Refuse("a residue distribution pointer (" + std::to_string(pairs.ptr[i]) +
                ") outside 0 to " + std::to_string(kMaxRdlIndex));
    pairs.ratio[i] = ReadAmount(in, "chemical ratio", kMaxFactor);
    pointer_sum += pairs.ptr[i];
  }
  return pairs;
}

FoodFormLine ReadFoodFormLine(ListReader& in, bool mc, int chemicals, ResidueData& d) {
  FoodFormLine f;
  f.FfCode = in.ReadInt16();
  f.FfName = in.ReadString();
  f.FfRes = ReadResidue(in);
  if (mc) {
    int sum = 0;
    f.rdl = ReadPairs(in, chemicals, sum);
    if (sum == 0) d.AllLinesPointToRdl = 0;
  }
  f.FfAdj1 = ReadFactor(in);
  f.FfAdj2 = ReadFactor(in);
  f.FfComment = in.ReadString();
  return f;
}

// The number of food-form lines of commodity `index`: a single rounded to a whole number,
// from 0 to the number of food forms of the food-form list.
float ReadFormCount(ListReader& in, int index, int food_forms) {
  const float count = std::nearbyint(in.ReadSingle());
  const std::string commodity = "commodity " + std::to_string(index);
  if (count < 0) in.Refuse(commodity + " states a negative number of food-form lines");
  if (count > static_cast<float>(food_forms))
    in.Refuse(commodity + " states more food-form lines than the food-form list has food forms (" +
              std::to_string(food_forms) + ")");
  return count;
}

Refusal Unusable(const std::string& path, const std::string& why) {
  return Refusal{"Reading Residue File", "Residue file " + path + " cannot be used: " + why + "."};
}

// The commodity blocks, to the end of the file.
std::optional<Refusal> ReadCommodityBlocks(ListReader& in, const std::string& path,
                                           const SupportData& support, ResidueData& d) {
  const bool mc = d.IsMonteCarloFile();
  const int chemicals = d.ChemicalCount;
  bool all_sources = false, tap_or_bottled = false;
  d.Commodities.assign(1, CommodityLine{});
  d.FoodForms.assign(1, FoodFormLine{});
  d.RacFoodName.assign(support.RacCount + 1, "");
  while (!in.AtEnd()) {
    int at = in.line();
    std::int16_t index = in.ReadInt16();
    if (index == 0) continue;
    if (index < 0 || index > support.RacCount)
      return Unusable(path, "line " + std::to_string(at) + " names commodity " +
                                std::to_string(index) +
                                ", which is outside the commodity list (1 to " +
                                std::to_string(support.RacCount) + ")");
    if (d.ResLineCount() >= support.RacCount)
      return Unusable(path,
                      "it has more commodity lines than the commodity list has commodities (" +
                          std::to_string(support.RacCount) + ")");
    if (index == 532) all_sources = true;
    if (index >= 549 && index <= 552) tap_or_bottled = true;
    if (all_sources && tap_or_bottled)
      return Refusal{"Reading Residue File",
                     "You cannot include both Direct Water All Sources and Direct Water Tap or "
                     "Bottled in the same analysis because you will be double counting part or "
                     "all of the water intake. Can't use this residue file."};
    CommodityLine c;
    c.ResRacIndex = index;
    c.ResCommodityCode = in.ReadString();
    c.ResCropGroup = in.ReadString();
    c.ResDefRes = ReadResidue(in);
    int sum = 0;
    if (mc) c.rdl = ReadPairs(in, chemicals, sum);
    c.ResAdj1 = ReadFactor(in);
    c.ResAdj2 = ReadFactor(in);
    c.ResFormCount = ReadFormCount(in, index, support.FoodFormCount);
    c.ResFoodName = in.ReadString();
    c.ResLineComment = in.ReadString();
    if (!mc || (c.ResFormCount == 0 && sum == 0)) d.AllLinesPointToRdl = 0;
    d.RacFoodName[index] = c.ResFoodName;
    const int forms = static_cast<int>(c.ResFormCount);
    d.Commodities.push_back(std::move(c));
    for (int n = 0; n < forms; ++n) {
      if (d.FoodFormLineCount() >= support.FoodFormCount)
        return Unusable(path,
                        "it has more food-form lines than the food-form list has food forms (" +
                            std::to_string(support.FoodFormCount) + ")");
      d.FoodForms.push_back(ReadFoodFormLine(in, mc, chemicals, d));
    }
  }
  if (d.ResLineCount() == 0)
    return Refusal{"Empty Residue File",
                   "File " + path +
                       " has no foods or foodforms with residue values. No analysis can be "
                       "performed."};
  return std::nullopt;
}

std::optional<Refusal> ParseBody(ListReader& in, const std::string& path,
                                 const SupportData& support, bool quiet, UserPort& port,
                                 ResidueData& d) {
  d.AllLinesPointToRdl = 1;
  d.ChemicalName = in.ReadString();
  in.ReadDouble();
  d.Tag = in.ReadString();
  if (auto refusal = CheckTag(d.Tag, support, quiet, port)) return refusal;
  d.ResARfD = ReadAmount(in, "acute reference dose", kMaxDose);
  in.ReadString();
  in.ReadDouble();
  d.ResNoel = ReadAmount(in, "NOEL", kMaxDose);
  in.ReadDouble();
  d.ResFileDate = in.ReadString();
  d.RdlCount = 0;
  d.RdlCountInForce = 0;
  if (d.IsMonteCarloFile()) {
    d.RdlCount = in.ReadInt16();
    if (d.RdlCount < 0) return Unusable(path, "its RDL count is negative");
    if (d.RdlCount != 0)
      if (auto refusal = ReadRdlLines(in, d)) return refusal;
  }
  d.ResComment = "";
  if (in.ReadInt16() == -1) {
    d.ResComment = in.ReadString();
    in.ReadInt16();
  }
  d.ChemicalCount = in.ReadInt16();
  if (d.IsMonteCarloFile() && (d.ChemicalCount < 0 || d.ChemicalCount > 40))
    return Unusable(
        path, "its chemical count " + std::to_string(d.ChemicalCount) + " is outside 0 to 40");
  return ReadCommodityBlocks(in, path, support, d);
}

// The comments of the file (its own, and those of its distribution, commodity and food-form
// lines) with every control character but the line ends turned into a blank; true when
// there was one.
bool BlankCommentControls(ResidueData& d) {
  bool blanked = BlankControlCharacters(d.ResComment);
  for (RdlLine& line : d.Rdl) blanked = BlankControlCharacters(line.comment) || blanked;
  for (CommodityLine& c : d.Commodities)
    blanked = BlankControlCharacters(c.ResLineComment) || blanked;
  for (FoodFormLine& f : d.FoodForms) blanked = BlankControlCharacters(f.FfComment) || blanked;
  return blanked;
}

}  // namespace

std::optional<Refusal> ParseResidueFile(const std::string& text, const std::string& path,
                                        const SupportData& support, bool quiet, UserPort& port,
                                        ResidueData& data) {
  ListReader in(text);
  std::optional<Refusal> refusal;
  try {
    refusal = ParseBody(in, path, support, quiet, port, data);
  } catch (const ListReadError& e) {
    return Unusable(path, std::string(e.what()) + " (line " + std::to_string(e.line()) + ")");
  }
  if (!refusal && BlankCommentControls(data) && !quiet)
    Tell(port, "Reading Residue File",
         "The comments of residue file " + path +
             " hold control characters (tabs, escapes or the like); they have been replaced by "
             "blanks.",
         Icon::Information);
  return refusal;
}

}  // namespace acute
