#include "cec/cec_work_files.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/file_names.h"
#include "common/input_limits.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "common/str.h"
#include "common/text_lines.h"

namespace acute {
namespace {

// Every number of the work files fits a 32-bit float.
constexpr double kLargestNumber = 3e38;

bool InRange(double v) {
  return std::isfinite(v) && std::fabs(v) <= kLargestNumber;
}

// A number of a work file as its text stands, "+" allowed; false for anything else.
bool NumberIn(std::string_view text, double& v) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && InRange(v);
}

std::string NumberText(double v) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

// A whole number of a field that holds `low` to `high`.
std::int32_t WholeIn(double v, double low, double high, const char* file, const char* what) {
  if (!(v >= low && v <= high))
    throw CecFileError(file, std::string(what) + " (" + NumberText(v) + ") outside " +
                                 NumberText(low) + " to " + NumberText(high));
  if (v != std::floor(v))
    throw CecFileError(file, std::string(what) + " (" + NumberText(v) + ") that is not whole");
  return static_cast<std::int32_t>(v);
}

// A whole number of a work file as the 32-bit integer it stands for.
std::int32_t Whole(double v, const char* file, const char* what) {
  return WholeIn(v, std::numeric_limits<std::int32_t>::min(),
                 std::numeric_limits<std::int32_t>::max(), file, what);
}

// A value of a field that holds 0 to `high`, refused as the input readers refuse it.
double Checked(double v, const char* file, const char* what,
               float high = std::numeric_limits<float>::max()) {
  const std::string problem = AmountProblem(static_cast<float>(v), what, high);
  if (!problem.empty()) throw CecFileError(file, problem);
  return v;
}

// The same for a single-precision field.
float Amount(double v, const char* file, const char* what,
             float high = std::numeric_limits<float>::max()) {
  return static_cast<float>(Checked(v, file, what, high));
}

// The cumulative flag that opens each work file.
int Flag(double v, const char* file) {
  return WholeIn(v, 0, 1, file, "a cumulative flag");
}

// The numbers of a line whose fields are separated by commas or blanks, or both.
std::vector<double> Numbers(std::string_view line, const char* file) {
  std::vector<double> values;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i < line.size() && line[i] == ',' && !values.empty()) {
      ++i;
      while (i < line.size() && line[i] == ' ') ++i;
    }
    if (i >= line.size()) break;
    std::size_t end = i;
    while (end < line.size() && line[end] != ' ' && line[end] != ',') ++end;
    double v = 0;
    if (!NumberIn(line.substr(i, end - i), v))
      throw CecFileError(file,
                         "a line that is not a list of numbers: \"" + std::string(line) + "\"");
    values.push_back(v);
    i = end;
  }
  return values;
}

class Lines {
 public:
  Lines(std::string_view text, const char* file) : lines_(text), file_(file) {}
  bool AtEnd() const { return lines_.AtEnd(); }
  std::string_view Next() {
    if (AtEnd()) throw CecFileError(file_, "it ends too early");
    return lines_.Next();
  }
  std::vector<double> NextNumbers(std::size_t at_least) {
    std::vector<double> v = Numbers(Next(), file_);
    if (v.size() < at_least) throw CecFileError(file_, "a line lacks numbers");
    return v;
  }

 private:
  TextLines lines_;
  const char* file_;
};

int CountOf(double v, const char* file) {
  if (v < 0 || v > 1e9) throw CecFileError(file, "a count out of range");
  return static_cast<int>(v);
}

// The fields of a line separated by commas, blanks around them dropped; false when the
// line has more than `max`.
bool CommaFields(std::string_view line, std::string_view* out, int max, int& n) {
  n = 0;
  for (std::size_t i = 0; i <= line.size(); ++n) {
    if (n == max) return false;
    std::size_t end = line.find(',', i);
    if (end == std::string_view::npos) end = line.size();
    std::size_t a = i, b = end;
    while (a < b && line[a] == ' ') ++a;
    while (b > a && line[b - 1] == ' ') --b;
    out[n] = line.substr(a, b - a);
    i = end + 1;
  }
  return true;
}

