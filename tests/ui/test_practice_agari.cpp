// The waiting-tiles window: what its 13 cells show for a hand, and the frame
// that tells the player the drawn tile completes the hand.

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "tests/support/HandNotation.h"
#include "ui/Tagaridlg1.h"

namespace {

class WaitsWindow : public ::testing::Test {
protected:
  QImage CellOf(int i) { return Dlg.FrMjSheet1->Image1->Canvas().copy(Dlg.FrMjSheet1->GetCellPartsXY(i, 0).Rect()); }
  QImage SheetCell(int code) { return Dlg.FrMjPai1->Image1->Canvas().copy(Dlg.FrMjPai1->GetCodeParts(code).Rect()); }

  // Cell i shows code (0: the blank cell) and no frame.
  void ExpectCells(const std::vector<int>& codes) {
    for (int i = 0; i < TAgariDlg::MachiCells; ++i) {
      const int code = i < static_cast<int>(codes.size()) ? codes[static_cast<std::size_t>(i)] : 0;
      EXPECT_EQ(CellOf(i), SheetCell(code)) << "cell " << i << " should show " << code;
    }
  }

  void Show(const std::string& text, const TMjPai* test = nullptr) {
    SCOPED_TRACE(text);
    Dlg.ShowMachi(hand::Row(Table, text), test);
  }

  TMjTable Table;
  TAgariDlg Dlg;
};

TEST_F(WaitsWindow, CaptionAndOneRowOfThirteenCells) {
  EXPECT_EQ(Dlg.windowTitle(), QStringLiteral("牌理工房  待ち牌"));
  EXPECT_EQ(Dlg.size(), QSize(312, 32)) << "sized at creation, before any showing";
  EXPECT_EQ(Dlg.minimumSize(), Dlg.maximumSize());
  Show("01 09 11 19 21 29 31 32 33 34 35 36 37");
  EXPECT_EQ(Dlg.FrMjSheet1->Image1->Canvas().size(), QSize(312, 32)) << "the picture is made at the client size";
}

// Each refresh redraws all 13 cells: fewer waits than before leave no old
// pictures, no wait leaves 13 blank cells, thirteen orphans fill them all.
TEST_F(WaitsWindow, CellsShowTheWaitsOfEachRefresh) {
  const struct {
    const char* Hand;
    std::vector<int> Waits;
  } refreshes[] = {
      {"01 02 03 04 05 06 07 08 09 11 11 22 22", {11, 22}},
      {"01 02 03 04 05 06 07 08 09 11 11 11 22", {22}},
      {"01 09 11 19 21 29 31 32 33 34 35 36 37", {1, 9, 11, 19, 21, 29, 31, 32, 33, 34, 35, 36, 37}},
      {"01 04 07 11 14 17 21 24 27 31 32 33 34", {}},
  };
  for (const auto& r : refreshes) {
    SCOPED_TRACE(r.Hand);
    Show(r.Hand);
    ExpectCells(r.Waits);
  }
}

TEST_F(WaitsWindow, ADrawnTileThatWinsIsFramed) {
  const std::string text = "01 02 03 04 05 06 07 08 09 11 11 22 22";
  // Copies of 22 and 31 that the hand does not hold.
  const TMjPai& wins = Table.Pai[4 * (9 + 9 + 1) + 3];
  const TMjPai& loses = Table.Pai[4 * 27];
  ASSERT_EQ(wins.GetCode(), 22);
  ASSERT_EQ(loses.GetCode(), 31);

  Show(text, &loses);
  ExpectCells({11, 22});

  Show(text, &wins);
  const QImage framed = CellOf(1);
  const QImage plain = SheetCell(22);
  EXPECT_EQ(CellOf(0), SheetCell(11));
  const QColor red = AgariMarkColor();
  for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(23, 31), QPoint(22, 15), QPoint(12, 0), QPoint(0, 30)})
    EXPECT_EQ(framed.pixelColor(p), red) << p.x() << "," << p.y();
  EXPECT_EQ(framed.copy(2, 2, 20, 28), plain.copy(2, 2, 20, 28)) << "the tile itself stays visible";

  // The next refresh without a test tile takes the frame away.
  Show(text);
  ExpectCells({11, 22});
}

TEST_F(WaitsWindow, TitleBarCloseOnlyHidesAndEscapeDoesNothing) {
  Dlg.show();
  QTest::keyClick(&Dlg, Qt::Key_Escape);
  EXPECT_TRUE(Dlg.isVisible());
  EXPECT_TRUE(Dlg.close());
  EXPECT_FALSE(Dlg.isVisible());
  Dlg.show();
  EXPECT_TRUE(Dlg.isVisible());
  Dlg.hide();
}

}  // namespace
