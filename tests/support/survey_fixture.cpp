#include "support/survey_fixture.h"

#include "common/binary_records.h"

namespace acute::testing {
namespace {

void PersonRecord(ByteWriter& w, const FixturePerson& p) {
  w.Char(' ');
  w.I4(p.number);
  w.I2(0);
  w.I2(0);
  w.Char(p.region);
  w.Char(' ');
  w.I2(0);
  w.I4(0);
  w.I2(0);
  w.Text("", 4);
  w.Zeros(6);
  w.I2(1);  // one member group
  w.I2(0);
}

void MemberRecord(ByteWriter& w, const FixturePerson& p) {
  w.Char(' ');
  w.I4(0);
  w.I2(1);
  w.Char(' ');
  w.I2(p.age);
  w.Char(p.sex);
  w.Char(p.race);
  w.Char('5');
  w.Char(' ');
  w.Char(p.female_status);
  w.Char(p.nursing);
  w.Text("", 3);
  w.I4(0);
  w.I4(p.sample_weight);
  w.I4(0);
  w.I2(0);
  w.I2(0);
  w.I4(0);
}

void DayRecord(ByteWriter& w, const FixturePerson& p) {
  w.Char(' ');
  w.I2(0);
  w.R4(p.body_weight);
  w.I4(0);
  w.I2(p.month);
  w.I2(p.day);
  w.Text("", 2);
  w.I2(static_cast<std::int16_t>(p.day1.size()));
  w.I2(p.water_code[0]);
  w.Text("", 2);
  w.Zeros(4);
  w.Text("", 2);
  w.I2(static_cast<std::int16_t>(p.day2.size()));
  w.I2(p.water_code[1]);
  w.Text("", 2);
}

void Entries(ByteWriter& w, const std::vector<FixtureEntry>& entries, bool occasions) {
  for (const auto& e : entries) {
    w.I2(e.food_form);
    w.R4(e.grams);
    if (occasions) w.I2(e.time);
  }
}

void Terminator(ByteWriter& w) {
  w.Char(' ');
  w.I4(0);
  w.Zeros(28);
}

}  // namespace

std::vector<std::uint8_t> SurveyBytes(const std::vector<FixturePerson>& persons, bool occasions) {
  ByteWriter w;
  for (const auto& p : persons) {
    PersonRecord(w, p);
    w.I2(p.presence);
    if (p.presence != 1) continue;
    MemberRecord(w, p);
    DayRecord(w, p);
    Entries(w, p.day1, occasions);
    Entries(w, p.day2, occasions);
  }
  Terminator(w);
  return w.Bytes();
}

void WriteSurvey(const std::filesystem::path& folder, const std::vector<FixturePerson>& persons) {
  std::filesystem::create_directories(folder);
  for (int i = 1; i <= 4; ++i) {
    const std::vector<FixturePerson> none;
    const auto& list = i == 1 ? persons : none;
    ByteWriter a(SurveyBytes(list, false));
    ByteWriter b(SurveyBytes(list, true));
    a.Save(folder / ("A" + std::to_string(i) + ".DAT"));
    b.Save(folder / ("B" + std::to_string(i) + ".DAT"));
  }
}

}  // namespace acute::testing
