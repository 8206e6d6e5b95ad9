#pragma once
// The main form's "Uncertainty analysis" frame: bootstrap rounds, their seed and what each
// round resamples; the command line adds the rounds' iterations, the interval level and the
// rounds of a partial run.
#include <optional>
#include <string>

#include "common/user_port.h"
#include "engine/bootstrap_settings.h"

namespace acute {

struct MainForm;

struct BootstrapFrame {
  std::string rounds = "0";  // 0: no uncertainty analysis
  std::string seed;          // blank or 0: the timer
  bool survey = true;        // "Survey persons"
  bool residues = true;      // "Residue samples"
  std::string iterations;    // blank: the run's own
  std::string level = "95";  // percent
  int first_round = 0;       // a partial run: rounds first_round..last_round
  int last_round = -1;       // -1: the whole run
};

inline constexpr const char* kBootstrapTitle = "Uncertainty analysis";

// The frame's settings once its checks pass: the fields' ranges, then what a bootstrap cannot
// go with (DWLOC, batch runs, the runtime-style generator, a partial run without a seed or with
// a CEC file). A run's CEC file comes from its main run.
// std::nullopt after the message of the first check that fails.
std::optional<BootstrapSettings> CheckBootstrapFrame(const MainForm& form, UserPort& port);

// The frame's settings without checks (fields that do not read as numbers give 0).
BootstrapSettings BootstrapSettingsOf(const BootstrapFrame& frame);

}  // namespace acute
