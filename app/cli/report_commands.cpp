// report: the residue file, RDF summary and batch reports; and the sending of any report to
// the screen or, with --save NAME, to a file.
#include <iostream>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/print_writer.h"
#include "common/str.h"
#include "common/version.h"
#include "inputs/data_session.h"
#include "inputs/rdf_report.h"
#include "inputs/residue_reader.h"
#include "inputs/residue_report.h"
#include "ui/report_destination.h"

namespace acute::cli {
namespace {

std::optional<ResidueData> OpenResidue(const std::string& file, const DataSession& session,
                                       UserPort& port) {
  auto path = LocateResidueFile(file, session);
  if (!path) {
    Tell(port, "Path Error", "Can't find file " + file + ".");
    return std::nullopt;
  }
  return ReadResidueFile(*path, session.support, port);
}

// Writes the report's work file; false after a message when it cannot be written.
bool WriteReportFile(const std::filesystem::path& path, const std::string& text, UserPort& port) {
  if (WriteFileAtomically(path, text)) return true;
  Tell(port, "Warning", "Can't write file " + path.string() + ".", Icon::Exclamation);
  return false;
}

int ResidueReport(const ReportOptions& o, const DataSession& session, ConsolePort& port) {
  auto residue = OpenResidue(o.file, session, port);
  if (!residue) return 1;
  ResidueReportInputs in;
  in.program_version = kProgramVersion;
  in.food_list_version = session.support.RacFfVersion;
  in.print_comments = session.setup.PrintComments();
  in.arfd_text = TrimStr(residue->ResARfD);
  in.noel_text = TrimStr(residue->ResNoel);
  in.per_kg = !o.per_person;
  in.comment = o.comment;
  in.date = TodayDate();
  const auto path = session.WorkFolder() / kResidueReportWorkFile;
  if (!WriteReportFile(path, ResidueReportText(*residue, in), port)) return 1;
  return Deliver(ReportKind::Residue, path, o.save, port);
}

int RdfReport(const ReportOptions& o, const DataSession& session, ConsolePort& port) {
  auto residue = OpenResidue(o.file, session, port);
  if (!residue) return 1;
  if (residue->RdlCount < 1) {
    Tell(port, "Sorry!", "The current residue file has no RDF files to summarize.");
    return 1;
  }
  // The distribution files of this residue file are read first, so the summary never shows
  // the tables of another file.
  RdfTables tables;
  const auto scratch = session.WorkFolder() / kRdfScratchFileName;
  if (SetUpRdfs(*residue, scratch, false, port, tables) != RdfSetUp::Ok) return 1;
  const auto path = session.WorkFolder() / kRdfReportWorkFile;
  if (!WriteReportFile(path, RdfSummaryText(*residue, tables).text, port)) return 1;
  return Deliver(ReportKind::Rdf, path, o.save, port);
}

}  // namespace

int Deliver(ReportKind kind, const std::filesystem::path& report_file, const std::string& save,
            ConsolePort& port) {
  ReportDestinationDialog dialog(kind, "", std::filesystem::current_path());
  if (save.empty()) {
    dialog.OnScreen();
  } else {
    port.SetSaveName(save);
    dialog.OnDiskFile(port);
    if (dialog.IsOpen()) {
      std::cerr << "acute: the report was not saved\n";
      return 1;
    }
  }
  return SendChosen(dialog, report_file, port) ? 0 : 1;
}

int RunReport(const GlobalOptions& global, const ReportOptions& o) {
  ConsolePort port(global.answer);
  DataSession session = OpenDataSession(StartFolder(global), port);
  session.work_folder = WorkFolderOption(global);
  if (o.what == "residue") return ResidueReport(o, session, port);
  if (o.what == "rdf") return RdfReport(o, session, port);
  return RunBatchReport(o, session, port);
}

}  // namespace acute::cli
