#pragma once
// The custom subpopulation dialog's window, bound to the CustomPopulationDialog model.
#include <QDialog>
#include <array>
#include <vector>

#include "forms/custom_population_dialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace acute::gui {

class CustomDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows `target`'s definition when it has one; "Definition Complete" stores into it.
  CustomDialog(const QString& caption, int database_kind, MainForm::Custom& target, UserPort& port,
               QWidget* parent);

  CustomPopulationDialog& model() { return model_; }
  // Re-reads every box from the model (after a click rule changed others).
  void Refresh();
  // "Definition Complete".
  void Complete();

  // The boxes, by frame, for tests and screenshots.
  std::vector<QCheckBox*> seasons, regions, races, infants;
  QCheckBox *male, *female, *female_all, *not_pregnant, *pregnant, *lactating, *age_all;
  QLineEdit *age_low, *age_high, *pad;
  QRadioButton *months_low, *years_low, *months_high, *years_high;

 private:
  void Build();
  void Bind();

  CustomPopulationDialog model_;
  MainForm::Custom& target_;
  UserPort& port_;
  bool refreshing_ = false;
};

}  // namespace acute::gui
