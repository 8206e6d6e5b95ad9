#pragma once
// The Results window, bound to ResultsTable: a chooser of the batch entry and of the
// population, the population's summary, its table of percentiles, Copy (Ctrl+C) and Save as
// CSV.
#include <QDialog>

#include "common/user_port.h"
#include "forms/results_table.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace acute::gui {

class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  ResultsWindow(ResultsTable table, UserPort& port, QWidget* parent);

  const ResultsTable& model() const { return model_; }
  QTableWidget* table() const { return table_; }
  QComboBox* entries() const { return entries_; }
  QComboBox* populations() const { return populations_; }
  QLabel* summary() const { return summary_; }

  // The whole table to the clipboard as tab-separated text.
  void Copy();
  // The save dialog, then the table as CSV.
  void SaveCsv();

 private:
  QLayout* BuildChoosers();
  QLayout* BuildButtons();
  void ShowEntry(int entry);
  void ShowPopulation(int population);
  void Fill();

  ResultsTable model_;
  UserPort& port_;
  QComboBox *entries_, *populations_;
  QLabel *entry_label_, *title_, *summary_;
  QTableWidget* table_;
  bool filling_ = false;
};

}  // namespace acute::gui