// The numbers of a line whose fields are separated by commas (an empty field is 0).
bool CommaNumbers(std::string_view line, double* out, int max, int& n) {
  std::string_view fields[16];
  if (!CommaFields(line, fields, std::min(max, 16), n)) n = std::min(max, 16);
  for (int k = 0; k < n; ++k) {
    out[k] = 0;
    if (!fields[k].empty() && !NumberIn(fields[k], out[k])) return false;
  }
  return true;
}

// An age as a record writes it: years ("30Y") or months ("5M").
void CheckAge(std::string_view age, const char* file) {
  double v = 0;
  if (age.size() < 2 || (age.back() != 'Y' && age.back() != 'M') ||
      !NumberIn(age.substr(0, age.size() - 1), v) || !(v >= 0 && v <= 32768) ||
      v != std::floor(v) || age.front() == '+')
    throw CecFileError(
        file, "an age that is not a number of years or months: \"" + std::string(age) + "\"");
}

// Line 1 of a record, "number, PID, household, day, sex, age, bw, NF, NX", against the
// limits of its fields; `foods` is the number of food lines that line 2 gives. Returns NX.
std::int32_t CheckLine1(std::string_view line1, int foods, const char* file) {
  std::string_view f[9];
  int n = 0;
  if (!CommaFields(line1, f, 9, n) || n != 9)
    throw CecFileError(file,
                       "a record line that is not nine fields: \"" + std::string(line1) + "\"");
  double v[9] = {};
  for (int k : {0, 1, 2, 3, 6, 7, 8})
    if (!NumberIn(f[k], v[k]))
      throw CecFileError(
          file, "a record line with text where a number belongs: \"" + std::string(line1) + "\"");
  WholeIn(v[0], 1, 9e15, file, "a record number");
  Whole(v[1], file, "a person number");
  Whole(v[2], file, "a household number");
  WholeIn(v[3], 1, 2, file, "a day number");
  if (f[4].size() > 1) throw CecFileError(file, "a sex of more than one character");
  CheckAge(f[5], file);
  if (!(v[6] > 0)) throw CecFileError(file, "a body weight of 0 or less");
  Amount(v[6], file, "body weight", kMaxBodyWeight);
  if (WholeIn(v[7], 0, 1e9, file, "a number of food lines") != foods)
    throw CecFileError(file, "a record whose two lines give different numbers of food lines");
  return WholeIn(v[8], 1, std::numeric_limits<std::int32_t>::max(), file,
                 "a number of iterations of a record");
}

[[noreturn]] void DamagedHeaderLine(std::string_view line, const char* what) {
  throw CecFileError(kCecRecordFileName, std::string(what) + ": \"" + std::string(line) + "\"");
}

// The number that `text`, a part of a header line, holds.
double HeaderNumber(std::string_view line, std::string_view text) {
  double v = 0;
  if (!NumberIn(TrimBlanks(text), v)) DamagedHeaderLine(line, "a header line without its number");
  return v;
}

// "MC Iterations = N  Seed = S  RNG = name", from the text after "MC Iterations =".
void CheckIterationsLine(std::string_view line, std::string_view rest) {
  constexpr std::string_view kSeed = "  Seed =";
  constexpr std::string_view kRng = "  RNG = ";
  const char* file = kCecRecordFileName;
  const std::size_t seed = rest.find(kSeed);
  const std::size_t rng = seed == std::string_view::npos ? seed : rest.find(kRng, seed);
  if (rng == std::string_view::npos) DamagedHeaderLine(line, "a damaged header line");
  WholeIn(HeaderNumber(line, rest.substr(0, seed)), 1, 32767, file, "a number of iterations");
  const std::size_t seed_end = seed + kSeed.size();
  WholeIn(HeaderNumber(line, rest.substr(seed_end, rng - seed_end)), -32768, 32767, file, "a seed");
  const std::string_view name = rest.substr(rng + kRng.size());
  if (name != "Mersenne Twister" && name != "MS VB")
    DamagedHeaderLine(line, "a header line naming an unknown generator");
}

