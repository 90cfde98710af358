// Plays a practice deal through the real windows, as a player would with the
// mouse and F2, and saves what the screen shows at three moments:
//   practice-opening.png   the window after the opening
//   practice-waits.png     mid-deal, the waits window open under the practice
//                          window, the drawn tile completing the hand
//   practice-pairi.png     mid-deal, the analysis window open beside it
//   pairi-prob.png         the analysis window alone, its ready and win chances computed
//   practice-finished.png  the deal over after 18 discards
//   practice-score.png     the same with the analysis window and the deal's score
//   score.png              the winning draw with the analysis window: its yaku, fu and points
//   shots_practice <folder> [menu.png]
// The analysis window stands right of the practice window: take the pictures
// on a screen of 1280 x 960 or more.
// The deal is the first seed whose plain play wins with a drawn tile mid-deal.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "analysis/Mjagari1.h"
#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "game/Mjgame1.h"
#include "ui/Maindlg1.h"
#include "ui/Pairidlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"

namespace {

std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

// How well a tile of the hand fits the others: pairs and near neighbours count.
int Fit(const TPaiRow& hand, int k) {
  const int code = hand[Slot(k)]->GetCode();
  int fit = 0;
  for (int i = 0; i < HandSlots; ++i) {
    const TMjPai* other = hand[Slot(i)];
    if (i == k || other == nullptr) continue;
    const int d = other->GetCode() - code;
    if (d == 0)
      fit += 4;
    else if (code < 30 && (d == 1 || d == -1))
      fit += 3;
    else if (code < 30 && (d == 2 || d == -2))
      fit += 1;
  }
  return fit;
}

// The 13 tiles left after throwing k away, sorted as the flow sorts them.
int WaitsWithout(const TPaiRow& hand, int k) {
  TPaiRow rest{};
  int n = 0;
  for (int i = 0; i < HandSlots; ++i)
    if (i != k) rest[Slot(n++)] = hand[Slot(i)];
  TMjTable::SortRow(rest);
  TMjAgari agari(rest);
  agari.SearchMachi(nullptr);
  return static_cast<int>(agari.Machi.size());
}

// Keeps a waiting hand when it can, otherwise throws the worst fitting tile.
int Choose(const TPaiRow& hand) {
  int best = 13;
  int bestScore = -1;
  for (int k = 13; k >= 0; --k) {
    const int score = WaitsWithout(hand, k) * 100 + (40 - Fit(hand, k));
    if (score > bestScore) {
      best = k;
      bestScore = score;
    }
  }
  return best;
}

bool DrawnTileWins(const TPaiRow& hand) {
  TMjAgari agari(hand);
  return hand[13] != nullptr && agari.SearchMachi(hand[13]);
}

// The discard at which the drawn tile first completes the hand under this seed, or -1.
int WinningTurn(std::uint32_t seed) {
  Random.Seed(seed);
  TMjTable table;
  table.Shuffle();
  table.Haipai();
  table.SortTe();
  table.Tumo();
  for (int turn = 0; turn < DealLimit; ++turn) {
    if (DrawnTileWins(table.Tepai)) return turn;
    table.Sute(Choose(table.Tepai));
    table.SortTe();
    if (table.TumoCount < DealLimit) table.Tumo();
  }
  return -1;
}

void Settle(int ms = 150) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// A left click on hand cell k, through the hand row's picture.
void ClickHand(TMainDlg& dlg, int k) {
  TImage* image = dlg.FrMjTepai1->Image1;
  const QPointF at(k * TFrMjPai::PaiWidth + TFrMjPai::PaiWidth / 2, TFrMjPai::PaiHeight / 2);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, image->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &event);
  }
}

