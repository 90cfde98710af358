#include "analysis/Mjscore1.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <tuple>

namespace {

constexpr int HonourStart = 27;
constexpr int WindStart = 27;   // 東 南 西 北
constexpr int DragonStart = 31; // 白 發 中
constexpr int Hatsu = 32;

struct TYakuRow {
  const char* Name;
  int Han;  // 0: yakuman
};

// Indexed by TMjYaku.
constexpr TYakuRow YakuRows[YakuCount] = {
    {"門前清自摸和", 1}, {"平和", 1}, {"断么九", 1}, {"一盃口", 1}, {"自風牌", 1}, {"場風牌", 1},
    {"役牌 白", 1}, {"役牌 發", 1}, {"役牌 中", 1},
    {"三色同順", 2}, {"三色同刻", 2}, {"一気通貫", 2}, {"混全帯么九", 2}, {"七対子", 2}, {"三暗刻", 2},
    {"小三元", 2}, {"混老頭", 2},
    {"二盃口", 3}, {"純全帯么九", 3}, {"混一色", 3}, {"清一色", 6},
    {"国士無双", 0}, {"国士無双十三面", 0}, {"四暗刻", 0}, {"四暗刻単騎", 0}, {"大三元", 0}, {"小四喜", 0},
    {"大四喜", 0}, {"字一色", 0}, {"緑一色", 0}, {"清老頭", 0}, {"九蓮宝燈", 0}, {"純正九蓮宝燈", 0},
    {"天和", 0}, {"地和", 0},
};

constexpr bool Yaochu(int kind) { return kind >= HonourStart || kind % 9 == 0 || kind % 9 == 8; }
constexpr bool Green(int kind) {
  return kind == 19 || kind == 20 || kind == 21 || kind == 23 || kind == 25 || kind == Hatsu;
}

// A dragon, the seat wind or the round wind: one yaku per triplet; a pair of any is 2 fu.
int ValueTitles(int kind, const TMjSituation& s) {
  if (kind >= DragonStart) return 1;
  return (kind == WindStart + s.SeatWind ? 1 : 0) + (kind == WindStart + s.RoundWind ? 1 : 0);
}

// Every split of the counts into sets, once each: the lowest kind left lies in
// a triplet or in a run it begins, and at one kind the triplet comes first
// (after a run of kind k, no triplet of k), so the sets stay in kind order.
// No kind below `from` is left, none from `end` on; the 12 tiles make `count` +
// the sets to come = 4.
using TSets = std::array<TMjMentsu, 4>;
template <class Visit>
void Splits(TKindCounts& c, int from, int end, TSets& sets, int count, Visit& visit) {
  int k = from;
  while (k < end && c[k] == 0) ++k;
  if (k == end) {
    visit(sets);
    return;
  }
  const auto at = static_cast<std::size_t>(count);
  const bool afterRun = count > 0 && !sets[at - 1].Kotsu && sets[at - 1].Kind == k;
  if (c[k] >= 3 && !afterRun) {
    c[k] -= 3;
    sets[at] = {true, k};
    Splits(c, k, end, sets, count + 1, visit);
    c[k] += 3;
  }
  if (k < HonourStart && k % 9 <= 6 && c[k + 1] > 0 && c[k + 2] > 0) {
    --c[k], --c[k + 1], --c[k + 2];
    sets[at] = {false, k};
    Splits(c, k, end, sets, count + 1, visit);
    ++c[k], ++c[k + 1], ++c[k + 2];
  }
}

bool Holds(const TMjMentsu& m, int kind) {
  return m.Kotsu ? m.Kind == kind : kind >= m.Kind && kind <= m.Kind + 2;
}

TMjWait WaitOf(const TMjShape& shape, int winKind) {
  if (shape.Form != TMjForm::Normal || shape.WinSet < 0) return TMjWait::Tanki;
  const TMjMentsu& m = shape.Mentsu[static_cast<std::size_t>(shape.WinSet)];
  if (m.Kotsu) return TMjWait::Shanpon;
  if (winKind == m.Kind + 1) return TMjWait::Kanchan;
  if ((winKind == m.Kind && m.Kind % 9 == 6) || (winKind == m.Kind + 2 && m.Kind % 9 == 0)) return TMjWait::Penchan;
  return TMjWait::Ryanmen;
}

// Facts of the tiles alone, whatever the reading.
struct THandFacts {
  bool Simples = true, Orphans = true, Honours = true, Terminals = true, AllGreen = true;
  int Suits = 0;  // bit per suit of the numbered tiles
  bool AnyHonour = false;
};

// The kinds of a kind class, one bit each.
constexpr TKindMask KindsWhere(bool (*is)(int)) {
  TKindMask mask = 0;
  for (int k = 0; k < KindCount; ++k) mask |= is(k) ? TKindMask{1} << k : 0;
  return mask;
}
constexpr TKindMask YaochuKinds = KindsWhere(Yaochu);
constexpr TKindMask GreenKinds = KindsWhere(Green);
constexpr TKindMask HonourKindsMask = KindsWhere([](int k) { return k >= HonourStart; });
constexpr TKindMask SuitMask = (TKindMask{1} << 9) - 1;

TKindMask HeldKinds(const TKindCounts& hand) {
  TKindMask held = 0;
  for (int k = 0; k < KindCount; ++k) held |= hand[k] > 0 ? TKindMask{1} << k : 0;
  return held;
}

// What reading a complete hand needs of its counts, read in one pass.
struct TScan {
  TKindMask Held = 0;
  int Pairs = 0;                   // kinds held exactly twice
  std::array<int, 4> SuitTiles{};  // tiles of each suit, honours last
};

// Throws std::invalid_argument unless the hand is 14 tiles, no kind beyond
// four, and holds winKind.
TScan Scan(const TKindCounts& hand, int winKind) {
  TScan scan;
  bool bad = false;
  for (int k = 0; k < KindCount; ++k) {
    const int n = hand[k];
    bad = bad || n < 0 || n > 4;
    scan.Held |= n > 0 ? TKindMask{1} << k : 0;
    scan.Pairs += n == 2 ? 1 : 0;
    scan.SuitTiles[static_cast<std::size_t>(k / 9)] += n;
  }
  if (bad) throw std::invalid_argument("a kind held more than four times");
  const int tiles = scan.SuitTiles[0] + scan.SuitTiles[1] + scan.SuitTiles[2] + scan.SuitTiles[3];
  if (tiles != 14) throw std::invalid_argument("a win is 14 tiles");
  if (winKind < 0 || winKind >= KindCount || hand[winKind] == 0)
    throw std::invalid_argument("the winning tile is not in the hand");
  return scan;
}

THandFacts Facts(TKindMask held) {
  THandFacts f;
  f.Simples = (held & YaochuKinds) == 0;
  f.Orphans = (held & ~YaochuKinds) == 0;
  f.Honours = (held & ~HonourKindsMask) == 0;
  f.Terminals = (held & ~(YaochuKinds & ~HonourKindsMask)) == 0;
  f.AllGreen = (held & ~GreenKinds) == 0;
  f.AnyHonour = (held & HonourKindsMask) != 0;
  for (int suit = 0; suit < 3; ++suit) f.Suits |= (held >> (9 * suit) & SuitMask) != 0 ? 1 << suit : 0;
  return f;
}

// 九蓮宝燈: 1112345678999 of one suit and one more of it; pure when the
// drawn tile is the one more.
int Chuuren(const TKindCounts& hand, int winKind, const THandFacts& f) {
  if (f.AnyHonour || (f.Suits & (f.Suits - 1)) != 0) return 0;
  const int first = 9 * (f.Suits == 1 ? 0 : f.Suits == 2 ? 1 : 2);
  bool extraIsWin = true;
  for (int n = 0; n < 9; ++n) {
    const int need = n == 0 || n == 8 ? 3 : 1;
    const int held = hand[first + n];
    if (held < need) return 0;
    if (held > need && first + n != winKind) extraIsWin = false;
  }
  return extraIsWin ? 2 : 1;
}

// Where the yaku and fu parts of a reading go: into its lists (TListed), or
// only into the sums the points need (TSummed), so that the points of a win
// are worked out by the same rules without the lists.
struct TListed {
  std::vector<TMjYaku>& Yaku;
  std::vector<TMjFuPart>& FuParts;
  void Add(TMjYaku y, bool when = true) {
    if (when) Yaku.push_back(y);
  }
  void Fu(TMjFuItem item, int kind, int fu) { FuParts.push_back({item, kind, fu}); }
};

struct TSummed {
  int Yakuman = 0;
  int Han = 0;
  bool Pinfu = false;
  int RawFu = 0;
  void Add(TMjYaku y, bool when = true) {
    if (!when) return;
    const int han = YakuRows[static_cast<int>(y)].Han;
    Yakuman += han == 0 ? 1 : 0;
    Han += han;
    Pinfu = Pinfu || y == TMjYaku::Pinfu;
  }
  void Fu(TMjFuItem, int, int fu) { RawFu += fu; }
};

template <class Sink>
void Yakuman(const TKindCounts& hand, int winKind, const TMjShape& shape, const TMjSituation& s, const THandFacts& f,
             Sink& y) {
  if (shape.Form == TMjForm::Kokushi) y.Add(hand[winKind] == 2 ? TMjYaku::Kokushi13 : TMjYaku::Kokushi);
  if (shape.Form == TMjForm::Normal) {
    int triplets = 0, dragons = 0, winds = 0;
    for (const TMjMentsu& m : shape.Mentsu) {
      if (!m.Kotsu) continue;
      ++triplets;
      dragons += m.Kind >= DragonStart ? 1 : 0;
      winds += m.Kind >= WindStart && m.Kind < DragonStart ? 1 : 0;
    }
    // Every triplet of a self-drawn hand is concealed, whatever completed it.
    if (triplets == 4) y.Add(shape.WinSet < 0 ? TMjYaku::SuuankouTanki : TMjYaku::Suuankou);
    y.Add(TMjYaku::Daisangen, dragons == 3);
    const bool windPair = shape.Pair >= WindStart && shape.Pair < DragonStart;
    y.Add(TMjYaku::Shousuushii, winds == 3 && windPair);
    y.Add(TMjYaku::Daisuushii, winds == 4);
  }
  y.Add(TMjYaku::Tsuuiisou, f.Honours);
  y.Add(TMjYaku::Ryuuiisou, f.AllGreen);
  y.Add(TMjYaku::Chinroutou, f.Terminals);
  if (const int gates = Chuuren(hand, winKind, f)) y.Add(gates == 2 ? TMjYaku::JunseiChuuren : TMjYaku::Chuuren);
  if (s.FirstDraw) y.Add(s.SeatWind == 0 ? TMjYaku::Tenhou : TMjYaku::Chiihou);
}

template <class Sink>
void Regular(const TMjShape& shape, TMjWait wait, const TMjSituation& s, const THandFacts& f, Sink& y) {
  y.Add(TMjYaku::Tsumo);
  const bool oneSuit = (f.Suits & (f.Suits - 1)) == 0 && f.Suits != 0;
  if (shape.Form == TMjForm::Chiitoi) {
    y.Add(TMjYaku::Tanyao, f.Simples);
    y.Add(TMjYaku::Chiitoi);
    y.Add(TMjYaku::Honroutou, f.Orphans);
    y.Add(TMjYaku::Honitsu, oneSuit && f.AnyHonour);
    y.Add(TMjYaku::Chinitsu, oneSuit && !f.AnyHonour);
    return;
  }
  int runs = 0, triplets = 0, dragonTriplets = 0;
  bool seat = false, round = false, haku = false, hatsu = false, chun = false;
  TKindMask runAt = 0;  // the kinds runs begin at
  TKindMask tripletAt = 0;
  int twins = 0;  // pairs of identical runs, which lie side by side in kind order
  int same = 0;   // runs so far equal to this one
  bool allWithYaochu = Yaochu(shape.Pair);
  for (std::size_t i = 0; i < shape.Mentsu.size(); ++i) {
    const TMjMentsu& m = shape.Mentsu[i];
    if (m.Kotsu) {
      ++triplets;
      tripletAt |= TKindMask{1} << m.Kind;
      dragonTriplets += m.Kind >= DragonStart ? 1 : 0;
      seat = seat || m.Kind == WindStart + s.SeatWind;
      round = round || m.Kind == WindStart + s.RoundWind;
      haku = haku || m.Kind == DragonStart;
      hatsu = hatsu || m.Kind == DragonStart + 1;
      chun = chun || m.Kind == DragonStart + 2;
      allWithYaochu = allWithYaochu && Yaochu(m.Kind);
    } else {
      ++runs;
      runAt |= TKindMask{1} << m.Kind;
      same = i > 0 && shape.Mentsu[i - 1] == m ? same + 1 : 0;
      twins += same % 2;  // the second and the fourth of equal runs make a pair
      allWithYaochu = allWithYaochu && (m.Kind % 9 == 0 || m.Kind % 9 == 6);
    }
  }
  auto inAllSuits = [](TKindMask at) { return (at & at >> 9 & at >> 18 & SuitMask) != 0; };
  constexpr TKindMask Straight = 1 | 1 << 3 | 1 << 6;
  bool straight = false;
  for (int suit = 0; suit < 3; ++suit) straight = straight || (runAt >> (9 * suit) & Straight) == Straight;

  y.Add(TMjYaku::Pinfu, runs == 4 && ValueTitles(shape.Pair, s) == 0 && wait == TMjWait::Ryanmen);
  y.Add(TMjYaku::Tanyao, f.Simples);
  y.Add(TMjYaku::Iipeikou, twins == 1);
  y.Add(TMjYaku::SeatWind, seat);
  y.Add(TMjYaku::RoundWind, round);
  y.Add(TMjYaku::Haku, haku);
  y.Add(TMjYaku::Hatsu, hatsu);
  y.Add(TMjYaku::Chun, chun);
  y.Add(TMjYaku::Sanshoku, inAllSuits(runAt));
  y.Add(TMjYaku::Sanshokudoukou, inAllSuits(tripletAt));
  y.Add(TMjYaku::Ittsu, straight);
  // The outside hands need a run: with none they are 混老頭 or a yakuman.
  y.Add(TMjYaku::Chanta, allWithYaochu && runs > 0 && f.AnyHonour);
  y.Add(TMjYaku::Sanankou, triplets == 3);
  y.Add(TMjYaku::Shousangen, dragonTriplets == 2 && shape.Pair >= DragonStart);
  y.Add(TMjYaku::Honroutou, f.Orphans);
  y.Add(TMjYaku::Ryanpeikou, twins == 2);
  y.Add(TMjYaku::Junchan, allWithYaochu && runs > 0 && !f.AnyHonour);
  y.Add(TMjYaku::Honitsu, oneSuit && f.AnyHonour);
  y.Add(TMjYaku::Chinitsu, oneSuit && !f.AnyHonour);
}

template <class Sink>
void FuParts(const TMjShape& shape, TMjWait wait, bool pinfu, const TMjSituation& s, Sink& parts) {
  if (shape.Form == TMjForm::Chiitoi) {
    parts.Fu(TMjFuItem::Chiitoi, -1, 25);
    return;
  }
  parts.Fu(TMjFuItem::Base, -1, 20);
  if (pinfu) return;
  parts.Fu(TMjFuItem::Tsumo, -1, 2);
  for (const TMjMentsu& m : shape.Mentsu)
    if (m.Kotsu) parts.Fu(TMjFuItem::Kotsu, m.Kind, Yaochu(m.Kind) ? 8 : 4);
  // A pair of the double wind is still 2 fu, as the WRC rules (2022) count it.
  if (ValueTitles(shape.Pair, s) > 0) parts.Fu(TMjFuItem::Pair, shape.Pair, 2);
  if (wait == TMjWait::Kanchan || wait == TMjWait::Penchan || wait == TMjWait::Tanki) parts.Fu(TMjFuItem::Wait, -1, 2);
}

int RoundUp(int value, int step) { return (value + step - 1) / step * step; }

auto Worth(const TMjReading& r) { return std::make_tuple(r.Points.Total, r.Points.Yakuman, r.Han, r.Fu); }

// Every reading of a complete hand, in the order MjShapes lists them.
template <class Visit>
void EachShape(const TKindCounts& hand, const TScan& scan, int winKind, Visit visit) {
  if (scan.Held == YaochuKinds) visit(TMjShape{TMjForm::Kokushi, {}, -1, -1});
  if (scan.Pairs == 7) visit(TMjShape{TMjForm::Chiitoi, {}, -1, -1});

  TKindCounts c = hand;
  TSets sets{};
  int pair = 0;
  auto split = [&](const TSets& found) {
    TMjShape shape;
    shape.Mentsu = found;
    shape.Pair = pair;
    if (pair == winKind) visit(shape);
    // The drawn tile in each set that holds it; of two equal sets, the first.
    for (int i = 0; i < 4; ++i) {
      const TMjMentsu& m = shape.Mentsu[static_cast<std::size_t>(i)];
      if (!Holds(m, winKind) || (i > 0 && m == shape.Mentsu[static_cast<std::size_t>(i - 1)])) continue;
      shape.WinSet = i;
      visit(shape);
    }
  };
  const int first = std::countr_zero(scan.Held);
  const int end = 64 - std::countl_zero(scan.Held);  // past the last kind held
  for (pair = first; pair < end; ++pair) {
    // Sets take three tiles of one suit: the pair lies in the suit of 3n + 2.
    if (c[pair] < 2 || scan.SuitTiles[static_cast<std::size_t>(pair / 9)] % 3 != 2) continue;
    c[pair] -= 2;
    Splits(c, first, end, sets, 0, split);
    c[pair] += 2;
  }
}

}  // namespace

