#pragma once
// The main form as a toolkit-free model: the analysis parameters (MainForm), the CEC frame,
// the click rules of the boxes, which controls are visible or enabled, the field checks as
// a field loses focus (the field that keeps the focus is returned), the custom population
// rows and Clear Form. A window binds its controls to this model and writes no rule itself.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "common/user_port.h"
#include "forms/main_form.h"
#include "inputs/data_session.h"
#include "run/session.h"

namespace acute {

// The fields with a check; Field::None means "accepted, the focus may move on".
enum class Field {
  None,
  HalfLife,
  Iterations,
  Seed,
  Noel,
  Arfd,
  ReportName,
  PlotName,
  DwlocName,
  CecName,
  MinContribution,
  PrintedRecords,
  LowPercentile,
  HighPercentile,
  CustomName,
  Comment,
  LowAmount,
  HighAmount,
  StandardPopulations,  // the first box of the standard population list
  UsePad,
  BootstrapRounds,  // checked at run start, not as the field loses focus
  BootstrapSeed,
};

// The control a refusal at run start names: a field (with its custom row for CustomName).
struct FieldAtFault {
  Field field = Field::None;
  int row = 0;
};

// The "CEC File Generator" frame.
struct CecFrame {
  bool save = false;  // "Save CEC File"
  std::string name;
  std::string printed_records = "40000";
  std::string min_contribution;
  bool percentile_basis = true;  // "Percentile Amounts" rather than "Exposure Amounts"
  std::string low_percentile = "99%";
  std::vector<std::string> high_choices{"99.9%", "100%"};
  std::string high_percentile = "99.9%";
  std::string low_amount;
  std::string high_amount;
  bool excel = false;
  bool cumulative = false;
  bool suppress = false;
};

// The residue file frame's values: chemical, date last saved, file name, working folder.
struct FileDetails {
  std::string chemical;
  std::string date;
  std::string name;
  std::string folder;
};

// What the form shows: true = visible (or enabled where the name says so).
struct FormVisibility {
  bool start_hint = true;           // no file open
  bool parameters = false;          // a residue or batch file is open
  bool batch = false;               // the open file is a batch file
  bool reversal = false;            // "Residue Reversal" and its half life
  bool hold_residues = false;       // "Hold daily res amount constant"
  bool toxicology = false;          // endpoints, "Use PAD", "Edit PA&Ds"
  bool monte_carlo_box = false;     // the residue file has residue distribution lines
  bool monte_carlo_fields = false;  // iterations, seed, generator
  bool report_box = true;           // "Save Acute Rpt" (a batch saves every entry's report)
  bool report_name = false;
  bool plot_box = false;
  bool plot_name = false;
  bool dwloc_name = false;
  bool cec_frame = false;
  bool cec_settings = false;
  bool percentile_lists = false;  // else the exposure amount fields
  bool cumulative_enabled = false;
  bool redo_cec = false;
  bool rdf_summary = false;  // "Show RDF Summary": distribution lines and chemicals to show
  // The "Uncertainty analysis" frame: bootstrap rounds can follow an acute run of one residue
  // file (not with a batch file, nor with the form set up for a DWLOC report).
  bool bootstrap_enabled = false;
  // What can act now (enabled): nothing that starts, clears or closes while a run is on.
  bool cec_enabled = false;  // the CEC frame: a residue file is open
  bool run = true;           // "Run Analysis" and its entries
  bool clear = true;         // "Clear Form"
  bool close = false;        // File, Close: a file is open
  bool open_file = true;     // File, Open Residue File / Open Batch File
  bool batch_editor = true;  // File, Create/Edit Batch Files, File, Exit
};

class MainFormModel {
 public:
  static constexpr int kCustomRows = 6;
  // The minimum contribution a run takes when no one is there to fill the blank field (the
  // command line without --cec-min).
  static constexpr const char* kUnattendedMinContribution = "1";
  static constexpr const char* kDesignCaption = "Tarn Acute Analysis";
  static constexpr const char* kStartHint = "  Start by opening a residue file or a batch file.";
  static constexpr const char* kClearQuestion =
      "Are you sure you want to clear this form? Note: Use File/Close to clear residue file name "
      "and information.";

  MainFormModel();

  // "Tarn-VELD Acute Analysis (version, RacFfVersion) title".
  static std::string Caption(const std::string& version, const std::string& rac_ff_version,
                             const std::string& database_title);

  MainForm form;
  CecFrame cec;
  bool busy = false;                       // a run is in progress
  bool completed_a_run = false;            // an analysis completed since the program started
  bool batch_open = false;                 // a batch file rather than a residue file is open
  bool rdfs_cumulative = false;            // every distribution file carries per-chemical data
  bool summary_without_chemicals = false;  // an RDF summary found a file without chemicals

  FormVisibility Visibility() const;
  std::string UnitsLabel() const;  // "mg/kg bw/day" or "mg/day"
  std::string PlotLabel() const { return plot_label_; }
  std::string CecNameLabel() const;
  std::string LowBasisLabel() const;
  std::string HighBasisLabel() const;
  std::string FileFrameCaption() const;  // "Residue file" or "Batch File:"
  // "Acute Analysis Parameters" with a residue file open, "Batch Analysis Parameters" with a
  // batch file, else "Analysis parameters".
  std::string ParametersCaption() const;

