#pragma once

// The player's progress over a folder of record files: totals, the share of
// deals ready by each draw, efficiency per deal in time order, the per-deal
// table (saved as CSV) and the files that gave no deal, with the reason. The
// files are judged off the window's thread; a run can be cancelled.

#include <QAbstractTableModel>
#include <QFuture>
#include <QFutureWatcher>
#include <QString>
#include <QStringList>
#include <functional>
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

// The record files of a folder (*.csv, hidden ones too), by name.
QStringList RecordFileNames(const QString& folder);
// Judges the named files of folder on the threads of the machine; the future
// reports progress and can be cancelled.
QFuture<TMjRecordStats> AnalyseRecordFiles(const QString& folder, const QStringList& names);
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

  static QString TotalsText(const TMjStatsTotals& totals);

protected:
  void hideEvent(QHideEvent* event) override;  // closing the window cancels its run

private:
  void Finished();
  void ShowResult();
  void UpdateCharts();
  QFutureWatcher<TMjRecordStats> Watcher;
  QFuture<TMjRecordStats> Run;
  QString RunFolder;
  bool IsRunning = false;
  bool Cancelled = false;
  TStatsModel Model;
};
