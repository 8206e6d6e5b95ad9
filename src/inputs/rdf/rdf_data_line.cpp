#include "inputs/rdf/rdf_data_line.h"

#include <cmath>
#include <limits>

#include "common/input_limits.h"
#include "inputs/rdf/rdf_messages.h"
#include "inputs/rdf/rdf_text.h"

namespace acute {
namespace {

// The fields between commas, trimmed; empty fields at the end are dropped.
std::vector<std::string_view> CommaFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    std::size_t comma = text.find(',');
    fields.push_back(TrimRdf(text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

// A number followed by nothing else: text after a blank is a comment not set off. False
// when the field does not begin with a number.
bool NumberField(std::string_view field, double& value, const std::string& name) {
  std::size_t blank = field.find_first_of(" \t");
  if (!ParseRdfNumber(field.substr(0, blank), value)) return false;
  if (blank != std::string_view::npos) throw RdfError(rdf_message::NotSetOff(name));
  return true;
}

std::int32_t Frequency(double value, const std::string& name, int line) {
  double whole = std::nearbyint(value);
  if (whole == 0) throw RdfError(rdf_message::FrequencyZero(name, line));
  if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max())
    throw RdfError(rdf_message::FrequencyOutOfRange(name, line));
  return static_cast<std::int32_t>(whole);
}

// A residue value: from 0 to the largest residue.
float Residue(double value, const std::string& name, int line) {
  if (!(value >= 0 && value <= kMaxResidue))
    throw RdfError(rdf_message::ValueNotResidue(name, line));
  return static_cast<float>(value);
}

}  // namespace

PlainEntry ParsePlainLine(std::string_view text, const std::string& name, int line) {
  std::vector<std::string_view> fields = CommaFields(text);
  if (fields.empty()) throw RdfError(rdf_message::ValueNotNumeric(name, line));
  if (fields.size() > 2) throw RdfError(rdf_message::TooManyValuesOnLine(name, line));
  PlainEntry entry;
  double value = 0;
  if (fields.size() == 1) {
    if (!NumberField(fields[0], value, name))
      throw RdfError(rdf_message::ValueNotNumeric(name, line));
    entry.value = Residue(value, name, line);
    return entry;
  }
  double frequency = 0;
  if (!NumberField(fields[0], frequency, name) || !NumberField(fields[1], value, name))
    throw RdfError(rdf_message::PairNotNumeric(name, line));
  entry.value = Residue(value, name, line);
  entry.frequency = Frequency(frequency, name, line);
  entry.pair = true;
  return entry;
}

CumulativeRow ParseCumulativeRow(std::string_view text, const std::string& name, int line,
                                 int chemicals) {
  std::vector<float> numbers;
  for (std::string_view field : CommaFields(text)) {
    if (field.empty()) throw RdfError(rdf_message::ValueNotNumeric(name, line));
    while (!field.empty()) {
      std::size_t blank = field.find_first_of(" \t");
      double value = 0;
      if (!ParseRdfNumber(field.substr(0, blank), value))
        throw RdfError(rdf_message::ValueNotNumeric(name, line));
      numbers.push_back(Residue(value, name, line));
      field = blank == std::string_view::npos ? std::string_view{} : TrimRdf(field.substr(blank));
    }
  }
  if (numbers.empty()) throw RdfError(rdf_message::ValueNotNumeric(name, line));
  if (numbers.size() == 1) throw RdfError(rdf_message::NoComponents(name, line));
  if (numbers.size() != static_cast<std::size_t>(chemicals) + 1)
    throw RdfError(rdf_message::WrongComponentCount(name, line, numbers.size() - 1, chemicals));
  return {line, numbers[0], std::vector<float>(numbers.begin() + 1, numbers.end())};
}

}  // namespace acute
