#include "run/results_file.h"

#include <unistd.h>

#include "run/results_json.h"
#include "run/results_settings.h"

namespace acute {
namespace {

using results::Json;
using results::MemberText;

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "";
  return name;
}

// The object of one analysis's members, re-indented by `indent` further spaces.
std::string Indented(const std::string& text, int indent) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  std::string out = pad;
  for (char c : text) {
    out += c;
    if (c == '\n') out += pad;
  }
  return out;
}

}  // namespace

std::string AnalysisMembers(const ReportFigures& figures, const ResultsSources& sources) {
  const ReportContext& ctx = figures.context;
  const std::vector<std::pair<const char*, Json>> members{
      {"format", results::kFormatVersion},
      {"kind", ctx.Kind() == AnalysisKind::Dwloc ? "dwloc" : "acute"},
      {"program", results::ProgramJson(ctx)},
      {"data", results::DataJson(ctx)},
      {"residue_file", results::ResidueFileJson(ctx, sources)},
      {"units", results::UnitsJson(ctx)},
      {"settings", results::SettingsJson(ctx, sources)},
      {"report", results::ReportChoicesJson(ctx)},
      {"populations", results::PopulationsJson(figures)},
      {"plot", results::PlotJson(figures)}};
  std::string text;
  for (const auto& [key, value] : members) {
    if (!text.empty()) text += ",\n";
    text += MemberText(key, value);
  }
  return text;
}

std::string ProvenanceTail(const ResultsProvenance& p) {
  const Json provenance = {{"run_id", p.run_id},
                           {"date", results::Text(p.date)},
                           {"time", results::Text(p.time)},
                           {"host", results::Text(HostName())},
                           {"work_folder", results::Text(p.work_folder.string())},
                           {"threads", p.threads},
                           {"cec_redone", nullptr}};
  return ",\n" + MemberText("provenance", provenance) + "\n}\n";
}

ResultsWriter::ResultsWriter(const std::filesystem::path& temp) : path_(temp) {
  if (!path_.empty()) out_.open(path_, std::ios::binary | std::ios::trunc);
}

void ResultsWriter::Begin(const std::string& analysis_members) {
  out_ << "{\n" << analysis_members;
}

void ResultsWriter::Cec(const CecReportRequest& request, const std::vector<RankedSection>& ranked) {
  out_ << ",\n";
  WriteCecMember(out_, request, ranked);
  cec_written_ = true;
}

bool ResultsWriter::End(const ResultsProvenance& provenance) {
  if (!cec_written_) out_ << ",\n" << MemberText("cec", nullptr);
  out_ << ProvenanceTail(provenance);
  out_.close();
  return Ok();
}

std::string BatchResultsText(const std::string& batch_file,
                             const std::vector<std::string>& entry_members,
                             const ResultsProvenance& provenance) {
  std::string text =
      "{\n" + MemberText("format", results::kFormatVersion) + ",\n" + MemberText("kind", "batch") +
      ",\n" + MemberText("batch_file", results::Text(batch_file)) + ",\n" + "  \"entries\": [";
  for (std::size_t i = 0; i < entry_members.size(); ++i) {
    text += i == 0 ? "\n" : ",\n";
    text += Indented("{\n" + entry_members[i] + ",\n" + MemberText("cec", nullptr) + "\n}", 4);
  }
  text += entry_members.empty() ? "]" : "\n  ]";
  return text + ProvenanceTail(provenance);
}

}  // namespace acute
