#include "forms/batch_editor.h"

#include <algorithm>
#include <sstream>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"

namespace acute {
namespace {

constexpr const char* kWarning = "Warning";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool Refuse(UserPort& port, const std::string& title, const std::string& text) {
  Tell(port, title, text);
  return false;
}

bool HasPath(const std::string& name) {
  return name.find_first_of(":\\/") != std::string::npos;
}

struct Entry {
  std::string residue;
  std::string report;
};

struct Fault {
  std::string title;
  std::string text;
};

std::string LastThreeUpper(const std::string& s) {
  return ToUpper(s.size() >= 3 ? s.substr(s.size() - 3) : s);
}

// The entries of the list; the first fault when a line would not make a readable entry.
std::optional<Fault> SplitEntries(const std::string& list, const std::string& ext,
                                  std::vector<Entry>& out) {
  for (const std::string& raw : Lines(list)) {
    const std::string line = TrimBlanks(raw);
    if (line.empty()) continue;
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos)
      return Fault{kWarning,
                   "Each line of the list needs a residue file name, a comma and a report file "
                   "name: " +
                       line};
    Entry e{TrimBlanks(line.substr(0, comma)), TrimBlanks(line.substr(comma + 1))};
    if (e.residue.empty() || e.report.empty())
      return Fault{
          kWarning,
          "Each line of the list needs both a residue file name and a report file name: " + line};
    if (e.report.find(',') != std::string::npos || line.find('"') != std::string::npos)
      return Fault{kWarning,
                   "File names in a batch file cannot contain a double quote or a comma: " + line};
    const std::size_t dot = e.residue.find('.');
    if (dot == std::string::npos || ToUpper(e.residue.substr(dot + 1)) != ext)
      return Fault{kWarning,
                   "All residue filenames in the current batch file must include the extension " +
                       ext + ". Line: " + line};
    if (e.report.find('.') != std::string::npos)
      return Fault{
          kWarning,
          "The common report file name cannot have an extension (or a '.'). Line: " + line};
    if (HasPath(e.residue) || HasPath(e.report))
      return Fault{"Batch file error",
                   "Do not include path with residue file names and report file names."};
    out.push_back(e);
  }
  return std::nullopt;
}

}  // namespace

BatchEditor::BatchEditor(std::string residue_extension, std::string batch_extension,
                         std::filesystem::path folder)
    : residue_ext_(ToUpper(std::move(residue_extension))),
      batch_ext_(ToUpper(std::move(batch_extension))),
      folder_(std::move(folder)) {}

std::vector<std::string> BatchEditor::Instructions() const {
  return {"Instructions: ",
          "Documentation (free form) is optional.",
          "For each residue file to be included in the batch file, include file name with "
          "extension, followed by a comma and the file name (without extention) for the "
          "report(s) generated for that residue file. (e.g., 'resfile." +
              residue_ext_ + ", resfile')",
          "Existing reports with the same file name (*.AC10 and *.PLT) will be written over",
          "Do not include the path name with residue file names or with report file names.",
          "Residue files must be in same path (folder) as the batch file.",
          "RDF files (if any) referenced in residue files must be in the residue file folder "
          "unless their path is specified in the residue file."};
}

bool BatchEditor::EnterTextBox(UserPort& port) const {
  if (state_ != State::NoFile) return true;
  return Refuse(port, kWarning,
                "You must open an existing file or start a new file before entering data into "
                "this form.");
}

std::optional<std::string> BatchEditor::AskNewName(const std::string& title, UserPort& port) const {
  FileDialog dialog{title, "Tarn-VELD Batch files (*." + batch_ext_ + ")|*." + batch_ext_,
                    batch_ext_, file_name_};
  const auto answer = port.SaveFileName(dialog);
  if (!answer || TrimBlanks(*answer).empty()) return std::nullopt;
  std::string name = Resolve(folder_, TrimBlanks(*answer)).string();
  if (NamePart(name).find('.') == std::string::npos) name += "." + batch_ext_;
  if (FindFile(name) &&
      port.Show(Message{"Warning!", "File " + name + " already exists. Write over?",
                        Icon::Exclamation, Buttons::YesNo}) != Answer::Yes)
    return std::nullopt;
  return name;
}