bool SaveScreen(const QRect& area, const QString& file) {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

}  // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: shots_practice <folder> [menu.png]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));

  std::uint32_t seed = 1;
  int turn = -1;
  for (; seed < 100000; ++seed) {
    turn = WinningTurn(seed);
    if (turn >= 6 && turn <= 12) break;
  }
  std::printf("seed %u wins at discard %d\n", seed, turn);

  // A plain desktop behind the windows, as the player's screen would have.
  QWidget desktop(nullptr, Qt::FramelessWindowHint);
  QPalette plain = desktop.palette();
  plain.setColor(QPalette::Window, QColor(0x6b, 0x7b, 0x8c));
  desktop.setPalette(plain);
  desktop.setAutoFillBackground(true);
  desktop.setGeometry(QGuiApplication::primaryScreen()->geometry());
  desktop.show();

  AgariDlg = new TAgariDlg();
  MainDlg = new TMainDlg();
  TMainDlg& dlg = *MainDlg;
  // The pauses only pace the player's view; the pictures need none.
  dlg.PauseHook = [](int) { return -1; };

  Random.Seed(seed);
  dlg.setWindowTitle(QStringLiteral("牌理工房  一人麻雀"));
  dlg.SetTinitu(false);
  dlg.Prepare();
  dlg.show();
  Settle();
  bool saved = SaveScreen(dlg.frameGeometry(), out.filePath(QStringLiteral("practice-opening.png")));

  const int pairiTurn = std::max(2, turn - 3);
  for (int n = 0; n < pairiTurn; ++n) {
    ClickHand(dlg, Choose(dlg.MjTable().Tepai));
    QApplication::processEvents();
  }
  dlg.MnPairi->trigger();
  Settle();
  // The chances are computed beside the game: wait for them (a minute at most).
  for (int wait = 0; wait < 1200 && PairiDlg->Chances() == nullptr && !PairiDlg->ChancesTooFar(); ++wait) Settle(50);
  Settle();
  saved = SaveScreen(dlg.frameGeometry().united(PairiDlg->frameGeometry()).adjusted(-8, -8, 8, 8),
                     out.filePath(QStringLiteral("practice-pairi.png"))) &&
          saved;
  saved = SaveScreen(PairiDlg->frameGeometry().adjusted(-8, -8, 8, 8), out.filePath(QStringLiteral("pairi-prob.png"))) &&
          saved;
  dlg.MnPairi->trigger();

  for (int n = pairiTurn; n < turn; ++n) {
    ClickHand(dlg, Choose(dlg.MjTable().Tepai));
    QApplication::processEvents();
  }
  dlg.MnHope->trigger();
  Settle();
  const QRect both = dlg.frameGeometry().united(AgariDlg->frameGeometry()).adjusted(-8, -8, 8, 8);
  saved = SaveScreen(both, out.filePath(QStringLiteral("practice-waits.png"))) && saved;

  if (argc == 3) {
    dlg.T1->popup(dlg.mapToGlobal(dlg.MainMenu1->actionGeometry(dlg.T1->menuAction()).bottomLeft()));
    Settle();
    saved = SaveScreen(dlg.frameGeometry().united(dlg.T1->frameGeometry()), QString::fromLocal8Bit(argv[2])) && saved;
    dlg.T1->hide();
  }

  dlg.MnHope->trigger();
  // The drawn tile still completes the hand: the analysis window gives its value.
  dlg.MnPairi->trigger();
  Settle();
  saved = SaveScreen(dlg.frameGeometry().united(PairiDlg->frameGeometry()).adjusted(-8, -8, 8, 8),
                     out.filePath(QStringLiteral("score.png"))) &&
          saved;
  dlg.MnPairi->trigger();
  while (dlg.MjTable().SuteCount < DealLimit) {
    ClickHand(dlg, Choose(dlg.MjTable().Tepai));
    QApplication::processEvents();
  }
  Settle();
  saved = SaveScreen(dlg.frameGeometry(), out.filePath(QStringLiteral("practice-finished.png"))) && saved;
  dlg.MnPairi->trigger();
  Settle();
  saved = SaveScreen(dlg.frameGeometry().united(PairiDlg->frameGeometry()).adjusted(-8, -8, 8, 8),
                     out.filePath(QStringLiteral("practice-score.png"))) &&
          saved;
  dlg.MnPairi->trigger();
  return saved ? 0 : 1;
}
