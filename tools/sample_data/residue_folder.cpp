#include "sample_data/residue_folder.h"

#include "common/print_writer.h"
#include "sample_data/rdf_files.h"
#include "sample_data/residue_file.h"
#include "sample_data/residue_plans.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

void SaveResidueFile(const std::filesystem::path& path, const ResidueFile& file) {
  PrintWriter out;
  out.Text(ResidueFileText(file));
  SaveText(path, out);
}

// Free comment lines, START, the entry count, then residue file and report base name pairs.
void SaveBatchFile(const std::filesystem::path& path, const ResidueFolderNames& names,
                   const std::string& extension) {
  PrintWriter out;
  out.Line("Batch run of the sample residue files (generated sample data)");
  out.Line("Every file is analysed with the same settings.");
  out.Line("START");
  out.Line("3");
  for (const std::string& name : {names.plain, names.monte_carlo, names.two_chemical}) {
    std::string report = name.substr(0, name.size() - extension.size() - 1);
    out.Line(Joined({Quoted(name), Quoted(report)}));
  }
  SaveText(path, out);
}

}  // namespace

ResidueFolderNames WriteResidueFolder(const std::filesystem::path& folder, const KindLayout& layout,
                                      const Catalogue& catalogue, RandomSource& rng) {
  const std::string& ext = layout.residue_extension;
  ResidueFolderNames names{"SAMPLE." + ext, "SAMPLEMC." + ext, "TWOCHEM." + ext,
                           "SAMPLE." + layout.batch_extension};
  SaveResidueFile(folder / names.plain, PlainResidueFile(layout, catalogue, rng));
  SaveResidueFile(folder / names.monte_carlo, MonteCarloResidueFile(layout, catalogue, rng));
  SaveResidueFile(folder / names.two_chemical, TwoChemicalResidueFile(layout, catalogue, rng));
  WriteDistributionFiles(folder, rng);
  SaveBatchFile(folder / names.batch, names, ext);
  return names;
}

}  // namespace acute::sample
