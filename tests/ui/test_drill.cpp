// The drill 復習 over a folder of records, and positions shared through the
// 編集 menu of the drill, the review and the practice window.

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "tests/support/HandNotation.h"
#include "tests/ui/test_viewer_support.h"
#include "ui/Tchance1.h"
#include "ui/Boarddlg1.h"
#include "ui/Drilldlg1.h"
#include "ui/Maindlg1.h"
#include "ui/Pairidlg1.h"
#include "ui/Reviewdlg1.h"

#define EXPECT_EQ_TEXT(actual, expected) EXPECT_EQ(QString(actual).toStdString(), QString(expected).toStdString())

namespace {

TRow Codes(const std::string& text) { return hand::MpszCodes(text); }

// Three away (tilelab-hand 234578m1689p357s1z): at draw 3 the record threw 8m,
// keeping 34 copies where 1p or 1z keep 44: the folder's one card, judged by copies.
const std::array<TRow, 4> MistakeDeal{Codes("234578m1689p357s"), Codes("2z3z1z"), Codes("2z3z8m"),
                                      Codes("23457m1689p357s1z")};

QAction* EditItem(QWidget* window, int index) {
  QMenuBar* bar = window->findChild<QMenuBar*>();
  for (QAction* menu : bar->actions())
    if (menu->text() == QStringLiteral("編集(&E)")) return menu->menu()->actions()[index];
  return nullptr;
}

class Drill : public ViewerTest {
protected:
  void SetUp() override {
    ViewerTest::SetUp();
    QSettings().clear();
    TModelChoice::SetMoves(0);  // the figures checked here are the shortest path's
    WriteFile(Path(QStringLiteral("mistake.csv")), RecordBytes(MistakeDeal));
  }
  // A drill window on a fixed day, keeping its state in the test's folder.
  void Prepare(TDrillDlg& d) {
    d.Clock = [] { return TRecordTime{2025, 12, 8, 9, 0, 0}; };
    d.DataFolder = Path(QStringLiteral("data"));
  }
  QString MarksOf(TDrillDlg& d, const QString& kind) {
    for (int row = 0; row < d.Table->rowCount(); ++row)
      if (d.Table->item(row, 0)->text() == kind) return d.Table->item(row, 5)->text();
    return QStringLiteral("(no row)");
  }
};

TEST_F(Drill, TheViewersMenuOpensTheDrillWhichAsksAndJudgesACardByKeys) {
  OpenRecordView();
  Dlg.Folder = Dir.path() + QLatin1Char('/');
  Dlg.MnDrill->trigger();
  TDrillDlg* d = Dlg.DrillDlg;
  ASSERT_TRUE(d && d->isVisible());
  Prepare(*d);
  d->WaitForDeck();
  ASSERT_EQ(d->Deck.Cards.size(), 1u);
  EXPECT_EQ_TEXT(d->LbQuestion->text(), QStringLiteral("何を切る?"));
  EXPECT_EQ_TEXT(d->LbCounts->text(), QStringLiteral("期日 0　新規 1　習得 0　この回の残り 1"));
  EXPECT_EQ(d->FrHand->Codes(), Codes("234578m1689p357s1z"));
  EXPECT_EQ(d->FrRiver->Codes(), Codes("2z3z"));

  QTest::keyClick(d, Qt::Key_Home);
  QTest::keyClick(d, Qt::Key_Left);   // stays on 2m
  QTest::keyClick(d, Qt::Key_End);    // the drawn 1z keeps 44: as good as the best
  QTest::keyClick(d, Qt::Key_Return);
  EXPECT_TRUE(d->Answered);
  EXPECT_TRUE(d->LbJudge->text().startsWith(QStringLiteral("○ 正解。")));
  EXPECT_EQ_TEXT(MarksOf(*d, QStringLiteral("1z")), QStringLiteral("◎最善 ← 解答"));
  EXPECT_EQ_TEXT(MarksOf(*d, QStringLiteral("8m")), QStringLiteral("牌譜"));
  EXPECT_EQ_TEXT(d->LbCounts->text(), QStringLiteral("期日 0　新規 0　習得 1　この回の残り 0"));
  const TMjDrillLoad saved = LoadDrillState(QFile::encodeName(d->StateFile).toStdString(), d->Clock());
  ASSERT_EQ(saved.State.Cards.size(), 1u);
  EXPECT_EQ(saved.State.Cards.begin()->second.Box, 2);

  QTest::keyClick(d, Qt::Key_Return);
  EXPECT_EQ_TEXT(d->LbQuestion->text(), QStringLiteral("今日の復習は終わりました。"));
  EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(Drill, AWrongAnswerComesBackInTheSittingAndItsRightAnswerDoesNotJump) {
  TDrillDlg d;
  Prepare(d);
  d.Open(Dir.path());
  d.WaitForDeck();
  d.AnswerCell(0);  // 2m keeps 38 copies; of 1p and 1z (44) the honour is named
  EXPECT_TRUE(d.LbJudge->text().startsWith(QStringLiteral("× 打牌 2m の有効牌は 38枚。最善の 1z なら 44枚。")));
  EXPECT_EQ_TEXT(MarksOf(d, QStringLiteral("2m")), QStringLiteral("← 解答"));
  d.Next();
  EXPECT_EQ_TEXT(d.LbQuestion->text(), QStringLiteral("何を切る?"));
  d.AnswerCell(TDrillDlg::HandCells - 1);
  EXPECT_EQ(d.State.Cards.begin()->second.Box, 1);
  EXPECT_EQ(d.State.Cards.begin()->second.Due, DayOf(d.Clock()) + 1);
}

// 4m2234449p345678s: throwing 2p keeps the most copies (35), but wins
// 46.16% by the last draw against 51.38%.
TEST_F(Drill, AWinChanceThresholdAddsCardsJudgedByWinChanceAndIsRemembered) {
  WriteFile(Path(QStringLiteral("slow.csv")),
            RecordBytes({Codes("4m2234449p34567s"), Codes("8s"), Codes("2p"), TRow{}}, "2024/05/07 07:08:09"));
  {
    TDrillDlg d;
    Prepare(d);
    d.SpMinLostWin->setValue(6.0);
    emit d.SpMinLostWin->editingFinished();
    d.Open(Dir.path());
    d.WaitForDeck();
    EXPECT_EQ(d.Deck.Cards.size(), 1u);  // the copies card only
  }
  TDrillDlg d;
  Prepare(d);
  EXPECT_EQ(d.SpMinLostWin->value(), 6.0);
  d.SpMinLostWin->setValue(5.0);
  emit d.SpMinLostWin->editingFinished();
  EXPECT_EQ(QSettings().value(QStringLiteral("drill/minLostWin")).toDouble(), 5.0);
  d.Open(Dir.path());
  d.WaitForDeck();
  ASSERT_EQ(d.Deck.Cards.size(), 2u);
  while (!d.Card.ByWin) {
    d.AnswerCell(0);
    d.Next();
  }
  EXPECT_EQ(d.FrHand->Codes(), Codes("4m2234449p34567s8s"));
  d.AnswerCell(1);  // 2p
  EXPECT_EQ_TEXT(d.LbJudge->text(),
                 QStringLiteral("× 打牌 2p の和了率は 46.2%。最善の 9p なら 51.4%。\n牌譜の打牌は 2p でした。"));
  EXPECT_EQ_TEXT(MarksOf(d, QStringLiteral("2p")), QStringLiteral("◎最善 ← 解答 牌譜"));
  EXPECT_EQ_TEXT(MarksOf(d, QStringLiteral("9p")), QStringLiteral("◎和了率"));
  // The table shows why: the win chance of every discard.
  for (int row = 0; row < d.Table->rowCount(); ++row) {
    const QString kind = d.Table->item(row, 0)->text();
    if (kind == QStringLiteral("2p")) {
      EXPECT_EQ_TEXT(d.Table->item(row, 4)->text(), QStringLiteral("46.2%"));
    }
    if (kind == QStringLiteral("9p")) {
      EXPECT_EQ_TEXT(d.Table->item(row, 4)->text(), QStringLiteral("51.4%"));
    }
  }
}

// An answer that cannot be saved is still judged on screen; the window says
// once that answers are not kept, shows no error box, and the sitting goes on.
TEST_F(Drill, AnAnswerThatCannotBeSavedIsJudgedAndTheWindowSaysSoOnce) {
  TDrillDlg d;
  Prepare(d);
  d.Open(Dir.path());
  d.WaitForDeck();
  ASSERT_FALSE(d.StateFile.isEmpty());
  ASSERT_TRUE(QDir().mkpath(d.StateFile));  // a folder where the state file goes: no save can succeed
  d.AnswerCell(0);                          // 2m: wrong
  EXPECT_TRUE(d.Answered);
  EXPECT_TRUE(d.LbJudge->text().startsWith(QStringLiteral("× 打牌 2m の有効牌は 38枚。")));
  EXPECT_TRUE(d.LbMessage->isVisibleTo(&d));
  EXPECT_TRUE(d.LbMessage->text().startsWith(QStringLiteral("答えを保存できません（")));
  EXPECT_TRUE(Warnings.isEmpty());
  d.Next();
  d.AnswerCell(TDrillDlg::HandCells - 1);  // the card came back; 1z is right
  EXPECT_TRUE(d.LbJudge->text().startsWith(QStringLiteral("○ 正解。")));
  EXPECT_TRUE(Warnings.isEmpty());
  EXPECT_EQ(d.State.Cards.begin()->second.Answers, 2);
}

TEST_F(Drill, ADamagedStateFileIsReportedAndKeptAside) {
  TDrillDlg d;
  Prepare(d);
  QDir().mkpath(d.DataFolder);
  const QString file = QDir(d.DataFolder).filePath(QString::fromStdString(
      DrillStateFileName(QFile::encodeName(QFileInfo(Dir.path()).canonicalFilePath()).toStdString())));
  WriteFile(file, "TileLab drill 1\nfolder x\ncard 12\nend 1\n");
  d.Open(Dir.path());
  d.WaitForDeck();
  EXPECT_EQ(d.StateFile, file);
  EXPECT_TRUE(d.LbMessage->isVisibleTo(&d));
  EXPECT_EQ_TEXT(d.LbMessage->text(), QStringLiteral("復習の記録 %1 は壊れています（3行目が読めません）。%1.damaged-20251208-090000 に移して、新しく記録します。"
                                                     "読めなかったカード 1 枚は失われました。")
                                         .arg(QDir::toNativeSeparators(file)));
  EXPECT_TRUE(QFile::exists(file + QStringLiteral(".damaged-20251208-090000")));
  EXPECT_EQ(d.Deck.Cards.size(), 1u);
}

TEST_F(Drill, CopyPutsThePositionOnTheClipboardAsTextAndPicture) {
  TDrillDlg d;
  Prepare(d);
  d.Open(Dir.path());
  d.WaitForDeck();
  QGuiApplication::clipboard()->clear();
  EditItem(&d, 0)->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  // The card after draw 3, the river 2z 3z: 15 draws left, both discards seen.
  EXPECT_EQ_TEXT(data->text(), QStringLiteral("234578m1689p357s1z draws=15 seen=23z"));
  EXPECT_TRUE(data->hasImage());

  // The review copies the step it shows, 13 tiles then the drawn one.
  OpenRecordView();
  Dlg.LoadRecordFile(Path(QStringLiteral("mistake.csv")));
  Dlg.MnReview->trigger();
  EditItem(Dlg.ReviewDlg, 0)->trigger();
  EXPECT_EQ_TEXT(QGuiApplication::clipboard()->text(), QStringLiteral("234578m1689p357s2z"));
}

TEST_F(Drill, PasteOpensAPositionOrSaysWhereTheTextIsWrong) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s11x22z"));
  EditItem(&d, 1)->trigger();
  ASSERT_EQ(Warnings.size(), 1);
  EXPECT_EQ_TEXT(
      Warnings[0],
      QStringLiteral("貼り付けた牌姿の 15文字目: 使えない文字です（1〜9 と m p s z、字牌は E S W N P F C も）。"));
  EXPECT_EQ(d.Board, nullptr);

  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s1122z"));
  EditItem(&d, 1)->trigger();
  ASSERT_TRUE(d.Board && d.Board->isVisible());
  EXPECT_EQ_TEXT(d.Board->LbHead->text(), QStringLiteral("聴牌  残りツモ 17回  山 123枚"));
  EXPECT_EQ_TEXT(d.Board->LbKinds->text().section(QStringLiteral("  "), 0, 1), QStringLiteral("待ち 12z  4枚"));

  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s1122z1z\n"));
  EditItem(&d, 1)->trigger();
  EXPECT_EQ(d.Board->Table->rowCount(), 11);
  EXPECT_EQ_TEXT(d.Board->Table->item(0, TBoardDlg::ColKind)->text(),
                 QStringLiteral("1m"));  // tilelab-hand: 1m keeps 7

  QGuiApplication::clipboard()->setText(QStringLiteral("123m456p789s112z"));
  EditItem(&d, 1)->trigger();
  ASSERT_EQ(Warnings.size(), 2);
  EXPECT_EQ_TEXT(Warnings[1], QStringLiteral("貼り付けた牌姿は 12枚です。13枚か14枚にしてください。"));
  EXPECT_EQ(d.Board->Table->rowCount(), 11);  // unchanged
}

}  // namespace

