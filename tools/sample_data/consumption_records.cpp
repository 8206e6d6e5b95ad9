#include "sample_data/consumption_records.h"

namespace acute::sample {
namespace {

void Blanks(ByteWriter& out, int n) {
  for (int i = 0; i < n; ++i) out.Char(' ');
}

void AppendPersonRecord(ByteWriter& out, const Person& p, int cycle) {
  out.Char(' ');
  out.I4(p.number);
  out.I2(p.household_size);
  out.I2(static_cast<std::int16_t>(cycle));
  out.Char(p.region);
  out.Char(' ');
  out.I2(0);
  out.I4(p.household);
  out.I2(0);
  Blanks(out, 4);
  out.Zeros(6);  // three unused I2
  out.I2(static_cast<std::int16_t>(p.groups));
  out.I2(0);
}

void AppendMemberRecord(ByteWriter& out, const Person& p) {
  out.Char(' ');
  out.I4(p.number);
  out.I2(p.member);
  out.Char(' ');
  out.I2(p.age);
  out.Char(p.sex);
  out.Char(p.race);
  out.Char(p.hispanic);
  out.Char(' ');
  out.Char(p.status);
  out.Char(p.nursing);
  Blanks(out, 3);
  out.I4(0);
  out.I4(p.sample_weight);
  out.I4(0);
  out.I2(0);
  out.I2(0);
  out.I4(0);
}

void AppendDayRecord(ByteWriter& out, const Person& p, const std::array<SurveyDay, 2>& days) {
  out.Char(' ');
  out.I2(0);
  out.R4(p.body_weight);
  out.I4(0);
  out.I2(p.month);
  out.I2(p.day);
  Blanks(out, 2);
  out.I2(static_cast<std::int16_t>(days[0].entries.size()));
  out.I2(days[0].water_code);
  Blanks(out, 2);
  out.I2(0);
  out.I2(0);
  Blanks(out, 2);
  out.I2(static_cast<std::int16_t>(days[1].entries.size()));
  out.I2(days[1].water_code);
  Blanks(out, 2);
}

void AppendEntries(ByteWriter& out, const SurveyDay& day, bool eating_times) {
  for (const FoodEntry& e : day.entries) {
    out.I2(e.food_form);
    out.R4(e.grams);
    if (eating_times) out.I2(e.time);
  }
}

}  // namespace

void AppendPerson(ByteWriter& out, const Person& person, const std::array<SurveyDay, 2>& days,
                  bool eating_times, int cycle) {
  AppendPersonRecord(out, person, cycle);
  if (person.groups == 0) return;
  out.I2(person.present ? 1 : 0);
  if (!person.present) return;
  AppendMemberRecord(out, person);
  AppendDayRecord(out, person, days);
  AppendEntries(out, days[0], eating_times);
  AppendEntries(out, days[1], eating_times);
}

void AppendEndOfFile(ByteWriter& out) {
  Person end;
  end.number = 0;
  end.household_size = 0;
  end.groups = 0;
  AppendPersonRecord(out, end, 0);
}

}  // namespace acute::sample
