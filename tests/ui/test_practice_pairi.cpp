// The analysis window beside the practice window: what it shows after each
// draw and discard, F3 and the remembered choices, the score of a deal, the
// win notice and the drill that keeps the table back. Pauses are recorded, not
// waited for.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

#include "analysis/Mjprob1.h"
#include "core/Mjrandom1.h"
#include "records/Mjrecord1.h"
#include "tests/support/HandNotation.h"
#include "tests/support/SequenceSource.h"
#include "ui/Boarddlg1.h"
#include "ui/Maindlg1.h"
#include "ui/Pairidlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tscore1.h"
#include "ui/Twords1.h"

namespace {

std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

TKindCounts Kinds(const TPaiRow& row, int from, int to) {
  TKindCounts counts{};
  for (int i = from; i < to; ++i)
    if (row[Slot(i)] != nullptr) ++counts[Slot(row[Slot(i)]->Id / 4)];
  return counts;
}

// Every shuffle step exchanges with the last entry: the wall is 135, 0, 1, ...,
// so the hand is 1111 2222 3333m and Red, and the draws are 4m 4m 4m 4m 5m ...
TRuleSource ShuffleByLastEntry() {
  return TRuleSource([](int step) { return PaiCount - step - 1; });
}

class PairiWindow : public ::testing::Test {
protected:
  void SetUp() override {
    QSettings().remove(QStringLiteral("Practice"));
    AgariDlg = &Agari;
    Dlg = std::make_unique<TMainDlg>();
    MainDlg = Dlg.get();
    SetHooks();
    Random.Seed(20240501);
  }
  void TearDown() override {
    Dlg.reset();
    AgariDlg = nullptr;
    MainDlg = nullptr;
  }

  // Pauses go straight on; DuringPause sees the window as each pause begins.
  void SetHooks() {
    Dlg->PauseHook = [this](int) {
      if (DuringPause) DuringPause();
      return -1;
    };
  }

  // What the menu window does, without the modal loop; the opening runs once
  // the window is on the screen.
  void Open(bool tinitu = false) {
    Dlg->SetTinitu(tinitu);
    Dlg->Prepare();
    Dlg->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Dlg->Busy() && Dlg->QueuedCount() == 0; }));
  }

  void Key(Qt::Key key) {
    Dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Dlg.get()));
    QTest::keyClick(Dlg.get(), key);
  }

  void ClickHand(int k) {
    QTest::mouseClick(Dlg->FrMjTepai1->Image1, Qt::LeftButton, Qt::NoModifier,
                      QPoint(k * TFrMjPai::PaiWidth + 5, TFrMjPai::PaiHeight / 2));
  }

  const TMjTable& Table() { return Dlg->MjTable(); }

  // The keyboard's frame: the hand row's one child besides its picture.
  QWidget* SelectionFrame() {
    for (QWidget* child : Dlg->FrMjTepai1->findChildren<QWidget*>())
      if (child != Dlg->FrMjTepai1->Image1) return child;
    return nullptr;
  }

  TAgariDlg Agari;
  std::unique_ptr<TMainDlg> Dlg;
  std::function<void()> DuringPause;
};

// After every draw the window holds the table the engine gives for the 14
// tiles, counted against the hand and the player's own discards; its first
// row's tile is the sheet's picture of that discard.
TEST_F(PairiWindow, ShowsTheEngineTableAfterEveryDraw) {
  Open();
  Dlg->MnPairi->trigger();
  ASSERT_NE(PairiDlg, nullptr);
  EXPECT_TRUE(PairiDlg->isVisible());
  EXPECT_EQ(PairiDlg->windowTitle(), QStringLiteral("牌理工房  牌理"));
  for (int m = 1; m <= DealLimit; ++m) {
    SCOPED_TRACE(m);
    const TMjDiscardTable expected = MjDiscards(Kinds(Table().Tepai, 0, HandSlots), Kinds(Table().Sutepai, 0, RowSlots));
    const TMjPairiView& shown = PairiDlg->View();
    EXPECT_EQ(shown.Stage, TMjPairiStage::Decision);
    EXPECT_EQ(PairiDlg->HeadText(), ShantenWords(expected.Shanten));
    ASSERT_EQ(shown.Rows.size(), expected.Discards.size());
    for (std::size_t i = 0; i < shown.Rows.size(); ++i) {
      EXPECT_EQ(shown.Rows[i].Kind, expected.Discards[i].Kind) << i;
      EXPECT_EQ(shown.Rows[i].Shanten, expected.Discards[i].Shanten) << i;
      EXPECT_EQ(shown.Rows[i].Kinds, expected.Discards[i].Kinds) << i;
      EXPECT_EQ(shown.Rows[i].Count, expected.Discards[i].Count) << i;
    }
    EXPECT_TRUE(shown.IsBestRow(shown.Rows[0]));
    if (m == 1) {
      const QImage picture = PairiDlg->Image1->grab().toImage();
      const TParts sheet = PairiDlg->FrMjPai1->GetCodeParts(KindCode(shown.Rows[0].Kind));
      // The table's picture starts at its first line.
      EXPECT_EQ(picture.copy(TPairiDlg::TileRect(0).translated(0, -TPairiDlg::TableTop)).convertToFormat(QImage::Format_RGB32),
                PairiDlg->FrMjPai1->Image1->Canvas().copy(sheet.Rect()));
    }
    ClickHand((m * 3) % HandSlots);
  }
  EXPECT_EQ(PairiDlg->View().Stage, TMjPairiStage::Discarded);
}

