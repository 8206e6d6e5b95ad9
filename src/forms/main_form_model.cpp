#include "forms/main_form_model.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "common/file_names.h"
#include "common/str.h"
#include "forms/batch_open.h"
#include "forms/field_checks.h"
#include "reports/report_display.h"

namespace acute {
namespace {

Field Keep(bool accepted, Field field) {
  return accepted ? Field::None : field;
}

// The number of a percentile text, without its "%".
std::string PercentValue(const std::string& text) {
  return TrimBlanks(text.substr(0, text.find('%')));
}

bool AnyEntryOffersMonteCarlo(const MainForm& f) {
  if (!f.batch) return false;
  for (const ResidueData& r : f.batch->entries)
    if (r.OffersMonteCarlo()) return true;
  return false;
}

}  // namespace

MainFormModel::MainFormModel() {
  form.custom.resize(kCustomRows);
}

std::string MainFormModel::Caption(const std::string& version, const std::string& rac_ff_version,
                                   const std::string& database_title) {
  return "Tarn-VELD Acute Analysis (" + version + ", " + rac_ff_version + ") " + database_title;
}

FormVisibility MainFormModel::Visibility() const {
  FormVisibility v;
  const bool batch = batch_open || form.batch.has_value();
  const bool open = form.residue.has_value() || batch;
  v.start_hint = !open;
  v.parameters = open;
  v.batch = batch;
  v.reversal = form.eating_occasion;
  v.hold_residues = form.eating_occasion && form.monte_carlo;
  v.toxicology = form.per_kg && !batch;
  v.monte_carlo_box =
      (form.residue && form.residue->OffersMonteCarlo()) || AnyEntryOffersMonteCarlo(form);
  v.monte_carlo_fields = form.monte_carlo;
  v.report_box = !batch;
  v.report_name = form.save_report && !batch;
  v.plot_box = (form.save_report || form.save_dwloc) && !batch;
  v.plot_name = v.plot_box && form.save_plot;
  v.dwloc_name = form.save_dwloc;
  v.cec_frame = !form.save_dwloc && !batch;
  v.cec_settings = v.cec_frame && cec.save;
  v.percentile_lists = cec.percentile_basis;
  v.cumulative_enabled =
      cec.save && form.monte_carlo && rdfs_cumulative && !summary_without_chemicals;
  v.redo_cec = v.cec_settings && completed_a_run;
  v.rdf_summary = !batch && form.residue && form.residue->OffersMonteCarlo();
  v.cec_enabled = form.residue.has_value() && !batch;
  v.bootstrap_enabled = form.residue.has_value() && !batch && !form.save_dwloc;
  v.run = v.clear = v.open_file = v.batch_editor = !busy;
  v.close = open && !busy;
  return v;
}

std::string MainFormModel::UnitsLabel() const {
  return form.per_kg ? "mg/kg bw/day" : "mg/day";
}

std::string MainFormModel::CecNameLabel() const {
  return cec.excel ? "File Name (*.CSV)" : "File Name (*.CEC)";
}

std::string MainFormModel::LowBasisLabel() const {
  return cec.percentile_basis ? "Low Percentile" : "Low Exposure Amt";
}

std::string MainFormModel::HighBasisLabel() const {
  return cec.percentile_basis ? "High Percentile" : "High Exposure Amt";
}

std::string MainFormModel::FileFrameCaption() const {
  return Visibility().batch ? "Batch File:" : "Residue file";
}

std::string MainFormModel::ParametersCaption() const {
  if (Visibility().batch) return "Batch Analysis Parameters";
  return form.residue ? "Acute Analysis Parameters" : "Analysis parameters";
}

namespace {

// A file's name without its folders; over 50 characters, "..." and its last 47.
std::string ShownName(const std::string& path) {
  std::string name = NamePart(path);
  if (name.size() > 50) name = "..." + name.substr(name.size() - 47);
  return name;
}

}  // namespace

FileDetails MainFormModel::OpenFileDetails() const {
  // The date is the file's date and time stamp from the file system.
  FileDetails d;
  if (form.batch) {
    const std::string& path = form.batch->file.BatchFileName;
    d.name = ShownName(path);
    d.date = FileStamp(path);
    d.folder = form.batch->file.BatchFolder;
  } else if (form.residue) {
    d.chemical = form.residue->ChemicalName;
    d.date = FileStamp(form.residue->ResFileName);
    d.name = ShownName(form.residue->ResFileName);
    d.folder = form.residue->ResFolder;
  }
  return d;
}

MainForm MainFormModel::RunForm() const {
  const FormVisibility v = Visibility();
  MainForm f = form;
  if (!v.plot_box) f.save_plot = false;
  if (!v.plot_name) f.plot_name.clear();
  if (!v.report_box) f.save_report = false;
  if (!v.report_name) f.report_name.clear();
  if (!v.dwloc_name) f.dwloc_name.clear();
  if (!v.monte_carlo_box) f.monte_carlo = false;
  if (!v.reversal) f.reversal = false;
  if (!v.hold_residues) f.hold_residues = false;
  if (!v.toxicology) f.pad = false;
  if (!v.bootstrap_enabled) f.bootstrap.rounds = "0";
  f.save_cec = cec.save && v.cec_frame;
  f.cec_name = cec.name;
  f.cec_records = cec.printed_records;
  f.cec_min_percent = cec.min_contribution;
  f.cec_basis = cec.percentile_basis ? 0 : 1;
  f.cec_low = cec.percentile_basis ? PercentValue(cec.low_percentile) : cec.low_amount;
  f.cec_high = cec.percentile_basis ? PercentValue(cec.high_percentile) : cec.high_amount;
  f.cec_excel = cec.excel;
  f.cec_suppress = cec.suppress;
  f.cumulative_cec = cec.save && cec.cumulative;
  return f;
}

void MainFormModel::SetStandardPopulations(int count) {
  form.standard.assign(static_cast<std::size_t>(std::max(count, 0)), false);
  form.standard_pad = StandardPads(count);
}

void MainFormModel::SetEatingOccasion(bool on) {
  form.eating_occasion = on;
}

void MainFormModel::SetReversal(bool on) {
  if (on) form.eating_occasion = true;
  form.reversal = on;
}

Field MainFormModel::SetMonteCarlo(bool on) {
  form.monte_carlo = on;
  UpdateCumulative();
  return on ? Field::Iterations : Field::None;
}

void MainFormModel::SetBodyWeight(bool on) {
  form.per_kg = on;
}

void MainFormModel::SetSaveReport(bool on) {
  form.save_report = on;
  if (!on && !form.save_dwloc) form.save_plot = false;  // the plot box hides unticked
  if (!on) return;
  form.save_dwloc = false;
  form.save_plot = false;
  plot_label_ = "File Name (*.PLT)";
}

void MainFormModel::SetSaveDwloc(bool on) {
  form.save_dwloc = on;
  if (!on && !form.save_report) form.save_plot = false;  // the plot box hides unticked
  if (!on) return;
  SetSaveCec(false);
  form.save_report = false;
  form.save_plot = false;
  plot_label_ = "File Name (*.DWP)";
}

void MainFormModel::SetSaveCec(bool on) {
  cec.save = on;
  UpdateCumulative();
}

void MainFormModel::SetExcel(bool on) {
  cec.excel = on;
  cec.name = WithCecExtension(cec.name, on);
}

void MainFormModel::SetPercentileBasis(bool percentile) {
  cec.percentile_basis = percentile;
}

void MainFormModel::SetCumulative(bool on) {
  cec.cumulative = on && Visibility().cumulative_enabled;
}

void MainFormModel::UpdateCumulative() {
  if (!Visibility().cumulative_enabled) cec.cumulative = false;
}

Field MainFormModel::Leave(Field field, UserPort& port) {
  switch (field) {
    case Field::None:
      return Field::None;
    case Field::HalfLife:
      return Keep(CheckHalfLifeField(form.half_life, port), field);
    case Field::Iterations:
      return Keep(CheckIterationsField(form.iterations, port), field);
    case Field::Seed:
      return Keep(CheckSeedField(form.seed, port), field);
    case Field::Noel:
      return Keep(CheckNoelField(form.noel, port), field);
    case Field::Arfd:
      return Keep(CheckArfdField(form.arfd, port), field);
    case Field::MinContribution:
      return Keep(CheckMinContributionField(cec.min_contribution, port), field);
    case Field::PrintedRecords:
      return Keep(CheckPrintedRecordsField(cec.printed_records, port), field);
    case Field::LowPercentile:
      return LeaveLowPercentile(port);
    case Field::HighPercentile:
      return Keep(CheckHighPercentileField(cec.high_percentile, cec.low_percentile, port), field);
    case Field::CustomName:
      return Field::None;  // SetCustomName holds the check of these rows
    case Field::BootstrapRounds:
    case Field::BootstrapSeed:
      return Field::None;
    case Field::Comment:
      return Keep(CheckCommentField(form.comment, port), field);
    default:
      return LeaveName(field, port);
  }
}

Field MainFormModel::LeaveName(Field field, UserPort& port) {
  if (field == Field::CecName) {
    const std::string t = TrimBlanks(cec.name);
    if (!CheckNameWithoutPath(NameField::Cec, t, port) || !CheckNameCharacters(t, port))
      return field;
    cec.name = WithCecExtension(t, cec.excel);
    return Field::None;
  }
  std::string* text = &form.report_name;
  NameField kind = NameField::Report;
  std::string extension = ".AC10";
  if (field == Field::PlotName) {
    text = &form.plot_name;
    kind = NameField::Plot;
    extension = form.save_dwloc ? ".DWP" : ".PLT";
  } else if (field == Field::DwlocName) {
    text = &form.dwloc_name;
    kind = NameField::Dwloc;
    extension = ".DWL";
  }
  const auto checked = CheckNameField(kind, *text, extension, port);
  if (!checked) return field;
  *text = *checked;
  return Field::None;
}

Field MainFormModel::LeaveLowPercentile(UserPort& port) {
  if (!CheckLowPercentileField(cec.low_percentile, port)) return Field::LowPercentile;
  cec.low_percentile = PercentileText(PercentileNumber(cec.low_percentile));
  cec.high_choices = HighPercentileChoices(cec.low_percentile);
  const auto& h = cec.high_choices;
  if (std::find(h.begin(), h.end(), cec.high_percentile) == h.end())
    cec.high_percentile = h.empty() ? "" : h.front();
  return Field::None;
}

Field MainFormModel::SetCustomName(int row, const std::string& name, UserPort& port) {
  if (row < 0 || row >= kCustomRows) return Field::None;
  MainForm::Custom& c = form.custom[static_cast<std::size_t>(row)];
  if (TrimBlanks(name).empty() && c.defined) {
    const Answer a =
        port.Show(Message{"Confirmation",
                          "If you leave the name of custom population" + Str(row + 1) +
                              " blank, this custom population will be deleted. Are you sure you "
                              "want to delete this custom population?",
                          Icon::Question, Buttons::YesNo});
    if (a != Answer::Yes) return Field::CustomName;
    c = MainForm::Custom{};
  }
  c.population.name = name;
  return Field::None;
}

bool MainFormModel::ClickCustomIndex(int row, UserPort& port) const {
  if (row < 0 || row >= kCustomRows) return false;
  if (TrimBlanks(form.custom[static_cast<std::size_t>(row)].population.name).empty()) {
    Tell(port, "Warning",
         "You can't define custom subpopulation until you enter a name into the subpopulation "
         "name field.",
         Icon::Information);
    return false;
  }
  if (!form.residue && !form.batch) {  // a batch has read its residue files
    Tell(port, "Warning", "Can't show custom population screen until a residue file is loaded.",
         Icon::Information);
    return false;
  }
  return true;
}

std::string MainFormModel::CustomDialogCaption(int row) const {
  return "Custom Subpopulation: (" + std::to_string(row + 1) + ") " +
         form.custom[static_cast<std::size_t>(row)].population.name;
}

bool MainFormModel::MayOpenResidueFile(UserPort& port) const {
  if (busy) return false;
  if (batch_open || form.residue) {
    Tell(port, "Warning",
         batch_open ? "Can't open new residue file before you close the current batch file."
                    : "Can't open new residue file before you close the current residue file.",
         Icon::Information);
    return false;
  }
  return true;
}

bool MainFormModel::MayOpenBatchFile(UserPort& port) const {
  return !busy && MayOpenBatch(form, port);
}

namespace {

// The last file's name when it has the extension, else the residue folder.
std::string InitialName(const std::string& last, const std::string& ext,
                        const DataSession& session) {
  const bool ours = last.size() >= 3 && ToUpper(last.substr(last.size() - 3)) == ext;
  return ours ? last : (std::filesystem::path(session.setup.ResFolder) / "").string();
}

}  // namespace

FileDialog MainFormModel::ResidueFileDialog(const DataSession& session) const {
  const std::string ext = session.support.ResidueExtension();
  std::string lower = ext;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return {"Open Residue File", "Residue files (*." + ext + ")|*." + ext + ";*." + lower, ext,
          InitialName(last_residue_file_, ext, session)};
}

FileDialog MainFormModel::BatchFileDialog(const DataSession& session) const {
  const std::string ext = session.support.BatchExtension();
  return {"Open New Batch File", "Batch files (*." + ext + ")|*." + ext, ext,
          InitialName(last_batch_file_, ext, session)};
}

void MainFormModel::TakeResidueFile(ResidueData residue) {
  last_residue_file_ = residue.ResFileName;
  form.residue = std::move(residue);
  form.TakeResidueFileFields();
  form.monte_carlo = false;
  rdfs_cumulative = summary_without_chemicals = false;
  cec.cumulative = false;
}

bool MainFormModel::OpenBatch(const Session& session, const std::filesystem::path& file,
                              UserPort& port) {
  if (!MayOpenBatchFile(port)) return false;
  auto batch = session.ReadBatchFile(file, port);
  if (!batch) {
    CloseFile();  // a batch that failed to read leaves nothing open
    return false;
  }
  TakeBatch(std::move(*batch));
  return true;
}

void MainFormModel::TakeBatch(acute::OpenBatch batch) {
  form.comment = batch.file.comment;
  last_batch_file_ = batch.file.BatchFileName;
  form.batch = std::move(batch);
  batch_open = true;
  form.monte_carlo = false;
  cec.save = false;
  UpdateCumulative();
}

bool MainFormModel::OpenResidue(const Session& session, const std::filesystem::path& file,
                                UserPort& port) {
  auto residue = session.ReadResidueFile(file, port);
  if (residue) TakeResidueFile(std::move(*residue));
  return residue.has_value();
}

void MainFormModel::TakeRdfSummary(bool all_cumulative, bool without_chemicals) {
  rdfs_cumulative = all_cumulative;
  if (without_chemicals) summary_without_chemicals = true;
  UpdateCumulative();
}

void MainFormModel::CloseFile() {
  if (busy) return;
  form.residue.reset();
  form.batch.reset();
  form.comment.clear();  // the file's comment, or the batch file's free lines, go with it
  batch_open = false;
  form.monte_carlo = false;
  rdfs_cumulative = summary_without_chemicals = false;
  cec.cumulative = false;
}

void MainFormModel::AnalysisEnded(bool engine_ran, bool completed) {
  busy = false;
  if (completed) completed_a_run = true;
  if (engine_ran && form.dwloc_mode) SetSaveCec(false);
}

bool MainFormModel::Clear(UserPort& port) {
  if (busy) return false;
  const Answer a =
      port.Show(Message{"Confirmation", kClearQuestion, Icon::Question, Buttons::YesNo});
  if (a != Answer::Yes) return false;
  form.monte_carlo = false;
  form.iterations.clear();
  form.seed.clear();
  std::fill(form.standard.begin(), form.standard.end(), false);
  form.custom.assign(kCustomRows, MainForm::Custom{});
  form.noel.clear();
  form.arfd.clear();
  form.comment.clear();
  form.pad = form.save_plot = form.save_report = form.save_dwloc = false;
  form.plot_name.clear();
  form.report_name.clear();
  form.dwloc_name.clear();
  form.per_kg = true;
  form.second_adjustment = false;
  form.bootstrap = BootstrapFrame{};
  cec = CecFrame{};
  cec.high_percentile = "100%";
  return true;
}

}  // namespace acute

