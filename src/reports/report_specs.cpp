#include "reports/report_specs.h"

#include <stdexcept>

#include "common/list_reader.h"
#include "common/print_writer.h"

namespace acute {
namespace {

bool ValidChoices(const std::array<std::int16_t, 3>& choice) {
  for (int i = 0; i < 3; ++i) {
    if (choice[i] < 0 || choice[i] >= kSummaryChoiceCount) return false;
    if (i > 0 && choice[i] <= choice[i - 1]) return false;
  }
  return true;
}

}  // namespace

std::string ReportSpecsText(const ReportSpecs& specs) {
  PrintWriter out;
  out.Num(specs.users).Zone().Num(specs.per_capita).Zone().Num(specs.header_all).EndLine();
  out.Num(specs.min_percent).EndLine();
  out.Num(specs.choice[0]).Zone().Num(specs.choice[1]).Zone().Num(specs.choice[2]).EndLine();
  if (specs.exact) out.Num(std::int16_t{1}).EndLine();
  return out.Contents();
}

std::optional<ReportSpecs> ParseReportSpecs(const std::string& text) {
  ReportSpecs specs;
  try {
    ListReader in(text);
    specs.users = in.ReadInt16();
    specs.per_capita = in.ReadInt16();
    specs.header_all = in.ReadInt16();
    specs.min_percent = in.ReadSingle();
    for (auto& c : specs.choice) c = in.ReadInt16();
    if (!in.AtEnd()) {
      const std::int16_t exact = in.ReadInt16();
      if (exact != 0 && exact != 1) return std::nullopt;
      specs.exact = exact == 1;
    }
  } catch (const ListReadError&) {
    return std::nullopt;
  }
  if (!ValidChoices(specs.choice) || !(specs.min_percent >= 0 && specs.min_percent <= 0.5f))
    return std::nullopt;
  return specs;
}

std::optional<ReportSpecs> ReadReportSpecsFile(const std::filesystem::path& path) {
  try {
    return ParseReportSpecs(ReadWholeFile(path));
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

bool WriteReportSpecsFile(const std::filesystem::path& path, const ReportSpecs& specs) {
  return WriteFileAtomically(path, ReportSpecsText(specs));
}

}  // namespace acute
