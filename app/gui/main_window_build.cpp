// The main window's frames, controls and menus, and what each control does.
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
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart_window.h"
#include "common/errors.h"
#include "common/file_names.h"
#include "common/version.h"
#include "custom_dialog.h"
#include "engine/pass_file.h"
#include "forms/acute_help.h"
#include "forms/field_checks.h"
#include "forms/show_last.h"
#include "gui_port.h"
#include "inputs/residue_reader.h"
#include "main_window.h"
#include "pad_window.h"
#include "progress_window.h"
#include "report_specs_window.h"
#include "report_window.h"
#include "widget_helpers.h"

namespace acute::gui {

QWidget* MainWindow::BuildFileFrame() {
  file_frame_ = new QGroupBox("Residue file");
  auto* grid = new QGridLayout(file_frame_);
  chemical_ = new QLabel;
  saved_date_ = new QLabel;
  file_name_ = new QLabel;
  working_folder_ = new QLabel;
  const std::pair<const char*, QLabel*> rows[] = {{"Chemical Name:", chemical_},
                                                  {"Date last saved:", saved_date_},
                                                  {"Filename:", file_name_},
                                                  {"Working Folder:", working_folder_}};
  int r = 0;
  for (const auto& [caption, value] : rows) {
    grid->addWidget(new QLabel(caption), r / 2, (r % 2) * 2);
    grid->addWidget(value, r / 2, (r % 2) * 2 + 1);
    ++r;
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return file_frame_;
}

QWidget* MainWindow::BuildParameters() {
  parameters_ = new QGroupBox("Analysis parameters");
  auto* v = new QVBoxLayout(parameters_);
  auto* foods = new QGroupBox("Foods/Foodforms");
  daily = new QRadioButton("Daily Total ");
  occasions = new QRadioButton("Eating Occasion");
  auto* fl = new QHBoxLayout(foods);
  fl->addWidget(daily);
  fl->addWidget(occasions);
  v->addWidget(foods);
  reversal = new QCheckBox("Residue Reversal");
  half_life = Edit(50);
  reversal_row_ = Row({reversal, new QLabel("Half Life (hrs):"), half_life});
  KeepSpaceWhenHidden(reversal_row_);
  v->addWidget(reversal_row_);
  second_adjustment = new QCheckBox("Use second adjustment factor");
  body_weight = new QCheckBox("Divide by body weight");
  v->addWidget(second_adjustment);
  v->addWidget(body_weight);
  noel = Edit(70);
  arfd = Edit(70);
  units_ = new QLabel;
  units2_ = new QLabel;
  use_pad = new QCheckBox("Use PAD");
  edit_pads_ = new QPushButton("Edit PA&Ds");
  tox_row_ = new QWidget;
  auto* tox = new QGridLayout(tox_row_);
  tox->setContentsMargins(0, 0, 0, 0);
  tox->addWidget(new QLabel("Toxicology endpoints:"), 0, 0, 1, 3);
  tox->addWidget(new QLabel("NOEL"), 1, 0);
  tox->addWidget(noel, 1, 1);
  tox->addWidget(units_, 1, 2);
  tox->addWidget(new QLabel("aRfD"), 2, 0);
  tox->addWidget(arfd, 2, 1);
  tox->addWidget(units2_, 2, 2);
  tox->addWidget(Row({use_pad, edit_pads_}), 3, 0, 1, 3);
  v->addWidget(tox_row_);
  KeepSpaceWhenHidden(tox_row_);
  two_day = new QCheckBox("Two Day Average");
  v->addWidget(two_day);
  monte_carlo = new QCheckBox("Monte Carlo Analysis");
  v->addWidget(monte_carlo);
  iterations = Edit(60);
  seed = Edit(60);
  hold = new QCheckBox("Hold daily res amount constant");
  rng_frame_ = new QGroupBox("Random Number Generator");
  mersenne = new QRadioButton("Mersenne Twister");
  vb = new QRadioButton("Microsoft VB");
  auto* rl = new QVBoxLayout(rng_frame_);
  rl->addWidget(mersenne);
  rl->addWidget(vb);
  mc_fields_ = new QWidget;
  auto* mc = new QGridLayout(mc_fields_);
  mc->setContentsMargins(16, 0, 0, 0);
  mc->addWidget(new QLabel("Iterations  (1-5000)"), 0, 0);
  mc->addWidget(iterations, 0, 1);
  mc->addWidget(new QLabel("Seed (0-32000)"), 1, 0);
  mc->addWidget(seed, 1, 1);
  mc->addWidget(rng_frame_, 2, 0, 1, 2);
  v->addWidget(mc_fields_);
  v->addWidget(hold);
  for (QWidget* w : std::initializer_list<QWidget*>{monte_carlo, mc_fields_, hold})
    KeepSpaceWhenHidden(w);
  v->addStretch();

  connect(daily, &QRadioButton::clicked, this, [this] {
    model_.SetEatingOccasion(false);
    Refresh();
  });
  connect(occasions, &QRadioButton::clicked, this, [this] {
    model_.SetEatingOccasion(true);
    Refresh();
  });
  connect(mersenne, &QRadioButton::clicked, this, [this] { model_.form.mersenne_twister = true; });
  connect(vb, &QRadioButton::clicked, this, [this] { model_.form.mersenne_twister = false; });
  BindCheck(reversal, [this](bool on) { model_.form.reversal = on; });
  BindCheck(hold, [this](bool on) { model_.form.hold_residues = on; });
  BindCheck(second_adjustment, [this](bool on) { model_.form.second_adjustment = on; });
  BindCheck(body_weight, [this](bool on) { model_.SetBodyWeight(on); });
  BindCheck(use_pad, [this](bool on) { model_.form.pad = on; });
  BindCheck(two_day, [this](bool on) { model_.form.two_day_average = on; });
  connect(monte_carlo, &QCheckBox::clicked, this, [this](bool on) {
    const Field focus = model_.SetMonteCarlo(on);
    Refresh();
    if (focus == Field::Iterations) iterations->setFocus();
  });
  connect(edit_pads_, &QPushButton::clicked, this, &MainWindow::OpenPadDialog);
  BindText(half_life, &model_.form.half_life, Field::HalfLife);
  BindText(iterations, &model_.form.iterations, Field::Iterations);
  BindText(seed, &model_.form.seed, Field::Seed);
  BindText(noel, &model_.form.noel, Field::Noel);
  BindText(arfd, &model_.form.arfd, Field::Arfd);
  return parameters_;
}

QWidget* MainWindow::BuildOutputs() {
  outputs_ = new QGroupBox("Output files");
  auto* v = new QVBoxLayout(outputs_);
  save_report = new QCheckBox("Save Acute Rpt");
  report_name = Edit(120);
  report_row_ = Row({new QLabel("File Name (*.AC10)"), report_name});
  save_plot = new QCheckBox("Save Plot File");
  plot_name = Edit(120);
  plot_label_ = new QLabel;
  plot_row_ = Row({plot_label_, plot_name});
  save_dwloc = new QCheckBox("Save DWLOC Rpt");
  dwloc_name = Edit(120);
  qa = new QCheckBox("QA DWLOC");
  dwloc_row_ = Row({new QLabel("File Name (*.DWL)"), dwloc_name});
  for (QWidget* w : std::initializer_list<QWidget*>{save_report, report_row_, save_plot, plot_row_,
                                                    save_dwloc, dwloc_row_, qa}) {
    v->addWidget(w);
    KeepSpaceWhenHidden(w);
  }
  BindCheck(save_report, [this](bool on) { model_.SetSaveReport(on); });
  BindCheck(save_plot, [this](bool on) { model_.form.save_plot = on; });
  BindCheck(save_dwloc, [this](bool on) { model_.SetSaveDwloc(on); });
  BindCheck(qa, [this](bool on) { model_.form.qa_listing = on; });
  BindText(report_name, &model_.form.report_name, Field::ReportName);
  BindText(plot_name, &model_.form.plot_name, Field::PlotName);
  BindText(dwloc_name, &model_.form.dwloc_name, Field::DwlocName);
  return outputs_;
}

QWidget* MainWindow::BuildCec() {
  cec_frame_ = new QGroupBox("CEC File Generator");
  auto* v = new QVBoxLayout(cec_frame_);
  save_cec = new QCheckBox("Save CEC File");
  v->addWidget(save_cec);
  cec_settings_ = new QWidget;
  auto* g = new QGridLayout(cec_settings_);
  g->setContentsMargins(0, 0, 0, 0);
  cec_name_label_ = new QLabel;
  cec_name = Edit(120);
  printed_records = Edit(60);
  min_contribution = Edit(60);
  auto* nrec = new QLabel("Max number of printed records (1-40000)");
  auto* minp = new QLabel("Minimum  Individual  Exposure Contribution by Food  (%, 1-50) :");
  minp->setWordWrap(true);
  g->addWidget(cec_name_label_, 0, 0);
  g->addWidget(cec_name, 0, 1);
  g->addWidget(nrec, 1, 0);
  g->addWidget(printed_records, 1, 1);
  g->addWidget(minp, 2, 0);
  g->addWidget(min_contribution, 2, 1);
  auto* basis = new QGroupBox("CEC Boundary Basis:");
  percentile_basis = new QRadioButton("Percentile Amounts");
  amount_basis = new QRadioButton("Exposure Amounts");
  auto* bl = new QHBoxLayout(basis);
  bl->addWidget(percentile_basis);
  bl->addWidget(amount_basis);
  g->addWidget(basis, 3, 0, 1, 2);
  low_label_ = new QLabel;
  high_label_ = new QLabel;
  low_percentile_ = new QComboBox;
  low_percentile_->setEditable(true);
  for (const char* p : {"95%", "96%", "97%", "97.5%", "98%", "99%", "99.5%", "99.9%"})
    low_percentile_->addItem(p);
  high_percentile_ = new QComboBox;
  low_amount_ = Edit(70);
  high_amount_ = Edit(70);
  percentile_row_ = Row({low_percentile_, high_percentile_});
  amount_row_ = Row({low_amount_, high_amount_});
  g->addWidget(Row({low_label_, high_label_}), 4, 0, 1, 2);
  g->addWidget(percentile_row_, 5, 0, 1, 2);
  g->addWidget(amount_row_, 6, 0, 1, 2);
  excel = new QCheckBox("Excel Format");
  cumulative = new QCheckBox("Cumulative CEC");
  suppress = new QCheckBox("Suppress CEC warning");
  auto* cumulative_help = new QPushButton("Cumul. CEC Help");
  connect(cumulative_help, &QPushButton::clicked, this, [this] { ShowCumulativeHelp(*port_); });
  g->addWidget(Row({excel, cumulative}), 7, 0, 1, 2);
  g->addWidget(Row({suppress, cumulative_help}), 8, 0, 1, 2);
  redo_cec = new QPushButton("Red&o Last CEC ");
  KeepSpaceWhenHidden(redo_cec);
  connect(redo_cec, &QPushButton::clicked, this, &MainWindow::RedoCec);
  g->addWidget(Row({redo_cec}), 9, 0, 1, 2);
  v->addWidget(cec_settings_);
  KeepSpaceWhenHidden(cec_settings_);
  KeepSpaceWhenHidden(cec_frame_);
  BindCheck(save_cec, [this](bool on) { model_.SetSaveCec(on); });
  BindCheck(excel, [this](bool on) { model_.SetExcel(on); });
  BindCheck(cumulative, [this](bool on) { model_.SetCumulative(on); });
  BindCheck(suppress, [this](bool on) { model_.cec.suppress = on; });
  connect(percentile_basis, &QRadioButton::clicked, this, [this] {
    model_.SetPercentileBasis(true);
    Refresh();
  });
  connect(amount_basis, &QRadioButton::clicked, this, [this] {
    model_.SetPercentileBasis(false);
    Refresh();
  });
  connect(low_percentile_, &QComboBox::textActivated, this, [this](const QString& t) {
    model_.cec.low_percentile = t.toStdString();
    model_.Leave(Field::LowPercentile, *port_);
    Refresh();
  });
  connect(high_percentile_, &QComboBox::textActivated, this, [this](const QString& t) {
    model_.cec.high_percentile = t.toStdString();
    if (model_.Leave(Field::HighPercentile, *port_) != Field::None) high_percentile_->setFocus();
  });
  BindText(cec_name, &model_.cec.name, Field::CecName);
  BindText(printed_records, &model_.cec.printed_records, Field::PrintedRecords);
  BindText(min_contribution, &model_.cec.min_contribution, Field::MinContribution);
  BindText(low_amount_, &model_.cec.low_amount, Field::None);
  BindText(high_amount_, &model_.cec.high_amount, Field::None);
  return cec_frame_;
}

QWidget* MainWindow::BuildPopulations() {
  auto* box = new QWidget;
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(0, 0, 0, 0);
  populations_ = new QGroupBox("Standard Populations ");
  auto* list = new QWidget;
  auto* lv = new QVBoxLayout(list);
  for (int p = 1; p <= session_.Data().support.StandardPopulationCount(); ++p) {
    auto* check =
        new QCheckBox(Q(session_.Data().support.PopulationNames[static_cast<std::size_t>(p)]));
    lv->addWidget(check);
    standard.push_back(check);
    connect(check, &QCheckBox::clicked, this,
            [this, p](bool on) { model_.form.standard[static_cast<std::size_t>(p - 1)] = on; });
  }
  auto* scroll = new QScrollArea;
  scroll->setWidget(list);
  scroll->setWidgetResizable(true);
  scroll->setMinimumWidth(list->sizeHint().width() + 24);
  lv->setSpacing(2);
  lv->addStretch();
  // At least eight rows show however small the window; the list takes the height left over.
  const int row_height = standard.empty() ? 20 : standard.front()->sizeHint().height() + 2;
  scroll->setMinimumHeight(8 * row_height + 8);
  // Its preferred height is no more than that, so that the frames below it never make the
  // window scroll while the list can give up rows.
  scroll->setSizePolicy(scroll->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
  auto* pl = new QVBoxLayout(populations_);
  pl->addWidget(scroll);
  v->addWidget(populations_, 1);
  auto* custom = new QGroupBox("Custom Subpopulations (Enter name, then click on number to open)");
  auto* cg = new QGridLayout(custom);
  // Two columns of three rows; each row's index is a button that opens its definition.
  const int rows = (MainFormModel::kCustomRows + 1) / 2;
  for (int row = 0; row < MainFormModel::kCustomRows; ++row) {
    auto* index = new QPushButton(QString("(%1)").arg(row + 1));
    index->setMaximumWidth(44);
    index->setToolTip("Define the demographics of this custom population");
    auto* name = new QLineEdit;
    auto* mark = new QLabel("defined");
    mark->setToolTip("This custom population has a complete definition");
    KeepSpaceWhenHidden(mark);
    const int column = (row / rows) * 3;
    cg->addWidget(index, row % rows, column);
    cg->addWidget(name, row % rows, column + 1);
    cg->addWidget(mark, row % rows, column + 2);
    custom_index.push_back(index);
    custom_names.push_back(name);
    custom_marks.push_back(mark);
    connect(index, &QPushButton::clicked, this, [this, row] { OpenCustomDialog(row); });
    name->installEventFilter(this);
    connect(name, &QLineEdit::returnPressed, this, [this, name] { CheckField(name); });
  }
  v->addWidget(custom);
  v->addWidget(BuildUncertainty());
  auto* comment_frame = new QGroupBox("Run Comment");
  comment = new QLineEdit;
  auto* cl = new QVBoxLayout(comment_frame);
  cl->addWidget(comment);
  v->addWidget(comment_frame);
  BindText(comment, &model_.form.comment, Field::Comment);
  return box;
}

QWidget* MainWindow::BuildButtons() {
  auto* box = new QWidget;
  auto* g = new QGridLayout(box);
  g->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> buttons[] = {
      {"Show Last &Acute Report", "last-report"},
      {"Show Last Acute &Plot File", "last-plot"},
      {"Show Last &CEC Report", "last-cec"},
      {"Show Last DW&LOC Report", "last-dwloc"},
      {"Show Last D&WLOC Plot File", "last-dwloc-plot"}};
  constexpr int kColumns = 5;
  int i = 0;
  for (const auto& [caption, key] : buttons) {
    auto* b = new QPushButton(caption);
    g->addWidget(b, i / kColumns, i % kColumns);
    connect(b, &QPushButton::clicked, this, [this, k = std::string(key)] { ShowLast(k); });
    ++i;
  }
  const std::pair<const char*, ReportKind> inputs[] = {{"Show &Batch File", ReportKind::Batch},
                                                       {"Show RDF S&ummary", ReportKind::Rdf},
                                                       {"Show R&esidue File", ReportKind::Residue}};
  for (const auto& [caption, kind] : inputs) {
    auto* b = new QPushButton(caption);
    if (kind == ReportKind::Rdf) rdf_summary_ = b;
    g->addWidget(b, i / kColumns, i % kColumns);
    connect(b, &QPushButton::clicked, this, [this, k = kind] { ShowInputReport(k); });
    ++i;
  }
  auto* chart = new QPushButton("Show Last Char&t");
  g->addWidget(chart, i / kColumns, i % kColumns);
  ++i;
  connect(chart, &QPushButton::clicked, this, &MainWindow::ShowChart);
  printer_hint_ = new QLabel(
      "  If printer error message is displayed with              'parameter is incorrect' the "
      "printer is probably       off line.    Please correct and try again.              Ignore "
      "'Report sent to printer' message.           ");
  printer_hint_->setWordWrap(true);
  printer_hint_->hide();
  g->addWidget(printer_hint_, 2, 0, 1, kColumns);
  clear_form = new QPushButton("Clear For&m");
  g->addWidget(clear_form, i / kColumns, i % kColumns);
  connect(clear_form, &QPushButton::clicked, this, [this] {
    if (model_.Clear(*port_)) Refresh();
  });
  return box;
}

// In the menu bar's corner, so that nothing moves when it changes: the Show Results button,
// enabled once an analysis has completed, and the note that offers it after the run.
QWidget* MainWindow::BuildResultsOffer() {
  auto* corner = new QWidget;
  auto* row = new QHBoxLayout(corner);
  row->setContentsMargins(0, 0, 6, 0);
  results_note = new QLabel;
  results_button = new QToolButton;
  results_button->setText("Show Results");
  results_button->setToolTip("The percentiles of the last analysis, per population (Ctrl+R)");
  results_button->setEnabled(false);
  connect(results_button, &QToolButton::clicked, this, &MainWindow::ShowResults);
  row->addWidget(results_note);
  row->addWidget(results_button);
  return corner;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  open_residue = file->addAction("Open &Residue File...", this, &MainWindow::ChooseResidueFile);
  open_residue->setShortcut(QKeySequence::Open);
  open_batch = file->addAction("Open &Batch File...", this, &MainWindow::ChooseBatchFile);
  close_file = file->addAction("&Close", this, &MainWindow::CloseFile);
  batch_editor = file->addAction("Create/&Edit Batch Files...", this, &MainWindow::OpenBatchEditor);
  file->addSeparator();
  exit_program = file->addAction("E&xit", this, [this] {
    if (!model_.busy) close();
  });
  exit_program->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  run_menu = menuBar()->addMenu("&Run Analysis");
  run_menu->addAction("&Acute Analysis", this, [this] { StartAnalysis(false); });
  run_menu->addAction("&DWLOC Analysis", this, [this] { StartAnalysis(true); });
  run_menu->addSeparator();
  show_results = run_menu->addAction("Show &Results", this, &MainWindow::ShowResults);
  show_results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  menuBar()->setCornerWidget(BuildResultsOffer(), Qt::TopRightCorner);
  menuBar()->addAction("&Set Report Specs", this, &MainWindow::OpenReportSpecs);
  QMenu* help = menuBar()->addMenu("&Help");
  QAction* acute_help = help->addAction("&Acute Help", this,
                                        [this] { ShowAcuteHelp(*port_, session_.Data().support); });
  acute_help->setShortcut(QKeySequence::HelpContents);
}

}  // namespace acute::gui
