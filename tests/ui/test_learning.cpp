// Learning from saved deals: the review window, the waits quiz of discard
// reading and the statistics over a folder.

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <algorithm>
#include <fstream>

#include "records/Filelist1.h"
#include "tests/support/GeneratedRecords.h"
#include "tests/support/HandNotation.h"
#include "tests/ui/test_viewer_support.h"
#include "ui/Quizdlg1.h"
#include "ui/Reviewdlg1.h"
#include "ui/Statsdlg1.h"
#include "ui/Tchance1.h"
#include "ui/Tchart1.h"

// Texts compared as UTF-8, so a failure prints them readably.
#define EXPECT_EQ_TEXT(actual, expected) EXPECT_EQ(QString(actual).toStdString(), QString(expected).toStdString())

namespace {

TRow Codes(const std::string& text) { return hand::MpszCodes(text); }

TKindMask Kinds(const std::string& text) {
  TKindMask mask = 0;
  for (int code : Codes(text)) mask |= TKindMask{1} << CodeKind(code);
  return mask;
}

class Learning : public ViewerTest {
protected:
  void SetUp() override {
    ViewerTest::SetUp();
    QSettings().clear();
    TModelChoice::SetMoves(0);  // the figures checked here are the shortest path's
  }
  QString Record(const QString& name, const std::array<TRow, 4>& rows) {
    return WriteFile(Path(name), RecordBytes(rows));
  }
  void Key(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }
};

// Ready from the deal on 1z 2z; 3z and 5m thrown as drawn (both best), then 1z
// completes the hand and is thrown again: the deal goes on, and that discard is
// no decision (judged, it would have lost to 1m's 7 copies).
const std::array<TRow, 4> KnownDeal{Codes("123m456p789s1122z"), Codes("3z5m1z"), Codes("3z5m1z"),
                                    Codes("123m456p789s1122z")};

TEST_F(Learning, TheReviewStepsThroughAKnownDealWithItsTablesAndJudgements) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("known.csv"), KnownDeal));
  Dlg.MnReview->trigger();
  TReviewDlg* r = Dlg.ReviewDlg;
  ASSERT_TRUE(r && r->isVisible());
  EXPECT_FALSE(r->LbMessage->isVisible());
  EXPECT_EQ_TEXT(r->LbSummary->text(), QStringLiteral("効率 100.0%　最善 2/2　初聴牌 配牌　ツモ和了 3巡目"));

  EXPECT_EQ(r->Step, 0);
  EXPECT_EQ_TEXT(r->LbStep->text(), QStringLiteral("1巡目 / 3　ツモ 3z"));
  EXPECT_EQ(r->FrHand->Codes(), Codes("123m456p789s1122z3z"));
  EXPECT_EQ(r->FrHand->Mark(13), TFrTileRow::TMark::Chosen);  // thrown as drawn
  // Ready, so the win chance judges: 45.58% (tilelab-hand --prob 123m456p789s1122z3z).
  EXPECT_EQ_TEXT(r->LbJudge->text(), QStringLiteral("◎ 和了率で最善の打牌です（和了率 45.6%）。"));
  EXPECT_EQ_TEXT(r->LbChance->text(), QStringLiteral("和了率 45.6% / 最善 45.6%（損失 0.0%） ［最短経路］"));
  EXPECT_EQ(r->Table->item(0, 0)->text(), QStringLiteral("3z"));  // the best first
  EXPECT_EQ_TEXT(r->Table->item(0, 7)->text(), QStringLiteral("◎最善 ◎和了率 ← 打牌"));
  // The effective tiles of the discard made, counted against the player's own tiles.
  EXPECT_EQ(r->FrEffective->Codes(), Codes("12z"));
  EXPECT_TRUE(r->LbEffective->text().contains(QStringLiteral("2種 4枚")));
  // The viewer's sheet marks the step's column.
  const QWidget* mark = Dlg.FrMjSheet1->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_TRUE(mark);

  Key(r, Qt::Key_Right);
  EXPECT_EQ(r->Step, 1);
  Key(r, Qt::Key_End);
  EXPECT_EQ(r->Step, 2);
  EXPECT_EQ_TEXT(r->LbJudge->text(), QStringLiteral("ツモ和了の形です。和了の後の打牌は評価しません。"));
  EXPECT_EQ_TEXT(r->LbChance->text(), QString());
  Key(r, Qt::Key_Right);  // stays on the last step
  EXPECT_EQ(r->Step, 2);
  Key(r, Qt::Key_Home);
  EXPECT_EQ(r->Step, 0);
  Key(r, Qt::Key_N);  // no mistake in the deal: N stays
  EXPECT_EQ(r->Step, 0);
  Key(r, Qt::Key_Right);
  EXPECT_EQ(r->Step, 1);

  QList<QWidget*> marks;
  for (QWidget* w : Dlg.FrMjSheet1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->width() == TFrMjPai::PaiWidth) marks << w;
  ASSERT_EQ(marks.size(), 1);
  EXPECT_EQ(marks[0]->x(), 1 * TFrMjPai::PaiWidth);
  r->hide();
  EXPECT_FALSE(marks[0]->isVisible());
}