  // The open file's details; a batch file's name is shown without its folders and, when
  // longer than 50 characters, as "..." and its last 47.
  FileDetails OpenFileDetails() const;

  // The form as a run or Redo Last CEC takes it: the CEC frame's settings in its CEC fields,
  // and nothing of a control the user cannot see (a hidden box counts as unticked, a hidden
  // name as blank, a disabled uncertainty frame as no rounds), so that no hidden setting
  // refuses, changes or names a run.
  MainForm RunForm() const;

  // The lines the progress window shows above the progress of a run of `run`: the residue
  // (or batch) file's name and, in a Monte Carlo run, the number of iterations.
  static std::string RunHeading(const MainForm& run);

  // The control named by a refusal at run start (`text` of its message), where the focus
  // goes after it; Field::None when it names none.
  static FieldAtFault RefusalField(const std::string& text);

  // A custom row whose name holds a complete definition (its index is marked so).
  bool CustomRowDefined(int row) const;

  // Redo Last CEC may act: offered, a residue file open (it rebuilds that file's CEC report)
  // and no run on.
  bool MayRedoCec() const {
    const FormVisibility v = Visibility();
    return v.redo_cec && v.cec_enabled && !busy;
  }

  // A standard population list of `count` boxes, all unticked.
  void SetStandardPopulations(int count);

  // Clicks and option buttons. Each returns the field that takes the focus (None: unchanged).
  void SetEatingOccasion(bool on);
  // Residue reversal: its box shows only with eating occasions, so ticking it ticks those.
  void SetReversal(bool on);
  Field SetMonteCarlo(bool on);
  void SetBodyWeight(bool on);
  void SetSaveReport(bool on);
  void SetSaveDwloc(bool on);
  void SetSaveCec(bool on);
  void SetExcel(bool on);
  void SetPercentileBasis(bool percentile);
  void SetCumulative(bool on);

  // The check of a field as it loses focus (or Enter is pressed in it), on the text the
  // model holds for it; accepted values are stored in their final form (a name with its
  // extension, a percentile with its "%"). Returns the field that keeps the focus.
  Field Leave(Field field, UserPort& port);

  // Custom populations: the row's new name as its field loses focus (blanking a defined
  // row asks before deleting it; No restores the name and keeps the focus).
  Field SetCustomName(int row, const std::string& name, UserPort& port);
  // A click on the index label "(row + 1)": true when the custom dialog may open.
  bool ClickCustomIndex(int row, UserPort& port) const;
  std::string CustomDialogCaption(int row) const;

  // File, Open Residue File: refused while a batch or residue file is open (or a run is on).
  bool MayOpenResidueFile(UserPort& port) const;
  // The open dialog of File, Open Residue File: in the residue folder, with the last residue
  // file's name when it has the residue extension.
  FileDialog ResidueFileDialog(const DataSession& session) const;
  // File, Open Batch File, before its dialog: refused while a file is open or a run is on.
  bool MayOpenBatchFile(UserPort& port) const;
  // The open dialog of File, Open Batch File: in the residue folder, with the last batch
  // file's name when it has the batch extension.
  FileDialog BatchFileDialog(const DataSession& session) const;
  // File, Open Batch File with the file chosen: refused while a file is open or a run is on;
  // otherwise the session reads the batch file and its residue files and the form takes
  // them. False after a message (no file is then open).
  bool OpenBatch(const Session& session, const std::filesystem::path& file, UserPort& port);
  // Takes a batch file the session read: its free lines become the run comment; Monte Carlo
  // and the CEC box start off.
  void TakeBatch(acute::OpenBatch batch);
  // File, Open Residue File with the file chosen: the session reads it and the form takes
  // it. False after the refusal's message.
  bool OpenResidue(const Session& session, const std::filesystem::path& file, UserPort& port);
  // Takes a residue file the session read: its endpoints fill the toxicology fields, its
  // comment becomes the run comment; Monte Carlo and Cumulative CEC start off.
  void TakeResidueFile(ResidueData residue);
  // After Show RDF Summary has read the distribution files: whether each carries per-chemical
  // data, and whether one had no chemicals (that keeps Cumulative CEC off until a residue
  // file is opened again).
  void TakeRdfSummary(bool all_cumulative, bool without_chemicals);
  // File, Close: no residue or batch file open; Monte Carlo and Cumulative CEC off.
  void CloseFile();

  // The end of an analysis (`engine_ran`: it got past the run start's checks): not busy; a
  // completed one offers Redo Last CEC; in DWLOC mode the CEC box is cleared, as the OK to
  // the run start's question about it said.
  void AnalysisEnded(bool engine_ran, bool completed);

  // Clear Form: nothing while busy; otherwise asks and resets on Yes.
  bool Clear(UserPort& port);

 private:
  Field LeaveName(Field field, UserPort& port);
  Field LeaveLowPercentile(UserPort& port);
  void UpdateCumulative();

  std::string plot_label_ = "File Name ";
  std::string last_batch_file_;
  std::string last_residue_file_;
};

}  // namespace acute
