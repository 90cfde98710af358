#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/Mjvalue1.h"
#include "core/Mjrandom1.h"
#include "tests/support/OneSuitHands.h"
#include "tests/support/ShantenReference.h"

// What a discard is worth: without moves off the path the shortest-path
// chances exactly; with them a plain search of the model written from its
// definition; expected points of ready hands in closed form.

namespace {

TKindCounts Hand(const std::string& text) {
  const TMjHandText parsed = ParseHand(text);
  if (parsed.Error != TMjNotationError::None) throw std::invalid_argument("bad hand in test: " + text);
  return parsed.Counts;
}

const TMjWorth& Row(const TMjWorthTable& table, const std::string& kind) {
  for (const TMjWorth& w : table.Discards) {
    if (KindText(w.Kind) == kind) return w;
  }
  throw std::invalid_argument("no discard " + kind);
}

TMjWorthRules Rules(int extra, int seat = 0, int round = 0) {
  TMjWorthRules rules;
  rules.Extra = extra;
  rules.Situation.SeatWind = seat;
  rules.Situation.RoundWind = round;
  return rules;
}

// Seeded 14-tile deals, `count` of each shanten in [low, high].
std::vector<TKindCounts> Deals(int low, int high, int count) {
  TMjRandom gen;
  gen.Seed(20261210u);
  std::map<int, int> taken;
  std::vector<TKindCounts> hands;
  while (static_cast<int>(hands.size()) < (high - low + 1) * count) {
    std::array<int, 136> wall;
    for (int i = 0; i < 136; ++i) wall[i] = i / 4;
    TKindCounts hand{};
    for (int i = 0; i < 14; ++i) {
      std::swap(wall[i], wall[i + gen.Next() % (136 - i)]);
      ++hand[wall[i]];
    }
    const int shanten = MjShanten(hand);
    if (shanten >= low && shanten <= high && taken[shanten]++ < count) hands.push_back(hand);
  }
  return hands;
}

// A ready hand with w winning copies in a wall of s tiles misses d draws with
// C(s - w, d) / C(s, d).
double ReadyWin(int w, int s, int d) {
  double miss = 1.0;
  for (int j = 0; j < d; ++j) miss *= static_cast<double>(s - w - j) / (s - j);
  return 1.0 - miss;
}

// The model searched draw by draw with the slow shanten, from its definition:
// a kind that lowers the shanten comes with its copies in a wall of W tiles,
// the rest of the draw's chance is shared by the other kinds by their copies
// inside the bound, else nothing changes. Inside the bound (the copies held
// beyond the first hand's plus the shanten below the first hand's shanten
// plus the moves allowed) a hand draws any kind and throws any tile; outside
// it draws only what lowers its shanten and throws only what keeps it.
struct TPlain {
  TKindCounts Base;  // the first hand
  TKindCounts Unseen;
  int Wall = 0;
  int Draws = 0;
  int Extra = 0;
  int Figure = 0;  // 0 ready, 1 win, 2 points
  TMjSituation Situation;
  int FirstShanten = 0;
  std::map<std::pair<TKindCounts, int>, double> Known;

  bool Inside(const TKindCounts& h, int shanten) const {
    int beyond = 0;
    for (int k = 0; k < KindCount; ++k) beyond += std::max(0, h[k] - Base[k]);
    return beyond + shanten < FirstShanten + Extra;
  }

  // 14 tiles just drawn into, not complete: the best discard allowed.
  double Best(TKindCounts& h, int left) {
    const int shanten = reference::Shanten(h);
    const bool inside = Inside(h, shanten);
    double best = 0.0;
    for (int d = 0; d < KindCount; ++d) {
      if (h[d] == 0) continue;
      --h[d];
      if (inside || reference::Shanten(h) == shanten) best = std::max(best, Value(h, left));
      ++h[d];
    }
    return best;
  }

