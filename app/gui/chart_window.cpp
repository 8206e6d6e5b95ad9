#include "chart_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

namespace acute::gui {
namespace {

constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                    Qt::DashDotDotLine};
const QColor kColours[] = {QColor("#1f77b4"), QColor("#d62728"), QColor("#2ca02c"),
                           QColor("#9467bd"), QColor("#ff7f0e"), QColor("#8c564b")};

template <typename Series>
Series* Attached(QChart* chart, Series* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  return series;
}

// A curve's band: the polygon along its low bounds down the percent axis and back up its
// high bounds, shaded in the curve's colour. The note below the chart names its level.
QAreaSeries* Band(const ChartCurve& c, const QColor& colour) {
  auto* low = new QLineSeries;
  auto* high = new QLineSeries;
  for (std::size_t k = 0; k < c.band_tail.size(); ++k) {
    low->append(c.band_low[k], c.band_tail[k]);
    high->append(c.band_high[k], c.band_tail[k]);
  }
  auto* band = new QAreaSeries(low, high);
  QColor fill = colour;
  fill.setAlphaF(0.18);
  band->setBrush(fill);
  QColor edge = colour;
  edge.setAlphaF(0.35);
  band->setPen(QPen(edge, 1));
  return band;
}

}  // namespace

ChartWindow::ChartWindow(ChartData data, QWidget* parent)
    : QDialog(parent), data_(std::move(data)), view_(new QChartView(this)) {
  setWindowTitle(QString::fromStdString(data_.title));
  auto* chart = new QChart;
  chart->setTitle(QString::fromStdString(data_.title).toHtmlEscaped());
  auto* x = new QLogValueAxis;
  x->setBase(10);
  x->setLabelFormat("%g");
  x->setTitleText(QString::fromStdString(data_.x_title) + " (log scale)");
  auto* y = new QLogValueAxis;
  y->setBase(10);
  y->setRange(kTailBottom, kTailTop);
  y->setLabelFormat("%g%%");
  y->setTitleText(QString::fromStdString(data_.y_title) + " (log scale)");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  double lo = 1e30, hi = 0;
  for (std::size_t j = 0; j < data_.curves.size(); ++j) {  // under every curve
    const ChartCurve& c = data_.curves[j];
    if (c.band_tail.empty()) continue;
    QAreaSeries* band = Band(c, kColours[j % std::size(kColours)]);
    Attached(chart, band, x, y);
    for (QLegendMarker* m : chart->legend()->markers(band)) m->setVisible(false);
    for (double v : c.band_low) lo = std::min(lo, v);
    for (double v : c.band_high) hi = std::max(hi, v);
  }
  std::map<double, QColor> doses;  // one line per dose
  for (std::size_t j = 0; j < data_.curves.size(); ++j) {
    const ChartCurve& c = data_.curves[j];
    const QColor colour = kColours[j % std::size(kColours)];
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(c.name).toHtmlEscaped());
    QPen pen(colour);
    pen.setStyle(kStyles[j % std::size(kStyles)]);
    pen.setWidthF(2);
    series->setPen(pen);
    const std::vector<double> tail = c.Tail();
    for (std::size_t k = 0; k < c.x.size(); ++k)  // the log axis shows the tail from 50%
      if (tail[k] >= kTailBottom / 2) series->append(c.x[k], std::min(tail[k], 100.0));
    Attached(chart, series, x, y);
    auto* marks = new QScatterSeries;
    marks->setColor(colour);
    marks->setMarkerSize(9);
    for (std::size_t i = 0; i < std::size(kMarkedTails); ++i)
      if (const double at = c.Marked(i); at > 0) marks->append(at, kMarkedTails[i]);
    Attached(chart, marks, x, y);
    chart->legend()->markers(marks).front()->setVisible(false);
    for (double v : c.x) lo = std::min(lo, v), hi = std::max(hi, v);
    if (c.reference > 0) doses.emplace(c.reference, colour);
  }
  for (const auto& [dose, colour] : doses) {
    auto* line = new QLineSeries;
    line->setName(QString::fromStdString(data_.ReferenceLabel(dose)).toHtmlEscaped());
    line->append(dose, kTailBottom);
    line->append(dose, kTailTop);
    QPen pen(colour.darker(160));
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(1.5);
    line->setPen(pen);
    Attached(chart, line, x, y);
    lo = std::min(lo, dose);
    hi = std::max(hi, dose);
  }
  if (hi > 0)
    x->setRange(std::pow(10, std::floor(std::log10(lo))), std::pow(10, std::ceil(std::log10(hi))));
  chart->legend()->setAlignment(Qt::AlignBottom);
  view_->setChart(chart);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(320, 240);
  std::string note_text = data_.note;
  if (!data_.band_label.empty())
    note_text += "\nShaded: " + data_.band_label +
                 ", of each population's per-capita percentiles (bootstrap).";
  auto* note = new QLabel(QString::fromStdString(note_text));
  note->setWordWrap(true);
  auto* png = new QPushButton("Save as P&NG...");
  auto* svg = new QPushButton("Save as S&VG...");
  auto* close = new QPushButton("&Close");
  connect(png, &QPushButton::clicked, this, [this] { Ask(false); });
  connect(svg, &QPushButton::clicked, this, [this] { Ask(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(png);
  buttons->addWidget(svg);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addWidget(note);
  layout->addLayout(buttons);
  resize(960, 680);
}

bool ChartWindow::SavePng(const QString& file) const {
  return view_->grab().save(file, "PNG");
}

bool ChartWindow::SaveSvg(const QString& file) const {
  QFile f(file);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const std::string svg = ChartSvg(data_);
  return f.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
}

void ChartWindow::Ask(bool svg) {
  const QString ext = svg ? "svg" : "png";
  QString file = QFileDialog::getSaveFileName(this, svg ? "Save as SVG" : "Save as PNG", QString(),
                                              QString("%1 files (*.%2)").arg(ext.toUpper(), ext));
  if (file.isEmpty()) return;
  if (!file.endsWith("." + ext, Qt::CaseInsensitive)) file += "." + ext;
  if (!(svg ? SaveSvg(file) : SavePng(file)))
    QMessageBox::warning(this, windowTitle(), "Can't write " + file + ".");
}

}  // namespace acute::gui
