#include "ui/Statsdlg1.h"

#include "ui/Tchart1.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <cmath>

#include "records/Filelist1.h"
#include "records/Safefile1.h"
#include "ui/Reviewdlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Tchance1.h"
#include "ui/Telided1.h"
#include "ui/Tscore1.h"
#include "ui/Tlook1.h"
#include "ui/Twords1.h"

namespace {

constexpr int ChartWidth = 440;
constexpr int ChartHeight = 260;
constexpr int PartGap = 8;  // between the window's parts
constexpr int TabsHeight = 200;     // the list of deals
constexpr int TabsMinHeight = 90;   // on a short screen: a few lines still
constexpr int TableRowPadding = 6;  // a table row: a line of text and this

QString DrawText(int draw) { return draw < 0 ? TStatsDlg::tr("—") : DrawName(draw); }

QString Percent(double value) { return QString::number(value, 'f', 1) + QLatin1Char('%'); }

}  // namespace

std::vector<std::string> RecordFileNames(const QString& folder) {
  return SortedRecordNames(QFile::encodeName(folder).toStdString());
}

QFuture<TStatsRun> AnalyseFolder(const QString& folder, QThreadPool* pool, const TMjSituation& winds,
                                 const TMjModel& model) {
  return QtConcurrent::run(pool, [folder, pool, winds, model](QPromise<TStatsRun>& promise) {
    const std::vector<std::string> names = RecordFileNames(folder);
    promise.setProgressRange(0, static_cast<int>(names.size()));
    std::string prefix = QFile::encodeName(folder).toStdString();
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    std::atomic<int> done = 0;
    TStatsRun run;
    run.Records = QtConcurrent::blockingMapped<std::vector<TMjRecordStats>>(
        pool, names, [&prefix, &done, &promise, &winds, &model](const std::string& name) {
          if (promise.isCanceled()) return TMjRecordStats{};
          TMjRecordStats record = AnalyseRecordFile(prefix + name, name, winds, model);
          promise.setProgressValue(++done);  // a lower value from a slower thread is ignored
          return record;
        });
    if (promise.isCanceled()) return;
    run.Deals = DealsByStamp(run.Records);
    run.Totals = SumStats(run.Records);
    promise.addResult(std::move(run));
  });
}

QString StatsFaultText(const TMjRecordStats& record) {
  switch (record.Fault) {
    case TMjStatsFault::Unreadable:
      return record.FileError ? FileErrorText(*record.FileError) : QString::fromStdString(record.Message);
    case TMjStatsFault::Refused: return TStatsDlg::tr("牌譜ファイルではありません。");
    case TMjStatsFault::DoesNotAddUp:
      return TStatsDlg::tr("内容が合いません。") + QLatin1Char(' ') +
             ReviewErrorText(record.Error, record.ErrorStep, record.ErrorCode);
    case TMjStatsFault::StatsTable:
    case TMjStatsFault::None: break;
  }
  return {};
}

// --- the per-deal table ----------------------------------------------------

void TStatsModel::SetDeals(const std::vector<TMjDealStats>* deals) {
  beginResetModel();
  Deals = deals;
  endResetModel();
}

int TStatsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !Deals ? 0 : static_cast<int>(Deals->size());
}

int TStatsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 8; }

QVariant TStatsModel::data(const QModelIndex& index, int role) const {
  if (!Deals || !index.isValid()) return {};
  const TMjDealStats& d = (*Deals)[static_cast<std::size_t>(index.row())];
  if (role == Qt::TextAlignmentRole)
    return index.column() >= 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case 0: return QString::fromStdString(d.File);
    case 1: return QString::fromStdString(d.Stamp);
    case 2: return Percent(d.Efficiency);
    case 3: return QStringLiteral("%1/%2").arg(d.BestChoices).arg(d.Decisions);
    case 4: return DrawText(d.FirstReady);
    case 5: return d.FinalShanten > 0 ? QString::number(d.FinalShanten) : ShantenWords(d.FinalShanten);
    case 6: return DrawText(d.WinDraw);
    case 7: return d.WinDraw < 0 ? tr("—") : QString::number(d.WinPoints);
    default: return {};
  }
}

