#pragma once
// The progress window of a run: its caption, what runs (the residue file, the iterations),
// the phase, a progress bar and Cancel. Escape and the window's close button ask the same
// question as Cancel (the port asks for confirmation before it sets the cancel flag).
#include <QDialog>

#include "common/progress_report.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace acute::gui {

class ProgressWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent);
  // The run's description above the progress (set before the run starts).
  void SetHeading(const QString& heading);
  // Where the work stands: the caption as the window's title, the status text, and the
  // percent on the bar (busy without one).
  void SetProgress(const ProgressReport& report);
  QString status() const;
  QString heading() const;
  QProgressBar* bar() const { return bar_; }
  QPushButton* cancelButton() const { return cancel_; }

  void reject() override;  // Escape

 Q_SIGNALS:
  void cancelClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* heading_;
  QLabel* status_;
  QProgressBar* bar_;
  QPushButton* cancel_;
};

}  // namespace acute::gui
