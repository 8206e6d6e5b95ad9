// Redo Last CEC and the results file: the run's members stay as they are, the "cec" member is
// written anew and the provenance notes the redo.
#include <fstream>

#include "run/results_file.h"
#include "run/results_json.h"

namespace acute {
namespace {

using results::Json;

// The old file without its "cec" member (which is dropped while it is read).
std::optional<Json> ReadWithoutCec(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const Json::parser_callback_t drop = [](int depth, Json::parse_event_t event, Json& parsed) {
    return !(event == Json::parse_event_t::key && depth == 1 && parsed == "cec");
  };
  try {
    Json old = Json::parse(in, drop);
    if (!old.is_object()) return std::nullopt;
    return old;
  } catch (const Json::exception&) {
    return std::nullopt;
  }
}

bool OfRun(const Json& old, const std::string& run_id) {
  if (old.value("format", "") != results::kFormatVersion || old.value("kind", "") != "acute")
    return false;
  const auto provenance = old.find("provenance");
  return provenance != old.end() && provenance->is_object() &&
         provenance->value("run_id", "") == run_id;
}

}  // namespace

bool IsResultsFileOfRun(const std::filesystem::path& path, const std::string& run_id) {
  const std::optional<Json> old = ReadWithoutCec(path);
  return old && OfRun(*old, run_id);
}

bool RewriteCecResults(const std::filesystem::path& old_file, const std::filesystem::path& temp,
                       const std::string& run_id, const CecReportRequest& request,
                       const std::vector<RankedSection>& ranked, const std::string& date,
                       const std::string& time) {
  std::optional<Json> old = ReadWithoutCec(old_file);
  if (!old || !OfRun(*old, run_id) || temp.empty()) return false;
  Json provenance = (*old)["provenance"];
  provenance["cec_redone"] = {{"date", results::Text(date)}, {"time", results::Text(time)}};
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  out << "{\n";
  bool first = true;
  for (const auto& [key, value] : old->items()) {
    if (key == "provenance") continue;
    out << (first ? "" : ",\n") << results::MemberText(key, value);
    first = false;
  }
  out << ",\n";
  WriteCecMember(out, request, ranked);
  out << ",\n" << results::MemberText("provenance", provenance) << "\n}\n";
  out.close();
  return static_cast<bool>(out);
}

}  // namespace acute
