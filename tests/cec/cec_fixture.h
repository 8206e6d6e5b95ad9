#pragma once
// A hand-made data folder for the critical exposure contribution tests: commodity 1 carries
// 1 ppm on its three food forms (codes 11 to 13), commodity 2 carries 2 ppm with an
// adjustment factor of 0.5; three persons whose exposures can be worked out by hand.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/scripted_port.h"
#include "inputs/data_session.h"
#include "support/test_support.h"
#include "ui/main_form.h"

namespace acute::testing {

class CecFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  std::optional<EngineOutcome> Launch();
  // The lines of a work file of the data folder, CR LF removed.
  std::vector<std::string> Lines(const std::string& name) const;

  ScratchFolder dir_;
  DataSession session_;
  MainForm form_;
  ScriptedPort port_;
};

}  // namespace acute::testing
