#include "sample_data/survey_files.h"

#include <array>

#include "common/binary_records.h"
#include "sample_data/consumption_records.h"
#include "sample_data/support_files.h"
#include "sample_data/survey_day.h"
#include "sample_data/survey_person.h"
#include "sample_data/text_format.h"

namespace acute::sample {

long WriteSurvey(const std::filesystem::path& data_folder,
                 const std::filesystem::path& consumption_folder, const KindLayout& layout,
                 const Catalogue& catalogue, long persons, RandomSource& rng) {
  const DayMaker days(layout, catalogue);
  PersonSequence sequence(layout);
  ByteWriter households;
  long written = 0;
  for (int cycle = 0; cycle < 4; ++cycle) {
    sequence.StartCycle(cycle);
    ByteWriter daily;
    ByteWriter occasions;
    const long end = persons * (cycle + 1) / 4;
    for (; written < end; ++written) {
      const Person person = sequence.Next(rng);
      const std::array<SurveyDay, 2> both = {days.Make(person, false, rng),
                                             days.Make(person, true, rng)};
      AppendPerson(daily, person, both, false, cycle + 1);
      AppendPerson(occasions, person, both, true, cycle + 1);
      households.I4(person.household);
      households.I2(person.member);
    }
    AppendEndOfFile(daily);
    AppendEndOfFile(occasions);
    SaveBytes(consumption_folder / layout.daily_files[static_cast<std::size_t>(cycle)], daily);
    SaveBytes(consumption_folder / layout.occasion_files[static_cast<std::size_t>(cycle)],
              occasions);
  }
  if (layout.older_survey()) SaveBytes(data_folder / kHouseholdFile, households);
  return written;
}

}  // namespace acute::sample
