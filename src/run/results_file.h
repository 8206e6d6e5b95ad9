#pragma once
// The results file ("results.json" in the work folder, and its copies): every figure of a
// run's reports as JSON numbers at full precision, with the run's settings, its inputs and,
// apart, what varies between runs without changing a figure (the provenance). A batch run's
// file lists its entries; Redo Last CEC rewrites the CEC part. docs/results.schema.json
// describes the layout.
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cec/cec_report.h"
#include "reports/report_figures.h"

namespace acute {

// What a results file says besides the report's figures.
struct ResultsSources {
  std::optional<std::string> residue_sha256;  // none when the file cannot be read
  std::optional<double> timer;                // a Monte Carlo run with seed 0: the seed taken
};

// What varies between runs of the same settings: when, where and on how many threads.
struct ResultsProvenance {
  std::string run_id;  // the run's id in the work folder's list
  std::string date;    // MM/DD/YYYY
  std::string time;    // HH:MM:SS
  std::filesystem::path work_folder;
  int threads = 0;  // as asked; 0: every core
};

// The members of one analysis (all but "cec" and "provenance"), as the text of JSON object
// members at two spaces, without the braces.
std::string AnalysisMembers(const ReportFigures& figures, const ResultsSources& sources);

// The "cec" member from the ranked sections of the report steps (streamed, one record at a
// time).
void WriteCecMember(std::ostream& out, const CecReportRequest& request,
                    const std::vector<RankedSection>& ranked);

// The closing "provenance" member and brace.
std::string ProvenanceTail(const ResultsProvenance& provenance);

// One results file written into a temporary file: its analysis members, its "cec" member
// (or null) and its provenance.
class ResultsWriter {
 public:
  explicit ResultsWriter(const std::filesystem::path& temp);
  bool Ok() const { return !path_.empty() && static_cast<bool>(out_); }
  const std::filesystem::path& Path() const { return path_; }

  void Begin(const std::string& analysis_members);
  void Cec(const CecReportRequest& request, const std::vector<RankedSection>& ranked);
  // Closes the file; false when something could not be written.
  bool End(const ResultsProvenance& provenance);

 private:
  std::filesystem::path path_;
  std::ofstream out_;
  bool cec_written_ = false;
};

// The text of a batch's results file: the entries' analysis members, one object each.
std::string BatchResultsText(const std::string& batch_file,
                             const std::vector<std::string>& entry_members,
                             const ResultsProvenance& provenance);

enum class CecRewrite { Written, NotOfRun, Failed };

// Redo Last CEC: the text of `old_file` (the work folder's results file) is copied to the
// file `temp_for()` names with its "cec" member written anew and the redo noted in its
// provenance. NotOfRun (nothing asked for, nothing written) when the old file is not a
// results file of the run `run_id` as this program writes them; Failed when the new file
// cannot be written.
CecRewrite RewriteCecResults(const std::filesystem::path& old_file,
                             const std::function<std::filesystem::path()>& temp_for,
                             const std::string& run_id, const CecReportRequest& request,
                             const std::vector<RankedSection>& ranked, const std::string& date,
                             const std::string& time);

}  // namespace acute
