#include "ui/Tchart1.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

void TChartView::SetData(TKind kind, const QString& title, const QString& axisTitle, QVector<double> values,
                         int labelStep) {
  Kind = kind;
  Title = title;
  AxisTitle = axisTitle;
  Values = std::move(values);
  LabelStep = std::max(1, labelStep);
  update();
}

void TChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QFontMetrics fm = fontMetrics();
  const int line = fm.height();

  p.setPen(palette().text().color());
  p.drawText(QRect(0, 4, width(), line), Qt::AlignHCenter, Title);

  // The plot area leaves room for the percentages on the left and two lines of
  // labels (numbers and the axis title) below.
  auto valueText = [this](double value) { return QString::number(value) + Unit; };
  const int left = fm.horizontalAdvance(valueText(Top)) + 10;
  const QRectF plot(left, 8 + 1.5 * line, width() - left - 12, height() - (8 + 1.5 * line) - 2.5 * line - 4);
  const double top = Top > 0 ? Top : 100.0;
  auto yOf = [&plot, top](double value) { return plot.bottom() - plot.height() * std::clamp(value, 0.0, top) / top; };

  const QColor grid = palette().mid().color();
  for (int quarter = 0; quarter <= 4; ++quarter) {
    const double y = yOf(top * quarter / 4);
    p.setPen(QPen(grid, 1, quarter == 0 ? Qt::SolidLine : Qt::DotLine));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(palette().text().color());
    p.drawText(QRectF(0, y - line / 2.0, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
               valueText(top * quarter / 4));
  }
  p.drawText(QRectF(plot.left(), plot.bottom() + 1.2 * line, plot.width(), line), Qt::AlignHCenter, AxisTitle);

  const int n = static_cast<int>(Values.size());
  if (n == 0) return;
  const QColor ink(32, 112, 176);
  auto label = [&](int i, double x) {
    p.setPen(palette().text().color());
    p.drawText(QRectF(x - 20, plot.bottom() + 2, 40, line), Qt::AlignHCenter, QString::number(i + 1));
  };

  if (Kind == Bars) {
    const double slot = plot.width() / n;
    for (int i = 0; i < n; ++i) {
      const double x = plot.left() + slot * i;
      const QRectF bar(x + slot * 0.15, yOf(Values[i]), slot * 0.7, plot.bottom() - yOf(Values[i]));
      p.fillRect(bar, ink);
      if ((i + 1) % LabelStep == 0) label(i, x + slot / 2);
    }
    return;
  }

  // A line: x runs from the first deal at the left edge to the last at the right.
  auto xOf = [&](int i) { return n == 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1); };
  // Where the deals outnumber the pixels, each pixel column is drawn as the
  // line enters it, its lowest and highest value and where it leaves: the same
  // picture from a path of a few points per column, not one per deal (10,000
  // deals painted in full cost a quarter of a second at every repaint).
  QPainterPath path;
  const int columns = static_cast<int>(plot.width());
  if (n <= 2 * columns) {
    for (int i = 0; i < n; ++i) {
      const QPointF at(xOf(i), yOf(Values[i]));
      if (i == 0)
        path.moveTo(at);
      else
        path.lineTo(at);
    }
  } else {
    path.moveTo(xOf(0), yOf(Values[0]));
    for (int i = 0; i < n;) {
      const int column = static_cast<int>(xOf(i) - plot.left());
      const int first = i;
      double low = Values[i];
      double high = Values[i];
      while (i < n && static_cast<int>(xOf(i) - plot.left()) == column) {
        low = std::min(low, Values[i]);
        high = std::max(high, Values[i]);
        ++i;
      }
      const double x = xOf(first);
      path.lineTo(x, yOf(Values[first]));
      path.lineTo(x, yOf(low));
      path.lineTo(x, yOf(high));
      path.lineTo(x, yOf(Values[i - 1]));
    }
  }
  p.setPen(QPen(ink, 2));
  p.drawPath(path);
  if (n <= 40) {
    p.setBrush(ink);
    for (int i = 0; i < n; ++i) p.drawEllipse(QPointF(xOf(i), yOf(Values[i])), 2.5, 2.5);
  }
  const int step = std::max(1, static_cast<int>(std::ceil(n / 6.0)));
  for (int i = 0; i < n; i += step) label(i, xOf(i));
}
