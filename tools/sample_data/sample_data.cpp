#include "sample_data/sample_data.h"

#include <stdexcept>

#include "sample_data/catalogue.h"
#include "sample_data/folder_files.h"
#include "sample_data/kind_layout.h"
#include "sample_data/random_source.h"
#include "sample_data/residue_folder.h"
#include "sample_data/support_files.h"
#include "sample_data/survey_files.h"
#include "sample_data/text_format.h"

namespace acute::sample {
namespace {

constexpr const char* kResidueFolder = "residues";
constexpr const char* kConsumptionFolder = "survey";

// Residue files draw from their own stream, so that they do not change with the survey size.
constexpr std::uint32_t kResidueStream = 0x5EED0001u;

std::filesystem::path AbsoluteFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  if (ec) throw std::runtime_error("sample data: cannot resolve the folder " + folder.string());
  return absolute.lexically_normal();
}

}  // namespace

SampleManifest WriteSampleData(const std::filesystem::path& folder, const SampleOptions& options) {
  const KindLayout layout = LayoutFor(options.kind);
  if (options.persons < 0)
    throw std::runtime_error("sample data: the number of persons cannot be negative");
  const long persons = options.persons == 0 ? layout.survey_persons : options.persons;

  SampleManifest manifest;
  manifest.folder = AbsoluteFolder(folder);
  manifest.residue_folder = manifest.folder / kResidueFolder;
  const std::filesystem::path survey = manifest.folder / kConsumptionFolder;
  MakeFolder(manifest.folder);
  MakeFolder(manifest.residue_folder);
  MakeFolder(survey);

  const Catalogue catalogue = BuildCatalogue();
  WriteSupportList(manifest.folder, layout, catalogue);
  // Folders relative to the data folder, so that a copy of the folder reads its own files.
  WriteSetupFile(manifest.folder, manifest.residue_folder.lexically_relative(manifest.folder),
                 survey.lexically_relative(manifest.folder));
  WriteReportSpecs(manifest.folder);
  WriteSupportFiles(manifest.folder, layout, catalogue, persons);

  RandomSource survey_rng(options.seed);
  manifest.person_records =
      WriteSurvey(manifest.folder, survey, layout, catalogue, persons, survey_rng);

  RandomSource residue_rng(options.seed ^ kResidueStream);
  const ResidueFolderNames names =
      WriteResidueFolder(manifest.residue_folder, layout, catalogue, residue_rng);
  manifest.plain_residue = names.plain;
  manifest.mc_residue = names.monte_carlo;
  manifest.two_chemical_residue = names.two_chemical;
  manifest.batch_file = names.batch;
  return manifest;
}

}  // namespace acute::sample
