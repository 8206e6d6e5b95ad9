#include "run/session.h"

#include <system_error>

#include "common/file_names.h"
#include "inputs/residue_reader.h"

namespace acute {

Session Session::Open(const std::filesystem::path& start, UserPort& port) {
  return Session(OpenDataSession(start, port));
}

bool Session::UseWorkFolder(const std::filesystem::path& folder, UserPort& port) {
  if (folder.empty()) {
    data_.work_folder.clear();
    return true;
  }
  const std::filesystem::path absolute = std::filesystem::absolute(folder);
  std::error_code ec;
  std::filesystem::create_directories(absolute, ec);
  if (!std::filesystem::is_directory(absolute, ec)) {
    Tell(port, "Work folder",
         "Can't use the work folder " + absolute.string() +
             ": it cannot be made, or a file stands at its name.",
         Icon::Critical);
    return false;
  }
  data_.work_folder = absolute;
  return true;
}

void Session::ReadSetupFileAgain(UserPort& port) {
  data_.setup = CheckSetupFile(data_.folder, port);
}

std::optional<std::filesystem::path> Session::Locate(const std::string& name) const {
  if (name.empty()) return std::nullopt;
  if (auto found = FindFile(std::filesystem::absolute(name))) return found;
  if (!std::filesystem::path(name).is_absolute())
    if (auto found = FindFile(Resolve(data_.setup.ResFolder, name))) return found;
  return std::nullopt;
}

std::optional<ResidueData> Session::ReadResidueFile(const std::filesystem::path& file,
                                                    UserPort& port) const {
  return acute::ReadResidueFile(file, data_.support, port);
}

std::optional<OpenBatch> Session::ReadBatchFile(const std::filesystem::path& file,
                                                UserPort& port) const {
  return batchsetup(file, data_.support, port);
}

}  // namespace acute
