#include "common/work_set.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "common/list_reader.h"
#include "common/work_files.h"

namespace acute {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJournalHeader = "acute pending commit 1";
constexpr const char* kManifestMark = "manifest";

bool Sync(const fs::path& path, bool folder, const CommitHooks& hooks) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  if (hooks.on_sync) hooks.on_sync(path);
  return ok;
}

bool Rename(const fs::path& from, const fs::path& to, const CommitHooks& hooks) {
  if (hooks.on_rename) hooks.on_rename(from, to);
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

void RemoveQuietly(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool WriteWhole(const fs::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return static_cast<bool>(out);
}

// Writes `text` as `final_path` through a flushed temporary file.
bool WriteSynced(const fs::path& final_path, std::string_view text, const CommitHooks& hooks) {
  const auto temp = CreateTempBeside(final_path);
  if (!temp) return false;
  if (!WriteWhole(*temp, text) || !Sync(*temp, false, hooks) || !Rename(*temp, final_path, hooks)) {
    RemoveQuietly(*temp);
    return false;
  }
  return true;
}

// One member of a commit as the note gives it: names in the folder.
struct NotedMember {
  std::string temp, final_name, backup;  // backup empty when there was no file to keep
};

struct Journal {
  std::vector<NotedMember> members;
  std::string manifest;
};

std::string JournalText(const Journal& j) {
  std::string text = std::string(kJournalHeader) + "\n";
  for (const NotedMember& m : j.members)
    text += "member\t" + m.temp + "\t" + m.final_name + "\t" + (m.backup.empty() ? "-" : m.backup) +
            "\n";
  return text + kManifestMark + "\n" + j.manifest;
}

std::optional<Journal> ParseJournal(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kJournalHeader) return std::nullopt;
  Journal j;
  while (std::getline(in, line)) {
    if (line == kManifestMark) {
      j.manifest.assign(std::istreambuf_iterator<char>(in), {});
      if (!ParseManifest(j.manifest)) return std::nullopt;
      return j;
    }
    std::vector<std::string> f;
    std::stringstream fields(line);
    for (std::string item; std::getline(fields, item, '\t');) f.push_back(item);
    const auto plain = [](const std::string& s) {
      return !s.empty() && s.find('/') == std::string::npos && s != "." && s != "..";
    };
    if (f.size() != 4 || f[0] != "member" || !plain(f[1]) || !plain(f[2]) || !plain(f[3]))
      return std::nullopt;
    j.members.push_back({f[1], f[2], f[3] == "-" ? "" : f[3]});
  }
  return std::nullopt;
}

// The file's text, or std::nullopt when it cannot be read.
std::optional<std::string> ReadText(const fs::path& path) {
  try {
    return ReadWholeFile(path);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Puts back the files of the members already renamed (their temporary file is gone).
void RollBack(const fs::path& folder, const std::vector<NotedMember>& members,
              const CommitHooks& hooks) {
  for (const NotedMember& m : members) {
    if (Exists(folder / m.temp)) continue;
    if (!m.backup.empty())
      Rename(folder / m.backup, folder / m.final_name, hooks);
    else
      RemoveQuietly(folder / m.final_name);
  }
}

// Renames every member still under its temporary name; on failure, the set as it was.
bool RollForward(const fs::path& folder, const std::vector<NotedMember>& members,
                 const CommitHooks& hooks, std::string& failed) {
  for (const NotedMember& m : members) {
    if (!Exists(folder / m.temp)) continue;  // renamed before
    if (!Rename(folder / m.temp, folder / m.final_name, hooks)) {
      failed = m.final_name;
      RollBack(folder, members, hooks);
      return false;
    }
  }
  return true;
}

void RemoveLeftovers(const fs::path& folder, const std::vector<NotedMember>& members) {
  for (const NotedMember& m : members) {
    RemoveQuietly(folder / m.temp);
    if (!m.backup.empty()) RemoveQuietly(folder / m.backup);
  }
}

// Keeps the file a member replaces under a second name (a hard link, else a copy) so that
// the commit can be undone. Empty when there is no regular file to keep.
std::optional<std::string> KeepOld(const fs::path& final_path, const CommitHooks& hooks) {
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(final_path, ec))) return std::string();
  auto backup = CreateTempBeside(final_path);
  if (!backup) return std::nullopt;
  RemoveQuietly(*backup);
  if (::link(final_path.c_str(), backup->c_str()) != 0) {
    fs::copy_file(final_path, *backup, fs::copy_options::overwrite_existing, ec);
    if (ec || !Sync(*backup, false, hooks)) {
      RemoveQuietly(*backup);
      return std::nullopt;
    }
  }
  return backup->filename().string();
}

// The process id in a temporary file's name ("NAME.PID-RANDOM.part"), 0 when none.
long OwnerOf(const std::string& name) {
  const std::size_t end = name.rfind(".part");
  const std::size_t dot = name.rfind('.', end == std::string::npos ? end : end - 1);
  if (end == std::string::npos || dot == std::string::npos) return 0;
  const std::size_t dash = name.find('-', dot);
  if (dash == std::string::npos || dash > end) return 0;
  try {
    return std::stol(name.substr(dot + 1, dash - dot - 1));
  } catch (const std::exception&) {
    return 0;
  }
}

bool ProcessIsGone(long pid) {
  return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

WorkSetWriter::WorkSetWriter(fs::path folder, WorkRun run)
    : folder_(std::move(folder)), run_(std::move(run)) {
  if (run_.id.empty()) run_.id = NewRunId();
}

WorkSetWriter::~WorkSetWriter() {
  Discard();
}

void WorkSetWriter::Discard() {
  for (const Member& m : members_) RemoveQuietly(m.temp);
  members_.clear();
}

fs::path WorkSetWriter::TempFor(const fs::path& member) {
  const std::string name = member.filename().string();
  const auto temp = CreateTempBeside(folder_ / name);
  if (!temp) return {};
  std::lock_guard<std::mutex> hold(mutex_);
  for (Member& m : members_)
    if (m.name == name) {
      RemoveQuietly(m.temp);
      m = {name, *temp, std::nullopt};
      return *temp;
    }
  members_.push_back({name, *temp, std::nullopt});
  return *temp;
}

fs::path WorkSetWriter::Staged(const fs::path& member) const {
  std::lock_guard<std::mutex> hold(mutex_);
  for (const Member& m : members_)
    if (m.name == member.filename().string()) return m.temp;
  return {};
}

bool WorkSetWriter::Stage(const fs::path& member, std::string_view text) {
  return StageParts(member, {text});
}

bool WorkSetWriter::Stage(const fs::path& member, const std::vector<std::string>& parts) {
  return StageParts(member, std::vector<std::string_view>(parts.begin(), parts.end()));
}

bool WorkSetWriter::StageParts(const fs::path& member, const std::vector<std::string_view>& parts) {
  const fs::path temp = TempFor(member);
  if (temp.empty()) return false;
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  ContentHash hash;
  for (std::string_view part : parts) {
    out.write(part.data(), static_cast<std::streamsize>(part.size()));
    hash.Add(part);
  }
  out.close();
  if (!out) return false;
  std::lock_guard<std::mutex> hold(mutex_);
  for (Member& m : members_)
    if (m.temp == temp) m.digest = FileDigest{hash.Size(), hash.Hex()};
  return true;
}

std::optional<fs::path> WorkSetWriter::Commit() {
  std::lock_guard<std::mutex> hold(mutex_);
  if (members_.empty()) return std::nullopt;
  const auto fail = [&](const fs::path& name) {
    Discard();
    return std::optional<fs::path>(name);
  };
  // Each member whole on disk, with its size and hash for the list.
  std::vector<WorkFileEntry> entries;
  for (Member& m : members_) {
    if (!m.digest) m.digest = DigestOfFile(m.temp);
    if (!m.digest || !Sync(m.temp, false, hooks_)) return fail(folder_ / m.name);
    entries.push_back({m.name, run_.id, m.digest->size, m.digest->hash});
  }
  Journal journal;
  for (const Member& m : members_) {
    const auto backup = KeepOld(folder_ / m.name, hooks_);
    if (!backup) {
      RemoveLeftovers(folder_, journal.members);
      return fail(folder_ / m.name);
    }
    journal.members.push_back({m.temp.filename().string(), m.name, *backup});
  }
  WorkManifest manifest = ReadManifest(folder_).value_or(WorkManifest{});
  manifest.Replace(run_, entries);
  journal.manifest = ManifestText(manifest);
  const fs::path note = folder_ / kPendingCommitFileName;
  if (!Sync(folder_, true, hooks_) || !WriteSynced(note, JournalText(journal), hooks_) ||
      !Sync(folder_, true, hooks_)) {
    RemoveQuietly(note);
    RemoveLeftovers(folder_, journal.members);
    return fail(note);
  }
  std::string failed;
  const bool renamed = RollForward(folder_, journal.members, hooks_, failed);
  if (renamed) Sync(folder_, true, hooks_);
  if (!renamed || !WriteSynced(folder_ / kManifestFileName, journal.manifest, hooks_)) {
    if (renamed) RollBack(folder_, journal.members, hooks_);
    RemoveLeftovers(folder_, journal.members);
    RemoveQuietly(note);
    Sync(folder_, true, hooks_);
    members_.clear();
    return folder_ / (renamed ? kManifestFileName : failed);
  }
  Sync(folder_, true, hooks_);
  RemoveLeftovers(folder_, journal.members);
  RemoveQuietly(note);
  Sync(folder_, true, hooks_);
  members_.clear();
  return std::nullopt;
}

std::optional<WorkManifest> ReadManifest(const fs::path& folder) {
  const auto text = ReadText(folder / kManifestFileName);
  if (!text) return std::nullopt;
  return ParseManifest(*text);
}

bool RecoverWorkFolder(const fs::path& folder, const CommitHooks& hooks) {
  const fs::path note = folder / kPendingCommitFileName;
  if (Exists(note)) {
    const auto text = ReadText(note);
    const auto journal = text ? ParseJournal(*text) : std::nullopt;
    if (!journal) return false;  // left in place: every reader refuses the folder
    std::string failed;
    if (RollForward(folder, journal->members, hooks, failed)) {
      Sync(folder, true, hooks);
      if (!WriteSynced(folder / kManifestFileName, journal->manifest, hooks))
        RollBack(folder, journal->members, hooks);
    }
    RemoveLeftovers(folder, journal->members);
    RemoveQuietly(note);
    Sync(folder, true, hooks);
  }
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 5 && name.ends_with(".part") && ProcessIsGone(OwnerOf(name)))
      RemoveQuietly(entry.path());
  }
  return true;
}

}  // namespace acute
