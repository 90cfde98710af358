#include "game/Mjreview1.h"

#include <algorithm>

namespace {

// The codes of a row up to its first empty slot; a tile after a gap or a code
// that names no tile is a fault of the record.
struct TRowRead {
  std::vector<int> Kinds;
  TMjReviewError Error = TMjReviewError::None;
  int Index = 0;
  int Code = 0;
};

TRowRead ReadRow(const TCodeRow& row) {
  TRowRead r;
  bool ended = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const int code = row[i];
    if (code == 0) {
      ended = true;
      continue;
    }
    r.Index = static_cast<int>(i);
    r.Code = code;
    if (ended) {
      r.Error = TMjReviewError::Gap;
      return r;
    }
    const int kind = CodeKind(code);
    if (kind < 0) {
      r.Error = TMjReviewError::BadCode;
      return r;
    }
    r.Kinds.push_back(kind);
  }
  return r;
}

}  // namespace

const TMjDiscard& TMjReviewStep::Chosen() const {
  const auto it = std::find_if(Table.Discards.begin(), Table.Discards.end(),
                               [this](const TMjDiscard& d) { return d.Kind == DiscardKind; });
  return *it;  // a discard is always a kind of the hand, so it has a row
}

bool TMjReviewStep::RaisedShanten() const { return Chosen().Shanten > Best().Shanten; }

int TMjReviewStep::ChosenCount() const { return RaisedShanten() ? 0 : Chosen().Count; }

int TMjReview::Decisions() const {
  return static_cast<int>(std::count_if(Steps.begin(), Steps.end(), [](const TMjReviewStep& s) { return s.Judged(); }));
}

int TMjReview::BestChoices() const {
  return static_cast<int>(
      std::count_if(Steps.begin(), Steps.end(), [](const TMjReviewStep& s) { return s.Judged() && !s.Mistake(); }));
}

int TMjReview::ChosenCountSum() const {
  int n = 0;
  for (const TMjReviewStep& s : Steps)
    if (s.Judged()) n += s.ChosenCount();
  return n;
}

int TMjReview::BestCountSum() const {
  int n = 0;
  for (const TMjReviewStep& s : Steps)
    if (s.Judged()) n += s.Best().Count;
  return n;
}

double TMjReview::Efficiency() const {
  const int best = BestCountSum();
  return best == 0 ? 100.0 : 100.0 * ChosenCountSum() / best;
}

int TMjReview::FirstReadyDraw() const {
  // A fault in the deal row leaves no hand to judge; any later fault leaves the deal and the steps before it.
  if (!Ok() && ErrorStep == 0) return -1;
  if (MjShanten(DealHand) == 0) return 0;
  for (const TMjReviewStep& s : Steps) {
    if (s.Discarded() && s.Chosen().Shanten == 0) return s.Draw;
  }
  return -1;
}

int TMjReview::WinDraw() const {
  for (const TMjReviewStep& s : Steps)
    if (s.Won()) return s.Draw;
  return -1;
}

void TMjReview::Start(const TKindCounts& deal, bool oneSuit) {
  Steps.clear();
  DealHand = deal;
  Hand = deal;
  Seen = {};
  OneSuit = oneSuit;
}

void TMjReview::AddDraw(int kind) {
  ++Hand[static_cast<std::size_t>(kind)];
  TMjReviewStep s;
  s.Draw = static_cast<int>(Steps.size()) + 1;
  s.DrawnKind = kind;
  s.Hand = Hand;
  s.Seen = Seen;
  s.Table = MjDiscards(Hand, Seen);
  s.OneSuit = OneSuit;
  s.Model = Model;
  s.AfterWin = s.Table.Shanten < 0 || (!Steps.empty() && Steps.back().AfterWin);
  Steps.push_back(std::move(s));
}

void TMjReview::AddDiscard(int kind) {
  const auto k = static_cast<std::size_t>(kind);
  --Hand[k];
  ++Seen[k];
  TMjReviewStep& s = Steps.back();
  s.DiscardKind = kind;
  s.Verdict = MjJudge(s.Decision(), s.Table, kind, Points);
}

int TMjReview::FinalShanten() const {
  if (Steps.empty()) return MjShanten(DealHand);
  const TMjReviewStep& last = Steps.back();
  return last.Discarded() ? last.Chosen().Shanten : last.Table.Shanten;
}

void TMjReview::Rejudge(const TMjModel& model) {
  Model = model;
  for (TMjReviewStep& s : Steps) {
    s.Model = model;
    if (s.Discarded()) s.Verdict = MjJudge(s.Decision(), s.Table, s.DiscardKind, Points);
  }
}

