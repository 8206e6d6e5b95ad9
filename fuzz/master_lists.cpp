// The master commodity and food-form lists: the input is read as the commodity list of both
// database kinds and as the food-form list, the other list being the sample folder's, and
// every commodity's food forms are then looked up. Only the first kCommodities commodities
// and their food forms are read, so that a run reads a few kilobytes (fuzz/seeds.sh cuts the
// seeds to that size).
#include <algorithm>
#include <fstream>

#include "common/file_names.h"
#include "common/silent_port.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

constexpr const char* kFuzzListName = "FUZZLIST.DAT";
constexpr int kCommodities = 40;

void LookUpEveryFoodForm(const MasterLists& m) {
  for (int c = 0; c <= m.RacCount() + 1; ++c) m.FindFoodForm(c, 0);
}

// A file holding the first `bytes` bytes of `from`.
std::string CutCopy(const std::filesystem::path& from, std::size_t bytes, const std::string& name) {
  std::ifstream in(from, std::ios::binary);
  std::string head(bytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(bytes));
  head.resize(static_cast<std::size_t>(in.gcount()));
  const auto path = FuzzContext::Get().Scratch() / name;
  WriteBytes(path, head);
  return path.string();
}

// The support list of `sample` cut to the first kCommodities commodities and their food
// forms, naming copies of its master lists cut to them.
SupportData FirstCommodities(const SampleFolder& sample) {
  SupportData support = sample.support;
  const MasterLists& m = sample.master;
  support.RacCount = kCommodities;
  support.FoodFormCount = 1;
  for (int c = 1; c <= kCommodities; ++c)
    if (m.RacFfCount[c] > 0)
      support.FoodFormCount = std::max<std::int16_t>(
          support.FoodFormCount, static_cast<std::int16_t>(m.RacFirstFf[c] + m.RacFfCount[c] - 1));
  const std::size_t width = support.DatabaseKind == 0 ? 60 : 62;
  const std::string kind = std::to_string(support.DatabaseKind);
  support.SupportFile[2] = CutCopy(Resolve(sample.folder, support.SupportFile[2]),
                                   width * kCommodities, "RAC" + kind + ".DAT");
  support.SupportFile[3] =
      CutCopy(Resolve(sample.folder, support.SupportFile[3]),
              6 * static_cast<std::size_t>(support.FoodFormCount), "FF" + kind + ".DAT");
  return support;
}

void ReadAs(const SampleFolder& sample, const SupportData& cut, int slot) {
  SupportData support = cut;
  support.SupportFile[slot] = (FuzzContext::Get().Scratch() / kFuzzListName).string();
  SilentPort port;
  Refusable([&] { LookUpEveryFoodForm(ReadMasterLists(sample.folder, support, port)); });
}

}  // namespace
}  // namespace acute::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const SampleFolder& kind2 = FuzzContext::Get().Kind2();
  const SampleFolder& kind0 = FuzzContext::Get().Kind0();
  static const SupportData cut2 = FirstCommodities(kind2);
  static const SupportData cut0 = FirstCommodities(kind0);
  WriteBytes(FuzzContext::Get().Scratch() / kFuzzListName, AsText(data, size));
  ReadAs(kind2, cut2, 2);
  ReadAs(kind0, cut0, 2);
  ReadAs(kind2, cut2, 3);
  return 0;
}
