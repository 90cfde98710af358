#pragma once

// A one-line label for a long text such as a folder's path: it never widens its
// window; where the room is short the middle of the text gives way to "…" and
// the whole text stands in the tooltip.

#include <QLabel>

class TElidedLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
};
