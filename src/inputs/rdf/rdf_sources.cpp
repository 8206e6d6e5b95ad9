#include "inputs/rdf/rdf_sources.h"

#include <algorithm>

#include "common/file_names.h"
#include "inputs/rdf/rdf_messages.h"

namespace acute {

std::vector<RdfSource> LocateRdfs(const ResidueData& residue) {
  std::vector<RdfSource> found;
  std::vector<std::string> missing;
  const int highest = std::min<int>(residue.MaxRdlIndex, static_cast<int>(residue.Rdl.size()) - 1);
  for (int r = 1; r <= highest; ++r) {
    const RdlLine& rdl = residue.Rdl[static_cast<std::size_t>(r)];
    if (rdl.type == DistributionType::None || rdl.rdf_file.empty()) continue;
    std::string name = rdl.rdf_file;
    if (!HasFolder(name) && !residue.ResFolder.empty())
      name = WithSeparator(residue.ResFolder) + name;
    auto path = FindFile(Resolve(residue.ResFolder, rdl.rdf_file));
    if (path)
      found.push_back({r, name, *path});
    else
      missing.push_back(name);
  }
  if (!missing.empty()) throw RdfError(rdf_message::MissingFiles(residue.ResFileName, missing));
  return found;
}

}  // namespace acute