  // 13 tiles with `left` draws to come.
  double Value(TKindCounts& h, int left) {
    const auto known = Known.find({h, left});
    if (known != Known.end()) return known->second;
    const int shanten = reference::Shanten(h);
    const bool inside = Inside(h, shanten);
    double value = 0.0;
    if (Figure == 0 && shanten == 0) {
      value = 1.0;
    } else if (left > 0) {
      double improving = 0;
      double other = 0;
      std::vector<std::pair<double, double>> improvingDraws;  // copies, value
      std::vector<std::pair<double, double>> otherDraws;
      for (int k = 0; k < KindCount; ++k) {
        const int n = Unseen[k] - std::max(0, h[k] - Base[k]);
        if (n <= 0) continue;
        ++h[k];
        const int after = reference::Shanten(h);
        if (after < shanten) {
          double x = 1.0;
          if (after < 0) {
            if (Figure == 2) x = MjScore(h, k, Situation).BestReading().Points.Total;
          } else {
            x = Best(h, left - 1);
          }
          improvingDraws.emplace_back(n, x);
          improving += n;
        } else if (inside) {
          otherDraws.emplace_back(n, Best(h, left - 1));
          other += n;
        }
        --h[k];
      }
      const double wall = std::max<double>(Wall - (Draws - left), improving);
      const double rest = 1.0 - improving / wall;
      for (const auto& [n, x] : improvingDraws) value += n / wall * x;
      for (const auto& [n, x] : otherDraws) value += rest * n / other * x;
      if (otherDraws.empty()) value += rest * Value(h, left - 1);
    }
    Known[{h, left}] = value;
    return value;
  }
};

}  // namespace

TEST(Worth, WithoutMovesReproducesThePublishedExample) {
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TMjWorthTable table = MjWorths(hand, MjUnseen(hand, NoKinds), 17, Rules(0));
  const struct {
    const char* kind;
    double win;
  } published[] = {{"2m", 0.1387}, {"5m", 0.1387}, {"8m", 0.0879}, {"1p", 0.1511}, {"6p", 0.1432},
                   {"9p", 0.1432}, {"3s", 0.1114}, {"7s", 0.1114}, {"1z", 0.1511}};
  EXPECT_EQ(table.Shanten, 3);
  for (const auto& p : published) {
    SCOPED_TRACE(p.kind);
    EXPECT_NEAR(Row(table, p.kind).Win, p.win, 0.00005);
  }
  EXPECT_FALSE(Row(table, "3m").Counted);
  EXPECT_NEAR(table.Win, 0.1511, 0.00005);
}

TEST(Worth, WithoutMovesEqualsTheShortestPathChances) {
  std::vector<std::pair<TKindCounts, bool>> hands;  // with a one-suit wall
  for (const TKindCounts& h : Deals(0, 3, 5)) hands.emplace_back(h, false);
  hands.emplace_back(Hand("123m456p789s11122z"), false);  // complete
  int n = 0;
  auto visit = [&](const TKindCounts& c) {
    if (n++ % 1511 == 0) hands.emplace_back(c, true);
  };
  TKindCounts c{};
  EachOneSuitHand(c, 0, 14, visit);
  for (const auto& [hand, oneSuit] : hands) {
    const TKindCounts unseen = MjUnseen(hand, NoKinds, oneSuit);
    for (int draws : {17, 6, 1}) {
      if (oneSuit && draws > 8) continue;
      SCOPED_TRACE(HandText(hand) + " draws " + std::to_string(draws));
      const TMjChanceTable chances = MjChances(hand, unseen, draws);
      const TMjWorthTable worth = MjWorths(hand, unseen, draws, Rules(0));
      ASSERT_EQ(chances.Discards.size(), worth.Discards.size());
      EXPECT_EQ(chances.Shanten, worth.Shanten);
      EXPECT_NEAR(chances.Win, worth.Win, 2e-6);
      EXPECT_NEAR(chances.Ready, worth.Ready, 2e-6);
      for (std::size_t i = 0; i < chances.Discards.size(); ++i) {
        const TMjChance& a = chances.Discards[i];
        const TMjWorth& b = worth.Discards[i];
        SCOPED_TRACE(KindText(a.Kind));
        EXPECT_EQ(a.Kind, b.Kind);
        EXPECT_EQ(a.Counted, b.Counted);
        EXPECT_EQ(a.Shanten, b.Shanten);
        EXPECT_NEAR(a.Ready, b.Ready, 2e-6);
        EXPECT_NEAR(a.Win, b.Win, 2e-6);
      }
    }
  }
}

