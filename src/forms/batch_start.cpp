// The run start of a batch: the checks that concern every entry, the distribution files of
// each Monte Carlo entry in its own scratch file, and the batch records of the pass file.
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "forms/refusal.h"
#include "forms/run_checks.h"

namespace acute {
namespace {

bool AnyPad(const MainForm& f) {
  if (f.standard_pad.Any()) return true;
  for (const auto& c : f.custom)
    if (c.population.pad > 0) return true;
  return false;
}

// The residue files of the batch that fail `lacks`, one per line.
template <typename Lacks>
std::string Listed(const OpenBatch& b, Lacks lacks) {
  std::string list;
  for (std::size_t i = 0; i < b.entries.size(); ++i)
    if (lacks(b.entries[i])) list += (list.empty() ? "" : "\r\n") + b.file.BatchResFile[i];
  return list;
}

bool CheckEndpoints(const MainForm& f, UserPort& port) {
  const OpenBatch& b = *f.batch;
  if (f.dwloc_mode && !f.per_kg)
    return Refuse(port, "Body weight specification problem",
                  "You must divide exposure by body weight when conducting a DWLOC analysis.");
  if (!f.per_kg) return true;
  const std::string neither =
      Listed(b, [](const ResidueData& r) { return r.ResNoel <= 0 && r.ResARfD <= 0; });
  if (!neither.empty())
    return Refuse(port, kWarning,
                  "Can't proceed because the following residue files do not have either an "
                  "acute NOEL or aRfD value:\r\n" +
                      neither);
  const std::string no_arfd = Listed(b, [](const ResidueData& r) { return r.ResARfD <= 0; });
  if (f.dwloc_mode && !no_arfd.empty())
    return Refuse(port, kWarning,
                  "Can't proceed because the following residue files do not have the acute aRfD "
                  "value needed for DWLOC analysis:\r\n" +
                      no_arfd);
  if (f.pad && !no_arfd.empty())
    return Refuse(port, "Toxicology endpoints",
                  "If you use PAD values you must also include an RfD");
  return true;
}

bool CheckBatchForm(const MainForm& f, const AnalysisSettings& s, UserPort& port) {
  if (f.pad && f.per_kg && !AnyPad(f))
    return Refuse(port, "No PAD values available",
                  "PAD is checked but no PAD values are entered. Use Edit PAD button to show PAD "
                  "data entry form.");
  if (s.cec_flag) return Refuse(port, kWarning, kNoCecInBatchRuns);
  if (!CheckMonteCarloFieldsGiven(f, port)) return false;
  return CheckEndpoints(f, port) && CheckPopulations(f, port);
}

bool HasEmpirical(const ResidueData& r) {
  for (const RdlLine& line : r.Rdl)
    if (line.type == DistributionType::Empirical) return true;
  return false;
}

// The entry's records: residue file, output base, number and, in a Monte Carlo run, its
// distribution lines and scratch file, filled by reading its distribution files.
std::optional<BatchEntry> EntryOf(const MainForm& f, std::size_t i, const DataSession& session,
                                  UserPort& port, WorkSetWriter* staging) {
  const OpenBatch& b = *f.batch;
  const ResidueData& r = b.entries[i];
  BatchEntry e;
  e.residue_file = BatchResiduePath(b.file, i).string();  // the name as the folder has it
  e.output_base = b.file.BatchFolder + b.file.BatchRptFile[i];
  e.number = b.numbers[i];
  e.max_rdl_index = r.MaxRdlIndex;
  if (!f.monte_carlo || !r.OffersMonteCarlo()) return e;
  e.rdf_work_file = "rdfl" + TrimStr(e.number) + ".TMP";
  RdfTables rdf;
  const std::filesystem::path scratch = session.WorkFolder() / e.rdf_work_file;
  if (HasEmpirical(r) && SetUpRdfs(r, staging ? staging->TempFor(scratch) : scratch, f.dwloc_mode,
                                   port, rdf) != RdfSetUp::Ok)
    return std::nullopt;
  for (int k = 1; k <= r.MaxRdlIndex && k < static_cast<int>(r.Rdl.size()); ++k)
    if (r.Rdl[k].type != DistributionType::None) e.rows.push_back(RowOf(r.Rdl[k], &rdf));
  return e;
}

}  // namespace

std::optional<AnalysisSettings> PrepareBatchRun(const MainForm& f, const DataSession& session,
                                                UserPort& port, WorkSetWriter* staging) {
  AnalysisSettings s = CommonSettingsFromForm(f, session);
  if (!CheckBatchForm(f, s, port)) return std::nullopt;
  const OpenBatch& b = *f.batch;
  s.batch_count = static_cast<std::int16_t>(b.entries.size());
  s.residue_file = b.file.BatchFileName;
  s.working_folder = b.file.BatchFolder;
  s.arfd = 0;  // each entry's own endpoints are used
  s.noel = 0;
  s.save_report = 1;
  s.report_file.clear();
  s.save_plot = 1;
  s.plot_file.clear();
  for (std::size_t i = 0; i < b.entries.size(); ++i) {
    auto entry = EntryOf(f, i, session, port, staging);
    if (!entry) return std::nullopt;
    s.batch.push_back(std::move(*entry));
  }
  return s;
}

}  // namespace acute
