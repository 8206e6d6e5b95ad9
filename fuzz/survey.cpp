// The survey (consumption) files: the input is one consumption file, read as a daily-total
// and as an eating-occasion file of both database kinds; every person-day read is then
// placed in the standard populations.
#include "common/silent_port.h"
#include "engine/consumption_data.h"
#include "engine/populations.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

constexpr const char* kFuzzSurveyName = "FUZZ.BIN";

void PlaceInPopulations(const ConsumptionData& data, const SampleFolder& sample) {
  AnalysisSettings settings;
  settings.standard_selected.assign(
      static_cast<std::size_t>(sample.support.StandardPopulationCount()), true);
  const auto selected = SelectPopulations(settings);
  const auto rules = StandardPopulationRules(sample.support.DatabaseKind);
  for (const SurveyGroup& g : data.groups) Membership(selected, rules, settings, g.attributes);
}

void ReadAs(const SampleFolder& sample, const std::string& folder, bool occasions) {
  ConsumptionFiles files;
  files.folder = folder;
  files.names = {"", kFuzzSurveyName};
  files.first = 1;
  files.last = 1;
  SilentPort port;
  Refusable([&] {
    const ConsumptionData data = ReadConsumptionData(
        files, {sample.support.DatabaseKind, occasions, sample.master.FoodFormCount()}, port);
    PlaceInPopulations(data, sample);
  });
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  const auto& scratch = FuzzContext::Get().Scratch();
  WriteBytes(scratch / kFuzzSurveyName, AsText(data, size));
  const std::string folder = scratch.string() + "/";
  for (const SampleFolder* sample : {&FuzzContext::Get().Kind2(), &FuzzContext::Get().Kind0()})
    for (bool occasions : {false, true}) ReadAs(*sample, folder, occasions);
  return 0;
}