// A closed review computes nothing; shown again, it goes on.
TEST_F(Learning, TheReviewStopsComputingWhenClosed) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("far.csv"), {Codes("234578m1689p357s"), Codes("2z3z1z"), Codes("2z3z8m"),
                                                        Codes("23457m1689p357s1z")}));
  Dlg.MnReview->trigger();
  TReviewDlg* r = Dlg.ReviewDlg;
  ASSERT_TRUE(r->ChanceJob()->Busy());
  r->hide();
  EXPECT_FALSE(r->ChanceJob()->Busy());
  QCoreApplication::processEvents();
  EXPECT_EQ(r->ChancesOf(0), nullptr);
  r->show();
  EXPECT_TRUE(r->ChanceJob()->Busy());
  ASSERT_TRUE(QTest::qWaitFor([&] { return r->ChancesOf(0) && r->ChancesOf(1) && r->ChancesOf(2); }, 60000));
}

// Every step's chances come from the engine, off the window's thread; once they
// are known, N goes by the win chance lost.
TEST_F(Learning, TheReviewShowsTheEngineChancesAndNJumpsToTheWinLost) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("known.csv"), KnownDeal));
  Dlg.MnReview->trigger();
  TReviewDlg* r = Dlg.ReviewDlg;
  const int steps = static_cast<int>(r->Review.Steps.size());
  // The discard after the win is no decision: nothing is computed for it.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        for (int i = 0; i < steps - 1; ++i)
          if (!r->ChancesOf(i)) return false;
        return true;
      },
      60000));
  EXPECT_EQ(r->ChancesOf(2), nullptr);
  for (int i = 0; i < steps - 1; ++i) {
    SCOPED_TRACE(i);
    r->ShowStep(i);
    const TMjReviewStep& step = r->Review.Steps[static_cast<std::size_t>(i)];
    const TMjChanceTable expected = MjChances(step.Hand, MjUnseen(step.Hand, step.Seen), DealDraws - step.Draw);
    for (int row = 0; row < r->Table->rowCount(); ++row) {
      const int kind = CodeKind(Codes(r->Table->item(row, 0)->text().toStdString()).front());
      const TMjChance* c = ChanceOf(expected, kind);
      EXPECT_EQ_TEXT(r->Table->item(row, 4)->text(), c ? ChancePercent(c->Ready) : QStringLiteral("-"));
      EXPECT_EQ_TEXT(r->Table->item(row, 5)->text(), c ? ChancePercent(c->Win) : QStringLiteral("-"));
    }
  }
  // The win's 1z would have kept the 1z-2z wait (3 copies) where 1m waits on
  // 1m-4m (7); but the hand was complete: no loss, and N does not stop there.
  EXPECT_FALSE(r->LostWin(0));
  EXPECT_FALSE(r->LostWin(1));
  EXPECT_FALSE(r->LostWin(2));
  Key(r, Qt::Key_Home);
  Key(r, Qt::Key_N);
  EXPECT_EQ(r->Step, 0);
}