// F3 and the menu item toggle the window; whether it is open is remembered and
// brings it back at the next opening. The title bar's close counts as closing.
TEST_F(PairiWindow, F3TogglesAndIsRemembered) {
  Open();
  EXPECT_EQ(PairiDlg, nullptr) << "made only when first shown";
  Key(Qt::Key_F3);
  ASSERT_NE(PairiDlg, nullptr);
  EXPECT_TRUE(PairiDlg->isVisible());
  EXPECT_TRUE(QSettings().value(QStringLiteral("Practice/PairiShown")).toBool());
  Key(Qt::Key_F3);
  EXPECT_FALSE(PairiDlg->isVisible());
  Key(Qt::Key_F3);
  EXPECT_TRUE(PairiDlg->isVisible());
  // Its own keys are the practice window's: F3 there hides it, ← moves the selection.
  QTest::keyClick(PairiDlg, Qt::Key_F3);
  EXPECT_FALSE(PairiDlg->isVisible());
  Key(Qt::Key_F3);
  QTest::keyClick(PairiDlg, Qt::Key_Left);
  EXPECT_EQ(SelectionFrame()->geometry(), Dlg->FrMjTepai1->GetCellParts(12).Rect());

  // Closing the practice window hides it; a new run opens it with the practice window.
  Dlg->close();
  EXPECT_FALSE(PairiDlg->isVisible());
  Dlg = std::make_unique<TMainDlg>();
  MainDlg = Dlg.get();
  SetHooks();
  EXPECT_EQ(PairiDlg, nullptr);
  Open();
  ASSERT_NE(PairiDlg, nullptr);
  EXPECT_TRUE(PairiDlg->isVisible());
  EXPECT_EQ(PairiDlg->View().Stage, TMjPairiStage::Decision) << "it shows the deal dealt at the opening";

  PairiDlg->close();
  EXPECT_FALSE(PairiDlg->isVisible());
  EXPECT_FALSE(QSettings().value(QStringLiteral("Practice/PairiShown")).toBool());
  Dlg->close();
  Open();
  EXPECT_FALSE(PairiDlg->isVisible());
}

// A drawn tile that completes the hand: the second status panel says so, the
// waits window frames it at once and the analysis window says 和了. The
// discard after it takes the notice away.
TEST_F(PairiWindow, AWinningDrawIsNoticed) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  Dlg->MnHope->trigger();
  Dlg->MnPairi->trigger();
  EXPECT_EQ(Dlg->StatusPanel[1]->text(), QString());
  ClickHand(12);  // Red away: 1111 2222 3333 4m waits on 4m, which is drawn next
  ASSERT_EQ(Table().Tepai[13]->GetCode(), 4);
  EXPECT_EQ(Dlg->StatusPanel[1]->text(), QStringLiteral("ツモ和了  三倍満"));
  EXPECT_EQ(PairiDlg->HeadText(), QStringLiteral("和了"));
  bool framed = false;
  for (int i = 0; i < TAgariDlg::MachiCells; ++i)
    framed = framed || Agari.FrMjSheet1->Image1->PixelColor(i * TFrMjPai::PaiWidth, 0) == AgariMarkColor();
  EXPECT_TRUE(framed) << "the waits window frames the drawn tile without F2";
  QApplication::processEvents();
  EXPECT_GE(Dlg->StatusPanel[1]->contentsRect().width(),
            Dlg->StatusPanel[1]->fontMetrics().horizontalAdvance(Dlg->StatusPanel[1]->text()))
      << "the whole notice is visible";

  QString duringDiscard = QStringLiteral("-");
  DuringPause = [&] { duringDiscard = Dlg->StatusPanel[1]->text(); };
  ClickHand(13);
  EXPECT_EQ(duringDiscard, QString()) << "the discard ends the win";
  EXPECT_EQ(Dlg->StatusPanel[1]->text(), QStringLiteral("ツモ和了  三倍満")) << "the next 4m completes it again";
}