// Return in a threshold field applies the value typed there and answers no card;
// the deck is built anew for it, and the card of the last deck is not shown meanwhile.
TEST_F(Drill, ReturnInAThresholdFieldAppliesItAndAnswersNoCard) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  d.Open(Dir.path());
  d.WaitForDeck();
  ASSERT_EQ(d.Deck.Cards.size(), 1u);  // 8m lost 10 copies
  d.SpMinLost->setFocus();
  d.SpMinLost->selectAll();
  QTest::keyClicks(d.SpMinLost, QStringLiteral("11"));
  QTest::keyClick(d.SpMinLost, Qt::Key_Return);
  EXPECT_FALSE(d.Answered);
  EXPECT_EQ(QSettings().value(QStringLiteral("drill/minLostCopies")).toInt(), 11);
  ASSERT_TRUE(d.Running());
  EXPECT_TRUE(d.FrHand->Codes().empty());
  d.WaitForDeck();
  EXPECT_TRUE(d.Deck.Cards.empty());  // no discard lost 11 copies
  EXPECT_EQ_TEXT(d.LbQuestion->text(), QStringLiteral("このフォルダには復習する打牌がありません。"));
}

// Tab leaves the field with the value typed applied; the arrows step the value
// and the deck follows once it stands, one build for many steps.
TEST_F(Drill, TabAndTheArrowsApplyTheValueShownOnceItStands) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  d.Open(Dir.path());
  d.WaitForDeck();
  d.SpMinLost->setFocus();
  d.SpMinLost->selectAll();
  QTest::keyClicks(d.SpMinLost, QStringLiteral("11"));
  QTest::keyClick(d.SpMinLost, Qt::Key_Tab);
  EXPECT_TRUE(d.Running());
  d.WaitForDeck();
  EXPECT_TRUE(d.Deck.Cards.empty());

  d.SpMinLost->setFocus();
  for (int step = 0; step < 3; ++step) QTest::keyClick(d.SpMinLost, Qt::Key_Down);
  EXPECT_EQ(d.SpMinLost->value(), 8);
  EXPECT_FALSE(d.Running());  // no build per step
  ASSERT_TRUE(d.SettleTimer->isActive());
  d.SettleTimer->start(0);  // the value has stood long enough
  QCoreApplication::processEvents();
  EXPECT_TRUE(d.Running());
  d.WaitForDeck();
  EXPECT_EQ(d.Deck.Cards.size(), 1u);
  EXPECT_EQ(QSettings().value(QStringLiteral("drill/minLostCopies")).toInt(), 8);
}