QVariant TStatsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  const QString names[] = {tr("ファイル"), tr("日時"),     tr("効率"),     tr("最善"),
                           tr("初聴牌"),   tr("最終向聴"), tr("ツモ和了"), tr("点数")};
  return section >= 0 && section < 8 ? names[section] : QString();
}

// --- the window ------------------------------------------------------------

void TStatsDlg::FitHeight(int room) {
  Tabs->setFixedHeight(TabsHeight);
  // Measured with the progress row, which shows while a folder is read.
  const bool reading = ProgressBar1->isVisibleTo(this);
  ProgressBar1->setVisible(true);
  const int over = sizeHint().height() - room;
  ProgressBar1->setVisible(reading);
  if (over > 0) Tabs->setFixedHeight(std::max(TabsMinHeight, TabsHeight - over));
  adjustSize();
}

TStatsDlg::TStatsDlg(QWidget* parent) : TTileDlg(parent) {
  setWindowTitle(CaptionText(tr("成績")));
  auto* body = new QWidget(this);
  layout()->addWidget(body);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
  column->setSpacing(PartGap);

  auto* top = new QHBoxLayout;
  LbFolder = new TElidedLabel(body);  // a long path never widens the window
  LbFolder->setMinimumWidth(ChartWidth);
  LbFolder->setTextFormat(Qt::PlainText);
  BnFolder = new QPushButton(tr("フォルダを選択(&F)..."), body);
  BnSave = new QPushButton(tr("CSV保存(&S)..."), body);
  LbSaved = new QLabel(body);
  LbSaved->setTextFormat(Qt::PlainText);
  top->addWidget(LbFolder, 1);
  top->addWidget(LbSaved);
  top->addWidget(BnFolder);
  top->addWidget(BnSave);

  auto* progress = new QHBoxLayout;
  ProgressBar1 = new QProgressBar(body);
  BnCancel = new QPushButton(tr("中止"), body);
  progress->addWidget(ProgressBar1, 1);
  progress->addWidget(BnCancel);

  LbTotals = new QLabel(body);
  LbTotals->setTextFormat(Qt::PlainText);
  LbTotals->setMinimumHeight(4 * fontMetrics().height());

  auto* charts = new QHBoxLayout;
  ChartReady = new TChartView(body);
  ChartEfficiency = new TChartView(body);
  for (TChartView* view : {ChartReady, ChartEfficiency}) {
    view->setFixedSize(ChartWidth, ChartHeight);
    charts->addWidget(view);
  }

  Tabs = new QTabWidget(body);
  DealTable = new QTableView(Tabs);
  DealTable->setModel(&Model);
  DealTable->verticalHeader()->hide();
  DealTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  DealTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + TableRowPadding);
  FailureList = new QListWidget(Tabs);
  ChartPoints = new TChartView(Tabs);
  ChartPoints->Unit.clear();
  Tabs->addTab(DealTable, tr("対局一覧"));
  Tabs->addTab(FailureList, tr("読めなかったファイル"));
  Tabs->addTab(ChartPoints, tr("和了の点数"));
  ChartWinKept = new TChartView(Tabs);
  ChartWinKept->setToolTip(
      tr("和了率の維持: 1 向聴以内の打牌ごとに、選んだ打牌の和了率（18 "
         "巡目までにツモ和了する確率）を最善の打牌の和了率で割り、対局ごとに平均したもの。"));
  Tabs->addTab(ChartWinKept, tr("和了率の維持"));
  Tabs->setFixedHeight(TabsHeight);

  column->addLayout(top);
  column->addLayout(progress);
  column->addWidget(LbTotals);
  column->addLayout(charts);
  column->addWidget(Tabs);

  ConnectHandler(BnFolder, &QPushButton::clicked, this, [this] { SetFolderClick(); });
  ConnectHandler(BnSave, &QPushButton::clicked, this, [this] { SaveCsvClick(); });
  ConnectHandler(BnCancel, &QPushButton::clicked, this, [this] { Cancel(); });
  // Another model judges every record again.
  ConnectHandler(&TModelChoice::Instance(), &TModelChoice::Changed, this, [this] {
    const QString folder = IsRunning ? RunFolder : ResultFolder;
    if (!folder.isEmpty() && isVisible()) Analyse(folder);
  });
  connect(&Watcher, &QFutureWatcher<TStatsRun>::progressRangeChanged, this, [this](int from, int to) {
    if (!IsRunning) return;  // a run already taken in by WaitForResult
    ProgressBar1->setRange(from, to);
    LbTotals->setText(tr("集計しています: %1 ファイル").arg(to));
  });
  connect(&Watcher, &QFutureWatcher<TStatsRun>::progressValueChanged, ProgressBar1, &QProgressBar::setValue);
  connect(&Watcher, &QFutureWatcher<TStatsRun>::finished, this, [this] { Finished(); });

  FolderDialog = [this] { return QFileDialog::getExistingDirectory(this, QString(), ResultFolder); };
  SaveDialog = [this](const QString& fileName) {
    return RunFileDialog(this, QFileDialog::AcceptSave, QStringLiteral("*.csv|*.csv|*.*|*.*"), QStringLiteral("csv"),
                         fileName);
  };
  Model.SetDeals(&Deals);
  ShowResult();
}

