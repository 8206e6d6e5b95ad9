#include "chart_window.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

namespace acute::gui {
namespace {

QLineSeries* ReferenceLine(double dose, const QColor& colour, const QString& name) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->append(dose, 0);
  line->append(dose, 100);
  QPen pen(colour);
  pen.setStyle(Qt::DashLine);
  pen.setWidthF(1.5);
  line->setPen(pen);
  return line;
}

}  // namespace

ChartWindow::ChartWindow(ChartData data, QWidget* parent)
    : QDialog(parent), data_(std::move(data)), view_(new QChartView(this)) {
  setWindowTitle(QString::fromStdString(data_.title));
  auto* chart = new QChart;
  chart->setTitle(QString::fromStdString(data_.title));
  auto* x = new QLogValueAxis;
  x->setBase(10);
  x->setLabelFormat("%g");
  x->setTitleText(QString::fromStdString(data_.x_title) + " (log scale)");
  auto* y = new QValueAxis;
  y->setRange(0, 100);
  y->setTitleText(QString::fromStdString(data_.y_title));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  double lo = 1e30, hi = 0;
  std::map<double, QString> doses;  // one dashed line per dose
  for (const ChartCurve& c : data_.curves) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(c.name).toHtmlEscaped());
    for (std::size_t k = 0; k < c.x.size(); ++k) series->append(c.x[k], c.y[k]);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    for (double v : c.x) lo = std::min(lo, v), hi = std::max(hi, v);
    if (!data_.dwloc && c.reference > 0) {
      QString& name = doses[c.reference];
      name = name.isEmpty() ? QString::fromStdString(c.name)
                            : name + ", " + QString::fromStdString(c.name);
    }
  }
  const QColor dose_colours[] = {Qt::black, Qt::darkRed, Qt::darkGreen, Qt::darkBlue};
  int d = 0;
  for (const auto& [dose, names] : doses) {
    const bool arfd = std::fabs(dose - data_.arfd) <= 5e-7;  // the plot file keeps 6 decimals
    const QString name =
        arfd ? QString("aRfD = %1").arg(dose) : QString("aPAD = %1 (%2)").arg(dose).arg(names);
    auto* line = ReferenceLine(dose, dose_colours[d++ % 4], name);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
    lo = std::min(lo, dose);
    hi = std::max(hi, dose);
  }
  if (hi > 0)
    x->setRange(std::pow(10, std::floor(std::log10(lo))), std::pow(10, std::ceil(std::log10(hi))));
  chart->legend()->setAlignment(Qt::AlignBottom);
  y->setLabelFormat("%.0f");
  view_->setChart(chart);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(900, 560);
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
  layout->addWidget(view_);
  layout->addLayout(buttons);
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
