#pragma once
// Runs on a hand-made data folder whose figures can be worked out by hand: commodity 1
// carries 1 ppm on each of its food forms (master numbers 1 to 3), a factor of 0.001 mg per
// gram; the aRfD is 0.02 and the NOEL 5 mg/kg bw/day. Population 1 is selected.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/pass_file.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "inputs/residue_reader.h"
#include "reports/report_specs.h"
#include "run/run_setup.h"
#include "support/data_folder_fixture.h"
#include "support/scripted_port.h"
#include "support/survey_fixture.h"
#include "support/test_support.h"

namespace acute::testing {

inline const char* kHandMadeResidue =
    "\"Testchem\",0\r\n\"21-07-aNH2\"\r\n0.02,\"mg\"\r\n0,5,0\r\n\"12/01/2026\"\r\n3\r\n1\r\n"
    "1,\"10000001\",\"01\",1,1,1,0,\"Commodity 1\",\"\"\r\n";

class HandMadeRun : public ::testing::Test {
 protected:
  // Writes the folder with these persons and opens the residue file on the form.
  void Prepare(const std::vector<FixturePerson>& people) {
    WriteDataFolder(dir_.path());
    WriteSurvey(dir_ / "survey", people);
    WriteText(dir_ / "residues/TEST.R10", kHandMadeResidue);
    ASSERT_TRUE(WriteReportSpecsFile(dir_ / "AcutSpec.txt", DefaultReportSpecs()));
    ScriptedPort quiet;
    session_ = OpenDataSession(dir_.path(), quiet);
    OpenResidue();
    form_.standard = {true, false, false};
  }
  void OpenResidue() {
    ScriptedPort quiet;
    form_.residue = ReadResidueFile(dir_ / "residues/TEST.R10", session_.support, quiet);
    ASSERT_TRUE(form_.residue.has_value()) << quiet.LastMessage();
    form_.TakeEndpointsFromResidueFile();
  }
  std::optional<EngineOutcome> Launch() {
    return LaunchAnalysis(form_, session_, port_, "12/06/2026", "10:00:00");
  }
  // Writes the pass file of the form's settings; the request of an engine run.
  EngineRequest Request() {
    EXPECT_TRUE(
        WritePassFile(session_.folder / kPassFileName, SettingsFromForm(form_, session_), {2, 3}));
    return {session_, FormSettingsFromForm(form_), DefaultReportSpecs(), "", ""};
  }

  ScratchFolder dir_;
  DataSession session_;
  MainForm form_;
  ScriptedPort port_;
};

}  // namespace acute::testing
