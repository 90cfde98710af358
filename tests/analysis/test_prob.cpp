#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "analysis/Mjprob1.h"
#include "tests/support/OneSuitHands.h"
#include "tests/support/ShantenReference.h"

// The chance to be ready and to win by the last draw: the published example of
// the hand-change-graph method, closed forms worked by hand, and a plain search
// of the same model over small hands of one suit.

namespace {

TKindCounts Hand(const std::string& text) {
  const TMjHandText parsed = ParseHand(text);
  if (parsed.Error != TMjNotationError::None) throw std::invalid_argument("bad hand in test: " + text);
  return parsed.Counts;
}

const TMjChance& Row(const TMjChanceTable& table, const std::string& kind) {
  for (const TMjChance& c : table.Discards) {
    if (KindText(c.Kind) == kind) return c;
  }
  throw std::invalid_argument("no discard " + kind);
}

// A ready hand with w winning copies in a wall of s tiles misses d draws with
// C(s - w, d) / C(s, d).
double ReadyWin(int w, int s, int d) {
  double miss = 1.0;
  for (int j = 0; j < d; ++j) miss *= static_cast<double>(s - w - j) / (s - j);
  return 1.0 - miss;
}

// The same model searched draw by draw with the slow shanten: every kind that
// lowers the shanten is drawn with its copies in the wall, every discard that
// keeps the new shanten is tried, anything else drawn is thrown back.
struct TPlain {
  TKindCounts Base;
  TKindCounts Unseen;
  int Wall = 0;
  int Draws = 0;
  bool Win = false;  // else ready

  double Chance(TKindCounts& h, int left) {
    const int shanten = reference::Shanten(h);
    if (!Win && shanten == 0) return 1.0;
    if (left == 0) return 0.0;
    double copies = 0;
    std::vector<std::pair<int, double>> draws;
    for (int k = 0; k < KindCount; ++k) {
      const int n = Unseen[k] - std::max(0, h[k] - Base[k]);
      if (n <= 0 || h[k] == 4) continue;
      ++h[k];
      const int after = reference::Shanten(h);
      double best = 0.0;
      if (after < shanten) {
        if (after < 0 || (!Win && after == 0)) {
          best = 1.0;
        } else {
          for (int d = 0; d < KindCount; ++d) {
            if (h[d] == 0) continue;
            --h[d];
            if (reference::Shanten(h) == after) best = std::max(best, Chance(h, left - 1));
            ++h[d];
          }
        }
        draws.emplace_back(n, best);
        copies += n;
      }
      --h[k];
    }
    const double wall = std::max<double>(Wall - (Draws - left), copies);
    double chance = (1.0 - copies / wall) * Chance(h, left - 1);
    for (const auto& [n, best] : draws) chance += n / wall * best;
    return chance;
  }
};

}  // namespace

TEST(Chances, ReproduceThePublishedExample) {
  // 234578m1689p357s1z at its first draw: 14 tiles held, 122 unseen, 17 draws left.
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds), 17);
  const struct {
    const char* kind;
    double win;
  } published[] = {{"2m", 0.1387}, {"5m", 0.1387}, {"8m", 0.0879}, {"1p", 0.1511}, {"6p", 0.1432},
                   {"9p", 0.1432}, {"3s", 0.1114}, {"7s", 0.1114}, {"1z", 0.1511}};
  EXPECT_EQ(table.Shanten, 3);
  for (const auto& p : published) {
    SCOPED_TRACE(p.kind);
    EXPECT_NEAR(Row(table, p.kind).Win, p.win, 0.00005);
    EXPECT_TRUE(Row(table, p.kind).Counted);
  }
  EXPECT_NEAR(table.Win, 0.1511, 0.00005);
  for (const char* raised : {"3m", "4m", "7m", "8p", "5s"}) {
    SCOPED_TRACE(raised);
    EXPECT_FALSE(Row(table, raised).Counted);
    EXPECT_EQ(Row(table, raised).Shanten, 4);
  }
}

TEST(Chances, ReadyHandsFollowTheClosedForm) {
  const struct {
    const char* hand;
    bool oneSuit;
    int draws;
    int copies;  // winning copies unseen
    int wall;
  } cases[] = {
      {"123m456p789s1122z", false, 1, 4, 123},   // two pairs waiting, 2 + 2 copies
      {"123m456p789s1122z", false, 17, 4, 123},
      {"123m456p789s1112z", false, 17, 3, 123},  // a single wait on 2z
      {"123m456p789s1112z", false, 0, 3, 123},   // no draw left: no win
      {"1112345678999m", false, 17, 23, 123},    // nine waits
      {"1112345678999m", true, 1, 23, 23},       // every tile of a one-suit wall wins
      {"1112345678999m", true, 0, 23, 23},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " draws " + std::to_string(c.draws));
    const TKindCounts hand = Hand(c.hand);
    const TMjChance chance = MjHandChance(hand, MjUnseen(hand, NoKinds, c.oneSuit), c.draws);
    EXPECT_EQ(chance.Shanten, 0);
    EXPECT_DOUBLE_EQ(chance.Ready, 1.0);
    EXPECT_NEAR(chance.Win, ReadyWin(c.copies, c.wall, c.draws), 1e-12);
  }
}

