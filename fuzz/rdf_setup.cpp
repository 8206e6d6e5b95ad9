// Residue distribution files: the input is one distribution file, read by the set-up of the
// sample folder's Monte Carlo residue file in place of the file of its first distribution
// line (of the two-chemical file when the input declares chemicals, as cumulative files do).
#include <algorithm>
#include <cctype>

#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_reader.h"
#include "support/fuzz_context.h"
#include "support/scripted_port.h"

namespace acute::fuzz {
namespace {

constexpr const char* kFuzzRdfName = "FUZZ.RDF";

// The residue file with the file of its first empirical distribution line renamed to the
// fuzz input.
ResidueData WithFuzzRdf(const SampleFolder& sample, const std::string& name) {
  ScriptedPort port;
  auto residue = ReadResidueFile(sample.residue_folder / name, sample.support, port);
  if (!residue) Broken("the sample residue file " + name + " is refused: " + port.LastMessage());
  for (RdlLine& line : residue->Rdl) {
    if (line.type != DistributionType::Empirical || line.rdf_file.empty()) continue;
    line.rdf_file = kFuzzRdfName;
    return *residue;
  }
  Broken("the sample residue file " + name + " names no distribution file");
}

bool DeclaresChemicals(const std::string& text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper.find("NCHEMICALS") != std::string::npos;
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const SampleFolder& sample = FuzzContext::Get().Kind2();
  static const ResidueData single = WithFuzzRdf(sample, sample.mc_residue);
  static const ResidueData cumulative = WithFuzzRdf(sample, sample.two_chemical_residue);
  const std::string text = AsText(data, size);
  WriteBytes(sample.residue_folder / kFuzzRdfName, text);
  ScriptedPort port;
  RdfTables tables;
  const ResidueData& residue = DeclaresChemicals(text) ? cumulative : single;
  SetUpRdfs(residue, FuzzContext::Get().Scratch() / kRdfScratchFileName, false, port, tables);
  return 0;
}
