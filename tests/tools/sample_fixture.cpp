#include "sample_fixture.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "support/test_support.h"

namespace acute::sample::testing {

const SampleManifest& SmallSample(int kind) {
  static acute::testing::ScratchFolder scratch;
  static std::map<int, SampleManifest> written;
  auto found = written.find(kind);
  if (found != written.end()) return found->second;
  SampleOptions options;
  options.kind = kind;
  options.persons = 200;
  options.seed = 7;
  return written[kind] = WriteSampleData(scratch / ("kind" + std::to_string(kind)), options);
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
    if (item.is_regular_file())
      files[item.path().lexically_relative(folder).generic_string()] =
          acute::testing::ReadText(item.path());
  return files;
}

OpenedSample OpenSample(const SampleManifest& m) {
  ScriptedPort port;
  OpenedSample sample;
  sample.session = OpenDataSession(m.folder, port);
  sample.master = ReadMasterLists(m.folder, sample.session.support, port);
  EXPECT_TRUE(port.Messages().empty()) << port.LastMessage();
  return sample;
}

ConsumptionData ReadSurvey(const OpenedSample& sample, bool eating_occasions) {
  const SupportData& s = sample.session.support;
  ConsumptionFiles files;
  files.folder = sample.session.setup.ConsumptionFolder();
  files.names = eating_occasions ? s.ConsumptionListB : s.ConsumptionListA;
  files.first = s.ConsumptionListFirst;
  files.last = s.ConsumptionListLast;
  ScriptedPort port;
  ConsumptionData data = ReadConsumptionData(
      files, {s.DatabaseKind, eating_occasions, sample.master.FoodFormCount()}, port);
  EXPECT_TRUE(port.Messages().empty()) << port.LastMessage();
  return data;
}

}  // namespace acute::sample::testing
