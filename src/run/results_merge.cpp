// The merge of the partial results files of a bootstrap split into runs of some rounds each.
#include <algorithm>

#include "common/list_reader.h"
#include "random/round_streams.h"
#include "run/results_bootstrap.h"
#include "run/results_json.h"

namespace acute {

using results::Json;
using results::MemberText;

namespace {

struct Partial {
  std::filesystem::path path;
  Json json;
  int first = 0, last = 0;
};

struct MergeRefused {
  std::string text;
};

[[noreturn]] void Refuse(const std::string& text) {
  throw MergeRefused{text};
}

std::string Name(const std::filesystem::path& path) {
  return path.string();
}

long long Whole(const Json& j, const char* key, long long low, long long high);

Partial ReadPartial(const std::filesystem::path& path) {
  Partial p;
  p.path = path;
  try {
    p.json = Json::parse(ReadWholeFile(path));
  } catch (const std::exception&) {
    Refuse(Name(path) + " cannot be read as a results file.");
  }
  const Json* partial = nullptr;
  if (p.json.is_object() && p.json.value("format", "") == results::kFormatVersion &&
      p.json.contains("bootstrap") && p.json["bootstrap"].is_object() &&
      p.json["bootstrap"].contains("partial"))
    partial = &p.json["bootstrap"]["partial"];
  if (partial == nullptr || !partial->is_object())
    Refuse(Name(path) + " is not the results file of a partial bootstrap run (--rounds).");
  p.first = static_cast<int>(Whole(*partial, "first", 0, kMaxBootstrapRounds));
  p.last = static_cast<int>(Whole(*partial, "last", p.first, kMaxBootstrapRounds));
  return p;
}

// What must be the same in every partial file of one run: the program, data, residue file,
// settings (the main run's timer value aside) and report choices, and the bootstrap's own
// settings and populations.
Json IdentityOf(const Json& file) {
  Json id = Json::object();
  for (const char* key : {"program", "data", "residue_file", "settings", "report"})
    id[key] = file.value(key, Json());
  if (id["settings"].is_object()) id["settings"].erase("timer_seed");
  Json bootstrap = file["bootstrap"];
  for (const char* key : {"partial", "round_list"}) bootstrap.erase(key);
  Json names = Json::array();
  for (const Json& p : bootstrap.value("populations", Json::array())) {
    Json keys = Json::array();
    const Json figures = p.value("figures", Json::object());
    for (const auto& [key, value] : figures.items()) keys.push_back(key);
    names.push_back({p.value("name", Json()), keys});
  }
  bootstrap["populations"] = names;
  id["bootstrap"] = bootstrap;
  return id;
}

void CheckSameRun(const std::vector<Partial>& parts) {
  const Json first = IdentityOf(parts[0].json);
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const Json id = IdentityOf(parts[i].json);
    for (const auto& [key, value] : first.items())
      if (id[key] != value)
        Refuse(Name(parts[i].path) + " is of another run than " + Name(parts[0].path) +
               " (their \"" + key + "\" members differ).");
  }
}

// The partial files in round order, holding rounds 0 to B once each.
void CheckRounds(std::vector<Partial>& parts, int rounds) {
  std::sort(parts.begin(), parts.end(),
            [](const Partial& a, const Partial& b) { return a.first < b.first; });
  int next = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Partial& p = parts[i];
    if (p.first < next)
      Refuse(Name(p.path) + " holds rounds " + std::to_string(p.first) + " to " +
             std::to_string(p.last) + ", which overlap those of " + Name(parts[i - 1].path) + ".");
    if (p.first > next)
      Refuse("Rounds " + std::to_string(next) + " to " + std::to_string(p.first - 1) +
             " are in none of the files (the next is " + Name(p.path) + ").");
    next = p.last + 1;
  }
  if (next <= rounds)
    Refuse("Rounds " + std::to_string(next) + " to " + std::to_string(rounds) +
           " are in none of the files (the last is " + Name(parts.back().path) + ").");
}

std::optional<double> ValueOf(const Json& v) {
  if (v.is_number()) return v.get<double>();
  if (!v.is_null()) Refuse("A figure of the partial files is neither a number nor null.");
  return std::nullopt;
}

// The whole number `key` of `j`, from low to high.
long long Whole(const Json& j, const char* key, long long low, long long high) {
  const Json& v = j.at(key);
  if (!v.is_number_integer() || v.get<long long>() < low || v.get<long long>() > high)
    Refuse(std::string("The partial files' bootstrap \"") + key + "\" is out of range.");
  return v.get<long long>();
}

