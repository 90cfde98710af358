#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QApplication>

#include "ui/Frarea1.h"

namespace {

QRect R(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

// A real release event, as the mouse would deliver it to the picture.
void Release(TFrArea& area, int x, int y) {
  QMouseEvent e(QEvent::MouseButtonRelease, QPointF(x, y), area.Image1->mapToGlobal(QPointF(x, y)),
                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(area.Image1, &e);
}

}  // namespace

TEST(FrArea, RowsMeasure480x32AndReleasesMapToCells) {
  TFrMjTepai row;
  row.Setup(24, 32);
  EXPECT_EQ(row.size(), QSize(480, 32));
  EXPECT_EQ(row.Image1->size(), QSize(480, 32));
  int calls = 0;
  TFrArea* clicked = nullptr;
  row.OnAreaClick = [&](TFrArea* a) { ++calls; clicked = a; };
  const struct { int x, y, cell; } cases[] = {{0, 0, 0}, {23, 31, 0}, {24, 0, 1}, {479, 31, 19}};
  for (const auto& c : cases) {
    Release(row, c.x, c.y);
    EXPECT_EQ(row.SelIndex, c.cell) << c.x << "," << c.y;
  }
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(clicked, &row);
  TFrMjSutepai discards;
  discards.Setup(24, 32);
  EXPECT_EQ(discards.size(), QSize(480, 32));
}

TEST(FrArea, ReleaseOutsideThePictureReportsTheComputedIndex) {
  TFrMjTepai row;
  row.Setup(24, 32);
  Release(row, 500, 10);
  EXPECT_EQ(row.SelIndex, 20);
  Release(row, -30, 10);
  EXPECT_EQ(row.SelIndex, -1);
  Release(row, -10, -10);  // truncation toward zero: still column 0, row 0
  EXPECT_EQ(row.SelIndex, 0);
  Release(row, 30, 40);
  EXPECT_EQ(row.SelIndex, 21);
}

TEST(FrArea, SheetCellsAndAreaWithoutHandler) {
  TFrMjSheet sheet;
  sheet.Setup(24, 32);
  EXPECT_EQ(sheet.size(), QSize(480, 128));
  Release(sheet, 30, 40);  // no handler: only records the index
  EXPECT_EQ(sheet.SelIndex, 21);
  EXPECT_EQ(sheet.GetCellParts(25).Rect(), R(120, 32, 144, 64));
  EXPECT_EQ(sheet.GetCellPartsXY(5, 1).Rect(), R(120, 32, 144, 64));
}

TEST(FrArea, UpdateHeightHalvesTheSheetAndPictureKeepsItsFirstSize) {
  TFrMjSheet sheet;
  sheet.Setup(24, 32);
  sheet.Image1->Canvas();  // first drawing creates the picture at 480 x 128
  sheet.SuteOnly = true;
  sheet.UpdateHeight();
  EXPECT_EQ(sheet.size(), QSize(480, 64));
  EXPECT_EQ(sheet.Image1->size(), QSize(480, 64));
  EXPECT_EQ(sheet.Image1->Canvas().size(), QSize(480, 128));
  sheet.SuteOnly = false;
  sheet.UpdateHeight();
  EXPECT_EQ(sheet.height(), 128);
}

TEST(FrArea, DrawingIntoACellCopiesTheTile) {
  TFrMjPai pai;
  pai.Setup(TFrMjPai::PaiFileName);
  TFrMjTepai row;
  row.Setup(TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
  pai.GetCodeParts(12).CopyTo(row.GetCellParts(3));
  EXPECT_EQ(row.Image1->Canvas().copy(72, 0, 24, 32), pai.Image1->Canvas().copy(pai.GetCodeParts(12).Rect()));
}
