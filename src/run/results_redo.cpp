// Redo Last CEC and the results file: the run's members stay as they are, the "cec" member is
// written anew and the provenance notes the redo.
#include <fstream>
#include <string_view>

#include "common/list_reader.h"
#include "run/results_file.h"
#include "run/results_json.h"

namespace acute {
namespace {

using results::Json;

// The old file as the writer laid it out: its members before "cec" as written, and the
// provenance. The "cec" member, which holds the records, is neither parsed nor kept.
struct OldFile {
  std::string before_cec;  // the text up to the line of "cec", ending in ",\n"
  Json members;            // those members, and "provenance"
};

std::optional<std::string> ReadText(const std::filesystem::path& path) {
  try {
    return ReadWholeFile(path);
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

std::optional<Json> Parse(std::string_view text) {
  try {
    Json parsed = Json::parse(text);
    if (parsed.is_object()) return parsed;
  } catch (const Json::exception&) {
  }
  return std::nullopt;
}

// A file this program wrote has each top-level member on a line of its own at two spaces,
// "cec" followed by "provenance" last; any other file (an edited one) is not rewritten.
std::optional<OldFile> ReadOldFile(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadText(path);
  if (!text) return std::nullopt;
  const std::size_t cec = text->find("\n  \"cec\": ");
  const std::size_t provenance = text->rfind("\n  \"provenance\": ");
  const std::size_t end = text->rfind("\n}");
  if (cec == std::string::npos || provenance == std::string::npos || end == std::string::npos ||
      provenance < cec || end < provenance)
    return std::nullopt;
  OldFile old{text->substr(0, cec + 1), {}};
  const std::size_t last_comma = old.before_cec.rfind(',');
  auto members = Parse(old.before_cec.substr(0, last_comma) + "\n}");
  auto tail = Parse("{" + text->substr(provenance + 1, end - provenance) + "}");
  if (last_comma == std::string::npos || !members || !tail) return std::nullopt;
  old.members = std::move(*members);
  old.members["provenance"] = (*tail)["provenance"];
  return old;
}

bool OfRun(const Json& old, const std::string& run_id) {
  if (old.value("format", "") != results::kFormatVersion || old.value("kind", "") != "acute")
    return false;
  const auto provenance = old.find("provenance");
  return provenance != old.end() && provenance->is_object() &&
         provenance->value("run_id", "") == run_id;
}

}  // namespace

CecRewrite RewriteCecResults(const std::filesystem::path& old_file,
                             const std::function<std::filesystem::path()>& temp_for,
                             const std::string& run_id, const CecReportRequest& request,
                             const std::vector<RankedSection>& ranked, const std::string& date,
                             const std::string& time) {
  const std::optional<OldFile> old = ReadOldFile(old_file);
  if (!old || !OfRun(old->members, run_id)) return CecRewrite::NotOfRun;
  const std::filesystem::path temp = temp_for();
  if (temp.empty()) return CecRewrite::Failed;
  Json provenance = old->members["provenance"];
  provenance["cec_redone"] = {{"date", results::Text(date)}, {"time", results::Text(time)}};
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  out << old->before_cec;
  WriteCecMember(out, request, ranked);
  out << ",\n" << results::MemberText("provenance", provenance) << "\n}\n";
  out.close();
  return out ? CecRewrite::Written : CecRewrite::Failed;
}

}  // namespace acute
