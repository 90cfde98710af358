// A saved deal laid out as a wall again: the deal, then the draws in their
// order, then the tiles left over; the mode read from the record; records that
// cannot be played refused. Expected ids are worked out by hand from the codes
// (kind k holds ids 4k..4k+3; code 05 is kind 4, 24 is kind 21, 37 kind 33).

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "game/Mjgame1.h"
#include "game/Mjreplay1.h"
#include "tests/support/SequenceSource.h"

namespace {

using TCodes = std::vector<int>;

TCodeGrid Grid(const TCodes& deal, const TCodes& draws, const TCodes& discards) {
  TCodeGrid grid{};
  const TCodes* rows[] = {&deal, &draws, &discards};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t i = 0; i < rows[r]->size(); ++i) grid[r * RowSlots + i] = (*rows[r])[i];
  return grid;
}

// The record of tests/data/records/example.csv: a finished deal of the full wall.
const TCodes ExampleDeal{1, 5, 7, 9, 9, 14, 16, 21, 25, 27, 27, 33, 37};
const TCodes ExampleDraws{5, 16, 26, 13, 7, 24, 1, 34, 24, 25, 17, 36, 24, 17, 18, 14, 12, 22};
const TCodes ExampleDiscards{25, 9, 5, 13, 16, 24, 26, 7, 34, 16, 14, 27, 21, 7, 5, 1, 14, 12};

// A one-suit deal: every draw thrown away at once.
const TCodes SuitDeal{1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9};
const TCodes SuitDraws{1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7};

TCodes Codes(const TMjTable& table, int from, int count) {
  TCodes codes;
  for (int i = from; i < from + count; ++i) codes.push_back(table.Wall[static_cast<std::size_t>(i)]->GetCode());
  return codes;
}

}  // namespace

TEST(MjReplay, AFinishedRecordDealsItsTilesAndDrawsThemInOrder) {
  const TMjReplay replay = ReplayRecord(Grid(ExampleDeal, ExampleDraws, ExampleDiscards));
  ASSERT_TRUE(replay.Ok());
  EXPECT_FALSE(replay.Tinitu) << "honours and other suits";
  const std::vector<int> ids = replay.WallIds();
  ASSERT_EQ(ids.size(), 136u);
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), 136u) << "every tile once";
  // 05 is dealt (id 16) and drawn first (17); the two dealt 09 are ids 32 and 33;
  // 24 is drawn three times: ids 84, 85, 86.
  EXPECT_EQ(ids[1], 16);
  EXPECT_EQ(ids[3], 32);
  EXPECT_EQ(ids[4], 33);
  EXPECT_EQ(ids[12], 132);
  EXPECT_EQ(ids[13], 17);
  EXPECT_EQ(ids[13 + 5], 84);
  EXPECT_EQ(ids[13 + 8], 85);
  EXPECT_EQ(ids[13 + 12], 86);
  EXPECT_TRUE(std::is_sorted(ids.begin() + 31, ids.end())) << "the rest in id order";

  TRuleSource source([](int) { return 7; });
  TScopedRandomSource guard(source);
  TMjTable table;
  LayReplayWall(table, replay);
  EXPECT_EQ(source.Taken, 0) << "a finished deal's later wall is never reached: nothing to shuffle";
  table.Haipai();
  TCodes dealt;
  for (const TMjPai* pai : table.HaipaiRec)
    if (pai) dealt.push_back(pai->GetCode());
  EXPECT_EQ(dealt, ExampleDeal);
  TCodes drawn;
  for (int i = 0; i < DealLimit; ++i) drawn.push_back(table.Tumo()->GetCode());
  EXPECT_EQ(drawn, ExampleDraws);
}

TEST(MjReplay, CharactersOnlyIsAOneSuitDealOnTheOneSuitWall) {
  const TMjReplay replay = ReplayRecord(Grid(SuitDeal, SuitDraws, SuitDraws));
  ASSERT_TRUE(replay.Ok());
  EXPECT_TRUE(replay.Tinitu);
  const std::vector<int> ids = replay.WallIds();
  ASSERT_EQ(ids.size(), 36u);
  // Left of the 36 characters: one 7 (id 27), three 8 (29..31), one 9 (35).
  EXPECT_EQ(std::vector<int>(ids.begin() + 31, ids.end()), (std::vector<int>{27, 29, 30, 31, 35}));

  // One honour among the draws makes it a full-wall deal.
  TCodes draws = SuitDraws;
  draws.back() = 31;
  EXPECT_FALSE(ReplayRecord(Grid(SuitDeal, draws, draws)).Tinitu);
  EXPECT_EQ(ReplayRecord(Grid(SuitDeal, draws, draws)).WallIds().size(), 136u);
}

