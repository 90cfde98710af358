#pragma once

// The tile image sheet and the rectangle value through which every tile on the
// screen is copied from it.

#include <QFrame>
#include <QString>

#include "core/Mjpai1.h"
#include "ui/Timage1.h"

// A rectangle on a picture's canvas; Right and Bottom lie one past the last pixel.
class TParts {
public:
  TImage* Canvas = nullptr;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;

  TParts() = default;
  TParts(TImage* canvas, int left, int top, int right, int bottom)
      : Canvas(canvas), Left(left), Top(top), Right(right), Bottom(bottom) {}

  QRect Rect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  // Copies this rectangle onto the destination's rectangle (equal sizes: pixel for pixel).
  void CopyTo(const TParts& dest) const;
};

// A frame holding one picture divided into equal cells.
class TFrParts : public QFrame {
  Q_OBJECT
public:
  explicit TFrParts(QWidget* parent = nullptr);

  TImage* Image1;
  int CellWidth = 0;
  int CellHeight = 0;
  QString PictureFile;

  // An empty file name keeps the built-in sheet; a file that cannot be loaded throws.
  void Setup(const QString& pictureFile, int cellWidth, int cellHeight);
  // An index outside the picture's cells gives cell 0, so nothing is read outside it.
  TParts GetCellParts(int index);
};

// The built-in tile sheet: 10 x 5 cells of 24 x 32 pixels.
class TFrMjPai : public TFrParts {
  Q_OBJECT
public:
  static inline const QString PaiFileName;  // empty: the built-in sheet
  static constexpr int PaiWidth = 24;
  static constexpr int PaiHeight = 32;
  static constexpr int PaiCols = PaiSheetCols;
  static constexpr int PaiRows = 5;
  static constexpr int ArrowNumber = 8;     // (-1, 8) is the marker arrow, cell 9

  explicit TFrMjPai(QWidget* parent = nullptr);

  void Setup(const QString& pictureFile);
  // Cell 0 for (-1, -1); (suit + 1) * 10 + number + 1 otherwise; a pair outside
  // the sheet gives the blank cell 0.
  TParts GetPaiParts(int suit, int number);
  // The cell of a tile code as stored in records; 0 is the blank cell.
  TParts GetCodeParts(int code);
  // Pixel (0, 0): the colour the windows paint behind their tile rows.
  QColor BackgroundColor();
};