// The text of a header line between `head` and `tail`; false when the line is not one
// that starts with `head`.
bool Between(std::string_view line, std::string_view head, std::string_view tail,
             std::string_view& text) {
  if (!line.starts_with(head)) return false;
  if (!line.ends_with(tail) || line.size() < head.size() + tail.size())
    DamagedHeaderLine(line, "a damaged header line");
  text = line.substr(head.size(), line.size() - head.size() - tail.size());
  return true;
}

// The header lines of "cec1.tmp" that carry numbers, within the limits of the pass file's
// fields they come from.
void CheckHeaderLine(std::string_view line) {
  const char* file = kCecRecordFileName;
  std::string_view text;
  if (Between(line, "Minimum exposure contribution =", "%", text))
    Checked(HeaderNumber(line, text), file, "minimum contribution", 100);
  else if (Between(line, "CEC records generated for first", " iterations.", text))
    WholeIn(HeaderNumber(line, text), 1, 32767, file, "a number of record iterations");
  else if (line.starts_with("MC Iterations ="))
    CheckIterationsLine(line, line.substr(std::string_view("MC Iterations =").size()));
}

// The name of a section as its head line "N  name" gives it back.
std::string NameOfHead(std::string_view line, int& number) {
  const std::string head = TrimBlanks(line);
  const std::size_t blank = head.find(' ');
  double v = 0;
  if (!ParseNumber(head.substr(0, blank), v))
    throw CecFileError(kCecSectionsFileName, "no population line");
  number = WholeIn(v, 1, 32767, kCecSectionsFileName, "a population number");
  return blank == std::string::npos ? "" : head.substr(std::min(head.size(), blank + 2));
}

// The preliminary window as "cec2.tmp" keeps it: the percentile basis stores the widened
// exposures, the amount basis the amounts themselves.
CecWindow StoredPreliminary(CecBasis basis, float low, float high, CecWindow preliminary) {
  if (basis == CecBasis::Percentiles) return {preliminary.low, preliminary.high, high != 100};
  return {low, high, high != 0};
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (TextLines in(text); !in.AtEnd();) lines.emplace_back(in.Next());
  return lines;
}

CecLineValues ParseFoodLine(std::string_view line, const char* file) {
  double v[10] = {};
  int n = 0;
  if (!CommaNumbers(line, v, 10, n) || n < 8)
    throw CecFileError(file, "a food line that is not a list of numbers");
  CecLineValues f;
  f.food = WholeIn(v[0], 1, 32767, file, "a commodity number");
  f.form = WholeIn(v[1], 0, 32767, file, "a food-form code");
  f.amount = Amount(v[2], file, "amount of food", kMaxGrams);
  f.residue = Amount(v[3], file, "residue", kMaxResidue);
  f.factor1 = Amount(v[4], file, "adjustment factor", kMaxFactor);
  f.factor2 = Amount(v[5], file, "adjustment factor", kMaxFactor);
  f.contribution_mg = Amount(v[6], file, "contribution");
  f.percent = Amount(v[7], file, "percent of exposure");
  if (n >= 10) {
    f.chemicals = WholeIn(v[8], 0, 40, file, "a number of chemicals");
    f.record =
        WholeIn(v[9], 0, std::numeric_limits<std::int32_t>::max(), file, "a residue record number");
  }
  return f;
}

bool CecRecordFile::PerKg() const {
  for (const std::string& l : header)
    if (l == "Exposures divided by body weight") return true;
  return false;
}

