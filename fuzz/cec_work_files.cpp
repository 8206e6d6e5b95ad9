// The report steps of Redo Last CEC over damaged work files: the input is "cec2.tmp", the
// line "@@expos.tmp@@" and "expos.tmp" (no marker: no distributions). The record file's
// header is a fixed one. Whatever the files hold, the report is made or refused.
#include "cec/cec_work_files.h"

#include "cec/cec_record_file.h"
#include "cec/cec_report.h"
#include "common/scripted_port.h"
#include "support/fuzz_context.h"

namespace {

constexpr std::string_view kMarker = "\n@@expos.tmp@@\n";

constexpr const char* kHeader =
    " 0 \r\n\r\nTarn-VELD Acute Critical Exposure Contribution Analysis\r\nSurvey\r\n"
    "Exposures divided by body weight\r\n\r\nSubpopulations:\r\n   1  All\r\n9999\r\n\r\n"
    "Total Number of CEC records = 0\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace acute;
  using namespace acute::fuzz;
  const std::string input = AsText(data, size);
  const std::size_t at = input.find(kMarker);
  const auto& folder = FuzzContext::Get().Scratch();
  WriteBytes(folder / kCecRecordFileName, kHeader);
  WriteBytes(folder / kCecSectionsFileName, input.substr(0, at));
  WriteBytes(folder / kCecExposFileName,
             at == std::string::npos ? std::string() : input.substr(at + kMarker.size()));
  CecReportRequest q;
  q.folder = folder;
  q.cec.file_name = (folder / "fuzz.CEC").string();
  q.cec.max_records = 50;
  q.cec.low = 90;
  q.cec.high = 100;
  q.threads = 2;
  ScriptedPort port;
  Refusable([&] { WriteCecReport(q, port); });
  return 0;
}
