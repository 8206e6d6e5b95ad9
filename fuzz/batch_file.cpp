// Batch files: the reader's checks on any text, then the set-up of every entry (each residue
// file it names is read from the sample folder's residue folder), for each database kind.
#include "inputs/batch_file.h"

#include "common/silent_port.h"
#include "inputs/batch_setup.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

void ReadBatch(const SampleFolder& sample, const std::string& text) {
  SilentPort port;
  const std::string extension = sample.support.ResidueExtension();
  const std::filesystem::path file = sample.residue_folder / ("FUZZ.B" + extension.substr(1));
  ParseBatchFile(text, file.string(), extension, false, port);
  WriteBytes(file, text);
  Refusable([&] { batchsetup(file, sample.support, port); });
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute::fuzz;
  const std::string text = AsText(data, size);
  ReadBatch(FuzzContext::Get().Kind2(), text);
  ReadBatch(FuzzContext::Get().Kind0(), text);
  return 0;
}
