// check-batch and report batch: reading batch files as File, Open Batch File does.
#include <iostream>

#include "commands.h"
#include "common/file_names.h"
#include "inputs/batch_setup.h"

namespace acute::cli {
namespace {

std::string Kind(const ResidueData& r) {
  if (!r.IsMonteCarloFile()) return "plain";
  return "Monte Carlo, " + std::to_string(r.RdlCount) + " RDL lines, " +
         std::to_string(r.ChemicalCount) + (r.ChemicalCount == 1 ? " chemical" : " chemicals");
}

}  // namespace

int RunCheckBatch(const GlobalOptions& global, const std::string& file) {
  ConsolePort port(global.answer);
  const Session session = OpenSession(global, port);
  const auto batch = session.ReadBatchFile(LocateFile(session, file, "batch file", port), port);
  if (!batch) return 1;
  std::cout << "Batch file:  " << batch->file.BatchFileName << "\n";
  if (!batch->file.comment.empty()) {
    std::string comment = batch->file.comment;
    for (std::size_t at; (at = comment.find("\r\n")) != std::string::npos;)
      comment.replace(at, 2, "\n             ");
    std::cout << "Run comment: " << comment << "\n";
  }
  std::cout << "Entries:     " << batch->file.BatchCount() << "\n";
  for (std::size_t i = 0; i < batch->entries.size(); ++i) {
    const ResidueData& r = batch->entries[i];
    std::cout << "  " << i + 1 << ". " << batch->file.BatchResFile[i] << " -> "
              << batch->file.BatchRptFile[i] << " (" << r.ChemicalName << ", " << Kind(r) << ")\n";
  }
  return 0;
}

}  // namespace acute::cli
