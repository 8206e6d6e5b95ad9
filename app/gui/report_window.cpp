#include "report_window.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace acute::gui {
namespace {

const QString kPageMark = QString(80, QChar(0x2500));

}  // namespace

QFont ReportWindow::ReportFont() {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  return font;
}

ReportWindow::ReportWindow(const QString& title, QWidget* parent)
    : QDialog(parent), view_(new QPlainTextEdit(this)) {
  setWindowTitle(title);
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setFont(ReportFont());
  resize(700, 680);
  auto* print = new QPushButton("&Print...", this);
  auto* pdf = new QPushButton("Save as P&DF...", this);
  auto* close = new QPushButton("&Close", this);
  connect(print, &QPushButton::clicked, this, &ReportWindow::Print);
  connect(pdf, &QPushButton::clicked, this, &ReportWindow::AskPdf);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
}

QStringList ReportWindow::Pages(const QString& text) {
  QString t = text;
  t.remove('\r');
  QStringList pages = t.split('\f');
  for (QString& p : pages) {
    if (p.startsWith('\n')) p.remove(0, 1);
    while (p.endsWith('\n')) p.chop(1);
  }
  while (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

bool ReportWindow::Load(const std::filesystem::path& file) {
  QFile f(QString::fromStdString(file.string()));
  if (!f.open(QIODevice::ReadOnly)) return false;
  SetText(QString::fromLatin1(f.readAll()));
  return true;
}

void ReportWindow::SetText(const QString& text) {
  pages_ = Pages(text);
  view_->setPlainText(pages_.join("\n" + kPageMark + "\n"));
  int columns = 80;
  for (const QString& page : pages_)
    for (const QString& line : page.split('\n'))
      columns = std::max(columns, static_cast<int>(line.size()));
  const int text_width =
      QFontMetrics(view_->font()).horizontalAdvance(QString(std::min(columns, 160) + 2, 'M'));
  resize(text_width + view_->verticalScrollBar()->sizeHint().width() + 40, height());
}

void ReportWindow::PaintPages(QPrinter& printer, const QStringList& pages) {
  int columns = 80;
  int rows = 1;
  for (const QString& p : pages) {
    const QStringList lines = p.split('\n');
    rows = std::max(rows, static_cast<int>(lines.size()));
    for (const QString& l : lines) columns = std::max(columns, static_cast<int>(l.size()));
  }
  QPainter painter(&printer);
  const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
  QFont font = ReportFont();
  font.setPointSizeF(10);
  const QFontMetricsF m(font, &printer);
  const double scale = std::min(area.width() / (m.horizontalAdvance('M') * columns),
                                area.height() / (m.lineSpacing() * rows));
  font.setPointSizeF(10 * std::min(scale, 1.2));
  painter.setFont(font);
  const QFontMetricsF fm(font, &printer);
  for (int i = 0; i < pages.size(); ++i) {
    if (i > 0) printer.newPage();
    double y = fm.ascent();
    for (const QString& line : pages[i].split('\n')) {
      painter.drawText(QPointF(0, y), line);
      y += fm.lineSpacing();
    }
  }
}

bool ReportWindow::SaveAsPdf(const QString& file) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  PaintPages(printer, pages_);
  return QFile::exists(file);
}

void ReportWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PaintPages(printer, pages_);
}

void ReportWindow::AskPdf() {
  const QString file =
      QFileDialog::getSaveFileName(this, "Save as PDF", QString(), "PDF files (*.pdf)");
  if (file.isEmpty()) return;
  if (!SaveAsPdf(file.endsWith(".pdf", Qt::CaseInsensitive) ? file : file + ".pdf"))
    QMessageBox::warning(this, "Save as PDF", "Can't write " + file + ".");
}

}  // namespace acute::gui
