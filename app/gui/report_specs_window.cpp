#include "report_specs_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace acute::gui {

ReportSpecsWindow::ReportSpecsWindow(std::filesystem::path file, UserPort& port, QWidget* parent)
    : QDialog(parent), file_(std::move(file)), port_(port) {
  setWindowTitle(ReportSpecsDialog::kCaption);
  model_.Load(file_, port_);
  users_ = new QCheckBox("Report User Distribution");
  per_capita_ = new QCheckBox("Report Per Capita Distribution ");
  headers_ = new QCheckBox("Header and page numbers on report ");
  exact_ = new QCheckBox("Exact percentiles table");
  spec_min_ = new QCheckBox("Specify Minimum Percent Contribution in CEC Report (0-50%)");
  min_perc_ = new QLineEdit;
  min_perc_->setMaximumWidth(80);
  auto* summary = new QGroupBox("Select 3 Percentiles for Exposure Summary");
  auto* sl = new QHBoxLayout(summary);
  const char* captions[] = {"90%", "95%", "97.5%", "99%", "99.5%", "99.75", "99.9%"};
  for (int i = 0; i < kSummaryChoiceCount; ++i) {
    sum_[static_cast<std::size_t>(i)] = new QCheckBox(captions[i]);
    sl->addWidget(sum_[static_cast<std::size_t>(i)]);
    connect(sum_[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] {
      model_.ClickSumPerc(i, port_);
      Refresh();
    });
  }
  auto* note = new QLabel(QString::fromStdString(ReportSpecsDialog::NoteText()));
  note->setWordWrap(true);
  auto* save = new QPushButton("Save/Exit");
  auto* cancel = new QPushButton("Cancel");
  auto* help = new QPushButton("More Info");
  connect(users_, &QCheckBox::clicked, this, [this](bool on) { model_.users = on; });
  connect(per_capita_, &QCheckBox::clicked, this, [this](bool on) { model_.per_capita = on; });
  connect(headers_, &QCheckBox::clicked, this, [this](bool on) { model_.header_all = on; });
  connect(exact_, &QCheckBox::clicked, this, [this](bool on) { model_.exact = on; });
  connect(spec_min_, &QCheckBox::clicked, this, [this](bool on) {
    model_.SetSpecMinPerc(on);
    Refresh();
  });
  connect(min_perc_, &QLineEdit::textEdited, this,
          [this](const QString& t) { model_.min_perc_text = t.toStdString(); });
  connect(save, &QPushButton::clicked, this, [this] {
    if (model_.Save(file_, port_)) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { model_.ShowHelp(port_); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{users_, per_capita_, headers_, exact_, summary})
    layout->addWidget(w);
  auto* min_row = new QHBoxLayout;
  min_row->addWidget(spec_min_);
  min_row->addWidget(min_perc_);
  min_row->addStretch();
  layout->addLayout(min_row);
  layout->addWidget(note);
  layout->addLayout(buttons);
  setMinimumWidth(560);
  // The note keeps the height of all its lines at the narrowest width.
  note->setMinimumHeight(note->heightForWidth(560 - 2 * layout->contentsMargins().left()));
  Refresh();
}

void ReportSpecsWindow::Refresh() {
  users_->setChecked(model_.users);
  per_capita_->setChecked(model_.per_capita);
  headers_->setChecked(model_.header_all);
  exact_->setChecked(model_.exact);
  spec_min_->setChecked(model_.spec_min_perc);
  min_perc_->setVisible(model_.min_perc_visible);
  min_perc_->setText(QString::fromStdString(model_.min_perc_text));
  for (std::size_t i = 0; i < sum_.size(); ++i) sum_[i]->setChecked(model_.sum_perc[i]);
}

}  // namespace acute::gui
