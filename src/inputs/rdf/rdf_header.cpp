#include "inputs/rdf/rdf_header.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/input_limits.h"
#include "inputs/rdf/rdf_messages.h"

namespace acute {
namespace {

enum class Keyword { TotalNz, TotalZ, NChemicals, Chemical, Potency, TotalFreq, TotalLod, LodRes };

struct KeywordEntry {
  Keyword keyword;
  std::string_view text;
  bool only_cumulative;  // recognised only once NCHEMICALS has been read
};

// In the order in which a line is tested.
constexpr KeywordEntry kKeywords[] = {
    {Keyword::TotalNz, "TOTALNZ", false},       {Keyword::TotalZ, "TOTALZ", false},
    {Keyword::NChemicals, "NCHEMICALS", false}, {Keyword::Chemical, "CHEMICAL(", true},
    {Keyword::Potency, "POTENCY(", true},       {Keyword::TotalFreq, "TOTALFREQ", false},
    {Keyword::TotalLod, "TOTALLOD", false},     {Keyword::LodRes, "LODRES", false},
};

struct KeywordHit {
  Keyword keyword;
  std::string_view text;
  std::size_t end;  // position just after the keyword in the line
};

std::optional<KeywordHit> FindKeyword(const std::string& upper, bool cumulative) {
  for (const KeywordEntry& k : kKeywords) {
    if (k.only_cumulative && !cumulative) continue;
    std::size_t at = upper.find(k.text);
    if (at != std::string::npos) return KeywordHit{k.keyword, k.text, at + k.text.size()};
  }
  return std::nullopt;
}

// The text after the "=" that follows `from`, trimmed and cut before the first blank, "'" or
// "DOC"; "" when there is no "=".
std::string_view PlainValue(std::string_view line, std::size_t from) {
  std::size_t eq = line.find('=', from);
  if (eq == std::string_view::npos) return {};
  std::string_view value = TrimRdf(line.substr(eq + 1));
  std::size_t blank = value.find_first_of(" \t");
  return CutRdfComment(value.substr(0, blank));
}

// A chemical name: a quoted name runs to its closing quote (blanks included); any other
// value follows the plain rule, with stray quotes at its ends removed.
std::string NameValue(std::string_view line, std::size_t from) {
  std::size_t eq = line.find('=', from);
  if (eq == std::string_view::npos) return "";
  std::string_view value = TrimRdf(line.substr(eq + 1));
  if (!value.empty() && value[0] == '"') {
    std::size_t close = value.find('"', 1);
    if (close != std::string_view::npos) return std::string(TrimRdf(value.substr(1, close - 1)));
  }
  std::string_view plain = PlainValue(line, from);
  if (!plain.empty() && plain.front() == '"') plain.remove_prefix(1);
  if (!plain.empty() && plain.back() == '"') plain.remove_suffix(1);
  return std::string(plain);
}

class HeaderReader {
 public:
  HeaderReader(const std::string& name, RdfHeader& header) : name_(name), h_(header) {}

  bool TakeKeyword(const RdfLine& line);
  void CheckChemicalNames() const;

 private:
  std::int64_t Whole(const RdfLine& line, std::string_view keyword, std::size_t from,
                     std::int64_t low, std::int64_t high) const;
  float Residue(const RdfLine& line, std::string_view keyword, std::size_t from) const;
  void NChemicals(const RdfLine& line, std::size_t from);
  void Chemical(const RdfLine& line, const std::string& upper, std::size_t from);

