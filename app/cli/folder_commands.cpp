// populations and --version: what the data folder and the program offer, by name and number.
#include <iostream>

#include "commands.h"
#include "common/version.h"
#include "engine/pass_file.h"

namespace acute::cli {

int RunPopulations(const GlobalOptions& global) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  const SupportData& s = session.Data().support;
  const PassFileLayout layout{s.DatabaseKind, s.StandardPopulationCount()};
  std::cout << "Standard populations of " << session.DataFolder().string() << " (give --pop N):\n";
  for (int p = 1; p <= s.StandardPopulationCount(); ++p)
    std::cout << (p < 10 ? "   " : "  ") << p << "  " << s.PopulationNames[p] << "\n";
  std::cout << "PAD populations (give --pad with --pad-value N=X): " << layout.FirstPadPopulation()
            << " to " << s.StandardPopulationCount() << "\n";
  return 0;
}

int RunVersion(const GlobalOptions& global, bool data_given) {
  std::cout << "acute " << kProgramVersion << "\n";
  if (!data_given) return 0;
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  const SupportData& s = session.Data().support;
  std::cout << "data folder " << session.DataFolder().string()
            << ": commodity/food-form list version " << s.RacFfVersion << ", " << s.DatabaseTitle
            << "\n";
  return 0;
}

}  // namespace acute::cli
