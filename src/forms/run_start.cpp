// The run start: every check of a run in its fixed order, then the pass file and the engine.
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/str.h"
#include "engine/pass_file.h"
#include "forms/field_checks.h"
#include "forms/main_form.h"
#include "forms/refusal.h"
#include "forms/run_checks.h"
#include "reports/report_specs.h"

namespace acute {
namespace {

// A field's number; a blank, non-numeric or non-finite text counts as 0.
float NumberOf(const std::string& text) {
  return static_cast<float>(FieldNumber(text).value_or(0));
}

bool Confirm(UserPort& port, const std::string& text) {
  return port.Show(Message{kWarning, text, Icon::Question, Buttons::YesNo}) == Answer::Yes;
}

std::string OutputPath(const std::string& name, const std::string& working_folder,
                       const std::string& extension) {
  return WithWorkingFolder(WithExtension(TrimBlanks(name), extension), working_folder);
}

// The run's report: the acute report, or the DWLOC report in a DWLOC run.
struct ReportChoice {
  bool save;
  std::string name;
  std::string extension;
  std::string label;
};

ReportChoice ReportOf(const MainForm& f) {
  if (f.dwloc_mode) return {f.save_dwloc, f.dwloc_name, ".DWL", "DWLOC Report file "};
  return {f.save_report, f.report_name, ".AC10", "Acute Report file "};
}

bool CheckModeNotices(MainForm& f, UserPort& port) {
  if (f.dwloc_mode) {
    if (!TrimBlanks(f.report_name).empty())
      Tell(port, kWarning,
           "You have entered a name for the Acute report but you are running a DWLOC analysis.",
           Icon::Information);
    if (f.save_cec) {
      const Message question{"DWLOC analysis",
                             "CEC file will not be generated in DWLOC mode. Use Acute analysis "
                             "mode to generate CEC file for this chemical.",
                             Icon::Information, Buttons::OkCancel};
      if (port.Show(question) != Answer::Ok) return false;
      f.save_cec = false;
    }
    if (f.save_dwloc && TrimBlanks(f.dwloc_name).empty())
      return Refuse(port, kWarning,
                    "If you want DWLOC report file to be saved, you must specify a valid file "
                    "name (*.DWL)");
    return true;
  }
  if (!TrimBlanks(f.dwloc_name).empty())
    Tell(port, kWarning,
         "You have entered a name for the DWLOC report but you are running a regular Acute "
         "analysis.",
         Icon::Information);
  if (f.save_report && TrimBlanks(f.report_name).empty())
    return Refuse(port, kWarning,
                  "If you want Acute report file to be saved, you must specify a valid file name "
                  "(*.AC10)");
  return true;
}

bool CheckOutputs(MainForm& f, const std::string& folder, UserPort& port) {
  if (f.save_plot && TrimBlanks(f.plot_name).empty())
    return Refuse(port, kWarning,
                  "If you want plot file to be saved, you must specify a valid name for this "
                  "file.");
  if (!CheckModeNotices(f, port)) return false;
  const ReportChoice r = ReportOf(f);
  const std::string plot = OutputPath(f.plot_name, folder, f.dwloc_mode ? ".DWP" : ".PLT");
  const std::string report = OutputPath(r.name, folder, r.extension);
  const bool plot_exists = f.save_plot && FindFile(plot);
  const bool report_exists = r.save && FindFile(report);
  if (plot_exists && report_exists)
    return Confirm(port, "Plot file " + plot + " and " + r.label + report +
                             " already exist. Do you want to write over the old files?");
  if (plot_exists)
    return Confirm(
        port, "Plot file " + plot + " already exists. Do you want to write over the old file?");
  if (report_exists)
    return Confirm(port,
                   r.label + report + " already exists. Do you want to write over the old file?");
  return true;
}

bool CheckDwloc(const MainForm& f, UserPort& port) {
  if (!f.dwloc_mode) return true;
  if (NumberOf(f.arfd) <= 0)
    return Refuse(port, "Toxicology endpoint specification problem",
                  "You must specify the aRfD when conducting a DWLOC analysis.");
  if (!f.per_kg)
    return Refuse(port, "Body weight specification problem",
                  "You must divide exposure by body weight when conducting a DWLOC analysis.");
  return true;
}

}  // namespace

// Printed records 1..40000 (`records_title` for the message), then the minimum contribution
// from `min_low` to 50.
bool CheckCecLimits(const MainForm& f, double min_low, const char* records_title, UserPort& port) {
  double records = 0, min_percent = 0;
  if (!ParseNumber(TrimBlanks(f.cec_records), records) || records < 1 || records > 40000)
    return Refuse(port, records_title,
                  "Number of printed CEC records must be between 1 and 40000.");
  if (!ParseNumber(TrimBlanks(f.cec_min_percent), min_percent) || min_percent < min_low ||
      min_percent > 50)
    return Refuse(port, kWarning,
                  std::string("When generating a CEC file, you must specify a minimum exposure "
                              "contribution for individual ingredient and foodform combination "
                              "of between ") +
                      (min_low == 1 ? "1" : "0.1") + " and 50%.");
  return true;
}

bool CheckCecWindow(const MainForm& f, UserPort& port) {
  constexpr const char* kTitle = "Checking CEC Parameters";
  if (f.cec_basis != 0 && f.cec_basis != 1) {
    Tell(port, kTitle,
         "You must specify the use of Percentile Amounts or Exposure Amounts for the CEC analysis",
         Icon::Exclamation);
    return false;
  }
  double low = 0, high = 0;
  const bool low_ok = ParseNumber(TrimBlanks(f.cec_low), low);
  const bool high_ok = ParseNumber(TrimBlanks(f.cec_high), high);
  if (f.cec_basis == 1) {
    if (!high_ok) {
      Tell(port, kTitle, "High Exposure Amount must be all numeric.", Icon::Exclamation);
      return false;
    }
    if (!low_ok) {
      Tell(port, kTitle, "Low Exposure Amount must be all numeric.", Icon::Exclamation);
      return false;
    }
    // A high amount of 0 leaves the window open upwards.
    if (high != 0 && high <= low)
      return Refuse(port, kTitle,
                    "In CEC set up, high exposure amount cannot be less than or equal to low "
                    "exposure amount.");
    return true;
  }
  if (!low_ok || !high_ok || high <= low)
    return Refuse(port, kTitle,
                  "In CEC set up, high percentile cannot be less than or equal to low percentile.");
  return true;
}

namespace {

bool CheckCec(const MainForm& f, const std::string& folder, UserPort& port) {
  if (!f.save_cec) return true;
  if (TrimBlanks(f.cec_name).empty())
    return Refuse(port, kWarning,
                  "If you want to generate a CEC file, you must specify a valid file name (*.CEC)");
  const std::string name = OutputPath(f.cec_name, folder, f.cec_excel ? ".CSV" : ".CEC");
  if (FindFile(name) &&
      !Confirm(port,
               "CEC file " + name + " already exists. Do you want to write over the old file?"))
    return false;
  if (!CheckCecLimits(f, 0.1, "Checking CEC Parameters", port)) return false;
  return CheckCecWindow(f, port);
}

bool CheckToxicology(const MainForm& f, UserPort& port) {
  const float arfd = NumberOf(f.arfd);
  const float noel = NumberOf(f.noel);
  if (f.pad && f.per_kg) {
    if (arfd <= 0)
      return Refuse(port, "Toxicology endpoint specification problem",
                    "You must specify the aRfD when using PAD.");
    bool any = f.standard_pad.Any();
    for (const auto& c : f.custom) any = any || c.population.pad > 0;
    if (!any)
      return Refuse(port, "No PAD values available",
                    "PAD is checked but no PAD values are entered. Use Edit PAD button to show "
                    "PAD data entry form.");
  }
  if (!CheckDwloc(f, port)) return false;
  if (!CheckCec(f, f.residue->ResFolder, port)) return false;
  if (f.monte_carlo && !f.residue->OffersMonteCarlo())
    return Refuse(port, kWarning,
                  "This residue file has no residue distribution lines; a Monte Carlo analysis "
                  "needs them.");
  if (!CheckMonteCarloFieldsGiven(f, port)) return false;
  if (f.per_kg && noel <= 0 && arfd <= 0)
    return Refuse(port, kWarning,
                  "At least one toxicology endpoint value must be greater than zero.");
  return true;
}

int PopulationCount(const MainForm& f) {
  int n = 0;
  for (bool b : f.standard) n += b ? 1 : 0;
  for (const auto& c : f.custom) n += TrimBlanks(c.population.name).empty() ? 0 : 1;
  return n;
}

}  // namespace

bool CheckPopulations(const MainForm& f, UserPort& port) {
  bool any = false;
  for (bool b : f.standard) any = any || b;
  for (const auto& c : f.custom) any = any || !TrimBlanks(c.population.name).empty();
  if (!any)
    return Refuse(port, kWarning,
                  "At least one standard population must be checked OR one custom population "
                  "defined.");
  if (f.save_cec && f.cec_basis == 1 && PopulationCount(f) > 1)
    return Refuse(port, "Checking CEC Parameters",
                  "You cannot perform CEC analysis with exposure amount boundaries if more than "
                  "subpopulation is being evaluated. Run with a single population or change CEC "
                  "basis to 'Percentile Amounts'.");
  for (std::size_t i = 0; i < f.custom.size(); ++i) {
    const auto& c = f.custom[i];
    if (!TrimBlanks(c.population.name).empty() && !c.defined)
      return Refuse(port, kWarning,
                    "For custom population (" + std::to_string(i + 1) + ") '" + c.population.name +
                        "' the demographic data is not complete. Click on index number to display "
                        "demographic choices");
  }
  return !(f.eating_occasion && f.reversal) || CheckHalfLifeField(f.half_life, port);
}

namespace {

// What keeps `path` from being written, or "".
std::string UnwritableBecause(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::path folder = path.parent_path();
  if (std::filesystem::is_directory(path, ec)) return "a folder of that name is in the way";
  if (!std::filesystem::is_directory(folder, ec))
    return "the folder " + folder.string() + " does not exist";
  if (::access(folder.c_str(), W_OK) != 0)
    return "the folder " + folder.string() + " cannot be written to";
  return "";
}

// Every file the run will save under a name of the user's can be made there: found before
// the run, not after it.
bool CheckOutputFolders(const MainForm& f, const std::string& folder, UserPort& port) {
  std::vector<std::string> names;
  if (f.dwloc_mode && f.save_dwloc) names.push_back(OutputPath(f.dwloc_name, folder, ".DWL"));
  if (!f.dwloc_mode && f.save_report) names.push_back(OutputPath(f.report_name, folder, ".AC10"));
  if ((f.save_report || f.save_dwloc) && f.save_plot)
    names.push_back(OutputPath(f.plot_name, folder, f.dwloc_mode ? ".DWP" : ".PLT"));
  if (!f.dwloc_mode && f.save_cec)
    names.push_back(OutputPath(f.cec_name, folder, f.cec_excel ? ".CSV" : ".CEC"));
  if (!TrimBlanks(f.results_copy).empty())
    names.push_back(OutputPath(f.results_copy, folder, ".json"));
  for (const std::string& name : names)
    if (const std::string why = UnwritableBecause(name); !why.empty())
      return Refuse(port, kWarning,
                    "Can't write file " + name + ": " + why +
                        ". Choose another name, or create the folder first.");
  return true;
}

bool CheckForm(MainForm& f, const std::string& folder, UserPort& port) {
  if (!f.residue)
    return Refuse(port, kWarning,
                  "You must open a residue file or a batch file before you can start the "
                  "analysis.");
  return CheckOutputs(f, folder, port) && CheckToxicology(f, port) && CheckPopulations(f, port) &&
         CheckOutputFolders(f, folder, port);
}

bool HasEmpiricalDistributions(const ResidueData& r) {
  for (const RdlLine& line : r.Rdl)
    if (line.type == DistributionType::Empirical) return true;
  return false;
}

// Reads the residue distribution files into the scratch file of the work folder, staged with
// the run's other work files.
RdfSetUp ReadDistributionFiles(const ResidueData& r, const DataSession& session, UserPort& port,
                               RdfTables& rdf, WorkSetWriter& staging) {
  if (!HasEmpiricalDistributions(r)) return RdfSetUp::Ok;
  const std::filesystem::path scratch = staging.TempFor(session.WorkFolder() / kRdfScratchFileName);
  return SetUpRdfs(r, scratch, false, port, rdf);
}

bool CheckWholeNumber(const std::string& text, double low, double high, const std::string& message,
                      UserPort& port) {
  const std::string t = TrimBlanks(text);
  double v = 0;
  if (t.empty() || (ParseNumber(t, v) && v >= low && v <= high)) return true;
  return Refuse(port, kWarning, message);
}

}  // namespace

bool CheckIterationsField(const std::string& text, UserPort& port) {
  return CheckWholeNumber(text, 1, 5000, "Number of iterations must be 1-5000.", port);
}

bool CheckSeedField(const std::string& text, UserPort& port) {
  return CheckWholeNumber(text, 0, 32000, "Seed Number must be 0-32000.", port);
}

std::string WithExtension(const std::string& name, const std::string& extension) {
  if (name.empty()) return name;
  if (ToUpper(name).size() >= extension.size() &&
      ToUpper(name).compare(name.size() - extension.size(), extension.size(), ToUpper(extension)) ==
          0)
    return name;
  const std::size_t slash = name.find_last_of("/\\");
  const std::size_t dot = name.find('.', slash == std::string::npos ? 0 : slash + 1);
  return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

void MainForm::TakeEndpointsFromResidueFile() {
  if (!residue) return;
  noel = TrimStr(residue->ResNoel);
  arfd = TrimStr(residue->ResARfD);
}

void MainForm::TakeResidueFileFields() {
  if (!residue) return;
  TakeEndpointsFromResidueFile();
  comment = residue->ResComment;
}

FormSettings FormSettingsFromForm(const MainForm& f) {
  FormSettings s;
  s.two_day_average = f.two_day_average;
  s.mersenne_twister = f.mersenne_twister;
  s.qa_listing = f.qa_listing;
  s.reversal = f.eating_occasion && f.reversal;
  s.half_life_hours = NumberOf(f.half_life);
  s.hold_residues = f.hold_residues && f.eating_occasion && f.monte_carlo;
  s.cumulative_cec = f.save_cec && !f.dwloc_mode && f.cumulative_cec;
  s.threads = f.threads;
  s.bootstrap = BootstrapSettingsOf(f.bootstrap);
  return s;
}

RdlRow RowOf(const RdlLine& line, const RdfTables* rdf) {
  RdlRow row;
  row.index = line.index;
  row.type = line.type;
  row.param = {line.param[1], line.param[2], line.param[3]};
  const int k = line.index;
  if (line.type != DistributionType::Empirical || rdf == nullptr ||
      k >= static_cast<int>(rdf->RdfTotalCount.size()))
    return row;
  row.total_z = rdf->RdfTotalZ[k];
  row.total_lod = rdf->RdfTotalLod[k];
  row.lod_res = rdf->RdfLodRes[k];
  row.value_count = rdf->RdfValueCount[k];
  row.count_with_lod = rdf->RdfCountWithLod[k];
  row.total_count = rdf->RdfTotalCount[k];
  row.first_record = rdf->RdfFirstRecord[k];
  row.first_value = rdf->RdfFirstValue[k];
  row.check_record = row.value_count > 0 ? row.first_record : 0;
  return row;
}

CecSettings CecSettingsFromForm(const MainForm& f) {
  CecSettings c;
  c.max_records = static_cast<std::int32_t>(std::nearbyint(NumberOf(f.cec_records)));
  c.min_percent = NumberOf(f.cec_min_percent);
  c.file_name = WithExtension(TrimBlanks(f.cec_name), f.cec_excel ? ".CSV" : ".CEC");
  c.basis = f.cec_basis == 1 ? CecBasis::Amounts : CecBasis::Percentiles;
  c.low = NumberOf(f.cec_low);
  c.high = NumberOf(f.cec_high);
  c.excel = f.cec_excel;
  c.suppress_warning = f.cec_suppress;
  c.cumulative = f.cumulative_cec;
  return c;
}

bool CheckMonteCarloFieldsGiven(const MainForm& f, UserPort& port) {
  if (f.monte_carlo && TrimBlanks(f.iterations).empty())
    return Refuse(port, "Checking Monte Carlo parameters",
                  "You must specify number of iterations for Monte Carlo analysis");
  if (f.monte_carlo && TrimBlanks(f.seed).empty())
    return Refuse(port, "Checking Monte Carlo parameters",
                  "You must specify seed number for Monte Carlo analysis");
  return true;
}

AnalysisSettings CommonSettingsFromForm(const MainForm& f, const DataSession& session) {
  AnalysisSettings s;
  s.per_kg = f.per_kg;
  s.second_adjustment = f.second_adjustment;
  s.monte_carlo = f.monte_carlo;
  s.eating_occasion = f.eating_occasion;
  s.iterations = static_cast<std::int16_t>(std::nearbyint(NumberOf(f.iterations)));
  s.seed = static_cast<std::int16_t>(std::nearbyint(NumberOf(f.seed)));
  s.arfd = NumberOf(f.arfd);
  s.noel = NumberOf(f.noel);
  s.pad_flag = f.pad;
  s.standard_pad = f.standard_pad;
  s.dwloc = f.dwloc_mode;
  s.save_plot = f.save_plot;
  s.plot_file =
      f.save_plot ? WithExtension(TrimBlanks(f.plot_name), f.dwloc_mode ? ".DWP" : ".PLT") : "";
  const ReportChoice report = ReportOf(f);
  s.save_report = report.save;
  s.report_file = report.save ? WithExtension(TrimBlanks(report.name), report.extension) : "";
  s.comment_line = QuoteRunComment(f.comment);
  for (int i = 0; i < session.support.StandardPopulationCount(); ++i)
    s.standard_selected.push_back(i < static_cast<int>(f.standard.size()) && f.standard[i]);
  for (const auto& c : f.custom)
    if (!TrimBlanks(c.population.name).empty()) s.custom.push_back(c.population);
  return s;
}

AnalysisSettings SettingsFromForm(const MainForm& f, const DataSession& session,
                                  const RdfTables* rdf) {
  AnalysisSettings s = CommonSettingsFromForm(f, session);
  const ResidueData& r = *f.residue;
  s.residue_file = r.ResFileName;
  s.working_folder = r.ResFolder;
  for (int k = 1; k <= r.MaxRdlIndex && k < static_cast<int>(r.Rdl.size()); ++k)
    if (r.Rdl[k].type != DistributionType::None) s.rdl_rows.push_back(RowOf(r.Rdl[k], rdf));
  s.max_rdl_index = r.MaxRdlIndex;
  s.cec_flag = f.save_cec && !f.dwloc_mode;
  if (s.cec_flag) s.cec = CecSettingsFromForm(f);
  return s;
}

namespace {

std::optional<AnalysisSettings> PrepareSingleRun(MainForm& form, const DataSession& session,
                                                 UserPort& port, WorkSetWriter& staging,
                                                 bool* rdfs_unusable) {
  const std::string folder = form.residue ? form.residue->ResFolder : "";
  if (!CheckForm(form, folder, port)) return std::nullopt;
  RdfTables rdf;
  if (form.monte_carlo) {
    const RdfSetUp read = ReadDistributionFiles(*form.residue, session, port, rdf, staging);
    if (rdfs_unusable != nullptr) *rdfs_unusable = read == RdfSetUp::Unusable;
    if (read != RdfSetUp::Ok) return std::nullopt;
  }
  return SettingsFromForm(form, session, &rdf);
}

}  // namespace

std::optional<EngineOutcome> LaunchAnalysis(const MainForm& original, const DataSession& session,
                                            UserPort& port, const std::string& date,
                                            const std::string& time, bool* rdfs_unusable) {
  MainForm form = original;  // a DWLOC run clears the CEC box of its own copy
  if (!CheckBootstrapFrame(form, port)) return std::nullopt;
  const auto lock = LockWorkFolder(session.WorkFolder(), port);
  if (!lock) return std::nullopt;
  const auto specs = ReportSpecsForRun(session, port);
  if (!specs) return std::nullopt;
  WorkSetWriter staging(session.WorkFolder(), WorkRun{});
  const auto checked = form.batch && !form.residue
                           ? PrepareBatchRun(form, session, port, &staging)
                           : PrepareSingleRun(form, session, port, staging, rdfs_unusable);
  if (!checked) return std::nullopt;
  const RunRequest request{session, *checked, FormSettingsFromForm(form), *specs,
                           date,    time,     form.results_copy};
  auto outcome = RunAnalysis(request, staging, port);
  if (!outcome) return std::nullopt;
  if (!outcome->completed)
    Tell(port, "Tarn-VELD Acute",
         form.dwloc_mode ? "DWLOC Analysis was not completed."
                         : "Acute Analysis was not completed.");
  return outcome;
}

}  // namespace acute
