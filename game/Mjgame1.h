#pragma once

// The practice flow of one deal: deal 13 tiles, draw one, then one discard and one
// draw per click until 18 tiles were drawn and 18 thrown away. It reaches the
// screen only through TMjDisplay, so it runs the same against the practice window
// and against a recorder in the tests. The opening and each discard are steps
// (TMjStep) that wait in their pauses without holding up the program.

#include <optional>

#include "core/Mjpai1.h"
#include "core/Mjtable1.h"
#include "game/Mjreplay1.h"
#include "game/Mjreview1.h"
#include "game/Mjstep1.h"

constexpr int OpeningPauseMs = 1000;  // after the unsorted deal and after the sorted hand
constexpr int SutePauseMs = 500;      // after showing a discard and before the next draw

// What the flow needs of the screen. The practice window implements it; tests record it.
class TMjDisplay {
public:
  virtual ~TMjDisplay() = default;
  virtual void PaintTepaiCell(int i, const TMjPai* pai) = 0;   // hand cell i shows pai, nullptr = blank cell
  virtual void PaintSutepaiCell(int i, const TMjPai* pai) = 0; // discard cell i
  virtual void RepaintNow() = 0;
  // The draw counter and the guidance: tiles drawn so far, and whether the
  // deal is over (no guidance then). The display words them.
  virtual void ShowProgress(int draws, bool dealOver) = 0;
  // Starts a pause of ms milliseconds. True: the display ends it later by
  // calling TMjGame::Resume. False: the flow goes straight on (a recorder).
  virtual bool Pause(int ms) = 0;
  virtual bool MachiVisible() = 0;                              // the waiting-tiles window
  virtual void ShowMachiWindow() = 0;
  virtual void HideMachiWindow() = 0;
  virtual void ShowMachi(const TPaiRow& tepai, const TMjPai* test) = 0;  // test: nullptr = none
  // The hand's efficiency and the judgement of the deal so far: after the
  // clearing, after every draw and after every discard.
  virtual void ShowPairi(const TMjReview& review) = 0;
  // The keyboard's selection over the hand cells: cell i framed, -1 none.
  virtual void ShowSelection(int i) = 0;
};

// The practice flow of one TMjTable, driven by the practice window's events.
class TMjGame {
public:
  TMjGame(TMjTable& table, TMjDisplay& display);
  TMjGame(const TMjGame&) = delete;
  TMjGame& operator=(const TMjGame&) = delete;

  bool Tinitu = false;  // the practice mode: one-suit wall when true

  void DrawTepai(int i);  // hand cell i, then the guidance and status texts
  void DrawTepaiAll();    // hand cells 0..13
  void DrawSutepai(int i);
  void ClearDisp();       // empties the table and blanks all 40 cells

  // The commands start a step; the window holds its input back while one runs.
  void FormShow();       // a new deal of the window's mode
  void MnStartClick();   // F5, full wall
  void MnStart2Click();  // F5, one-suit wall
  void MnRetryClick();   // F6, the same wall again
  void TepaiClick(int k);  // k = the hand area's SelIndex
  void MnHopeClick();    // F2, toggles the waiting-tiles window
  void FormHide();       // also ends a running step where it stands

  // A saved deal for the next opening to play instead of a new deal; it sets
  // the mode. F6 then plays its wall again and F5 leaves it for a new deal.
  // Closing the window drops a replay not yet started.
  void SetReplay(const TMjReplay& replay);
  bool Replaying() const { return Replayed; }  // the wall is a replayed record's

  // A click bound to the tile it was made on, in the deal it was made in.
  struct TTileClick {
    int Id = -1;  // no tile
    int Deal = 0;
  };
  TTileClick TileClickAt(int k) const;  // the tile in hand cell k now
  // Throws the clicked tile away if it is still in the hand of its deal,
  // wherever it stands now; a tile gone, or a click of an earlier deal, is ignored.
  void DiscardTile(TTileClick click);

  bool Running() const { return Step.Running(); }  // a step waits in a pause
  void Resume();  // the display's pause is over

  // Keyboard play: a selection over the hand cells that sits on each drawn
  // tile; the keys move it over the tiles in hand and throw its tile away.
  int Selection() const { return Selected; }  // -1: none (no tile to throw)
  void MoveSelection(int step);                // by step cells, kept on the hand
  void SelectEnd(bool last);                   // the first or the last tile

  // Every draw and discard of the deal being played, judged as it comes.
  // The model the deal's decisions are judged under; the steps so far are judged again.
  void SetModel(const TMjModel& model) { Pairi.Rejudge(model); }
  const TMjReview& Review() const { return Pairi; }

private:
  // The pause inside a step: it suspends the step unless the display goes straight on.
  struct TPause {
    TMjDisplay& Display;
    int Ms;
    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<>) { return Display.Pause(Ms); }
    void await_resume() const noexcept {}
  };
  TPause Pause(int ms) { return TPause{Display, ms}; }

  void Run(TMjStep step);
  TMjStep PlayOpening();
  TMjStep Discard(int k);
  bool DealOver() const { return Table.SuteCount >= DealLimit; }
  // Judges the tile just drawn into slot 13; true when it completes the hand.
  bool JudgeDraw();
  void Select(int i);
  int LastTile() const;  // the rightmost hand cell holding a tile, -1 when none

  TMjTable& Table;
  TMjDisplay& Display;
  TMjStep Step;  // the step that runs, if any
  int Deal = 0;  // counts the openings
  TMjReview Pairi;
  int Selected = -1;
  std::optional<TMjReplay> PendingReplay;
  bool Replayed = false;
};