void BatchEditor::NewFile(UserPort& port) {
  if (state_ != State::NoFile) {
    Tell(port, kWarning, "You cannot open a batch file until you close the current batch file.");
    return;
  }
  const auto name = AskNewName("New file name", port);
  if (!name) return;
  Clear();
  file_name_ = *name;
  state_ = State::NewFile;
}

void BatchEditor::OpenExisting(UserPort& port) {
  if (state_ != State::NoFile) {
    Tell(port, kWarning, "You cannot open a batch file until you close the current batch file.");
    return;
  }
  FileDialog dialog{"Open Existing Batch File",
                    "Batch files (*." + batch_ext_ + ")|*." + batch_ext_, batch_ext_, ""};
  for (;;) {
    const auto answer = port.OpenFileName(dialog);
    if (!answer || TrimBlanks(*answer).empty()) return;
    const std::string name = Resolve(folder_, TrimBlanks(*answer)).string();
    if (FindFile(name)) {
      Load(FindFile(name)->string(), port);
      return;
    }
    const Answer a = port.Show(
        Message{"Path Error",
                "Can't find file " + name +
                    ". The pathname is probably incorrect. Press 'OK' to return to dialog box and "
                    "make sure that the path name and file name are correctly matched, or press "
                    "'Cancel' to return to Batch Editor.",
                Icon::None, Buttons::OkCancel});
    if (a != Answer::Ok) return;
  }
}

bool BatchEditor::Load(const std::string& name, UserPort& port) {
  std::string text;
  try {
    text = ReadWholeFile(name);
  } catch (const std::runtime_error&) {
    return Refuse(port, kWarning, "Can't open batch file " + name + ".");
  }
  ListReader in(text);
  std::string documentation;
  bool started = false;
  while (!in.AtEnd() && !started) {
    const std::string line = in.ReadLine();
    started = ToUpper(line).find("START") != std::string::npos;
    if (!started) documentation += line + "\r\n";
  }
  std::string list;
  bool old_style = false, extension = false;
  try {
    const int n = started ? in.ReadInt16() : 0;
    for (int i = 0; i < n; ++i) {
      const std::string residue = in.ReadString();
      std::string report = in.ReadString();
      if (LastThreeUpper(report) == "MCL") {
        old_style = true;
        report.clear();
      } else if (report.find('.') != std::string::npos) {
        extension = true;
      }
      list += residue + ", " + report + "\r\n";
    }
  } catch (const ListReadError& e) {
    return Refuse(port, kWarning,
                  "Can't read batch file " + name + " at line " + std::to_string(e.line()) + ".");
  }
  doc = documentation;
  file_list = list;
  file_name_ = name;
  state_ = State::ExistingFile;
  if (old_style)
    Tell(port, kWarning,
         "This is an old-style Tarn batch file with MCL file names. The MCL filenames will be "
         "dropped. Use the 'SaveAs' menu command to change the filename of this new file format "
         "unless you want to write over the old file.");
  if (extension)
    Tell(port, kWarning,
         "This Batch file is not in proper format. The common output filename appearing after "
         "the residue file name should not have an extension. Please fix this problem before "
         "making additional changes to this file.");
  return true;
}

