#pragma once

// What a complete closed hand won by self-draw is worth: every reading of the
// 14 tiles (four sets and a pair in each split and with the drawn tile in each
// place it can stand, seven pairs, thirteen orphans), its yaku, han, fu and
// points, and the reading worth most. The rules are the World Riichi
// Championship's yaku list, fu table and payments, with two choices of ours:
// 13 han or more is a counted yakuman (数え役満), and 4 han 30 fu (or 3 han
// 60 fu) stays 7700-class, not rounded up to mangan. Each yakuman pattern
// counts once (thirteen-sided orphans, a single-wait 四暗刻, the pure nine
// gates too); different yakuman in one hand add up.
//
// A practice deal has no calls, no riichi, no dora and no other players'
// discards, so only yaku a closed self-drawn hand can hold appear. The wall is
// never exhausted, so there is no 海底摸月; a win on the deal's first draw is
// 天和 for the dealer (東家) and 地和 for anyone else.

#include <array>
#include <string>
#include <vector>

#include "analysis/Mjshanten1.h"

enum class TMjYaku {
  // Regular yaku, in the order a breakdown lists them.
  Tsumo, Pinfu, Tanyao, Iipeikou, SeatWind, RoundWind, Haku, Hatsu, Chun,
  Sanshoku, Sanshokudoukou, Ittsu, Chanta, Chiitoi, Sanankou, Shousangen, Honroutou,
  Ryanpeikou, Junchan, Honitsu, Chinitsu,
  // Yakuman.
  Kokushi, Kokushi13, Suuankou, SuuankouTanki, Daisangen, Shousuushii, Daisuushii,
  Tsuuiisou, Ryuuiisou, Chinroutou, Chuuren, JunseiChuuren, Tenhou, Chiihou,
};
inline constexpr int YakuCount = static_cast<int>(TMjYaku::Chiihou) + 1;

// The closed han of a regular yaku; 0 for a yakuman.
int YakuHan(TMjYaku yaku);
bool IsYakuman(TMjYaku yaku);
// "平和", "国士無双十三面": UTF-8, as the command line prints them.
const char* YakuName(TMjYaku yaku);

enum class TMjForm { Normal, Chiitoi, Kokushi };
enum class TMjWait { Ryanmen, Kanchan, Penchan, Shanpon, Tanki };

struct TMjMentsu {
  bool Kotsu = false;  // a triplet, else a run
  int Kind = 0;        // the triplet's kind, or the run's lowest
  bool operator==(const TMjMentsu&) const = default;
};

// How the 14 tiles are read. Normal form: four sets and a pair, the drawn tile
// completing set WinSet (-1: the pair). Seven pairs and thirteen orphans have
// no sets; their wait is the drawn tile's pair.
struct TMjShape {
  TMjForm Form = TMjForm::Normal;
  std::array<TMjMentsu, 4> Mentsu{};  // in kind order
  int Pair = -1;
  int WinSet = -1;
  bool operator==(const TMjShape&) const = default;
};

struct TMjSituation {
  int SeatWind = 0;   // 0..3: 東 南 西 北; 東 is the dealer
  int RoundWind = 0;  // 0..3
  bool FirstDraw = false;
};

enum class TMjFuItem {
  Base,     // 副底 20
  Tsumo,    // 2 for the self-draw, except with 平和
  Kotsu,    // a concealed triplet: 4 of simples, 8 of terminals or honours
  Pair,     // 2 for a pair of a dragon, the seat wind or the round wind (the double wind too)
  Wait,     // 2 for a closed, edge or single wait
  Chiitoi,  // seven pairs: 25 flat
};

struct TMjFuPart {
  TMjFuItem Item = TMjFuItem::Base;
  int Kind = -1;  // the tile of a triplet or pair
  int Fu = 0;
};

enum class TMjLimit { None, Mangan, Haneman, Baiman, Sanbaiman, Kazoe, Yakuman };

// What the others pay a self-drawn win. Payments are rounded up to 100.
struct TMjPoints {
  int Base = 0;       // basic points: fu x 2^(han+2), or the limit's
  TMjLimit Limit = TMjLimit::None;
  int Yakuman = 0;    // how many yakuman (Limit Yakuman)
  int Dealer = 0;     // what the dealer pays a non-dealer's win; 0 when the dealer won
  int NonDealer = 0;  // what each non-dealer pays
  int Total = 0;      // what the winner receives
};

struct TMjReading {
  TMjShape Shape;
  TMjWait Wait = TMjWait::Tanki;
  std::vector<TMjYaku> Yaku;       // in enum order; only yakuman when any applies
  int Han = 0;                     // 0 when a yakuman applies
  std::vector<TMjFuPart> FuParts;  // empty when a yakuman applies
  int RawFu = 0;                   // the parts summed
  int Fu = 0;                      // rounded up to 10 (seven pairs: 25)
  TMjPoints Points;
};

struct TMjScore {
  std::vector<TMjReading> Readings;  // every reading, in the order found
  int Best = -1;                     // the one worth most; -1 when the hand is not complete

  bool Complete() const { return Best >= 0; }
  const TMjReading& BestReading() const { return Readings[static_cast<std::size_t>(Best)]; }
};

// Every reading of the 14 tiles with the drawn kind, without values. Throws
// std::invalid_argument unless the hand is 14 tiles, no kind beyond four, and
// holds winKind.
std::vector<TMjShape> MjShapes(const TKindCounts& hand, int winKind);

// The value of one reading.
TMjReading MjValue(const TKindCounts& hand, int winKind, const TMjShape& shape, const TMjSituation& situation);

// Every reading valued and the best chosen: the most points, then the most
// yakuman, then the most han, then the most fu. Same preconditions as MjShapes.
TMjScore MjScore(const TKindCounts& hand, int winKind, const TMjSituation& situation);

// What the best reading pays the winner (MjScore's BestReading().Points.Total),
// without the readings' lists: for searches that score many hands. 0 when the
// hand is not complete; the same preconditions as MjShapes.
int MjWinPoints(const TKindCounts& hand, int winKind, const TMjSituation& situation);

// The payments of a value: han and fu, or yakuman (a count above zero wins).
TMjPoints MjPoints(int han, int fu, int yakuman, bool dealer);

// "満貫", "数え役満", "役満", "二倍役満"; empty for no limit.
std::string LimitName(const TMjPoints& points);
// "東" .. "北".
const char* WindName(int wind);
// "両面", "嵌張", "辺張", "双碰", "単騎".
const char* WaitName(TMjWait wait);
// "副底", "ツモ", "暗刻", "雀頭", "七対子"; the wait's item is named by WaitName.
const char* FuItemName(TMjFuItem item);
