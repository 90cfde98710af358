#pragma once

// A row or block of tile pictures copied from a tile sheet, each cell with an
// optional coloured frame, and the cell a click fell on. The review and the
// waits quiz show hands, effective tiles and the palette of kinds with it.

#include <QWidget>
#include <functional>
#include <vector>

#include "ui/Frparts1.h"

class TFrTileRow : public QWidget {
  Q_OBJECT
public:
  // The frames a cell can carry.
  enum class TMark { None, Chosen, Best, Selected, Hit, Miss, Missed };

  TFrTileRow(TFrMjPai* sheet, int columns, QWidget* parent = nullptr);

  // Codes (0 = a blank cell), laid out in rows of the given columns; marks are reset.
  void SetCodes(const std::vector<int>& codes);
  const std::vector<int>& Codes() const { return CodesShown; }
  void SetMark(int index, TMark mark);
  TMark Mark(int index) const;
  void ClearMarks();
  // The cell of a click, -1 outside the cells.
  int CellAt(QPoint pos) const;
  QRect CellRect(int index) const;

  std::function<void(int index)> OnCellClick;

  static QColor MarkColor(TMark mark);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  TFrMjPai* Sheet;
  int Columns;
  int Rows;
  std::vector<int> CodesShown;
  std::vector<TMark> Marks;
};
