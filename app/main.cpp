// Start-up: the four windows, each once, in the order menu, practice, viewer,
// waits; then the message loop until the menu closes.

#include <QLoggingCategory>

#include "analysis/Tdebug1.h"
#include "app/Menudlg1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

// The analyser's trace; off unless a developer sets
// QT_LOGGING_RULES="tilelab.trace.debug=true".
Q_LOGGING_CATEGORY(lcTrace, "tilelab.trace", QtInfoMsg)

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  if (lcTrace().isDebugEnabled())
    Debug.SetSink([](std::string_view line) {
      qCDebug(lcTrace).noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    });
  try {
    MenuDlg = new TMenuDlg();
    // Shown at once: the window system puts the menu on the screen while the
    // hidden windows are made.
    MenuDlg->show();
    MainDlg = new TMainDlg();
    ViewDlg = new TViewDlg();
    AgariDlg = new TAgariDlg();
    return app.exec();
  } catch (...) {
    // Shown to the player, and a failure to whoever started the program.
    ShowException(std::current_exception());
    return 1;
  }
}
