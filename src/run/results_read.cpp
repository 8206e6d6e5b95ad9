// The results file read back: its populations and their percentile levels (a batch's
// entries one after the other), and the CEC part of a CEC run.

#include "common/list_reader.h"
#include "run/results_bootstrap_table.h"
#include "run/results_cec_tables.h"
#include "run/results_fields.h"
#include "run/results_tables.h"

namespace acute {
namespace {

using results::Column;
using results::FileFault;
using results::Json;
using results::Kind;

constexpr Column kPopulationHead[] = {
    {"name", "name", Kind::Text}, {"number", "number"}, {"custom", "custom", Kind::Flag}};

constexpr Column kPopulationFigures[] = {
    {"tot_w", "tot_w"},
    {"tot_n", "tot_n"},
    {"sum_w", "sum_w"},
    {"n", "n"},
    {"capita_mean", "per_capita/mean"},
    {"capita_sd", "per_capita/sd"},
    {"capita_se", "per_capita/se"},
    {"capita_moe_at_mean", "per_capita/moe_at_mean"},
    {"capita_percent_dose_at_mean", "per_capita/percent_dose_at_mean"},
    {"user_mean", "users/mean"},
    {"user_sd", "users/sd"},
    {"user_se", "users/se"},
    {"user_moe_at_mean", "users/moe_at_mean"},
    {"user_percent_dose_at_mean", "users/percent_dose_at_mean"},
    {"user_day_percent", "user_day_percent"},
    {"largest_exposure", "largest_exposure"},
    {"smallest_dwloc", "smallest_dwloc"},
    {"pad", "pad"},
    {"dose", "dose"}};

constexpr Column kUnits[] = {{"exposure_unit", "exposure", Kind::Text},
                             {"percent_dose_unit", "percent_dose", Kind::Text}};

constexpr Column kPoint[] = {{"exposure_binned", "exposure"},
                             {"exposure_exact", "exposure_exact"},
                             {"moe_binned", "moe"},
                             {"moe_exact", "moe_exact"},
                             {"percent_dose_binned", "percent_dose"},
                             {"percent_dose_exact", "percent_dose_exact"}};

// The distributions of a percentile level, as the tables name them.
constexpr std::pair<const char*, const char*> kBases[] = {{"users", "user"},
                                                          {"per_capita", "capita"}};

// A custom population's criterion lines: "season=1,0,0,0,0;region=...".
std::string CriteriaText(const Json& population, const std::string& where) {
  const Json* criteria = results::ObjectAt(population, "criteria", where);
  if (criteria == nullptr) return "";
  std::string text;
  for (const auto& [line, items] : criteria->items()) {
    const std::string place = results::At(results::At(where, "criteria"), line);
    if (!items.is_array()) throw FileFault(place + " is not a list");
    text += (text.empty() ? "" : ";") + line + "=";
    for (std::size_t i = 0; i < items.size(); ++i)
      text += (i > 0 ? "," : "") +
              results::FieldAt(Json{{"x", items[i]}}, "x", Kind::Number, results::At(place, i));
  }
  return text;
}

// The level as its percentile ("99.9"), the maximum as "max".
std::string LevelText(const Json& level, const std::string& where) {
  if (results::FieldAt(level, "maximum", Kind::Flag, where) == "true") return "max";
  const std::string percentile = results::FieldAt(level, "percentile", Kind::Number, where);
  if (percentile.empty()) throw FileFault(results::At(where, "percentile") + " is missing");
  return percentile;
}

class Reader {
 public:
  explicit Reader(bool batch) : batch_(batch) {
    const std::vector<std::string> lead = batch ? std::vector<std::string>{"entry", "population"}
                                                : std::vector<std::string>{"population"};
    populations_.name = kPopulationsTable;
    populations_.columns = results::Names(kPopulationHead, lead);
    populations_.columns.emplace_back("criteria");
    populations_.columns = results::Names(kPopulationFigures, populations_.columns);
    populations_.columns = results::Names(kUnits, populations_.columns);
    percentiles_.name = kPercentilesTable;
    percentiles_.columns = results::Names(kPoint, lead);
    percentiles_.columns.insert(percentiles_.columns.begin() + static_cast<long>(lead.size()),
                                {"basis", "level"});
  }

  // One analysis: the run's own, or an entry's (`entry` from 1; 0 outside a batch).
  void Analysis(const Json& analysis, const std::string& where, std::size_t entry) {
    results::ExpectObject(analysis, where);
    units_ = results::ObjectAt(analysis, "units", where);
    units_where_ = results::At(where, "units");
    const Json& list = results::ListAt(analysis, "populations", where);
    for (std::size_t j = 0; j < list.size(); ++j) {
      std::vector<std::string> lead;
      if (batch_) lead.push_back(std::to_string(entry));
      lead.push_back(std::to_string(j + 1));
      Population(list[j], results::At(results::At(where, "populations"), j), lead, entry);
    }
  }

