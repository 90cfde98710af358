// One decision, one verdict, in every window: for every decision of a corpus of
// records the analysis window replaying the deal, the review, the statistics and
// the drill give the same figures and the same verdict. The expectations come
// from tilelab-hand (its batch lines, given the hand, the player's discards, the
// draws left and the wall) and from the rule written out plainly here, never
// from the calls the windows make.

#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <map>
#include <optional>
#include <sstream>

#include "game/Mjdrill1.h"
#include "game/Mjstats1.h"
#include "tests/support/HandNotation.h"
#include "tests/ui/test_viewer_support.h"
#include "tools/hand/HandTool.h"
#include "ui/Tchance1.h"
#include "ui/Pairidlg1.h"
#include "ui/Reviewdlg1.h"

#define EXPECT_EQ_TEXT(actual, expected) EXPECT_EQ(QString(actual).toStdString(), QString(expected).toStdString())
// Texts equal but for their percentages, which may differ by the rounding of
// the tool's four decimals (at most 0.05 points).
#define EXPECT_SAME_LINE(actual, expected) ExpectSameLine(actual, expected)

namespace {

TRow Codes(const std::string& text) { return hand::MpszCodes(text); }

struct TRecordCase {
  const char* name;
  const char* deal;
  const char* draws;
  const char* discards;
  bool broken = false;  // does not add up after its first steps
};

// Full and one-suit deals, a deal won midway and played on, tied chances, a broken record.
const TRecordCase Corpus[] = {
    {"far.csv", "234578m1689p357s", "2z3z1z", "2z3z8m"},          // three away: copies, 1p and 1z tie
    {"near.csv", "4m2234449p34567s", "8s9m", "2p9m"},               // one away: win chance
    {"onesuit.csv", "1122344567789m", "9m", "2m"},                  // characters only; 2m and 9m tie
    {"raised.csv", "1122344567789m", "9m", "5m"},                   // characters only; the shanten raised
    {"won.csv", "123m456p789s1122z", "3z1z9m7p", "3z2z9m1m"},        // complete at draw 2, played on
    {"broken.csv", "123m456p789s1123z", "9m2z5m", "9m7z5m", true},  // 7z was never held
};

struct TToolRow {
  int Shanten = 0;
  TKindMask Kinds = 0;
  bool Counted = false;  // has chances
  double Win = 0.0;      // four decimals, as the tool prints them
};

// What tilelab-hand says of one decision, and the verdict the rule gives.
struct TExpected {
  int Draw = 0;
  bool Judged = false;
  bool ByWin = false;
  bool Mistake = false;
  int Chosen = -1;
  int BestKind = -1;
  int ChosenCount = 0, BestCount = 0;
  double ChosenWin = 0.0, BestWin = 0.0;
  std::vector<int> BestByCopies;  // kinds as good as the best by copies, code order
  bool Raised = false;
  int BestShanten = 0, ChosenShanten = 0;
};

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, by);) parts.push_back(part);
  return parts;
}

int TieRank(int kind) { return kind >= 27 ? 0 : kind % 9 == 0 || kind % 9 == 8 ? 1 : 2; }

