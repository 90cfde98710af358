#include "ui/Frparts1.h"

#include <stdexcept>

#include "core/Mjpai1.h"
#include "records/Safefile1.h"

static void InitTileResources() { Q_INIT_RESOURCE(tiles); }

void TParts::CopyTo(const TParts& dest) const {
  dest.Canvas->CopyRect(dest.Rect(), *Canvas, Rect());
}

TFrParts::TFrParts(QWidget* parent) : QFrame(parent), Image1(new TImage(this)) {
  InitTileResources();
  // Read once: the three windows' sheets share its pixels, which are only ever copied from.
  static const QImage sheet =
      ReadBuiltInImage(QStringLiteral(":/tiles.bmp"), "BMP").convertToFormat(QImage::Format_RGB32);
  Image1->SetPicture(sheet);
  Image1->setGeometry(0, 0, Image1->Canvas().width(), Image1->Canvas().height());
  Image1->hide();
  resize(Image1->size());
  hide();
}

void TFrParts::Setup(const QString& pictureFile, int cellWidth, int cellHeight) {
  CellWidth = cellWidth;
  CellHeight = cellHeight;
  PictureFile = pictureFile;
  if (!pictureFile.isEmpty()) {
    QImage picture(pictureFile);
    if (picture.isNull()) throw TFileError(TFileFault::Open, pictureFile.toStdString());
    Image1->SetPicture(picture);
    Image1->resize(picture.size());
  }
}

TParts TFrParts::GetCellParts(int index) {
  const int columns = CellWidth > 0 ? Image1->width() / CellWidth : 0;
  const int rows = CellHeight > 0 ? Image1->height() / CellHeight : 0;
  if (index < 0 || index >= columns * rows) index = 0;
  const int column = columns > 0 ? index % columns : 0;
  const int row = columns > 0 ? index / columns : 0;
  return TParts(Image1, column * CellWidth, row * CellHeight, (column + 1) * CellWidth,
                (row + 1) * CellHeight);
}

TFrMjPai::TFrMjPai(QWidget* parent) : TFrParts(parent) {}

void TFrMjPai::Setup(const QString& pictureFile) {
  TFrParts::Setup(pictureFile, PaiWidth, PaiHeight);
  Image1->resize(PaiCols * PaiWidth, PaiRows * PaiHeight);
  resize(PaiCols * PaiWidth, PaiRows * PaiHeight);
}

TParts TFrMjPai::GetPaiParts(int suit, int number) {
  return GetCellParts(PaiCell(suit, number));
}

TParts TFrMjPai::GetCodeParts(int code) { return GetPaiParts(CodeSuit(code), CodeNumber(code)); }

QColor TFrMjPai::BackgroundColor() { return Image1->PixelColor(0, 0); }
