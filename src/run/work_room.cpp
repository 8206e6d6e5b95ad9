#include "run/work_room.h"

#include <algorithm>
#include <system_error>

#include "common/errors.h"
#include "common/work_set.h"

namespace acute {
namespace {

constexpr std::uint64_t kMegabyte = 1024 * 1024;
// A listing this large is written only after the user agrees.
constexpr std::uint64_t kLargeListing = 100 * kMegabyte;

std::string Megabytes(std::uint64_t bytes) {
  return std::to_string((bytes + kMegabyte - 1) / kMegabyte) + " MB";
}

// The room left in `folder`; the largest number when the system cannot tell.
std::uint64_t FreeBytes(const std::filesystem::path& folder) {
  std::error_code ec;
  const auto space = std::filesystem::space(folder, ec);
  return ec ? UINT64_MAX : space.available;
}

[[noreturn]] void EndRun(UserPort& port, const std::string& title, const std::string& text) {
  Tell(port, title, text, Icon::Exclamation);
  throw RunEnds(text);
}

}  // namespace

std::uint64_t QaListingEstimate(const SurveyPasses& passes, int iterations) {
  // A person-day's heading and water lines, then per iteration its heading, body weight and
  // equation lines and a line per food entry.
  const std::uint64_t days = passes.passes.size();
  const std::uint64_t entries = passes.entries.size();
  const auto n = static_cast<std::uint64_t>(std::max(iterations, 1));
  return days * 90 + n * (days * 150 + entries * 55);
}

void CheckWorkRoom(const std::filesystem::path& folder, const std::vector<std::string>& names,
                   std::uint64_t extra, UserPort& port) {
  std::uint64_t needed = 0;
  if (const auto manifest = ReadManifest(folder))
    for (const std::string& name : names)
      if (const WorkFileEntry* e = manifest->File(name)) needed += e->size;
  needed = std::max(needed, kMegabyte) + extra;
  const std::uint64_t free = FreeBytes(folder);
  if (free < needed)
    EndRun(port, "Tarn-VELD Acute Module",
           "There is not enough room in the work folder " + folder.string() +
               " for the files of this run: about " + Megabytes(needed) + " are needed and " +
               Megabytes(free) + " are free. Free some room, or choose another work folder.");
}

void ConfirmQaListing(const std::filesystem::path& folder, std::uint64_t bytes, UserPort& port) {
  const std::uint64_t free = FreeBytes(folder);
  const std::string title = "DWLOC QA listing";
  if (free < bytes + kMegabyte)
    EndRun(port, title,
           "The DWLOC QA listing of this run would take about " + Megabytes(bytes) +
               ", but the "
               "work folder " +
               folder.string() + " has " + Megabytes(free) +
               " free. Free some room, choose another work folder, or run without the QA listing.");
  if (bytes < kLargeListing) return;
  const std::string text = "The DWLOC QA listing of this run will take about " + Megabytes(bytes) +
                           " in the work folder " + folder.string() + " (" + Megabytes(free) +
                           " free). Do you want to write it?";
  if (port.Show(Message{title, text, Icon::Question, Buttons::YesNo}) != Answer::Yes)
    throw RunEnds(text);
}

}  // namespace acute
