#include "support/pass_round_trip.h"

#include "common/silent_port.h"
#include "support/fuzz_context.h"

namespace acute::fuzz {
namespace {

std::filesystem::path PassPath() {
  return FuzzContext::Get().Scratch() / kPassFileName;
}

template <typename Read>
auto ReadWith(const std::string& text, Read&& read) -> std::optional<decltype(read())> {
  WriteBytes(PassPath(), text);
  try {
    return read();
  } catch (const ProgramEnds&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<AnalysisSettings> ReadPassText(const std::string& text,
                                             const PassFileLayout& layout) {
  SilentPort port;
  return ReadWith(text, [&] { return ReadPassFile(PassPath(), layout, port); });
}

std::optional<CecSettings> ReadShortPassText(const std::string& text) {
  SilentPort port;
  return ReadWith(text, [&] { return ReadShortPassFile(PassPath(), port); });
}

void CheckRoundTrip(const AnalysisSettings& settings, const PassFileLayout& layout) {
  const std::string written = PassFileText(settings, layout);
  const auto again = ReadPassText(written, layout);
  if (!again) Broken("a pass file the writer made cannot be read back:\n" + written);
  if (PassFileText(*again, layout) != written)
    Broken("a pass file the writer made reads back to other settings:\n" + written);
}

void CheckRoundTrip(const CecSettings& cec) {
  const std::string written = ShortPassFileText(cec);
  const auto again = ReadShortPassText(written);
  if (!again) Broken("a short pass file the writer made cannot be read back:\n" + written);
  if (ShortPassFileText(*again) != written)
    Broken("a short pass file the writer made reads back to other settings:\n" + written);
}

}  // namespace acute::fuzz