int YakuHan(TMjYaku yaku) { return YakuRows[static_cast<int>(yaku)].Han; }
bool IsYakuman(TMjYaku yaku) { return YakuHan(yaku) == 0; }
const char* YakuName(TMjYaku yaku) { return YakuRows[static_cast<int>(yaku)].Name; }

const char* WindName(int wind) {
  static const char* const names[] = {"東", "南", "西", "北"};
  return wind >= 0 && wind < 4 ? names[wind] : "";
}

const char* WaitName(TMjWait wait) {
  static const char* const names[] = {"両面", "嵌張", "辺張", "双碰", "単騎"};
  return names[static_cast<int>(wait)];
}

const char* FuItemName(TMjFuItem item) {
  static const char* const names[] = {"副底", "ツモ", "暗刻", "雀頭", "待ち", "七対子"};
  return names[static_cast<int>(item)];
}

std::vector<TMjShape> MjShapes(const TKindCounts& hand, int winKind) {
  const TScan scan = Scan(hand, winKind);
  std::vector<TMjShape> shapes;
  EachShape(hand, scan, winKind, [&](const TMjShape& shape) { shapes.push_back(shape); });
  return shapes;
}

namespace {

TMjReading Valued(const TKindCounts& hand, int winKind, const TMjShape& shape, const TMjSituation& situation,
                  const THandFacts& facts) {
  TMjReading r;
  r.Shape = shape;
  r.Wait = WaitOf(shape, winKind);
  const bool dealer = situation.SeatWind == 0;
  TListed listed{r.Yaku, r.FuParts};
  TSummed summed;
  Yakuman(hand, winKind, shape, situation, facts, summed);
  if (summed.Yakuman > 0) {
    Yakuman(hand, winKind, shape, situation, facts, listed);
    std::sort(r.Yaku.begin(), r.Yaku.end());
    r.Points = MjPoints(0, 0, summed.Yakuman, dealer);
    return r;
  }
  r.Yaku.reserve(8);  // room for most hands: one allocation, not one per doubling
  Regular(shape, r.Wait, situation, facts, listed);
  for (TMjYaku y : r.Yaku) r.Han += YakuHan(y);
  const bool pinfu = std::find(r.Yaku.begin(), r.Yaku.end(), TMjYaku::Pinfu) != r.Yaku.end();
  r.FuParts.reserve(pinfu ? 1 : 8);  // base, self-draw, four triplets, pair, wait
  FuParts(shape, r.Wait, pinfu, situation, listed);
  for (const TMjFuPart& part : r.FuParts) r.RawFu += part.Fu;
  r.Fu = shape.Form == TMjForm::Chiitoi ? r.RawFu : RoundUp(r.RawFu, 10);
  r.Points = MjPoints(r.Han, r.Fu, 0, dealer);
  return r;
}

}  // namespace

