#pragma once
// The distribution files that a residue file names, found on disk.
#include <filesystem>
#include <string>
#include <vector>

#include "inputs/residue_data.h"

namespace acute {

struct RdfSource {
  int rdl = 0;
  std::string name;            // as shown in messages: the residue folder + a bare name
  std::filesystem::path path;  // the file found (case-insensitive match of its name)
};

// Every RDL with a non-zero type and a file name, in index order. A name without a folder
// is taken relative to the residue file's folder (so is a relative name with a folder, as
// the library has no current directory). Throws RdfError with the missing-files message
// when any file does not exist.
std::vector<RdfSource> LocateRdfs(const ResidueData& residue);

}  // namespace acute