// Red away first, then every drawn tile thrown back: ready from the deal (on
// Red alone), a win at the second draw, and the figures of the deal's review.
TEST_F(PairiWindow, TheScoreOfADealWithKnownDiscards) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  Dlg->MnPairi->trigger();
  ClickHand(12);
  for (int m = 2; m <= DealLimit; ++m) ClickHand(13);
  const TMjReview& review = Dlg->Review();
  ASSERT_EQ(review.Steps.size(), std::size_t{DealLimit});
  EXPECT_EQ(review.FirstReadyDraw(), 0);
  EXPECT_EQ(review.WinDraw(), 2);
  // Only the discard before the win is a decision: Red, the best (it alone keeps the
  // hand ready, and wins 66.02% by the last draw, tilelab-hand --prob 1111222233334m7z).
  const QStringList expected{QStringLiteral("効率 100.0%  最善 1/1"), QStringLiteral("配牌で聴牌  2巡目にツモ和了"),
                             QStringLiteral("和了率の損失 0.0%（1 打）")};
  EXPECT_EQ(PairiDlg->SummaryLines(), expected);
  // The first discard, Red, was the best one: nothing else keeps the hand ready.
  EXPECT_TRUE(review.Steps[0].IsBest());
}

TEST_F(PairiWindow, EveryDiscardIsJudgedInTheLastLine) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  Dlg->MnPairi->trigger();
  EXPECT_EQ(PairiDlg->JudgementText(), QString());
  ClickHand(12);
  const TMjReviewStep& first = Dlg->Review().Steps[0];
  EXPECT_EQ(PairiDlg->JudgedKind(), CodeKind(37));
  // Within reach the win chance judges: 66.02% for Red (tilelab-hand --prob 1111222233334m7z).
  EXPECT_EQ(PairiDlg->JudgementText(),
            QStringLiteral("受け入れ %1/%1 枚  最善  和了率 66.0% / 最善 66.0%").arg(first.Best().Count));
  // The second draw completes the hand; the deal goes on, and its discards are not judged.
  ClickHand(0);
  EXPECT_EQ(PairiDlg->JudgementText(), QStringLiteral("和了の後の打牌は評価しません"));
}

// A discard that keeps more shanten than the best one says so.
TEST_F(PairiWindow, ADiscardThatRaisesTheShantenIsNamed) {
  Open();
  Dlg->MnPairi->trigger();
  for (int m = 1; m <= DealLimit; ++m) {
    // Copies: the discard below replaces what the window shows.
    const TMjPairiView shown = PairiDlg->View();
    const TMjDiscard worst = shown.Rows.back();
    if (worst.Shanten == shown.Rows.front().Shanten) {
      ClickHand(13);
      continue;
    }
    for (int k = 0; k < HandSlots; ++k)
      if (Table().Tepai[Slot(k)]->Id / 4 == worst.Kind) {
        ClickHand(k);
        break;
      }
    EXPECT_EQ(PairiDlg->JudgementText(), QStringLiteral("向聴戻し  %1 → %2")
                                             .arg(ShantenWords(shown.Rows.front().Shanten),
                                                  ShantenWords(worst.Shanten)));
    return;
  }
  FAIL() << "no decision of the deal could raise the shanten";
}

// The drill keeps a decision's table back until the discard; during the
// discard's pause the table is there with the choice marked.
TEST_F(PairiWindow, TheDrillHidesTheTableUntilTheDiscard) {
  Open();
  Dlg->MnPairiAfter->trigger();
  EXPECT_TRUE(QSettings().value(QStringLiteral("Practice/PairiAfterDiscard")).toBool());
  Dlg->MnPairi->trigger();
  EXPECT_TRUE(PairiDlg->View().TableHidden);
  EXPECT_TRUE(PairiDlg->View().Rows.empty());
  const int chosen = Table().Tepai[4]->Id / 4;
  std::vector<TMjPairiView> seen;
  DuringPause = [&] { seen.push_back(PairiDlg->View()); };
  ClickHand(4);
  ASSERT_FALSE(seen.empty());
  EXPECT_FALSE(seen[0].TableHidden);
  EXPECT_EQ(seen[0].Rows.size(), Dlg->Review().Steps[0].Table.Discards.size());
  EXPECT_EQ(seen[0].ChosenKind, chosen);
  EXPECT_TRUE(PairiDlg->View().TableHidden) << "the next decision is hidden again";

  // Without the drill the pause shows the 13 tiles kept: the chosen row alone.
  Dlg->MnPairiAfter->trigger();
  seen.clear();
  ClickHand(4);
  ASSERT_FALSE(seen.empty());
  ASSERT_EQ(seen[0].Rows.size(), 1u);
  EXPECT_EQ(seen[0].Rows[0].Kind, seen[0].ChosenKind);
}

