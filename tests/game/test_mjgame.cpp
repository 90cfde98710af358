// How one practice deal unfolds, seen through the display operations alone.
//
// The opening (F5, F6 or the window being shown): all 40 cells go blank, the 13 dealt
// tiles appear in wall order, 1000 ms, the same tiles sorted, 1000 ms, the first draw in
// cell 13 with the status "手数: 1", then the waits of the 13 tiles are refreshed.
// Each click on a hand tile: the cell goes blank, the tile appears in the next discard
// cell, 500 ms, the hand closes up sorted, the waits are refreshed, 500 ms, the next draw
// in cell 13. The 18th discard draws nothing: the status reads "手数: 18（終了）", the
// guidance goes empty and every further click is ignored.
//
// The recorder below keeps what the screen shows, not how it got there: as each
// pause begins it logs the screen the player watches during it, "screen hand 135
// 0 1 … - | sute - … | 手数: 0" (the hand and discard rows as last repainted, tile
// ids or "-" for blank, and the draw counter), then "pause 500". The waits asked
// for ("machi 0 1 … | test -", hand slots 0..12 and a test tile) and the waits
// window shown or hidden are logged as they come. ScreenText() is the screen now.
//
// Most tests use the wall of ShuffleByLastEntry: every shuffle step exchanges with the
// last entry, which leaves the full wall as ids 135, 0, 1, ..., 134. So the deal is
// 135 0 1 .. 11 (unsorted), sorted it reads 0 1 .. 11 135, and draw m is id 11 + m.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "game/Mjgame1.h"
#include "tests/support/SequenceSource.h"

namespace {

using TLog = std::vector<std::string>;

std::string IdText(const TMjPai* pai) { return pai ? std::to_string(pai->Id) : "-"; }

// What the screen shows, and what the flow asked of the windows, in order.
class TRecordingDisplay final : public TMjDisplay {
public:
  TLog Log;
  // The cells as painted; the screen shows them once repainted.
  std::vector<const TMjPai*> HandCells = std::vector<const TMjPai*>(RowSlots, nullptr);
  std::vector<const TMjPai*> SuteCells = std::vector<const TMjPai*>(RowSlots, nullptr);
  std::vector<const TMjPai*> ScreenHand = HandCells;
  std::vector<const TMjPai*> ScreenSute = SuteCells;
  std::string Guide = "ガイダンス";
  std::string Status;
  bool MachiShown = false;

  void PaintTepaiCell(int i, const TMjPai* pai) override { HandCells.at(static_cast<std::size_t>(i)) = pai; }
  void PaintSutepaiCell(int i, const TMjPai* pai) override { SuteCells.at(static_cast<std::size_t>(i)) = pai; }
  void RepaintNow() override {
    ScreenHand = HandCells;
    ScreenSute = SuteCells;
  }
  // Worded as the practice window words it.
  void ShowProgress(int draws, bool dealOver) override {
    Guide = dealOver ? "" : "切る牌をクリック。";
    Status = "手数: " + std::to_string(draws) + (dealOver ? "（終了）" : "");
  }
  // Goes straight on, unless Waits: then the test ends the pause with Resume.
  bool Pause(int ms) override {
    Log.push_back(ScreenText());
    Log.push_back("pause " + std::to_string(ms));
    return Waits;
  }
  std::string ScreenText() const {
    // Appended piece by piece, as in ShowMachi below.
    std::string text = "screen hand";
    for (const TMjPai* pai : ScreenHand) (text += ' ') += IdText(pai);
    text += " | sute";
    for (const TMjPai* pai : ScreenSute) (text += ' ') += IdText(pai);
    return (text += " | ") += Status;
  }
  bool Waits = false;
  bool MachiVisible() override { return MachiShown; }
  void ShowMachiWindow() override {
    Log.push_back("show machi window");
    MachiShown = true;
  }
  void HideMachiWindow() override {
    Log.push_back("hide machi window");
    MachiShown = false;
  }
  void ShowMachi(const TPaiRow& tepai, const TMjPai* test) override {
    std::string entry = "machi";
    // Appended piece by piece, as in Machi below: GCC 12 at -O3 warns falsely
    // (-Wrestrict) on " " + a string.
    for (std::size_t i = 0; i < 13; ++i) {
      entry += ' ';
      entry += IdText(tepai[i]);
    }
    entry += " | test ";
    entry += IdText(test);
    Log.push_back(entry);
  }
  // Not logged: what it shows is read from the flow's review.
  void ShowPairi(const TMjReview& review) override {
    ++PairiShown;
    LastPairi = &review;
  }
  int PairiShown = 0;
  const TMjReview* LastPairi = nullptr;
  void ShowSelection(int i) override { Selection = i; }
  int Selection = -2;