// The record keeps no winds: the review values its win under the practice
// window's remembered ones and says which it assumed.
TEST_F(Learning, TheReviewValuesTheDealsWinUnderTheRememberedWinds) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("known.csv"), KnownDeal));
  Dlg.MnReview->trigger();
  TReviewDlg* r = Dlg.ReviewDlg;
  ASSERT_TRUE(r && r->isVisible());
  EXPECT_TRUE(r->LbWin->isVisible());
  EXPECT_EQ_TEXT(r->LbWin->text(),
                 QStringLiteral("3巡目のツモ和了（東場 東家とみなす）: 門前清自摸和 1翻、自風牌 1翻、場風牌 1翻\n"
                                "副底 20 + ツモ 2 + 暗刻 1z 8 = 30符\n"
                                "30符 3翻  6000点（2000オール）"));

  QSettings().setValue(QStringLiteral("Practice/SeatWind"), 1);
  Dlg.LoadRecordFile(Record(QStringLiteral("known.csv"), KnownDeal));
  EXPECT_TRUE(r->LbWin->text().startsWith(QStringLiteral("3巡目のツモ和了（東場 南家とみなす）: 門前清自摸和 1翻、場風牌 1翻\n")));
  EXPECT_TRUE(r->LbWin->text().endsWith(QStringLiteral("雀頭 2z 2 = 32 → 40符\n40符 2翻  2700点（子 700 / 親 1300）")));

  Dlg.LoadRecordFile(Record(QStringLiteral("nowin.csv"), {Codes("123m456p789s1122z"), Codes("3z"), Codes("3z"), {}}));
  EXPECT_FALSE(r->LbWin->isVisible());
}

TEST_F(Learning, ARecordThatDoesNotAddUpIsNamedInTheReviewAndTheViewerGoesOn) {
  const struct {
    const char* name;
    std::array<TRow, 4> rows;
    QString message;
    int stepsKept;
  } cases[] = {
      {"not-held.csv", {Codes("123m456p789s1122z"), Codes("3z5m"), Codes("3z6s"), {}},
       QStringLiteral("2巡目: 手牌にない 6s を捨てています。"), 2},
      {"code38.csv", {Codes("123m456p789s1122z"), TRow{33, 38}, Codes("3z"), {}},
       QStringLiteral("2巡目: 牌でないコード 38 があります。"), 1},
      {"fifth.csv", {Codes("1111m456p789s112z"), Codes("1m"), {}, {}}, QStringLiteral("1巡目: 1m が5枚目です。"), 0},
      {"ends-early.csv", {Codes("123m456p789s1122z"), Codes("3z"), Codes("3z5m6m"), {}},
       QStringLiteral("2巡目: ツモと捨牌の数が合いません。"), 1},
      {"short-deal.csv", {Codes("123m456p789s112z"), {}, {}, {}}, QStringLiteral("配牌が13枚ではありません。"), 0},
  };
  OpenRecordView();
  Dlg.MnReviewClick();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Record(QString::fromLatin1(c.name), c.rows);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    EXPECT_TRUE(Dlg.LoadRecordFile(path));
    Dlg.DrawSheet();
    EXPECT_TRUE(Dlg.ReviewDlg->LbMessage->isVisible());
    EXPECT_EQ_TEXT(Dlg.ReviewDlg->LbMessage->text(), QStringLiteral("この牌譜は内容が合いません。 ") + c.message);
    EXPECT_EQ(static_cast<int>(Dlg.ReviewDlg->Review.Steps.size()), c.stepsKept);
    // No discard judged: no efficiency figure rather than 100 %.
    EXPECT_EQ(Dlg.ReviewDlg->LbSummary->text().startsWith(QStringLiteral("効率 —　")), c.stepsKept == 0);
    // The viewer shows the record as it is and nothing is written.
    EXPECT_EQ(SheetCell(Dlg, 0), TileCell(Dlg, c.rows[0][0]));
    EXPECT_TRUE(Dlg.MnBmpSave->isEnabled());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
  }
  EXPECT_TRUE(Warnings.isEmpty());
}

// A failed open leaves the sheet on the deal before, and the review with it:
// it never reviews the file that did not load, whole or in part.
TEST_F(Learning, AFailedOpenLeavesTheReviewOnTheDealShown) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("known.csv"), KnownDeal));
  Dlg.MnReviewClick();
  ASSERT_EQ(Dlg.ReviewDlg->Step, 0);
  const std::size_t steps = Dlg.ReviewDlg->Review.Steps.size();
  EXPECT_THROW(Dlg.LoadRecordFile(Path(QStringLiteral("missing.csv"))), std::runtime_error);
  EXPECT_EQ(Dlg.ReviewDlg->Review.Steps.size(), steps);
  const QString shortFile =
      WriteFile(Path(QStringLiteral("short.csv")), "TileLab 1.0,2030/01/01 00:00:00\r\n01,02,03\r\n05\r\n");
  EXPECT_THROW(Dlg.LoadRecordFile(shortFile), std::runtime_error);
  EXPECT_EQ(Dlg.ReviewDlg->Review.Steps.size(), steps);
  // The known deal's summary: the discard after its win is not judged.
  EXPECT_EQ_TEXT(Dlg.ReviewDlg->LbSummary->text(), QStringLiteral("効率 100.0%　最善 2/2　初聴牌 配牌　ツモ和了 3巡目"));
}

