#pragma once
// The parts of the run start shared by single and batch runs.
#include <optional>

#include "common/user_port.h"
#include "common/work_set.h"
#include "engine/analysis_settings.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/rdf/rdf_tables.h"

namespace acute {

// The population checks and the half-life check of the run start.
bool CheckPopulations(const MainForm& form, UserPort& port);

// The iterations and seed boxes of a Monte Carlo run must not be blank.
bool CheckMonteCarloFieldsGiven(const MainForm& form, UserPort& port);

// The pass file's settings that do not depend on the residue file.
AnalysisSettings CommonSettingsFromForm(const MainForm& form, const DataSession& session);

// A distribution line as the pass file carries it; `rdf` gives the counts of an empirical one.
RdlRow RowOf(const RdlLine& line, const RdfTables* rdf);

// The checks of a batch run in their order, the distribution files of every Monte Carlo
// entry read into the entry's own scratch file (staged in `staging` when given), and the
// settings of the run. std::nullopt when a check refused the run (its message has been shown).
std::optional<AnalysisSettings> PrepareBatchRun(const MainForm& form, const DataSession& session,
                                                UserPort& port, WorkSetWriter* staging = nullptr);

}  // namespace acute
