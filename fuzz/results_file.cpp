// The results file "results.json" as `acute results` and --csv read it back: any bytes (a
// hand-edited or cut-off file) are read or refused with a reason, never a crash; the tables of
// a file that reads are written as CSV without fault.
#include "run/results_tables.h"
#include "support/fuzz_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const auto folder = FuzzContext::Get().Scratch();
  const auto file = folder / "results.json";
  WriteBytes(file, AsText(data, size));
  const ResultsReading reading = ReadResultsTables(file);
  if (!reading.tables) {
    if (reading.fault.empty()) Broken("a results file was refused without a reason");
    return 0;
  }
  for (const ResultsTable& table : reading.tables->tables) CsvText(table);
  return 0;
}