TStatsDlg::~TStatsDlg() {
  // The workers must not outlive the window whose results they fill.
  Run.cancel();
  Run.waitForFinished();
}

void TStatsDlg::hideEvent(QHideEvent* event) {
  Cancel();
  TTileDlg::hideEvent(event);
}

void TStatsDlg::Analyse(const QString& folder) {
  if (IsRunning) {
    Run.cancel();
    Run.waitForFinished();
  }
  RunFolder = folder;
  RunWinds = TScoreText::RememberedWinds();
  Cancelled = false;
  IsRunning = true;
  ProgressBar1->setRange(0, 0);  // busy until the files are counted
  ProgressBar1->setVisible(true);
  BnCancel->setVisible(true);
  BnFolder->setEnabled(false);
  BnSave->setEnabled(false);
  // The folder being read is named at once; the last result stays below it
  // until the new one is whole, and comes back with its folder on a cancel.
  LbFolder->setText(tr("フォルダ: %1（集計しています…）").arg(QDir::toNativeSeparators(folder)));
  LbTotals->setText(tr("ファイルを探しています..."));
  Run = AnalyseFolder(folder, &Pool, RunWinds, TModelChoice::Model());
  Watcher.setFuture(Run);
}

void TStatsDlg::Cancel() {
  if (!IsRunning) return;
  Cancelled = true;
  Run.cancel();
}

void TStatsDlg::WaitForResult() {
  Run.waitForFinished();
  Finished();
}

// Results reach the window only whole: a cancelled run leaves the last complete one.
void TStatsDlg::Finished() {
  if (!IsRunning || !Run.isFinished()) return;
  IsRunning = false;
  if (Cancelled || Run.isCanceled() || Run.resultCount() == 0) {
    ShowResult();
    LbTotals->setText(tr("集計を中止しました。") + QLatin1Char('\n') + LbTotals->text());
    return;
  }
  TStatsRun run = Run.takeResult();
  Run = {};  // a future whose result was taken never counts as finished again
  Model.SetDeals(nullptr);
  Records = std::move(run.Records);
  Deals = std::move(run.Deals);
  Totals = run.Totals;
  ResultFolder = RunFolder;
  Winds = RunWinds;
  LbSaved->clear();
  Model.SetDeals(&Deals);
  ShowResult();
}

