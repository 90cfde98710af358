// The program's start-up stage by stage, as app/main.cpp runs it: prints when
// each stage ends (ms since the first static initialiser of this program) and
// exits at the menu's first expose. With --at-map it exits as soon as the menu
// is mapped (show() returns after the window system has it), so that
// `valgrind --tool=callgrind startup_probe --at-map` counts exactly the work a
// user waits for before the window appears.

#include <QElapsedTimer>
#include <QEvent>
#include <QLocale>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Menudlg1.h"
#include "app/Tlanguage1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

namespace {

double SinceStart() {
  static const QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
const double Zero = SinceStart();

void Stage(const char* name) { std::printf("%-12s %7.2f ms\n", name, SinceStart()); }

struct TExposeProbe : QObject {
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Expose) return false;
    Stage("expose");
    std::fflush(stdout);
    std::_Exit(0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool atMap = argc > 1 && std::strcmp(argv[argc - 1], "--at-map") == 0;
  (void)Zero;
  TApplication app(argc, argv);
  Stage("application");
  InstallLanguage(ChooseLanguage(QString(), QLocale::system().uiLanguages()));
  Stage("language");
  MenuDlg = new TMenuDlg({}, nullptr, TMenuDlg::TContents::AfterMap);
  Stage("menu made");
  MenuDlg->show();
  Stage("menu mapped");
  if (atMap) {
    std::fflush(stdout);
    std::_Exit(0);
  }
  TExposeProbe probe;
  MenuDlg->windowHandle()->installEventFilter(&probe);
  MainDlg = new TMainDlg();
  ViewDlg = new TViewDlg();
  AgariDlg = new TAgariDlg();
  Stage("windows made");
  return app.exec();
}