TMjReading MjValue(const TKindCounts& hand, int winKind, const TMjShape& shape, const TMjSituation& situation) {
  return Valued(hand, winKind, shape, situation, Facts(HeldKinds(hand)));
}

TMjScore MjScore(const TKindCounts& hand, int winKind, const TMjSituation& situation) {
  const TScan scan = Scan(hand, winKind);
  TMjScore score;
  const THandFacts facts = Facts(scan.Held);
  EachShape(hand, scan, winKind, [&](const TMjShape& shape) {
    score.Readings.push_back(Valued(hand, winKind, shape, situation, facts));
    if (score.Best < 0 || Worth(score.Readings.back()) > Worth(score.BestReading()))
      score.Best = static_cast<int>(score.Readings.size()) - 1;
  });
  return score;
}

int MjWinPoints(const TKindCounts& hand, int winKind, const TMjSituation& situation) {
  const TScan scan = Scan(hand, winKind);
  const THandFacts facts = Facts(scan.Held);
  const bool dealer = situation.SeatWind == 0;
  int best = 0;
  EachShape(hand, scan, winKind, [&](const TMjShape& shape) {
    const TMjWait wait = WaitOf(shape, winKind);
    TSummed summed;
    Yakuman(hand, winKind, shape, situation, facts, summed);
    if (summed.Yakuman > 0) {
      best = std::max(best, MjPoints(0, 0, summed.Yakuman, dealer).Total);
      return;
    }
    Regular(shape, wait, situation, facts, summed);
    FuParts(shape, wait, summed.Pinfu, situation, summed);
    const int fu = shape.Form == TMjForm::Chiitoi ? summed.RawFu : RoundUp(summed.RawFu, 10);
    best = std::max(best, MjPoints(summed.Han, fu, 0, dealer).Total);
  });
  return best;
}