// What the drill paints: no tile of a decision's table while the decision is
// open, from the first draw on; the table with the choice during the discard's
// pauses.
TEST_F(PairiWindow, TheDrillPaintsNoTableOfAnOpenDecision) {
  QSettings().setValue(QStringLiteral("Practice/PairiAfterDiscard"), true);
  QSettings().setValue(QStringLiteral("Practice/PairiShown"), true);
  Open();
  ASSERT_NE(PairiDlg, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(PairiDlg));
  const QColor background = PairiDlg->FrMjPai1->BackgroundColor();
  // The rows under the first, whose middle holds "打牌後に表示", and the first row's tile.
  auto tablePainted = [&] {
    const QImage shown = PairiDlg->Image1->grab().toImage();
    const QRect rows(0, TPairiDlg::H, TPairiDlg::ClientWidth, (TPairiDlg::MaxRows - 1) * TPairiDlg::H);
    for (const QRect& area : {rows, TPairiDlg::TileRect(0).translated(0, -TPairiDlg::TableTop)})
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          if (shown.pixelColor(x, y) != background) return true;
    return false;
  };
  int pauses = 0;
  DuringPause = [&] {
    ++pauses;
    EXPECT_TRUE(tablePainted()) << "the decision just made is shown";
  };
  for (int m = 1; m <= 4; ++m) {
    SCOPED_TRACE(m);
    EXPECT_FALSE(tablePainted());
    ClickHand((m * 3) % HandSlots);
  }
  EXPECT_EQ(pauses, 8);
}

// The same discards made with the keys and with the mouse leave the same record.
TEST_F(PairiWindow, KeyboardAndMouseGiveTheSameRecord) {
  const TRecordTime time{2024, 5, 1, 12, 0, 0};
  auto cell = [](int m) { return (m * 5 + 3) % HandSlots; };

  Random.Seed(99);
  Open();
  Dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Dlg.get()));
  QWidget* frame = SelectionFrame();
  ASSERT_NE(frame, nullptr);
  for (int m = 1; m <= DealLimit; ++m) {
    SCOPED_TRACE(m);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), Dlg->FrMjTepai1->GetCellParts(13).Rect()) << "on the drawn tile";
    QTest::keyClick(Dlg.get(), Qt::Key_Home);
    for (int i = 0; i < cell(m); ++i) QTest::keyClick(Dlg.get(), Qt::Key_Right);
    EXPECT_EQ(frame->geometry(), Dlg->FrMjTepai1->GetCellParts(cell(m)).Rect());
    QTest::keyClick(Dlg.get(), m % 2 ? Qt::Key_Return : Qt::Key_Space);
    EXPECT_EQ(Table().SuteCount, m);
  }
  EXPECT_FALSE(frame->isVisible()) << "the deal is over";
  const std::string byKeys = RecordText(Table(), time);

  Dlg->close();
  Random.Seed(99);
  Open();
  for (int m = 1; m <= DealLimit; ++m) ClickHand(cell(m));
  EXPECT_EQ(RecordText(Table(), time), byKeys);
}

// Keys pressed while a discard pauses queue like clicks: the selection moves at
// once, and Return throws the tile selected when it was pressed, wherever the
// sort has moved it since.
TEST_F(PairiWindow, KeysDuringAPauseQueueBoundToTheSelectedTile) {
  Open();
  Dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Dlg.get()));
  const TMjPai* pressed = nullptr;
  QRect frameDuring;
  Dlg->PauseHook = [&](int) {
    if (pressed == nullptr) {
      QTest::keyClick(Dlg.get(), Qt::Key_Home);
      for (int i = 0; i < 5; ++i) QTest::keyClick(Dlg.get(), Qt::Key_Right);
      frameDuring = SelectionFrame()->geometry();
      pressed = Table().Tepai[5];
      QTest::keyClick(Dlg.get(), Qt::Key_Return);
      EXPECT_EQ(Table().SuteCount, 1) << "the key waits for the step";
    }
    return 1;
  };
  QTest::keyClick(Dlg.get(), Qt::Key_Home);
  QTest::keyClick(Dlg.get(), Qt::Key_Right);
  QTest::keyClick(Dlg.get(), Qt::Key_Right);
  QTest::keyClick(Dlg.get(), Qt::Key_Return);  // cell 2: the hole the sort closes
  ASSERT_NE(pressed, nullptr);
  EXPECT_EQ(frameDuring, Dlg->FrMjTepai1->GetCellParts(5).Rect()) << "the selection moved at once";
  ASSERT_TRUE(QTest::qWaitFor([this] { return Table().SuteCount == 2 && !Dlg->Busy(); }));
  EXPECT_EQ(Table().Sutepai[1], pressed);
}

