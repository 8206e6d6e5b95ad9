#include "forms/bootstrap_frame.h"

#include <cmath>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "forms/main_form.h"
#include "forms/refusal.h"
#include "random/round_streams.h"

namespace acute {
namespace {

// The field as a whole number from low to high (blank: `blank`); none when it is not one.
std::optional<double> WholeNumber(const std::string& text, double low, double high, double blank) {
  const std::string t = TrimBlanks(text);
  if (t.empty()) return blank;
  double v = 0;
  if (!ParseNumber(t, v) || v < low || v > high || v != std::floor(v)) return std::nullopt;
  return v;
}

// The level in tenths of a percent, from 50 to 99.9; none otherwise.
std::optional<int> LevelTenths(const std::string& text) {
  double v = 0;
  if (!ParseNumber(TrimBlanks(text), v) || !(v >= 50 && v <= 99.9)) return std::nullopt;
  const double tenths = std::round(v * 10);
  if (std::fabs(tenths - v * 10) > 1e-6) return std::nullopt;
  return static_cast<int>(tenths);
}

bool CheckFields(const BootstrapFrame& b, UserPort& port) {
  if (!WholeNumber(b.rounds, 0, kMaxBootstrapRounds, 0))
    return Refuse(port, kBootstrapTitle,
                  "Bootstrap rounds must be a whole number from 0 to " +
                      std::to_string(kMaxBootstrapRounds) + ".");
  if (!WholeNumber(b.seed, 0, 4294967295.0, 0))
    return Refuse(port, kBootstrapTitle,
                  "Bootstrap seed must be a whole number from 0 to 4294967295 (0: the timer).");
  if (!WholeNumber(b.iterations, 1, 5000, 0))
    return Refuse(port, kBootstrapTitle, "Iterations per bootstrap round must be 1-5000.");
  if (!LevelTenths(b.level))
    return Refuse(port, kBootstrapTitle,
                  "The interval level must be a percent from 50 to 99.9 (at most one decimal).");
  return true;
}

// What a bootstrap cannot go with, as the form stands.
std::string Conflict(const MainForm& f, const BootstrapSettings& s) {
  if (f.batch && !f.residue)
    return "An uncertainty analysis is made for one residue file; run the residue files of the "
           "batch one at a time, or set the bootstrap rounds to 0.";
  if (f.dwloc_mode)
    return "An uncertainty analysis is made for acute analyses only; choose Acute Analysis, or "
           "set the bootstrap rounds to 0.";
  if (f.save_cec && s.Partial())
    return "A run of some bootstrap rounds writes no CEC file: the CEC file comes from the main "
           "run. Save it from a whole run, or clear the CEC box.";
  if (f.monte_carlo && !f.mersenne_twister)
    return "The bootstrap rounds draw from the Mersenne Twister generator: the Microsoft VB "
           "generator's period is too short for them. Choose Mersenne Twister, or set the "
           "bootstrap rounds to 0.";
  if (s.Partial() && s.seed == 0)
    return "A run of some bootstrap rounds needs a bootstrap seed other than 0, so that its "
           "rounds are those of the other runs of the same bootstrap.";
  if (s.Partial() && (s.first_round > s.last_round || s.last_round > s.rounds))
    return "The rounds of a partial run must lie from 0 to " + std::to_string(s.rounds) + ".";
  return "";
}

}  // namespace

BootstrapSettings BootstrapSettingsOf(const BootstrapFrame& b) {
  BootstrapSettings s;
  s.rounds = static_cast<int>(WholeNumber(b.rounds, 0, kMaxBootstrapRounds, 0).value_or(0));
  s.seed = static_cast<std::uint32_t>(WholeNumber(b.seed, 0, 4294967295.0, 0).value_or(0));
  s.survey = b.survey;
  s.residues = b.residues;
  s.iterations = static_cast<int>(WholeNumber(b.iterations, 1, 5000, 0).value_or(0));
  s.level_tenths = LevelTenths(b.level).value_or(950);
  s.first_round = b.first_round;
  s.last_round = b.last_round;
  return s;
}

std::optional<BootstrapSettings> CheckBootstrapFrame(const MainForm& form, UserPort& port) {
  if (!CheckFields(form.bootstrap, port)) return std::nullopt;
  const BootstrapSettings s = BootstrapSettingsOf(form.bootstrap);
  if (!s.On()) return BootstrapSettings{};
  if (const std::string conflict = Conflict(form, s); !conflict.empty()) {
    Refuse(port, kBootstrapTitle, conflict);
    return std::nullopt;
  }
  return s;
}

}  // namespace acute