TEST(Chances, CompleteHandHasWon) {
  const TKindCounts hand = Hand("123m456p789s11122z");
  const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds), 0);
  EXPECT_EQ(table.Shanten, -1);
  EXPECT_DOUBLE_EQ(table.Win, 1.0);
  EXPECT_DOUBLE_EQ(table.Ready, 1.0);
  // Thrown back, it is ready again: ready at once, but no draw to win with.
  EXPECT_DOUBLE_EQ(Row(table, "2z").Ready, 1.0);
  EXPECT_DOUBLE_EQ(Row(table, "2z").Win, 0.0);
}

TEST(Chances, NoDrawsLeftIsNoChance) {
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds), 0);
  for (const TMjChance& c : table.Discards) {
    EXPECT_EQ(c.Ready, 0.0) << KindText(c.Kind);
    EXPECT_EQ(c.Win, 0.0) << KindText(c.Kind);
  }
  EXPECT_EQ(table.Win, 0.0);
}

TEST(Chances, OneSuitWallHoldsOnlyCharacters) {
  TKindCounts discards{};
  discards[0] = 1;   // 1m thrown
  discards[27] = 1;  // 1z thrown
  const TKindCounts hand = Hand("1123456789m1199p");
  const TKindCounts unseen = MjUnseen(hand, discards, true);
  TKindCounts expected{};
  const int characters[] = {1, 3, 3, 3, 3, 3, 3, 3, 3};  // 1m: 4 - 2 held - 1 thrown
  for (int k = 0; k < 9; ++k) expected[k] = characters[k];
  EXPECT_EQ(unseen, expected);
  EXPECT_EQ(MjUnseen(hand, discards)[27], 3);
  EXPECT_EQ(MjUnseen(hand, discards)[9], 2);
}

TEST(Chances, AgreeWithAPlainSearchOnOneSuitHands) {
  // Every 1,511th 14-tile hand of the characters, with a one-suit wall: the
  // ready chance over 5 draws, and the win chance where the hand is close.
  std::vector<TKindCounts> hands;
  int n = 0;
  auto visit = [&](const TKindCounts& c) {
    if (n++ % 1511 == 0) hands.push_back(c);
  };
  TKindCounts c{};
  EachOneSuitHand(c, 0, 14, visit);
  ASSERT_GE(hands.size(), 70u);
  constexpr int draws = 5;
  for (const TKindCounts& hand : hands) {
    SCOPED_TRACE(HandText(hand));
    const TKindCounts unseen = MjUnseen(hand, NoKinds, true);
    const TMjChanceTable table = MjChances(hand, unseen, draws);
    for (const TMjChance& chance : table.Discards) {
      if (!chance.Counted) continue;
      SCOPED_TRACE(KindText(chance.Kind));
      TKindCounts kept = hand;
      --kept[chance.Kind];
      TPlain plain{hand, unseen, 22, draws, false};
      EXPECT_NEAR(chance.Ready, plain.Chance(kept, draws), 1e-12);
      if (chance.Shanten <= 1) {
        plain.Win = true;
        EXPECT_NEAR(chance.Win, plain.Chance(kept, draws), 1e-12);
      }
    }
  }
}

