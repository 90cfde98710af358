// The position board. Its figures are set against hands worked out by hand:
// a ready hand with one wait and r draws left wins with 1 - C(S - c, r) / C(S, r)
// for c copies left in a wall of S tiles.

#include <gtest/gtest.h>

#include <limits>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "ui/Boarddlg1.h"
#include "ui/Frtilerow1.h"
#include "ui/Tapplication1.h"
#include "ui/Tchance1.h"

#define EXPECT_EQ_TEXT(actual, expected) EXPECT_EQ(QString(actual).toStdString(), QString(expected).toStdString())

namespace {

// The chance that r draws from S tiles bring one of c.
double AnyOf(int c, int s, int r) {
  double none = 1.0;
  for (int i = 0; i < r; ++i) none *= static_cast<double>(s - c - i) / (s - i);
  return 1.0 - none;
}

QString Fraction(double p) { return QString::number(p, 'f', 4); }

class Board : public ::testing::Test {
protected:
  void SetUp() override {
    SetWarningHook([this](const QString& text) { Warnings << text; });
  }
  void TearDown() override { SetWarningHook({}); }

  // The figures once the board has them.
  QString Figures() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return Dlg.Chances() != nullptr; }, 60000));
    return Dlg.Chances() ? ChanceFigures(*Dlg.Chances(), Dlg.Position()->Tiles()) : QString();
  }
  QAction* EditItem(int n) {
    for (QAction* menu : Dlg.MainMenu1->actions())
      if (menu->menu()) return menu->menu()->actions()[n];
    return nullptr;
  }

  TBoardDlg Dlg;
  QStringList Warnings;
};

// Points too far to work out (NaN) read as a dash wherever points are shown.
TEST(PointsText, AFigureOrADash) {
  EXPECT_EQ_TEXT(PointsText(1166.98), QStringLiteral("1167点"));
  EXPECT_EQ_TEXT(PointsText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("-"));
}

TEST_F(Board, ThirteenTilesShowTheirWaitAndChancesAsTheDrawsAndTheTilesSeenChange) {
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s1112z draws=1")));
  EXPECT_EQ_TEXT(Dlg.LbHead->text(), QStringLiteral("聴牌  残りツモ 1回  山 123枚"));
  // The one wait 2z: 3 copies of 123 unseen tiles.
  EXPECT_EQ_TEXT(Figures(), QStringLiteral("0\t1.0000\t") + Fraction(3.0 / 123));
  EXPECT_TRUE(Dlg.LbKinds->text().startsWith(QStringLiteral("待ち 2z  3枚")));

  Dlg.EdSeen->setText(QStringLiteral("2z"));  // a copy seen leaves the wall
  EXPECT_EQ_TEXT(Figures(), QStringLiteral("0\t1.0000\t") + Fraction(2.0 / 122));
  Dlg.EdSeen->clear();
  Dlg.SpDraws->setValue(2);
  EXPECT_EQ_TEXT(Figures(), QStringLiteral("0\t1.0000\t") + Fraction(AnyOf(3, 123, 2)));
  EXPECT_EQ(PositionText(*Dlg.Position()), "123m456p789s1112z draws=2");
}

// The tile picker: a click on a kind adds a seen copy, a click on a seen tile gives it back.
TEST_F(Board, ClickedTilesAreSeenAndGivenBack) {
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s1112z draws=1")));
  const int twoZ = CodeKind(32);
  QTest::mouseClick(Dlg.FrPicker, Qt::LeftButton, {}, Dlg.FrPicker->CellRect(twoZ).center());
  QTest::mouseClick(Dlg.FrPicker, Qt::LeftButton, {}, Dlg.FrPicker->CellRect(0).center());
  EXPECT_EQ_TEXT(Dlg.EdSeen->text(), QStringLiteral("1m2z"));
  EXPECT_EQ_TEXT(Figures(), QStringLiteral("0\t1.0000\t") + Fraction(2.0 / 121));
  QTest::mouseClick(Dlg.FrSeen, Qt::LeftButton, {}, Dlg.FrSeen->CellRect(1).center());
  EXPECT_EQ_TEXT(Dlg.EdSeen->text(), QStringLiteral("1m"));
}