  // The entries since the last call: one event's worth.
  TLog Take() {
    TLog taken;
    taken.swap(Log);
    return taken;
  }
};

// --- expected log entries --------------------------------------------------

std::string Pause(int ms) { return "pause " + std::to_string(ms); }
std::string Status(int draws) { return "手数: " + std::to_string(draws); }
const std::string StatusOver = "手数: 18（終了）";
std::string Machi(const std::vector<int>& hand13, int test = -1) {
  std::string entry = "machi";
  for (int id : hand13) {
    entry += ' ';
    entry += std::to_string(id);
  }
  entry += " | test ";
  entry += test < 0 ? "-" : std::to_string(test);
  return entry;
}

std::vector<int> Ids(const TPaiRow& row, int from, int to) {
  std::vector<int> ids;
  for (int i = from; i < to; ++i) ids.push_back(row[static_cast<std::size_t>(i)] ? row[static_cast<std::size_t>(i)]->Id : -1);
  return ids;
}

std::vector<int> Seq(int from, int to) {
  std::vector<int> v;
  for (int i = from; i < to; ++i) v.push_back(i);
  return v;
}

std::vector<int> Cat(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const std::vector<int>& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<int> Blanks(int n) { return std::vector<int>(static_cast<std::size_t>(n), -1); }

// The screen: hand cells 0..13 (the six cells behind them always blank), the
// discard cells given (the rest blank) and the draw counter.
std::string Screen(const std::vector<int>& hand14, const std::vector<int>& sute, const std::string& status) {
  std::string text = "screen hand";
  for (const int id : Cat({hand14, Blanks(RowSlots - HandSlots)})) (text += ' ') += id < 0 ? "-" : std::to_string(id);
  text += " | sute";
  for (const int id : Cat({sute, Blanks(RowSlots - static_cast<int>(sute.size()))}))
    (text += ' ') += id < 0 ? "-" : std::to_string(id);
  return (text += " | ") += status;
}

TRuleSource ShuffleByLastEntry() {
  return TRuleSource([](int step) { return PaiCount - step - 1; });
}

// Everything a deal leaves behind on the table, to compare before and after ignored input.
struct TTableState {
  std::vector<int> Sutepai, Tepai, TumoRec, HaipaiRec;
  int WallPos, SuteCount, TumoCount;
  bool operator==(const TTableState&) const = default;
};
TTableState StateOf(const TMjTable& t) {
  return {Ids(t.Sutepai, 0, RowSlots), Ids(t.Tepai, 0, RowSlots), Ids(t.TumoRec, 0, RowSlots),
          Ids(t.HaipaiRec, 0, RowSlots), t.WallPos, t.SuteCount, t.TumoCount};
}

class GameTest : public ::testing::Test {
protected:
  TMjTable table;
  TRecordingDisplay display;
  TMjGame game{table, display};
};

// A full-wall game whose opening already ran on the last-entry wall.
class OpenedGame : public GameTest {
protected:
  void SetUp() override {
    TRuleSource source = ShuffleByLastEntry();
    TScopedRandomSource guard(source);
    game.MnStartClick();
    display.Take();
  }
};

}  // namespace

// --- the opening -----------------------------------------------------------

TEST_F(GameTest, OpeningShowsBlankCellsTheDealUnsortedThenSortedThenTheFirstDraw) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  game.MnStartClick();
  EXPECT_EQ(source.Taken, PaiCount - 1);  // one full-wall shuffle

  const TLog expected{
      Screen(Cat({{135}, Seq(0, 12), {-1}}), {}, Status(0)), Pause(1000),  // the deal in wall order
      Screen(Cat({Seq(0, 12), {135}, {-1}}), {}, Status(0)), Pause(1000),  // the same tiles sorted
      Machi(Cat({Seq(0, 12), {135}}))};  // waits of the 13, no test tile
  EXPECT_EQ(display.Take(), expected);
  EXPECT_EQ(display.ScreenText(), Screen(Cat({Seq(0, 12), {135}, {12}}), {}, Status(1)));  // the first draw

