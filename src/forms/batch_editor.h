#pragma once
// The batch file editor: a documentation box and a list of entries ("residue file, report
// name" per line), the File menu (new, open, save, save as, close, exit), Cancel and Help.
// Its checks refuse every list that the batch file reader would refuse, so a saved file can
// always be opened.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/user_port.h"

namespace acute {

// The most lines each box holds.
inline constexpr int kMaxBatchEditorLines = 100;

class BatchEditor {
 public:
  enum class State { NoFile, NewFile, ExistingFile };

  // `residue_extension` and `batch_extension` are those of the database kind ("R10", "B10");
  // dialogs open in `folder`, and a relative name is taken relative to it.
  BatchEditor(std::string residue_extension, std::string batch_extension,
              std::filesystem::path folder);

  static std::string Caption() { return "TARN Acute Batch File Editor "; }
  std::vector<std::string> Instructions() const;

  std::string doc;        // the documentation box
  std::string file_list;  // the entry box, one "residue file, report name" per line

  State state() const { return state_; }
  const std::string& ResidueExtension() const { return residue_ext_; }
  const std::string& FileName() const { return file_name_; }

  // Entering either box: false (after its message) while no file is open.
  bool EnterTextBox(UserPort& port) const;

  void NewFile(UserPort& port);
  void OpenExisting(UserPort& port);
  bool Save(UserPort& port);
  bool SaveAs(UserPort& port);
  void Close(UserPort& port);
  // True when the form closes.
  bool Exit(UserPort& port);
  bool Cancel(UserPort& port);
  void Help(UserPort& port) const;

  // The checks of a save; false after the message of the first fault.
  bool checkbatchfl(UserPort& port) const;
  // Writes the file and confirms; false after a message when it cannot be written.
  bool savebatch(const std::string& name, UserPort& port) const;

 private:
  std::optional<std::string> AskNewName(const std::string& title, UserPort& port) const;
  bool Load(const std::string& name, UserPort& port);
  void Clear();

  std::string residue_ext_;
  std::string batch_ext_;
  std::filesystem::path folder_;
  State state_ = State::NoFile;
  std::string file_name_;
};

}  // namespace acute
