#include "game/Mjstats1.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <fstream>
#include <string_view>

#include "analysis/Mjprob1.h"
#include "game/Mjwin1.h"
#include "records/Mjloader1.h"

namespace {

// The loader reports to a window; a run over a folder has none.
class TSilentEvents : public TRecordEvents {
public:
  bool Refused = false;
  void HeaderRefused() override { Refused = true; }
  void UpdateStatus() override {}
  void EnableBmpSave() override {}
};

constexpr std::string_view StatsCsvHeader =
    "file,time,efficiency,best_choices,decisions,first_ready_draw,final_shanten,win_draw,win_points\r\n";
// The columns every version of the table begins with.
constexpr std::string_view StatsCsvStart = "file,time,efficiency,best_choices,";

// Whether a file refused as a record is the statistics' own table, saved into the folder.
bool IsStatsCsv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(StatsCsvStart.size(), '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  return in && head == StatsCsvStart;
}

// A field as CSV wants it: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// With a point whatever the locale: printf would write "87,5" under a
// comma-decimal one, a field too many for the header.
std::string OneDecimal(double value) {
  char text[32];
  char* const end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
  return std::string(text, end);
}

}  // namespace

TMjDealStats DealStats(const TMjReview& review, const TMjSituation& winds) {
  TMjDealStats d;
  d.Decisions = review.Decisions();
  d.BestChoices = review.BestChoices();
  d.ChosenCount = review.ChosenCountSum();
  d.BestCount = review.BestCountSum();
  d.Efficiency = review.Efficiency();
  d.FirstReady = review.FirstReadyDraw();
  d.FinalShanten = review.FinalShanten();
  d.WinDraw = review.WinDraw();
  d.WinPoints = DealWinPoints(review, winds);
  return d;
}

void DealWinKept(const TMjReview& review, TMjDealStats& deal) {
  for (const TMjReviewStep& step : review.Steps) {
    if (!step.Judged() || step.Verdict.Basis != TMjBasis::Win) continue;
    ++deal.WinJudged;
    deal.WinKeptSum += step.Verdict.ChosenWin / step.Verdict.BestWin;
  }
}

TMjRecordRows ReadRecordRows(const std::string& path) {
  TMjRecordRows rows;
  TRecordLoader loader;
  TSilentEvents events;
  try {
    if (!loader.LoadRecordFile(path, events)) {
      rows.Fault = IsStatsCsv(path) ? TMjStatsFault::StatsTable : TMjStatsFault::Refused;
      return rows;
    }
  } catch (const std::exception& e) {
    rows.Fault = TMjStatsFault::Unreadable;
    rows.Message = e.what();
    if (const auto* file = dynamic_cast<const TFileError*>(&e)) rows.FileError = *file;
    return rows;
  }
  rows.Stamp = loader.RecordDate;
  rows.Deal = GridRow(loader.Codes, DealRow);
  rows.Draws = GridRow(loader.Codes, DrawRow);
  rows.Discards = GridRow(loader.Codes, DiscardRow);
  return rows;
}

TMjRecordStats AnalyseRecordFile(const std::string& path, const std::string& name, const TMjSituation& winds,
                                 const TMjModel& model) {
  TMjRecordStats r;
  r.Deal.File = name;
  const TMjRecordRows rows = ReadRecordRows(path);
  if (rows.Fault != TMjStatsFault::None) {
    r.Fault = rows.Fault;
    r.Message = rows.Message;
    r.FileError = rows.FileError;
    return r;
  }
  r.Deal.Stamp = rows.Stamp;
  const TMjReview review = ReviewDeal(rows.Deal, rows.Draws, rows.Discards, model, false);
  if (!review.Ok()) {
    r.Fault = TMjStatsFault::DoesNotAddUp;
    r.Error = review.Error;
    r.ErrorStep = review.ErrorStep;
    r.ErrorCode = review.ErrorCode;
    return r;
  }
  const std::string file = std::move(r.Deal.File), stamp = std::move(r.Deal.Stamp);
  r.Deal = DealStats(review, winds);
  DealWinKept(review, r.Deal);
  r.Deal.File = file;
  r.Deal.Stamp = stamp;
  return r;
}

double TMjStatsTotals::Efficiency() const { return BestCount == 0 ? 100.0 : 100.0 * ChosenCount / BestCount; }

double TMjStatsTotals::WinKept() const { return WinJudged == 0 ? 0.0 : 100.0 * WinKeptSum / WinJudged; }

double TMjStatsTotals::ReadyShare(int draw) const {
  return Deals == 0 ? 0.0 : 100.0 * ReadyBy[static_cast<std::size_t>(draw)] / Deals;
}

TMjStatsTotals SumStats(const std::vector<TMjRecordStats>& records) {
  TMjStatsTotals t;
  for (const TMjRecordStats& r : records) {
    if (!r.Ok()) {
      t.Failures += r.Failed();
      continue;
    }
    const TMjDealStats& d = r.Deal;
    ++t.Deals;
    t.Decisions += d.Decisions;
    t.BestChoices += d.BestChoices;
    t.ChosenCount += d.ChosenCount;
    t.BestCount += d.BestCount;
    if (d.WinDraw >= 0) ++t.Wins;
    t.WinPoints += d.WinPoints;
    t.WinJudged += d.WinJudged;
    t.WinKeptSum += d.WinKeptSum;
    if (d.FirstReady >= 0) {
      ++t.Ready;
      t.ReadyDrawSum += d.FirstReady;
      for (int draw = d.FirstReady; draw <= DealLimit; ++draw) ++t.ReadyBy[static_cast<std::size_t>(draw)];
    }
  }
  return t;
}

std::vector<TMjDealStats> DealsByStamp(const std::vector<TMjRecordStats>& records) {
  std::vector<TMjDealStats> deals;
  for (const TMjRecordStats& r : records)
    if (r.Ok()) deals.push_back(r.Deal);
  std::stable_sort(deals.begin(), deals.end(), [](const TMjDealStats& a, const TMjDealStats& b) {
    return a.Stamp != b.Stamp ? a.Stamp < b.Stamp : a.File < b.File;
  });
  return deals;
}

std::string StatsCsv(const std::vector<TMjDealStats>& deals) {
  std::string csv(StatsCsvHeader);
  for (const TMjDealStats& d : deals) {
    csv += CsvField(d.File) + ',' + CsvField(d.Stamp) + ',' + OneDecimal(d.Efficiency) + ',' + std::to_string(d.BestChoices) + ',' +
           std::to_string(d.Decisions) + ',' + std::to_string(d.FirstReady) + ',' + std::to_string(d.FinalShanten) +
           ',' + std::to_string(d.WinDraw) + ',' + std::to_string(d.WinPoints) + "\r\n";
  }
  return csv;
}
