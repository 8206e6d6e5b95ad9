#include "results_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widget_helpers.h"

namespace acute::gui {
namespace {

void SetItems(QComboBox* box, const std::vector<std::string>& names) {
  box->clear();
  for (const std::string& name : names) box->addItem(Q(name));
}

QString SummaryHtml(const std::vector<ResultsLine>& lines) {
  QString html = "<table cellspacing='0' cellpadding='2'>";
  for (const ResultsLine& line : lines)
    html += "<tr><td>" + Q(line.label).toHtmlEscaped() + ":&nbsp;&nbsp;</td><td><b>" +
            Q(line.value).toHtmlEscaped() + "</b></td></tr>";
  return html + "</table>";
}

QTableWidgetItem* ItemOf(const ResultsCell& cell, bool label) {
  auto* item = new QTableWidgetItem(Q(cell.text));
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setTextAlignment(Qt::AlignVCenter | (label ? Qt::AlignLeft : Qt::AlignRight));
  if (cell.value) item->setData(Qt::UserRole, *cell.value);
  return item;
}

}  // namespace

ResultsWindow::ResultsWindow(ResultsTable table, UserPort& port, QWidget* parent)
    : QDialog(parent),
      model_(std::move(table)),
      port_(port),
      entries_(new QComboBox),
      populations_(new QComboBox),
      entry_label_(new QLabel("&Entry:")),
      title_(new QLabel),
      summary_(new QLabel),
      table_(new QTableWidget) {
  setWindowTitle("Results");
  QFont big = title_->font();
  big.setPointSizeF(big.pointSizeF() * 1.25);
  big.setBold(true);
  title_->setFont(big);
  title_->setWordWrap(true);
  summary_->setTextFormat(Qt::RichText);
  table_->verticalHeader()->hide();
  // Every level shows at once: compact rows, the columns sharing the width.
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildChoosers());
  layout->addWidget(title_);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addLayout(BuildButtons());
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  copy->setContext(Qt::WindowShortcut);
  connect(copy, &QShortcut::activated, this, &ResultsWindow::Copy);
  SetItems(entries_, model_.EntryNames());
  SetItems(populations_, model_.PopulationNames());
  Fill();
  resize(1100, 620);
}

QLayout* ResultsWindow::BuildChoosers() {
  auto* row = new QHBoxLayout;
  auto* population_label = new QLabel("&Population:");
  entry_label_->setBuddy(entries_);
  population_label->setBuddy(populations_);
  entries_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  populations_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  entry_label_->setVisible(model_.HasEntryChoice());
  entries_->setVisible(model_.HasEntryChoice());
  row->addWidget(entry_label_);
  row->addWidget(entries_);
  row->addWidget(population_label);
  row->addWidget(populations_);
  row->addStretch();
  connect(entries_, &QComboBox::currentIndexChanged, this, &ResultsWindow::ShowEntry);
  connect(populations_, &QComboBox::currentIndexChanged, this, &ResultsWindow::ShowPopulation);
  return row;
}

QLayout* ResultsWindow::BuildButtons() {
  auto* row = new QHBoxLayout;
  auto* copy = new QPushButton("C&opy");
  copy->setToolTip("Copy the table as tab-separated text (Ctrl+C)");
  auto* csv = new QPushButton("&Save as CSV...");
  auto* close = new QPushButton("&Close");
  close->setDefault(true);
  connect(copy, &QPushButton::clicked, this, &ResultsWindow::Copy);
  connect(csv, &QPushButton::clicked, this, &ResultsWindow::SaveCsv);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(copy);
  row->addWidget(csv);
  row->addStretch();
  row->addWidget(close);
  return row;
}

void ResultsWindow::ShowEntry(int entry) {
  if (filling_ || entry < 0) return;
  model_.ChooseEntry(static_cast<std::size_t>(entry));
  filling_ = true;
  SetItems(populations_, model_.PopulationNames());
  filling_ = false;
  Fill();
}

void ResultsWindow::ShowPopulation(int population) {
  if (filling_ || population < 0) return;
  model_.ChoosePopulation(static_cast<std::size_t>(population));
  Fill();
}

void ResultsWindow::Fill() {
  title_->setText(Q(model_.Title()));
  summary_->setText(SummaryHtml(model_.Summary()));
  const auto headings = model_.Headings("\n");
  const auto rows = model_.Rows();
  table_->clear();
  table_->setColumnCount(static_cast<int>(headings.size()));
  table_->setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& h : headings) labels << Q(h);
  table_->setHorizontalHeaderLabels(labels);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      table_->setItem(static_cast<int>(r), static_cast<int>(c), ItemOf(rows[r][c], c == 0));
}

void ResultsWindow::Copy() {
  QApplication::clipboard()->setText(Q(model_.CopyText()));
}

void ResultsWindow::SaveCsv() {
  SaveResultsCsv(model_, port_);
}

}  // namespace acute::gui
