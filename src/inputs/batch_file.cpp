#include "inputs/batch_file.h"

#include <map>

#include "common/file_names.h"
#include "common/list_reader.h"

namespace acute {
namespace {

constexpr const char* kWarning = "Warning";

// A refusal: the message (no icon) and the reason the file is not used.
struct Refused {
  std::string title;
  std::string text;
};

bool HasPath(const std::string& name) {
  return name.find_first_of(":\\/") != std::string::npos;
}

std::string LastThree(const std::string& s) {
  return ToUpper(s.size() >= 3 ? s.substr(s.size() - 3) : s);
}

class BatchParser {
 public:
  BatchParser(const std::string& text, std::string path, std::string ext, bool check)
      : in_(text), path_(std::move(path)), ext_(ToUpper(std::move(ext))), check_(check) {}

  std::optional<Refused> Parse(BatchFile& out) {
    out.BatchFileName = path_;
    out.BatchFolder = FolderPart(path_);
    if (!ReadComment(out))
      return Refused{kWarning, "Can't find START keyword in batch file " + path_};
    try {
      return ReadEntries(out);
    } catch (const ListReadError& e) {
      return Refused{kWarning, "Error reading batch file in line " + std::to_string(e.line()) +
                                   " after START keyword. Can't continue."};
    }
  }

 private:
  bool ReadComment(BatchFile& out) {
    std::vector<std::string> lines;
    while (!in_.AtEnd()) {
      std::string line = in_.ReadLine();
      if (ToUpper(line).find("START") != std::string::npos) {
        for (std::size_t i = 0; i < lines.size(); ++i)
          out.comment += (i > 0 ? "\r\n" : "") + lines[i];
        return true;
      }
      lines.push_back(std::move(line));
    }
    return false;
  }

  std::optional<Refused> CheckResidueName(const std::string& name, const std::string& folder) {
    const std::size_t dot = name.find('.');
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (ext != ext_)
      return Refused{kWarning, "All residue files in the batchfile must have the extension " +
                                   ext_ + ". Can't use this batch file."};
    if (HasPath(name))
      return Refused{"Batch file error",
                     "Residue file " + name + " contains path; paths not allowed in batch file."};
    if (check_ && !FindFile(std::filesystem::path(folder) / name))
      return Refused{kWarning, "Can't find residue file " + folder + name +
                                   ". Use Batch File Editor to correct filename."};
    return std::nullopt;
  }

  std::optional<Refused> CheckReportName(const std::string& name) {
    const std::string common = "Batch file: " + path_ +
                               "  You must specify a common report file name with each residue "
                               "file name.";
    if (name.empty()) return Refused{kWarning, common};
    if (name.find('.') != std::string::npos) {
      if (LastThree(name) == "MCL")
        return Refused{kWarning, "Batch file: " + path_ +
                                     " Tarn-VELD Acute cannot use batch files with MCL files."};
      if (LastThree(name) == ext_ && check_) return Refused{kWarning, common};
      return Refused{kWarning, "Batch file: " + path_ +
                                   "  The output file name for reports cannot have a file "
                                   "extension. It will be assigned an extention during the "
                                   "analysis."};
    }
    if (HasPath(name))
      return Refused{"Batch file error", "Report filename " + name +
                                             " contains path; paths not allowed in batch file."};
    return std::nullopt;
  }

  // Two entries with one report name would overwrite each other's reports.
  std::optional<Refused> CheckDistinct(const BatchFile& out) {
    const std::size_t n = out.BatchRptFile.size();
    const auto [at, added] = report_entry_.emplace(ToUpper(out.BatchRptFile.back()), n);
    if (!added)
      return Refused{kWarning, "Batch file: " + path_ + "  Entries " + std::to_string(at->second) +
                                   " and " + std::to_string(n) +
                                   " have the same report file name " + out.BatchRptFile.back() +
                                   "; their reports would overwrite each other. Can't use this "
                                   "batch file."};
    return std::nullopt;
  }

  std::optional<Refused> ReadEntries(BatchFile& out) {
    const int n = in_.ReadInt16();
    if (n <= 0)
      return Refused{kWarning, "Stated number of files in batch file " + path_ + " must > 0."};
    for (int i = 0; i < n; ++i) {
      const std::string residue = ToUpper(TrimBlanks(in_.ReadString()));
      std::string report = TrimBlanks(in_.ReadString());
      if (auto refused = CheckResidueName(residue, out.BatchFolder)) return refused;
      if (report.empty()) report = TrimBlanks(in_.ReadString());
      if (auto refused = CheckReportName(report)) return refused;
      out.BatchResFile.push_back(residue);
      out.BatchRptFile.push_back(report);
      if (auto refused = CheckDistinct(out)) return refused;
    }
    return std::nullopt;
  }

  ListReader in_;
  std::map<std::string, std::size_t> report_entry_;  // upper-case report name: its entry
  std::string path_;
  std::string ext_;
  bool check_;
};

}  // namespace

std::optional<BatchFile> ParseBatchFile(const std::string& text, const std::string& path,
                                        const std::string& residue_extension, bool check_existence,
                                        UserPort& port) {
  BatchFile out;
  BatchParser parser(text, path, residue_extension, check_existence);
  if (auto refused = parser.Parse(out)) {
    Tell(port, refused->title, refused->text);
    return std::nullopt;
  }
  if (BlankControlCharacters(out.comment))
    Tell(port, kWarning,
         "The comment lines of batch file " + path +
             " hold control characters (tabs, escapes or the like); they have been replaced "
             "by blanks in the run comment.",
         Icon::Information);
  return out;
}

std::optional<BatchFile> ReadBatchFile(const std::filesystem::path& path,
                                       const std::string& residue_extension, bool check_existence,
                                       UserPort& port) {
  std::string text;
  try {
    text = ReadWholeFile(path);
  } catch (const std::runtime_error&) {
    Tell(port, kWarning, "Can't open batch file " + path.string() + ".");
    return std::nullopt;
  }
  return ParseBatchFile(text, path.string(), residue_extension, check_existence, port);
}

}  // namespace acute
