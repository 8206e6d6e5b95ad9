// report: the residue file, RDF summary and batch reports; and the sending of any report to
// the screen or, with --save NAME, to a file.
#include <iostream>

#include "commands.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/str.h"
#include "forms/input_reports.h"
#include "forms/main_form_model.h"
#include "forms/report_destination.h"
#include "option_checks.h"

namespace acute::cli {
namespace {

// The main form as File, Open Residue File (or Open Batch File) leaves it.
std::optional<MainForm> OpenForm(const ReportOptions& o, const Session& session, UserPort& port) {
  MainFormModel model;
  const bool batch = o.what == "batch";
  const auto path = LocateFile(session, o.file, batch ? "batch file" : "residue file", port);
  if (batch) {
    if (!model.OpenBatch(session, path, port)) return std::nullopt;
    return model.form;
  }
  if (!model.OpenResidue(session, path, port)) return std::nullopt;
  MainForm form = model.form;
  if (!SetEndpointOptions(o.noel, o.arfd, form, port)) return std::nullopt;
  form.per_kg = !o.per_person;
  if (o.comment) {
    if (!CheckCommentOption(*o.comment, port)) return std::nullopt;
    form.comment = *o.comment;
  }
  return form;
}

}  // namespace

int Deliver(ReportKind kind, const std::filesystem::path& report_file, const std::string& save,
            ConsolePort& port) {
  if (!CheckSaveOption(save, port)) return 1;
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
  const Session session = OpenSession(global, port);
  const auto form = OpenForm(o, session, port);
  if (!form) return 1;
  std::optional<PreparedReport> prepared;
  ReportKind kind = ReportKind::Residue;
  if (o.what == "residue") prepared = PrepareResidueReport(*form, session.Data(), port);
  if (o.what == "rdf") {
    kind = ReportKind::Rdf;
    prepared = PrepareRdfSummary(*form, session.Data(), port);
  }
  if (o.what == "batch") {
    kind = ReportKind::Batch;
    prepared = PrepareBatchReport(*form, session.Data(), port);
  }
  if (!prepared) return 1;
  return Deliver(kind, prepared->file, o.save, port);
}

}  // namespace acute::cli
