#include "sample_data/folder_files.h"

#include <cstdint>
#include <string>
#include <vector>

#include "common/print_writer.h"
#include "sample_data/support_files.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

std::string QuotedList(const std::array<std::string, 4>& names) {
  std::vector<std::string> quoted;
  for (const std::string& n : names) quoted.push_back(Quoted(n));
  return Joined(quoted);
}

std::string Setting(const std::string& name, long value) {
  return name + "=" + std::to_string(value);
}

std::string FolderText(const std::filesystem::path& folder) {
  std::string text = folder.generic_string();
  return text.empty() || text.back() == '/' ? text : text + "/";
}

}  // namespace

void WriteSupportList(const std::filesystem::path& folder, const KindLayout& layout,
                      const Catalogue& catalogue) {
  PrintWriter out;
  out.Line("Support files of the generated sample data folder");
  out.Line(Setting("DatabaseKind", layout.kind));
  out.Line(layout.version);
  out.Line(layout.title);
  std::vector<std::string> support;
  for (const char* name : kSupportFiles) support.push_back(Quoted(name));
  out.Line(Joined(support));
  if (layout.older_survey()) out.Line(Quoted(kHouseholdFile));
  out.Line(Setting("ConsumptionListFirst", 1));
  out.Line(Setting("ConsumptionListLast", 4));
  out.Line("Consumption files, daily totals (list A)");
  out.Line(QuotedList(layout.daily_files));
  out.Line("Consumption files, eating occasions (list B)");
  out.Line(QuotedList(layout.occasion_files));
  out.Line(Setting("RacCount", catalogue.CommodityCount()));
  out.Line(Setting("CropGroupCount", static_cast<long>(catalogue.crop_groups.size())));
  out.Line(Setting("FoodFormCount", catalogue.FoodFormCount()));
  out.Line(Setting("StandardPopulations", static_cast<long>(layout.populations.size())));
  for (const std::string& name : layout.populations) out.Line(Quoted(name));
  SaveText(folder / kSupportList, out);
}

void WriteSetupFile(const std::filesystem::path& folder,
                    const std::filesystem::path& residue_folder,
                    const std::filesystem::path& consumption_folder) {
  PrintWriter out;
  out.Line(FolderText(residue_folder));
  out.Line("60");  // page length
  out.Line("A");   // percentile orientation
  out.Line("N");
  out.Line(FolderText(consumption_folder));
  out.Line("N");
  out.Line("Y");  // page numbers
  out.Line("N");
  out.Line("N");
  out.Line("Y");  // comments in the residue file report
  SaveText(folder / kSetupFile, out);
}

void WriteReportSpecs(const std::filesystem::path& folder) {
  PrintWriter out;
  const std::int32_t on = 1;
  out.Num(on).Zone().Num(on).Zone().Num(on).EndLine();
  out.Num(0.0f).EndLine();
  out.Num(std::int32_t{1}).Zone().Num(std::int32_t{3}).Zone().Num(std::int32_t{6}).EndLine();
  SaveText(folder / kReportSpecs, out);
}

}  // namespace acute::sample
