#include "run/results_bootstrap_table.h"

#include <array>

#include "run/results_fields.h"

namespace acute::results {
namespace {

constexpr std::array<Column, 4> kInterval{
    {{"main", "main"}, {"low", "low"}, {"median", "median"}, {"high", "high"}}};

}  // namespace

ResultsTable BootstrapTable(const Json& bootstrap, const std::string& where) {
  ResultsTable table{kBootstrapTable, Names(kInterval, {"population", "figure"}), {}, {}};
  const std::string list = At(where, "populations");
  const Json& populations = ListAt(bootstrap, "populations", where);
  for (std::size_t p = 0; p < populations.size(); ++p) {
    const std::string place = At(list, p);
    const std::string name = FieldAt(populations[p], "name", Kind::Text, place);
    const Json* figures = ObjectAt(populations[p], "figures", place);
    if (figures == nullptr) continue;
    for (const auto& [key, figure] : figures->items()) {
      table.rows.push_back(Fields(figure, kInterval, At(At(place, "figures"), key), {name, key}));
      table.owners.push_back(p);
    }
  }
  return table;
}

}  // namespace acute::results
