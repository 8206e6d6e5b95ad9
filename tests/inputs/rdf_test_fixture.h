#pragma once
// Distribution file tests: a Monte Carlo residue file in memory whose type-6 RDLs name
// files written into a scratch folder.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute::testing {

// The lines joined, each ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

class RdfFixture : public ::testing::Test {
 protected:
  RdfFixture() {
    residue.ResFileName = (dir / "TEST.R10").string();
    residue.ResFolder = dir.path().string() + "/";
    residue.Tag = "21-07-aMCNH2";
    residue.ChemicalCount = 1;
    residue.Rdl.assign(kMaxRdlIndex + 1, {});
  }

  // Writes file `name` and makes RDL `index` (the next free one when 0) point to it.
  void AddRdf(const std::string& name, const std::string& text, int index = 0) {
    if (index == 0) index = residue.MaxRdlIndex + 1;
    WriteText(dir / name, text);
    RdlLine& rdl = residue.Rdl[static_cast<std::size_t>(index)];
    rdl = {static_cast<std::int16_t>(index), DistributionType::Empirical, {}, name, ""};
    residue.MaxRdlIndex = std::max<std::int16_t>(residue.MaxRdlIndex, rdl.index);
    ++residue.RdlCount;
  }

  RdfSetUp Run(bool dwloc = false) { return SetUpRdfs(residue, Scratch(), dwloc, port, tables); }
  std::filesystem::path Scratch() const { return dir / kRdfScratchFileName; }
  // The file name as messages show it.
  std::string Shown(const std::string& name) const { return residue.ResFolder + name; }

  ScratchFolder dir;
  ResidueData residue;
  ScriptedPort port;
  RdfTables tables;
};

}  // namespace acute::testing