// The winning draw 1111 2222 3333 44m: the analysis window lists its yaku, fu
// and points under the winds of the 表示 menu, 東場 東家 until the player
// chooses others; the choice is remembered and values the win anew at once.
TEST_F(PairiWindow, AWinningDrawShowsItsValueUnderTheChosenWinds) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  Dlg->MnPairi->trigger();
  EXPECT_TRUE(Dlg->MnSeatWind[0]->isChecked());
  EXPECT_TRUE(Dlg->MnRoundWind[0]->isChecked());
  EXPECT_EQ(PairiDlg->ScoreTitle(), QString());
  ClickHand(12);
  EXPECT_EQ(PairiDlg->ScoreTitle(), QStringLiteral("ツモ和了  東場 東家"));
  EXPECT_EQ(PairiDlg->YakuLines(), (QStringList{QStringLiteral("門前清自摸和 1翻"), QStringLiteral("平和 1翻"),
                                                QStringLiteral("二盃口 3翻"), QStringLiteral("清一色 6翻")}));
  EXPECT_EQ(PairiDlg->ScoreLinesShown(), (QStringList{QStringLiteral("副底 20 = 20符"),
                                                      QStringLiteral("20符 11翻  三倍満  36000点（12000オール）")}));

  Dlg->MnSeatWind[1]->trigger();
  EXPECT_EQ(PairiDlg->ScoreTitle(), QStringLiteral("ツモ和了  東場 南家"));
  EXPECT_EQ(PairiDlg->ScoreLinesShown().back(), QStringLiteral("20符 11翻  三倍満  24000点（子 6000 / 親 12000）"));
  EXPECT_EQ(Dlg->StatusPanel[1]->text(), QStringLiteral("ツモ和了  三倍満"));
  EXPECT_EQ(QSettings().value(QStringLiteral("Practice/SeatWind")).toInt(), 1);
  Dlg->MnRoundWind[2]->trigger();
  EXPECT_EQ(QSettings().value(QStringLiteral("Practice/RoundWind")).toInt(), 2);

  QString duringDiscard = QStringLiteral("-");
  DuringPause = [&] { duringDiscard = PairiDlg->ScoreTitle(); };
  ClickHand(0);
  EXPECT_EQ(duringDiscard, QString()) << "the discard ends the win";
  DuringPause = nullptr;
  Dlg->close();
  Open();
  EXPECT_TRUE(Dlg->MnSeatWind[1]->isChecked());
  EXPECT_TRUE(Dlg->MnRoundWind[2]->isChecked());
}

// On a short screen the analysis window shrinks to three rows of its table,
// which then scrolls, and no further: the head line (24), three rows of 32, and
// the lines under the table at their fullest: the judgement (24), three lines
// of the deal's score (48), 4, a win's title, five lines of yaku, two of fu and
// the points (9 × 16), and 4: 344 pixels. At its tallest, all 14 rows: 700.
TEST_F(PairiWindow, AWinsValueStaysInSightInTheShortestWindow) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  Dlg->MnPairi->trigger();
  ClickHand(12);
  ASSERT_FALSE(PairiDlg->ScoreTitle().isEmpty());
  EXPECT_EQ(PairiDlg->minimumHeight(), 344);
  EXPECT_EQ(PairiDlg->maximumHeight(), 700);
  PairiDlg->resize(PairiDlg->width(), PairiDlg->minimumHeight());
  QApplication::processEvents();
  EXPECT_EQ(PairiDlg->height(), 344);
  EXPECT_GT(PairiDlg->TableScroll->verticalScrollBar()->maximum(), 0) << "the table scrolls";
  EXPECT_TRUE(PairiDlg->rect().contains(PairiDlg->FootArea->geometry()));
  // The points, the last line: judgement 24, 4, then the eighth line of 16 after the title.
  const QImage foot = PairiDlg->FootArea->grab().toImage();
  const QColor background = PairiDlg->FrMjPai1->BackgroundColor();
  bool painted = false;
  for (int y = 24 + 4 + 8 * 16; y < 24 + 4 + 9 * 16 && y < foot.height(); ++y)
    for (int x = 0; x < foot.width(); ++x) painted = painted || foot.pixelColor(x, y) != background;
  EXPECT_TRUE(painted) << "the points line is in sight";
}