  EXPECT_EQ(display.Status, "手数: 1");
  EXPECT_EQ(display.Guide, "切る牌をクリック。");
  EXPECT_EQ(table.WallPos, 14);
}

TEST_F(GameTest, ShowingTheWindowDealsFromTheWallOfItsMode) {
  TRuleSource source = ZeroSource();
  TScopedRandomSource guard(source);
  game.FormShow();
  EXPECT_EQ(source.Taken, PaiCount - 1);

  source.Taken = 0;
  game.Tinitu = true;
  game.FormShow();
  EXPECT_EQ(source.Taken, TinituCount - 1);
  EXPECT_EQ(table.TumoCount, 1);
}

// --- discarding ------------------------------------------------------------

TEST_F(OpenedGame, DiscardingTheDrawnTileKeepsTheHandAndDrawsAgain) {
  const std::vector<int> hand = Cat({Seq(0, 12), {135}});
  game.TepaiClick(13);

  const std::string thrown = Screen(Cat({hand, {-1}}), {12}, Status(1));  // from cell 13 to discard cell 0
  EXPECT_EQ(display.Take(), (TLog{thrown, Pause(500), Machi(hand), thrown, Pause(500)}));  // nothing to close up
  EXPECT_EQ(display.ScreenText(), Screen(Cat({hand, {13}}), {12}, Status(2)));
}

TEST_F(OpenedGame, DiscardingSlot4LeavesAHoleThatClosesBeforeTheNextDraw) {
  game.TepaiClick(4);

  const std::vector<int> closed = Cat({Seq(0, 4), Seq(5, 13), {135}});  // the drawn 12 joins in order
  const TLog expected{Screen(Cat({Seq(0, 4), {-1}, Seq(5, 12), {135, 12}}), {4}, Status(1)), Pause(500),
                      Machi(closed), Screen(Cat({closed, {-1}}), {4}, Status(1)), Pause(500)};
  EXPECT_EQ(display.Take(), expected);
  EXPECT_EQ(display.ScreenText(), Screen(Cat({closed, {13}}), {4}, Status(2)));

  game.TepaiClick(4);  // cell 4 now holds id 5, which the sort moved there
  EXPECT_EQ(table.Sutepai[1]->Id, 5);
  EXPECT_EQ(display.SuteCells[1]->Id, 5);
}

TEST_F(OpenedGame, ClicksOnEmptyCellsAndOutsideTheRowAreIgnored) {
  game.TepaiClick(13);  // slot 13 holds a new draw; cells 14..19 stay empty
  display.Take();
  const TTableState before = StateOf(table);
  const std::string screen = display.ScreenText();

  // 20 would reach the draw record right behind the hand row, which is not empty now.
  for (int k : {14, 15, 19, 20, 21, 39, 40, 1000, INT_MAX, -1, -2, -20, -21, INT_MIN}) {
    SCOPED_TRACE(k);
    game.TepaiClick(k);
    EXPECT_TRUE(display.Take().empty());
    EXPECT_EQ(StateOf(table), before);
    EXPECT_EQ(display.ScreenText(), screen);
    EXPECT_EQ(display.HandCells, display.ScreenHand) << "nothing painted either";
  }
}

TEST_F(GameTest, ClickBeforeAnyDealIsIgnored) {
  const std::string blank = display.ScreenText();
  game.TepaiClick(0);
  game.TepaiClick(13);
  EXPECT_TRUE(display.Take().empty());
  EXPECT_EQ(display.ScreenText(), blank);
  EXPECT_EQ(table.SuteCount, 0);
}

// --- a whole deal ----------------------------------------------------------