TEST_F(Learning, TheQuizScoresExactAnswersAndShowsTheHandAndItsWaits) {
  const QString shanpon = Record(QStringLiteral("shanpon.csv"), KnownDeal);  // waits on 1z 2z
  const QString noten = Record(QStringLiteral("noten.csv"), {Codes("147m258p369s1234z"), {}, {}, Codes("147m258p369s1234z")});
  const QString fourHeld = Record(QStringLiteral("four.csv"), {TRow{}, TRow{}, TRow{}, Codes("1111m456p789s123z")});
  OpenDiscardReading();
  EXPECT_EQ(Dlg.QuizDlg, nullptr);  // off until 待ち当て is checked
  Dlg.MnQuiz->trigger();
  ASSERT_TRUE(Dlg.QuizDlg && Dlg.QuizDlg->isVisible());
  TQuizDlg* q = Dlg.QuizDlg;

  // F5 asks about the file it opens.
  FolderAnswer = Dir.path();
  Dlg.MnSetFolderClick();
  Dlg.MnRandOpenClick();
  EXPECT_TRUE(q->Quiz.Question.Valid);
  EXPECT_FALSE(q->LbQuestion->text().startsWith(QStringLiteral("F5")));

  Dlg.LoadRecordFile(shanpon);
  EXPECT_EQ(q->Quiz.Question.Waits, Kinds("12z"));
  q->FrPalette->OnCellClick(TQuizDlg::PaletteCell(CodeKind(31)));
  q->FrPalette->OnCellClick(TQuizDlg::PaletteCell(CodeKind(32)));
  EXPECT_EQ(q->FrPalette->Mark(CodeKind(31)), TFrTileRow::TMark::Selected);
  EXPECT_TRUE(q->FrHand->Codes().empty());  // the hand stays hidden until the answer
  Activate();
  Key(&Dlg, Qt::Key_Return);  // from the viewer as from the quiz
  EXPECT_TRUE(q->Quiz.Answered);
  EXPECT_EQ_TEXT(q->LbResult->text(), QStringLiteral("正解！"));
  EXPECT_EQ(q->FrHand->Codes(), Codes("123m456p789s1122z"));
  EXPECT_EQ(q->FrWaits->Codes(), Codes("12z"));
  EXPECT_EQ(q->FrPalette->Mark(CodeKind(31)), TFrTileRow::TMark::Hit);

  // A part of the waits and a wrong kind: both marked, and wrong.
  Dlg.LoadRecordFile(shanpon);
  EXPECT_FALSE(q->Quiz.Answered);
  q->ToggleKind(CodeKind(31));
  q->ToggleKind(CodeKind(5));
  Key(q, Qt::Key_Return);
  EXPECT_EQ_TEXT(q->LbResult->text(), QStringLiteral("残念、不正解。"));
  EXPECT_EQ(q->FrPalette->Mark(CodeKind(31)), TFrTileRow::TMark::Hit);
  EXPECT_EQ(q->FrPalette->Mark(CodeKind(5)), TFrTileRow::TMark::Miss);
  EXPECT_EQ(q->FrPalette->Mark(CodeKind(32)), TFrTileRow::TMark::Missed);
  q->Check();  // one answer per record
  EXPECT_EQ(q->Quiz.Answers, 2);

  // Not ready, answered ノーテン; a wait on a kind held four times is none.
  for (const QString& path : {noten, fourHeld}) {
    Dlg.LoadRecordFile(path);
    EXPECT_EQ(q->Quiz.Question.Waits, 0u);
    EXPECT_FALSE(q->BnCheck->isEnabled());  // nothing picked yet
    q->BnNoten->click();
    q->BnCheck->click();
    EXPECT_EQ_TEXT(q->LbResult->text(), QStringLiteral("正解！"));
  }
  EXPECT_EQ_TEXT(q->LbScore->text(), QStringLiteral("成績: 3 / 4 問正解（75%）"));

  // A hand row that is no 13-tile hand asks nothing and counts nothing.
  Dlg.LoadRecordFile(Record(QStringLiteral("broken.csv"), {TRow{}, TRow{}, TRow{}, Codes("123m")}));
  EXPECT_FALSE(q->Quiz.Question.Valid);
  q->ToggleKind(0);
  q->Check();
  EXPECT_EQ(q->Quiz.Answers, 4);
}

