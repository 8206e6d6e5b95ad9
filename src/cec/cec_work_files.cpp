#include "cec/cec_work_files.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/file_names.h"
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

// A whole number of a work file as the 32-bit integer it stands for.
std::int32_t Whole(double v, const char* file) {
  if (!(v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max()))
    throw CecFileError(file, "a number out of range");
  return static_cast<std::int32_t>(v);
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
    const std::size_t from = line[i] == '+' ? i + 1 : i;
    double v = 0;
    const auto r = std::from_chars(line.data() + from, line.data() + end, v);
    if (r.ec != std::errc() || r.ptr != line.data() + end || !InRange(v))
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

// The numbers of a line whose fields are separated by commas (blanks around them allowed).
bool CommaNumbers(std::string_view line, double* out, int max, int& n) {
  n = 0;
  std::size_t i = 0;
  while (i <= line.size() && n < max) {
    std::size_t end = line.find(',', i);
    if (end == std::string_view::npos) end = line.size();
    std::size_t a = i, b = end;
    while (a < b && line[a] == ' ') ++a;
    while (b > a && line[b - 1] == ' ') --b;
    if (a < b && line[a] == '+') ++a;
    double v = 0;
    if (a < b) {
      const auto r = std::from_chars(line.data() + a, line.data() + b, v);
      if (r.ec != std::errc() || r.ptr != line.data() + b || !InRange(v)) return false;
    }
    out[n++] = v;
    i = end + 1;
  }
  return true;
}

std::int32_t NxOf(std::string_view line1) {
  double v = 0;
  if (line1.size() < 4 || !ParseNumber(std::string(line1.substr(line1.size() - 4)), v) || v < 1 ||
      v > 1e9)
    return 1;
  return static_cast<std::int32_t>(v);
}

// The name of a section as its head line "N  name" gives it back.
std::string NameOfHead(std::string_view line, int& number) {
  const std::string head = TrimBlanks(line);
  const std::size_t blank = head.find(' ');
  double v = 0;
  if (!ParseNumber(head.substr(0, blank), v))
    throw CecFileError(kCecSectionsFileName, "no population line");
  number = Whole(v, kCecSectionsFileName);
  return blank == std::string::npos ? "" : head.substr(std::min(head.size(), blank + 2));
}

// The preliminary window as "cec2.tmp" keeps it: the percentile basis stores the widened
// exposures, the amount basis the amounts themselves.
CecWindow StoredPreliminary(std::int16_t basis, float low, float high, CecWindow preliminary) {
  if (basis == 0) return {preliminary.low, preliminary.high, high != 100};
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
  f.food = Whole(v[0], file);
  f.form = Whole(v[1], file);
  f.amount = static_cast<float>(v[2]);
  f.residue = static_cast<float>(v[3]);
  f.factor1 = static_cast<float>(v[4]);
  f.factor2 = static_cast<float>(v[5]);
  f.contribution_mg = static_cast<float>(v[6]);
  f.percent = static_cast<float>(v[7]);
  if (n >= 10) {
    f.chemicals = Whole(v[8], file);
    f.record = Whole(v[9], file);
  }
  return f;
}

bool CecRecordFile::PerKg() const {
  for (const std::string& l : header)
    if (l == "Exposures divided by body weight") return true;
  return false;
}

namespace {

// The records of "cec1.tmp" from the line after the header's empty line, up to the total
// line or the end of the text; true when the total line ended them.
bool ReadRecords(Lines& in, std::vector<CecFileRecord>& records) {
  const char* file = "cec1.tmp";
  while (!in.AtEnd()) {
    const std::string_view line1 = in.Next();
    if (line1.starts_with("Total Number of CEC records")) return true;
    CecFileRecord r;
    r.line1 = line1;
    r.nx = NxOf(line1);
    const std::vector<double> v = in.NextNumbers(4);
    r.e = static_cast<float>(v[0]);
    r.sample_weight = Whole(v[1], file);
    const int nf = CountOf(v[2], file);
    const int np = CountOf(v[3], file);
    if (v.size() < 4 + static_cast<std::size_t>(np)) throw CecFileError(file, "a short line 2");
    for (int i = 0; i < np; ++i) r.populations.push_back(Whole(v[4 + i], file));
    for (int i = 0; i < nf; ++i) {
      r.food_lines.emplace_back(in.Next());
      r.foods.push_back(ParseFoodLine(r.food_lines.back(), file));
    }
    in.Next();
    records.push_back(std::move(r));
  }
  return false;
}

}  // namespace

CecRecordFile ParseCecRecordFile(std::string_view text, bool header_only) {
  const char* file = "cec1.tmp";
  Lines in(text, file);
  CecRecordFile f;
  f.cumulative = CountOf(in.NextNumbers(1)[0], file);
  for (;;) {
    const std::string_view l = in.Next();
    if (l == "9999") break;
    f.header.emplace_back(l);
  }
  in.Next();  // the empty line after "9999"
  if (!header_only && !ReadRecords(in, f.records)) throw CecFileError(file, "it ends too early");
  return f;
}

std::vector<CecFileRecord> ParseCecRecords(std::string_view text) {
  Lines in(text, "cec1.tmp");
  std::vector<CecFileRecord> records;
  ReadRecords(in, records);
  return records;
}

CecSection SectionOf(const std::deque<CecFileRecord>& records, const CecSettings& cec,
                     const CecWindow& preliminary, int number, const std::string& name) {
  CecSection s;
  s.name = NameOfHead(Str(static_cast<std::int32_t>(number)) + "  " + name, s.number);
  s.basis = cec.basis == 1 ? 1 : 0;
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
    w.Line(Str(s.basis));
    if (s.basis == 0)
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

// Reads one section; its records go to `store`.
CecSection ParseSection(Lines& in, std::deque<CecFileRecord>& store, bool head_only) {
  const char* file = kCecSectionsFileName;
  CecSection s;
  s.name = NameOfHead(in.Next(), s.number);
  const int count = CountOf(in.NextNumbers(1)[0], file);
  s.basis = static_cast<std::int16_t>(in.NextNumbers(1)[0] == 1 ? 1 : 0);
  const std::vector<double> v = in.NextNumbers(s.basis == 0 ? 4 : 2);
  s.low = static_cast<float>(v[0]);
  s.high = static_cast<float>(v[s.basis == 0 ? 2 : 1]);
  const CecWindow stored{static_cast<float>(v[1]), static_cast<float>(v[s.basis == 0 ? 3 : 1])};
  s.preliminary = StoredPreliminary(s.basis, s.low, s.high, stored);
  if (head_only) return s;
  for (int i = 0; i < count; ++i) {
    CecFileRecord r;
    r.line1 = in.Next();
    r.nx = NxOf(r.line1);
    const std::vector<double> n = in.NextNumbers(3);
    const int nf = CountOf(n[0], file);
    r.e = static_cast<float>(n[1]);
    r.sample_weight = Whole(n[2], file);
    for (int k = 0; k < nf; ++k) {
      r.food_lines.emplace_back(in.Next());
      r.foods.push_back(ParseFoodLine(r.food_lines.back()));
    }
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
  out.cumulative = CountOf(in.NextNumbers(1)[0], file);
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
  for (int i = 0; i < 5; ++i) {
    if (std::fabs(counts[i]) > std::numeric_limits<std::int16_t>::max())
      throw CecFileError(file, "a count out of range");
    x.counts[i] = static_cast<std::int16_t>(counts[i]);
  }
  x.cumulative = CountOf(in.NextNumbers(1)[0], file);
  while (!in.AtEnd()) {
    UsersDistribution d;
    const std::vector<double> head = in.NextNumbers(2);
    d.top = CountOf(head[0], file);
    if (d.top >= kBinCount) throw CecFileError(file, "a bin count out of range");
    d.total = head[1];
    d.empty = !(d.total > 0);
    for (int k = 0; k <= d.top; ++k) {
      const std::vector<double> v = in.NextNumbers(3);
      if (Whole(v[0], file) != k) throw CecFileError(file, "bins out of order");
      d.bound[k] = static_cast<float>(v[1]);
      d.cum[k] = v[2];
    }
    x.users.push_back(d);
  }
  return x;
}

}  // namespace acute
