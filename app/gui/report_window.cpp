#include "report_window.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
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
  // A cursor that the keys move: Home, End, Ctrl+Home, Ctrl+End, Page Up and Page Down.
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setFont(ReportFont());
  resize(700, 680);
  find_ = new QLineEdit(this);
  find_->setPlaceholderText("Find (Ctrl+F)");
  find_->setClearButtonEnabled(true);
  find_result_ = new QLabel(this);
  auto* find_next = new QPushButton("Find &Next", this);
  connect(find_, &QLineEdit::returnPressed, this, &ReportWindow::FindNext);
  connect(find_next, &QPushButton::clicked, this, &ReportWindow::FindNext);
  auto* find_key = new QShortcut(QKeySequence::Find, this);
  connect(find_key, &QShortcut::activated, this, [this] {
    find_->setFocus();
    find_->selectAll();
  });
  auto* next_key = new QShortcut(QKeySequence::FindNext, this);
  connect(next_key, &QShortcut::activated, this, &ReportWindow::FindNext);
  auto* print = new QPushButton("&Print...", this);
  auto* preview = new QPushButton("Print Pre&view...", this);
  auto* pdf = new QPushButton("Save as P&DF...", this);
  auto* close = new QPushButton("&Close", this);
  connect(print, &QPushButton::clicked, this, &ReportWindow::Print);
  connect(preview, &QPushButton::clicked, this, &ReportWindow::Preview);
  connect(pdf, &QPushButton::clicked, this, &ReportWindow::AskPdf);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(find_, 1);
  buttons->addWidget(find_next);
  buttons->addWidget(find_result_);
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(preview);
  buttons->addWidget(pdf);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  view_->setFocus();
}

bool ReportWindow::FindNext() {
  const QString text = find_->text();
  if (text.isEmpty()) return false;
  bool found = view_->find(text);
  if (!found) {  // from the top again
    view_->moveCursor(QTextCursor::Start);
    found = view_->find(text);
  }
  find_result_->setText(found ? QString() : "Not found");
  return found;
}

QString ReportWindow::ProposedPdfName() const {
  QString name = windowTitle().simplified();
  name.replace(QRegularExpression("[^A-Za-z0-9._-]+"), "-");
  name.remove(QRegularExpression("^[-.]+|[-.]+$"));
  return (name.isEmpty() ? QString("report") : name) + ".pdf";
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

void ReportWindow::Preview() {
  QPrintPreviewDialog dialog(this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PaintPages(*printer, pages_); });
  dialog.exec();
}

void ReportWindow::AskPdf() {
  QString file =
      QFileDialog::getSaveFileName(this, "Save as PDF", ProposedPdfName(), "PDF files (*.pdf)");
  if (file.isEmpty()) return;
  if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
  if (SaveAsPdf(file))
    QMessageBox::information(this, "Save as PDF", "Report saved as file " + file);
  else
    QMessageBox::warning(this, "Save as PDF", "Can't write " + file + ".");
}

}  // namespace acute::gui