TMjPoints MjPoints(int han, int fu, int yakuman, bool dealer) {
  TMjPoints p;
  p.Yakuman = yakuman;
  if (yakuman > 0) {
    p.Limit = TMjLimit::Yakuman;
    p.Base = 8000 * yakuman;
  } else if (han >= 13) {
    p.Limit = TMjLimit::Kazoe;
    p.Base = 8000;
  } else if (han >= 11) {
    p.Limit = TMjLimit::Sanbaiman;
    p.Base = 6000;
  } else if (han >= 8) {
    p.Limit = TMjLimit::Baiman;
    p.Base = 4000;
  } else if (han >= 6) {
    p.Limit = TMjLimit::Haneman;
    p.Base = 3000;
  } else {
    p.Base = fu << (han + 2);
    // No rounding up: 4 han 30 fu is 1920 basic points, under mangan.
    if (han >= 5 || p.Base > 2000) {
      p.Limit = TMjLimit::Mangan;
      p.Base = 2000;
    }
  }
  if (dealer) {
    p.NonDealer = RoundUp(2 * p.Base, 100);
    p.Total = 3 * p.NonDealer;
  } else {
    p.Dealer = RoundUp(2 * p.Base, 100);
    p.NonDealer = RoundUp(p.Base, 100);
    p.Total = p.Dealer + 2 * p.NonDealer;
  }
  return p;
}

std::string LimitName(const TMjPoints& points) {
  static const char* const times[] = {"", "", "二倍", "三倍", "四倍", "五倍", "六倍"};
  switch (points.Limit) {
    case TMjLimit::None: return {};
    case TMjLimit::Mangan: return "満貫";
    case TMjLimit::Haneman: return "跳満";
    case TMjLimit::Baiman: return "倍満";
    case TMjLimit::Sanbaiman: return "三倍満";
    case TMjLimit::Kazoe: return "数え役満";
    case TMjLimit::Yakuman:
      return (points.Yakuman >= 2 && points.Yakuman <= 6 ? std::string(times[points.Yakuman]) : std::string()) + "役満";
  }
  return {};
}
