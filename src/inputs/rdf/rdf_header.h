#pragma once
// The header of a residue distribution file: comment lines, keyword lines and the free
// lines among the first four, up to the first data line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "inputs/rdf/rdf_text.h"

namespace acute {

struct RdfHeader {
  std::int32_t total_nz = 0;
  bool nz_declared = false;
  std::int32_t total_z = 0;
  std::int16_t chem_count = 0;  // 1 to 40 in a cumulative file, else 0
  std::vector<std::string> chem_names = std::vector<std::string>(41);  // 1 to 40
  std::int16_t total_freq = 0;
  bool freq_declared = false;
  std::int32_t total_lod = 0;
  bool lod_declared = false;
  float lod_res = 0;
  std::int16_t header_lines = 0;
  std::size_t first_data = 0;  // index in the lines of the first data line

  bool cumulative() const { return chem_count > 0; }
};

// Reads the header of the file whose non-empty lines are `lines`; `name` is the file name
// used in messages. Throws RdfError after the first fault.
RdfHeader ReadRdfHeader(const std::vector<RdfLine>& lines, const std::string& name);

}  // namespace acute
