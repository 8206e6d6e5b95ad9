#include "common/work_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace acute {
namespace {

std::string RandomPart() {
  std::random_device device;
  const unsigned long long bits =
      (static_cast<unsigned long long>(device()) << 32) ^ static_cast<unsigned long long>(device());
  char buf[20];
  std::snprintf(buf, sizeof buf, "%016llx", bits);
  return buf;
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

std::optional<std::filesystem::path> CreateTempBeside(const std::filesystem::path& final_path) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path temp = final_path;
    temp += "." + std::to_string(::getpid()) + "-" + RandomPart() + ".part";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return temp;
    }
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return false;
  WorkFileSet set;
  return set.Stage(to, text) && !set.Commit();
}

WorkFileSet::WorkFileSet(WorkFileSet&& other) noexcept : staged_(std::move(other.staged_)) {
  other.staged_.clear();
}

WorkFileSet& WorkFileSet::operator=(WorkFileSet&& other) noexcept {
  if (this != &other) {
    Discard();
    staged_ = std::move(other.staged_);
    other.staged_.clear();
  }
  return *this;
}

WorkFileSet::~WorkFileSet() {
  Discard();
}

void WorkFileSet::Discard() {
  for (const auto& [temp, final_path] : staged_) RemoveQuietly(temp);
  staged_.clear();
}

std::filesystem::path WorkFileSet::TempFor(const std::filesystem::path& final_path) {
  const auto temp = CreateTempBeside(final_path);
  if (!temp) return {};
  staged_.emplace_back(*temp, final_path);
  return *temp;
}

bool WorkFileSet::Stage(const std::filesystem::path& final_path, std::string_view text) {
  return StageParts(final_path, {&text, 1});
}

bool WorkFileSet::Stage(const std::filesystem::path& final_path,
                        const std::vector<std::string>& parts) {
  const std::vector<std::string_view> views(parts.begin(), parts.end());
  return StageParts(final_path, views);
}

bool WorkFileSet::StageParts(const std::filesystem::path& final_path,
                             std::span<const std::string_view> parts) {
  const std::filesystem::path temp = TempFor(final_path);
  if (temp.empty()) return false;
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  for (std::string_view part : parts)
    out.write(part.data(), static_cast<std::streamsize>(part.size()));
  out.close();
  return static_cast<bool>(out);
}

std::optional<std::filesystem::path> WorkFileSet::Commit() {
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    std::error_code ec;
    std::filesystem::rename(staged_[i].first, staged_[i].second, ec);
    if (ec) {
      const std::filesystem::path failed = staged_[i].second;
      staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(i));
      Discard();
      return failed;
    }
  }
  staged_.clear();
  return std::nullopt;
}

FolderLock::Attempt FolderLock::TryAcquire(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kLockFileName;
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return {std::nullopt, busy};
  }
  return {FolderLock(fd), false};
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace acute
