#include "game/Mjdrill1.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "analysis/Mjprob1.h"
#include "game/Mjstats1.h"
#include "records/Filelist1.h"

namespace {

void HashCodes(std::uint64_t& hash, const TCodeRow& row, int count) {
  for (int i = 0; i < count; ++i) {
    const char code = static_cast<char>(row[static_cast<std::size_t>(i)]);
    hash = StableHash(std::string_view(&code, 1), hash);
  }
  hash = StableHash("|", hash);  // rows of different lengths never run together
}

}  // namespace

int LostCopies(const TMjReviewStep& step) { return step.Best().Count - step.ChosenCount(); }

TMjCardReason TMjCardRule::Reason(const TMjReviewStep& step) const {
  if (!step.Mistake()) return TMjCardReason::None;
  const TMjVerdict& v = step.Verdict;
  if (v.Basis == TMjBasis::Win)
    return v.Raised || (MinLostWin > 0.0 && 100.0 * v.LostWin() >= MinLostWin - 1e-9) ? TMjCardReason::Win
                                                                                      : TMjCardReason::None;
  return v.Raised || v.LostCopies() >= MinLostCopies ? TMjCardReason::Copies : TMjCardReason::None;
}

TKindCounts TMjCard::Seen() const {
  TKindCounts seen{};
  for (const int kind : River) ++seen[static_cast<std::size_t>(kind)];
  return seen;
}

TMjDecision TMjCard::Decision() const { return {Hand, DrawnKind, Seen(), OneSuit, DrawsLeftAfter(Draw), false, Model}; }

TMjReviewStep TMjCard::Judge(int kind) const {
  TMjReviewStep step;
  step.Draw = Draw;
  step.DrawnKind = DrawnKind;
  step.Hand = Hand;
  step.Seen = Seen();
  step.OneSuit = OneSuit;
  step.Model = Model;
  step.Table = MjDiscards(step.Hand, step.Seen);
  step.DiscardKind = kind;
  step.Verdict = MjJudge(step.Decision(), step.Table, kind);
  return step;
}

std::uint64_t CardId(const TCodeRow& deal, const TCodeRow& draws, const TCodeRow& discards, int draw) {
  std::uint64_t hash = StableHash("");
  HashCodes(hash, deal, 13);
  HashCodes(hash, draws, draw);
  HashCodes(hash, discards, draw - 1);
  return hash;
}

std::vector<TMjCard> CardsOfDeal(const TMjReview& review, const TCodeRow& deal, const TCodeRow& draws,
                                 const TCodeRow& discards, const TMjCardRule& rule) {
  std::vector<TMjCard> cards;
  for (std::size_t i = 0; i < review.Steps.size(); ++i) {
    const TMjReviewStep& s = review.Steps[i];
    const TMjCardReason reason = rule.Reason(s);
    if (reason == TMjCardReason::None) continue;
    TMjCard card;
    card.Id = CardId(deal, draws, discards, s.Draw);
    card.Draw = s.Draw;
    card.DrawnKind = s.DrawnKind;
    card.Hand = s.Hand;
    for (std::size_t j = 0; j < i; ++j) card.River.push_back(review.Steps[j].DiscardKind);
    card.DiscardKind = s.DiscardKind;
    card.LostCopies = LostCopies(s);
    card.RaisedShanten = s.RaisedShanten();
    card.OneSuit = review.OneSuit;
    card.Model = review.Model;
    card.ByWin = reason == TMjCardReason::Win;
    cards.push_back(std::move(card));
  }
  return cards;
}

TMjDrillDeck BuildDrillDeck(const std::string& folder, const TMjCardRule& rule, const TMjDeckProgress& progress,
                            const TMjDeckCancel& cancelled) {
  TMjDrillDeck deck;
  deck.Folder = folder;
  TFileList files;
  files.Build(folder);
  const std::size_t total = files.Size();
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  for (std::size_t i = 0; i < total; ++i) {
    if (cancelled && cancelled()) {
      deck.Cards.clear();
      deck.Cancelled = true;
      return deck;
    }
    if (progress && i % 64 == 0) progress(i, total);
    const std::string name(files[i]);
    const TMjRecordRows rows = ReadRecordRows(prefix + name);
    const TMjReview review = rows.Fault == TMjStatsFault::None
                                 ? ReviewDeal(rows.Deal, rows.Draws, rows.Discards, rule.Model, false)
                                 : TMjReview{};
    if (rows.Fault != TMjStatsFault::None || !review.Ok()) {
      ++deck.Failures;
      continue;
    }
    ++deck.Records;
    for (TMjCard& card : CardsOfDeal(review, rows.Deal, rows.Draws, rows.Discards, rule)) {
      card.File = name;
      card.Stamp = rows.Stamp;
      deck.Cards.push_back(std::move(card));
    }
  }
  std::stable_sort(deck.Cards.begin(), deck.Cards.end(), [](const TMjCard& a, const TMjCard& b) {
    if (a.Stamp != b.Stamp) return a.Stamp < b.Stamp;
    if (a.File != b.File) return a.File < b.File;
    return a.Draw < b.Draw;
  });
  std::unordered_set<std::uint64_t> seen;
  std::erase_if(deck.Cards, [&seen](const TMjCard& c) { return !seen.insert(c.Id).second; });
  if (progress) progress(total, total);
  return deck;
}

TMjDrillCounts CountCards(const TMjDrillDeck& deck, const TMjDrillState& state, TMjDay today) {
  TMjDrillCounts counts;
  for (const TMjCard& card : deck.Cards) {
    const auto it = state.Cards.find(card.Id);
    if (it == state.Cards.end())
      ++counts.New;
    else if (it->second.Due <= today)
      ++counts.Due;
    else
      ++counts.Learned;
  }
  return counts;
}

TMjSitting::TMjSitting(const TMjDrillDeck& deck, TMjDrillState& state, TMjDay today)
    : Deck(deck), State(state), Day(today) {
  std::vector<std::size_t> due, fresh;
  for (std::size_t i = 0; i < deck.Cards.size(); ++i) {
    const auto it = state.Cards.find(deck.Cards[i].Id);
    if (it == state.Cards.end()) {
      if (fresh.size() < static_cast<std::size_t>(NewPerSitting)) fresh.push_back(i);
    } else if (it->second.Due <= today) {
      due.push_back(i);
    }
  }
  std::stable_sort(due.begin(), due.end(), [&](std::size_t a, std::size_t b) {
    return state.Cards.at(deck.Cards[a].Id).Due < state.Cards.at(deck.Cards[b].Id).Due;
  });
  Queue.assign(due.begin(), due.end());
  Queue.insert(Queue.end(), fresh.begin(), fresh.end());
}

void TMjSitting::Answer(bool right) {
  if (Queue.empty()) return;
  const std::size_t index = Queue.front();
  Queue.pop_front();
  State.Cards[Deck.Cards[index].Id].Answer(right, Day);
  if (!right)
    Queue.insert(Queue.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(WrongComesBackAfter, Queue.size())),
                 index);
}
