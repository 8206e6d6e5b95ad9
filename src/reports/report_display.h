#pragma once
// Report display: sending a finished report file to the screen, the printer or a file, with
// the texts of each report kind (destination dialog caption, save dialog, viewer caption and
// confirmations).
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/user_port.h"

namespace acute {

enum class ReportKind : std::int16_t {
  Residue = 1,
  Batch = 2,
  Rdf = 3,
  Acute = 4,
  Plot = 6,
  Cec = 7,
  Dwloc = 8,      // the last DWLOC report (shown like the acute report)
  DwlocPlot = 9,  // the last DWLOC plot file
};

// What the user sees for one report kind.
struct ReportTexts {
  ReportKind kind = ReportKind::Acute;
  std::string dialog_caption;  // of the destination dialog
  FileDialog save_dialog;      // title, filter and default extension
  std::string viewer_caption;
  std::string printed;       // confirmation after printing
  std::string saved_prefix;  // confirmation after saving: prefix + file name
  std::string saved_title;
};

ReportTexts TextsOf(ReportKind kind);

enum class Destination : std::int16_t { Cancelled = 0, Screen = 1, Printer = 2, DiskFile = 3 };

// The printer font of every report.
inline constexpr const char* kReportFont = "Courier New";

// Splits a report into printed pages: a line starting with a form feed starts a new page.
PrintJob PrintJobOf(const std::string& report_text);

// Sends `report_file` to the destination. Screen: the report window with the viewer
// caption. Printer: the pages in the report font, then the confirmation. Disk file: a copy
// under `save_name`, then the confirmation naming the file and its date; the confirmation
// comes only after the copy succeeded. Returns false (after a message) when the report
// could not be read, printed or saved.
bool SendReport(const ReportTexts& texts, const std::filesystem::path& report_file,
                Destination destination, const std::string& save_name, UserPort& port);

// Today's date as MM/DD/YYYY.
std::string TodayDate();

// The date and time stamp of a file as MM/DD/YYYY HH:MM:SS; "" when it cannot be read.
std::string FileStamp(const std::filesystem::path& file);

}  // namespace acute
