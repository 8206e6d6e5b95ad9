// The report specifications "AcutSpec.txt": read from text and from the file; what is read
// is written again and must read back to itself.
#include "reports/report_specs.h"

#include "support/fuzz_context.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const std::string text = AsText(data, size);
  const auto file = FuzzContext::Get().Scratch() / kReportSpecsFileName;
  WriteBytes(file, text);
  ReadReportSpecsFile(file);
  const auto specs = ParseReportSpecs(text);
  if (!specs) return 0;
  const std::string written = ReportSpecsText(*specs);
  const auto again = ParseReportSpecs(written);
  if (!again) Broken("report specifications the writer made cannot be read back:\n" + written);
  if (ReportSpecsText(*again) != written)
    Broken("report specifications the writer made read back to others:\n" + written);
  return 0;
}