TEST(ScoreText, EveryNameTheScorerGivesHasItsTranslation) {
  const std::vector<const char*> catalogue = TScoreText::Catalogue();
  auto listed = [&](const std::string& name) {
    return std::any_of(catalogue.begin(), catalogue.end(), [&](const char* entry) { return name == entry; });
  };
  for (int y = 0; y < YakuCount; ++y) EXPECT_TRUE(listed(YakuName(static_cast<TMjYaku>(y)))) << y;
  for (int n = 1; n <= 6; ++n) EXPECT_TRUE(listed(LimitName(MjPoints(0, 0, n, false)))) << n;
  for (int han : {5, 6, 8, 11, 13}) EXPECT_TRUE(listed(LimitName(MjPoints(han, 30, 0, false)))) << han;
  for (TMjFuItem item : {TMjFuItem::Base, TMjFuItem::Tsumo, TMjFuItem::Kotsu, TMjFuItem::Pair, TMjFuItem::Chiitoi})
    EXPECT_TRUE(listed(FuItemName(item)));
  for (TMjWait wait : {TMjWait::Ryanmen, TMjWait::Kanchan, TMjWait::Penchan, TMjWait::Shanpon, TMjWait::Tanki})
    EXPECT_TRUE(listed(WaitName(wait)));
}

TEST(ScoreText, PointsAreTheLimitsNameOrTheNumber) {
  const struct {
    TMjPoints points;
    const char* text;
    const char* payment;
  } cases[] = {
      {MjPoints(4, 30, 0, false), "7900点", "子 2000 / 親 3900"},
      {MjPoints(2, 20, 0, true), "2100点", "700オール"},
      {MjPoints(5, 30, 0, false), "満貫", "子 2000 / 親 4000"},
      {MjPoints(13, 30, 0, true), "数え役満", "16000オール"},
      {MjPoints(0, 0, 2, false), "二倍役満", "子 16000 / 親 32000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TScoreText::Points(c.points), QString::fromUtf8(c.text));
    EXPECT_EQ(TScoreText::Payment(c.points), QString::fromUtf8(c.payment));
  }
}

}  // namespace

namespace {

TEST_F(PairiWindow, EditCopiesThePositionAndPastesItIntoTheBoard) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open();
  QMenu* edit = nullptr;
  for (QAction* menu : Dlg->MainMenu1->actions())
    if (menu->text() == QStringLiteral("編集(&E)")) edit = menu->menu();
  ASSERT_TRUE(edit);
  edit->actions()[0]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("111122223333m7z4m"));

  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s1122z1z"));
  edit->actions()[1]->trigger();
  ASSERT_TRUE(Dlg->Board && Dlg->Board->isVisible());
  ASSERT_TRUE(Dlg->Board->Position());
  EXPECT_EQ(KindText(Dlg->Board->Position()->DrawnKind), "1z");
  EXPECT_EQ(Dlg->Review().Steps.size(), 1u);  // the deal itself goes on untouched
}

// A pasted position carries its own wall: after a one-suit deal the full wall
// still gives 3z its 0.4558 (tilelab-hand --prob 123m456p789s1122z3z).
TEST_F(PairiWindow, APastedPositionKeepsItsWallWhateverThePracticeMode) {
  Open(true);
  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s1122z3z"));
  QMenu* edit = nullptr;
  for (QAction* menu : Dlg->MainMenu1->actions())
    if (menu->text() == QStringLiteral("編集(&E)")) edit = menu->menu();
  ASSERT_TRUE(edit);
  edit->actions()[1]->trigger();
  ASSERT_TRUE(Dlg->Board);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Dlg->Board->Chances() != nullptr; }, 60000));
  const TMjChance* threeZ = ChanceOf(*Dlg->Board->Chances(), CodeKind(33));
  ASSERT_TRUE(threeZ);
  EXPECT_EQ(QString::number(threeZ->Win, 'f', 4), QStringLiteral("0.4558"));
}

// The copy is what the windows show: the tile rows over the analysis window
// with its chances, none computed again; the text carries the one-suit wall.
TEST_F(PairiWindow, CopyShowsTheChancesThereAndCarriesTheWallAndTheDiscards) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open(true);
  Dlg->MnPairi->trigger();
  ASSERT_TRUE(QTest::qWaitFor([] { return PairiDlg->Chances() != nullptr; }, 60000));
  QMenu* edit = nullptr;
  for (QAction* menu : Dlg->MainMenu1->actions())
    if (menu->text() == QStringLiteral("編集(&E)")) edit = menu->menu();
  ASSERT_TRUE(edit);
  edit->actions()[0]->trigger();
  EXPECT_FALSE(PairiDlg->ChanceJob()->Busy());
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data && data->hasImage());
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(picture.height(), Dlg->ScrollBox1->height() + PairiDlg->Image1->height());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1122345678899m6m one-suit"));
}

}  // namespace

