#include "engine/qa_listing.h"

#include "common/str.h"

namespace acute {

QaListing::QaListing(const std::filesystem::path& file)
    : out_(file, std::ios::binary | std::ios::trunc) {}

void QaListing::Flush() {
  out_ << w_.Contents();
  w_.Clear();
}

void QaListing::PersonDay(std::int32_t person, std::int16_t member, int pass) {
  w_.EndLine().Text("Person").Num(person).Text(" Member").Num(member).Text(" Pass");
  w_.Num(static_cast<std::int64_t>(pass)).EndLine();
  Flush();
}

void QaListing::WaterEntry(bool indirect, int food_form, float grams) {
  if (indirect)
    w_.Text("86020000").Num(static_cast<std::int64_t>(food_form)).Num(grams).EndLine();
  else
    w_.Text("86010000").Num(grams).EndLine();
  Flush();
}

void QaListing::TotalWater(float kg) {
  w_.Text("Total water (kg) = ").Text(Str(kg)).EndLine();
  Flush();
}

void QaListing::Iteration(int iteration) {
  w_.EndLine().Text("DWLOC iteration #").Text(Str(static_cast<std::int64_t>(iteration))).EndLine();
  Flush();
}

void QaListing::Entry(int number, float factor, float grams, float residue, float contribution) {
  w_.Num(static_cast<std::int64_t>(number)).Num(factor).Num(grams).Num(residue).Num(contribution);
  w_.EndLine();
  Flush();
}

void QaListing::BodyWeight(float kg, float non_water_exposure) {
  w_.Text("Body weight (kg) =").Text(Str(kg)).EndLine();
  w_.Text("Non-water exposure/bw =").Text(Str(non_water_exposure)).EndLine();
  Flush();
}

void QaListing::Equation(float tox, float x, float body_weight, float water, float dwloc) {
  w_.Text("((").Num(tox).Text("-").Num(x).Text(") *").Text(Str(body_weight)).Text(")/");
  w_.Num(water).Text("=").Num(dwloc).EndLine();
  Flush();
}

}  // namespace acute
