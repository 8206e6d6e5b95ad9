// The report steps of Redo Last CEC over damaged work files: the input is "cec2.tmp", the
// line "@@expos.tmp@@" and "expos.tmp" (no marker: no distributions), then optionally the
// line "@@cec1.tmp@@" and "cec1.tmp" (no marker: a fixed header). Whatever the files hold,
// the report is made or refused, and the record file's records are read or refused.
#include "cec/cec_work_files.h"

#include "cec/cec_record_file.h"
#include "cec/cec_report.h"
#include "common/silent_port.h"
#include "support/fuzz_context.h"

namespace {

constexpr std::string_view kExposMarker = "\n@@expos.tmp@@\n";
constexpr std::string_view kRecordsMarker = "\n@@cec1.tmp@@\n";

constexpr const char* kHeader =
    " 0 \r\n\r\nTarn-VELD Acute Critical Exposure Contribution Analysis\r\nSurvey\r\n"
    "Exposures divided by body weight\r\n\r\nSubpopulations:\r\n   1  All\r\n9999\r\n\r\n"
    "Total Number of CEC records = 0\r\n";

// The part of `input` after `marker` (cut there from `input`), or std::nullopt without it.
std::optional<std::string> TakeAfter(std::string& input, std::string_view marker) {
  const std::size_t at = input.find(marker);
  if (at == std::string::npos) return std::nullopt;
  std::string after = input.substr(at + marker.size());
  input.resize(at);
  return after;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  std::string sections = AsText(data, size);
  const std::string records = TakeAfter(sections, kRecordsMarker).value_or(kHeader);
  const std::string expos = TakeAfter(sections, kExposMarker).value_or("");
  const auto& folder = FuzzContext::Get().Scratch();
  WriteBytes(folder / kCecRecordFileName, records);
  WriteBytes(folder / kCecSectionsFileName, sections);
  WriteBytes(folder / kCecExposFileName, expos);
  try {
    ParseCecRecordFile(records);
  } catch (const CecFileError&) {
  }
  CecReportRequest q;
  q.folder = folder;
  q.cec.file_name = (folder / "fuzz.CEC").string();
  q.cec.max_records = 50;
  q.cec.low = 90;
  q.cec.high = 100;
  q.threads = 2;
  SilentPort port;
  Refusable([&] { WriteCecReport(q, port); });
  return 0;
}