// The chances beside the table: at every draw of a seeded deal the window
// shows what the engine gives for the 14 tiles, the player's own discards and
// the draws left, once the computation off the window's thread is done; the
// judgement line then sets the discard's win chance against the best.
TEST_F(PairiWindow, ShowsTheEngineChancesAfterEveryDraw) {
  Open();
  Dlg->MnPairi->trigger();
  ASSERT_NE(PairiDlg, nullptr);
  int shown = 0;
  for (int m = 1; m <= DealLimit; ++m) {
    SCOPED_TRACE(m);
    const TKindCounts hand = Kinds(Table().Tepai, 0, HandSlots);
    const TKindCounts seen = Kinds(Table().Sutepai, 0, RowSlots);
    ASSERT_TRUE(QTest::qWaitFor([] { return PairiDlg->Chances() != nullptr || PairiDlg->ChancesTooFar(); }, 60000));
    if (PairiDlg->ChancesTooFar()) {
      EXPECT_GT(MjShanten(hand), TChanceJob::MaxShanten);
    } else {
      const TMjChanceTable expected = MjChances(hand, MjUnseen(hand, seen), DealDraws - m);
      const TMjChanceTable& got = *PairiDlg->Chances();
      ASSERT_EQ(got.Discards.size(), expected.Discards.size());
      for (std::size_t i = 0; i < got.Discards.size(); ++i) {
        EXPECT_EQ(got.Discards[i].Kind, expected.Discards[i].Kind);
        EXPECT_EQ(got.Discards[i].Win, expected.Discards[i].Win);
        EXPECT_EQ(got.Discards[i].Ready, expected.Discards[i].Ready);
      }
      ++shown;
    }
    const bool known = !PairiDlg->ChancesTooFar();
    ClickHand((m * 3) % HandSlots);
    if (known) {
      EXPECT_TRUE(PairiDlg->JudgementText().contains(QStringLiteral("和了率"))) << PairiDlg->JudgementText().toStdString();
    }
  }
  EXPECT_GT(shown, 0);
  EXPECT_TRUE(PairiDlg->SummaryLines().value(2).startsWith(QStringLiteral("和了率の損失 "))) << "the deal's score";
  EXPECT_GE(PairiDlg->WinLost(), 0.0);
}

// A wall whose first tiles are the kinds of `text` (the 13 dealt, then the
// draws) in order: each shuffle step brings the next wanted tile forward.
TRuleSource WallStarting(const std::string& text) {
  std::vector<int> wanted;
  std::array<int, KindCount> used{};
  for (const int code : hand::MpszCodes(text)) {
    const int kind = CodeKind(code);
    wanted.push_back(kind * 4 + used[Slot(kind)]++);
  }
  auto wall = std::make_shared<std::vector<int>>(PaiCount);
  std::iota(wall->begin(), wall->end(), 0);
  return TRuleSource([wall, wanted](int step) {
    if (step >= static_cast<int>(wanted.size())) return 0;
    const auto at = std::find(wall->begin() + step, wall->end(), wanted[Slot(step)]);
    std::iter_swap(wall->begin() + step, at);
    return static_cast<int>(at - (wall->begin() + step));
  });
}

// The practice flow asks for the chances of a 4-shanten hand, and the player
// discards before they come: the next draw's request replaces the first, whose
// answer never shows (so the discard is not judged by win chance), and the
// window shows the chances of the new hand.
TEST_F(PairiWindow, ADiscardBeforeTheChancesComeCancelsThemForTheNextDraw) {
  TRuleSource source = WallStarting("1357m2468p1357s1z2z9m");  // dealt, then draws 2z and 9m
  TScopedRandomSource guard(source);
  Open();
  ASSERT_EQ(MjShanten(Kinds(Table().Tepai, 0, HandSlots)), TChanceJob::MaxShanten);
  Dlg->MnPairi->trigger();
  ASSERT_NE(PairiDlg, nullptr);
  ASSERT_TRUE(PairiDlg->ChanceJob()->Busy());
  ClickHand(HandSlots - 1);  // throws the drawn 2z back; the draw of 9m follows at once
  ASSERT_EQ(Table().SuteCount, 1);

  const TKindCounts hand = Kinds(Table().Tepai, 0, HandSlots);
  const TKindCounts seen = Kinds(Table().Sutepai, 0, RowSlots);
  ASSERT_TRUE(QTest::qWaitFor([] { return PairiDlg->Chances() != nullptr; }, 60000));
  const TMjChanceTable expected = MjChances(hand, MjUnseen(hand, seen), DealDraws - 2);
  const TMjChanceTable& got = *PairiDlg->Chances();
  ASSERT_EQ(got.Discards.size(), expected.Discards.size());
  for (std::size_t i = 0; i < got.Discards.size(); ++i) EXPECT_EQ(got.Discards[i].Win, expected.Discards[i].Win);
  QTest::qWait(0);  // an answer for the first draw still queued would come in now
  EXPECT_EQ(PairiDlg->WinJudged(), 0);
  EXPECT_FALSE(PairiDlg->JudgementText().contains(QStringLiteral("和了率"))) << PairiDlg->JudgementText().toStdString();
}

