#include "ui/Frarea1.h"

TFrArea::TFrArea(QWidget* parent) : QFrame(parent), Image1(new TImage(this)) {
  setGeometry(0, 0, 402, 72);
  Image1->setGeometry(0, 0, 402, 72);
  Image1->OnMouseDown = [this](Qt::MouseButton button, int x, int y) { Image1MouseDown(button, x, y); };
  Image1->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { Image1MouseUp(button, x, y); };
}

void TFrArea::Setup(int cellWidth, int cellHeight) {
  CellWidth = cellWidth;
  CellHeight = cellHeight;
}

// Outside the grid the index still comes out of the formula; the owner decides.
TParts TFrArea::GetCellParts(int index) {
  const int columns = Columns();
  const int column = columns > 0 ? index % columns : 0;
  const int row = columns > 0 ? index / columns : 0;
  return GetCellPartsXY(column, row);
}

TParts TFrArea::GetCellPartsXY(int column, int row) {
  return TParts(Image1, column * CellWidth, row * CellHeight, (column + 1) * CellWidth,
                (row + 1) * CellHeight);
}

int TFrArea::CellAt(int x, int y) const {
  if (CellWidth <= 0 || CellHeight <= 0 || x < 0 || y < 0 || x >= Image1->width() || y >= Image1->height()) return -1;
  return x / CellWidth + Columns() * (y / CellHeight);
}

void TFrArea::Image1MouseDown(Qt::MouseButton, int x, int y) { PressIndex = CellAt(x, y); }

// A click is a press and a release on the same cell: sliding off a cell before
// letting go, or letting go outside the picture, selects no cell (-1).
void TFrArea::Image1MouseUp(Qt::MouseButton, int x, int y) {
  const int cell = CellAt(x, y);
  SelIndex = cell == PressIndex ? cell : -1;
  PressIndex = -1;
  if (OnAreaClick) OnAreaClick(this);
}

// The picture fills the frame, as an aligned component would.
void TFrArea::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Image1->setGeometry(0, 0, width(), height());
}

void TFrArea::SetAreaSize(int width, int height) {
  resize(width, height);
  Image1->setGeometry(0, 0, width, height);
}

void TFrMjTepai::Setup(int cellWidth, int cellHeight) {
  TFrArea::Setup(cellWidth, cellHeight);
  SetAreaSize(TepaiCols * cellWidth, TepaiRows * cellHeight);
}

void TFrMjSutepai::Setup(int cellWidth, int cellHeight) {
  TFrArea::Setup(cellWidth, cellHeight);
  SetAreaSize(SutepaiCols * cellWidth, SutepaiRows * cellHeight);
}

void TFrMjSheet::Setup(int cellWidth, int cellHeight) {
  TFrArea::Setup(cellWidth, cellHeight);
  SetAreaSize(SheetCols * cellWidth, height());
  UpdateHeight();
}

void TFrMjSheet::UpdateHeight() {
  SetAreaSize(width(), CellHeight * (SuteOnly ? SheetSuteRows : SheetRows));
}
