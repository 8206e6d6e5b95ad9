// The support list "TarnSupport.txt", read in the sample folders of both database kinds,
// then the analysis file check and the master lists it names.
#include "common/silent_port.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

void ReadIn(const SampleFolder& sample, const std::string& text) {
  WriteBytes(sample.folder / kSupportListName, text);
  SilentPort port;
  Refusable([&] {
    const SupportData support = ReadSupportList(sample.folder, port);
    for (bool occasions : {false, true})
      CheckAnalysisFiles(sample.folder, support, occasions, port);
    ReadMasterLists(sample.folder, support, port);
  });
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  const std::string text = AsText(data, size);
  ReadIn(FuzzContext::Get().Kind2(), text);
  ReadIn(FuzzContext::Get().Kind0(), text);
  return 0;
}