TExpected Expect(const TKindCounts& hand, const TKindCounts& seen, int draw, bool oneSuit, int chosen) {
  TExpected e;
  e.Draw = draw;
  e.Chosen = chosen;
  const std::string text = HandText(hand);
  std::string error;
  // Effective kinds from the tool; copies counted here against the hand and the discards.
  const std::vector<std::string> plain = Split(handtool::BatchLine(text, error), '\t');
  const int shanten = std::stoi(plain[0]);
  std::map<int, TToolRow> rows;
  for (const std::string& field : Split(plain[1], ' ')) {
    const std::vector<std::string> f = Split(field, ':');
    TToolRow& row = rows[CodeKind(hand::MpszCodes(f[0]).front())];
    row.Shanten = std::stoi(f[1]);
    if (f[2] != "-")
      for (int code : hand::MpszCodes(f[2])) row.Kinds |= TKindMask{1} << CodeKind(code);
  }
  handtool::TProbOptions options;
  options.Extra = 0;  // the model the windows are set to here
  options.DrawsLeft = DealDraws - draw;
  options.OneSuit = oneSuit;
  options.Seen = seen;
  const std::vector<std::string> prob = Split(handtool::ProbBatchLine(text, options, error), '\t');
  for (const std::string& field : Split(prob[1], ' ')) {
    const std::vector<std::string> f = Split(field, ':');
    TToolRow& row = rows[CodeKind(hand::MpszCodes(f[0]).front())];
    row.Counted = f[3] != "-";
    row.Win = row.Counted ? std::stod(f[3]) : 0.0;
  }
  auto copies = [&](const TToolRow& row) {
    int n = 0;
    for (int k = 0; k < KindCount; ++k)
      if (row.Kinds >> k & 1) n += std::max(0, 4 - hand[k] - seen[k]);
    return n;
  };
  if (shanten < 0) return e;  // complete: no decision
  e.Judged = true;
  int bestShanten = 99, bestCopies = -1;
  double bestWin = 0.0;
  for (const auto& [kind, row] : rows) {
    if (row.Shanten < bestShanten || (row.Shanten == bestShanten && copies(row) > bestCopies)) {
      bestShanten = row.Shanten;
      bestCopies = copies(row);
    }
    if (row.Counted) bestWin = std::max(bestWin, row.Win);
  }
  for (const auto& [kind, row] : rows)
    if (row.Shanten == bestShanten && copies(row) == bestCopies) e.BestByCopies.push_back(kind);
  const TToolRow& mine = rows.at(chosen);
  e.BestShanten = bestShanten;
  e.BestCount = bestCopies;
  e.Raised = mine.Shanten > bestShanten;
  e.ChosenShanten = mine.Shanten;
  e.ChosenCount = e.Raised ? 0 : copies(mine);
  e.ByWin = shanten <= 1 && options.DrawsLeft > 0 && bestWin > 0.0;
  std::vector<int> best;
  if (e.ByWin) {
    for (const auto& [kind, row] : rows)
      if (row.Counted && row.Win == bestWin) best.push_back(kind);
    e.BestWin = bestWin;
    e.ChosenWin = mine.Counted ? mine.Win : 0.0;
    e.Mistake = e.ChosenWin < bestWin;
  } else {
    best = e.BestByCopies;
    e.Mistake = e.Raised || e.ChosenCount < bestCopies;
  }
  e.BestKind = *std::min_element(best.begin(), best.end(), [](int a, int b) {
    return TieRank(a) != TieRank(b) ? TieRank(a) < TieRank(b) : a < b;
  });
  return e;
}

// Every decision of a record, expected; a broken record up to its fault.
std::vector<TExpected> ExpectRecord(const TRecordCase& c) {
  const TRow deal = Codes(c.deal), draws = Codes(c.draws), discards = Codes(c.discards);
  bool oneSuit = true;
  for (const TRow* row : {&deal, &draws}) oneSuit = oneSuit && std::all_of(row->begin(), row->end(), [](int code) { return code < 10; });
  TKindCounts hand{}, seen{};
  for (int code : deal) ++hand[CodeKind(code)];
  std::vector<TExpected> out;
  bool won = false;
  for (std::size_t i = 0; i < draws.size() && i < discards.size(); ++i) {
    ++hand[CodeKind(draws[i])];
    const int thrown = CodeKind(discards[i]);
    if (hand[thrown] == 0) break;  // the record's fault
    std::string error;
    won = won || std::stoi(Split(handtool::BatchLine(HandText(hand), error), '\t')[0]) < 0;
    TExpected e = won ? TExpected{} : Expect(hand, seen, static_cast<int>(i) + 1, oneSuit, thrown);
    e.Draw = static_cast<int>(i) + 1;
    e.Chosen = thrown;
    out.push_back(e);
    --hand[thrown];
    ++seen[thrown];
  }
  return out;
}

QString Kind(int kind) { return QString::fromStdString(KindText(kind)); }

void ExpectSameLine(const QString& actual, const QString& expected) {
  static const QRegularExpression number(QStringLiteral("\\d+\\.\\d%"));
  auto shape = [](QString text) { return text.replace(number, QStringLiteral("#%")); };
  EXPECT_EQ(shape(actual).toStdString(), shape(expected).toStdString()) << actual.toStdString();
  QList<double> a, e;
  for (auto it = number.globalMatch(actual); it.hasNext();) a << it.next().captured().chopped(1).toDouble();
  for (auto it = number.globalMatch(expected); it.hasNext();) e << it.next().captured().chopped(1).toDouble();
  ASSERT_EQ(a.size(), e.size());
  for (qsizetype i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], e[i], 0.051) << actual.toStdString();
}
QString Percent(double p) { return QString::number(100.0 * p, 'f', 1) + QLatin1Char('%'); }