  const std::string& name_;
  RdfHeader& h_;
};

constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMax16 = std::numeric_limits<std::int16_t>::max();

std::int64_t HeaderReader::Whole(const RdfLine& line, std::string_view keyword, std::size_t from,
                                 std::int64_t low, std::int64_t high) const {
  double v = 0;
  if (!ParseRdfNumber(PlainValue(line.text, from), v))
    throw RdfError(rdf_message::KeywordNotNumber(name_, line.number, std::string(keyword)));
  if (v != std::floor(v) || v < static_cast<double>(low) || v > static_cast<double>(high))
    throw RdfError(
        rdf_message::KeywordOutOfRange(name_, line.number, std::string(keyword), low, high));
  return static_cast<std::int64_t>(v);
}

float HeaderReader::Residue(const RdfLine& line, std::string_view keyword, std::size_t from) const {
  double v = 0;
  if (!ParseRdfNumber(PlainValue(line.text, from), v))
    throw RdfError(rdf_message::KeywordNotNumber(name_, line.number, std::string(keyword)));
  if (!(v >= 0 && v <= kMaxResidue))
    throw RdfError(rdf_message::KeywordNotResidue(name_, line.number, std::string(keyword)));
  return static_cast<float>(v);
}

void HeaderReader::NChemicals(const RdfLine& line, std::size_t from) {
  if (h_.lod_declared || h_.freq_declared)
    throw RdfError(rdf_message::NChemicalsAfterLodOrFreq(name_));
  h_.chem_count = static_cast<std::int16_t>(Whole(line, "NCHEMICALS", from, 1, 40));
}

void HeaderReader::Chemical(const RdfLine& line, const std::string& upper, std::size_t from) {
  std::size_t close = upper.find(')', from);
  if (close == std::string::npos) throw RdfError(rdf_message::ChemicalNoClosingParenthesis(name_));
  double k = 0;
  if (!ParseRdfNumber(line.text.substr(from, close - from), k) || k != std::floor(k) || k < 1 ||
      k > 40)
    throw RdfError(rdf_message::ChemicalNumberRange(name_));
  h_.chem_names[static_cast<std::size_t>(k)] = NameValue(line.text, close);
}

bool HeaderReader::TakeKeyword(const RdfLine& line) {
  const std::string upper = ToUpper(std::string(line.text));
  std::optional<KeywordHit> hit = FindKeyword(upper, h_.cumulative());
  if (!hit) return false;
  const std::size_t from = hit->end;
  switch (hit->keyword) {
    case Keyword::TotalNz:
      h_.total_nz = static_cast<std::int32_t>(Whole(line, hit->text, from, 0, kMax32));
      h_.nz_declared = true;
      break;
    case Keyword::TotalZ:
      h_.total_z = static_cast<std::int32_t>(Whole(line, hit->text, from, 0, kMax32));
      break;
    case Keyword::NChemicals:
      NChemicals(line, from);
      break;
    case Keyword::Chemical:
      Chemical(line, upper, from);
      break;
    case Keyword::Potency:
      break;
    case Keyword::TotalFreq:
      if (h_.cumulative()) throw RdfError(rdf_message::FreqInCumulative(name_));
      h_.total_freq = static_cast<std::int16_t>(Whole(line, hit->text, from, 0, kMax16));
      h_.freq_declared = true;
      break;
    case Keyword::TotalLod:
      if (h_.cumulative()) throw RdfError(rdf_message::LodInCumulative(name_));
      h_.total_lod = static_cast<std::int32_t>(Whole(line, hit->text, from, 0, kMax32));
      h_.lod_declared = true;
      break;
    case Keyword::LodRes:
      h_.lod_res = Residue(line, hit->text, from);
      break;
  }
  return true;
}

void HeaderReader::CheckChemicalNames() const {
  for (int k = 1; k <= h_.chem_count; ++k) {
    const std::string& chemical = h_.chem_names[static_cast<std::size_t>(k)];
    if (chemical.empty()) throw RdfError(rdf_message::ChemicalNameMissing(name_, k));
    for (int j = 1; j < k; ++j)
      if (ToUpper(h_.chem_names[static_cast<std::size_t>(j)]) == ToUpper(chemical))
        throw RdfError(rdf_message::ChemicalNamedTwice(name_, chemical));
  }
}

// One number, or numbers separated by commas or blanks.
bool LooksLikeResidues(std::string_view text) {
  std::string_view rest = CutRdfComment(text);
  bool any = false;
  while (!rest.empty()) {
    std::size_t end = rest.find_first_of(", \t");
    std::string_view field = rest.substr(0, end);
    double v = 0;
    if (!field.empty()) {
      if (!ParseRdfNumber(field, v)) return false;
      any = true;
    }
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  return any;
}

}  // namespace

RdfHeader ReadRdfHeader(const std::vector<RdfLine>& lines, const std::string& name) {
  RdfHeader header;
  HeaderReader reader(name, header);
  std::size_t i = 0;
  for (; i < lines.size(); ++i) {
    const RdfLine& line = lines[i];
    const std::size_t ordinal = i + 1;
    if (ordinal <= 5 && HasHighCodes(line.text))
      throw RdfError(rdf_message::WordProcessingCodes(name));
    if (!IsRdfCommentLine(line.text) && !reader.TakeKeyword(line)) {
      if (ordinal > 4) break;
      if (LooksLikeResidues(line.text)) throw RdfError(rdf_message::ValuesInFirstFourLines(name));
    }
    if (header.header_lines == kMax16) throw RdfError(rdf_message::TooManyHeaderLines(name));
    ++header.header_lines;
  }
  header.first_data = i;
  reader.CheckChemicalNames();
  return header;
}

}  // namespace acute
