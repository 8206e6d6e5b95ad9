#pragma once
// The batch file editor's window, bound to BatchEditor: the documentation and entry boxes,
// the File menu, Help and Cancel. The boxes take no keys or clicks while no file is open.
#include <QDialog>

#include "forms/batch_editor.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace acute::gui {

class BatchEditorWindow : public QDialog {
  Q_OBJECT
 public:
  BatchEditorWindow(BatchEditor& model, UserPort& port, QWidget* parent);

  QPlainTextEdit *doc, *file_list;
  QPushButton* cancel;
  QLabel* file_name;

  void NewFile();
  void OpenExisting();
  void Save();
  void SaveAs();
  void CloseFile();
  void Exit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;  // closing the window is Exit

 private:
  void Refresh();

  BatchEditor& model_;
  UserPort& port_;
  bool refreshing_ = false;
};

}  // namespace acute::gui
