// Every reader of work files over a work folder whose members come from two different runs,
// are cut short or missing, with either run's list of work files (or none, or a damaged one)
// and perhaps the note of a commit left pending. Whatever the folder holds, a reader either
// refuses or uses files that are exactly those its folder's list names.
//
// The input: one choice byte per member (run A, run B, missing, A cut short, B cut short; a
// cut takes two more bytes for its length), a byte for the list (A's, B's, none, the rest of
// the input) and a byte for the note (none, or the rest of the input).
#include <array>
#include <fstream>
#include <iterator>
#include <map>

#include "cec/cec_work_files.h"
#include "common/work_set.h"
#include "common/work_set_check.h"
#include "forms/main_form.h"
#include "forms/show_last.h"
#include "inputs/residue_reader.h"
#include "support/fuzz_context.h"
#include "support/scripted_port.h"

namespace {

using namespace acute;
using namespace acute::fuzz;
namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

std::string ReadWholeFileOrEmpty(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr std::array<const char*, 8> kMembers{"acute.tmp", "plot.tmp", "cec1.tmp", "cec2.tmp",
                                              "expos.tmp", "cec3.tmp", "cec4.tmp", "rdfacute.tmp"};

DataSession SessionOf(const SampleFolder& s, const fs::path& work) {
  DataSession session;
  session.folder = s.folder;
  session.support = s.support;
  session.setup = s.setup;
  session.work_folder = work;
  return session;
}

MainForm CecForm(const SampleFolder& s, const DataSession& session, bool monte_carlo) {
  ScriptedPort quiet;
  MainForm form;
  form.residue = ReadResidueFile(s.residue_folder / (monte_carlo ? s.mc_residue : s.plain_residue),
                                 session.support, quiet);
  if (!form.residue) Broken("the sample residue file cannot be read");
  form.TakeEndpointsFromResidueFile();
  form.standard.assign(session.support.StandardPopulationCount(), false);
  form.standard[0] = true;
  form.monte_carlo = monte_carlo;
  form.iterations = "3";
  form.seed = "1";
  form.save_cec = true;
  form.cec_name = "fuzz";
  form.cec_low = "50";
  form.cec_high = "100";
  form.cec_min_percent = "1";
  form.cec_records = "40000";
  form.cec_suppress = true;
  return form;
}

// The work files (and list) of one run, made once.
Files RunOnce(const fs::path& work, bool monte_carlo) {
  const SampleFolder& s = FuzzContext::Get().Kind2();
  fs::create_directories(work);
  const DataSession session = SessionOf(s, work);
  ScriptedPort port;
  const auto outcome =
      LaunchAnalysis(CecForm(s, session, monte_carlo), session, port, "12/06/2026", "10:00:00");
  if (!outcome || !outcome->completed) Broken("a sample run failed: " + port.LastMessage());
  Files files;
  for (const char* name : kMembers)
    if (fs::exists(work / name)) files[name] = ReadWholeFileOrEmpty(work / name);
  files[kManifestFileName] = ReadWholeFileOrEmpty(work / kManifestFileName);
  return files;
}

struct Runs {
  Files a, b;
};

const Runs& TheRuns() {
  static const Runs runs{RunOnce(FuzzContext::Get().Scratch() / "run-a", false),
                         RunOnce(FuzzContext::Get().Scratch() / "run-b", true)};
  return runs;
}

// What the input put in the folder, member by member: the text, and whether it is the whole
// file of the run whose list the folder holds.
struct Member {
  bool present = false;
  std::string text;
};

class Input {
 public:
  explicit Input(std::string bytes) : bytes_(std::move(bytes)) {}
  int Byte() { return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_++]) : 0; }
  std::string Rest() {
    return at_ < bytes_.size() ? bytes_.substr(std::exchange(at_, bytes_.size())) : "";
  }

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

Member Choose(Input& in, const std::string& name) {
  const Runs& runs = TheRuns();
  const int choice = in.Byte() % 5;
  const Files& from = choice == 0 || choice == 3 ? runs.a : runs.b;
  const auto file = from.find(name);
  if (choice == 2 || file == from.end()) return {};
  std::string text = file->second;
  if (choice >= 3) text.resize(std::min<std::size_t>(text.size(), in.Byte() * 256 + in.Byte()));
  return {true, text};
}

// A reader that used `name` must have used the file the list names (A's or B's list).
void CheckUsed(const std::string& name, const fs::path& work, const Files* listed) {
  if (listed == nullptr) return;  // no list, or one of the input's own: nothing to hold it to
  const auto file = listed->find(name);
  if (file == listed->end() || ReadWholeFileOrEmpty(work / name) != file->second)
    Broken(name + " was used though it is not the file its folder's list names");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Runs& runs = TheRuns();
  Input in(AsText(data, size));
  const fs::path work = FuzzContext::Get().Scratch() / "mixed";
  fs::remove_all(work);
  fs::create_directories(work);
  for (const char* name : kMembers)
    if (const Member m = Choose(in, name); m.present) WriteBytes(work / name, m.text);
  const int list = in.Byte() % 4;
  const Files* listed = list == 0 ? &runs.a : list == 1 ? &runs.b : nullptr;
  if (listed != nullptr) WriteBytes(work / kManifestFileName, listed->at(kManifestFileName));
  const bool pending = in.Byte() % 2 == 1;
  if (list == 3 || pending) {
    listed = nullptr;
    WriteBytes(work / (pending ? kPendingCommitFileName : kManifestFileName), in.Rest());
  }

  const SampleFolder& s = FuzzContext::Get().Kind2();
  const DataSession session = SessionOf(s, work);
  for (const LastReportFile& last : LastReportFiles()) {
    ScriptedPort port;
    if (FindLastReport(work, last, port)) CheckUsed(last.file, work, listed);
  }
  const WorkSetState state = ReadWorkSetState(work);
  if (FileFault(state, "rdfacute.tmp", work / "rdfacute.tmp").empty() &&
      fs::exists(work / "rdfacute.tmp"))
    CheckUsed("rdfacute.tmp", work, listed);
  // Redo Last CEC reads cec1.tmp, cec2.tmp and expos.tmp together.
  MainForm form = CecForm(s, session, false);
  form.cec_low = "90";
  form.cec_name = (work / "redo").string();
  ScriptedPort port;
  std::optional<EngineOutcome> redo;
  Refusable([&] { redo = RedoLastCec(form, session, port); });
  if (redo && redo->completed && listed != nullptr) {
    // The list the redo read was the input's; the files it read were those it names.
    for (const char* name : {"cec1.tmp", "cec2.tmp", "expos.tmp"})
      if (ReadWholeFileOrEmpty(work / name) != listed->at(name))
        Broken(std::string("Redo Last CEC used ") + name + " of another run");
  }
  return 0;
}
