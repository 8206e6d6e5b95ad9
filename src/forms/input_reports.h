#pragma once
// The main form's Show Residue File, Show RDF Summary and Show Batch File buttons: their
// checks and the report written to its scratch file in the work folder, ready to be sent
// through the report destination dialog.
#include <filesystem>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"

namespace acute {

struct PreparedReport {
  std::filesystem::path file;  // the scratch file holding the report
  // RDF summary only: a listed file had no chemicals (the cumulative option stays off).
  bool rdf_without_chemicals = false;
  // RDF summary only: every distribution file carries per-chemical data.
  bool rdfs_cumulative = false;
};

// Reads the open residue file again (so the report shows it as it is now) and writes its
// report with the form's endpoint fields, per-kg option and comment; `date` is MM/DD/YYYY
// (today when empty).
std::optional<PreparedReport> PrepareResidueReport(const MainForm& form, const DataSession& session,
                                                   UserPort& port, const std::string& date = "");

// Reads the distribution files of the open residue file first, then writes their summary.
// `unusable` (when given) tells whether the files cannot be used: the form then closes the
// residue file as File, Close does.
std::optional<PreparedReport> PrepareRdfSummary(const MainForm& form, const DataSession& session,
                                                UserPort& port, bool* unusable = nullptr);

std::optional<PreparedReport> PrepareBatchReport(const MainForm& form, const DataSession& session,
                                                 UserPort& port);

}  // namespace acute