TEST_F(GameTest, EighteenDiscardsEndTheDeal) {
  Random.Seed(20240601);
  game.MnStartClick();
  display.Take();

  for (int m = 1; m <= DealLimit; ++m) {
    SCOPED_TRACE("discard " + std::to_string(m));
    game.TepaiClick((m * 5) % HandSlots);  // all over the hand, the drawn tile included
    TLog step = display.Take();
    TLog screens;
    std::copy_if(step.begin(), step.end(), std::back_inserter(screens),
                 [](const std::string& e) { return e.rfind("screen ", 0) == 0; });
    // The pauses show the count before the draw; the draw brings the next.
    const std::string during = m < DealLimit ? Status(m) : StatusOver;
    for (const std::string& screen : screens) EXPECT_EQ(screen.substr(screen.size() - during.size()), during);
    if (m < DealLimit) {
      EXPECT_EQ(std::count(step.begin(), step.end(), Pause(500)), 2);
      EXPECT_EQ(display.Status, Status(m + 1));
    } else {
      EXPECT_EQ(std::count(step.begin(), step.end(), Pause(500)), 1);
      EXPECT_EQ(step.back().rfind("machi", 0), 0u);  // nothing is drawn after the waits
    }
  }

  EXPECT_EQ(display.Status, "手数: 18（終了）");
  EXPECT_EQ(display.Guide, "");
  for (int i = 0; i < RowSlots; ++i) {
    SCOPED_TRACE(i);
    const std::size_t s = static_cast<std::size_t>(i);
    EXPECT_EQ(display.SuteCells[s], table.Sutepai[s]);
    EXPECT_EQ(display.SuteCells[s] != nullptr, i < DealLimit);  // discard cells 18 and 19 blank
    EXPECT_EQ(display.HandCells[s] != nullptr, i < 13);          // hand cell 13 blank
    if (i < 13) {
      EXPECT_EQ(display.HandCells[s], table.Tepai[s]);
    }
  }
  const std::vector<int> hand = Ids(table.Tepai, 0, 13);
  EXPECT_TRUE(std::is_sorted(hand.begin(), hand.end()));
  EXPECT_EQ(table.WallPos, 13 + DealLimit);  // 31 tiles taken
  EXPECT_EQ(table.TumoCount, DealLimit);
  EXPECT_EQ(table.SuteCount, DealLimit);

  // What came in (deal and draws) is what is left (discards and hand).
  std::multiset<int> in, out;
  for (int id : Cat({Ids(table.HaipaiRec, 0, 13), Ids(table.TumoRec, 0, DealLimit)})) in.insert(id);
  for (int id : Cat({Ids(table.Sutepai, 0, DealLimit), hand})) out.insert(id);
  EXPECT_EQ(in, out);
  EXPECT_EQ(in.size(), 31u);
  EXPECT_EQ(std::set<int>(in.begin(), in.end()).size(), 31u);

  const TTableState over = StateOf(table);
  for (int k = -1; k <= RowSlots; ++k) {
    SCOPED_TRACE(k);
    game.TepaiClick(k);
    EXPECT_TRUE(display.Take().empty());
    EXPECT_EQ(StateOf(table), over);
  }
}

TEST_F(GameTest, LastDiscardShowsTheEndAndDrawsNothing) {
  TRuleSource source = ShuffleByLastEntry();
  TScopedRandomSource guard(source);
  game.MnStartClick();
  for (int m = 1; m < DealLimit; ++m) game.TepaiClick(13);  // throw every draw away
  display.Take();
  // Hand 0..11 135, draw 18 is id 29; discards 12..28 fill cells 0..16.
  game.TepaiClick(0);

  const std::vector<int> closed = Cat({Seq(1, 12), {29, 135}});
  const std::vector<int> sute = Cat({Seq(12, 29), {0}});
  EXPECT_EQ(display.Take(), (TLog{Screen(Cat({{-1}, Seq(1, 12), {135, 29}}), sute, StatusOver), Pause(500),
                                  Machi(closed)}));
  EXPECT_EQ(display.ScreenText(), Screen(Cat({closed, {-1}}), sute, StatusOver));
  EXPECT_EQ(display.Guide, "");
  EXPECT_EQ(Ids(table.Sutepai, 0, RowSlots), Cat({Seq(12, 29), {0, -1, -1}}));
}

// --- the same deal again (F6) and the one-suit wall ------------------------

