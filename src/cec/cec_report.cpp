#include "cec/cec_report.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>

#include "cec/cec_picture.h"
#include "cec/cec_ranking.h"
#include "cec/cec_report_layout.h"
#include "cec/cec_work_files.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/number_picture.h"
#include "common/print_writer.h"
#include "common/str.h"
#include "common/work_set.h"
#include "common/work_set_check.h"
#include "engine/pass_threads.h"

namespace acute {
namespace {

constexpr const char* kTitle = "Tarn-VELD Acute Module";

[[noreturn]] void Stop(UserPort& port, const std::string& title, const std::string& text,
                       Icon icon = Icon::Critical) {
  Tell(port, title, text, icon);
  throw RunEnds(text);
}

// A work file of the last run; with the folder's list, it must be the file its run wrote.
std::string ReadWorkFile(const CecReportRequest& q, const char* name, UserPort& port) {
  std::string text;
  try {
    text = ReadWholeFile(q.folder / name);
  } catch (const std::exception&) {
    Stop(port, "CEC Error",
         "The CEC report cannot be recomputed. There is no data file on which to base this "
         "analysis.");
  }
  if (q.read_state != nullptr) {
    const std::string fault = MemberFault(*q.read_state, name, text);
    if (!fault.empty()) Stop(port, "CEC Error", fault);
  }
  return text;
}

// A work file, staged in the run's set when the request has one.
template <typename Text>
bool Put(const CecReportRequest& q, const std::filesystem::path& path, const Text& text) {
  return q.stage != nullptr ? q.stage->Stage(path, text) : WriteFileAtomically(path, text);
}

template <typename Text>
void Write(const CecReportRequest& q, const std::filesystem::path& path, const Text& text,
           UserPort& port) {
  if (!Put(q, path, text))
    Stop(port, kTitle, "Can't write file " + path.string() + ". The CEC report was not made.");
}

void BoundaryWarnings(const CecSection& s, const CecWindow& w, UserPort& port) {
  if (s.basis != CecBasis::Percentiles) return;
  const double inf = 1e300;
  const double high = w.has_high ? w.high : inf;
  const double phigh = s.preliminary.has_high ? s.preliminary.high : inf;
  const bool overlap = w.low <= phigh && high >= s.preliminary.low;
  const bool inside = w.low >= s.preliminary.low && high <= phigh;
  if (overlap && inside) return;
  const std::string start =
      "The CEC percentile boundaries that you entered here do not map well onto the "
      "preliminary estimate of low and high exposure amounts corresponding to these "
      "percentiles made in the first pass for population " +
      s.name;
  const std::string end =
      " In this case, it is advisable to rerun your initial analysis with a wider spread "
      "between low and high percentiles, then use the 'Redo Last CEC' button with your initial "
      "values to generate the CEC report for this interval.";
  const std::string middle =
      overlap ? ". Thus some exposure records falling within your boundaries may not be used in "
                "generating the CEC report."
              : ". Thus no exposure records falling within your boundaries were available to "
                "generate a CEC report.";
  Tell(port, "CEC analysis for " + s.name, start + middle + end, Icon::Exclamation);
}

CecWindow FinalWindow(const CecSettings& cec, const UsersDistribution& users) {
  return PopulationWindows(cec, {users}, false)[0];
}

// Every food line of a cumulative run must name a record of the distribution files whose
// total is the line's residue (as printed, to six decimals).
void CheckResidueRecords(const std::vector<CecSection>& sections, const CumulativeResidues& c,
                         UserPort& port) {
  for (const CecSection& s : sections)
    for (const CecFileRecord* r : s.records)
      for (const CecLineValues& f : r->foods) {
        if (f.record == 0) continue;
        if (!c.Has(f.record))
          Stop(port, "Acute error",
               "Error in RDF file assignment. Please provide this file to Pelamor Sciences for "
               "diagnosis");
        const double total = c.totals[static_cast<std::size_t>(f.record - 1)];
        if (std::fabs(total - f.residue) > 5.1e-7 + 1e-6 * std::fabs(total))
          Stop(port, "Acute error",
               "Error in RAC assignment. Please provide this file to Pelamor Sciences for "
               "diagnosis");
      }
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

CecReportInputs CecInputsOfRun(const CecReportRequest& q, CecRecordFile file,
                               const std::vector<CecWindow>& preliminary,
                               const std::vector<std::string>& population_names, CecExpos expos,
                               UserPort& port) {
  ShowPhase(port, q.progress_caption, "Generating CEC report: step 1 of 4");
  ShowPhase(port, q.progress_caption, "Generating CEC report: step 2 of 4");
  CecReportInputs in;
  in.header = std::move(file.header);
  in.sections.cumulative = file.cumulative;
  for (CecFileRecord& r : file.records) in.sections.records.push_back(std::move(r));
  for (std::size_t p = 0; p < population_names.size(); ++p) {
    ShowPhase(
        port, q.progress_caption,
        "Generating CEC report: step 2 of 4, population #" + Str(static_cast<std::int32_t>(p + 1)));
    in.sections.list.push_back(SectionOf(in.sections.records, q.cec,
                                         p < preliminary.size() ? preliminary[p] : CecWindow{},
                                         static_cast<int>(p + 1), population_names[p]));
  }
  in.expos = std::move(expos);
  return in;
}

namespace {

// "cec2.tmp" and "expos.tmp" of a fresh run, for a later Redo Last CEC. The name of the
// file that could not be written, or empty.
std::string WriteSectionFiles(const CecReportRequest& q, const CecReportInputs& in) {
  const auto sections = q.folder / kCecSectionsFileName;
  if (!Put(q, sections, SectionsText(in.sections.cumulative, in.sections.list)))
    return sections.string();
  const auto expos = q.folder / kCecExposFileName;
  return Put(q, expos, ExposText(in.expos)) ? "" : expos.string();
}

CecReportInputs ReadInputs(const CecReportRequest& q, UserPort& port) {
  CecReportInputs in;
  in.header = ParseCecRecordFile(ReadWorkFile(q, kCecRecordFileName, port), true).header;
  in.sections = ParseSections(ReadWorkFile(q, kCecSectionsFileName, port));
  in.expos = ParseExpos(ReadWorkFile(q, kCecExposFileName, port));
  return in;
}

// One piece of a population's text: its head, or a block of its records.
struct TextPart {
  std::size_t population = 0;
  bool head = true;
  std::int64_t first = 0, last = 0;  // records with ranks first + 1 to last
};

constexpr std::int64_t kRecordsPerPart = 2000;

// The parts of every population's text, in file order: the head, then `records(p)` records
// in blocks.
std::vector<TextPart> PartsOf(std::size_t populations,
                              const std::function<std::int64_t(std::size_t)>& records) {
  std::vector<TextPart> parts;
  for (std::size_t p = 0; p < populations; ++p) {
    parts.push_back({p, true, 0, 0});
    const std::int64_t n = records(p);
    for (std::int64_t first = 0; first < n; first += kRecordsPerPart)
      parts.push_back({p, false, first, std::min(n, first + kRecordsPerPart)});
  }
  return parts;
}

// Runs job(i) for i = 0 to count - 1 on the request's threads, taken in order; the calling
// thread shows the status texts of every part begun, in order, and watches the Cancel button.
void ForEachPart(const CecReportRequest& q, std::size_t count,
                 const std::function<std::vector<std::string>(std::size_t)>& texts_of,
                 UserPort& port, const std::function<void(std::size_t)>& job) {
  std::size_t next = 0;
  std::string last;
  RunChunksOnThreads(
      count, ThreadsFor(q.threads, count),
      [&](std::size_t begun) {
        if (port.CancelRequested()) throw RunEnds("the analysis was cancelled");
        for (; next < std::min(begun, count); ++next)
          for (const std::string& text : texts_of(next))
            if (text != last) ShowPhase(port, q.progress_caption, last = text);
      },
      [&](int, std::size_t i, const PersonTick& tick) {
        tick();
        job(i);
      });
}

// Step 3: each population's final window (with its boundary warnings), its ranked records
// and critical pairs, and the text of "cec3.tmp" in parts.
std::vector<RankedSection> RankSections(const CecReportRequest& q, const CecReportInputs& in,
                                        std::vector<std::string>& ranked_text, UserPort& port) {
  const std::size_t n = in.sections.list.size();
  std::vector<CecWindow> windows;
  for (std::size_t p = 0; p < n; ++p) {
    windows.push_back(FinalWindow(q.cec, in.expos.users[p]));
    BoundaryWarnings(in.sections.list[p], windows[p], port);
  }
  const int cumulative = in.sections.cumulative;
  const std::string step = "Generating CEC report: Step 3 of 4, ";
  const auto pop = [](std::size_t p) { return Str(static_cast<std::int32_t>(p + 1)); };
  std::vector<RankedSection> ranked(n);
  ForEachPart(
      q, n,
      [&](std::size_t p) -> std::vector<std::string> {
        return {step + "Population #" + pop(p) + "  Sorting...",
                step + "Population #" + pop(p) + " Summary Statistics",
                step + "Advanced CEC, population #" + pop(p) + "  Sorting..."};
      },
      port,
      [&](std::size_t p) {
        ranked[p] = RankSection(in.sections.list[p], windows[p], q.cec.max_records, q.two_day,
                                cumulative == 1 ? &*q.cumulative : nullptr);
      });
  const std::vector<TextPart> parts =
      PartsOf(n, [&](std::size_t p) { return static_cast<std::int64_t>(ranked[p].ranked.size()); });
  ranked_text.assign(parts.size() + 1, "");
  ranked_text[0] = Str(static_cast<std::int32_t>(cumulative)) + "\r\n";
  const std::string printing = "Generating CEC report: step 3 of 4, ";
  ForEachPart(
      q, parts.size(),
      [&](std::size_t i) -> std::vector<std::string> {
        const TextPart& t = parts[i];
        if (t.head) return {printing + "printing records, pop #" + pop(t.population)};
        // Every 10,000 records written, the rank reached.
        std::vector<std::string> texts;
        for (std::int64_t rank = (t.first / 10000 + 1) * 10000; rank <= t.last; rank += 10000)
          texts.push_back(printing + "at record " + Str(rank) + ", pop #" + pop(t.population));
        return texts;
      },
      port,
      [&](std::size_t i) {
        const TextPart& t = parts[i];
        const RankedSection& r = ranked[t.population];
        ranked_text[i + 1] = t.head ? RankedHeadText(cumulative, r, q)
                                    : RankedRecordsText(cumulative, r, q, t.first, t.last);
      });
  return ranked;
}

// Step 4: the header of "cec1.tmp" and each population's section, in parts.
std::vector<std::string> ReportText(const CecReportRequest& q, const CecReportInputs& in,
                                    const std::vector<RankedSection>& ranked, UserPort& port) {
  std::vector<std::uint8_t> households;
  if (q.database_kind == 0) households = ReadBytes(q.household_file);
  bool per_kg = false;
  for (const std::string& l : in.header) per_kg = per_kg || l == "Exposures divided by body weight";
  const bool cumulative = in.sections.cumulative == 1;
  const std::vector<TextPart> parts =
      PartsOf(ranked.size(), [&](std::size_t p) { return ranked[p].printed; });
  std::vector<std::string> text(parts.size() + 1);
  PrintWriter w;
  if (q.cec.excel) w.Tab(144).Text("xxx").EndLine();
  for (const std::string& l : in.header) w.Line(l);
  w.EndLine();
  text[0] = w.Contents();
  ForEachPart(
      q, parts.size(),
      [&](std::size_t i) -> std::vector<std::string> {
        return {"Completing CEC report: step 4 of 4; population #" +
                Str(static_cast<std::int32_t>(parts[i].population + 1)) + "  Sorting..."};
      },
      port,
      [&](std::size_t i) {
        const TextPart& t = parts[i];
        const RankedSection& r = ranked[t.population];
        text[i + 1] = t.head ? ReportHeadText(r, q, per_kg, cumulative)
                             : ReportRecordsText(r, q, households, cumulative, t.first, t.last);
      });
  return text;
}

// Steps 3 and 4 from the inputs. `before_writing` runs before the first report file is
// written.
void ReportFromInputs(const CecReportRequest& q, const CecReportInputs& in, UserPort& port,
                      const std::function<void()>& before_writing) {
  const std::string& caption = q.progress_caption;
  const int cumulative = in.sections.cumulative;
  if (cumulative == 1 && !q.cumulative)
    Stop(port, kTitle,
         "The last run was a cumulative CEC analysis, but the per-chemical residues of its "
         "residue distribution files cannot be read. The CEC report was not made.");
  if (in.expos.users.size() != in.sections.list.size())
    throw CecFileError(kCecExposFileName, "its populations are not those of cec2.tmp");
  if (cumulative == 1) CheckResidueRecords(in.sections.list, *q.cumulative, port);
  ShowPhase(port, caption, "Generating CEC report: Step 3 of 4, Sorting records");
  std::vector<std::string> ranked_text;
  const std::vector<RankedSection> ranked = RankSections(q, in, ranked_text, port);
  if (q.on_ranked) q.on_ranked(ranked);
  before_writing();
  if (cumulative == 1) {
    ShowPhase(port, caption, "Completing CEC report: step 3b of 4");
    Write(q, q.folder / kCecRankedCumulativeFileName, ranked_text, port);
  }
  Write(q, q.folder / kCecRankedFileName, ranked_text, port);
  ShowPhase(port, caption, "Completing CEC report: step 4 of 4");
  const std::vector<std::string> report = ReportText(q, in, ranked, port);
  Write(q, q.folder / kCecReportFileName, report, port);
  const bool copied = q.copies != nullptr ? q.copies->Stage(q.cec.file_name, report)
                                          : WriteFileAtomically(q.cec.file_name, report);
  if (!copied)
    Stop(port, kTitle,
         "Can't write the CEC file " + q.cec.file_name + ". The CEC report is in the work file " +
             (q.folder / kCecReportFileName).string() + ".");
}

}  // namespace

void WriteCecReport(const CecReportRequest& q, UserPort& port, const CecReportInputs* inputs) {
  try {
    if (inputs == nullptr) {
      const CecReportInputs read = ReadInputs(q, port);
      ReportFromInputs(q, read, port, [] {});
      return;
    }
    // A fresh run: the section files for a later repeat are written beside steps 3 and 4.
    std::future<std::string> written;
    if (q.threads > 1)
      written = std::async(std::launch::async, [&] { return WriteSectionFiles(q, *inputs); });
    auto wait = [&] {
      const std::string failed = written.valid() ? written.get() : WriteSectionFiles(q, *inputs);
      if (!failed.empty())
        Stop(port, kTitle, "Can't write file " + failed + ". The CEC report was not made.");
    };
    try {
      ReportFromInputs(q, *inputs, port, wait);
    } catch (...) {
      if (written.valid()) written.wait();
      throw;
    }
  } catch (const CecFileError& e) {
    Stop(port, kTitle, e.what());
  }
}

}  // namespace acute