// While another folder's deck is built, the window names that folder and
// shows no card of the folder before; a key meanwhile answers nothing.
TEST_F(Drill, ANewFolderIsNamedAtOnceAndTheOldCardLeaves) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  d.Open(Dir.path());
  d.WaitForDeck();
  ASSERT_FALSE(d.FrHand->Codes().empty());
  const QTemporaryDir other;
  WriteFile(QDir(other.path()).filePath(QStringLiteral("mistake.csv")), RecordBytes(MistakeDeal));
  d.Open(other.path());
  ASSERT_TRUE(d.Running());
  const QString name = QDir::toNativeSeparators(QFileInfo(other.path()).canonicalFilePath());
  EXPECT_EQ_TEXT(d.LbFolder->text(), QStringLiteral("フォルダ: %1（カードを作っています…）").arg(name));
  EXPECT_TRUE(d.FrHand->Codes().empty());
  EXPECT_TRUE(d.LbCard->text().isEmpty());
  QTest::keyClick(&d, Qt::Key_Return);
  EXPECT_FALSE(d.Answered);
  d.WaitForDeck();
  EXPECT_EQ_TEXT(d.LbFolder->text(), QStringLiteral("フォルダ: %1").arg(name));
  EXPECT_FALSE(d.FrHand->Codes().empty());
}