// Saved after the fifth draw, before its discard: the later draws come from
// the generator, through the one shuffle. A source giving count - i - 1 at step
// i moves the last entry to the front: the largest id left comes first.
TEST(MjReplay, ARecordSavedEarlyLeavesTheLaterDrawsToTheGenerator) {
  const TCodes draws(ExampleDraws.begin(), ExampleDraws.begin() + 5);
  const TCodes discards(ExampleDiscards.begin(), ExampleDiscards.begin() + 4);
  const TMjReplay replay = ReplayRecord(Grid(ExampleDeal, draws, discards));
  ASSERT_TRUE(replay.Ok());
  const int rest = 136 - 18;
  TRuleSource last([rest](int step) { return rest - step - 1; });
  TScopedRandomSource guard(last);
  TMjTable table;
  LayReplayWall(table, replay);
  EXPECT_EQ(last.Taken, rest - 1) << "one value per step, as a new wall takes";
  EXPECT_EQ(Codes(table, 0, 13), ExampleDeal);
  EXPECT_EQ(Codes(table, 13, 5), draws);
  EXPECT_EQ(table.Wall[18]->Id, 135);
  EXPECT_EQ(table.Wall[19]->Id, 1) << "the smallest id left: the dealt 01 is id 0";
  EXPECT_EQ(table.WallPos, 0);
}

TEST(MjReplay, RecordsThatCannotBePlayedAreRefused) {
  // The fourth discard is a 2, which neither the deal nor the first four draws brought.
  TCodes discards = ExampleDiscards;
  discards[3] = 2;
  const TMjReplay wrong = ReplayRecord(Grid(ExampleDeal, ExampleDraws, discards));
  EXPECT_FALSE(wrong.Ok());
  EXPECT_EQ(wrong.Review.Error, TMjReviewError::DiscardNotHeld);
  EXPECT_EQ(wrong.Review.ErrorStep, 4);

  // Nineteen draws: a deal makes eighteen.
  TCodes draws = ExampleDraws, thrown = ExampleDraws;
  draws.push_back(2);
  thrown.push_back(2);
  const TMjReplay long_ = ReplayRecord(Grid(ExampleDeal, draws, thrown));
  EXPECT_TRUE(long_.Review.Ok());
  EXPECT_TRUE(long_.TooManyDraws);
  EXPECT_FALSE(long_.Ok());

  EXPECT_FALSE(ReplayRecord(TCodeGrid{}).Ok()) << "no deal at all";
}

namespace {

class TQuietDisplay final : public TMjDisplay {
public:
  void PaintTepaiCell(int, const TMjPai*) override {}
  void PaintSutepaiCell(int, const TMjPai*) override {}
  void RepaintNow() override {}
  void ShowProgress(int, bool) override {}
  bool Pause(int) override { return false; }
  bool MachiVisible() override { return false; }
  void ShowMachiWindow() override {}
  void HideMachiWindow() override {}
  void ShowMachi(const TPaiRow&, const TMjPai*) override {}
  void ShowPairi(const TMjReview&) override {}
  void ShowSelection(int) override {}
};

TCodes RowCodes(const TPaiRow& row) {
  TCodes codes;
  for (const TMjPai* pai : row)
    if (pai) codes.push_back(pai->GetCode());
  return codes;
}

}  // namespace

// The opening plays the replay once; F6 plays its wall again, F5 leaves it for
// a shuffled wall of the record's mode; closing drops a replay not yet played.
TEST(MjReplay, TheFlowPlaysAReplayAtTheOpeningAndDropsItOnClosing) {
  TRuleSource source([](int step) { return step * 7919; });
  TScopedRandomSource guard(source);
  TMjTable table;
  TQuietDisplay display;
  TMjGame game(table, display);
  const TMjReplay replay = ReplayRecord(Grid(SuitDeal, SuitDraws, SuitDraws));
  game.SetReplay(replay);
  EXPECT_TRUE(game.Tinitu) << "the record's mode";
  game.FormShow();
  EXPECT_TRUE(game.Replaying());
  EXPECT_EQ(RowCodes(table.HaipaiRec), SuitDeal);
  EXPECT_EQ(RowCodes(table.TumoRec), TCodes{1});
  game.TepaiClick(DrawSlot);
  EXPECT_EQ(RowCodes(table.TumoRec), (TCodes{1, 2}));
  game.MnRetryClick();
  EXPECT_TRUE(game.Replaying());
  EXPECT_EQ(RowCodes(table.TumoRec), TCodes{1});
  EXPECT_EQ(source.Taken, 0);

  game.MnStart2Click();
  EXPECT_FALSE(game.Replaying());
  EXPECT_EQ(source.Taken, 35) << "a new one-suit wall";

  source.Taken = 0;
  game.SetReplay(replay);
  game.FormHide();
  game.FormShow();
  EXPECT_FALSE(game.Replaying());
  EXPECT_EQ(source.Taken, 35);
}
