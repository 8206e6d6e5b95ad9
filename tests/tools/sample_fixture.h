#pragma once
// Generated sample folders read with the program's own readers, which the hand-made
// fixtures of the other suites pin to the file layouts.
#include <filesystem>
#include <map>
#include <string>

#include "engine/consumption_data.h"
#include "inputs/data_session.h"
#include "inputs/master_lists.h"
#include "sample_data/sample_data.h"

namespace acute::sample::testing {

// A 200-person folder of the kind (0 or 2), written once per test run.
const SampleManifest& SmallSample(int kind);

// Every file under `folder` by its relative name, with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder);

// The support list, set-up file and master lists of a folder, read without any message.
struct OpenedSample {
  DataSession session;
  MasterLists master;
};
OpenedSample OpenSample(const SampleManifest& m);

// The whole survey: daily totals (list A) or eating occasions (list B), read without any
// message.
ConsumptionData ReadSurvey(const OpenedSample& sample, bool eating_occasions);

}  // namespace acute::sample::testing
