#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QApplication>

#include "ui/Frarea1.h"

namespace {

QRect R(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

// Real mouse events, as the mouse would deliver them to the picture.
void Send(TFrArea& area, QEvent::Type type, QPointF p) {
  QMouseEvent e(type, p, area.Image1->mapToGlobal(p), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(area.Image1, &e);
}
void Click(TFrArea& area, QPointF down, QPointF up) {
  Send(area, QEvent::MouseButtonPress, down);
  Send(area, QEvent::MouseButtonRelease, up);
}
void Release(TFrArea& area, int x, int y) { Click(area, QPointF(x, y), QPointF(x, y)); }

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

// Only a press and a release on the same cell select it; positions are truncated.
TEST(FrArea, AClickSelectsACellOnlyWhenPressAndReleaseShareIt) {
  TFrMjTepai row;
  row.Setup(24, 32);
  int calls = 0;
  row.OnAreaClick = [&](TFrArea*) { ++calls; };
  const struct {
    QPointF down, up;
    int cell;
  } cases[] = {
      {{30, 10}, {30, 10}, 1},     {{30, 10}, {47, 31}, 1},     // anywhere inside one cell
      {{190, 10}, {30, 10}, -1},   {{30, 10}, {50, 10}, -1},    // slid to another cell
      {{10, 10}, {-10, -10}, -1},  {{10, 10}, {-0.5, 5}, -1},   // released left of or above the row
      {{470, 10}, {500, 10}, -1},  {{10, 10}, {10, 40}, -1},    // right of it, below it
      {{23.6, 5}, {23.9, 31.9}, 0}, {{24.2, 5}, {24.2, 5}, 1},  // truncated, not rounded
  };
  for (const auto& c : cases) {
    Click(row, c.down, c.up);
    EXPECT_EQ(row.SelIndex, c.cell) << c.down.x() << "," << c.down.y() << " -> " << c.up.x() << "," << c.up.y();
  }
  EXPECT_EQ(calls, 10);
  Send(row, QEvent::MouseButtonRelease, QPointF(30, 10));  // a release without a press here
  EXPECT_EQ(row.SelIndex, -1);
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
