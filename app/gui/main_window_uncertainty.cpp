// The main window's "Uncertainty analysis" frame: bootstrap rounds after the main run, their
// seed and what each round resamples.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "forms/bootstrap_frame.h"
#include "main_window.h"
#include "widget_helpers.h"

namespace acute::gui {

QWidget* MainWindow::BuildUncertainty() {
  uncertainty_ = new QGroupBox(kBootstrapTitle);
  bootstrap_rounds = Edit(60);
  bootstrap_rounds->setToolTip(
      "Rounds after the main run, each on a resampled survey and residues (0: none)");
  bootstrap_seed = Edit(60);
  bootstrap_seed->setPlaceholderText("timer");
  bootstrap_seed->setToolTip("The seed of the rounds' draws; blank or 0 takes the timer's");
  resample_survey = new QCheckBox("Survey persons");
  resample_survey->setToolTip("Each round draws the survey's persons again, with replacement");
  resample_residues = new QCheckBox("Residue samples");
  resample_residues->setToolTip(
      "Each round draws the samples of every residue distribution file again (Monte Carlo)");
  auto* g = new QGridLayout(uncertainty_);
  g->addWidget(new QLabel("Bootstrap rounds"), 0, 0);
  g->addWidget(bootstrap_rounds, 0, 1);
  g->addWidget(new QLabel("Resample:"), 0, 3);
  g->addWidget(resample_survey, 0, 4);
  g->addWidget(new QLabel("Seed"), 1, 0);
  g->addWidget(bootstrap_seed, 1, 1);
  g->addWidget(resample_residues, 1, 4);
  g->setColumnMinimumWidth(2, 12);
  g->setColumnStretch(5, 1);
  BindText(bootstrap_rounds, &model_.form.bootstrap.rounds, Field::BootstrapRounds);
  BindText(bootstrap_seed, &model_.form.bootstrap.seed, Field::BootstrapSeed);
  BindCheck(resample_survey, [this](bool on) { model_.form.bootstrap.survey = on; });
  BindCheck(resample_residues, [this](bool on) { model_.form.bootstrap.residues = on; });
  return uncertainty_;
}

void MainWindow::RefreshUncertainty(const FormVisibility& v) {
  const BootstrapFrame& b = model_.form.bootstrap;
  uncertainty_->setEnabled(v.bootstrap_enabled);
  SetText(bootstrap_rounds, b.rounds);
  SetText(bootstrap_seed, b.seed);
  resample_survey->setChecked(b.survey);
  resample_residues->setChecked(b.residues);
}

}  // namespace acute::gui
