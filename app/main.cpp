// Start-up: the four windows, each once, in the order menu, practice, viewer,
// waits; then the message loop until the menu closes.

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "analysis/Tdebug1.h"
#include "app/Menudlg1.h"
#include "app/Tcmdline1.h"
#include "ui/Boarddlg1.h"
#include "ui/Tposition1.h"
#include "app/Tlanguage1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

// The analyser's trace; off unless a developer sets
// QT_LOGGING_RULES="tilelab.trace.debug=true".
Q_LOGGING_CATEGORY(lcTrace, "tilelab.trace", QtInfoMsg)

namespace {

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void InstallLanguageFor(const TCommandLine& line) {
  InstallLanguage(ChooseLanguage(line.Language, QLocale::system().uiLanguages()));
}

bool Answers(const TCommandLine& line) {
  return line.Action == TCommandLine::TAction::Help || line.Action == TCommandLine::TAction::Version;
}

// The --help or --version text, in the language already installed.
int Print(const TCommandLine& line) {
  const QString text = line.Action == TCommandLine::TAction::Help ? UsageText() : VersionText();
  std::fputs(text.toLocal8Bit().constData(), stdout);
  return 0;
}

// The board over the menu, on a position given on the command line or in a file.
void OpenPosition(const QString& file, QString text) {
  if (!file.isEmpty()) {
    QFile in(file);
    // One line is a position: a few hundred bytes at most are read.
    if (!in.open(QIODevice::ReadOnly)) {
      ShowWarning(QCoreApplication::translate("TCommandLine", "牌姿のファイルを開けません: %1").arg(file));
      return;
    }
    text = QString::fromUtf8(in.readLine(4096));
  }
  static TBoardDlg* board = nullptr;
  const QString source = file.isEmpty() ? QCoreApplication::translate("TCommandLine", "--position の牌姿")
                                        : QCoreApplication::translate("TCommandLine", "%1 の牌姿").arg(file);
  OwnBoard(MenuDlg, board)->SetText(text, source);
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer without a window system, unless a Qt option
  // stands beside them: then they answer once Qt has taken its options out.
  if (const TCommandLine early = ParseCommandLine(Arguments(argc, argv)); Answers(early)) {
    QCoreApplication core(argc, argv);
    InstallLanguageFor(early);
    return Print(early);
  }

  TApplication app(argc, argv);
  MoveOldSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  // Read again now that Qt has taken out its own options (-platform, -style, ...),
  // and once more after the language is chosen, for messages in that language.
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  InstallLanguageFor(ParseCommandLine(arguments));
  const TCommandLine line = ParseCommandLine(arguments);
  if (line.Action == TCommandLine::TAction::Fail) {
    std::fputs(QStringLiteral("tilelab: %1\n%2").arg(line.Error, UsageText()).toLocal8Bit().constData(), stderr);
    return 2;
  }
  if (Answers(line)) return Print(line);
  if (lcTrace().isDebugEnabled())
    Debug.SetSink([](std::string_view text) {
      qCDebug(lcTrace).noquote() << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    });
  try {
    MenuDlg = new TMenuDlg({}, nullptr, TMenuDlg::TContents::AfterMap);
    // Shown at once: the window system puts the menu on the screen while its
    // texts and the hidden windows are made.
    MenuDlg->show();
    MainDlg = new TMainDlg();
    ViewDlg = new TViewDlg();
    AgariDlg = new TAgariDlg();
    if (!line.Position.isEmpty() || !line.PositionFile.isEmpty()) {
      const QString file =
          line.PositionFile.isEmpty() ? QString() : QDir::current().absoluteFilePath(line.PositionFile);
      const QString text = line.Position;
      QTimer::singleShot(0, MenuDlg, [file, text] { OpenPosition(file, text); });
    }
    if (!line.RecordFile.isEmpty()) {
      const QString record = QDir::current().absoluteFilePath(line.RecordFile);
      QTimer::singleShot(0, MenuDlg, [record] { MenuDlg->OpenRecordFile(record); });
    }
    return app.exec();
  } catch (...) {
    // Shown to the player, and a failure to whoever started the program.
    ShowException(std::current_exception());
    return 1;
  }
}
