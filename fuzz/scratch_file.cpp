// The check of the distribution scratch file against the pass file's distribution rows,
// and a few draws from every distribution loaded. The input is a pass file, the line
// "@@rdfacute.tmp@@" and the bytes of the scratch file (no marker: no scratch file). Every
// mean and draw of a loaded distribution must be a finite number.
#include <cmath>

#include "common/silent_port.h"
#include "engine/distribution_tables.h"
#include "inputs/rdf/rdf_tables.h"
#include "support/fuzz_context.h"
#include "support/pass_round_trip.h"

namespace acute::fuzz {
namespace {

constexpr std::string_view kMarker = "\n@@rdfacute.tmp@@\n";

void LoadAndDraw(const AnalysisSettings& settings, const std::filesystem::path& scratch) {
  SilentPort port;
  const DistributionTables tables =
      LoadDistributions(settings.rdl_rows, settings.max_rdl_index, scratch, port);
  for (std::size_t r = 1; r < tables.rdl.size(); ++r) {
    if (tables.rdl[r].type == DistributionType::None) continue;
    if (!std::isfinite(tables.rdl[r].mean))
      Broken("distribution " + std::to_string(r) + " has a mean that is not finite");
    for (float u : {0.0f, 0.25f, 0.5f, 0.999999f})
      if (!std::isfinite(tables.Draw(static_cast<int>(r), u)))
        Broken("distribution " + std::to_string(r) + " draws a residue that is not finite");
  }
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const std::string input = AsText(data, size);
  const std::size_t at = input.find(kMarker);
  const auto scratch = FuzzContext::Get().Scratch() / kRdfScratchFileName;
  std::error_code ignored;
  std::filesystem::remove(scratch, ignored);
  if (at != std::string::npos) WriteBytes(scratch, input.substr(at + kMarker.size()));
  const SupportData& support = FuzzContext::Get().Kind2().support;
  const PassFileLayout layout{support.DatabaseKind, support.StandardPopulationCount()};
  const auto settings = ReadPassText(input.substr(0, at), layout);
  if (settings && settings->monte_carlo && !settings->rdl_rows.empty())
    Refusable([&] { LoadAndDraw(*settings, scratch); });
  return 0;
}
