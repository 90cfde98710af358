#pragma once

// The player's progress over a folder of record files: totals, the share of
// deals ready by each draw, efficiency per deal in time order, the per-deal
// table (saved as CSV) and the files that gave no deal, with the reason. A
// folder may hold a hundred thousand records: it is listed, judged and summed
// off the window's thread; a run can be cancelled.

#include <QAbstractTableModel>
#include <QFuture>
#include <QFutureWatcher>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <functional>
#include <string>
#include <vector>

#include "game/Mjstats1.h"
#include "ui/Ttiledlg1.h"

class TChartView;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QTabWidget;

// The record files of a folder as the viewer lists them, by name; the names
// are the file system's bytes.
std::vector<std::string> RecordFileNames(const QString& folder);

// Everything of a run that needs no window, in the order of the file list.
struct TStatsRun {
  std::vector<TMjRecordStats> Records;
  std::vector<TMjDealStats> Deals;  // by time stamp
  TMjStatsTotals Totals;
};
// Lists the folder, judges its files on the threads of pool and sums them, all
// off the caller's thread, the wins valued under winds. The future reports progress once the files are
// counted, and can be cancelled; a cancelled run gives no result.
QFuture<TStatsRun> AnalyseFolder(const QString& folder, QThreadPool* pool, const TMjSituation& winds = {},
                                 const TMjModel& model = {});
// Why a file gave no deal, for the player.
QString StatsFaultText(const TMjRecordStats& record);

// The per-deal table.
class TStatsModel : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetDeals(const std::vector<TMjDealStats>* deals);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  const std::vector<TMjDealStats>* Deals = nullptr;
};

class TStatsDlg : public TTileDlg {
  Q_OBJECT
public:
  explicit TStatsDlg(QWidget* parent = nullptr);
  ~TStatsDlg() override;

  // Starts a run over the folder; a run still going is cancelled first.
  void Analyse(const QString& folder);
  // On a screen too short for the window (a large scale factor), the list of
  // deals gives up height so that the window fits in room pixels, frame excluded.
  void FitHeight(int room);
  void Cancel();  // the shown result stays as it was before the run
  bool Running() const { return IsRunning; }
  void WaitForResult();  // blocks until the run ends and shows its result (tests)
  void SetFolderClick();
  void SaveCsvClick();

  // The result shown: all of it from one completed run, or nothing.
  QString ResultFolder;
  std::vector<TMjRecordStats> Records;  // in the order of the file list
  std::vector<TMjDealStats> Deals;      // by time stamp
  TMjStatsTotals Totals;
  TMjSituation Winds;  // the wins' values assume them: the practice window's remembered winds

  // The dialogs the commands run; tests replace them.
  std::function<QString()> FolderDialog;
  std::function<QString(const QString& fileName)> SaveDialog;
  QString SaveFileName;

  // Components.
  QLabel* LbFolder;
  QPushButton* BnFolder;
  QPushButton* BnSave;
  QLabel* LbSaved;  // "保存しました" after a CSV save
  QProgressBar* ProgressBar1;
  QPushButton* BnCancel;
  QLabel* LbTotals;
  TChartView* ChartReady;
  TChartView* ChartEfficiency;
  QTabWidget* Tabs;
  QTableView* DealTable;
  QListWidget* FailureList;
  TChartView* ChartPoints;  // the points of each won deal, in time order
  TChartView* ChartWinKept;  // the win chance kept in each judged deal, in time order

  static QString TotalsText(const TMjStatsTotals& totals);

protected:
  void hideEvent(QHideEvent* event) override;  // closing the window cancels its run

private:
  void Finished();
  void ShowResult();
  void UpdateCharts();
  // Threads of the window's own: Qt paints large areas with the global pool,
  // which a run there would keep busy, freezing the window until the run ended.
  QThreadPool Pool;
  QFutureWatcher<TStatsRun> Watcher;
  QFuture<TStatsRun> Run;
  QString RunFolder;
  TMjSituation RunWinds;
  bool IsRunning = false;
  bool Cancelled = false;
  TStatsModel Model;
};
