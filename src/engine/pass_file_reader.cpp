// Reading the analysis pass file.
#include <cmath>
#include <filesystem>
#include <limits>

#include "common/errors.h"
#include "common/input_limits.h"
#include "common/list_reader.h"
#include "common/silent_port.h"
#include "common/str.h"
#include "engine/pass_file.h"
#include "inputs/rdl_parameters.h"
#include "inputs/residue_data.h"

namespace acute {
namespace {

constexpr std::int32_t kMaxCecRecords = 40000;

// Every field is checked against what it counts or indexes; a value out of range is
// refused with its line, as a value that cannot be read is.
std::int16_t ReadInRange(ListReader& in, const std::string& what, int low, int high) {
  const std::int16_t v = in.ReadInt16();
  if (v < low || v > high)
    in.Refuse(what + " (" + std::to_string(v) + ") outside " + std::to_string(low) + " to " +
              std::to_string(high));
  return v;
}

// A count or record number of at least `low`.
std::int32_t ReadAtLeast(ListReader& in, const std::string& what, std::int32_t low) {
  const std::int32_t v = in.ReadInt32();
  if (v < low) in.Refuse(what + " (" + std::to_string(v) + ") below " + std::to_string(low));
  return v;
}

// A yes/no field: 1 is yes, 0 no; any other number is refused as out of range.
bool ReadFlag(ListReader& in, const std::string& what) {
  return ReadInRange(in, what, 0, 1) == 1;
}

float ReadDose(ListReader& in, const std::string& what) {
  return ReadAmount(in, what, kMaxDose);
}

// The counts of an empirical distribution: consistent, and its records inside the record
// numbers of the scratch file.
void ReadEmpiricalCounts(ListReader& in, RdlRow& r) {
  r.total_z = ReadAtLeast(in, "a number of zero samples", 0);
  r.total_lod = ReadAtLeast(in, "a number of LOD samples", 0);
  r.lod_res = ReadAmount(in, "LOD residue", kMaxResidue);
  r.value_count = ReadAtLeast(in, "a number of residue values", 0);
  r.count_with_lod = in.ReadInt32();
  if (r.count_with_lod != static_cast<std::int64_t>(r.value_count) + r.total_lod)
    in.Refuse("a count with LOD samples that is not the values plus the LOD samples");
  r.total_count = in.ReadInt32();
  if (r.total_count != static_cast<std::int64_t>(r.count_with_lod) + r.total_z)
    in.Refuse("a total count that is not the count with LOD samples plus the zero samples");
  // Without values (a run whose distribution files were not read) the record number is 0.
  r.first_record = ReadAtLeast(in, "a first record number", r.value_count > 0 ? 1 : 0);
  const std::int64_t last = static_cast<std::int64_t>(r.first_record) + r.value_count - 1;
  if (last > std::numeric_limits<std::int32_t>::max())
    in.Refuse("residue values beyond the last record number");
  r.first_value = ReadAmount(in, "residue value", kMaxResidue);
  r.check_record = in.ReadInt32();
  if (r.check_record != 0 && (r.check_record < r.first_record || r.check_record > last))
    in.Refuse("a check record (" + std::to_string(r.check_record) +
              ") outside the records of its distribution");
}

RdlRow ReadRdlRow(ListReader& in, int max_rdl_index) {
  RdlRow r;
  r.index = ReadInRange(in, "a residue distribution index", 1, max_rdl_index);
  r.type = DistributionTypeOf(in.ReadInt16());
  if (r.type == DistributionType::Empirical) {
    ReadEmpiricalCounts(in, r);
  } else {
    for (float& p : r.param) p = in.ReadSingle();
    const std::string problem = RdlParameterProblem(r.type, r.param[0], r.param[1], r.param[2]);
    if (!problem.empty())
      in.Refuse("residue distribution line " + std::to_string(r.index) + " has " + problem);
  }
  return r;
}

std::vector<RdlRow> ReadRdlRows(ListReader& in, int n, int max_rdl_index) {
  std::vector<RdlRow> rows;
  for (int i = 0; i < n; ++i) rows.push_back(ReadRdlRow(in, max_rdl_index));
  return rows;
}

CecSettings ReadCec(ListReader& in) {
  CecSettings c;
  c.max_records = ReadAtLeast(in, "a maximum number of records", 1);
  if (c.max_records > kMaxCecRecords)
    in.Refuse("a maximum number of records above " + std::to_string(kMaxCecRecords));
  c.min_percent = ReadAmount(in, "minimum contribution", 100);
  c.file_name = in.ReadText();
  c.basis =
      ReadInRange(in, "a boundary basis", 0, 1) == 1 ? CecBasis::Amounts : CecBasis::Percentiles;
  c.low = ReadAmount(in, "low bound", kMaxDose);
  c.high = ReadAmount(in, "high bound", kMaxDose);
  c.excel = ReadFlag(in, "an Excel-format flag");
  c.suppress_warning = ReadFlag(in, "a suppress-warning flag");
  return c;
}

void ReadCustomPopulations(ListReader& in, AnalysisSettings& s) {
  const int count = ReadInRange(in, "a number of custom populations", 0, 32767);
  for (int i = 0; i < count; ++i) {
    CustomPopulation c;
    c.name = in.ReadTextLine();
    for (int line = 0; line < 6; ++line) {
      const int items = line == 4 ? 3 : 5;
      for (int item = 0; item < items; ++item) c.crit[line][item] = in.ReadInt16();
    }
    c.pad = ReadDose(in, "PAD");
    s.custom.push_back(c);
  }
}

void ReadBatchEntries(ListReader& in, AnalysisSettings& s) {
  for (int i = 0; i < s.batch_count; ++i) {
    BatchEntry e;
    e.residue_file = in.ReadTextLine();
    e.output_base = in.ReadTextLine();
    e.number = in.ReadInt16();
    const int n = ReadInRange(in, "a number of distribution rows", 0, 32767);
    int highest = kMaxRdlIndex;
    if (s.monte_carlo) {
      e.max_rdl_index = ReadInRange(in, "a highest distribution index", 0, kMaxRdlIndex);
      highest = e.max_rdl_index;
    }
    if (n > 0) {
      e.rdf_work_file = in.ReadText();
      e.rows = ReadRdlRows(in, n, highest);
    }
    s.batch.push_back(std::move(e));
  }
}

void ReadRuns(ListReader& in, AnalysisSettings& s, const PassFileLayout& layout) {
  if (s.monte_carlo) {
    s.iterations = ReadInRange(in, "a number of iterations", 1, 32767);
    s.seed = in.ReadInt16();
  } else {
    s.iterations = 1;
  }
  s.arfd = ReadDose(in, "acute reference dose");
  s.noel = ReadDose(in, "NOEL");
  s.pad_flag = ReadFlag(in, "a PAD flag");
  const int count = layout.standard_population_count;
  s.standard_pad = StandardPads(count);
  if (s.pad_flag)
    for (int p = layout.FirstPadPopulation(); p <= count; ++p)
      s.standard_pad.Set(p, ReadDose(in, "PAD"));
  s.dwloc = ReadFlag(in, "a DWLOC flag");
  s.save_plot = ReadFlag(in, "a save-plot flag");
  if (s.save_plot && !s.IsBatch()) s.plot_file = in.ReadText();
  s.save_report = ReadFlag(in, "a save-report flag");
  if (s.save_report && !s.IsBatch()) s.report_file = in.ReadText();
  s.comment_line = in.ReadLine();
  s.standard_selected.clear();
  for (int p = 0; p < count; ++p)
    s.standard_selected.push_back(ReadFlag(in, "a population selection"));
}

AnalysisSettings ReadFull(ListReader& in, const PassFileLayout& layout) {
  AnalysisSettings s;
  s.consumption_check_index = in.ReadInt16();
  s.batch_count = ReadInRange(in, "a number of batch entries", 0, 32767);
  s.residue_file = in.ReadText();
  s.working_folder = in.ReadTextLine();
  s.per_kg = ReadFlag(in, "a per-kg flag");
  s.second_adjustment = ReadFlag(in, "a second-adjustment flag");
  s.monte_carlo = ReadFlag(in, "a Monte Carlo flag");
  s.eating_occasion = ReadFlag(in, "an eating-occasion flag");
  ReadRuns(in, s, layout);
  ReadCustomPopulations(in, s);
  if (s.IsBatch()) {
    ReadBatchEntries(in, s);
  } else {
    const int n = ReadInRange(in, "a number of distribution rows", 0, 32767);
    if (n > 0) {
      s.max_rdl_index = ReadInRange(in, "a highest distribution index", 1, kMaxRdlIndex);
      s.rdl_rows = ReadRdlRows(in, n, s.max_rdl_index);
    }
  }
  s.cec_flag = ReadFlag(in, "a CEC flag");
  if (s.cec_flag) s.cec = ReadCec(in);
  return s;
}

// What is wrong with the pass file whose text (or whose read's problem) is given, or "".
std::string PassFileProblem(const std::string& read_problem, ListReader& in) {
  if (!read_problem.empty()) return read_problem;
  if (in.AtEnd()) return "is empty";
  if (in.ReadLine() != kPassFileHeader)
    return std::string("does not begin with the line \"") + kPassFileHeader + "\"";
  return "";
}

// The pass file read past its header line, and what is wrong with it ("" when nothing).
ListReader ReadPastHeader(const std::filesystem::path& path, std::string& problem) {
  std::string text;
  std::string read_problem;
  try {
    text = ReadSmallFile(path, kMaxPassFileBytes);
  } catch (const std::runtime_error& e) {
    read_problem = e.what();
  }
  ListReader in(text);
  problem = PassFileProblem(read_problem, in);
  return in;
}

}  // namespace

std::string PassFileFault(const std::filesystem::path& path) {
  std::string problem;
  ReadPastHeader(path, problem);
  return problem;
}

namespace {

ListReader OpenPassFile(const std::filesystem::path& path, UserPort& port, const std::string& title,
                        const std::string& invalid) {
  std::string problem;
  ListReader in = ReadPastHeader(path, problem);
  if (!problem.empty()) {
    const std::string message = invalid + (invalid.ends_with('.') ? " " : ". ") + "The pass file " +
                                path.string() + " " + problem +
                                ". Run the analysis again to write a new one.";
    Tell(port, title, message, Icon::Critical);
    throw ProgramEnds(message);
  }
  return in;
}

[[noreturn]] void Unreadable(UserPort& port, const ListReadError& e) {
  std::string text = std::string("The pass file ") + kPassFileName + " cannot be read at line " +
                     std::to_string(e.line()) + ": " + e.what() + ".";
  Tell(port, "Fatal error", text, Icon::Critical);
  throw ProgramEnds(text);
}

}  // namespace

std::string QuoteRunComment(const std::string& comment) {
  std::string out = "\"";
  for (char c : comment) {
    if (c == '\r')
      out += "; ";
    else if (c == '"')
      out += '\'';
    else if (c != '\n')
      out += c;
  }
  return out + "\"";
}

void CheckPassFileHeader(const std::filesystem::path& path, UserPort& port) {
  OpenPassFile(path, port, "ACUTE",
               "Invalid pass file generated by ACUTE. Can't continue. Please notify Vantrel "
               "Software.");
}

AnalysisSettings ReadPassFile(const std::filesystem::path& path, const PassFileLayout& layout,
                              UserPort& port) {
  ListReader in = OpenPassFile(path, port, "Fatal error", "Invalid pass file generated by ACUTE");
  try {
    return ReadFull(in, layout);
  } catch (const ListReadError& e) {
    Unreadable(port, e);
  }
}

AnalysisSettings SettingsAsPassFileCarries(const AnalysisSettings& settings,
                                           const PassFileLayout& layout) {
  ListReader in(PassFileText(settings, layout));
  in.ReadLine();  // the header line
  try {
    return ReadFull(in, layout);
  } catch (const ListReadError& e) {
    throw ProgramEnds(std::string("The pass file written for this run cannot be read back: ") +
                      e.what());
  }
}

bool IsShortPassFile(const std::filesystem::path& path, const PassFileLayout& layout) {
  SilentPort quiet;
  try {
    ReadPassFile(path, layout, quiet);
    return false;
  } catch (const ProgramEnds&) {
  }
  try {
    ReadShortPassFile(path, quiet);
    return true;
  } catch (const ProgramEnds&) {
    return false;
  }
}

CecSettings ReadShortPassFile(const std::filesystem::path& path, UserPort& port) {
  ListReader in = OpenPassFile(path, port, "Fatal error", "Invalid pass file generated by ACUTE");
  try {
    return ReadCec(in);
  } catch (const ListReadError& e) {
    Unreadable(port, e);
  }
}

}  // namespace acute
