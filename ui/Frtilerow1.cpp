#include "ui/Frtilerow1.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int MarkWidth = 3;  // a frame lies inside its cell, over the tile's edge
}

TFrTileRow::TFrTileRow(TFrMjPai* sheet, int columns, QWidget* parent)
    : QWidget(parent), Sheet(sheet), Columns(columns), Rows(1) {
  setFixedSize(Columns * TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
}

void TFrTileRow::SetCodes(const std::vector<int>& codes) {
  CodesShown = codes;
  Marks.assign(codes.size(), TMark::None);
  Rows = std::max(1, (static_cast<int>(codes.size()) + Columns - 1) / Columns);
  setFixedSize(Columns * TFrMjPai::PaiWidth, Rows * TFrMjPai::PaiHeight);
  update();
}

void TFrTileRow::SetMark(int index, TMark mark) {
  if (index < 0 || index >= static_cast<int>(Marks.size())) return;
  Marks[static_cast<std::size_t>(index)] = mark;
  update();
}

TFrTileRow::TMark TFrTileRow::Mark(int index) const {
  if (index < 0 || index >= static_cast<int>(Marks.size())) return TMark::None;
  return Marks[static_cast<std::size_t>(index)];
}

void TFrTileRow::ClearMarks() {
  std::fill(Marks.begin(), Marks.end(), TMark::None);
  update();
}

QRect TFrTileRow::CellRect(int index) const {
  return QRect(index % Columns * TFrMjPai::PaiWidth, index / Columns * TFrMjPai::PaiHeight, TFrMjPai::PaiWidth,
               TFrMjPai::PaiHeight);
}

int TFrTileRow::CellAt(QPoint pos) const {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= Columns * TFrMjPai::PaiWidth) return -1;
  const int index = pos.y() / TFrMjPai::PaiHeight * Columns + pos.x() / TFrMjPai::PaiWidth;
  return index < static_cast<int>(CodesShown.size()) ? index : -1;
}

QColor TFrTileRow::MarkColor(TMark mark) {
  switch (mark) {
    case TMark::Chosen: return QColor(230, 40, 40);
    case TMark::Best: return QColor(40, 200, 60);
    case TMark::Selected: return QColor(40, 120, 255);
    case TMark::Hit: return QColor(40, 200, 60);
    case TMark::Miss: return QColor(230, 40, 40);
    case TMark::Missed: return QColor(255, 170, 0);
    case TMark::None: break;
  }
  return {};
}

void TFrTileRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& sheet = Sheet->Image1->Canvas();
  painter.fillRect(rect(), Sheet->BackgroundColor());
  for (int i = 0; i < static_cast<int>(CodesShown.size()); ++i) {
    const QRect cell = CellRect(i);
    painter.drawImage(cell, sheet, Sheet->GetCodeParts(CodesShown[static_cast<std::size_t>(i)]).Rect());
    const TMark mark = Marks[static_cast<std::size_t>(i)];
    if (mark == TMark::None) continue;
    QPen pen(MarkColor(mark), MarkWidth);
    // A tile that should have been picked and was not: a broken frame.
    if (mark == TMark::Missed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(MarkWidth / 2, MarkWidth / 2, -MarkWidth / 2 - 1, -MarkWidth / 2 - 1));
  }
}

void TFrTileRow::mouseReleaseEvent(QMouseEvent* event) {
  const int index = CellAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0 && OnCellClick) OnCellClick(index);
}
