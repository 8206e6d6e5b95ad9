#include "inputs/residue_report.h"

#include <algorithm>
#include <array>
#include <vector>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/number_picture.h"
#include "common/print_writer.h"

namespace acute {
namespace {

constexpr const char* kResiduePicture = "###.######";
constexpr const char* kFactorPicture = "##.###";
constexpr const char* kPointerPicture = "###";

enum class Layout { Plain, OneChemical, MultiChemical };

struct PairColumns {
  int pointer;
  int ratio;
};

// The pointer-and-ratio table of the multi-chemical layout, by chemical count 2 to 5.
struct ChemicalTable {
  const char* heading;
  const char* pairs;
  const char* dashes;
  std::vector<PairColumns> columns;
};

const ChemicalTable& TableFor(int chemicals) {
  static const std::array<ChemicalTable, 4> tables = {{
      {"RDL Pointers and Ratios",
       "P#1 Ratio#1  P#2 Ratio#2",
       "--- -------  --- -------",
       {{48, 52}, {61, 65}}},
      {"-------RDL Pointers and Ratios-------",
       "P#1 Ratio#1  P#2 Ratio#2  P#3 Ratio#3",
       "--- -------  --- -------  --- -------",
       {{48, 52}, {61, 65}, {74, 78}}},
      {"-----------RDL Pointers and Ratios---------",
       "P#1 Rat #1 P#2 Rat #2 P#3 Rat #3 P#4 Rat #4",
       "--- ------ --- ------ --- ------ --- ------",
       {{48, 52}, {59, 63}, {70, 74}, {81, 85}}},
      {"-------------RDL Pointers and Ratios-------------",
       "P#1 Rat#1 P#2 Rat#2 P#3 Rat#3 P#4 Rat#4 P#5 Rat#5",
       "--- ----- --- ----- --- ----- --- ----- --- -----",
       {{48, 52}, {58, 62}, {68, 72}, {78, 82}, {88, 92}}},
  }};
  return tables[static_cast<std::size_t>(std::clamp(chemicals, 2, 5) - 2)];
}

class ResidueReport {
 public:
  ResidueReport(const ResidueData& r, const ResidueReportInputs& in) : r_(r), in_(in) {
    if (!r.IsMonteCarloFile())
      layout_ = Layout::Plain;
    else if (r.ChemicalCount <= 1)
      layout_ = Layout::OneChemical;
    else
      layout_ = Layout::MultiChemical;
    comments_ = in.print_comments;
  }

  std::string Text() {
    Header();
    if (r_.IsMonteCarloFile()) RdlTable();
    Headings();
    CommodityLines();
    return w_.Contents();
  }

 private:
  static bool NonZero(const std::string& text) {
    double v = 0;
    return ParseNumber(TrimBlanks(text), v) && v != 0;
  }

  void Endpoints() {
    const std::string arfd = TrimBlanks(in_.arfd_text);
    const std::string noel = TrimBlanks(in_.noel_text);
    const bool has_arfd = NonZero(arfd);
    const bool has_noel = NonZero(noel);
    if (in_.per_kg) {
      if (has_arfd && has_noel) {
        w_.Line("Reference dose: aRfD = " + arfd + " mg/kg bw/day" + "  NOEL = " + noel +
                " mg/kg bw/day");
        return;
      }
      if (has_arfd) w_.Line("Reference dose (aRfD) = " + arfd + " mg/kg bw/day");
      if (has_noel) w_.Line("Reference dose (NOEL) = " + noel + " mg/kg bw/day");
      return;
    }
    if (has_arfd && has_noel) {
      w_.Line("Reference dose: aRfD = " + arfd + " mg/day" + "  NOEL =" + noel + " mg/day");
      return;
    }
    if (has_arfd) w_.Line("Reference dose (aRfD)" + arfd + " mg/day");
    if (has_noel) w_.Line("Reference dose (NOEL)" + noel + " mg/day");
  }

  void Header() {
    w_.Text(kProgramTitle)
        .Tab(60)
        .Text("Ver. " + in_.program_version + ", " + in_.food_list_version);
    w_.EndLine();
    w_.Line("Tarn-VELD Acute analysis for " + ToUpper(r_.ChemicalName));
    w_.Line("Residue file name: " + r_.ResFileName);
    w_.Line("Analysis Date " + in_.date + "             Residue file dated: " + r_.ResFileDate);
    Endpoints();
    if (!in_.comment.empty()) w_.Line("Comment: " + in_.comment);
  }