// The review's line for a decision, worded from the expectation.
QString ReviewLine(const TExpected& e, bool complete) {
  QString text = complete ? QStringLiteral("ツモ和了の形です。") : QString();
  if (!e.Judged) return text + QStringLiteral("和了の後の打牌は評価しません。");
  if (e.ByWin)
    return e.Mistake ? QStringLiteral("× 打牌 %1 の和了率は %2。最善の %3 なら %4。")
                           .arg(Kind(e.Chosen), e.Raised ? QStringLiteral("-") : Percent(e.ChosenWin), Kind(e.BestKind),
                                Percent(e.BestWin))
                     : QStringLiteral("◎ 和了率で最善の打牌です（和了率 %1）。").arg(Percent(e.ChosenWin));
  if (!e.Mistake) return QStringLiteral("◎ 最善の打牌です（有効牌 %1枚）。").arg(e.ChosenCount);
  QStringList names;
  for (int k : e.BestByCopies) names << Kind(k);
  return QStringLiteral("△ 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。")
      .arg(Kind(e.Chosen))
      .arg(e.ChosenCount)
      .arg(names.join(QStringLiteral("・")))
      .arg(e.BestCount);
}

// The analysis window's last line after the discard.
QString PairiLine(const TExpected& e) {
  if (!e.Judged) return QStringLiteral("和了の後の打牌は評価しません");
  auto words = [](int shanten) { return shanten == 0 ? QStringLiteral("聴牌") : QStringLiteral("%1向聴").arg(shanten); };
  QString text = e.Raised ? QStringLiteral("向聴戻し  %1 → %2").arg(words(e.BestShanten), words(e.ChosenShanten))
                          : QStringLiteral("受け入れ %1/%2 枚").arg(e.ChosenCount).arg(e.BestCount);
  if (!e.Mistake) text += QStringLiteral("  最善");
  if (e.ByWin)
    text += QStringLiteral("  和了率 %1 / 最善 %2")
                .arg(e.Raised ? QStringLiteral("-") : Percent(e.ChosenWin), Percent(e.BestWin));
  return text;
}

class Verdicts : public ViewerTest {
protected:
  void SetUp() override {
    ViewerTest::SetUp();
    QSettings().clear();
    TModelChoice::SetMoves(0);  // the figures checked here are the shortest path's
    QDir().mkpath(Path(QStringLiteral("deals")));
    for (const TRecordCase& c : Corpus)
      WriteFile(Path(QStringLiteral("deals/") + QString::fromLatin1(c.name)),
                RecordBytes({Codes(c.deal), Codes(c.draws), Codes(c.discards), TRow{}}));
  }
};

}  // namespace

// The expectations themselves, checked against figures worked by hand or read off the tool once.
TEST_F(Verdicts, TheCorpusHoldsEveryKindOfDecision) {
  const std::vector<TExpected> far = ExpectRecord(Corpus[0]);
  ASSERT_EQ(far.size(), 3u);
  EXPECT_FALSE(far[2].ByWin);
  EXPECT_TRUE(far[2].Mistake);
  EXPECT_EQ(far[2].BestCount, 44);
  EXPECT_EQ(KindText(far[2].BestKind), "1z");  // ties with 1p: the honour
  const std::vector<TExpected> near = ExpectRecord(Corpus[1]);
  EXPECT_TRUE(near[0].ByWin && near[0].Mistake);
  EXPECT_DOUBLE_EQ(near[0].BestWin, 0.5138);
  const std::vector<TExpected> oneSuit = ExpectRecord(Corpus[2]);
  EXPECT_DOUBLE_EQ(oneSuit[0].BestWin, 0.9935);  // the one-suit wall
  EXPECT_FALSE(oneSuit[0].Mistake);
  EXPECT_EQ(KindText(oneSuit[0].BestKind), "9m");
  const std::vector<TExpected> won = ExpectRecord(Corpus[4]);
  ASSERT_EQ(won.size(), 4u);
  EXPECT_TRUE(won[0].Judged);
  EXPECT_FALSE(won[1].Judged || won[2].Judged || won[3].Judged);
  const std::vector<TExpected> raised = ExpectRecord(Corpus[3]);
  EXPECT_TRUE(raised[0].Raised && raised[0].Mistake && raised[0].ByWin);
  EXPECT_EQ(ExpectRecord(Corpus[5]).size(), 1u);
}