bool BatchEditor::checkbatchfl(UserPort& port) const {
  const std::vector<std::string> doc_lines = Lines(doc);
  const std::vector<std::string> list_lines = Lines(file_list);
  if (static_cast<int>(doc_lines.size()) > kMaxBatchEditorLines ||
      static_cast<int>(list_lines.size()) > kMaxBatchEditorLines)
    return Refuse(port, kWarning,
                  "Each box of the batch file editor holds at most " +
                      std::to_string(kMaxBatchEditorLines) + " lines.");
  for (const std::string& line : doc_lines)
    if (ToUpper(line).find("START") != std::string::npos)
      return Refuse(port, kWarning,
                    "A documentation line cannot contain the word START, which marks the end of "
                    "the documentation in a batch file: " +
                        line);
  std::vector<Entry> entries;
  if (const auto fault = SplitEntries(file_list, residue_ext_, entries))
    return Refuse(port, fault->title, fault->text);
  if (entries.empty())
    return Refuse(port, kWarning,
                  "Can't save this batch file until at least one residue file name and a "
                  "corresponding report file name is specified.");
  for (std::size_t i = 0; i < entries.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (ToUpper(entries[i].report) == ToUpper(entries[j].report))
        return Refuse(port, kWarning,
                      "Two entries have the report file name " + entries[i].report +
                          "; their reports would overwrite each other.");
  return true;
}

bool BatchEditor::savebatch(const std::string& name, UserPort& port) const {
  std::vector<Entry> entries;
  SplitEntries(file_list, residue_ext_, entries);
  PrintWriter w;
  for (const std::string& line : Lines(doc)) w.Line(line);
  w.Line("START");
  w.Num(static_cast<std::int16_t>(entries.size())).EndLine();
  for (const Entry& e : entries) w.Line(e.residue + ", " + e.report);
  if (!WriteFileAtomically(name, w.Contents()))
    return Refuse(port, kWarning, "Can't write batch file " + name + ".");
  Tell(port, "Confirmation", "Batch file saved as " + name);
  return true;
}

bool BatchEditor::Save(UserPort& port) {
  if (state_ == State::NoFile) return Refuse(port, "Sorry.", "No batch file is currently open.");
  if (file_name_.empty()) return Refuse(port, "Sorry.", "No batch file name is recorded.");
  if (!checkbatchfl(port) || !savebatch(file_name_, port)) return false;
  state_ = State::ExistingFile;
  return true;
}

bool BatchEditor::SaveAs(UserPort& port) {
  if (state_ == State::NoFile) return Refuse(port, "Sorry.", "No batch file is currently open.");
  const auto name = AskNewName("Save Batch File As", port);
  if (!name || !checkbatchfl(port) || !savebatch(*name, port)) return false;
  file_name_ = *name;
  state_ = State::ExistingFile;
  return true;
}

void BatchEditor::Close(UserPort& port) {
  if (state_ == State::NoFile) {
    Tell(port, "Sorry.", "No batch file is currently open.");
    return;
  }
  const Answer a =
      port.Show(Message{"Confirmation", "Do you want to save this Batch file before closing it.",
                        Icon::Question, Buttons::YesNo});
  // A save that its checks refused keeps the file open with the lists as they are.
  if (a == Answer::Yes && !Save(port)) return;
  Clear();
}

bool BatchEditor::Exit(UserPort& port) {
  if (state_ == State::NoFile) return true;
  const Answer a =
      port.Show(Message{"Confirmation", "Do you want to exit without saving the current file?",
                        Icon::Question, Buttons::YesNo});
  return a == Answer::Yes;
}

bool BatchEditor::Cancel(UserPort& port) {
  const Answer a = port.Show(Message{"Confirmation",
                                     "Are you sure you want to cancel? You will loose any changes "
                                     "you have made to the current file since the last save.",
                                     Icon::Question, Buttons::YesNo});
  return a == Answer::Yes;
}

void BatchEditor::Help(UserPort& port) const {
  const std::vector<std::string> lines = {
      "Batch file names have the extension " + batch_ext_,
      "Click on 'File' to open a new batch file or edit an existing batch file and to save and "
      "close batch files.",
      "You must close a currently open batch file before you can open a new batch file.",
      "A comma must separate the residue file name from the report file name",
      "Report file names must not include an extension. These will be provided by the program "
      "('.AC10' for Acute Analysis Report, .PLT for plot file.)",
      "Use 'Exit' to return to main Acute menu;  Cancel will exit without saving work since last "
      "save."};
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n\r\n";
  Tell(port, "Batch File Help", text);
}

void BatchEditor::Clear() {
  doc.clear();
  file_list.clear();
  file_name_.clear();
  state_ = State::NoFile;
}

}  // namespace acute
