#include "run/run_record.h"

#include <charconv>

#include "common/content_hash.h"
#include "common/str.h"
#include "inputs/rdf/rdf_messages.h"
#include "inputs/rdf/rdf_sources.h"

namespace acute {
namespace {

void AddInput(WorkRun& record, const std::string& role, const std::filesystem::path& path) {
  const auto digest = DigestOfFile(path);
  if (digest) record.inputs.push_back({role, digest->hash, path.string()});
}

std::string Number(float v) {
  return TrimStr(v);
}

}  // namespace

void DescribeRun(WorkRun& record, const std::string& kind, const FormSettings& form,
                 const AnalysisSettings& s, const ResidueData& residue) {
  record.Set("kind", kind);
  record.Set("two-day", form.two_day_average);
  record.Set("generator", std::string(form.mersenne_twister ? "mt" : "vb"));
  record.Set("reversal", form.reversal);
  record.Set("half-life", Number(form.half_life_hours));
  record.Set("hold", form.hold_residues);
  record.Set("qa", form.qa_listing);
  record.Set("cumulative-cec", form.cumulative_cec);
  record.Set("monte-carlo", s.monte_carlo);
  record.Set("iterations", std::to_string(s.iterations));
  record.Set("seed", std::to_string(s.seed));
  record.Set("cec", s.cec_flag && !s.dwloc);
  record.inputs.clear();
  AddInput(record, "residue", residue.ResFileName);
  if (!s.monte_carlo) return;
  try {
    for (const RdfSource& source : LocateRdfs(residue)) AddInput(record, "rdf", source.path);
  } catch (const RdfError&) {  // a run that read them found them; nothing to list otherwise
  }
}

FormSettings FormSettingsOf(const WorkRun& record, FormSettings base) {
  const auto flag = [&](const char* key, bool& value) {
    const std::string v = record.Setting(key);
    if (v == "0" || v == "1") value = v == "1";
  };
  flag("two-day", base.two_day_average);
  flag("reversal", base.reversal);
  flag("hold", base.hold_residues);
  flag("qa", base.qa_listing);
  flag("cumulative-cec", base.cumulative_cec);
  const std::string generator = record.Setting("generator");
  if (generator == "mt" || generator == "vb") base.mersenne_twister = generator == "mt";
  const std::string half_life = record.Setting("half-life");
  float hours = 0;
  const auto [end, ec] =
      std::from_chars(half_life.data(), half_life.data() + half_life.size(), hours);
  if (ec == std::errc() && end == half_life.data() + half_life.size() && hours >= 0 && hours <= 48)
    base.half_life_hours = hours;
  return base;
}

std::string ChangedInputFault(const WorkRun& record) {
  for (const WorkRunInput& input : record.inputs) {
    const auto digest = DigestOfFile(input.path);
    const char* what =
        input.role == "residue" ? "The residue file " : "The residue distribution file ";
    if (!digest)
      return what + input.path +
             ", which the last CEC run read, is missing. Run the analysis again to make a new CEC "
             "report.";
    if (digest->hash != input.hash)
      return what + input.path +
             " has changed since the last CEC run read it, so its work files no longer describe "
             "it. Run the analysis again to make a new CEC report.";
  }
  return "";
}

}  // namespace acute
