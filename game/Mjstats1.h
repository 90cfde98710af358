#pragma once

// The player's progress over a folder of record files: every deal judged as the
// review judges it, the totals of all of them and the per-deal table as CSV.
// Runs without windows; one file at a time, so callers may spread files over threads.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Mjscore1.h"
#include "game/Mjreview1.h"
#include "records/Safefile1.h"

// The figures of one deal.
struct TMjDealStats {
  std::string File;      // name without folder
  std::string Stamp;     // the time stamp text of the record's header
  int Decisions = 0;
  int BestChoices = 0;
  int ChosenCount = 0;   // effective copies kept by the discards made
  int BestCount = 0;     // and by the best ones
  double Efficiency = 100.0;
  int FirstReady = -1;   // as TMjReview::FirstReadyDraw
  int FinalShanten = 0;
  int WinDraw = -1;      // as TMjReview::WinDraw
  int WinPoints = 0;     // what that win is worth to the player, 0 without one
  int WinJudged = 0;     // decisions whose win chance was computed (see DealWinKept)
  double WinKeptSum = 0.0;  // of those, the chosen discard's win chance over the best's, summed

  bool HasWinKept() const { return WinJudged > 0; }
  double WinKept() const { return HasWinKept() ? 100.0 * WinKeptSum / WinJudged : 0.0; }  // in percent
};

// Judges a deal's discards by their win chance by the last draw (18 draws,
// tsumo only): for each decision whose verdict is by win chance (TMjBasis::Win),
// the chosen discard's chance over the best discard's (0 for one that raised
// the shanten). Fills WinJudged and WinKeptSum.
void DealWinKept(const TMjReview& review, TMjDealStats& deal);

// winds: the seat and round the deals' wins are scored under (records keep none).
TMjDealStats DealStats(const TMjReview& review, const TMjSituation& winds = {});

// Why a file gives no deal.
enum class TMjStatsFault {
  None,
  Unreadable,    // cannot be opened or read, or too short: FileError (or Message) says why
  Refused,       // its first line is not a record header
  DoesNotAddUp,  // Error, ErrorStep and ErrorCode as in TMjReview
  StatsTable,    // the per-deal table saved into the folder: neither a deal nor a failure
};

struct TMjRecordStats {
  TMjDealStats Deal;
  TMjStatsFault Fault = TMjStatsFault::None;
  std::optional<TFileError> FileError;
  std::string Message;  // what() of the error
  TMjReviewError Error = TMjReviewError::None;
  int ErrorStep = 0;
  int ErrorCode = 0;

  bool Ok() const { return Fault == TMjStatsFault::None; }
  bool Failed() const { return !Ok() && Fault != TMjStatsFault::StatsTable; }
};

// One record file read for a run over a folder: its rows, or why it gives none
// (Unreadable with Message, or Refused). Never throws for a bad file.
struct TMjRecordRows {
  TMjStatsFault Fault = TMjStatsFault::None;
  std::string Message;
  std::optional<TFileError> FileError;
  std::string Stamp;
  TCodeRow Deal{}, Draws{}, Discards{};
};
TMjRecordRows ReadRecordRows(const std::string& path);

// Reads and judges one record file; never throws for a bad file.
// model: what its decisions are judged under.
TMjRecordStats AnalyseRecordFile(const std::string& path, const std::string& name, const TMjSituation& winds = {},
                                 const TMjModel& model = {});

struct TMjStatsTotals {
  int Deals = 0;
  int Failures = 0;
  int Decisions = 0;
  int BestChoices = 0;
  int ChosenCount = 0;
  int BestCount = 0;
  int Wins = 0;
  long long WinPoints = 0;  // the points of all wins
  int WinJudged = 0;
  double WinKeptSum = 0.0;
  int Ready = 0;       // deals ready at some point
  int ReadyDrawSum = 0;  // of those, the sum of their first ready draws
  // ReadyBy[d]: deals ready once the discard after draw d was made (0: from the deal).
  std::array<int, DealLimit + 1> ReadyBy{};

  double Efficiency() const;          // all kept copies over all best copies, in percent
  double WinKept() const;             // all judged decisions' win chance kept, in percent, 0 with none
  double ReadyShare(int draw) const;  // ReadyBy[draw] / Deals in percent, 0 without deals
};

// Sums the deals, and counts the failures, of one run (a saved table is neither).
TMjStatsTotals SumStats(const std::vector<TMjRecordStats>& records);

// The deals of a run in the order of their time stamps (ties by name); failures left out.
std::vector<TMjDealStats> DealsByStamp(const std::vector<TMjRecordStats>& records);

// The per-deal table as CSV, one header line and one line per deal, CR LF.
// A file that begins with the header line is taken for such a table.
std::string StatsCsv(const std::vector<TMjDealStats>& deals);