QString TStatsDlg::TotalsText(const TMjStatsTotals& t) {
  if (t.Deals == 0) return tr("対局がありません。") + (t.Failures ? tr("（読めなかったファイル %1）").arg(t.Failures) : QString());
  QString text = tr("対局 %1　読めなかったファイル %2").arg(t.Deals).arg(t.Failures) + QLatin1Char('\n');
  // Deals saved before their first discard judge nothing: no figure rather than 100 %.
  const bool judged = t.Decisions > 0;
  text += tr("効率 %1　最善の打牌 %2/%3（%4）")
              .arg(judged ? Percent(t.Efficiency()) : tr("—"))
              .arg(t.BestChoices)
              .arg(t.Decisions)
              .arg(judged ? Percent(100.0 * t.BestChoices / t.Decisions) : tr("—")) +
          QLatin1Char('\n');
  text += tr("聴牌 %1局（%2）").arg(t.Ready).arg(Percent(100.0 * t.Ready / t.Deals));
  if (t.Ready) text += tr("　平均 %1巡目").arg(QString::number(static_cast<double>(t.ReadyDrawSum) / t.Ready, 'f', 1));
  text += tr("　ツモ和了 %1局").arg(t.Wins);
  if (t.Wins) text += tr("（計 %1点）").arg(t.WinPoints);
  if (t.WinJudged)
    text += QLatin1Char('\n') + tr("和了率の維持 %1（1 向聴以内の %2 打）").arg(Percent(t.WinKept())).arg(t.WinJudged);
  return text;
}

void TStatsDlg::ShowResult() {
  ProgressBar1->setVisible(false);
  BnCancel->setVisible(false);
  BnFolder->setEnabled(true);
  BnSave->setEnabled(!Deals.empty());
  LbFolder->setText(ResultFolder.isEmpty() ? tr("フォルダ: —") : tr("フォルダ: %1").arg(QDir::toNativeSeparators(ResultFolder)));
  LbTotals->setText(ResultFolder.isEmpty() ? QString() : TotalsText(Totals));
  FailureList->clear();
  for (const TMjRecordStats& r : Records)
    if (r.Failed()) FailureList->addItem(QString::fromStdString(r.Deal.File) + QStringLiteral(": ") + StatsFaultText(r));
  Tabs->setTabText(1, tr("読めなかったファイル (%1)").arg(Totals.Failures));
  DealTable->resizeColumnsToContents();
  UpdateCharts();
}

void TStatsDlg::UpdateCharts() {
  QVector<double> ready;
  for (int d = 1; d <= DealLimit; ++d) ready.append(Totals.ReadyShare(d));
  // Every third draw is labelled under its bar, as eighteen labels do not fit.
  ChartReady->SetData(TChartView::Bars, tr("巡目ごとの聴牌率"), tr("巡目"), ready, 3);
  QVector<double> efficiency;
  efficiency.reserve(static_cast<qsizetype>(Deals.size()));
  for (const TMjDealStats& deal : Deals) efficiency.append(deal.Efficiency);
  ChartEfficiency->SetData(TChartView::Line, tr("対局ごとの効率（日時順）"), tr("対局"), efficiency);

  QVector<double> points;
  for (const TMjDealStats& deal : Deals)
    if (deal.WinDraw >= 0) points.append(deal.WinPoints);
  // The value axis in quarters of a round thousand, at least up to a mangan's 8000.
  const double most = points.isEmpty() ? 0.0 : *std::max_element(points.begin(), points.end());
  ChartPoints->Top = 4000.0 * std::max(2.0, std::ceil(most / 4000.0));
  ChartPoints->SetData(TChartView::Bars, tr("和了ごとの点数（日時順、%1）").arg(TScoreText::Winds(Winds)), tr("和了"),
                       points, std::max(1, static_cast<int>(points.size()) / 6));

  QVector<double> kept;
  for (const TMjDealStats& deal : Deals)
    if (deal.HasWinKept()) kept.append(deal.WinKept());
  ChartWinKept->SetData(TChartView::Line, tr("対局ごとの和了率の維持（日時順）"), tr("対局"), kept);
}

void TStatsDlg::SetFolderClick() {
  const QString folder = FolderDialog();
  if (!folder.isEmpty()) Analyse(folder);
}

void TStatsDlg::SaveCsvClick() {
  if (Deals.empty()) return;
  const QString name = SaveDialog(SaveFileName);
  if (name.isEmpty()) return;
  SaveFileName = name;
  WriteFileAtomically(QFile::encodeName(name).toStdString(), StatsCsv(Deals));
  LbSaved->setText(tr("保存しました: %1").arg(QFileInfo(name).fileName()));
}
