#pragma once
// The progress window of a run: its caption, a status line and Cancel (the port asks for
// confirmation before it sets the cancel flag).
#include <QDialog>

class QLabel;
class QPushButton;

namespace acute::gui {

class ProgressWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent);
  void SetText(const QString& caption, const QString& status);
  QString status() const;
  QPushButton* cancelButton() const { return cancel_; }

 Q_SIGNALS:
  void cancelClicked();

 private:
  QLabel* status_;
  QPushButton* cancel_;
};

}  // namespace acute::gui
