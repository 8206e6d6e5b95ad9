#pragma once
// The chart view of a run: each population's cumulative distribution on a log axis (Qt
// Charts) with its aRfD or aPAD as a dashed line and, after an uncertainty analysis, the
// band of its percentiles over the bootstrap rounds; saved as PNG or SVG.
#include <QDialog>

#include "forms/chart_model.h"

class QChartView;

namespace acute::gui {

class ChartWindow : public QDialog {
  Q_OBJECT
 public:
  ChartWindow(ChartData data, QWidget* parent);

  bool SavePng(const QString& file) const;
  bool SaveSvg(const QString& file) const;
  QChartView* view() const { return view_; }

 private:
  void Ask(bool svg);

  ChartData data_;
  QChartView* view_;
};

}  // namespace acute::gui
