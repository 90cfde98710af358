#include <gtest/gtest.h>

#include "ui/Frparts1.h"

namespace {

QRect R(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

class SheetTest : public ::testing::Test {
protected:
  void SetUp() override { sheet.Setup(TFrMjPai::PaiFileName); }
  TFrMjPai sheet;
};

}  // namespace

TEST_F(SheetTest, SetupKeepsTheBuiltInSheetAt240x160) {
  EXPECT_EQ(sheet.width(), 240);
  EXPECT_EQ(sheet.height(), 160);
  EXPECT_EQ(sheet.Image1->width(), 240);
  EXPECT_EQ(sheet.Image1->Canvas().size(), QSize(240, 160));
  EXPECT_EQ(sheet.CellWidth, 24);
  EXPECT_EQ(sheet.CellHeight, 32);
  EXPECT_TRUE(sheet.PictureFile.isEmpty());
  EXPECT_EQ(sheet.BackgroundColor(), QColor(0, 128, 128));
}

TEST_F(SheetTest, TilesMapToTheirCells) {
  EXPECT_EQ(sheet.GetPaiParts(-1, -1).Rect(), R(0, 0, 24, 32));      // blank
  EXPECT_EQ(sheet.GetPaiParts(0, 0).Rect(), R(24, 32, 48, 64));      // 1 of characters
  EXPECT_EQ(sheet.GetPaiParts(3, 6).Rect(), R(168, 128, 192, 160));  // Red
  EXPECT_EQ(sheet.GetPaiParts(-1, 8).Rect(), R(216, 0, 240, 32));    // arrow
  EXPECT_EQ(sheet.GetPaiParts(1, 4).Rect(), sheet.GetCellParts(25).Rect());  // never the red five
  EXPECT_EQ(sheet.GetPaiParts(1, 4).Canvas, sheet.Image1);
  for (int code : {1, 9, 11, 19, 21, 29, 31, 37})
    EXPECT_EQ(sheet.GetCodeParts(code).Rect(), sheet.GetCellParts(code + 10).Rect()) << code;
  EXPECT_EQ(sheet.GetCodeParts(0).Rect(), R(0, 0, 24, 32));
}

TEST_F(SheetTest, NothingOutsideTheSheetIsAddressed) {
  for (int code : {-11, -12345, 40, 41, 99, 12345})
    EXPECT_EQ(sheet.GetCodeParts(code).Rect(), R(0, 0, 24, 32)) << code;
  EXPECT_EQ(sheet.GetCellParts(50).Rect(), R(0, 0, 24, 32));
  EXPECT_EQ(sheet.GetCellParts(49).Rect(), R(216, 128, 240, 160));
}

TEST_F(SheetTest, CopiedCellIsPixelIdenticalToTheSheetCell) {
  TImage target;
  target.resize(48, 32);
  for (int code : {5, 37}) {
    const TParts src = sheet.GetCodeParts(code);
    src.CopyTo(TParts(&target, 24, 0, 48, 32));
    const QImage expected = sheet.Image1->Canvas().copy(src.Rect());
    EXPECT_EQ(target.Canvas().copy(24, 0, 24, 32), expected) << code;
  }
}

TEST_F(SheetTest, CopyReadsOnlyInsideTheSource) {
  TImage target;
  target.resize(24, 32);
  target.Canvas().fill(Qt::red);
  // Half of this rectangle lies right of the sheet: only the readable half is copied.
  TParts(sheet.Image1, 228, 0, 252, 32).CopyTo(TParts(&target, 0, 0, 24, 32));
  EXPECT_EQ(target.Canvas().pixelColor(0, 0), sheet.Image1->Canvas().pixelColor(228, 0));
  EXPECT_EQ(target.Canvas().pixelColor(23, 0), QColor(Qt::red));
}

TEST_F(SheetTest, MissingPictureFileIsAnError) {
  TFrMjPai other;
  EXPECT_THROW(other.Setup(QStringLiteral("/nonexistent/sheet.bmp")), std::runtime_error);
}