TEST_F(GameTest, SameDealReplaysTheDealAndTheDrawsWhateverWasDiscarded) {
  Random.Seed(777);
  game.MnStartClick();
  const TLog opening = display.Take();
  const std::string first = display.ScreenText();
  for (int m = 0; m < 6; ++m) game.TepaiClick(m);  // discards from the low end
  const std::vector<int> draws = Ids(table.TumoRec, 0, 7);
  const std::vector<int> dealt = Ids(table.HaipaiRec, 0, 13);
  const std::uint32_t generator = Random.State;
  display.Take();

  game.MnRetryClick();
  EXPECT_EQ(display.Take(), opening);  // screen for screen the same opening
  EXPECT_EQ(display.ScreenText(), first);
  EXPECT_EQ(Random.State, generator);  // no new wall
  for (int m = 0; m < 6; ++m) game.TepaiClick(13 - m % 3);  // different discards
  EXPECT_EQ(Ids(table.TumoRec, 0, 7), draws);
  EXPECT_EQ(Ids(table.HaipaiRec, 0, 13), dealt);

  display.Take();
  game.MnRetryClick();
  EXPECT_EQ(display.Take(), opening);
  game.MnRetryClick();  // twice in a row
  EXPECT_EQ(display.Take(), opening);
  EXPECT_EQ(Random.State, generator);
}

TEST_F(GameTest, SameDealOnATableWithoutAWallMakesANewDealOfTheMode) {
  TRuleSource source = ZeroSource();
  TScopedRandomSource guard(source);
  game.Tinitu = true;
  game.MnRetryClick();
  EXPECT_EQ(source.Taken, TinituCount - 1);
  EXPECT_EQ(table.TumoCount, 1);
}

TEST_F(GameTest, OneSuitDealsOnlyCharacters) {
  game.Tinitu = true;
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    Random.Seed(seed);
    game.MnStart2Click();
    for (int m = 0; m < DealLimit; ++m) game.TepaiClick(m % HandSlots);
    ASSERT_EQ(table.SuteCount, DealLimit);
    // The deal carries its wall into every decision, as the review of its record finds it.
    EXPECT_TRUE(game.Review().OneSuit);
    for (const TMjReviewStep& step : game.Review().Steps) EXPECT_TRUE(step.Decision().OneSuit);
    EXPECT_TRUE(ReviewDeal(CodeRowOf(table.HaipaiRec), CodeRowOf(table.TumoRec), CodeRowOf(table.Sutepai)).OneSuit);
    for (const TPaiRow* row : {&table.HaipaiRec, &table.TumoRec, &table.Sutepai, &table.Tepai})
      for (const TMjPai* pai : *row)
        if (pai) {
          EXPECT_TRUE(pai->GetCode() >= 1 && pai->GetCode() <= 9) << pai->Id;
        }
  }
}

// --- the waiting-tiles window (F2) -----------------------------------------

TEST_F(OpenedGame, F2TogglesTheWaitsWindowWithTheDrawnTileAsTest) {
  const std::vector<int> hand = Cat({Seq(0, 12), {135}});
  game.MnHopeClick();
  EXPECT_EQ(display.Take(), (TLog{"show machi window", Machi(hand, 12)}));
  EXPECT_TRUE(display.MachiShown);

  game.MnHopeClick();  // hidden without a redraw
  EXPECT_EQ(display.Take(), TLog{"hide machi window"});
  EXPECT_FALSE(display.MachiShown);

  game.MnHopeClick();
  EXPECT_EQ(display.Take(), (TLog{"show machi window", Machi(hand, 12)}));

  game.FormHide();  // closing the practice window hides it too
  EXPECT_EQ(display.Take(), TLog{"hide machi window"});
  EXPECT_FALSE(display.MachiShown);
  game.FormHide();  // whether it is shown or not
  EXPECT_EQ(display.Take(), TLog{"hide machi window"});
}

TEST_F(OpenedGame, F2AfterTheDealIsOverHasNoTestTile) {
  for (int m = 0; m < DealLimit; ++m) game.TepaiClick(13);
  display.Take();
  game.MnHopeClick();
  const TLog log = display.Take();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1], Machi(Ids(table.Tepai, 0, 13)));
}

// --- steps that wait in their pauses ---------------------------------------

// A display that waits: each step stops at its pauses until the display ends them.
TEST_F(OpenedGame, ADiscardWaitsInEachPauseUntilResumed) {
  display.Waits = true;
  game.TepaiClick(4);
  EXPECT_TRUE(game.Running());
  EXPECT_EQ(display.Take().back(), Pause(500));
  EXPECT_EQ(table.SuteCount, 1);
  EXPECT_EQ(table.Tepai[4], nullptr) << "the hole waits for the sort";

  game.Resume();
  EXPECT_TRUE(game.Running());
  EXPECT_EQ(display.Take().back(), Pause(500));
  EXPECT_EQ(table.TumoCount, 1) << "the draw waits for the second pause";

  game.Resume();
  EXPECT_FALSE(game.Running());
  EXPECT_TRUE(display.Take().empty());
  EXPECT_EQ(display.Status, Status(2));
  game.Resume();  // no step: nothing happens
  EXPECT_TRUE(display.Take().empty());
}