int TMjReview::NextNotBest(int after) const {
  for (int i = std::max(after + 1, 0); i < static_cast<int>(Steps.size()); ++i) {
    const TMjReviewStep& s = Steps[static_cast<std::size_t>(i)];
    if (s.Mistake()) return i;
  }
  return -1;
}

TMjReview ReviewDeal(const TCodeRow& haipai, const TCodeRow& tumo, const TCodeRow& sute, const TMjModel& model,
                     bool points) {
  TMjReview review;
  review.Model = model;
  review.Points = points;
  auto fail = [&review](TMjReviewError error, int step, int code) {
    review.Error = error;
    review.ErrorStep = step;
    review.ErrorCode = code;
    return review;
  };

  const TRowRead deal = ReadRow(haipai);
  if (deal.Error != TMjReviewError::None) return fail(deal.Error, 0, deal.Code);
  if (deal.Kinds.size() != DealTiles) return fail(TMjReviewError::ShortDeal, 0, 0);
  for (int k : deal.Kinds) {
    if (++review.DealHand[static_cast<std::size_t>(k)] > 4) return fail(TMjReviewError::FifthCopy, 0, KindCode(k));
  }

  const TRowRead draws = ReadRow(tumo);
  const TRowRead discards = ReadRow(sute);
  // A row's own fault stops the review at the step where it stands: the steps
  // before it are still judged.
  const std::size_t drawsOk = draws.Kinds.size();
  const std::size_t discardsOk = discards.Kinds.size();

  review.Start(review.DealHand, OneSuitDeal(review.DealHand, draws.Kinds));
  for (std::size_t i = 0; i < drawsOk; ++i) {
    const int step = static_cast<int>(i) + 1;
    const int drawn = draws.Kinds[i];
    const auto d = static_cast<std::size_t>(drawn);
    if (review.Hand[d] + review.Seen[d] >= 4) return fail(TMjReviewError::FifthCopy, step, KindCode(drawn));
    review.AddDraw(drawn);
    if (i >= discardsOk) break;  // the last draw waits for its discard
    const int thrown = discards.Kinds[i];
    if (review.Hand[static_cast<std::size_t>(thrown)] == 0)
      return fail(TMjReviewError::DiscardNotHeld, step, KindCode(thrown));
    review.AddDiscard(thrown);
  }

  // Of the faults left, the one at the earliest draw is named; at one draw the
  // draw comes before its discard, and rows that disagree only after both.
  struct TFault {
    int Step, Order;
    TMjReviewError Error;
    int Code;
  };
  std::vector<TFault> faults;
  if (draws.Error != TMjReviewError::None) faults.push_back({draws.Index + 1, 0, draws.Error, draws.Code});
  if (discards.Error != TMjReviewError::None) faults.push_back({discards.Index + 1, 1, discards.Error, discards.Code});
  // Every discard follows its draw; at most the last draw may still wait for one.
  if (discardsOk > drawsOk || drawsOk > discardsOk + 1)
    faults.push_back({static_cast<int>(std::min(drawsOk, discardsOk)) + 1, 2, TMjReviewError::RowsDisagree, 0});
  if (faults.empty()) return review;
  const TFault& first = *std::min_element(faults.begin(), faults.end(), [](const TFault& a, const TFault& b) {
    return a.Step != b.Step ? a.Step < b.Step : a.Order < b.Order;
  });
  return fail(first.Error, first.Step, first.Code);
}

TMjReview ReviewRecord(const TCodeGrid& codes, const TMjModel& model) {
  return ReviewDeal(GridRow(codes, DealRow), GridRow(codes, DrawRow), GridRow(codes, DiscardRow), model);
}

TCodeRow CodeRowOf(const TPaiRow& row) {
  TCodeRow codes{};
  for (std::size_t i = 0; i < row.size(); ++i) codes[i] = row[i] ? row[i]->GetCode() : 0;
  return codes;
}

TMjPairiView PairiView(const TMjReview& review, bool tableAfterDiscard) {
  TMjPairiView view;
  if (review.Steps.empty()) return view;
  const TMjReviewStep& last = review.Steps.back();
  view.Best = last.Best();
  if (!last.Discarded()) {
    view.Stage = TMjPairiStage::Decision;
    view.Shanten = last.Table.Shanten;
    view.TableHidden = tableAfterDiscard;
    if (!tableAfterDiscard) view.Rows = last.Table.Discards;
    // The discard before this draw stays judged while the player thinks.
    if (review.Steps.size() >= 2) view.Judged = &review.Steps[review.Steps.size() - 2];
    return view;
  }
  view.Stage = TMjPairiStage::Discarded;
  view.Shanten = last.Chosen().Shanten;
  view.ChosenKind = last.DiscardKind;
  view.Judged = &last;
  if (tableAfterDiscard)
    view.Rows = last.Table.Discards;
  else
    view.Rows = {last.Chosen()};
  return view;
}
