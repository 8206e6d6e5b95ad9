#include "sample_data/residue_file.h"

#include "common/print_writer.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

// The description flag is the line's last value; only distribution-file lines carry a
// description, so that a reader that skips the rest of a parametric line finds flag 0.
std::string RdlText(const RdlLine& rdl) {
  std::vector<std::string> values = {std::to_string(rdl.index), std::to_string(rdl.type)};
  if (rdl.type == 6) {
    values.push_back(Quoted(rdl.rdf_file));
  } else {
    for (float p : rdl.params) values.push_back(NumberText(p));
  }
  values.push_back(rdl.description.empty() ? "0" : "1");
  return Joined(values);
}

void AddPointers(std::vector<std::string>& values, const std::vector<RdlPointer>& pointers) {
  for (const RdlPointer& p : pointers) {
    values.push_back(std::to_string(p.rdl));
    values.push_back(NumberText(p.ratio));
  }
}

std::string CommodityText(const CommodityLine& line, bool monte_carlo) {
  std::vector<std::string> values = {std::to_string(line.commodity), Quoted(line.code),
                                     Quoted(line.crop_group), NumberText(line.residue)};
  if (monte_carlo) AddPointers(values, line.pointers);
  values.insert(values.end(),
                {NumberText(line.adj1), NumberText(line.adj2), std::to_string(line.forms.size()),
                 Quoted(line.food_name), Quoted(line.comment)});
  return Joined(values);
}

std::string FormText(const FormLine& form, bool monte_carlo) {
  std::vector<std::string> values = {std::to_string(form.code), Quoted(form.name),
                                     NumberText(form.residue)};
  if (monte_carlo) AddPointers(values, form.pointers);
  values.insert(values.end(), {NumberText(form.adj1), NumberText(form.adj2), Quoted(form.comment)});
  return Joined(values);
}

}  // namespace

std::string ResidueFileText(const ResidueFile& file) {
  PrintWriter out;
  out.Line(Joined({Quoted(file.chemical), "0"}));
  out.Line(Quoted(file.tag));
  out.Line(Joined({NumberText(file.arfd), Quoted("mg/kg bw/day")}));
  out.Line(Joined({"0", NumberText(file.noel), "0"}));
  out.Line(Quoted(file.date));
  if (file.monte_carlo) {
    out.Line(std::to_string(file.rdls.size()));
    for (const RdlLine& rdl : file.rdls) {
      out.Line(RdlText(rdl));
      if (!rdl.description.empty()) out.Line(rdl.description);
    }
  }
  out.Line(Joined({"-1", Quoted(file.comment), std::to_string(file.lines.size())}));
  out.Line(std::to_string(file.chemicals));
  for (const CommodityLine& line : file.lines) {
    out.Line(CommodityText(line, file.monte_carlo));
    for (const FormLine& form : line.forms) out.Line(FormText(form, file.monte_carlo));
  }
  return out.Contents();
}

}  // namespace acute::sample