namespace {

// A record from its line 1, which must give `foods` food lines as line 2 does; the food
// lines follow the line that `in` has just read.
CecFileRecord ReadRecord(Lines& in, std::string_view line1, int foods, const char* file) {
  CecFileRecord r;
  r.line1 = line1;
  r.nx = CheckLine1(line1, foods, file);
  for (int i = 0; i < foods; ++i) {
    r.food_lines.emplace_back(in.Next());
    r.foods.push_back(ParseFoodLine(r.food_lines.back(), file));
  }
  return r;
}

float ExposureOf(double e, const char* file) {
  return Amount(e, file, "total exposure");
}

std::int32_t SampleWeightOf(double w, const char* file) {
  return WholeIn(w, 0, std::numeric_limits<std::int32_t>::max(), file, "a sample weight");
}

// The records of "cec1.tmp" from the line after the header's empty line, up to the total
// line or the end of the text; true when the total line ended them.
bool ReadRecords(Lines& in, std::vector<CecFileRecord>& records) {
  const char* file = kCecRecordFileName;
  while (!in.AtEnd()) {
    const std::string_view line1 = in.Next();
    if (line1.starts_with("Total Number of CEC records")) return true;
    const std::vector<double> v = in.NextNumbers(4);
    const int nf = CountOf(v[2], file);
    const int np = CountOf(v[3], file);
    if (v.size() < 4 + static_cast<std::size_t>(np)) throw CecFileError(file, "a short line 2");
    CecFileRecord r = ReadRecord(in, line1, nf, file);
    r.e = ExposureOf(v[0], file);
    r.sample_weight = SampleWeightOf(v[1], file);
    for (int i = 0; i < np; ++i)
      r.populations.push_back(WholeIn(v[4 + i], 1, 32767, file, "a population number"));
    in.Next();
    records.push_back(std::move(r));
  }
  return false;
}

}  // namespace

CecRecordFile ParseCecRecordFile(std::string_view text, bool header_only) {
  const char* file = kCecRecordFileName;
  Lines in(text, file);
  CecRecordFile f;
  f.cumulative = Flag(in.NextNumbers(1)[0], file);
  for (;;) {
    const std::string_view l = in.Next();
    if (l == "9999") break;
    CheckHeaderLine(l);
    f.header.emplace_back(l);
  }
  in.Next();  // the empty line after "9999"
  if (!header_only && !ReadRecords(in, f.records)) throw CecFileError(file, "it ends too early");
  return f;
}

std::vector<CecFileRecord> ParseCecRecords(std::string_view text) {
  Lines in(text, kCecRecordFileName);
  std::vector<CecFileRecord> records;
  ReadRecords(in, records);
  return records;
}

CecSection SectionOf(const std::deque<CecFileRecord>& records, const CecSettings& cec,
                     const CecWindow& preliminary, int number, const std::string& name) {
  CecSection s;
  s.name = NameOfHead(Str(static_cast<std::int32_t>(number)) + "  " + name, s.number);
  s.basis = cec.basis;
  s.low = cec.low;
  s.high = cec.high;
  s.preliminary = StoredPreliminary(s.basis, s.low, s.high, preliminary);
  for (const CecFileRecord& r : records) {
    bool listed = false;
    for (int q : r.populations) listed = listed || q == number;
    if (listed && preliminary.Holds(r.e)) s.records.push_back(&r);
  }
  return s;
}

std::vector<std::string> SectionsText(int cumulative, const std::vector<CecSection>& sections) {
  constexpr std::size_t kRecordsPerPart = 4000;
  std::vector<std::string> parts;
  PrintWriter w;
  w.Line(Str(static_cast<std::int32_t>(cumulative)));
  for (const CecSection& s : sections) {
    w.Line(Str(static_cast<std::int32_t>(s.number)) + "  " + s.name);
    w.Line(Str(static_cast<std::int32_t>(s.records.size())));
    w.Line(Str(BasisNumber(s.basis)));
    if (s.basis == CecBasis::Percentiles)
      w.Num(s.low).Num(s.preliminary.low).Num(s.high).Num(s.preliminary.high).EndLine();
    else
      w.Num(s.low).Num(s.high).EndLine();
    for (std::size_t i = 0; i < s.records.size(); ++i) {
      const CecFileRecord* r = s.records[i];
      w.Line(r->line1);
      w.Num(static_cast<std::int32_t>(r->food_lines.size())).Num(r->e).Num(r->sample_weight);
      w.EndLine();
      for (const std::string& l : r->food_lines) w.Line(l);
      if ((i + 1) % kRecordsPerPart == 0) {
        parts.push_back(w.Contents());
        w.Clear();
      }
    }
  }
  parts.push_back(w.Contents());
  return parts;
}

