#include "forms/input_reports.h"

#include "common/print_writer.h"
#include "common/version.h"
#include "forms/main_form.h"
#include "forms/refusal.h"
#include "inputs/batch_report.h"
#include "inputs/rdf/rdf_report.h"
#include "inputs/residue_reader.h"
#include "inputs/residue_report.h"
#include "reports/report_display.h"

namespace acute {
namespace {

std::optional<PreparedReport> Written(const std::filesystem::path& path, const std::string& text,
                                      UserPort& port) {
  if (WriteFileAtomically(path, text)) return PreparedReport{path, false, false};
  Tell(port, kWarning, "Can't write file " + path.string() + ".", Icon::Exclamation);
  return std::nullopt;
}

}  // namespace

std::optional<PreparedReport> PrepareResidueReport(const MainForm& form, const DataSession& session,
                                                   UserPort& port, const std::string& date) {
  if (!form.residue) {
    Tell(port, kWarning, "You need to open a residue file before you print the file.");
    return std::nullopt;
  }
  const auto residue = ReadResidueFile(form.residue->ResFileName, session.support, port);
  if (!residue) return std::nullopt;
  ResidueReportInputs in;
  in.program_version = kProgramVersion;
  in.food_list_version = session.support.RacFfVersion;
  in.print_comments = session.setup.PrintComments();
  in.arfd_text = form.arfd;
  in.noel_text = form.noel;
  in.per_kg = form.per_kg;
  in.comment = form.comment;
  in.date = date.empty() ? TodayDate() : date;
  return Written(session.WorkFolder() / kResidueReportWorkFile, ResidueReportText(*residue, in),
                 port);
}

std::optional<PreparedReport> PrepareRdfSummary(const MainForm& form, const DataSession& session,
                                                UserPort& port, bool* unusable) {
  if (!form.residue) {
    Tell(port, kWarning,
         "You need to open a residue file before you can summarize the RDF files in a residue "
         "file.");
    return std::nullopt;
  }
  if (form.residue->RdlCount < 1) {
    Tell(port, "Sorry!", "The current residue file has no RDF files to summarize.");
    return std::nullopt;
  }
  // The scratch file belongs to the work folder's set: written under its lock and committed
  // whole, so that a failure keeps the previous one.
  const auto lock = LockWorkFolder(session.WorkFolder(), port);
  if (!lock) return std::nullopt;
  WorkSetWriter work(session.WorkFolder(), WorkRun{});
  work.Run().Set("kind", std::string("rdf-summary"));
  RdfTables tables;
  const RdfSetUp read =
      SetUpRdfs(*form.residue, work.TempFor(session.WorkFolder() / kRdfScratchFileName),
                form.dwloc_mode, port, tables);
  if (unusable != nullptr) *unusable = read == RdfSetUp::Unusable;
  if (read != RdfSetUp::Ok) return std::nullopt;
  if (const auto failed = work.Commit()) {
    Tell(port, kWarning, "Can't write file " + failed->string() + ".", Icon::Exclamation);
    return std::nullopt;
  }
  const RdfSummary summary = RdfSummaryText(*form.residue, tables);
  auto prepared = Written(session.WorkFolder() / kRdfReportWorkFile, summary.text, port);
  if (prepared) {
    prepared->rdf_without_chemicals = summary.rdf_without_chemicals;
    prepared->rdfs_cumulative = tables.all_cumulative;
  }
  return prepared;
}

std::optional<PreparedReport> PrepareBatchReport(const MainForm& form, const DataSession& session,
                                                 UserPort& port) {
  if (!form.batch) {
    Tell(port, kWarning, "You need to open a batch file before you print the file.");
    return std::nullopt;
  }
  return Written(session.WorkFolder() / kBatchReportWorkFile, BatchReportText(form.batch->file),
                 port);
}

}  // namespace acute
