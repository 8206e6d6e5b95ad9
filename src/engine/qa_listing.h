#pragma once
// The QA listing of a DWLOC run ("dwloc2.tmp"): for every person-day its drinking water,
// and for every iteration the contributions, the body weight, the non-water exposure and
// the DWLOC equation of each population. Written to the file as it goes.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "common/print_writer.h"
#include "common/work_file_names.h"

namespace acute {

class QaListing {
 public:
  explicit QaListing(const std::filesystem::path& file);
  bool Ok() const { return static_cast<bool>(out_); }

  void PersonDay(std::int32_t person, std::int16_t member, int pass);
  void WaterEntry(bool indirect, int food_form, float grams);
  void TotalWater(float kg);
  void Iteration(int iteration);
  void Entry(int number, float factor, float grams, float residue, float contribution);
  void BodyWeight(float kg, float non_water_exposure);
  void Equation(float tox, float x, float body_weight, float water, float dwloc);

 private:
  void Flush();
  std::ofstream out_;
  PrintWriter w_;
};

}  // namespace acute
