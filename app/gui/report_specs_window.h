#pragma once
// The report specifications dialog's window, bound to the ReportSpecsDialog model.
#include <QDialog>
#include <array>
#include <filesystem>

#include "forms/report_specs_dialog.h"

class QCheckBox;
class QLineEdit;

namespace acute::gui {

class ReportSpecsWindow : public QDialog {
  Q_OBJECT
 public:
  ReportSpecsWindow(std::filesystem::path file, UserPort& port, QWidget* parent);

 private:
  void Refresh();

  ReportSpecsDialog model_;
  std::filesystem::path file_;
  UserPort& port_;
  QCheckBox *users_, *per_capita_, *headers_, *exact_, *spec_min_;
  QLineEdit* min_perc_;
  std::array<QCheckBox*, kSummaryChoiceCount> sum_{};
};

}  // namespace acute::gui