namespace acute {

std::string MainFormModel::RunHeading(const MainForm& run) {
  std::string heading;
  if (run.batch && !run.residue)
    heading = "Batch file: " + NamePart(run.batch->file.BatchFileName);
  else if (run.residue)
    heading = "Residue file: " + NamePart(run.residue->ResFileName);
  if (run.monte_carlo && !TrimBlanks(run.iterations).empty())
    heading += "\nMonte Carlo: " + TrimBlanks(run.iterations) + " iterations per person-day";
  return heading;
}

FieldAtFault MainFormModel::RefusalField(const std::string& text) {
  // The first words of each run-start refusal that names a control, and that control.
  static const std::pair<const char*, Field> kStarts[] = {
      {"If you want plot file", Field::PlotName},
      {"If you want Acute report", Field::ReportName},
      {"If you want DWLOC report", Field::DwlocName},
      {"If you want to generate a CEC file", Field::CecName},
      {"You must specify the aRfD", Field::Arfd},
      {"PAD is checked but no PAD", Field::UsePad},
      {"Number of printed CEC records", Field::PrintedRecords},
      {"When generating a CEC file, you must specify a minimum", Field::MinContribution},
      {"High Exposure Amount", Field::HighAmount},
      {"Low Exposure Amount", Field::LowAmount},
      {"In CEC set up, high exposure amount", Field::HighAmount},
      {"In CEC set up, high percentile", Field::HighPercentile},
      {"You must specify number of iterations", Field::Iterations},
      {"You must specify seed number", Field::Seed},
      {"At least one toxicology endpoint", Field::Noel},
      {"At least one standard population", Field::StandardPopulations},
      {"Half Life cannot", Field::HalfLife},
      {"Bootstrap rounds must", Field::BootstrapRounds},
      {"Bootstrap seed must", Field::BootstrapSeed},
  };
  for (const auto& [start, field] : kStarts)
    if (text.rfind(start, 0) == 0) return {field, 0};
  constexpr const char* kCustom = "For custom population (";
  if (text.rfind(kCustom, 0) == 0) {
    const int row = std::atoi(text.c_str() + std::char_traits<char>::length(kCustom)) - 1;
    if (row >= 0 && row < kCustomRows) return {Field::CustomName, row};
  }
  return {};
}

bool MainFormModel::CustomRowDefined(int row) const {
  if (row < 0 || row >= kCustomRows) return false;
  const MainForm::Custom& c = form.custom[static_cast<std::size_t>(row)];
  return c.defined && !TrimBlanks(c.population.name).empty();
}

}  // namespace acute
