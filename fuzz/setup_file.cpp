// The set-up file "setupTARNNH.txt" of the sample folder, and the consumption files of the
// folder it names.
#include "common/silent_port.h"
#include "engine/consumption_data.h"
#include "support/fuzz_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const SampleFolder& sample = FuzzContext::Get().Kind2();
  WriteBytes(sample.folder / kSetupFileName, AsText(data, size));
  SilentPort port;
  Refusable([&] {
    const SetupData setup = ReadSetupFile(sample.folder, port);
    setup.PageNumbers();
    setup.Exceeding();
    setup.PrintComments();
    ConsumptionFiles files;
    files.folder = setup.ConsumptionFolder();
    files.names = sample.support.ConsumptionListA;
    files.first = sample.support.ConsumptionListFirst;
    files.last = sample.support.ConsumptionListLast;
    CheckConsumptionFile(files, files.last, port);
  });
  return 0;
}