// Another hand at the same draw is another computation: it starts at once
// instead of waiting for the older one's answer.
TEST(ChanceJob, AnotherHandAtTheSameDrawIsComputedAtOnce) {
  TPairiDlg dlg;
  TMjReview far, near;
  far.Start(ParseHand("1357m2468p1357s1z").Counts);  // 4 away: the longest the window asks for
  far.AddDraw(CodeKind(32));
  near.Start(ParseHand("123m456p789s1122z").Counts);
  near.AddDraw(CodeKind(33));
  dlg.ShowPairi(far, false);
  ASSERT_TRUE(dlg.ChanceJob()->Computing(far.Steps.back().Decision()));
  dlg.ShowPairi(near, false);
  EXPECT_TRUE(dlg.ChanceJob()->Computing(near.Steps.back().Decision()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.Chances() != nullptr; }, 60000));
  EXPECT_EQ(dlg.Chances()->Shanten, 0);
}

// A newer request stops the older one: only the newest answer arrives, and a
// cancelled computation answers nothing.
TEST(ChanceJob, NewestRequestWinsAndCancelAnswersNothing) {
  TChanceJob job;
  QSignalSpy done(&job, &TChanceJob::Done);
  const TKindCounts far = ParseHand("1357m2468p1357s12z").Counts;  // 4 shanten: the longest the windows ask for
  const TKindCounts ready = ParseHand("123m456p789s11122z").Counts;
  job.Request(1, TMjDecision{far, -1, NoKinds, false, DrawsLeftAfter(1), false});
  EXPECT_TRUE(job.Busy());
  job.Request(2, TMjDecision{ready, -1, NoKinds, false, DrawsLeftAfter(2), false});
  ASSERT_TRUE(done.wait(60000));
  QCoreApplication::processEvents();
  ASSERT_EQ(done.count(), 1);
  EXPECT_EQ(done.at(0).at(0).toInt(), 2);
  EXPECT_FALSE(job.Busy());

  job.Request(3, TMjDecision{far, -1, NoKinds, false, DrawsLeftAfter(3), false});
  job.Cancel();
  EXPECT_FALSE(job.Busy());
  QCoreApplication::processEvents();
  EXPECT_EQ(done.count(), 1);
}

// 11223456678899m after the first draw of the seeded one-suit deal, throwing 8m
// (tilelab-hand --prob --value --one-suit): on the shortest path it wins 99.35%
// for 23,844 points expected; with one shape change allowed, 100% for 27,812.
// The model chosen in 表示 reaches the analysis window at once, which names it.
TEST_F(PairiWindow, TheChosenModelGivesTheColumnsAndIsNamed) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  Open(true);
  Dlg->MnPairi->trigger();
  const auto eight = [](int extra) -> const TMjChance* {
    const TMjChanceTable* table = PairiDlg->Chances();
    return table && table->Extra == extra ? ChanceOf(*table, CodeKind(8)) : nullptr;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return eight(0) != nullptr; }, 60000));
  EXPECT_NEAR(eight(0)->Win, 0.9935, 5e-5);
  EXPECT_NEAR(eight(0)->Points, 23844, 0.5);
  EXPECT_EQ(PairiDlg->HeadText(), QStringLiteral("聴牌  （最短経路）"));

  QMenu* model = nullptr;
  for (QAction* item : Dlg->V1->actions())
    if (item->menu() && item->text() == QStringLiteral("確率のモデル(&M)")) model = item->menu();
  ASSERT_TRUE(model);
  model->actions()[1]->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return eight(1) != nullptr; }, 60000));
  EXPECT_NEAR(eight(1)->Win, 1.0, 5e-5);
  EXPECT_NEAR(eight(1)->Points, 27811.6, 0.5);
  EXPECT_EQ(PairiDlg->HeadText(), QStringLiteral("聴牌  （手替わり 1 手）"));
  TModelChoice::SetMoves(0);
}
