#pragma once

// Grid areas: a picture divided into tile-sized cells, drawn into by copying
// cells of the tile sheet, and telling which cell a mouse release fell on.

#include <QFrame>
#include <functional>

#include "ui/Frparts1.h"

class TFrArea : public QFrame {
  Q_OBJECT
public:
  explicit TFrArea(QWidget* parent = nullptr);

  TImage* Image1;
  int CellWidth = 0;
  int CellHeight = 0;
  int SelIndex = 0;  // cell of the last mouse release; may lie outside the grid
  std::function<void(TFrArea*)> OnAreaClick;

  bool Setup(int cellWidth, int cellHeight);
  int Columns() const { return CellWidth > 0 ? Image1->width() / CellWidth : 0; }
  TParts GetCellParts(int index);
  TParts GetCellPartsXY(int column, int row);
  void Image1MouseUp(Qt::MouseButton button, int x, int y);

protected:
  void resizeEvent(QResizeEvent* event) override;
  // Sizes the picture and the frame alike.
  void SetAreaSize(int width, int height);
};

class TFrMjTepai : public TFrArea {
  Q_OBJECT
public:
  static constexpr int TepaiCols = 20;
  static constexpr int TepaiRows = 1;
  using TFrArea::TFrArea;
  bool Setup(int cellWidth, int cellHeight);
};

class TFrMjSutepai : public TFrArea {
  Q_OBJECT
public:
  static constexpr int SutepaiCols = 20;
  static constexpr int SutepaiRows = 1;
  using TFrArea::TFrArea;
  bool Setup(int cellWidth, int cellHeight);
};

class TFrMjSheet : public TFrArea {
  Q_OBJECT
public:
  static constexpr int SheetCols = 20;
  static constexpr int SheetRows = 4;
  static constexpr int SheetSuteRows = 2;
  using TFrArea::TFrArea;
  bool SuteOnly = false;
  bool Setup(int cellWidth, int cellHeight);
  void UpdateHeight();
};
