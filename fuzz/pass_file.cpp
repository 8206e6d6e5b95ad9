// The analysis pass file, full form, with the layouts of both database kinds: every file
// read is written again and must read back to itself, and the populations it selects are
// decided for a few person-days.
#include "engine/populations.h"
#include "support/fuzz_context.h"
#include "support/pass_round_trip.h"

namespace acute::fuzz {
namespace {

constexpr std::size_t kMaxReportedPopulations = 64;

void DecidePopulations(const AnalysisSettings& settings, int kind) {
  const auto selected = SelectPopulations(settings);
  if (selected.size() > kMaxReportedPopulations) return;  // the run refuses these
  const auto rules = StandardPopulationRules(kind);
  for (std::int16_t value : {0, 1, 2, 13, -1, 32767}) {
    Attributes a{};
    a.fill(value);
    Membership(selected, rules, settings, a);
  }
}

void ReadWithKind(const SampleFolder& sample, const std::string& text) {
  const PassFileLayout layout{sample.support.DatabaseKind,
                              sample.support.StandardPopulationCount()};
  const auto settings = ReadPassText(text, layout);
  if (!settings) return;
  CheckRoundTrip(*settings, layout);
  DecidePopulations(*settings, layout.database_kind);
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  const std::string text = AsText(data, size);
  ReadWithKind(FuzzContext::Get().Kind2(), text);
  ReadWithKind(FuzzContext::Get().Kind0(), text);
  return 0;
}
