#pragma once
// The page header that opens every page group of the reports and plot files, and the page
// footer that closes a page. The caller owns the line count of the page and the page number
// (-1 = pages not numbered); both routines update them.
#include <cstdint>

#include "common/print_writer.h"
#include "reports/report_context.h"

namespace acute {

enum class OutputKind { AcuteReport, AcutePlot, DwlocReport, DwlocPlot };

// The report kind of the run: the acute report or the DWLOC report.
inline OutputKind ReportKind(const ReportContext& ctx) {
  return ctx.Kind() == AnalysisKind::Dwloc ? OutputKind::DwlocReport : OutputKind::AcuteReport;
}

// `population_index` is the report position (1..P) of the population whose page starts, or
// 0 for the summary and the plot files. Adds the lines written to `line_count` (a count of
// 0, the start of a file, first gets a blank line of its own and becomes 1).
void WriteHeader(PrintWriter& out, const ReportContext& ctx, int population_index,
                 std::int16_t& line_count, OutputKind kind);

// Footnotes when `footnotes`; with headers on every page, the filler lines, the page number
// and the form feed (none on the last page). Sets `line_count` back to 1.
void WriteFooter(PrintWriter& out, const ReportContext& ctx, bool footnotes,
                 std::int16_t& page_number, std::int16_t& line_count, bool last_page);

// Adds the lines completed since `mark` (an earlier out.Lines()) to `line_count`.
inline void AddLinesSince(std::int16_t& line_count, const PrintWriter& out, long mark) {
  line_count = static_cast<std::int16_t>(line_count + (out.Lines() - mark));
}

}  // namespace acute
