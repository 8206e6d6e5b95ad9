#pragma once
// The main form of the benchmarks' Monte Carlo analysis of the full-size sample:
// SAMPLEMC.R10 with its own endpoints, populations 1 to 5, `iterations` iterations, seed 1,
// Mersenne Twister.
#include <string>

#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
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

}  // namespace acute::bench
