// Plays one practice deal with a plain strategy, saves its record, opens it in
// the viewer and saves pictures of the window in both layouts.
//   shots_viewer record.png discards.png [file-menu.png]

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "records/Mjrecord1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

namespace {

constexpr int DealLimit = 18;

// How well a tile of the hand fits the others: pairs and near neighbours count.
int Fit(const TMjTable& table, int k) {
  const int code = table.Tepai[static_cast<std::size_t>(k)]->GetCode();
  int fit = 0;
  for (int i = 0; i < HandSlots; ++i) {
    const TMjPai* other = table.Tepai[static_cast<std::size_t>(i)];
    if (i == k || !other) continue;
    const int d = other->GetCode() - code;
    if (d == 0) fit += 4;
    else if (code < 30 && (d == 1 || d == -1)) fit += 3;
    else if (code < 30 && (d == 2 || d == -2)) fit += 1;
  }
  return fit;
}

// The worst fitting tile, the drawn one when it fits no better than the rest.
int Choose(const TMjTable& table) {
  int best = 13;
  for (int k = 12; k >= 0; --k)
    if (Fit(table, k) < Fit(table, best)) best = k;
  return best;
}

void PlayDeal(TMjTable& table) {
  table.Shuffle();
  table.Haipai();
  table.SortTe();
  table.Tumo();
  for (int turn = 0; turn < DealLimit; ++turn) {
    table.Sute(Choose(table));
    table.SortTe();
    if (turn < DealLimit - 1) table.Tumo();
  }
}

}  // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: shots_viewer record.png discards.png [file-menu.png]\n");
    return 2;
  }
  QTemporaryDir dir;
  Random.Seed(20240506);
  TMjTable table;
  PlayDeal(table);
  const QString record = dir.filePath(QStringLiteral("20240506-一局.csv"));
  SaveRecordFile(QFile::encodeName(record).toStdString(), table,
                 [] { return TRecordTime{2024, 5, 6, 21, 9, 7}; });

  TViewDlg view;
  view.setWindowTitle(QStringLiteral("牌理工房  牌譜"));
  view.SetupRecordView();
  view.Prepare();
  view.show();
  view.LoadRecordFile(record);
  view.DrawSheet();
  QApplication::processEvents();
  bool saved = view.grab().save(QString::fromLocal8Bit(argv[1]));

  view.close();
  view.setWindowTitle(QStringLiteral("牌理工房  捨牌読み"));
  view.SetupDiscardReading();
  view.Prepare();
  view.show();
  view.FolderDialog = [&dir] { return dir.path(); };
  view.MnSetFolderClick();
  view.MnRandOpenClick();
  QApplication::processEvents();
  saved = view.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
  if (argc == 4) {
    view.File1->popup(view.mapToGlobal(view.MainMenu1->actionGeometry(view.File1->menuAction()).bottomLeft()));
    QApplication::processEvents();
    saved = view.File1->grab().save(QString::fromLocal8Bit(argv[3])) && saved;
  }
  return saved ? 0 : 1;
}
