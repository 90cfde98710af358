#pragma once

// A small chart of percentages (0..100 %), or of other values up to Top: bars,
// one per draw or per win, or a line over the deals. Painted by hand, so that
// the program loads no chart library at start-up.

#include <QString>
#include <QVector>
#include <QWidget>

class TChartView : public QWidget {
public:
  enum TKind { Bars, Line };

  using QWidget::QWidget;

  // Values in percent; the x axis counts from 1. Bars label every `labelStep`th
  // value, a line about six evenly spaced ones.
  void SetData(TKind kind, const QString& title, const QString& axisTitle, QVector<double> values, int labelStep = 1);

  TKind Kind = Bars;
  QString Title;
  QString AxisTitle;
  QVector<double> Values;
  int LabelStep = 1;
  double Top = 100.0;                 // the value at the top of the plot
  QString Unit = QStringLiteral("%");  // after the numbers of the value axis

protected:
  void paintEvent(QPaintEvent* event) override;
};
