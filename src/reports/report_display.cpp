#include "reports/report_display.h"

#include <chrono>
#include <ctime>

#include "common/list_reader.h"
#include "common/print_writer.h"

namespace acute {
namespace {

constexpr const char* kDone = "Action completed";

ReportTexts Texts(ReportKind kind, std::string caption, FileDialog save, std::string viewer,
                  std::string printed, std::string saved, std::string saved_title = kDone) {
  return ReportTexts{kind,
                     std::move(caption),
                     std::move(save),
                     std::move(viewer),
                     std::move(printed),
                     std::move(saved),
                     std::move(saved_title)};
}

}  // namespace

ReportTexts TextsOf(ReportKind kind) {
  switch (kind) {
    case ReportKind::Residue:
      return Texts(
          kind, "Send Residue File report to:",
          {"Save residue file report as:", "Residue file reports (*.AC1)|*.AC1", "AC1", ""},
          "Current Residue File", "Residue File Report sent to Printer",
          "Residue File Report saved as file ");
    case ReportKind::Batch:
      return Texts(kind, "Send Batch File report to:",
                   {"Save batch file report as:", "Batch file reports (*.AC2)|*.AC2", "AC2", ""},
                   "Current Batch File", "Batch File Report sent to Printer",
                   "Batch File Report saved as file ");
    case ReportKind::Rdf:
      return Texts(kind, "Send RDF File report to:",
                   {"Save RDF file report as:", "RDF reports (*.AC3)|*.AC3", "AC3", ""},
                   "RDF Summary", "RDF Report sent to Printer",
                   "RDF Summary Report saved as file ");
    case ReportKind::Plot:
      return Texts(kind, "Send Plot file to:",
                   {"Save Plot file report as:", "Plot file reports (*.PLT)|*.PLT", "PLT", ""},
                   "Last Plot File", "Plot file sent to Printer", "Plot file saved as file ",
                   "Last Plot File");
    case ReportKind::DwlocPlot:
      return Texts(kind, "Send DWLOC Plot file to:",
                   {"Save Plot file report as:", "Plot file reports (*.DWP)|*.DWP", "DWP", ""},
                   "Last DWLOC Plot File", "DWLOC Plot file sent to Printer",
                   "DWLOC Plot file saved as file ", "Last DWLOC Plot File");
    case ReportKind::Cec:
      return Texts(kind, "Send CEC file to:",
                   {"Save CEC report as:", "CEC reports (*.CEC)|*.CEC", "CEC", ""}, "Last CEC file",
                   "CEC report sent to Printer", "Report saved as file ", "Last CEC file");
    case ReportKind::Dwloc:
      return Texts(kind, "Send DWLOC Report to:",
                   {"Save DWLOC report as:", "DWLOC reports (*.DWL)|*.DWL", "DWL", ""},
                   "Last DWLOC Analysis", "Report sent to Printer", "Report saved as file ");
    case ReportKind::Acute:
      break;
  }
  return Texts(
      ReportKind::Acute, "Send Acute Analysis Report to:",
      {"Save Acute Analysis report as:", "Acute analysis reports (*.AC108)|*.AC10", "AC10", ""},
      "Last Acute Analysis", "Report sent to Printer", "Report saved as file ");
}

PrintJob PrintJobOf(const std::string& text) {
  PrintJob job;
  job.font = kReportFont;
  job.pages.emplace_back();
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    if (!line.empty() && line[0] == '\f')
      job.pages.emplace_back();
    else
      job.pages.back().push_back(line);
  }
  return job;
}

std::string TodayDate() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&t, &local);
  char buf[16];
  std::strftime(buf, sizeof buf, "%m/%d/%Y", &local);
  return buf;
}

std::string FileStamp(const std::filesystem::path& file) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(file, ec);
  if (ec) return "";
  const auto system = std::chrono::file_clock::to_sys(written);
  const std::time_t t = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%m/%d/%Y %H:%M:%S", &local);
  return buf;
}

bool SendReport(const ReportTexts& texts, const std::filesystem::path& report_file,
                Destination destination, const std::string& save_name, UserPort& port) {
  if (destination == Destination::Cancelled) return true;
  std::string text;
  try {
    text = ReadWholeFile(report_file);
  } catch (const std::runtime_error&) {
    Tell(port, "Warning", "Can't read the report file " + report_file.string() + ".");
    return false;
  }
  if (destination == Destination::Screen) {
    port.ShowReport(texts.viewer_caption, text);
    return true;
  }
  if (destination == Destination::Printer) {
    if (!port.Print(PrintJobOf(text))) {
      Tell(port, "Printer error", "The report could not be printed.", Icon::Exclamation);
      return false;
    }
    Tell(port, kDone, texts.printed);
    return true;
  }
  if (!WriteFileAtomically(save_name, text)) {
    Tell(port, "Warning",
         "Can't save the report as file " + save_name + ". The report was not saved.",
         Icon::Exclamation);
    return false;
  }
  Tell(port, texts.saved_title,
       texts.saved_prefix + save_name + "\r\nNote that this file is dated " + FileStamp(save_name));
  return true;
}

}  // namespace acute
