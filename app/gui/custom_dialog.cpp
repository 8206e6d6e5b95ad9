#include "custom_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace acute::gui {
namespace {

using Unit = CustomPopulationDialog::Unit;

std::vector<QCheckBox*> Boxes(QGroupBox* frame, std::initializer_list<const char*> captions) {
  auto* layout = new QVBoxLayout(frame);
  std::vector<QCheckBox*> boxes;
  for (const char* c : captions) {
    boxes.push_back(new QCheckBox(c, frame));
    layout->addWidget(boxes.back());
  }
  layout->addStretch();
  return boxes;
}

}  // namespace

CustomDialog::CustomDialog(const QString& caption, int database_kind, MainForm::Custom& target,
                           UserPort& port, QWidget* parent)
    : QDialog(parent), model_(database_kind), target_(target), port_(port) {
  setWindowTitle(caption);
  setModal(true);
  if (target.defined) model_.Show(target.population);
  Build();
  Bind();
  Refresh();
}

void CustomDialog::Build() {
  auto* seasons_frame = new QGroupBox("Seasons", this);
  seasons = Boxes(seasons_frame, {"All Seasons", "Spring", "Summer", "Fall", "Winter"});
  auto* regions_frame = new QGroupBox("Regions", this);
  regions = Boxes(regions_frame, {"All regions", "NorthEast", "NorthCentral", "South", "West"});
  auto* sex_frame = new QGroupBox("Sex", this);
  auto sex = Boxes(sex_frame, {"Male", "Female"});
  male = sex[0];
  female = sex[1];
  auto* status_frame = new QGroupBox("Pregnant/Nursing Status (Female)", this);
  auto status = Boxes(status_frame, {"All ", "Lactating", "Pregnant", "Not Pregnant/Not Nursing"});
  female_all = status[0];
  lactating = status[1];
  pregnant = status[2];
  not_pregnant = status[3];
  auto* race_frame = new QGroupBox("Race", this);
  races = Boxes(race_frame,
                {"All Races", "Hispanic", "NonHispanic White", "NonHispanic Black", "Other"});
  auto* infants_frame = new QGroupBox("Nursing Status (<=3 years)", this);
  infants = Boxes(infants_frame, {"Nursing and Non-Nursing", "Non-Nursing ", "Nursing"});

  auto* age_frame = new QGroupBox("Age", this);
  auto* age = new QGridLayout(age_frame);
  age_all = new QCheckBox("All Ages", age_frame);
  age_low = new QLineEdit(age_frame);
  age_high = new QLineEdit(age_frame);
  months_low = new QRadioButton("months", age_frame);
  years_low = new QRadioButton("years", age_frame);
  months_high = new QRadioButton("months", age_frame);
  years_high = new QRadioButton("years", age_frame);
  auto* low_units = new QButtonGroup(this);
  low_units->addButton(months_low);
  low_units->addButton(years_low);
  auto* high_units = new QButtonGroup(this);
  high_units->addButton(months_high);
  high_units->addButton(years_high);
  age->addWidget(age_all, 0, 0, 1, 4);
  age->addWidget(new QLabel("from", age_frame), 1, 0);
  age->addWidget(age_low, 1, 1);
  age->addWidget(months_low, 1, 2);
  age->addWidget(years_low, 1, 3);
  age->addWidget(new QLabel("to", age_frame), 2, 0);
  age->addWidget(age_high, 2, 1);
  age->addWidget(months_high, 2, 2);
  age->addWidget(years_high, 2, 3);

  auto* pad_frame = new QGroupBox("aPAD", this);
  auto* pad_row = new QHBoxLayout(pad_frame);
  pad = new QLineEdit(pad_frame);
  pad_row->addWidget(pad);
  pad_row->addWidget(new QLabel("mg\\kg-bw-day", pad_frame));

  auto* grid = new QGridLayout;
  grid->addWidget(seasons_frame, 0, 0);
  grid->addWidget(regions_frame, 0, 1);
  grid->addWidget(race_frame, 0, 2);
  grid->addWidget(sex_frame, 1, 0);
  grid->addWidget(status_frame, 1, 1);
  grid->addWidget(infants_frame, 1, 2);
  grid->addWidget(age_frame, 2, 0, 1, 2);
  grid->addWidget(pad_frame, 2, 2);
  seasons_frame->setEnabled(model_.seasons_enabled);
  regions_frame->setEnabled(model_.regions_enabled);

  auto* nhanes = new QLabel(CustomPopulationDialog::kNhanesNote, this);
  nhanes->setVisible(model_.nhanes_note_visible);
  auto* note = new QLabel(QString::fromStdString(CustomPopulationDialog::StandingNote()), this);
  note->setWordWrap(true);
  auto* complete = new QPushButton("Definition Complete", this);
  auto* cancel = new QPushButton("Cancel", this);
  auto* help = new QPushButton("Help", this);
  connect(complete, &QPushButton::clicked, this, &CustomDialog::Complete);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { CustomPopulationDialog::ShowHelp(port_); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(complete);
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(nhanes);
  layout->addWidget(note);
  layout->addLayout(buttons);
}

void CustomDialog::Bind() {
  const auto group = [this](std::vector<QCheckBox*>& boxes, auto click) {
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
      connect(boxes[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
              [this, i, click](bool on) {
                (model_.*click)(i, on);
                Refresh();
              });
  };
  group(seasons, &CustomPopulationDialog::ClickSeason);
  group(regions, &CustomPopulationDialog::ClickRegion);
  group(races, &CustomPopulationDialog::ClickRace);
  group(infants, &CustomPopulationDialog::ClickInfants);
  const auto on_click = [this](QCheckBox* box, auto action) {
    connect(box, &QCheckBox::clicked, this, [this, action](bool on) {
      action(on);
      Refresh();
    });
  };
  on_click(male, [this](bool on) { model_.male = on; });
  on_click(female, [this](bool on) { model_.ClickFemale(on); });
  on_click(female_all, [this](bool on) { model_.ClickFemaleAll(on); });
  on_click(not_pregnant, [this](bool on) { model_.ClickStatus(0, on); });
  on_click(pregnant, [this](bool on) { model_.ClickStatus(1, on); });
  on_click(lactating, [this](bool on) { model_.ClickStatus(2, on); });
  on_click(age_all, [this](bool on) { model_.ClickAgeAll(on); });
  const auto unit = [this](QRadioButton* b, Unit CustomPopulationDialog::*end, Unit u) {
    connect(b, &QRadioButton::clicked, this, [this, end, u] { model_.*end = u; });
  };
  unit(months_low, &CustomPopulationDialog::unit_low, Unit::Months);
  unit(years_low, &CustomPopulationDialog::unit_low, Unit::Years);
  unit(months_high, &CustomPopulationDialog::unit_high, Unit::Months);
  unit(years_high, &CustomPopulationDialog::unit_high, Unit::Years);
  const auto age_text = [this](QLineEdit* e, bool high) {
    connect(e, &QLineEdit::textEdited, this, [this, e, high](const QString& t) {
      model_.SetAgeText(high, t.toStdString());
      const QString kept = QString::fromStdString(high ? model_.age_high : model_.age_low);
      if (kept != t && t != "-" && t != "." && t != "+") e->setText(kept);
    });
  };
  age_text(age_low, false);
  age_text(age_high, true);
  connect(pad, &QLineEdit::textEdited, this,
          [this](const QString& t) { model_.pad_text = t.toStdString(); });
}

void CustomDialog::Refresh() {
  const auto show = [](std::vector<QCheckBox*>& boxes, const auto& values) {
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setChecked(values[i]);
  };
  show(seasons, model_.seasons);
  show(regions, model_.regions);
  show(races, model_.races);
  show(infants, model_.infants);
  male->setChecked(model_.male);
  female->setChecked(model_.female);
  female_all->setChecked(model_.female_all);
  not_pregnant->setChecked(model_.not_pregnant_not_nursing);
  pregnant->setChecked(model_.pregnant);
  lactating->setChecked(model_.nursing);
  age_all->setChecked(model_.age_all);
  for (QWidget* w : std::initializer_list<QWidget*>{age_low, age_high, months_low, years_low,
                                                    months_high, years_high})
    w->setEnabled(model_.ages_enabled);
  age_low->setText(QString::fromStdString(model_.age_low));
  age_high->setText(QString::fromStdString(model_.age_high));
  months_low->setChecked(model_.unit_low == Unit::Months);
  years_low->setChecked(model_.unit_low == Unit::Years);
  months_high->setChecked(model_.unit_high == Unit::Months);
  years_high->setChecked(model_.unit_high == Unit::Years);
  pad->setText(QString::fromStdString(model_.pad_text));
}

void CustomDialog::Complete() {
  if (model_.Complete(target_, port_)) accept();
}

}  // namespace acute::gui
