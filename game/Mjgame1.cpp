#include "game/Mjgame1.h"

#include <utility>
#include <vector>

namespace {

std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

int KindOf(const TMjPai* pai) { return pai->Id / 4; }

}  // namespace

TMjGame::TMjGame(TMjTable& table, TMjDisplay& display) : Table(table), Display(display) {}

// The repaint comes before the texts: the cell must be on the screen before any pause that follows.
void TMjGame::DrawTepai(int i) {
  Display.PaintTepaiCell(i, Table.Tepai[Slot(i)]);
  Display.RepaintNow();
  Display.ShowProgress(static_cast<int>(Table.TumoCount), DealOver());
}

// Cells 14..19 never hold a tile, so only the clearing step paints them.
void TMjGame::DrawTepaiAll() {
  for (int i = 0; i < HandSlots; ++i) Display.PaintTepaiCell(i, Table.Tepai[Slot(i)]);
  Display.RepaintNow();
}

void TMjGame::DrawSutepai(int i) {
  Display.PaintSutepaiCell(i, Table.Sutepai[Slot(i)]);
  Display.RepaintNow();
}

void TMjGame::ClearDisp() {
  Table.Clear();
  // The hand area and the discard area are one row of a cell per slot each.
  for (int i = 0; i < RowSlots; ++i) DrawTepai(i);
  for (int i = 0; i < RowSlots; ++i) DrawSutepai(i);
  Pairi.Start({});
  Display.ShowPairi(Pairi);
  Select(-1);
}

void TMjGame::Select(int i) {
  Selected = i;
  Display.ShowSelection(i);
}

int TMjGame::LastTile() const {
  for (int i = HandSlots - 1; i >= 0; --i)
    if (Table.Tepai[Slot(i)] != nullptr) return i;
  return -1;
}

void TMjGame::MoveSelection(int step) {
  const int last = LastTile();
  if (DealOver() || last < 0) return;
  const int from = Selected < 0 ? last : Selected + step;
  Select(from < 0 ? 0 : from > last ? last : from);
}

void TMjGame::SelectEnd(bool last) {
  if (DealOver() || LastTile() < 0) return;
  Select(last ? LastTile() : 0);
}

bool TMjGame::JudgeDraw() {
  Select(DrawSlot);
  Pairi.AddDraw(KindOf(Table.Tepai[DrawSlot]));
  Display.ShowPairi(Pairi);
  return Pairi.Steps.back().Won();
}

// A new step replaces one still running, which ends where it stands.
void TMjGame::Run(TMjStep step) {
  Step = std::move(step);
  Step.Resume();
}

void TMjGame::Resume() { Step.Resume(); }

// Runs on the wall already in place; the pauses let the player watch the deal
// arrive unsorted, then sorted, then the first draw.
TMjStep TMjGame::PlayOpening() {
  ++Deal;
  ClearDisp();
  Table.Haipai();
  TKindCounts deal{};
  for (int i = 0; i < DealTiles; ++i) ++deal[Slot(KindOf(Table.Tepai[Slot(i)]))];
  // The deal's own draws tell its wall, by the rule records are read with.
  std::vector<int> draws;
  for (int i = 0; i < DealLimit; ++i) {
    const TMjPai* pai = Table.Wall[Slot(Table.WallPos + i)];
    draws.push_back(pai ? KindOf(pai) : -1);
  }
  Pairi.Start(deal, OneSuitDeal(deal, draws));
  DrawTepaiAll();
  co_await Pause(OpeningPauseMs);
  Table.SortTe();
  DrawTepaiAll();
  co_await Pause(OpeningPauseMs);
  Table.Tumo();
  DrawTepai(DrawSlot);
  // The waits are of the 13 tiles in hand; the drawn tile is offered as a test
  // only when it completes the hand, so that the waits window frames it at once.
  const bool won = JudgeDraw();
  Display.ShowMachi(Table.Tepai, won ? Table.Tepai[DrawSlot] : nullptr);
}

void TMjGame::FormShow() {
  if (PendingReplay) {
    LayReplayWall(Table, *PendingReplay);
    PendingReplay.reset();
    Replayed = true;
    Run(PlayOpening());
    return;
  }
  if (Tinitu)
    MnStart2Click();
  else
    MnStartClick();
}

void TMjGame::MnStartClick() {
  Replayed = false;
  Table.Shuffle();
  Run(PlayOpening());
}

void TMjGame::MnStart2Click() {
  Replayed = false;
  Table.ShuffleTinitu();
  Run(PlayOpening());
}

// Clear resets the wall position but keeps the wall, so the same 13 tiles and the
// same draws come again whatever was discarded. A table that never had a wall
// gets a new deal of its mode instead of a walk through empty wall slots.
void TMjGame::MnRetryClick() {
  if (Table.Wall[0] == nullptr) {
    FormShow();
    return;
  }
  Run(PlayOpening());
}

void TMjGame::TepaiClick(int k) {
  if (DealOver()) return;
  // A release outside the hand area gives an index beyond its cells: no cell, like an empty one.
  if (k < 0 || k >= RowSlots) return;
  if (Table.Tepai[Slot(k)] == nullptr) return;
  Run(Discard(k));
}

TMjStep TMjGame::Discard(int k) {
  const int n = Table.Sute(k);
  Pairi.AddDiscard(KindOf(Table.Sutepai[Slot(n)]));
  DrawTepai(k);
  DrawSutepai(n);
  Display.ShowPairi(Pairi);
  if (DealOver()) Select(-1);
  co_await Pause(SutePauseMs);
  Table.SortTe();  // closes the hole, leaving slot 13 empty for the next draw
  DrawTepaiAll();
  Display.ShowMachi(Table.Tepai, nullptr);
  if (Table.TumoCount < DealLimit) {
    co_await Pause(SutePauseMs);
    Table.Tumo();
    DrawTepai(DrawSlot);
    if (JudgeDraw()) Display.ShowMachi(Table.Tepai, Table.Tepai[DrawSlot]);
  }
}

TMjGame::TTileClick TMjGame::TileClickAt(int k) const {
  if (k < 0 || k >= RowSlots) return {-1, Deal};
  const TMjPai* pai = Table.Tepai[Slot(k)];
  return {pai != nullptr ? pai->Id : -1, Deal};
}

void TMjGame::DiscardTile(TTileClick click) {
  if (click.Id < 0 || click.Deal != Deal) return;
  for (int k = 0; k < HandSlots; ++k)
    if (TileClickAt(k).Id == click.Id) {
      TepaiClick(k);
      return;
    }
}

void TMjGame::MnHopeClick() {
  if (Display.MachiVisible()) {
    Display.HideMachiWindow();
    return;
  }
  Display.ShowMachiWindow();
  Display.ShowMachi(Table.Tepai, Table.Tepai[DrawSlot]);
}

// Closing the window ends a running step at once: nothing of it is painted any more.
void TMjGame::FormHide() {
  Step.End();
  PendingReplay.reset();
  Display.HideMachiWindow();
}

void TMjGame::SetReplay(const TMjReplay& replay) {
  PendingReplay = replay;
  Tinitu = replay.Tinitu;
}
