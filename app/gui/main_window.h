#pragma once
// The main form's window, bound to MainFormModel: every control writes into the model,
// every click rule and field check is the model's, and Refresh() shows what the model says.
// An analysis runs on a worker thread; the window stays responsive and the progress window
// offers Cancel.
#include <QMainWindow>
#include <QThread>
#include <atomic>
#include <filesystem>
#include <map>
#include <optional>

#include "forms/chart_model.h"
#include "forms/main_form_model.h"
#include "forms/run_results.h"
#include "forms/show_last.h"
#include "inputs/data_session.h"
#include "run/analysis_driver.h"
#include "run/session.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace acute::gui {

class GuiPort;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(DataSession session, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainFormModel& model() { return model_; }
  GuiPort& port() { return *port_; }
  const DataSession& session() const { return session_.Data(); }

  // File, Open Residue File with the file chosen.
  bool OpenResidueFile(const std::filesystem::path& file);
  // File, Open Residue File: the guard, the open dialog, then the file.
  void ChooseResidueFile();
  // File, Open Batch File with the file chosen.
  bool OpenBatchFile(const std::filesystem::path& file);
  // File, Open Batch File: the guard, the open dialog, then the batch.
  void ChooseBatchFile();
  void CloseFile();
  // The set-up file, read again where the program reads it again (Open Residue File, the
  // batch editor, saving a report), so that an edit takes effect without a restart.
  void ReadSetupFileAgain();
  // Show Residue File, Show RDF Summary, Show Batch File: the report written, then sent
  // through the destination dialog.
  void ShowInputReport(ReportKind kind);
  // "&Acute Analysis" / "&DWLOC Analysis": checks, pass file and engine on a worker thread.
  void StartAnalysis(bool dwloc);
  // "Red&o Last CEC ": the CEC report of the last run rebuilt for the frame's window.
  void RedoCec();
  bool busy() const { return model_.busy; }
  const std::optional<EngineOutcome>& lastOutcome() const { return outcome_; }
  // Report headers get this date and time instead of the clock's (tests).
  void SetFixedClock(const std::string& date, const std::string& time);

  // The windows a click opens; each returns when its window is closed.
  void OpenCustomDialog(int row);
  void OpenPadDialog();
  // A Show Last button by the command line's name of its file ("last-report", "last-cec"...).
  void ShowLast(const std::string& key);
  void OpenReportSpecs();
  // File, Create/Edit Batch Files (nothing while a run is on).
  void OpenBatchEditor();
  // The report destination dialog for a report of this kind, then the report sent where the
  // user chose (nothing when the dialog was cancelled or closed).
  bool SendReportFile(ReportKind kind, const std::filesystem::path& file);
  // "Show Last Chart": the chart of the last run (or of the data folder's last plot file).
  void ShowChart();
  // "Show Results": the Results window of the session's last completed analysis.
  void ShowResults();
  const RunResults& results() const { return results_; }

  // Re-reads every control from the model.
  void Refresh();

  // Controls, for tests and screenshots.
  QLineEdit *half_life, *iterations, *seed, *noel, *arfd, *report_name, *plot_name, *dwloc_name,
      *cec_name, *printed_records, *min_contribution, *comment, *bootstrap_rounds, *bootstrap_seed;
  QCheckBox *reversal, *hold, *second_adjustment, *body_weight, *use_pad, *two_day, *monte_carlo,
      *save_report, *save_plot, *save_dwloc, *qa, *save_cec, *excel, *cumulative, *suppress,
      *resample_survey, *resample_residues;
  QRadioButton *daily, *occasions, *mersenne, *vb, *percentile_basis, *amount_basis;
  std::vector<QCheckBox*> standard;
  std::vector<QLineEdit*> custom_names;
  std::vector<QPushButton*> custom_index;
  std::vector<QLabel*> custom_marks;  // "defined" beside a row with a complete definition
  QPushButton *clear_form, *redo_cec;
  QAction *open_residue, *open_batch, *close_file, *batch_editor, *exit_program, *show_results;
  QToolButton* results_button;  // Show Results in the menu bar's corner
  QLabel* results_note;         // its offer once an analysis has completed
  QMenu* run_menu;

 Q_SIGNALS:
  void runFinished(bool completed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildFileFrame();
  QWidget* BuildParameters();
  QWidget* BuildOutputs();
  QWidget* BuildCec();
  QWidget* BuildPopulations();
  QWidget* BuildUncertainty();
  QWidget* BuildButtons();
  QWidget* BuildResultsOffer();
  void BuildMenus();
  void BindText(QLineEdit* edit, std::string* text, Field field);
  void BindCheck(QCheckBox* box, std::function<void(bool)> set);
  void CheckField(QLineEdit* edit);
  void RefreshFile();
  void RefreshParameters(const FormVisibility& v);
  void RefreshOutputs(const FormVisibility& v);
  void RefreshCec(const FormVisibility& v);
  void RefreshUncertainty(const FormVisibility& v);
  void Finished(std::optional<EngineOutcome> outcome);
  void RunOnWorker(std::function<std::optional<EngineOutcome>()> run);
  void ShowLastFile(const LastReportFile& last);
  // The chart window, its exposure axis in the run's units.
  void ShowChartOf(ChartData data, bool per_kg);
  // The focus goes to the control that the run start's refusal named.
  void FocusRefusedField();
  QWidget* WidgetOf(FieldAtFault field) const;

  std::atomic<bool> program_ended_{false};  // a run ended the program (its message shown)
  Session session_;
  MainFormModel model_;
  GuiPort* port_;
  QThread* worker_ = nullptr;
  std::optional<EngineOutcome> outcome_;
  std::optional<MainForm> last_run_;  // the form as the last run started
  RunResults results_;
  std::string date_, time_;
  std::string last_save_name_;  // the destination dialog's save file name, the next default
  std::map<QLineEdit*, Field> fields_;
  bool checking_ = false;
  bool refreshing_ = false;
  bool redoing_ = false;  // the run on the worker is Redo Last CEC

  QLabel *start_hint_, *chemical_, *saved_date_, *file_name_, *working_folder_, *units_, *units2_,
      *plot_label_, *cec_name_label_, *low_label_, *high_label_, *printer_hint_;
  QGroupBox *file_frame_, *parameters_, *outputs_, *cec_frame_, *populations_, *rng_frame_,
      *uncertainty_;
  QWidget *tox_row_, *mc_fields_, *reversal_row_, *cec_settings_, *report_row_, *plot_row_,
      *dwloc_row_, *amount_row_, *percentile_row_;
  QComboBox *low_percentile_, *high_percentile_;
  QLineEdit *low_amount_, *high_amount_;
  QPushButton *edit_pads_, *rdf_summary_ = nullptr;
  bool rdfs_unusable_ = false;  // set by a run on the worker, read once it has ended
};

}  // namespace acute::gui