TEST(Worth, MovesAgreeWithAPlainSearchOnOneSuitHands) {
  // Every 2,003rd 14-tile hand of the characters at most 2 away, a one-suit
  // wall, 3 draws: every figure of every discard, one and two moves allowed.
  std::vector<TKindCounts> hands;
  int n = 0;
  auto visit = [&](const TKindCounts& c) {
    if (MjShanten(c) <= 2 && n++ % 2003 == 0) hands.push_back(c);
  };
  TKindCounts c{};
  EachOneSuitHand(c, 0, 14, visit);
  ASSERT_GE(hands.size(), 8u);
  constexpr int draws = 3;
  int gained = 0;
  for (const TKindCounts& hand : hands) {
    SCOPED_TRACE(HandText(hand));
    const TKindCounts unseen = MjUnseen(hand, NoKinds, true);
    for (int extra : {1, 2}) {
      SCOPED_TRACE("extra " + std::to_string(extra));
      const TMjWorthTable table = MjWorths(hand, unseen, draws, Rules(extra, 1, 0));
      const TMjWorthTable shortest = MjWorths(hand, unseen, draws, Rules(0, 1, 0));
      const int lowest = std::max(0, table.Shanten);
      for (std::size_t i = 0; i < table.Discards.size(); ++i) {
        const TMjWorth& worth = table.Discards[i];
        SCOPED_TRACE(KindText(worth.Kind));
        ASSERT_TRUE(worth.Counted);
        TKindCounts kept = hand;
        --kept[worth.Kind];
        const double figures[] = {worth.Ready, worth.Win, worth.Points};
        for (int figure = 0; figure < 3; ++figure) {
          TPlain plain{hand, unseen, 22, draws, extra, figure, {1, 0, false}, lowest, {}};
          EXPECT_NEAR(figures[figure], plain.Value(kept, draws), figure == 2 ? 2e-3 : 2e-6) << figure;
        }
        if (worth.Win > shortest.Discards[i].Win + 1e-6) ++gained;
      }
    }
  }
  EXPECT_GT(gained, 10);  // the moves matter on these hands
}

TEST(Worth, LongWaysInAndOutOfTheBoundAgreeWithThePlainSearch) {
  // With 5 draws a hand can leave the bound by a shape change, come back in
  // by throwing what it took in and leave it again; from 14 tiles and from
  // the 13 kept (then the bound is the 13 tiles').
  constexpr int draws = 5;
  for (const char* text : {"11112222444679m", "11113444679999m", "22225555668888m"}) {
    SCOPED_TRACE(text);
    const TKindCounts hand = Hand(text);
    const TKindCounts unseen = MjUnseen(hand, NoKinds, true);
    const TMjWorthTable table = MjWorths(hand, unseen, draws, Rules(1, 1, 0));
    for (const TMjWorth& worth : table.Discards) {
      SCOPED_TRACE(KindText(worth.Kind));
      TKindCounts kept = hand;
      --kept[worth.Kind];
      TPlain plain{hand, unseen, 22, draws, 1, 1, {1, 0, false}, table.Shanten, {}};
      EXPECT_NEAR(worth.Win, plain.Value(kept, draws), 2e-6);
      const TMjWorthTable own = MjHandWorths(kept, unseen, draws, Rules(1, 1, 0));
      TPlain plain13{kept, unseen, 22, draws, 1, 1, {1, 0, false}, own.Shanten, {}};
      EXPECT_NEAR(own.Win, plain13.Value(kept, draws), 2e-6);
    }
  }
}

