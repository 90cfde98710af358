#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "analysis/Mjscore1.h"
#include "tests/support/OneSuitHands.h"

// The readings of the scorer against a plain search: every complete hand of one
// suit and a seeded sample of mixed hands. The search tries every pair and every
// choice of four sets from the tiles; the scorer must find the same readings
// and choose one worth no less than any of them.

namespace {

#ifdef NDEBUG
constexpr int OneSuitStride = 1;
#else
constexpr int OneSuitStride = 17;  // the sanitizer build checks a sample
#endif

bool Orphan(int k) { return k >= 27 || k % 9 == 0 || k % 9 == 8; }

// Set option i: the triplet of kind i / 2 when i is even, else the run from it.
bool Fits(const TKindCounts& c, int option) {
  const int k = option / 2;
  if (option % 2 == 0) return c[k] >= 3;
  return k < 27 && k % 9 <= 6 && c[k] > 0 && c[k + 1] > 0 && c[k + 2] > 0;
}

void Take(TKindCounts& c, int option, int sign) {
  const int k = option / 2;
  if (option % 2 == 0) {
    c[k] -= 3 * sign;
  } else {
    for (int i = 0; i < 3; ++i) c[k + i] -= sign;
  }
}

void Choose(TKindCounts& c, int from, std::vector<int>& chosen, std::vector<std::vector<int>>& out) {
  if (chosen.size() == 4) {
    if (std::all_of(c.begin(), c.end(), [](int n) { return n == 0; })) out.push_back(chosen);
    return;
  }
  for (int option = from; option < 2 * KindCount; ++option) {
    if (!Fits(c, option)) continue;
    Take(c, option, 1);
    chosen.push_back(option);
    Choose(c, option, chosen, out);
    chosen.pop_back();
    Take(c, option, -1);
  }
}

std::vector<TMjShape> PlainShapes(const TKindCounts& hand, int win) {
  std::vector<TMjShape> shapes;
  int pairs = 0;
  bool orphans = true;
  for (int k = 0; k < KindCount; ++k) {
    pairs += hand[k] == 2;
    orphans = orphans && (hand[k] > 0) == Orphan(k);
  }
  if (pairs == 7) shapes.push_back({TMjForm::Chiitoi, {}, -1, -1});
  if (orphans) shapes.push_back({TMjForm::Kokushi, {}, -1, -1});
  for (int pair = 0; pair < KindCount; ++pair) {
    if (hand[pair] < 2) continue;
    TKindCounts c = hand;
    c[pair] -= 2;
    std::vector<int> chosen;
    std::vector<std::vector<int>> splits;
    Choose(c, 0, chosen, splits);
    for (const std::vector<int>& split : splits) {
      TMjShape shape;
      shape.Pair = pair;
      for (int i = 0; i < 4; ++i) shape.Mentsu[i] = {split[i] % 2 == 0, split[i] / 2};
      if (pair == win) shapes.push_back(shape);
      for (int i = 0; i < 4; ++i) {
        const TMjMentsu& m = shape.Mentsu[i];
        const bool holds = m.Kotsu ? m.Kind == win : win >= m.Kind && win <= m.Kind + 2;
        const bool repeat = i > 0 && m == shape.Mentsu[i - 1];
        if (!holds || repeat) continue;
        shape.WinSet = i;
        shapes.push_back(shape);
      }
    }
  }
  return shapes;
}

std::string Key(const TMjShape& s) {
  std::string key = std::to_string(static_cast<int>(s.Form)) + ' ' + std::to_string(s.Pair) + ' ' +
                    std::to_string(s.WinSet);
  for (const TMjMentsu& m : s.Mentsu) key += (m.Kotsu ? " K" : " S") + std::to_string(m.Kind);
  return key;
}

std::vector<std::string> Keys(const std::vector<TMjShape>& shapes) {
  std::vector<std::string> keys;
  for (const TMjShape& s : shapes) keys.push_back(Key(s));
  std::sort(keys.begin(), keys.end());
  return keys;
}

// Checks one hand with every kind it holds as the drawn tile; false on a failure.
bool CheckHand(const TKindCounts& hand, const TMjSituation& situation) {
  for (int win = 0; win < KindCount; ++win) {
    if (hand[win] == 0) continue;
    const std::vector<TMjShape> plain = PlainShapes(hand, win);
    const TMjScore score = MjScore(hand, win, situation);
    std::vector<TMjShape> found;
    for (const TMjReading& r : score.Readings) found.push_back(r.Shape);
    const bool same = Keys(found) == Keys(plain);
    EXPECT_TRUE(same) << HandText(hand) << " win " << KindText(win) << "\nfound " << testing::PrintToString(Keys(found))
                      << "\nplain " << testing::PrintToString(Keys(plain));
    EXPECT_EQ(score.Complete(), !plain.empty()) << HandText(hand);
    if (!same || plain.empty()) return same;
    const TMjReading& best = score.BestReading();
    // The searches' points-only path reads the hand by the same rules.
    EXPECT_EQ(MjWinPoints(hand, win, situation), best.Points.Total) << HandText(hand) << " win " << KindText(win);
    for (const TMjShape& shape : plain) {
      const TMjReading other = MjValue(hand, win, shape, situation);
      if (other.Points.Total > best.Points.Total) {
        ADD_FAILURE() << HandText(hand) << " win " << KindText(win) << ": " << Key(shape) << " is worth "
                      << other.Points.Total << ", the chosen reading " << best.Points.Total;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

TEST(ScoreProperty, EveryCompleteOneSuitHandMatchesThePlainSearch) {
  int hands = 0;
  int complete = 0;
  int failures = 0;
  auto visit = [&](const TKindCounts& c) {
    if (hands++ % OneSuitStride != 0 || failures > 10) return;
    int held = 0;
    while (c[held] == 0) ++held;
    // The plain search once for most hands, which are not complete.
    if (PlainShapes(c, held).empty()) {
      if (MjScore(c, held, {}).Complete()) {
        ADD_FAILURE() << HandText(c) << " is not complete";
        ++failures;
      }
      return;
    }
    ++complete;
    const TMjSituation situation{hands % 4, hands / 4 % 4, false};
    if (!CheckHand(c, situation)) ++failures;
  };
  TKindCounts counts{};
  EachOneSuitHand(counts, 0, 14, visit);
  EXPECT_EQ(hands, 118'800);
  EXPECT_GT(complete, 0);
}

TEST(ScoreProperty, SeededMixedHandsMatchThePlainSearch) {
  std::mt19937 random(20240924);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  int failures = 0;
  for (int i = 0; i < 4000 && failures <= 10; ++i) {
    TKindCounts hand{};
    const int form = pick(20);
    if (form == 0) {  // seven pairs
      std::vector<int> kinds(KindCount);
      for (int k = 0; k < KindCount; ++k) kinds[k] = k;
      std::shuffle(kinds.begin(), kinds.end(), random);
      for (int j = 0; j < 7; ++j) hand[kinds[j]] = 2;
    } else if (form == 1) {  // thirteen orphans
      for (int k = 0; k < KindCount; ++k) hand[k] = Orphan(k) ? 1 : 0;
      int extra = pick(KindCount);
      while (!Orphan(extra)) extra = pick(KindCount);
      hand[extra] = 2;
    } else {  // four sets and a pair, mostly of few kinds so that readings multiply
      const int span = form < 10 ? 9 : KindCount;
      const int first = span == 9 ? 9 * pick(3) : 0;
      int tiles = 0;
      while (tiles != 14) {
        hand = {};
        tiles = 0;
        hand[first + pick(span)] += 2;
        for (int s = 0; s < 4; ++s) {
          const int k = first + pick(span);
          if (pick(3) == 0 || k >= 27 || k % 9 > 6) {
            hand[k] += 3;
          } else {
            for (int j = 0; j < 3; ++j) ++hand[k + j];
          }
        }
        for (int k = 0; k < KindCount; ++k) tiles += hand[k] <= 4 ? hand[k] : 99;
      }
    }
    const TMjSituation situation{pick(4), pick(4), pick(8) == 0};
    if (!CheckHand(hand, situation)) ++failures;
  }
}