TEST_F(GameTest, HidingTheWindowEndsARunningStepWhereItStands) {
  display.Waits = true;
  Random.Seed(99);
  game.MnStartClick();
  ASSERT_TRUE(game.Running());
  const TTableState dealt = StateOf(table);
  display.Take();

  const std::string screen = display.ScreenText();
  game.FormHide();
  EXPECT_FALSE(game.Running());
  EXPECT_EQ(display.Take(), TLog{"hide machi window"});
  game.Resume();
  EXPECT_TRUE(display.Take().empty());
  EXPECT_EQ(display.ScreenText(), screen) << "nothing more of the step is painted";
  EXPECT_EQ(display.HandCells, display.ScreenHand);
  EXPECT_EQ(StateOf(table), dealt);

  // The next opening deals afresh.
  game.MnStartClick();
  game.Resume();
  game.Resume();
  EXPECT_FALSE(game.Running());
  EXPECT_EQ(table.TumoCount, 1);
}

// A click is bound to the tile under it: thrown away wherever the sort moved
// it, ignored once the tile has left the hand or the deal is another one.
TEST_F(OpenedGame, ABoundClickThrowsAwayItsTileOrNothing) {
  EXPECT_EQ(game.TileClickAt(4).Id, 4);
  EXPECT_EQ(game.TileClickAt(13).Id, 12);
  for (int k : {14, 19, 20, -1}) EXPECT_EQ(game.TileClickAt(k).Id, -1) << k;

  const TMjGame::TTileClick drawn = game.TileClickAt(13);
  const TMjGame::TTileClick fifth = game.TileClickAt(4);
  const TMjGame::TTileClick first = game.TileClickAt(0);
  game.TepaiClick(0);  // the hand closes up: id 4 moves to cell 3
  game.DiscardTile(fifth);
  EXPECT_EQ(table.Sutepai[1]->Id, fifth.Id);
  const TTableState before = StateOf(table);
  for (const TMjGame::TTileClick gone : {fifth, first, TMjGame::TTileClick{-1, first.Deal}}) {
    SCOPED_TRACE(gone.Id);
    game.DiscardTile(gone);
    EXPECT_EQ(StateOf(table), before);
  }
  game.DiscardTile(drawn);  // 12 sorted into the hand
  EXPECT_EQ(table.Sutepai[2]->Id, drawn.Id);

  // The same deal again holds the same tiles, but a click of the last play means none of them.
  const TMjGame::TTileClick old = game.TileClickAt(5);
  game.MnRetryClick();
  ASSERT_EQ(game.TileClickAt(old.Id).Id, old.Id);  // the sorted deal holds ids 0..11 in cells 0..11
  game.DiscardTile(old);
  EXPECT_EQ(table.SuteCount, 0);
}

// A new deal (F5) or the same one again (F6) after several draws starts the
// record rows afresh: one draw and the 13 dealt tiles, nothing of the last deal.
TEST_F(OpenedGame, ANewOrRepeatedDealStartsTheRecordRowsAfresh) {
  for (auto restart : {&TMjGame::MnStartClick, &TMjGame::MnRetryClick}) {
    for (int i = 0; i < 5; ++i) game.TepaiClick(0);
    ASSERT_EQ(table.TumoCount, 6);
    TRuleSource source = ShuffleByLastEntry();
    TScopedRandomSource guard(source);
    (game.*restart)();
    const auto held = [](const TPaiRow& row) { return std::count_if(row.begin(), row.end(), [](auto* p) { return p; }); };
    EXPECT_EQ(held(table.TumoRec), 1);
    EXPECT_EQ(held(table.HaipaiRec), 13);
    EXPECT_EQ(held(table.Sutepai), 0);
  }
}

// --- the judgement of the deal ----------------------------------------------