// The same search over hands two and three away: characters with three or four
// lone honours, the wall of characters only, so the honours never come again.
TEST(Chances, AgreeWithAPlainSearchTwoAndThreeAway) {
  std::vector<TKindCounts> hands;
  for (const int honours : {3, 4}) {
    int n = 0;
    auto visit = [&](const TKindCounts& c) {
      if (n++ % 499 != 0) return;
      TKindCounts hand = c;
      for (int h = 0; h < honours; ++h) hand[static_cast<std::size_t>(27 + 2 * h)] = 1;  // 1z 3z 5z 7z
      // A few of each: the plain search is slow this far from ready.
      const int shanten = MjShanten(hand);
      const auto same = std::count_if(hands.begin(), hands.end(), [&](const TKindCounts& h) { return MjShanten(h) == shanten; });
      if (shanten >= 2 && same < 5 - shanten) hands.push_back(hand);
    };
    TKindCounts c{};
    EachOneSuitHand(c, 0, 14 - honours, visit);
  }
  int reached[8] = {};
  for (const TKindCounts& hand : hands) ++reached[MjShanten(hand)];
  ASSERT_GE(reached[2], 3) << "hands two away";  // and the win chance of those
  ASSERT_GE(reached[3], 2) << "hands three away";
  constexpr int draws = 4;
  for (const TKindCounts& hand : hands) {
    SCOPED_TRACE(HandText(hand));
    const TKindCounts unseen = MjUnseen(hand, NoKinds, true);
    int wall = 0;
    for (int k : unseen) wall += k;
    const TMjChanceTable table = MjChances(hand, unseen, draws);
    for (const TMjChance& chance : table.Discards) {
      if (!chance.Counted) continue;
      SCOPED_TRACE(KindText(chance.Kind));
      TKindCounts kept = hand;
      --kept[chance.Kind];
      // Hands met again are remembered as 32-bit floats: seven digits.
      TPlain plain{hand, unseen, wall, draws, false};
      EXPECT_NEAR(chance.Ready, plain.Chance(kept, draws), 1e-6);
      if (chance.Shanten > 2) continue;
      plain.Win = true;
      EXPECT_NEAR(chance.Win, plain.Chance(kept, draws), 1e-6);
    }
  }
}

// Of discards whose win chances are equal the honour is named first, then a
// terminal, then the lowest kind.
TEST(Chances, TiesGoToHonoursThenTerminalsThenKindOrder) {
  // 11223445677899m: 2m and 9m both keep the 1-4-7m ready hand (tilelab-hand:
  // 36.51% on the full wall, 99.35% on the characters only); 9m is the terminal.
  for (const bool oneSuit : {false, true}) {
    const TKindCounts hand = Hand("11223445677899m");
    const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds, oneSuit), 17);
    ASSERT_TRUE(BestWinDiscard(table));
    EXPECT_EQ(KindText(BestWinDiscard(table)->Kind), "9m");
    EXPECT_NEAR(BestWinDiscard(table)->Win, oneSuit ? 0.9935 : 0.3651, 5e-5);
  }
  // 234578m1689p357s1z: 1p and 1z win 15.11% alike (the published example): the honour.
  const TKindCounts far = Hand("234578m1689p357s1z");
  const TMjChanceTable table = MjChances(far, MjUnseen(far, NoKinds), 17);
  EXPECT_EQ(KindText(BestWinDiscard(table)->Kind), "1z");
  EXPECT_TRUE(MjTiePrefers(CodeKind(31), CodeKind(1)));   // 1z before 1m
  EXPECT_TRUE(MjTiePrefers(CodeKind(19), CodeKind(2)));   // 9p before 2m
  EXPECT_TRUE(MjTiePrefers(CodeKind(1), CodeKind(9)));    // 1m before 9m
  EXPECT_FALSE(MjTiePrefers(CodeKind(5), CodeKind(37)));  // 5m after 7z
}

TEST(Chances, ForgettingHandsKeepsTheFigures) {
  const TKindCounts hand = Hand("2356m1479p36s1155z");
  const TKindCounts unseen = MjUnseen(hand, NoKinds);
  const TMjChanceTable remembered = MjChances(hand, unseen, 9);
  const TMjChanceTable forgetful = MjChances(hand, unseen, 9, {}, 0);
  EXPECT_GT(remembered.Win, 0.0);
  ASSERT_EQ(remembered.Discards.size(), forgetful.Discards.size());
  for (std::size_t i = 0; i < remembered.Discards.size(); ++i) {
    EXPECT_EQ(remembered.Discards[i].Win, forgetful.Discards[i].Win);
    EXPECT_EQ(remembered.Discards[i].Ready, forgetful.Discards[i].Ready);
  }
}

TEST(Chances, StopRequestGivesUp) {
  std::stop_source source;
  source.request_stop();
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TMjChanceTable table = MjChances(hand, MjUnseen(hand, NoKinds), 17, source.get_token());
  EXPECT_TRUE(table.Stopped);
  EXPECT_TRUE(table.Discards.empty());
}

TEST(Chances, RefuseWhatCannotBe) {
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TKindCounts unseen = MjUnseen(hand, NoKinds);
  TKindCounts tooMany = unseen;
  tooMany[1] = 4;  // 2m: one is held
  const TKindCounts oneSuit = MjUnseen(hand, NoKinds, true);
  const std::function<void()> bad[] = {
      [&] { MjChances(Hand("234578m1689p357s"), unseen, 17); },  // 13 tiles
      [&] { MjChances(hand, tooMany, 17); },
      [&] { MjChances(hand, unseen, -1); },
      [&] { MjChances(hand, oneSuit, 31); },  // 30 characters unseen
      [&] { MjHandChance(hand, unseen, 17); },  // 14 tiles
  };
  for (std::size_t i = 0; i < std::size(bad); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(bad[i](), std::invalid_argument);
  }
}
