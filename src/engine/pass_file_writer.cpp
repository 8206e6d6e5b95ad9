// Writing the analysis pass file.
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "engine/pass_file.h"

namespace acute {
namespace {

// Items joined by semicolons: each number followed by its blank, no other gap.
template <typename T>
void Joined(PrintWriter& w, const std::vector<T>& values) {
  for (const auto& v : values) w.Num(v);
  w.EndLine();
}

// A yes/no field as the file carries it.
std::int16_t Flag(bool on) {
  return on ? 1 : 0;
}

void WriteRdlRow(PrintWriter& w, const RdlRow& r) {
  w.Num(r.index).Num(TypeNumber(r.type));
  if (r.type == DistributionType::Empirical) {
    w.Num(r.total_z).Num(r.total_lod).Num(r.lod_res).Num(r.value_count).Num(r.count_with_lod);
    w.Num(r.total_count).Num(r.first_record).Num(r.first_value).Num(r.check_record);
  } else {
    w.Num(r.param[0]).Num(r.param[1]).Num(r.param[2]);
  }
  w.EndLine();
}

void WriteRdlRows(PrintWriter& w, const std::vector<RdlRow>& rows) {
  for (const auto& r : rows)
    if (r.type != DistributionType::None) WriteRdlRow(w, r);
}

std::int16_t WrittenRowCount(const std::vector<RdlRow>& rows) {
  std::int16_t n = 0;
  for (const auto& r : rows) n += r.type != DistributionType::None ? 1 : 0;
  return n;
}

void WriteCec(PrintWriter& w, const CecSettings& c) {
  w.Num(c.max_records).Num(static_cast<double>(c.min_percent)).Text(QuotedText(c.file_name));
  w.EndLine();
  w.Num(Flag(c.basis == CecBasis::Amounts)).EndLine();
  w.Num(c.low).Zone().Num(c.high).EndLine();
  w.Num(Flag(c.excel)).Zone().Num(Flag(c.suppress_warning)).Zone().Num(Flag(c.cumulative));
  w.EndLine();
}

void WriteCustomPopulations(PrintWriter& w, const AnalysisSettings& s) {
  w.Num(static_cast<std::int16_t>(s.custom.size())).EndLine();
  for (const auto& c : s.custom) {
    w.Line(QuotedLine(c.name));
    for (int line = 0; line < 6; ++line) {
      const int items = line == 4 ? 3 : 5;
      for (int i = 0; i < items; ++i) w.Num(c.crit[line][i]);
      w.EndLine();
    }
    w.Num(c.pad).EndLine();
  }
}

void WriteBatchEntries(PrintWriter& w, const AnalysisSettings& s) {
  const bool mc = s.monte_carlo;
  for (const auto& e : s.batch) {
    w.Line(QuotedLine(e.residue_file));
    w.Line(QuotedLine(e.output_base));
    const std::int16_t n = mc ? WrittenRowCount(e.rows) : 0;
    w.Num(e.number).Zone().Num(n);
    if (mc) w.Zone().Num(e.max_rdl_index);
    w.EndLine();
    if (n > 0) {
      w.Line(QuotedText(e.rdf_work_file));
      WriteRdlRows(w, e.rows);
    }
  }
}

}  // namespace

std::string WithWorkingFolder(const std::string& name, const std::string& working_folder) {
  if (name.empty() || HasFolder(name)) return name;
  return WithSeparator(working_folder) + name;
}

std::string PassFileText(const AnalysisSettings& s, const PassFileLayout& layout) {
  PrintWriter w;
  const std::string& wf = s.working_folder;
  w.Line(kPassFileHeader);
  w.Num(s.consumption_check_index).EndLine();
  w.Num(s.batch_count).Zone().Text(QuotedText(WithWorkingFolder(s.residue_file, wf))).EndLine();
  w.Line(QuotedLine(wf));
  Joined(w, std::vector<std::int16_t>{Flag(s.per_kg), Flag(s.second_adjustment),
                                      Flag(s.monte_carlo), Flag(s.eating_occasion)});
  if (s.monte_carlo) w.Num(s.iterations).Zone().Num(s.seed).EndLine();
  w.Num(s.arfd).Num(s.noel).Zone().Num(Flag(s.pad_flag)).EndLine();
  if (s.pad_flag) {
    std::vector<float> pads;
    for (int p = layout.FirstPadPopulation(); p <= layout.standard_population_count; ++p)
      pads.push_back(s.PadOf(p));
    Joined(w, pads);
  }
  w.Num(Flag(s.dwloc)).EndLine();
  w.Num(Flag(s.save_plot)).EndLine();
  if (s.save_plot && !s.IsBatch()) w.Line(QuotedText(WithWorkingFolder(s.plot_file, wf)));
  w.Num(Flag(s.save_report)).EndLine();
  if (s.save_report && !s.IsBatch()) w.Line(QuotedText(WithWorkingFolder(s.report_file, wf)));
  w.Line(s.comment_line);
  std::vector<std::int16_t> selected;
  for (bool on : s.standard_selected) selected.push_back(Flag(on));
  Joined(w, selected);
  WriteCustomPopulations(w, s);
  if (s.IsBatch()) {
    WriteBatchEntries(w, s);
  } else {
    const std::int16_t n = WrittenRowCount(s.rdl_rows);
    w.Num(n).EndLine();
    if (n > 0) {
      w.Num(s.max_rdl_index).EndLine();
      WriteRdlRows(w, s.rdl_rows);
    }
  }
  w.Num(Flag(s.cec_flag)).EndLine();
  if (s.cec_flag) {
    CecSettings cec = s.cec;
    cec.file_name = WithWorkingFolder(cec.file_name, wf);
    WriteCec(w, cec);
  }
  return w.Contents();
}

std::string ShortPassFileText(const CecSettings& cec) {
  PrintWriter w;
  w.Line(kPassFileHeader);
  WriteCec(w, cec);
  return w.Contents();
}

bool WritePassFile(const std::filesystem::path& path, const AnalysisSettings& settings,
                   const PassFileLayout& layout) {
  return WriteFileAtomically(path, PassFileText(settings, layout));
}

}  // namespace acute
