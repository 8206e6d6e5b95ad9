#pragma once
// One program session over a data folder, the same for the command line and the desktop
// program: the data folder and its lists, the folder of the work files, and finding and
// reading the residue and batch files a user names. What it reads it returns; the main
// form's model takes it as the form does on open.
#include <filesystem>
#include <optional>
#include <string>

#include "common/user_port.h"
#include "inputs/batch_setup.h"
#include "inputs/data_session.h"
#include "inputs/residue_data.h"

namespace acute {

class Session {
 public:
  explicit Session(DataSession data) : data_(std::move(data)) {}

  // Locates the data folder from `start` (asking when it lacks the support list) and reads
  // its lists. Throws ProgramEnds after its message on failure.
  static Session Open(const std::filesystem::path& start, UserPort& port);

  const DataSession& Data() const { return data_; }
  const std::filesystem::path& DataFolder() const { return data_.folder; }
  std::filesystem::path WorkFolder() const { return data_.WorkFolder(); }

  // Work files go to `folder` (made when missing); an empty one means the data folder.
  // False after a message when the folder cannot be used.
  bool UseWorkFolder(const std::filesystem::path& folder, UserPort& port);

  // Reads the set-up file again, so that an edit takes effect without a restart.
  void ReadSetupFileAgain(UserPort& port);

  // A residue or batch file a user names: as given (relative to the current folder), else in
  // the residue folder; a name that differs from the file's only in letter case finds it.
  std::optional<std::filesystem::path> Locate(const std::string& name) const;

  // A residue file read and checked as File, Open Residue File reads it; std::nullopt after
  // the refusal's message.
  std::optional<ResidueData> ReadResidueFile(const std::filesystem::path& file,
                                             UserPort& port) const;

  // A batch file and every residue file it names, read as File, Open Batch File reads them;
  // std::nullopt after the refusal's message.
  std::optional<OpenBatch> ReadBatchFile(const std::filesystem::path& file, UserPort& port) const;

 private:
  DataSession data_;
};

}  // namespace acute
