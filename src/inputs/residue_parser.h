#pragma once
// The residue file grammar shared by the load view and the analysis view.
#include <optional>
#include <string>

#include "common/user_port.h"
#include "inputs/residue_data.h"
#include "inputs/support_data.h"

namespace acute {

// A refusal: the message box to show.
struct Refusal {
  std::string title;
  std::string text;
  Icon icon = Icon::Information;
};

// Parses the text of a residue file named `path` into `data` (load view). Shows the
// update warning of old kind-0 files, and the notice that control characters in its
// comments became blanks, through `port` unless `quiet`. Returns the refusal when the file
// cannot be used.
std::optional<Refusal> ParseResidueFile(const std::string& text, const std::string& path,
                                        const SupportData& support, bool quiet, UserPort& port,
                                        ResidueData& data);

}  // namespace acute