TEST_F(Board, FourteenTilesGiveEveryDiscardAndTheWallTravelsWithThePosition) {
  // 3z thrown leaves the 2z wait, 2z the 3z wait, 3 copies each of 122;
  // every other discard goes back a step.
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s1112z3z draws=1")));
  const QString figures = Figures();
  const QString wins = Fraction(3.0 / 122);
  EXPECT_TRUE(figures.endsWith(QStringLiteral("2z:0:1.0000:%1 3z:0:1.0000:%1").arg(wins))) << figures.toStdString();
  EXPECT_TRUE(figures.contains(QStringLiteral("1m:1:-:-")));
  EXPECT_EQ_TEXT(Dlg.Table->item(0, TBoardDlg::ColKind)->text(), QStringLiteral("2z"));
  EXPECT_EQ_TEXT(Dlg.Table->item(0, TBoardDlg::ColWin)->text(), ChancePercent(3.0 / 122));

  // Nine gates after 3z: any of the 23 characters left wins; in the full wall 23 of 122.
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("1112345678999m3z draws=1")));
  EXPECT_TRUE(Figures().endsWith(QStringLiteral("3z:0:1.0000:") + Fraction(23.0 / 122)));
  Dlg.CbOneSuit->setChecked(true);
  EXPECT_TRUE(Figures().endsWith(QStringLiteral("3z:0:1.0000:1.0000")));
  EXPECT_EQ_TEXT(Dlg.LbHead->text(), QStringLiteral("聴牌  残りツモ 1回  山 23枚（萬子のみ）"));
}

// A newer position replaces an older one still being computed, and its answer
// never puts the older hand back; a fresh 13-tile position's 計算中… ends.
TEST_F(Board, AStaleAnswerNeverPutsAnEarlierHandBack) {
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("19m19p19s1234z569m")));  // far from ready: slow
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s1112z draws=1")));
  EXPECT_TRUE(Dlg.LbKinds->text().contains(QStringLiteral("計算中…")));
  EXPECT_EQ_TEXT(Figures(), QStringLiteral("0\t1.0000\t") + Fraction(3.0 / 123));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !Dlg.ChanceJob()->Busy(); }, 60000));
  QCoreApplication::processEvents();
  EXPECT_EQ(PositionText(*Dlg.Position()), "123m456p789s1112z draws=1");
  EXPECT_FALSE(Dlg.LbKinds->text().contains(QStringLiteral("計算中…")));
  EXPECT_EQ(Dlg.Table->rowCount(), 0);
}

TEST_F(Board, ACompleteHandShowsItsValue) {
  // 門前清自摸和 and 南 as seat wind: 40 fu 2 han, 700 / 1300 (the README's worked win).
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s 11z 22z 2z seat=s")));
  EXPECT_TRUE(Dlg.LbScore->text().contains(QStringLiteral("2700点"))) << Dlg.LbScore->text().toStdString();
  EXPECT_TRUE(Dlg.LbHead->text().startsWith(QStringLiteral("和了")));
  Dlg.EdHand->setText(QStringLiteral("123m456p789s1122z3z"));  // no longer complete
  EXPECT_TRUE(Dlg.LbScore->text().isEmpty());
}

