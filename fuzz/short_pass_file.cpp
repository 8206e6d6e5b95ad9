// The short pass file of a critical exposure re-run: every file read is written again and
// must read back to itself.
#include "support/fuzz_context.h"
#include "support/pass_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  if (const auto cec = ReadShortPassText(AsText(data, size))) CheckRoundTrip(*cec);
  return 0;
}