BootstrapSettings SettingsOf(const Json& b) {
  BootstrapSettings s;
  s.rounds = static_cast<int>(Whole(b, "rounds", 1, kMaxBootstrapRounds));
  s.seed = static_cast<std::uint32_t>(Whole(b, "seed", 1, 4294967295LL));
  s.survey = b.at("sources").at("survey").get<bool>();
  s.residues = b.at("sources").at("residues").get<bool>();
  s.iterations = static_cast<int>(Whole(b, "iterations", 1, 5000));
  const double level = b.at("interval_level").get<double>();
  if (!(level >= 50 && level <= 99.9)) Refuse("The partial files' interval level is out of range.");
  s.level_tenths = static_cast<int>(std::lround(level * 10));
  return s;
}

// The merged rounds of every partial file (in round order), with the main run's figures.
BootstrapOutcome MergedOutcome(const std::vector<Partial>& parts, SectionLayout& layout) {
  const Json& b = parts[0].json.at("bootstrap");
  BootstrapOutcome o;
  o.settings = SettingsOf(b);
  o.seed_from_timer = b.at("seed_from_timer").get<bool>();
  const Json& report = b.at("report");
  o.exact = report.at("exact").get<bool>();
  layout.toxicity_code = report.at("toxicity_code").get<std::string>();
  layout.per_capita = report.at("per_capita").get<bool>();
  layout.users = report.at("users").get<bool>();
  const std::vector<BootstrapFigure> list = BootstrapFigureList(o.exact);
  for (const Json& p : b.at("populations")) {
    layout.population_names.push_back(p.at("name").get<std::string>());
    FigureValues main;
    for (const BootstrapFigure& f : list)
      main.push_back(ValueOf(p.at("figures").at(f.key).at("main")));
    o.main.push_back(main);
    o.values.emplace_back(list.size());
  }
  for (const Partial& part : parts) {
    const Json& bootstrap = part.json.at("bootstrap");
    for (const Json& r : bootstrap.at("round_list")) o.rounds.push_back(r.get<int>());
    const Json& pops = bootstrap.at("populations");
    for (std::size_t p = 0; p < o.values.size(); ++p)
      for (std::size_t f = 0; f < list.size(); ++f)
        for (const Json& v : pops.at(p).at("figures").at(list[f].key).at("rounds"))
          o.values[p][f].push_back(ValueOf(v));
  }
  return o;
}

// Every round's values are there: one per round, in each figure.
void CheckComplete(const BootstrapOutcome& o) {
  for (std::size_t k = 0; k < o.rounds.size(); ++k)
    if (o.rounds[k] != static_cast<int>(k) + 1)
      Refuse("The partial files' round lists do not run from 1 to " +
             std::to_string(o.settings.rounds) + ".");
  for (const auto& population : o.values)
    for (const FigureValues& values : population)
      if (values.size() != o.rounds.size())
        Refuse("The partial files do not hold a value of every figure in every round.");
}

}  // namespace

MergedResults MergePartialResults(const std::vector<std::filesystem::path>& paths,
                                  const ResultsProvenance& provenance) {
  MergedResults merged;
  try {
    if (paths.empty()) Refuse("No partial results files were given.");
    std::vector<Partial> parts;
    for (const auto& path : paths) parts.push_back(ReadPartial(path));
    CheckSameRun(parts);
    CheckRounds(parts, SettingsOf(parts[0].json.at("bootstrap")).rounds);
    SectionLayout layout;
    const BootstrapOutcome outcome = MergedOutcome(parts, layout);
    CheckComplete(outcome);
    std::string text = "{\n";
    for (const auto& [key, value] : parts[0].json.items()) {
      if (key == "bootstrap" || key == "cec" || key == "provenance") continue;
      text += (text.size() > 2 ? ",\n" : "") + MemberText(key, value);
    }
    const BootstrapSection section = SectionOf(outcome, layout);
    text += ",\n" + BootstrapMember(outcome, section) + ",\n" + MemberText("cec", nullptr);
    merged.results = text + ProvenanceTail(provenance);
    merged.section = BootstrapSectionBody(section);
  } catch (const MergeRefused& refused) {
    merged.error = refused.text;
  } catch (const Json::exception& e) {
    merged.error =
        std::string("A partial results file does not have the expected layout: ") + e.what();
  }
  return merged;
}

}  // namespace acute