TEST_F(Board, CopyGivesTheTextAndPictureAndPasteBringsTheBoardBack) {
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("１２３ｍ４０６ｐ７８９ｓＥＥＳＳ Ｗ draws=9 seen=19m round=s")));
  EXPECT_EQ_TEXT(Dlg.LbNote->text(), QStringLiteral("0（赤五）は 5 として読みました。"));
  Figures();
  const TMjPosition shown = *Dlg.Position();
  EditItem(0)->trigger();
  ASSERT_FALSE(Dlg.ChanceJob()->Busy());  // the copy shows what is there, it computes nothing
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_EQ_TEXT(data->text(), QStringLiteral("123m456p789s1122z3z draws=9 seen=19m round=s"));
  EXPECT_TRUE(data->hasImage());

  Dlg.SpDraws->setValue(3);
  Dlg.EdSeen->clear();
  EditItem(1)->trigger();
  EXPECT_EQ(*Dlg.Position(), shown);
  EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(Board, AFieldThatCannotBeReadSaysWhereAndWhyAndClearsTheBoard) {
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("123m456p789s1122z3z")));
  Dlg.EdHand->setText(QStringLiteral("123m456p789s11x22z"));
  EXPECT_FALSE(Dlg.Position().has_value());
  EXPECT_EQ(Dlg.Table->rowCount(), 0);
  EXPECT_EQ_TEXT(Dlg.LbNote->text(),
                 QStringLiteral("手牌の 15文字目: 使えない文字です（1〜9 と m p s z、字牌は E S W N P F C も）。"));
  Dlg.EdHand->setText(QStringLiteral("123m456p789s1122z3z"));
  Dlg.EdSeen->setText(QStringLiteral("3333z"));
  EXPECT_EQ_TEXT(Dlg.LbNote->text(), QStringLiteral("手牌と見えた牌で 3z が5枚以上です。"));
  EXPECT_FALSE(Dlg.SetText(QStringLiteral("123m draws=30")));
  ASSERT_EQ(Warnings.size(), 1);
  EXPECT_EQ_TEXT(Warnings[0], QStringLiteral("貼り付けた牌姿は 3枚です。13枚か14枚にしてください。"));
}

}  // namespace

// 167m4566p4556s444z, one away (tilelab-hand --prob --value): one shape change
// on the way makes 1m the best throw (53.27%, 1167 points expected), the
// shortest path 5s (46.73%, 740). The choice made in 表示 reaches the board at
// once, and the board names the model its figures allow.
TEST_F(Board, TheChosenModelGivesTheFiguresAndThePoints) {
  TModelChoice::SetMoves(1);
  ASSERT_TRUE(Dlg.SetText(QStringLiteral("167m4566p4556s444z")));
  const auto row = [this](const char* kind) {
    for (int r = 0; r < Dlg.Table->rowCount(); ++r)
      if (Dlg.Table->item(r, TBoardDlg::ColKind)->text() == QLatin1String(kind)) return r;
    return -1;
  };
  const auto cell = [&](const char* kind, int column) {
    const int r = row(kind);
    return r < 0 ? QString() : Dlg.Table->item(r, column)->text();
  };
  EXPECT_TRUE(Figures().contains(QStringLiteral("1m:1:0.9918:0.5327"))) << Figures().toStdString();
  EXPECT_EQ_TEXT(cell("1m", TBoardDlg::ColPoints), QStringLiteral("1167点"));
  EXPECT_EQ_TEXT(cell("5s", TBoardDlg::ColWin), QStringLiteral("51.3%"));
  EXPECT_TRUE(cell("1m", TBoardDlg::ColMark).contains(QStringLiteral("◎和了率")));
  EXPECT_FALSE(cell("5s", TBoardDlg::ColMark).contains(QStringLiteral("◎和了率")));
  EXPECT_EQ_TEXT(Dlg.LbModel->text(), QStringLiteral("確率のモデル: 手替わり 1 手"));

  TModelChoice::SetMoves(0);
  EXPECT_TRUE(Figures().contains(QStringLiteral("5s:1:0.9362:0.4673"))) << Figures().toStdString();
  EXPECT_EQ_TEXT(cell("5s", TBoardDlg::ColPoints), QStringLiteral("740点"));
  EXPECT_TRUE(cell("5s", TBoardDlg::ColMark).contains(QStringLiteral("◎和了率")));
  EXPECT_EQ_TEXT(Dlg.LbModel->text(), QStringLiteral("確率のモデル: 最短経路"));
}