TEST_F(Verdicts, EveryWindowGivesEveryDecisionTheSameFiguresAndVerdict) {
  OpenRecordView();
  TMjCardRule rule;
  rule.MinLostCopies = 1;
  rule.MinLostWin = 0.01;  // every loss the tool's four decimals can show
  const TMjDrillDeck deck = BuildDrillDeck(QFile::encodeName(Path(QStringLiteral("deals"))).toStdString(), rule);
  EXPECT_EQ(deck.Failures, 1);

  for (const TRecordCase& c : Corpus) {
    SCOPED_TRACE(c.name);
    const std::vector<TExpected> expected = ExpectRecord(c);
    const QString path = Path(QStringLiteral("deals/") + QString::fromLatin1(c.name));

    // The review, step by step, and where N goes.
    Dlg.LoadRecordFile(path);
    Dlg.MnReview->trigger();
    TReviewDlg* r = Dlg.ReviewDlg;
    ASSERT_TRUE(r);
    EXPECT_EQ(r->LbMessage->isVisible(), c.broken);
    std::vector<int> mistakes;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      SCOPED_TRACE(i + 1);
      const TExpected& e = expected[i];
      r->ShowStep(static_cast<int>(i));
      const bool complete = r->Review.Steps[i].Won();
      EXPECT_SAME_LINE(r->LbJudge->text(), ReviewLine(e, complete));
      if (e.ByWin) {
        EXPECT_SAME_LINE(r->LbChance->text(), QStringLiteral("和了率 %1 / 最善 %2（損失 %3） ［最短経路］")
                                                  .arg(e.Raised ? QStringLiteral("-") : Percent(e.ChosenWin),
                                                       Percent(e.BestWin), Percent(e.BestWin - e.ChosenWin)));
      }
      if (e.Judged && e.Mistake) mistakes.push_back(static_cast<int>(i));
    }
    r->FirstStep();
    std::vector<int> visited;
    for (int step = r->Step;;) {
      r->NextNotBest();
      if (r->Step == step) break;
      visited.push_back(step = r->Step);
    }
    if (!mistakes.empty() && mistakes.front() == 0) visited.insert(visited.begin(), 0);
    EXPECT_EQ(visited, mistakes);

    // The analysis window, the deal replayed as the practice plays it.
    TPairiDlg pairi;
    TMjReview play;
    TKindCounts deal{};
    for (int code : Codes(c.deal)) ++deal[CodeKind(code)];
    std::vector<int> drawn;
    for (int code : Codes(c.draws)) drawn.push_back(CodeKind(code));
    play.Start(deal, OneSuitDeal(deal, drawn));
    for (const TExpected& e : expected) {
      SCOPED_TRACE(e.Draw);
      play.AddDraw(drawn[static_cast<std::size_t>(e.Draw - 1)]);
      play.AddDiscard(e.Chosen);
      pairi.ShowPairi(play, false);
      EXPECT_SAME_LINE(pairi.JudgementText(), PairiLine(e));
    }

    // The statistics of the file.
    const TMjRecordStats stats = AnalyseRecordFile(QFile::encodeName(path).toStdString(), c.name);
    if (c.broken) {
      EXPECT_EQ(stats.Fault, TMjStatsFault::DoesNotAddUp);
    } else {
      int judged = 0, best = 0, byWin = 0;
      double kept = 0.0;
      for (const TExpected& e : expected) {
        judged += e.Judged;
        best += e.Judged && !e.Mistake;
        if (e.ByWin) {
          ++byWin;
          kept += e.ChosenWin / e.BestWin;
        }
      }
      EXPECT_EQ(stats.Deal.Decisions, judged);
      EXPECT_EQ(stats.Deal.BestChoices, best);
      EXPECT_EQ(stats.Deal.WinJudged, byWin);
      EXPECT_NEAR(stats.Deal.WinKeptSum, kept, 5e-4);
    }

    // The drill: a card for each mistake, and the answers judged by the same verdict.
    std::vector<int> cards;
    for (const TMjCard& card : deck.Cards) {
      if (card.File != c.name) continue;
      cards.push_back(card.Draw - 1);
      const TExpected& e = expected[static_cast<std::size_t>(card.Draw - 1)];
      EXPECT_EQ(card.ByWin, e.ByWin);
      EXPECT_FALSE(card.Right(card.Judge(card.DiscardKind)));
      EXPECT_TRUE(card.Right(card.Judge(e.BestKind)));
      EXPECT_EQ(card.Judge(card.DiscardKind).Verdict.BestKind, e.BestKind);
    }
    EXPECT_EQ(cards, c.broken ? std::vector<int>{} : mistakes);
  }
}
