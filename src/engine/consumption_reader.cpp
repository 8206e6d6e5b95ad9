// Reading the binary consumption files: person records, member groups, day records and
// food entries.
#include <cmath>

#include "common/binary_records.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/input_limits.h"
#include "common/str.h"
#include "engine/consumption_data.h"

namespace acute {
namespace {

constexpr std::size_t kPersonRecordSize = 33;
constexpr std::size_t kMemberRecordSize = 39;
constexpr std::size_t kDayRecordSize = 35;

class Damage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Member(const SurveyGroup& g) {
  return "member " + std::to_string(g.member) + " has ";
}

// A body weight in kg, above 0 and at most the largest body weight.
void CheckBodyWeight(float kg) {
  if (kg == 0) throw Damage("a body weight of 0");
  if (!std::isfinite(kg)) throw Damage("a body weight that is not a number");
  if (kg < 0) throw Damage("a negative body weight (" + TrimStr(kg) + " kg)");
  if (kg > kMaxBodyWeight)
    throw Damage("a body weight above " + std::to_string(std::lround(kMaxBodyWeight)) + " kg");
}

// The grams of a food entry: from 0 to the largest amount.
void CheckGrams(const SurveyGroup& g, float grams) {
  if (!std::isfinite(grams)) throw Damage(Member(g) + "an amount of food that is not a number");
  if (grams < 0) throw Damage(Member(g) + "a negative amount of food (" + TrimStr(grams) + " g)");
  if (grams > kMaxGrams)
    throw Damage(Member(g) + "an amount of food above " + std::to_string(std::lround(kMaxGrams)) +
                 " g");
}

MemberFacts ReadMember(ByteReader& in, SurveyGroup& g) {
  const std::size_t start = in.Position();
  MemberFacts f;
  in.Skip(5);
  g.member = in.I2();
  in.Skip(1);
  f.age = in.I2();
  f.sex = in.Char();
  f.race = in.Char();
  f.hispanic = in.Char();
  in.Skip(1);
  f.female_status = in.Char();
  f.nursing = in.Char();
  in.Skip(3 + 4);
  g.sample_weight = in.I4();
  if (g.sample_weight < 0)
    throw Damage(Member(g) + "a negative sample weight (" +
                 std::to_string(static_cast<std::int64_t>(g.sample_weight)) + ")");
  in.Seek(start + kMemberRecordSize);
  return f;
}

void ReadDay(ByteReader& in, SurveyGroup& g, MemberFacts& f) {
  const std::size_t start = in.Position();
  in.Skip(3);
  g.body_weight = in.R4();
  in.Skip(4);
  f.month = in.I2();
  f.day = in.I2();
  in.Skip(2);
  std::int16_t n1 = in.I2();
  g.water_code[0] = in.I2();
  in.Skip(2 + 4 + 2);
  std::int16_t n2 = in.I2();
  g.water_code[1] = in.I2();
  in.Seek(start + kDayRecordSize);
  if (n1 < 0 || n2 < 0) throw Damage("a negative number of food entries");
  g.day_entries[0] = static_cast<std::uint16_t>(n1);
  g.day_entries[1] = static_cast<std::uint16_t>(n2);
  CheckBodyWeight(g.body_weight);
}

// A food form of the master list: 1 to its count.
void CheckFoodForm(const SurveyGroup& g, std::int16_t food_form, int food_forms) {
  if (food_form < 1 || food_form > food_forms)
    throw Damage(Member(g) + "a food-form number (" + std::to_string(food_form) +
                 ") outside the master food-form list (1 to " + std::to_string(food_forms) + ")");
}

// An eating time: hours x 100 + minutes. One above 2400 stands for the previous entry's
// time (the exposure step replaces it); a negative one is no time at all.
void CheckTime(const SurveyGroup& g, std::int16_t time) {
  if (time < 0) throw Damage(Member(g) + "a negative eating time (" + std::to_string(time) + ")");
}

void ReadEntries(ByteReader& in, const SurveyGroup& g, const SurveyLayout& layout,
                 ConsumptionData& data) {
  const int n = g.day_entries[0] + g.day_entries[1];
  for (int i = 0; i < n; ++i) {
    FoodEntry e;
    e.food_form = in.I2();
    CheckFoodForm(g, e.food_form, layout.food_forms);
    e.grams = in.R4();
    CheckGrams(g, e.grams);
    if (layout.occasions) {
      e.time = in.I2();
      CheckTime(g, e.time);
    }
    data.entries.push_back(e);
  }
}

// One person record and its member groups; false at the end marker.
bool ReadPerson(ByteReader& in, const SurveyLayout& layout, ConsumptionData& data,
                std::int32_t& person) {
  if (in.AtEnd()) return false;
  const std::size_t start = in.Position();
  in.Skip(1);
  person = in.I4();
  if (person == 0) return false;
  in.Skip(4);
  const char region = in.Char();
  in.Seek(start + 29);
  const std::int16_t groups = in.I2();
  in.Seek(start + kPersonRecordSize);
  if (groups < 0) throw Damage("a negative number of member groups");
  for (int k = 0; k < groups; ++k) {
    const std::int16_t present = in.I2();
    if (present == 0) continue;
    if (present != 1) throw Damage("a presence flag of " + std::to_string(present));
    SurveyGroup g;
    g.person = person;
    MemberFacts f = ReadMember(in, g);
    f.region = region;
    ReadDay(in, g, f);
    g.attributes = DeriveAttributes(f, layout.database_kind);
    g.sex_letter = f.sex == '2' ? 'F' : 'M';
    g.sex = f.sex;
    g.age = f.age;
    g.first_entry = static_cast<std::uint32_t>(data.entries.size());
    ReadEntries(in, g, layout, data);
    data.groups.push_back(g);
  }
  return true;
}

[[noreturn]] void Damaged(UserPort& port, const std::filesystem::path& file, std::int32_t person,
                          const std::string& why) {
  std::string text = "The food consumption file " + file.string() + " is damaged at person " +
                     std::to_string(person) + ": " + why + ". The analysis cannot continue.";
  Tell(port, "Damaged food consumption file", text, Icon::Critical);
  throw RunEnds(text);
}

void ReadFile(const std::filesystem::path& path, const SurveyLayout& layout, UserPort& port,
              ConsumptionData& data) {
  ByteReader in = ByteReader::FromFile(path);
  std::int32_t person = 0;
  try {
    for (;;) {
      const std::size_t groups_before = data.groups.size();
      if (!ReadPerson(in, layout, data, person)) break;
      data.person_first_group.back() = static_cast<std::uint32_t>(groups_before);
      data.person_first_group.push_back(static_cast<std::uint32_t>(data.groups.size()));
      if (port.CancelRequested()) throw RunEnds("cancelled");
    }
  } catch (const ShortRecordError&) {
    Damaged(port, path, person, "the file ends inside a record");
  } catch (const Damage& e) {
    Damaged(port, path, person, e.what());
  }
}

}  // namespace

std::filesystem::path ConsumptionFiles::PathOf(int index) const {
  if (index < first || index > last || index >= static_cast<int>(names.size())) return {};
  return Resolve(folder, names[index]);
}

void CheckConsumptionFile(const ConsumptionFiles& files, int index, UserPort& port) {
  std::filesystem::path path = files.PathOf(index);
  if (!path.empty() && FindFile(path)) return;
  const std::string shown =
      path.empty() ? files.folder + "(index " + std::to_string(index) + ")" : path.string();
  std::string text = "Can't find food consumption file " + shown +
                     "\r\nPlease check for food consumption files in the assigned path (" +
                     files.folder + ").";
  Tell(port, "Can't continue without files", text);
  throw ProgramEnds(text);
}

ConsumptionData ReadConsumptionData(const ConsumptionFiles& files, const SurveyLayout& layout,
                                    UserPort& port) {
  ConsumptionData data;
  data.eating_occasions = layout.occasions;
  data.person_first_group.push_back(0);
  for (int i = files.first; i <= files.last; ++i) {
    CheckConsumptionFile(files, i, port);
    std::filesystem::path path = *FindFile(files.PathOf(i));
    ShowPhase(port, "Reading food consumption data", path.filename().string());
    try {
      ReadFile(path, layout, port, data);
    } catch (const std::runtime_error& e) {
      if (dynamic_cast<const RunEnds*>(&e)) throw;
      Damaged(port, path, 0, e.what());
    }
  }
  return data;
}

}  // namespace acute