  void RdlRow(const RdlLine& line) {
    w_.Tab(2)
        .Num(line.index)
        .Tab(8)
        .Num(line.type == DistributionType::Point ? std::int16_t{0} : TypeNumber(line.type));
    const int params = ParameterCount(line.type);
    if (line.type == DistributionType::Empirical) w_.Tab(12).Text(line.rdf_file);
    static constexpr std::array<int, 3> kColumns = {12, 35, 47};
    for (int p = 1; p <= params; ++p) w_.Tab(kColumns[p - 1]).Num(line.param[p]);
    if (comments_) w_.Tab(59).Text(line.comment);
    w_.EndLine();
  }

  void RdlTable() {
    w_.Line("RDL indices and parameters for Monte Carlo Analysis:");
    w_.Text("Index").Tab(7).Text("Dist").Tab(12).Text("Parameter #1").Tab(35).Text("Param #2");
    w_.Tab(47).Text("Param #3").Tab(59).Text("Comment").EndLine();
    w_.Text("  #  ").Tab(7).Text("Code").EndLine();
    w_.Text("-----").Tab(7).Text("----").Tab(12).Text("------------").Tab(35).Text("-----------");
    w_.Tab(47).Text("-----------").Tab(59).Text("----------").EndLine();
    for (int k = 1; k <= r_.MaxRdlIndex && k < static_cast<int>(r_.Rdl.size()); ++k)
      if (r_.Rdl[k].type != DistributionType::None) RdlRow(r_.Rdl[k]);
  }

  void PlainDashes() {
    w_.Text("----------").Tab(12).Text("----").Tab(17).Text("-------------------------------");
    w_.Tab(50).Text("----------").Tab(62).Text("------ ------");
  }

  void Headings() {
    if (layout_ == Layout::Plain) {
      w_.Text("  QVA   ").Tab(12).Text("Crop").Tab(50).Text(" Def Res  ").Tab(62);
      w_.Text(" Adj.Factors ");
      if (comments_) w_.Tab(77).Text("Comment");
      w_.EndLine();
      w_.Text("  Code  ").Tab(12).Text(" Grp").Tab(17).Text(" Food Name                     ");
      w_.Tab(50).Text("  (ppm)   ").Tab(62).Text("  #1    #2   ").EndLine();
      PlainDashes();
      if (comments_) w_.Tab(77).Text("-------");
      w_.EndLine();
      return;
    }
    if (layout_ == Layout::OneChemical) {
      w_.Text("  QVA   ").Tab(12).Text("Crop").Tab(17).Text("Food Name").Tab(50);
      w_.Text(" Def Res  ").Tab(62).Text(" Adj.Factors ").Tab(76).Text("RDL");
      if (comments_) w_.Tab(81).Text("Comment");
      w_.EndLine();
      w_.Text("  Code  ").Tab(12).Text(" Grp").Tab(50).Text("  (ppm)   ").Tab(62);
      w_.Text("  #1     #2  ").Tab(76).Text("Pntr").EndLine();
      PlainDashes();
      w_.Tab(76).Text("---");
      if (comments_) w_.Tab(81).Text("-------");
      w_.EndLine();
      return;
    }
    const ChemicalTable& t = TableFor(r_.ChemicalCount);
    w_.Text("  QVA   ").Tab(12).Text("Crop").Tab(17).Text("Food").Tab(23).Text(" Def Res  ");
    w_.Tab(34).Text(" Adj.Factors ").Tab(48).Text(t.heading).EndLine();
    w_.Text("  Code  ").Tab(12).Text(" Grp").Tab(17).Text("Name").Tab(23).Text("  (ppm)   ");
    w_.Tab(34).Text("  #1     #2  ").Tab(48).Text(t.pairs).EndLine();
    w_.Text("----------").Tab(12).Text("----").Tab(17).Text("----").Tab(23).Text("----------");
    w_.Tab(34).Text("------ ------").Tab(48).Text(t.dashes).EndLine();
    if (r_.ChemicalCount > kChemicalsPerReportLine)
      w_.Line("Pointers and ratios of chemicals " + std::to_string(kChemicalsPerReportLine + 1) +
              " to " + std::to_string(r_.ChemicalCount) +
              " follow on the next lines, five chemicals to a line.");
  }

