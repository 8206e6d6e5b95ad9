#include "inputs/master_lists.h"

#include "common/binary_records.h"
#include "common/errors.h"
#include "common/file_names.h"

namespace acute {
namespace {

[[noreturn]] void Damaged(UserPort& port, const std::string& file, const std::string& why) {
  std::string text = "The master list " + file + " " + why + ". Can't continue.";
  Tell(port, "Can't continue without files", text, Icon::Critical);
  throw RunEnds(text);
}

ByteReader Open(const std::filesystem::path& folder, const std::string& name, UserPort& port) {
  auto path = FindFile(Resolve(folder, name));
  try {
    if (!path) throw std::runtime_error("missing");
    return ByteReader::FromFile(*path);
  } catch (const std::runtime_error&) {
    Damaged(port, name, "cannot be opened");
  }
}

std::string RightTrimmed(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.pop_back();
  return s;
}

}  // namespace

int MasterLists::FindFoodForm(int c, int code) const {
  if (c < 1 || c > RacCount()) return 0;
  const int first = RacFirstFf[c];
  for (int f = first; f < first + RacFfCount[c]; ++f)
    if (FfCode[f] == code) return f;
  return 0;
}

MasterLists ReadMasterLists(const std::filesystem::path& folder, const SupportData& support,
                            UserPort& port) {
  MasterLists m;
  const int racs = support.RacCount;
  const int forms = support.FoodFormCount;
  const std::size_t code_width = support.DatabaseKind == 0 ? 8 : 10;
  m.RacCode.assign(racs + 1, "");
  m.RacCropGroup.assign(racs + 1, "");
  m.RacName.assign(racs + 1, "");
  m.RacFfCount.assign(racs + 1, 0);
  m.RacFirstFf.assign(racs + 1, 0);
  m.FfCode.assign(forms + 1, 0);
  m.FfRac.assign(forms + 1, 0);
  const std::string& rac_file = support.SupportFile[2];
  ByteReader in = Open(folder, rac_file, port);
  try {
    for (int c = 1; c <= racs; ++c) {
      std::int16_t present = in.I2();
      std::string code = in.Text(code_width);
      std::string crop = in.Text(3);
      in.Skip(4);
      std::string name = in.Text(39);
      std::int16_t count = in.I2();
      std::int16_t first = in.I2();
      if (present == 0) continue;
      if (count < 0 || (count > 0 && (first < 1 || first + count - 1 > forms)))
        Damaged(port, rac_file,
                "gives commodity " + std::to_string(c) + " food forms outside the food-form list");
      m.RacCode[c] = RightTrimmed(code);
      m.RacCropGroup[c] = RightTrimmed(crop);
      m.RacName[c] = RightTrimmed(name);
      m.RacFfCount[c] = count;
      m.RacFirstFf[c] = first;
      for (int f = first; f < first + count; ++f) m.FfRac[f] = static_cast<std::int16_t>(c);
    }
  } catch (const ShortRecordError&) {
    Damaged(port, rac_file, "is shorter than its " + std::to_string(racs) + " records");
  }
  const std::string& ff_file = support.SupportFile[3];
  ByteReader ff = Open(folder, ff_file, port);
  try {
    for (int f = 1; f <= forms; ++f) {
      m.FfCode[f] = ff.I2();
      ff.Skip(4);
    }
  } catch (const ShortRecordError&) {
    Damaged(port, ff_file, "is shorter than its " + std::to_string(forms) + " records");
  }
  return m;
}

}  // namespace acute
