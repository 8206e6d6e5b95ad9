#pragma once
// The PAD dialog's window, bound to the PadDialog model: one row per standard population
// with a PAD, Up/Down/Enter as the model moves the focus, Clear, and Exit/Save (also when
// the window is closed).
#include <QDialog>
#include <vector>

#include "forms/pad_dialog.h"

class QLineEdit;

namespace acute::gui {

class PadWindow : public QDialog {
  Q_OBJECT
 public:
  PadWindow(PadDialog model, StandardPads& pads, UserPort& port, QWidget* parent);
  const std::vector<QLineEdit*>& boxes() const { return boxes_; }
  void Save();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;  // closing the window saves too

 private:
  void Refresh();

  PadDialog model_;
  StandardPads& pads_;
  UserPort& port_;
  std::vector<QLineEdit*> boxes_;
  bool saved_ = false;
};

}  // namespace acute::gui
