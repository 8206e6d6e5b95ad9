#pragma once
// The binary records of a consumption file: the 33-byte person record, then per member
// group an I2 presence flag, the 39-byte member record, the 35-byte day record and the
// food entries of both days (6 bytes for daily totals, 8 with the eating time).
#include <array>

#include "common/binary_records.h"
#include "sample_data/survey_day.h"
#include "sample_data/survey_person.h"

namespace acute::sample {

inline constexpr int kPersonRecordBytes = 33;
inline constexpr int kMemberRecordBytes = 39;
inline constexpr int kDayRecordBytes = 35;

// The person record, its member group (when it has one) and the food entries.
void AppendPerson(ByteWriter& out, const Person& person, const std::array<SurveyDay, 2>& days,
                  bool eating_times, int cycle);

// The closing person record, person number 0.
void AppendEndOfFile(ByteWriter& out);

}  // namespace acute::sample
