#include "support/fuzz_context.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <system_error>

#include "sample_data/sample_data.h"
#include "support/scripted_port.h"

namespace acute::fuzz {
namespace {

// Persons of the sample survey: enough for every record form, small enough to write fast.
constexpr int kSamplePersons = 12;
constexpr const char* kScratchPrefix = "acute-fuzz-";

SampleFolder WriteSample(const std::filesystem::path& folder, int kind) {
  sample::SampleOptions options;
  options.kind = kind;
  options.persons = kSamplePersons;
  const sample::SampleManifest m = sample::WriteSampleData(folder, options);
  SampleFolder s;
  s.folder = m.folder;
  s.residue_folder = m.residue_folder;
  s.plain_residue = m.plain_residue;
  s.mc_residue = m.mc_residue;
  s.two_chemical_residue = m.two_chemical_residue;
  ScriptedPort port;
  try {
    s.support = ReadSupportList(s.folder, port);
    s.setup = ReadSetupFile(s.folder, port);
    s.master = ReadMasterLists(s.folder, s.support, port);
  } catch (const std::exception& e) {
    Broken("the sample folder " + folder.string() + " cannot be read: " + e.what() + " (" +
           port.LastMessage() + ")");
  }
  return s;
}

// Memory-backed when the system has it: a target writes its input to a file on every run,
// and a disk can make that a thousand times slower than the reading.
std::filesystem::path ScratchBase() {
  std::error_code ec;
  const std::filesystem::path shm = "/dev/shm";
  if (std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory(shm, ec)) return shm;
  return std::filesystem::temp_directory_path();
}

// Removes the scratch folders of earlier processes that ended without removing theirs (a
// crash ends a target at once).
void RemoveStaleScratch(const std::filesystem::path& base) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(base, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kScratchPrefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + std::strlen(kScratchPrefix), nullptr, 10);
    if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      std::filesystem::remove_all(entry.path(), ec);
  }
}

}  // namespace

FuzzContext& FuzzContext::Get() {
  static FuzzContext context;
  return context;
}

FuzzContext::FuzzContext() {
  RemoveStaleScratch(ScratchBase());
  scratch_ = ScratchBase() / (kScratchPrefix + std::to_string(static_cast<long>(getpid())));
  std::filesystem::remove_all(scratch_);
  std::filesystem::create_directories(scratch_);
  kind2_ = WriteSample(scratch_ / "kind2", 2);
  kind0_ = WriteSample(scratch_ / "kind0", 0);
}

FuzzContext::~FuzzContext() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch_, ignored);
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Broken("cannot write " + path.string());
}

void Broken(const std::string& what) {
  std::cerr << "fuzz target: " << what << "\n";
  std::abort();
}

}  // namespace acute::fuzz
