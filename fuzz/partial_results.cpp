// The partial results files of a bootstrap as `acute merge` reads them: any bytes (a
// hand-edited, cut-off or foreign file) are merged or refused with a reason, never a crash;
// a file merged with itself is refused as overlapping.
#include "run/results_bootstrap.h"
#include "support/fuzz_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const auto file = FuzzContext::Get().Scratch() / "part.json";
  WriteBytes(file, AsText(data, size));
  const MergedResults alone = MergePartialResults({file}, {});
  if (alone.error.empty() == alone.results.empty())
    Broken("a merge gave both results and a refusal, or neither");
  if (MergePartialResults({file, file}, {}).error.empty())
    Broken("a partial file merged with itself was not refused");
  return 0;
}
