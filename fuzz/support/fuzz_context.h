#pragma once
// What every fuzz target shares: a scratch folder of its own process, sample data folders
// of both database kinds written into it once, and a way to run a reader so that the two
// ways a failure leaves the normal flow count as a clean refusal.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "inputs/master_lists.h"
#include "inputs/residue_data.h"
#include "inputs/support_data.h"

namespace acute::fuzz {

// A small sample data folder and what its start-up reads give.
struct SampleFolder {
  std::filesystem::path folder;
  std::filesystem::path residue_folder;
  SupportData support;
  SetupData setup;
  MasterLists master;
  std::string plain_residue, mc_residue, two_chemical_residue;  // names in residue_folder
};

class FuzzContext {
 public:
  // The context of this process, made on first use.
  static FuzzContext& Get();

  FuzzContext(const FuzzContext&) = delete;
  FuzzContext& operator=(const FuzzContext&) = delete;
  ~FuzzContext();

  // The per-process scratch folder (removed when the process ends normally).
  const std::filesystem::path& Scratch() const { return scratch_; }
  // The sample folder of database kind 2 or 0.
  const SampleFolder& Kind2() const { return kind2_; }
  const SampleFolder& Kind0() const { return kind0_; }

 private:
  FuzzContext();
  std::filesystem::path scratch_;
  SampleFolder kind2_;
  SampleFolder kind0_;
};

// The input as text.
inline std::string AsText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Writes `bytes` to `path`, replacing it. Aborts when it cannot (the harness is broken).
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// Runs `read`; a refusal that ends the program or the run is the expected outcome of bad
// input and is swallowed. Anything else escapes and counts as a crash.
template <typename Read>
void Refusable(Read&& read) {
  try {
    read();
  } catch (const ProgramEnds&) {
  } catch (const RunEnds&) {
  }
}

// Aborts with `what` on standard error: a property that every input must keep was broken.
[[noreturn]] void Broken(const std::string& what);

}  // namespace acute::fuzz
