#include "game/Mjstats1.h"

#include <algorithm>
#include <cstdio>
#include <exception>

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

}  // namespace

TMjDealStats DealStats(const TMjReview& review) {
  TMjDealStats d;
  d.Decisions = review.Decisions();
  d.BestChoices = review.BestChoices();
  d.ChosenCount = review.ChosenCountSum();
  d.BestCount = review.BestCountSum();
  d.Efficiency = review.Efficiency();
  d.FirstReady = review.FirstReadyDraw();
  d.FinalShanten = review.FinalShanten();
  d.WinDraw = review.WinDraw();
  return d;
}

TMjRecordStats AnalyseRecordFile(const std::string& path, const std::string& name) {
  TMjRecordStats r;
  r.Deal.File = name;
  TRecordLoader loader;
  TSilentEvents events;
  try {
    if (!loader.LoadRecordFile(path, events)) {
      r.Fault = TMjStatsFault::Refused;
      return r;
    }
  } catch (const std::exception& e) {
    r.Fault = TMjStatsFault::Unreadable;
    r.Message = e.what();
    if (const auto* file = dynamic_cast<const TFileError*>(&e)) r.FileError = *file;
    return r;
  }
  r.Deal.Stamp = loader.RecordDate;
  const TMjReview review = ReviewRecord(loader.Codes);
  if (!review.Ok()) {
    r.Fault = TMjStatsFault::DoesNotAddUp;
    r.Error = review.Error;
    r.ErrorStep = review.ErrorStep;
    r.ErrorCode = review.ErrorCode;
    return r;
  }
  const std::string file = std::move(r.Deal.File), stamp = std::move(r.Deal.Stamp);
  r.Deal = DealStats(review);
  r.Deal.File = file;
  r.Deal.Stamp = stamp;
  return r;
}

double TMjStatsTotals::Efficiency() const { return BestCount == 0 ? 100.0 : 100.0 * ChosenCount / BestCount; }

double TMjStatsTotals::ReadyShare(int draw) const {
  return Deals == 0 ? 0.0 : 100.0 * ReadyBy[static_cast<std::size_t>(draw)] / Deals;
}

TMjStatsTotals SumStats(const std::vector<TMjRecordStats>& records) {
  TMjStatsTotals t;
  for (const TMjRecordStats& r : records) {
    if (!r.Ok()) {
      ++t.Failures;
      continue;
    }
    const TMjDealStats& d = r.Deal;
    ++t.Deals;
    t.Decisions += d.Decisions;
    t.BestChoices += d.BestChoices;
    t.ChosenCount += d.ChosenCount;
    t.BestCount += d.BestCount;
    if (d.WinDraw >= 0) ++t.Wins;
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
  std::string csv = "file,time,efficiency,best_choices,decisions,first_ready_draw,final_shanten,win_draw\r\n";
  char number[32];
  for (const TMjDealStats& d : deals) {
    std::snprintf(number, sizeof number, "%.1f", d.Efficiency);
    csv += CsvField(d.File) + ',' + CsvField(d.Stamp) + ',' + number + ',' + std::to_string(d.BestChoices) + ',' +
           std::to_string(d.Decisions) + ',' + std::to_string(d.FirstReady) + ',' + std::to_string(d.FinalShanten) +
           ',' + std::to_string(d.WinDraw) + "\r\n";
  }
  return csv;
}
