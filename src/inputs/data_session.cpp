#include "inputs/data_session.h"

namespace acute {

DataSession OpenDataSession(const std::filesystem::path& start, UserPort& port) {
  DataSession s;
  s.folder = LocateDataFolder(start, port);
  s.support = ReadSupportList(s.folder, port);
  s.setup = CheckSetupFile(s.folder, port);
  return s;
}

}  // namespace acute