  static std::string Code(const std::string& raw) {
    std::string code = TrimBlanks(raw);
    if (code.size() == 7) code += "0";
    return code;
  }

  static std::string Residue(float v) { return Picture(static_cast<double>(v), kResiduePicture); }
  static std::string Factor(float v) { return Picture(static_cast<double>(v), kFactorPicture); }
  static std::string Pointer(const ResiduePairs& p, int i) {
    const int ptr = i < static_cast<int>(p.ptr.size()) ? p.ptr[i] : 0;
    return Picture(ptr, kPointerPicture);
  }

  // Residue and factors at the columns of the layout; the one-chemical pointer; the
  // multi-chemical pointer and ratio pairs.
  void Numbers(float res, float adj1, float adj2, const ResiduePairs& pairs) {
    if (layout_ != Layout::MultiChemical) {
      w_.Tab(50).Text(Residue(res)).Tab(62).Text(Factor(adj1)).Tab(69).Text(Factor(adj2));
      if (layout_ == Layout::OneChemical) w_.Tab(76).Text(Pointer(pairs, 1));
      return;
    }
    w_.Tab(23).Text(Residue(res)).Tab(34).Text(Factor(adj1)).Tab(41).Text(Factor(adj2));
    const ChemicalTable& t = TableFor(r_.ChemicalCount);
    const char* ratio_picture = r_.ChemicalCount < 5 ? "#.####" : "#.###";
    for (int i = 1; i <= r_.ChemicalCount; ++i) {
      const int slot = (i - 1) % kChemicalsPerReportLine;
      if (i > 1 && slot == 0) w_.EndLine();
      const PairColumns& c = t.columns[static_cast<std::size_t>(slot)];
      const float ratio = i < static_cast<int>(pairs.ratio.size()) ? pairs.ratio[i] : 0.0f;
      w_.Tab(c.pointer).Text(Pointer(pairs, i)).Tab(c.ratio);
      w_.Text(Picture(static_cast<double>(ratio), ratio_picture));
    }
  }

  // The comment column and the full comment after it; `indent` is the column of the
  // multi-chemical "Comment: " line.
  void Comment(const std::string& comment, int indent) {
    if (!comments_) {
      w_.EndLine();
      return;
    }
    if (layout_ == Layout::MultiChemical) {
      w_.EndLine();
      if (!comment.empty()) w_.Tab(indent).Text("Comment: " + comment).EndLine();
      return;
    }
    const bool plain = layout_ == Layout::Plain;
    w_.Tab(plain ? 75 : 81).Text(comment.substr(0, 6)).EndLine();
    if (comment.size() <= 6) return;
    if (plain)
      w_.Tab(11).Text("Full comment: " + comment).EndLine();
    else
      w_.Line("    Full comment: " + comment);
  }

  void CommodityLines() {
    int form = 1;
    for (int k = 1; k <= r_.ResLineCount(); ++k) {
      const CommodityLine& c = r_.Commodities[k];
      w_.Text(Code(c.ResCommodityCode)).Tab(12).Text(c.ResCropGroup).Tab(17);
      w_.Text(c.ResFoodName.substr(0, 32));
      if (layout_ == Layout::MultiChemical) w_.EndLine();
      Numbers(c.ResDefRes, c.ResAdj1, c.ResAdj2, c.rdl);
      Comment(c.ResLineComment, 11);
      const int forms = static_cast<int>(c.ResFormCount);
      for (int n = 0; n < forms && form <= r_.FoodFormLineCount(); ++n, ++form) {
        const FoodFormLine& f = r_.FoodForms[form];
        w_.Tab(19).Num(f.FfCode).Text("-" + f.FfName);
        Numbers(f.FfRes, f.FfAdj1, f.FfAdj2, f.rdl);
        Comment(f.FfComment, 13);
      }
    }
  }

  const ResidueData& r_;
  const ResidueReportInputs& in_;
  Layout layout_ = Layout::Plain;
  bool comments_ = false;
  PrintWriter w_;
};

}  // namespace

std::string ResidueReportText(const ResidueData& residue, const ResidueReportInputs& inputs) {
  return ResidueReport(residue, inputs).Text();
}

}  // namespace acute
