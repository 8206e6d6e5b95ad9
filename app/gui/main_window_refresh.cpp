// The main window shows what the model holds.
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

void MainWindow::Refresh() {
  refreshing_ = true;
  const FormVisibility v = model_.Visibility();
  const MainForm& f = model_.form;
  start_hint_->setVisible(v.start_hint);
  for (QWidget* w : std::initializer_list<QWidget*>{parameters_, outputs_, populations_})
    w->setEnabled(v.parameters);
  file_frame_->setTitle(Q(model_.FileFrameCaption()));
  parameters_->setTitle(Q(model_.ParametersCaption()));
  RefreshFile();
  RefreshParameters(v);
  RefreshOutputs(v);
  RefreshCec(v);
  RefreshUncertainty(v);
  for (std::size_t i = 0; i < standard.size(); ++i) standard[i]->setChecked(f.standard[i]);
  for (std::size_t i = 0; i < custom_names.size(); ++i) {
    SetText(custom_names[i], f.custom[i].population.name);
    custom_marks[i]->setVisible(model_.CustomRowDefined(static_cast<int>(i)));
  }
  SetText(comment, f.comment);
  run_menu->setEnabled(v.run);
  show_results->setEnabled(v.run && results_.Available());
  results_button->setEnabled(show_results->isEnabled());
  clear_form->setEnabled(v.clear);
  close_file->setEnabled(v.close);
  open_residue->setEnabled(v.open_file);
  open_batch->setEnabled(v.open_file);
  batch_editor->setEnabled(v.batch_editor);
  exit_program->setEnabled(v.batch_editor);
  refreshing_ = false;
}

void MainWindow::RefreshFile() {
  const FileDetails d = model_.OpenFileDetails();
  chemical_->setText(Q(d.chemical));
  saved_date_->setText(Q(d.date));
  file_name_->setText(Q(d.name));
  working_folder_->setText(Q(d.folder));
}

void MainWindow::RefreshParameters(const FormVisibility& v) {
  const MainForm& f = model_.form;
  daily->setChecked(!f.eating_occasion);
  occasions->setChecked(f.eating_occasion);
  reversal_row_->setVisible(v.reversal);
  reversal->setChecked(f.reversal);
  SetText(half_life, f.half_life);
  hold->setVisible(v.hold_residues);
  hold->setChecked(f.hold_residues);
  second_adjustment->setChecked(f.second_adjustment);
  body_weight->setChecked(f.per_kg);
  tox_row_->setVisible(v.toxicology);
  units_->setText(Q(model_.UnitsLabel()));
  units2_->setText(Q(model_.UnitsLabel()));
  SetText(noel, f.noel);
  SetText(arfd, f.arfd);
  use_pad->setChecked(f.pad);
  two_day->setChecked(f.two_day_average);
  monte_carlo->setVisible(v.monte_carlo_box);
  monte_carlo->setChecked(f.monte_carlo);
  mc_fields_->setVisible(v.monte_carlo_fields);
  SetText(iterations, f.iterations);
  SetText(seed, f.seed);
  mersenne->setChecked(f.mersenne_twister);
  vb->setChecked(!f.mersenne_twister);
}

void MainWindow::RefreshOutputs(const FormVisibility& v) {
  const MainForm& f = model_.form;
  save_report->setVisible(v.report_box);
  save_report->setChecked(f.save_report);
  report_row_->setVisible(v.report_name);
  SetText(report_name, f.report_name);
  save_plot->setVisible(v.plot_box);
  save_plot->setChecked(f.save_plot);
  plot_row_->setVisible(v.plot_name);
  plot_label_->setText(Q(model_.PlotLabel()));
  SetText(plot_name, f.plot_name);
  save_dwloc->setChecked(f.save_dwloc);
  dwloc_row_->setVisible(v.dwloc_name);
  SetText(dwloc_name, f.dwloc_name);
  qa->setChecked(f.qa_listing);
}

void MainWindow::RefreshCec(const FormVisibility& v) {
  const CecFrame& c = model_.cec;
  cec_frame_->setVisible(v.cec_frame);
  cec_frame_->setEnabled(v.cec_enabled);
  save_cec->setChecked(c.save);
  cec_settings_->setVisible(v.cec_settings);
  cec_name_label_->setText(Q(model_.CecNameLabel()));
  SetText(cec_name, c.name);
  SetText(printed_records, c.printed_records);
  SetText(min_contribution, c.min_contribution);
  percentile_basis->setChecked(c.percentile_basis);
  amount_basis->setChecked(!c.percentile_basis);
  low_label_->setText(Q(model_.LowBasisLabel()));
  high_label_->setText(Q(model_.HighBasisLabel()));
  percentile_row_->setVisible(v.percentile_lists);
  amount_row_->setVisible(!v.percentile_lists);
  low_percentile_->setCurrentText(Q(c.low_percentile));
  high_percentile_->clear();
  for (const auto& h : c.high_choices) high_percentile_->addItem(Q(h));
  high_percentile_->setCurrentText(Q(c.high_percentile));
  excel->setChecked(c.excel);
  cumulative->setEnabled(v.cumulative_enabled);
  cumulative->setChecked(c.cumulative);
  suppress->setChecked(c.suppress);
  redo_cec->setVisible(v.redo_cec);
  redo_cec->setEnabled(model_.MayRedoCec());
  if (rdf_summary_ != nullptr) rdf_summary_->setEnabled(v.rdf_summary);
}

}  // namespace acute::gui