  ResultsTables Tables(std::string kind) && {
    ResultsTables out;
    out.kind = std::move(kind);
    out.tables.push_back(std::move(populations_));
    out.tables.push_back(std::move(percentiles_));
    out.json = std::move(json_);
    return out;
  }

 private:
  void Population(const Json& p, const std::string& where, const std::vector<std::string>& lead,
                  std::size_t entry) {
    std::vector<std::string> row = results::Fields(p, kPopulationHead, where, lead);
    row.push_back(CriteriaText(p, where));
    row = results::Fields(p, kPopulationFigures, where, row);
    row = results::Fields(units_ ? *units_ : Json::object(), kUnits, units_where_, row);
    Add(populations_, std::move(row));
    const Json& levels = results::ListAt(p, "percentiles", where);
    for (const auto& [key, basis] : kBases)
      for (std::size_t i = 0; i < levels.size(); ++i) {
        const std::string place = results::At(results::At(where, "percentiles"), i);
        results::ExpectObject(levels[i], place);
        const Json* point = results::ObjectAt(levels[i], key, place);
        if (point == nullptr) continue;
        std::vector<std::string> head = lead;
        head.insert(head.end(), {basis, LevelText(levels[i], place)});
        Add(percentiles_, results::Fields(*point, kPoint, results::At(place, key), head));
      }
    json_.push_back(results::Dump(WithEntry(p, entry), 2));
  }

  // A batch entry's population names its entry first.
  Json WithEntry(const Json& p, std::size_t entry) const {
    if (!batch_) return p;
    Json out = {{"entry", entry}};
    for (const auto& [key, value] : p.items()) out[key] = value;
    return out;
  }

  void Add(ResultsTable& table, std::vector<std::string> row) {
    table.rows.push_back(std::move(row));
    table.owners.push_back(json_.size());
  }

  bool batch_;
  const Json* units_ = nullptr;  // of the analysis being read
  std::string units_where_;
  ResultsTable populations_, percentiles_;
  std::vector<std::string> json_;
};

ResultsTables TablesOf(const Json& doc) {
  results::ExpectObject(doc, "");
  if (results::FieldAt(doc, "format", Kind::Text, "") != results::kFormatVersion)
    throw FileFault("its format is not \"" + std::string(results::kFormatVersion) + "\"");
  const std::string kind = results::FieldAt(doc, "kind", Kind::Text, "");
  if (kind != "acute" && kind != "dwloc" && kind != "batch")
    throw FileFault("/kind is not \"acute\", \"dwloc\" or \"batch\"");
  Reader reader(kind == "batch");
  if (kind == "batch") {
    const Json& entries = results::ListAt(doc, "entries", "");
    for (std::size_t i = 0; i < entries.size(); ++i)
      reader.Analysis(entries[i], results::At("/entries", i), i + 1);
    return std::move(reader).Tables(kind);
  }
  reader.Analysis(doc, "", 0);
  ResultsTables tables = std::move(reader).Tables(kind);
  if (const Json* bootstrap = results::ObjectAt(doc, "bootstrap", ""))
    tables.tables.push_back(results::BootstrapTable(*bootstrap, "/bootstrap"));
  if (const Json* cec = results::ObjectAt(doc, "cec", ""))
    for (ResultsTable& t : results::CecTables(*cec, "/cec")) tables.tables.push_back(std::move(t));
  return tables;
}

// The parser's message without its "[json.exception...]" tag.
std::string ParseFault(const std::string& what) {
  const std::size_t tag = what.find("] ");
  return tag == std::string::npos ? what : what.substr(tag + 2);
}

}  // namespace

ResultsReading ReadResultsTables(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec))
    return {std::nullopt, "There is no file " + file.string() + "."};
  if (!std::filesystem::is_regular_file(file, ec))
    return {std::nullopt, file.string() + " is not a file."};
  std::string text;
  try {
    text = ReadWholeFile(file);
  } catch (const std::runtime_error&) {
    return {std::nullopt, "The file " + file.string() + " cannot be read."};
  }
  const std::string not_results = file.string() + " is not a results file: ";
  Json doc;
  try {
    doc = Json::parse(text);
  } catch (const Json::exception& e) {
    return {std::nullopt, not_results + "it is not JSON (" + ParseFault(e.what()) + ")."};
  }
  try {
    return {TablesOf(doc), ""};
  } catch (const FileFault& e) {
    return {std::nullopt, not_results + e.what() + "."};
  } catch (const Json::exception& e) {
    return {std::nullopt, not_results + ParseFault(e.what()) + "."};
  }
}

}  // namespace acute
