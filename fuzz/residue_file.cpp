// Residue files, both views: the load view with its summary, then the analysis view and the
// run's residue tables built from it, for each database kind. Every food-form factor of the
// run must be a finite number.
#include <cmath>

#include "common/silent_port.h"
#include "engine/run_tables.h"
#include "inputs/residue_reader.h"
#include "inputs/residue_summary.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

void ReadBothViews(const SampleFolder& sample, const std::string& text) {
  const auto file = FuzzContext::Get().Scratch() / ("FUZZ." + sample.support.ResidueExtension());
  WriteBytes(file, text);
  SilentPort port;
  bool monte_carlo = false;
  if (auto loaded = ReadResidueFile(file, sample.support, port)) {
    SummariseResidueFile(*loaded);
    monte_carlo = loaded->OffersMonteCarlo();
  }
  // A Monte Carlo file is read a second time as a Monte Carlo DWLOC run with adjustment
  // factor #2 reads it.
  for (bool mc : {false, true}) {
    if (mc && !monte_carlo) break;
    Refusable([&] {
      ResidueData data;
      ResidueTables tables;
      ReadResidueForAnalysis(file, sample.support, sample.master, mc, port, data, tables);
      const RunTables run =
          BuildRunTables(std::move(tables), sample.master, /*dwloc=*/mc, /*second_adjustment=*/mc);
      for (float f : run.factor)
        if (!std::isfinite(f)) Broken("a food-form factor is not finite");
    });
  }
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  const std::string text = AsText(data, size);
  ReadBothViews(FuzzContext::Get().Kind2(), text);
  ReadBothViews(FuzzContext::Get().Kind0(), text);
  return 0;
}