// Return held down answers the card once and goes no further: the answer stays
// shown, and the schedule holds the one answer given.
TEST_F(Drill, AHeldReturnAnswersOnce) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  d.Open(Dir.path());
  d.WaitForDeck();
  HoldKey(&d, Qt::Key_Return);
  EXPECT_TRUE(d.Answered);
  ASSERT_EQ(d.State.Cards.size(), 1u);
  EXPECT_EQ(d.State.Cards.begin()->second.Answers, 1);
  HoldKey(&d, Qt::Key_Return);  // held anew: on to the next card, once
  EXPECT_FALSE(d.Answered);
  EXPECT_EQ(d.State.Cards.begin()->second.Answers, 1);
}

// A folder's long path stays in its label: the window does not widen for it.
TEST_F(Drill, ALongFolderPathDoesNotWidenTheWindow) {
  TDrillDlg d;
  Prepare(d);
  d.show();
  QCoreApplication::processEvents();
  const int before = d.width();
  const QString deep = QDir(Dir.path()).filePath(QString(200, QLatin1Char('d')));
  QDir().mkpath(deep);
  d.Open(deep);
  d.WaitForDeck();
  EXPECT_TRUE(d.LbFolder->text().contains(QString(200, QLatin1Char('d'))));
  QCoreApplication::processEvents();
  EXPECT_EQ(d.width(), before);
  EXPECT_LT(d.minimumSizeHint().width(), before + 1);
}