TEST_F(Learning, TheQuizIsRememberedAndShowsOnlyInDiscardReading) {
  OpenDiscardReading();
  Dlg.MnQuiz->trigger();
  ASSERT_TRUE(Dlg.QuizDlg->isVisible());
  Dlg.hide();
  EXPECT_FALSE(Dlg.QuizDlg->isVisible());

  TViewDlg other;
  other.SetupRecordView();
  other.Prepare();
  other.show();
  EXPECT_TRUE(other.MnQuiz->isChecked());  // remembered across runs
  EXPECT_EQ(other.QuizDlg, nullptr);       // but no quiz in record mode
  other.hide();
  other.SetupDiscardReading();
  other.Prepare();
  other.show();
  ASSERT_TRUE(other.QuizDlg && other.QuizDlg->isVisible());
  other.MnQuiz->trigger();
  EXPECT_FALSE(other.QuizDlg->isVisible());
  EXPECT_FALSE(QSettings().value(QStringLiteral("viewer/waitsQuiz")).toBool());
  other.hide();
}

class Statistics : public Learning {
protected:
  // count generated deals and two files that give none.
  void MakeFolder(int count) {
    for (int i = 0; i < count; ++i) {
      std::ofstream out(Path(QStringLiteral("d%1.csv").arg(i)).toStdString(), std::ios::binary);
      out << GeneratedRecord(static_cast<std::uint32_t>(i + 1), 10 * i, i == 3 ? 9 : 18);
    }
    WriteFile(Path(QStringLiteral("memo.csv")), "shopping list\r\n");
    WriteFile(Path(QStringLiteral("bad.csv")), RecordBytes({Codes("123m456p789s1122z"), Codes("3z"), Codes("6s"), {}}));
  }
};

TEST_F(Statistics, AFolderGivesTheSumOfItsRecordsFailuresListedAndTheCsvSaved) {
  MakeFolder(12);
  OpenRecordView();
  Dlg.Folder = Dir.path() + QLatin1Char('/');
  Dlg.MnStats->trigger();
  TStatsDlg* s = Dlg.StatsDlg;
  ASSERT_TRUE(s && s->isVisible());
  s->WaitForResult();
  EXPECT_FALSE(s->Running());

  std::vector<TMjRecordStats> each;
  for (const std::string& name : RecordFileNames(Dir.path()))
    each.push_back(AnalyseRecordFile(Path(QString::fromStdString(name)).toStdString(), name));
  const TMjStatsTotals expected = SumStats(each);
  EXPECT_EQ(s->Totals.Deals, 12);
  EXPECT_EQ(s->Totals.Failures, 2);
  EXPECT_EQ(s->Totals.Decisions, expected.Decisions);
  EXPECT_EQ(s->Totals.BestChoices, expected.BestChoices);
  EXPECT_EQ(s->Totals.ChosenCount, expected.ChosenCount);
  EXPECT_EQ(s->Totals.BestCount, expected.BestCount);
  EXPECT_EQ(s->Totals.ReadyBy, expected.ReadyBy);
  EXPECT_EQ(s->Totals.Wins, expected.Wins);
  EXPECT_EQ(s->Totals.WinJudged, expected.WinJudged);
  EXPECT_NEAR(s->Totals.WinKept(), expected.WinKept(), 1e-9);
  EXPECT_EQ_TEXT(s->LbTotals->text(), TStatsDlg::TotalsText(expected));
  EXPECT_EQ(s->Deals.size(), 12u);
  // One point per deal with a decision judged by its win chance, in time order.
  QVector<double> kept;
  for (const TMjDealStats& deal : s->Deals)
    if (deal.HasWinKept()) kept.append(deal.WinKept());
  EXPECT_GT(kept.size(), 0);
  EXPECT_EQ(s->ChartWinKept->Values, kept);

  QStringList failures;
  for (int i = 0; i < s->FailureList->count(); ++i) failures << s->FailureList->item(i)->text();
  failures.sort();
  EXPECT_EQ_TEXT(failures.join(QLatin1Char('|')), (QStringList{QStringLiteral("bad.csv: 内容が合いません。 1巡目: 手牌にない 6s を捨てています。"),
                                   QStringLiteral("memo.csv: 牌譜ファイルではありません。")}.join(QLatin1Char('|'))));

  SaveAnswer = Path(QStringLiteral("stats.csv"));
  s->SaveDialog = [this](const QString&) { return SaveAnswer; };
  s->BnSave->click();
  QFile saved(SaveAnswer);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().toStdString(), StatsCsv(s->Deals));
  EXPECT_EQ_TEXT(s->LbSaved->text(), QStringLiteral("保存しました: stats.csv"));

  // The table saved beside the records is neither a deal nor a failure next time.
  s->Analyse(Dir.path());
  s->WaitForResult();
  EXPECT_EQ(s->Totals.Deals, 12);
  EXPECT_EQ(s->Totals.Failures, 2);
  EXPECT_EQ(s->FailureList->count(), 2);
  EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(Statistics, ARunShowsProgressAtOnceBeforeTheFolderIsListed) {
  MakeFolder(3);
  TStatsDlg s;
  s.Analyse(Dir.path());
  // Nothing of the folder is known yet: the bar runs busy and Cancel is offered.
  EXPECT_TRUE(s.Running());
  EXPECT_EQ(s.ProgressBar1->maximum(), 0);
  EXPECT_FALSE(s.ProgressBar1->isHidden());
  EXPECT_FALSE(s.BnCancel->isHidden());
  EXPECT_EQ_TEXT(s.LbTotals->text(), QStringLiteral("ファイルを探しています..."));
  s.WaitForResult();
  EXPECT_FALSE(s.Running());
  EXPECT_EQ(s.Totals.Deals, 3);
}

