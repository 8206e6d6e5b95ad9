#include "main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "batch_editor_window.h"
#include "chart_window.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/version.h"
#include "common/work_file_names.h"
#include "common/work_set_check.h"
#include "custom_dialog.h"
#include "destination_window.h"
#include "engine/pass_file.h"
#include "forms/acute_help.h"
#include "forms/chart_bands.h"
#include "forms/field_checks.h"
#include "forms/input_reports.h"
#include "forms/show_last.h"
#include "gui_port.h"
#include "inputs/residue_reader.h"
#include "pad_window.h"
#include "progress_window.h"
#include "report_specs_window.h"
#include "report_window.h"
#include "results_window.h"
#include "widget_helpers.h"

namespace acute::gui {

MainWindow::MainWindow(DataSession session, QWidget* parent)
    : QMainWindow(parent), session_(std::move(session)), port_(new GuiPort(this)) {
  setWindowTitle(Q(MainFormModel::Caption(kProgramVersion, session_.Data().support.RacFfVersion,
                                          session_.Data().support.DatabaseTitle)));
  model_.SetStandardPopulations(session_.Data().support.StandardPopulationCount());
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  start_hint_ = new QLabel(MainFormModel::kStartHint);
  layout->addWidget(start_hint_);
  layout->addWidget(BuildFileFrame());
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildParameters());
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(BuildOutputs());
  middle->addWidget(BuildCec());
  middle->addStretch();
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addWidget(BuildPopulations(), 1);
  layout->addLayout(columns, 1);
  layout->addWidget(BuildButtons());
  // The window keeps the size the user gives it: what does not fit scrolls.
  auto* scroll = new QScrollArea;
  scroll->setWidget(central);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll);
  BuildMenus();
  Refresh();
  const QSize screen_size = screen()->availableGeometry().size();
  resize(std::min(1280, screen_size.width()), std::min(900, screen_size.height()));
}

MainWindow::~MainWindow() {
  if (worker_ != nullptr) {
    port_->RequestCancel();
    worker_->wait();
  }
}

void MainWindow::BindText(QLineEdit* edit, std::string* text, Field field) {
  connect(edit, &QLineEdit::textEdited, this,
          [text](const QString& t) { *text = t.toStdString(); });
  if (field == Field::None) return;
  fields_[edit] = field;
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::returnPressed, this, [this, edit] { CheckField(edit); });
}