TEST(Worth, ExpectedPointsOfReadyHandsFollowTheClosedForm) {
  // Without moves a ready hand's wait stays: it wins with the chance of a
  // ready hand, and each winning kind as often as its copies left.
  const struct {
    const char* hand;  // 14 tiles; `discard` leaves the ready 13
    const char* discard;
    int seat;
    int round;
    int draws;
  } cases[] = {
      {"234m567p23488s155z", "1z", 0, 0, 17},  // 5z and 8s, two pairs
      {"234m567p23488s155z", "1z", 1, 0, 5},
      {"23456m234p23488s9s", "9s", 1, 1, 17},  // 147m, with pinfu on every win
      {"1112345678999m1z", "1z", 2, 0, 17},     // nine waits, the pure nine gates on 1m..9m
      {"123m456p789s1112z7z", "7z", 0, 0, 11},  // a single wait on 2z
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " draws " + std::to_string(c.draws));
    const TKindCounts hand = Hand(c.hand);
    const TKindCounts unseen = MjUnseen(hand, NoKinds);
    const TMjWorthTable table = MjWorths(hand, unseen, c.draws, Rules(0, c.seat, c.round));
    const TMjWorth& worth = Row(table, c.discard);
    TKindCounts kept = hand;
    --kept[worth.Kind];
    const TMjUkeire wait = MjUkeire(kept);
    ASSERT_EQ(wait.Shanten, 0);
    int copies = 0;
    double points = 0;
    int wall = 0;
    for (int n : unseen) wall += n;
    for (int k = 0; k < KindCount; ++k) {
      if ((wait.Kinds >> k & 1) == 0) continue;
      TKindCounts won = kept;
      ++won[k];
      copies += unseen[k];
      points += unseen[k] * MjScore(won, k, {c.seat, c.round, false}).BestReading().Points.Total;
    }
    const double win = ReadyWin(copies, wall, c.draws);
    EXPECT_NEAR(worth.Win, win, 1e-7);
    EXPECT_NEAR(worth.Points, win * points / copies, 1e-6 * points / copies);
  }
}

TEST(Worth, MovesNeverLowerAFigure) {
  for (const TKindCounts& hand : Deals(0, 2, 3)) {
    SCOPED_TRACE(HandText(hand));
    const TKindCounts unseen = MjUnseen(hand, NoKinds);
    const TMjWorthTable tables[] = {MjWorths(hand, unseen, 7, Rules(0)), MjWorths(hand, unseen, 7, Rules(1)),
                                    MjWorths(hand, unseen, 7, Rules(2))};
    for (int extra = 1; extra <= 2; ++extra) {
      for (std::size_t i = 0; i < tables[0].Discards.size(); ++i) {
        const TMjWorth& fewer = tables[extra - 1].Discards[i];
        const TMjWorth& more = tables[extra].Discards[i];
        if (!fewer.Counted) continue;
        SCOPED_TRACE(KindText(fewer.Kind) + " extra " + std::to_string(extra));
        EXPECT_GE(more.Ready, fewer.Ready - 1e-6);
        EXPECT_GE(more.Win, fewer.Win - 1e-6);
        EXPECT_GE(more.Points, fewer.Points * (1 - 1e-6));
      }
    }
  }
}

TEST(Worth, ATableBeyondTheMemoryAllowedSaysSo) {
  const TKindCounts hand = Hand("2356m1479p36s1155z");
  const TKindCounts unseen = MjUnseen(hand, NoKinds);
  const TMjWorthTable fits = MjWorths(hand, unseen, 6, Rules(1));
  EXPECT_FALSE(fits.TooBig);
  EXPECT_GT(fits.Win, 0.0);
  const TMjWorthTable tight = MjWorths(hand, unseen, 6, Rules(1), {}, std::size_t{1} << 16);
  EXPECT_TRUE(tight.TooBig);
  EXPECT_FALSE(tight.Stopped);
  EXPECT_TRUE(tight.Discards.empty());
  EXPECT_EQ(tight.Win, 0.0);
  TKindCounts kept = hand;
  --kept[27];
  EXPECT_TRUE(MjHandWorths(kept, unseen, 6, Rules(1), {}, std::size_t{1} << 16).TooBig);
}

TEST(Worth, StopRequestGivesUp) {
  std::stop_source source;
  source.request_stop();
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TMjWorthTable table = MjWorths(hand, MjUnseen(hand, NoKinds), 17, Rules(1), source.get_token());
  EXPECT_TRUE(table.Stopped);
  EXPECT_TRUE(table.Discards.empty());
}

TEST(Worth, RefuseWhatCannotBe) {
  const TKindCounts hand = Hand("234578m1689p357s1z");
  const TKindCounts unseen = MjUnseen(hand, NoKinds);
  const std::function<void()> bad[] = {
      [&] { MjWorths(Hand("234578m1689p357s"), unseen, 17); },  // 13 tiles
      [&] { MjWorths(hand, unseen, -1); },
      [&] { MjWorths(hand, unseen, 17, Rules(3)); },
      [&] { MjWorths(hand, unseen, 17, Rules(-1)); },
      [&] { MjWorths(hand, unseen, 17, Rules(1, 4, 0)); },
  };
  for (std::size_t i = 0; i < std::size(bad); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(bad[i](), std::invalid_argument);
  }
}
