#pragma once

// Grid areas: a picture divided into tile-sized cells, drawn into by copying
// cells of the tile sheet, and telling which cell a mouse release fell on.

#include <QFrame>
#include <functional>

#include "core/Mjtable1.h"
#include "ui/Frparts1.h"

class TFrArea : public QFrame {
  Q_OBJECT
public:
  explicit TFrArea(QWidget* parent = nullptr);

  TImage* Image1;
  int CellWidth = 0;
  int CellHeight = 0;
  int SelIndex = 0;  // cell of the last mouse click, -1 for none
  std::function<void(TFrArea*)> OnAreaClick;

  void Setup(int cellWidth, int cellHeight);
  int Columns() const { return CellWidth > 0 ? Image1->width() / CellWidth : 0; }
  TParts GetCellParts(int index);
  TParts GetCellPartsXY(int column, int row);
  void Image1MouseDown(Qt::MouseButton button, int x, int y);
  void Image1MouseUp(Qt::MouseButton button, int x, int y);
  // The cell under (x, y) in the picture's pixels, -1 outside the picture.
  int CellAt(int x, int y) const;

protected:
  void resizeEvent(QResizeEvent* event) override;
  // Sizes the picture and the frame alike.
  void SetAreaSize(int width, int height);

private:
  int PressIndex = -1;  // the cell the button went down on
};

class TFrMjTepai : public TFrArea {
  Q_OBJECT
public:
  static constexpr int TepaiCols = RowSlots;  // a cell per slot of the hand
  static constexpr int TepaiRows = 1;
  using TFrArea::TFrArea;
  void Setup(int cellWidth, int cellHeight);
};

class TFrMjSutepai : public TFrArea {
  Q_OBJECT
public:
  static constexpr int SutepaiCols = RowSlots;
  static constexpr int SutepaiRows = 1;
  using TFrArea::TFrArea;
  void Setup(int cellWidth, int cellHeight);
};

class TFrMjSheet : public TFrArea {
  Q_OBJECT
public:
  static constexpr int SheetCols = RowSlots;  // a cell per slot of a record row
  static constexpr int SheetRows = 4;
  static constexpr int SheetSuteRows = 2;
  using TFrArea::TFrArea;
  bool SuteOnly = false;
  void Setup(int cellWidth, int cellHeight);
  void UpdateHeight();
};