namespace {

// The window line of a section: on the percentile basis the percentiles and the widened
// exposures of the preliminary pass, on the amount basis the two amounts.
void ReadWindow(Lines& in, CecSection& s) {
  const char* file = kCecSectionsFileName;
  const bool percentiles = s.basis == CecBasis::Percentiles;
  const std::vector<double> v = in.NextNumbers(percentiles ? 4 : 2);
  CecWindow stored;
  if (percentiles) {
    s.low = Amount(v[0], file, "percentile", 100);
    stored.low = Amount(v[1], file, "window exposure");
    s.high = Amount(v[2], file, "percentile", 100);
    stored.high = Amount(v[3], file, "window exposure");
  } else {
    s.low = Amount(v[0], file, "exposure amount", kMaxDose);
    s.high = Amount(v[1], file, "exposure amount", kMaxDose);
  }
  s.preliminary = StoredPreliminary(s.basis, s.low, s.high, stored);
}

// Reads one section; its records go to `store`.
CecSection ParseSection(Lines& in, std::deque<CecFileRecord>& store, bool head_only) {
  const char* file = kCecSectionsFileName;
  CecSection s;
  s.name = NameOfHead(in.Next(), s.number);
  const int count = CountOf(in.NextNumbers(1)[0], file);
  const int basis = WholeIn(in.NextNumbers(1)[0], 0, 1, file, "a window basis");
  s.basis = basis == 1 ? CecBasis::Amounts : CecBasis::Percentiles;
  ReadWindow(in, s);
  if (head_only) return s;
  for (int i = 0; i < count; ++i) {
    const std::string_view line1 = in.Next();
    const std::vector<double> n = in.NextNumbers(3);
    CecFileRecord r = ReadRecord(in, line1, CountOf(n[0], file), file);
    r.e = ExposureOf(n[1], file);
    r.sample_weight = SampleWeightOf(n[2], file);
    store.push_back(std::move(r));
    s.records.push_back(&store.back());
  }
  return s;
}

}  // namespace

CecSections ParseSections(std::string_view text, bool first_head_only) {
  const char* file = kCecSectionsFileName;
  Lines in(text, file);
  CecSections out;
  out.cumulative = Flag(in.NextNumbers(1)[0], file);
  while (!in.AtEnd()) {
    out.list.push_back(ParseSection(in, out.records, first_head_only));
    if (first_head_only) break;
  }
  return out;
}

std::string ExposText(const CecExpos& expos) {
  PrintWriter w;
  for (std::int16_t c : expos.counts) w.Num(c);
  w.EndLine();
  w.Line(Str(static_cast<std::int32_t>(expos.cumulative)));
  for (const UsersDistribution& d : expos.users) {
    w.Num(static_cast<std::int32_t>(d.empty ? 0 : d.top)).Num(static_cast<float>(d.total));
    w.EndLine();
    for (int k = 0; k <= (d.empty ? 0 : d.top); ++k)
      w.Num(static_cast<std::int32_t>(k)).Num(d.bound[k]).Num(d.cum[k]).EndLine();
  }
  return w.Contents();
}

CecExpos ParseExpos(std::string_view text) {
  const char* file = kCecExposFileName;
  Lines in(text, file);
  CecExpos x;
  const std::vector<double> counts = in.NextNumbers(5);
  for (int i = 0; i < 5; ++i)
    x.counts[i] = static_cast<std::int16_t>(WholeIn(counts[i], 0, 32767, file, "a count"));
  x.cumulative = Flag(in.NextNumbers(1)[0], file);
  while (!in.AtEnd()) {
    UsersDistribution d;
    const std::vector<double> head = in.NextNumbers(2);
    d.top = CountOf(head[0], file);
    if (d.top >= kBinCount) throw CecFileError(file, "a bin count out of range");
    d.total = Checked(head[1], file, "total weight of users");
    d.empty = !(d.total > 0);
    for (int k = 0; k <= d.top; ++k) {
      const std::vector<double> v = in.NextNumbers(3);
      if (Whole(v[0], file, "a bin number") != k) throw CecFileError(file, "bins out of order");
      d.bound[k] = Amount(v[1], file, "bin bound");
      d.cum[k] = Checked(v[2], file, "cumulative percent", 100);
    }
    x.users.push_back(d);
  }
  return x;
}

}  // namespace acute
