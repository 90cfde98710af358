#include "game/Mjdecision1.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "analysis/Mjvalue1.h"

namespace {

const TMjDiscard* RowOf(const TMjDiscardTable& table, int kind) {
  const auto it = std::find_if(table.Discards.begin(), table.Discards.end(),
                               [kind](const TMjDiscard& d) { return d.Kind == kind; });
  return it == table.Discards.end() ? nullptr : &*it;
}

}  // namespace

int MjModelExtra(const TMjModel& model, int shanten) {
  int extra = std::clamp(model.Extra, 0, MjModelMaxExtra);
  while (extra > 0 && shanten > MjModelReach[extra]) --extra;
  return extra;
}

TMjChanceTable MjDecisionChances(const TMjDecision& d, std::stop_token stop, bool points) {
  int tiles = 0;
  for (const int n : d.Hand) tiles += n;
  const TKindCounts unseen = d.Unseen();
  TMjWorthRules rules;
  rules.Situation.SeatWind = d.Model.SeatWind;
  rules.Situation.RoundWind = d.Model.RoundWind;
  const int shanten = tiles == 13 ? MjUkeire(d.Hand).Shanten : MjShanten(d.Hand);
  rules.Extra = MjModelExtra(d.Model, shanten);

  // The points, and with moves off the path the chances too. A graph beyond
  // the memory allowed gets fewer moves, and the table says which.
  TMjWorthTable worths;
  while (points || rules.Extra > 0) {
    worths = tiles == 13 ? MjHandWorths(d.Hand, unseen, d.DrawsLeft, rules, stop)
                         : MjWorths(d.Hand, unseen, d.DrawsLeft, rules, stop);
    if (!worths.TooBig || rules.Extra == 0) break;
    --rules.Extra;
  }
  if (worths.Stopped) {
    TMjChanceTable stopped;
    stopped.Stopped = true;
    return stopped;
  }
  TMjChanceTable table;
  if (rules.Extra == 0) {
    // The shortest path's chances as they have always been: remembered rows
    // of MjWorths are rounded to floats, and a tie must break alike everywhere.
    table = tiles == 13 ? MjHandChances(d.Hand, unseen, d.DrawsLeft, std::move(stop))
                        : MjChances(d.Hand, unseen, d.DrawsLeft, std::move(stop));
    if (table.Stopped) return table;
  } else {
    table.Shanten = worths.Shanten;
    table.Ready = worths.Ready;
    table.Win = worths.Win;
    for (const TMjWorth& w : worths.Discards)
      table.Discards.push_back({w.Kind, w.Shanten, w.Ready, w.Win, 0.0, w.Counted});
  }
  table.Extra = rules.Extra;
  if (worths.TooBig) {
    // A hand this far has more shortest ways than the memory holds: no points.
    table.Points = std::numeric_limits<double>::quiet_NaN();
    for (TMjChance& c : table.Discards) c.Points = table.Points;
    return table;
  }
  table.Points = worths.Points;
  for (std::size_t i = 0; i < table.Discards.size() && i < worths.Discards.size(); ++i)
    if (table.Discards[i].Counted && worths.Discards[i].Counted) table.Discards[i].Points = worths.Discards[i].Points;
  return table;
}

bool OneSuitDeal(const TKindCounts& deal, const std::vector<int>& drawnKinds) {
  if (!std::all_of(deal.begin() + 9, deal.end(), [](int n) { return n == 0; })) return false;
  return std::all_of(drawnKinds.begin(), drawnKinds.end(), [](int kind) { return kind >= 0 && kind < 9; });
}

bool TMjVerdict::IsBestKind(const TMjDiscardTable& table, int kind) const {
  if (Basis == TMjBasis::Win) {
    const auto it = std::find_if(Chances.begin(), Chances.end(), [kind](const TMjChance& c) { return c.Kind == kind; });
    return it != Chances.end() && it->Counted && KeepsBestWin(it->Win, BestWin);
  }
  const TMjDiscard* row = RowOf(table, kind);
  return row && !table.Discards.empty() && row->Shanten == table.Discards.front().Shanten &&
         row->Count == table.Discards.front().Count;
}

TMjVerdict MjJudge(const TMjDecision& decision, const TMjDiscardTable& table, int chosenKind, bool points) {
  TMjVerdict v;
  v.ChosenKind = chosenKind;
  if (decision.AfterWin || table.Shanten < 0 || table.Discards.empty()) return v;

  const TMjDiscard& front = table.Discards.front();
  v.BestCount = front.Count;
  v.BestKind = front.Kind;
  for (const TMjDiscard& d : table.Discards)
    if (d.Shanten == front.Shanten && d.Count == front.Count && MjTiePrefers(d.Kind, v.BestKind)) v.BestKind = d.Kind;
  const TMjDiscard* chosen = chosenKind >= 0 ? RowOf(table, chosenKind) : nullptr;
  v.Raised = chosen && chosen->Shanten > front.Shanten;
  v.ChosenCount = chosen && !v.Raised ? chosen->Count : 0;
  v.Basis = TMjBasis::Copies;
  v.Mistake = chosen && (v.Raised || chosen->Count != front.Count);

  if (table.Shanten > WinKeptMaxShanten || decision.DrawsLeft <= 0) return v;
  const TMjChanceTable chances = MjDecisionChances(decision, {}, points);
  const TMjChance* best = BestWinDiscard(chances);
  if (!best || best->Win <= 0.0) return v;  // nothing to win: copies tell the discards apart
  v.Basis = TMjBasis::Win;
  v.BestKind = best->Kind;
  v.BestWin = best->Win;
  const TMjChance* kept = chosen ? ChanceOf(chances, chosenKind) : nullptr;
  v.ChosenWin = kept ? kept->Win : 0.0;
  v.Mistake = chosen && !KeepsBestWin(v.ChosenWin, v.BestWin);
  v.Chances = chances.Discards;
  v.Extra = chances.Extra;
  return v;
}

TMjVerdict MjJudge(const TMjDecision& decision, int chosenKind) {
  return MjJudge(decision, MjDiscards(decision.Hand, decision.Seen), chosenKind);
}
