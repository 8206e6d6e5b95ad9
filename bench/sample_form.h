#pragma once
// The main form of the benchmarks' Monte Carlo analysis of the full-size sample:
// SAMPLEMC.R10 with its own endpoints, populations 1 to 5, `iterations` iterations, seed 1,
// Mersenne Twister.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/work_file_names.h"
#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/rdf/rdf_tables.h"
#include "inputs/residue_reader.h"
#include "reports/report_context.h"
#include "run/run_setup.h"
#include "support/scripted_port.h"

namespace acute::bench {

inline MainForm SampleMonteCarloForm(const DataSession& session, int iterations) {
  ScriptedPort port;
  MainForm form;
  form.residue = ReadResidueFile(session.setup.ResFolder + "SAMPLEMC.R10", session.support, port);
  form.TakeEndpointsFromResidueFile();
  form.standard.assign(session.support.StandardPopulationCount(), false);
  for (int p = 0; p < 5; ++p) form.standard[p] = true;
  form.monte_carlo = true;
  form.iterations = std::to_string(iterations);
  form.seed = "1";
  form.mersenne_twister = true;
  return form;
}

// What a run start writes for `form` before the engine runs: the distribution files' scratch
// file at `scratch` and the pass file of the data folder. Ends the bench when the
// distribution files cannot be used.
inline RdfTables WriteRunStartFiles(const DataSession& session, const MainForm& form,
                                    const std::filesystem::path& scratch) {
  ScriptedPort port;
  RdfTables rdf;
  if (SetUpRdfs(*form.residue, scratch, false, port, rdf) != RdfSetUp::Ok) {
    std::fprintf(stderr, "distribution files: %s\n", port.LastMessage().c_str());
    std::exit(1);
  }
  WritePassFile(session.folder / kPassFileName, SettingsFromForm(form, session, &rdf),
                {session.support.DatabaseKind, session.support.StandardPopulationCount()});
  return rdf;
}

// The report context of a bench run: its settings and populations, both endpoints.
inline ReportContext BenchContext(const DataSession& session, const RunSetup& run) {
  ReportContext ctx;
  ctx.settings = run.settings;
  ctx.toxicity_code = "NR";
  ctx.populations = BuildPopulationList(
      {session.support.PopulationNames.begin() + 1, session.support.PopulationNames.end()},
      run.settings);
  return ctx;
}

}  // namespace acute::bench
