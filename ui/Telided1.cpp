#include "ui/Telided1.h"

#include <QPainter>

QSize TElidedLabel::minimumSizeHint() const {
  const QSize full = QLabel::minimumSizeHint();
  return {fontMetrics().horizontalAdvance(QStringLiteral("\u2026\u2026")) + contentsMargins().left() + contentsMargins().right(),
          full.height()};
}

void TElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect room = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width());
  painter.drawText(room, static_cast<int>(alignment()), shown);
  const QString tip = shown == text() ? QString() : text();
  if (toolTip() != tip) setToolTip(tip);
}
