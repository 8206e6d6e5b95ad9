#pragma once
// Small helpers shared by the main window's files.
#include <QHBoxLayout>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <string>

namespace acute::gui {

inline QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The text of a line edit, set only when it differs (so the cursor stays where it is).
inline void SetText(QLineEdit* e, const std::string& s) {
  if (e->text() != Q(s)) e->setText(Q(s));
}

// The widgets side by side, left-aligned.
inline QWidget* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch();
  return row;
}

// The widget keeps its place in the layout while hidden, so that showing it moves nothing.
inline void KeepSpaceWhenHidden(QWidget* w) {
  QSizePolicy policy = w->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  w->setSizePolicy(policy);
}

// A line edit at least `width` pixels wide.
inline QLineEdit* Edit(int width) {
  auto* e = new QLineEdit;
  e->setMinimumWidth(width);
  e->setMaximumWidth(width * 2);
  return e;
}

}  // namespace acute::gui
