#pragma once
// Data folders for the critical exposure contribution tests.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "sample_data/sample_data.h"
#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute::testing {

// A run of the form on the session, at a fixed date and time.
class CecRunFixture : public ::testing::Test {
 protected:
  std::optional<EngineOutcome> Launch();

  ScratchFolder dir_;
  DataSession session_;
  MainForm form_;
  ScriptedPort port_;
};

// A hand-made data folder: commodity 1 carries 1 ppm on its three food forms (codes 11 to
// 13), commodity 2 carries 2 ppm with an adjustment factor of 0.5; three persons whose
// exposures can be worked out by hand.
class CecFixture : public CecRunFixture {
 protected:
  void SetUp() override;
  // The lines of a work file of the data folder, CR LF removed.
  std::vector<std::string> Lines(const std::string& name) const;
};

// A small sample data folder whose Monte Carlo residue file (of one chemical or of two) is
// open for a run of 20 iterations of the Mersenne Twister seeded with `seed`, for the first
// population.
class CecSampleFixture : public CecRunFixture {
 protected:
  void Open(bool two_chemicals, const std::string& seed);
  std::string Read(const std::string& name) const { return ReadText(manifest_.folder / name); }

  sample::SampleManifest manifest_;
};

}  // namespace acute::testing