// On the last-entry wall the hand is 1111 2222 3333m and Red; throwing Red (cell
// 12) leaves 1111 2222 3333 4m, and the next draw, 4m, completes it.
TEST_F(OpenedGame, AWinningDrawIsJudgedAndFramedInTheWaitsAtOnce) {
  ASSERT_FALSE(display.LastPairi->Steps.back().Won());
  game.TepaiClick(12);
  const TLog log = display.Take();
  ASSERT_EQ(table.Tepai[13]->Id, 13);
  EXPECT_EQ(log.back(), Machi(Cat({Seq(0, 13)}), 13)) << "the drawn tile offered as the test";
  const TMjReview& review = *display.LastPairi;
  ASSERT_EQ(review.Steps.size(), 2u);
  EXPECT_TRUE(review.Steps.back().Won());
  EXPECT_EQ(review.WinDraw(), 2);
}

// The flow judges the deal as it is played; a review of its record rows gives
// the same figures, so the practice window and the record review agree.
TEST_F(GameTest, TheFlowsJudgementIsTheReviewOfItsRecord) {
  for (std::uint32_t seed : {7u, 8u}) {
    SCOPED_TRACE(seed);
    Random.Seed(seed);
    game.MnStartClick();
    for (int m = 0; m < DealLimit; ++m) {
      ASSERT_EQ(display.LastPairi->Steps.size(), static_cast<std::size_t>(m + 1));
      game.TepaiClick((m * 5) % HandSlots);
      EXPECT_TRUE(display.LastPairi->Steps[static_cast<std::size_t>(m)].Discarded());
    }
    const TMjReview& played = game.Review();
    const TMjReview record =
        ReviewDeal(CodeRowOf(table.HaipaiRec), CodeRowOf(table.TumoRec), CodeRowOf(table.Sutepai));
    ASSERT_TRUE(record.Ok());
    ASSERT_EQ(played.Steps.size(), record.Steps.size());
    EXPECT_FALSE(played.OneSuit);
    for (std::size_t i = 0; i < record.Steps.size(); ++i) {
      EXPECT_EQ(played.Steps[i].ChosenCount(), record.Steps[i].ChosenCount()) << i;
      EXPECT_EQ(played.Steps[i].Best().Count, record.Steps[i].Best().Count) << i;
      EXPECT_EQ(played.Steps[i].Decision(), record.Steps[i].Decision()) << i;
      EXPECT_EQ(played.Steps[i].Mistake(), record.Steps[i].Mistake()) << i;
    }
    EXPECT_EQ(played.BestChoices(), record.BestChoices());
    EXPECT_DOUBLE_EQ(played.Efficiency(), record.Efficiency());
    EXPECT_EQ(played.FirstReadyDraw(), record.FirstReadyDraw());
    EXPECT_EQ(played.WinDraw(), record.WinDraw());
  }
  game.MnRetryClick();
  EXPECT_EQ(game.Review().Steps.size(), 1u) << "a new opening starts a new judgement";
}

// --- keyboard play -----------------------------------------------------------

TEST_F(OpenedGame, TheSelectionSitsOnEachDrawnTileAndMovesOverTheHand) {
  EXPECT_EQ(display.Selection, 13);
  const struct {
    const char* Key;
    int Step;  // 0: Home, 99: End
    int Then;
  } moves[] = {{"right at the end", 1, 13}, {"left", -1, 12}, {"home", 0, 0}, {"left at the start", -1, 0},
               {"right", 1, 1}, {"end", 99, 13}};
  for (const auto& m : moves) {
    SCOPED_TRACE(m.Key);
    if (m.Step == 0 || m.Step == 99)
      game.SelectEnd(m.Step == 99);
    else
      game.MoveSelection(m.Step);
    EXPECT_EQ(game.Selection(), m.Then);
    EXPECT_EQ(display.Selection, m.Then);
  }
  game.SelectEnd(false);
  game.TepaiClick(game.Selection());
  EXPECT_EQ(display.Selection, 13) << "back on the new draw";
  for (int m = 2; m <= DealLimit; ++m) game.TepaiClick(0);
  EXPECT_EQ(display.Selection, -1) << "nothing left to throw";
  game.MoveSelection(-1);
  game.SelectEnd(true);
  EXPECT_EQ(game.Selection(), -1);
  game.MnRetryClick();
  EXPECT_EQ(game.Selection(), 13);
}
