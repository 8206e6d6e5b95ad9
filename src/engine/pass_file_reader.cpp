// Reading the analysis pass file.
#include <filesystem>

#include "common/errors.h"
#include "common/list_reader.h"
#include "engine/pass_file.h"

namespace acute {
namespace {

RdlRow ReadRdlRow(ListReader& in) {
  RdlRow r;
  r.index = in.ReadInt16();
  r.type = in.ReadInt16();
  if (r.type == 6) {
    r.total_z = in.ReadInt32();
    r.total_lod = in.ReadInt32();
    r.lod_res = in.ReadSingle();
    r.value_count = in.ReadInt32();
    r.count_with_lod = in.ReadInt32();
    r.total_count = in.ReadInt32();
    r.first_record = in.ReadInt32();
    r.first_value = in.ReadSingle();
    r.check_record = in.ReadInt32();
  } else {
    for (float& p : r.param) p = in.ReadSingle();
  }
  return r;
}

std::vector<RdlRow> ReadRdlRows(ListReader& in, int n) {
  std::vector<RdlRow> rows;
  for (int i = 0; i < n; ++i) rows.push_back(ReadRdlRow(in));
  return rows;
}

CecSettings ReadCec(ListReader& in) {
  CecSettings c;
  c.max_records = in.ReadInt32();
  c.min_percent = in.ReadSingle();
  c.file_name = in.ReadString();
  c.basis = in.ReadInt16();
  c.low = in.ReadSingle();
  c.high = in.ReadSingle();
  c.excel = in.ReadInt16();
  c.suppress_warning = in.ReadInt16();
  return c;
}

void ReadCustomPopulations(ListReader& in, AnalysisSettings& s) {
  const int count = in.ReadInt16();
  if (count < 0) throw ListReadError("a negative number of custom populations", in.line());
  for (int i = 0; i < count; ++i) {
    CustomPopulation c;
    c.name = in.ReadLine();
    for (int line = 0; line < 6; ++line) {
      const int items = line == 4 ? 3 : 5;
      for (int item = 0; item < items; ++item) c.crit[line][item] = in.ReadInt16();
    }
    c.pad = in.ReadSingle();
    s.custom.push_back(c);
  }
}

void ReadBatchEntries(ListReader& in, AnalysisSettings& s) {
  for (int i = 0; i < s.batch_count; ++i) {
    BatchEntry e;
    e.residue_file = in.ReadLine();
    e.output_base = in.ReadLine();
    e.number = in.ReadInt16();
    const int n = in.ReadInt16();
    if (s.monte_carlo == 1) e.max_rdl_index = in.ReadInt16();
    if (n > 0) {
      e.rdf_work_file = in.ReadString();
      e.rows = ReadRdlRows(in, n);
    }
    s.batch.push_back(std::move(e));
  }
}

void ReadRuns(ListReader& in, AnalysisSettings& s, const PassFileLayout& layout) {
  if (s.monte_carlo == 1) {
    s.iterations = in.ReadInt16();
    s.seed = in.ReadInt16();
  } else {
    s.iterations = 1;
  }
  s.arfd = in.ReadSingle();
  s.noel = in.ReadSingle();
  s.pad_flag = in.ReadInt16();
  const int count = layout.standard_population_count;
  s.standard_pad.assign(static_cast<std::size_t>(count) + 8, 0.0f);
  if (s.pad_flag == 1)
    for (int p = layout.FirstPadPopulation(); p <= count; ++p) s.standard_pad[p] = in.ReadSingle();
  s.dwloc = in.ReadInt16();
  s.save_plot = in.ReadInt16();
  if (s.save_plot == 1 && !s.IsBatch()) s.plot_file = in.ReadString();
  s.save_report = in.ReadInt16();
  if (s.save_report == 1 && !s.IsBatch()) s.report_file = in.ReadString();
  s.comment_line = in.ReadLine();
  s.standard_selected.clear();
  for (int p = 0; p < count; ++p) s.standard_selected.push_back(in.ReadInt16());
}

AnalysisSettings ReadFull(ListReader& in, const PassFileLayout& layout) {
  AnalysisSettings s;
  s.consumption_check_index = in.ReadInt16();
  s.batch_count = in.ReadInt16();
  s.residue_file = in.ReadString();
  s.working_folder = in.ReadLine();
  s.per_kg = in.ReadInt16();
  s.second_adjustment = in.ReadInt16();
  s.monte_carlo = in.ReadInt16();
  s.eating_occasion = in.ReadInt16();
  ReadRuns(in, s, layout);
  ReadCustomPopulations(in, s);
  if (s.IsBatch()) {
    ReadBatchEntries(in, s);
  } else {
    const int n = in.ReadInt16();
    if (n > 0) {
      s.max_rdl_index = in.ReadInt16();
      s.rdl_rows = ReadRdlRows(in, n);
    }
  }
  s.cec_flag = in.ReadInt16();
  if (s.cec_flag == 1) s.cec = ReadCec(in);
  return s;
}

ListReader OpenPassFile(const std::filesystem::path& path, UserPort& port, const std::string& title,
                        const std::string& wrong_header) {
  std::string text;
  try {
    text = ReadWholeFile(path);
  } catch (const std::runtime_error&) {
  }
  ListReader in(text);
  if (in.AtEnd() || in.ReadLine() != kPassFileHeader) {
    Tell(port, title, wrong_header, Icon::Critical);
    throw ProgramEnds(wrong_header);
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

CecSettings ReadShortPassFile(const std::filesystem::path& path, UserPort& port) {
  ListReader in = OpenPassFile(path, port, "Fatal error", "Invalid pass file generated by ACUTE");
  try {
    return ReadCec(in);
  } catch (const ListReadError& e) {
    Unreadable(port, e);
  }
}

}  // namespace acute
