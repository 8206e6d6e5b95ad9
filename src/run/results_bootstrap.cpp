#include "run/results_bootstrap.h"

#include "run/results_json.h"
#include "run/results_settings.h"

namespace acute {

using results::Figure;
using results::Json;
using results::MemberText;

namespace {

Json LevelJson(int level_tenths) {
  if (level_tenths % 10 == 0) return level_tenths / 10;
  return level_tenths / 10.0;
}

Json SettingsPart(const BootstrapOutcome& o, const SectionLayout& layout) {
  const BootstrapSettings& b = o.settings;
  const IntervalRanks ranks = RanksOf(b.rounds, b.level_tenths);
  Json part = {{"rounds", b.rounds},
               {"seed", b.seed},
               {"seed_from_timer", o.seed_from_timer},
               {"sources", {{"survey", b.survey}, {"residues", b.residues}}},
               {"iterations", b.iterations},
               {"interval_level", LevelJson(b.level_tenths)},
               {"ranks", {{"low", ranks.low}, {"median", ranks.median}, {"high", ranks.high}}},
               {"report",
                {{"toxicity_code", layout.toxicity_code},
                 {"per_capita", layout.per_capita},
                 {"users", layout.users},
                 {"exact", o.exact}}}};
  if (b.Partial()) part["partial"] = {{"first", b.first_round}, {"last", b.last_round}};
  return part;
}

Json FigureJson(const FigureInterval& interval, const FigureValues& values) {
  Json rounds = Json::array();
  for (const auto& v : values) rounds.push_back(Figure(v));
  return {{"main", Figure(interval.main)},
          {"low", Figure(interval.low)},
          {"median", Figure(interval.median)},
          {"high", Figure(interval.high)},
          {"rounds", rounds}};
}

Json PopulationsPart(const BootstrapOutcome& o, const BootstrapSection& section) {
  const std::vector<BootstrapFigure> list = BootstrapFigureList(o.exact);
  Json populations = Json::array();
  for (std::size_t p = 0; p < o.values.size(); ++p) {
    Json figures = Json::object();
    for (std::size_t f = 0; f < list.size(); ++f)
      figures[list[f].key] = FigureJson(section.intervals[p][f], o.values[p][f]);
    populations.push_back(
        {{"name", results::Text(section.layout.population_names[p])}, {"figures", figures}});
  }
  return populations;
}

}  // namespace

std::string BootstrapMember(const BootstrapOutcome& outcome, const BootstrapSection& section) {
  Json member = SettingsPart(outcome, section.layout);
  member["round_list"] = outcome.rounds;
  member["populations"] = PopulationsPart(outcome, section);
  return MemberText("bootstrap", member);
}

std::string PartialResultsText(const ReportContext& ctx, const ResultsSources& sources,
                               const ReportFigures* main, const BootstrapOutcome& outcome,
                               const ResultsProvenance& provenance) {
  std::string text = "{\n";
  if (main != nullptr) {
    text += AnalysisMembers(*main, sources);
  } else {
    const std::vector<std::pair<const char*, Json>> members{
        {"format", results::kFormatVersion},
        {"kind", "bootstrap-rounds"},
        {"program", results::ProgramJson(ctx)},
        {"data", results::DataJson(ctx)},
        {"residue_file", results::ResidueFileJson(ctx, sources)},
        {"settings", results::SettingsJson(ctx, sources)},
        {"report", results::ReportChoicesJson(ctx)}};
    for (const auto& [key, value] : members)
      text += (text.size() > 2 ? ",\n" : "") + MemberText(key, value);
  }
  text += ",\n" + BootstrapMember(outcome, SectionOf(outcome, LayoutOf(ctx)));
  if (main != nullptr) text += ",\n" + MemberText("cec", nullptr);
  return text + ProvenanceTail(provenance);
}

}  // namespace acute