TEST_F(Statistics, DealsWithoutDecisionsShowNoEfficiency) {
  TMjStatsTotals t;
  t.Deals = 2;
  EXPECT_TRUE(TStatsDlg::TotalsText(t).contains(QStringLiteral("効率 —　最善の打牌 0/0（—）")));
}

TEST_F(Statistics, TheWinsArePointedUnderTheRememberedWindsSummedAndCharted) {
  Record(QStringLiteral("known.csv"), KnownDeal);
  std::ofstream(Path(QStringLiteral("plain.csv")).toStdString(), std::ios::binary) << GeneratedRecord(5);
  QSettings().setValue(QStringLiteral("Practice/SeatWind"), 1);
  TStatsDlg s;
  s.Analyse(Dir.path());
  s.WaitForResult();
  ASSERT_EQ(s.Totals.Deals, 2);
  const TMjDealStats& known = s.Deals[0].File == "known.csv" ? s.Deals[0] : s.Deals[1];
  EXPECT_EQ(known.WinPoints, 2700);  // for the south seat: 場風牌, the self-draw and a pair of the seat wind
  QVector<double> charted;
  long long sum = 0;
  for (const TMjDealStats& d : s.Deals)
    if (d.WinDraw >= 0) {
      charted << d.WinPoints;
      sum += d.WinPoints;
    }
  EXPECT_EQ(s.Totals.WinPoints, sum);
  EXPECT_EQ(s.ChartPoints->Values, charted);
  EXPECT_EQ(s.ChartPoints->Top, 8000.0);
  EXPECT_TRUE(s.ChartPoints->Title.contains(QStringLiteral("東場 南家")));
  EXPECT_TRUE(s.LbTotals->text().contains(QStringLiteral("（計 %1点）").arg(sum)));
  const int row = &known == &s.Deals[0] ? 0 : 1;
  EXPECT_EQ_TEXT(s.DealTable->model()->index(row, 7).data().toString(), QStringLiteral("2700"));
}