void MainWindow::BindCheck(QCheckBox* box, std::function<void(bool)> set) {
  connect(box, &QCheckBox::clicked, this, [this, set](bool on) {
    set(on);
    Refresh();
  });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      CheckField(static_cast<QLineEdit*>(watched));
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CheckField(QLineEdit* edit) {
  if (checking_ || refreshing_) return;
  checking_ = true;
  Field keep = Field::None;
  const auto custom = std::find(custom_names.begin(), custom_names.end(), edit);
  if (custom != custom_names.end()) {
    const int row = static_cast<int>(custom - custom_names.begin());
    keep = model_.SetCustomName(row, edit->text().toStdString(), *port_);
  } else if (fields_.count(edit) != 0) {
    keep = model_.Leave(fields_[edit], *port_);
  }
  Refresh();
  checking_ = false;
  if (keep != Field::None) QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
}

bool MainWindow::OpenResidueFile(const std::filesystem::path& file) {
  const bool opened = model_.OpenResidue(session_, file, *port_);
  Refresh();
  return opened;
}

void MainWindow::ReadSetupFileAgain() {
  session_.ReadSetupFileAgain(*port_);
}

void MainWindow::ChooseResidueFile() {
  if (!model_.MayOpenResidueFile(*port_)) return;
  ReadSetupFileAgain();  // an edited set-up file takes effect without a restart
  const auto file = port_->OpenFileName(model_.ResidueFileDialog(session_.Data()));
  if (file && !file->empty()) OpenResidueFile(*file);
}

void MainWindow::ChooseBatchFile() {
  if (!model_.MayOpenBatchFile(*port_)) return;
  const auto file = port_->OpenFileName(model_.BatchFileDialog(session_.Data()));
  if (file && !file->empty()) OpenBatchFile(*file);
}

bool MainWindow::OpenBatchFile(const std::filesystem::path& file) {
  const bool opened = model_.OpenBatch(session_, file, *port_);
  Refresh();
  return opened;
}

void MainWindow::ShowInputReport(ReportKind kind) {
  std::optional<PreparedReport> prepared;
  if (kind == ReportKind::Batch)
    prepared = PrepareBatchReport(model_.form, session_.Data(), *port_);
  if (kind == ReportKind::Residue)
    prepared = PrepareResidueReport(model_.form, session_.Data(), *port_, date_);
  if (kind == ReportKind::Rdf) {
    bool unusable = false;
    prepared = PrepareRdfSummary(model_.form, session_.Data(), *port_, &unusable);
    if (prepared) model_.TakeRdfSummary(prepared->rdfs_cumulative, prepared->rdf_without_chemicals);
    if (unusable) model_.CloseFile();  // distribution files that cannot be used close the file
    Refresh();
  }
  if (prepared) SendReportFile(kind, prepared->file);
}

void MainWindow::CloseFile() {
  if (!model_.Visibility().close) return;
  model_.CloseFile();
  Refresh();
}

void MainWindow::SetFixedClock(const std::string& date, const std::string& time) {
  date_ = date;
  time_ = time;
}

void MainWindow::StartAnalysis(bool dwloc) {
  if (model_.busy) return;
  model_.form.dwloc_mode = dwloc;
  const MainForm form = model_.RunForm();
  last_run_ = form;
  redoing_ = false;
  results_.AnalysisStarted();
  results_note->clear();
  port_->progress()->SetHeading(Q(MainFormModel::RunHeading(form)));
  rdfs_unusable_ = false;
  RunOnWorker([this, form] {
    return LaunchAnalysis(form, session_.Data(), *port_, date_, time_, &rdfs_unusable_);
  });
}

void MainWindow::RedoCec() {
  if (!model_.MayRedoCec()) return;
  const MainForm form = model_.RunForm();
  redoing_ = true;
  port_->progress()->SetHeading(Q(MainFormModel::RunHeading(form)));
  RunOnWorker([this, form] { return RedoLastCec(form, session_.Data(), *port_); });
}

void MainWindow::RunOnWorker(std::function<std::optional<EngineOutcome>()> run) {
  model_.busy = true;
  Refresh();  // what cannot act during the run is disabled
  port_->ForgetLastMessage();
  port_->ResetCancel();
  port_->progress()->cancelButton()->setEnabled(true);
  outcome_.reset();
  worker_ = QThread::create([this, run = std::move(run)] {
    std::optional<EngineOutcome> outcome;
    try {
      outcome = run();
    } catch (const ProgramEnds&) {
      program_ended_ = true;  // its message has been shown; the program ends
    } catch (const RunEnds&) {
      // Its message has been shown.
    } catch (const std::exception& e) {
      port_->Show(Message{"Error", e.what(), Icon::Critical, Buttons::Ok});
    }
    QMetaObject::invokeMethod(
        this, [this, outcome] { Finished(outcome); }, Qt::QueuedConnection);
  });
  worker_->start();
}

void MainWindow::Finished(std::optional<EngineOutcome> outcome) {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  port_->progress()->hide();
  if (program_ended_) {
    QCoreApplication::exit(1);
    return;
  }
  outcome_ = std::move(outcome);
  const bool completed = outcome_ && outcome_->completed;
  if (!redoing_) results_.AnalysisEnded(outcome_);
  if (!redoing_) results_note->setText(completed && results_.Available() ? kResultsOffer : "");
  // Distribution files that cannot be used close the residue file, as File, Close does.
  if (rdfs_unusable_ && !redoing_) model_.CloseFile();
  if (redoing_)
    model_.busy = false;
  else
    model_.AnalysisEnded(outcome_.has_value(), completed);
  Refresh();
  if (!outcome_) FocusRefusedField();
  if (completed && outcome_->timer_seed) {
    const TimerSeed& t = *outcome_->timer_seed;
    const std::string text =
        t.repeatable ? "Seed 0 took the timer value " + std::to_string(t.seed) + ": enter " +
                           std::to_string(t.seed) + " as the seed to repeat this run."
                     : "Seed 0 took the timer value " + std::to_string(t.timer) +
                           ". A run seeded from the timer cannot be repeated; enter a seed from "
                           "1 to 32000 for one that can.";
    port_->Show(Message{"Monte Carlo seed", text, Icon::Information, Buttons::Ok});
  }
  Q_EMIT runFinished(completed);
}

void MainWindow::FocusRefusedField() {
  const auto& message = port_->lastMessage();
  if (!message) return;
  QWidget* widget = WidgetOf(MainFormModel::RefusalField(message->text));
  if (widget != nullptr && widget->isVisible() && widget->isEnabled())
    widget->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::WidgetOf(FieldAtFault fault) const {
  for (const auto& [edit, field] : fields_)
    if (field == fault.field) return edit;
  switch (fault.field) {
    case Field::LowAmount:
      return low_amount_;
    case Field::HighAmount:
      return high_amount_;
    case Field::HighPercentile:
      return high_percentile_;
    case Field::LowPercentile:
      return low_percentile_;
    case Field::StandardPopulations:
      return standard.empty() ? nullptr : standard.front();
    case Field::UsePad:
      return use_pad;
    case Field::CustomName:
      return custom_names[static_cast<std::size_t>(fault.row)];
    default:
      return nullptr;
  }
}

void MainWindow::OpenCustomDialog(int row) {
  if (row < 0 || row >= MainFormModel::kCustomRows) return;
  const QString name = custom_names[static_cast<std::size_t>(row)]->text();
  if (model_.SetCustomName(row, name.toStdString(), *port_) != Field::None) return;
  if (!model_.ClickCustomIndex(row, *port_)) return;
  CustomDialog dialog(Q(model_.CustomDialogCaption(row)), session_.Data().support.DatabaseKind,
                      model_.form.custom[static_cast<std::size_t>(row)], *port_, this);
  dialog.exec();
  Refresh();  // the row's mark of a complete definition
}

void MainWindow::OpenPadDialog() {
  const PassFileLayout layout{session_.Data().support.DatabaseKind,
                              session_.Data().support.StandardPopulationCount()};
  PadWindow window(PadDialog(session_.Data().support.PopulationNames, layout.FirstPadPopulation(),
                             model_.form.standard_pad),
                   model_.form.standard_pad, *port_, this);
  window.exec();
}

void MainWindow::ShowLast(const std::string& key) {
  const auto& all = LastReportFiles();
  const auto last = std::find_if(all.begin(), all.end(),
                                 [&key](const LastReportFile& l) { return l.key == key; });
  if (last == all.end()) return;
  ShowLastFile(*last);
}

void MainWindow::ShowLastFile(const LastReportFile& last) {
  const auto file = FindLastReport(session_.WorkFolder(), last, *port_);
  if (file) SendReportFile(last.kind, *file);
}

bool MainWindow::SendReportFile(ReportKind kind, const std::filesystem::path& file) {
  ReportDestinationDialog model(kind, last_save_name_, session_.DataFolder());
  DestinationWindow window(model, *port_, this);
  window.exec();
  if (!model.IsOpen() && model.Choice() == Destination::DiskFile) ReadSetupFileAgain();
  last_save_name_ = model.SaveName();
  const bool printing = !model.IsOpen() && model.Choice() == Destination::Printer;
  printer_hint_->setVisible(printing);  // the printer hint while the report prints
  if (printing) QApplication::processEvents();
  const bool sent = SendChosen(model, file, *port_);
  printer_hint_->hide();
  return sent;
}

void MainWindow::ShowResults() {
  if (model_.busy || !results_.Available()) return;
  ResultsWindow window(ResultsTable(results_.Reports()), *port_, this);
  window.exec();
}

void MainWindow::ShowChart() {
  if (results_.Available()) {  // this session's run: its own figures, not its plot file
    const ReportFigures& last = results_.Reports().back();
    ChartData data = ChartDataOf(last);
    if (results_.Bootstrap()) AddBootstrapBands(data, *results_.Bootstrap());
    ShowChartOf(std::move(data), last.context.PerKg());
    return;
  }
  const MainForm& run = last_run_ ? *last_run_ : model_.form;
  const bool dwloc = last_run_ && last_run_->dwloc_mode;
  const std::string name = dwloc ? kDwlocPlotFileName : kAcutePlotFileName;
  const auto file = FindFile(session_.WorkFolder() / name);
  if (file) {
    const std::string fault = FileFault(ReadWorkSetState(session_.WorkFolder()), name, *file);
    if (!fault.empty()) {
      port_->Show(Message{"Show Last Chart", fault, Icon::Exclamation, Buttons::Ok});
      return;
    }
  }
  const double arfd = FieldNumber(run.arfd).value_or(0);
  auto data = file ? ReadChartData(*file, dwloc, arfd) : std::nullopt;
  if (!data) {
    port_->Show(Message{"Show Last Chart",
                        "There is no last run in the current directory to chart.",
                        Icon::Information, Buttons::Ok});
    return;
  }
  ShowChartOf(std::move(*data), run.per_kg);
}

void MainWindow::ShowChartOf(ChartData data, bool per_kg) {
  if (!data.dwloc)
    data.x_title = std::string("Exposure (") + (per_kg ? "mg/kg bw/day" : "mg/day") + ")";
  ChartWindow window(std::move(data), this);
  window.exec();
}

void MainWindow::OpenReportSpecs() {
  ReportSpecsWindow window(session_.DataFolder() / kReportSpecsFileName, *port_, this);
  window.exec();
}

void MainWindow::OpenBatchEditor() {
  if (model_.busy) return;
  ReadSetupFileAgain();
  BatchEditor editor(session_.Data().support.ResidueExtension(),
                     session_.Data().support.BatchExtension(), session_.Data().setup.ResFolder);
  BatchEditorWindow window(editor, *port_, this);
  window.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (model_.busy)
    event->ignore();
  else
    event->accept();
}

}  // namespace acute::gui
