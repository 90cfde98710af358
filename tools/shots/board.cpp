// The position board for the README, taken under Xvfb (1024 x 768 or more):
//   shots_board docs/board.png
// A 14-tile position with its draws left and tiles seen, the chances computed.

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "ui/Boarddlg1.h"
#include "ui/Tapplication1.h"

namespace {

void Settle(int ms = 300) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: shots_board <file.png>\n");
    return 2;
  }
  QWidget desktop(nullptr, Qt::FramelessWindowHint);
  QPalette plain = desktop.palette();
  plain.setColor(QPalette::Window, QColor(0x6b, 0x7b, 0x8c));
  desktop.setPalette(plain);
  desktop.setAutoFillBackground(true);
  desktop.setGeometry(QGuiApplication::primaryScreen()->geometry());
  desktop.show();

  TBoardDlg board;
  board.SetText(QStringLiteral("234578m1689p35s1z7s draws=12 seen=9m4p1z"));
  board.show();
  board.move(16, 16);
  for (int wait = 0; wait < 1200 && board.Chances() == nullptr && !board.ChancesTooFar(); ++wait) Settle(50);
  Settle();
  const QRect area = board.frameGeometry().adjusted(-8, -8, 8, 8);
  const bool saved = QGuiApplication::primaryScreen()
                         ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                         .save(QString::fromLocal8Bit(argv[1]));
  return saved ? 0 : 1;
}
