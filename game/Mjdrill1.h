#pragma once

// The drill 復習: the player's own decisions that were not best, taken from a
// folder of records as cards, asked again on the schedule of Mjleitner1.
//
// A card is identified by the position it asks about: the deal, the draws up to
// its draw and the discards before it. So renaming or moving a record keeps its
// cards, and two records of the same deal saved at different draws give each
// decision once.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/Mjleitner1.h"
#include "game/Mjreview1.h"

enum class TMjCardReason { None, Copies, Win };

// Which decisions become cards: those whose verdict is a mistake (MjJudge), when
// they raised the shanten, or lost at least MinLostCopies effective copies
// (judged by copies), or at least MinLostWin percent points of win chance
// (judged by win chance; 0 takes none of these).
struct TMjCardRule {
  int MinLostCopies = 1;
  double MinLostWin = 1.0;
  TMjModel Model;  // the records are judged under it

  // By the verdict's basis when the decision is a card, else None.
  TMjCardReason Reason(const TMjReviewStep& step) const;
};

// Copies of effective tiles a decision kept fewer than the best one.
int LostCopies(const TMjReviewStep& step);

struct TMjCard {
  std::uint64_t Id = 0;
  std::string File;         // the record it came from, name only
  std::string Stamp;        // the record's time stamp
  int Draw = 0;             // the decision after this draw
  int DrawnKind = -1;
  TKindCounts Hand{};       // the 14 tiles
  std::vector<int> River;   // the player's own discards before it, kinds in order
  int DiscardKind = -1;     // the record's discard
  int LostCopies = 0;
  bool RaisedShanten = false;
  bool OneSuit = false;  // every tile of the deal is of the characters suit (OneSuitDeal)
  bool ByWin = false;    // its verdict is by win chance
  TMjModel Model;        // it was judged under, and its answers are

  TKindCounts Seen() const;
  TMjDecision Decision() const;
  // The decision judged with kind as its discard, as the review judges it:
  // its discard table and verdict.
  TMjReviewStep Judge(int kind) const;
  // Whether a judged answer is right: no mistake by the verdict.
  bool Right(const TMjReviewStep& judged) const { return judged.Judged() && !judged.Mistake(); }
};

// The identity of the position before the discard of draw (1..): the deal, the
// first draw codes and the draw - 1 discards before it.
std::uint64_t CardId(const TCodeRow& deal, const TCodeRow& draws, const TCodeRow& discards, int draw);

// The cards of one judged deal; review must come from these rows and add up.
std::vector<TMjCard> CardsOfDeal(const TMjReview& review, const TCodeRow& deal, const TCodeRow& draws,
                                 const TCodeRow& discards, const TMjCardRule& rule);

struct TMjDrillDeck {
  std::string Folder;
  std::vector<TMjCard> Cards;  // by the records' time stamps (ties by name), then draw; each position once
  int Records = 0;             // files that gave a deal
  int Failures = 0;            // files that gave none
  bool Cancelled = false;      // the build stopped early; Cards then holds nothing
};

using TMjDeckProgress = std::function<void(std::size_t done, std::size_t total)>;
using TMjDeckCancel = std::function<bool()>;

// Reads every record of the folder (the one file lister, records/Filelist1),
// judges it and keeps the cards. Reports progress now and then and at the end;
// asks cancelled between files.
TMjDrillDeck BuildDrillDeck(const std::string& folder, const TMjCardRule& rule, const TMjDeckProgress& progress = {},
                            const TMjDeckCancel& cancelled = {});

struct TMjDrillCounts {
  int Due = 0;      // answered before and due by today
  int New = 0;      // never answered
  int Learned = 0;  // answered and not due before a later day
};

TMjDrillCounts CountCards(const TMjDrillDeck& deck, const TMjDrillState& state, TMjDay today);

// New cards one sitting offers after the due ones.
constexpr int NewPerSitting = 20;
// A card answered wrong comes back after this many other cards of the sitting.
constexpr int WrongComesBackAfter = 3;

// One sitting of a day: the cards due by today (the longest due first), then up
// to NewPerSitting new ones in deck order. A wrong answer brings the card back
// in the same sitting.
class TMjSitting {
public:
  TMjSitting(const TMjDrillDeck& deck, TMjDrillState& state, TMjDay today);

  bool Done() const { return Queue.empty(); }
  const TMjCard& Current() const { return Deck.Cards[Queue.front()]; }
  std::size_t Left() const { return Queue.size(); }
  TMjDay Today() const { return Day; }
  // Records the answer to the current card in the state and moves on.
  void Answer(bool right);

private:
  const TMjDrillDeck& Deck;
  TMjDrillState& State;
  TMjDay Day;
  std::deque<std::size_t> Queue;  // indexes into Deck.Cards
};