TEST_F(Statistics, CancelLeavesTheLastWholeResultAndNothingOfTheRun) {
  MakeFolder(6);
  TStatsDlg s;
  s.Analyse(Dir.path());
  s.Cancel();
  s.WaitForResult();
  EXPECT_TRUE(s.Records.empty());
  EXPECT_EQ(s.Totals.Deals, 0);
  EXPECT_TRUE(s.LbTotals->text().startsWith(QStringLiteral("集計を中止しました。")));
  EXPECT_FALSE(s.BnSave->isEnabled());

  s.Analyse(Dir.path());
  s.WaitForResult();
  ASSERT_EQ(s.Totals.Deals, 6);
  const TMjStatsTotals whole = s.Totals;
  const QTemporaryDir other;
  std::ofstream(QDir(other.path()).filePath(QStringLiteral("x.csv")).toStdString()) << GeneratedRecord(99);
  s.Analyse(other.path());
  EXPECT_TRUE(s.Running());
  // The folder being read is named at once, not the one of the result below.
  EXPECT_EQ_TEXT(s.LbFolder->text(),
                 QStringLiteral("フォルダ: %1（集計しています…）").arg(QDir::toNativeSeparators(other.path())));
  s.Cancel();
  s.WaitForResult();
  EXPECT_EQ_TEXT(s.LbFolder->text(), QStringLiteral("フォルダ: %1").arg(QDir::toNativeSeparators(Dir.path())));
  EXPECT_EQ(s.Totals.Deals, whole.Deals);
  EXPECT_EQ(s.Totals.BestChoices, whole.BestChoices);
  EXPECT_EQ(s.ResultFolder, Dir.path());
  EXPECT_EQ(s.Records.size(), 8u);
}

// A name that is not valid UTF-8 is a record like any other: the viewer's
// random opening lists it, and so do the statistics, which read it by its bytes.
TEST_F(Statistics, ANameThatIsNotUtf8CountsAsTheViewerListsIt) {
  const std::string folder = QFile::encodeName(Dir.path()).toStdString() + '/';
  std::ofstream(folder + "\xff\xfe.csv", std::ios::binary) << GeneratedRecord(7);
  std::ofstream(folder + "plain.csv", std::ios::binary) << GeneratedRecord(8);
  TFileList viewer;
  viewer.Build(folder);
  ASSERT_EQ(viewer.Size(), 2u);

  TStatsDlg s;
  s.Analyse(Dir.path());
  s.WaitForResult();
  EXPECT_EQ(s.Totals.Deals, 2);
  EXPECT_EQ(s.Totals.Failures, 0);
  std::vector<std::string> files;
  for (const TMjDealStats& d : s.Deals) files.push_back(d.File);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"plain.csv", "\xff\xfe.csv"}));
}

}  // namespace

// N held down jumps once: from the first step to the next whose discard was
// not best, here the very next, though every discard of the deal was poor.
TEST_F(Learning, AHeldNJumpsOnce) {
  OpenRecordView();
  Dlg.LoadRecordFile(Record(QStringLiteral("poor.csv"), {Codes("123m456p789s1122z"), Codes("3z5m4z"),
                                                         Codes("1m2m3m"), TRow{}}));
  Dlg.MnReview->trigger();
  TReviewDlg* r = Dlg.ReviewDlg;
  ASSERT_TRUE(r && r->isVisible());
  ASSERT_EQ(r->Step, 0);
  HoldKey(r, Qt::Key_N);
  EXPECT_EQ(r->Step, 1);
}

// A line over more deals than the chart has pixels keeps every deal's value in
// sight: one deal far above the rest still reaches the top, and a run that
// swings between its deals fills its columns from its lowest to its highest value.
TEST(Chart, ALineOfManyDealsKeepsEveryValueInSight) {
  TChartView chart;
  chart.resize(440, 260);
  QVector<double> values(10000, 50.0);
  values[5005] = 100.0;
  for (int i = 8000; i < 10000; ++i) values[i] = i % 7 == 3 ? 10.0 : i % 7 == 5 ? 90.0 : 50.0;
  chart.SetData(TChartView::Line, QStringLiteral("t"), QStringLiteral("x"), values);
  QImage picture(chart.size(), QImage::Format_RGB32);
  chart.render(&picture);
  // The ink's rows in a column of the picture, top and bottom.
  auto inked = [&picture](int x) {
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < picture.height(); ++y) {
      const QColor c = picture.pixelColor(x, y);
      if (c.blue() > 120 && c.red() < 120) {
        if (rows.first < 0) rows.first = y;
        rows.second = y;
      }
    }
    return rows;
  };
  const int flat = inked(chart.width() / 4).first;  // a column of the 50s
  ASSERT_GT(flat, 0);
  int spikeTop = picture.height();
  for (int x = chart.width() * 45 / 100; x < chart.width() * 60 / 100; ++x)
    if (const int top = inked(x).first; top >= 0) spikeTop = std::min(spikeTop, top);
  EXPECT_LT(spikeTop, flat - 60) << "the one deal at 100 % is drawn";
  const std::pair<int, int> swing = inked(chart.width() * 9 / 10);
  EXPECT_LT(swing.first, flat - 40);
  EXPECT_GT(swing.second, flat + 40);
}
