#pragma once

// The command line: tilelab [--lang en|ja] [record.csv | FILE.tilelab-position]
// [--position TEXT], --help, --version.

#include <QString>
#include <QStringList>

struct TCommandLine {
  enum class TAction { Run, Help, Version, Fail };
  TAction Action = TAction::Run;
  QString Language;    // "en", "ja", or empty when the locale decides
  QString RecordFile;  // opened in the viewer over the menu
  QString Position;    // a position's one-line text, opened in the board
  QString PositionFile;  // a .tilelab-position file holding one, opened likewise
  QString Error;       // for Fail: what is wrong, in the player's language
};

inline constexpr const char* PositionSuffix = ".tilelab-position";

// Reads the arguments after the program's name (Qt's own already taken out).
TCommandLine ParseCommandLine(const QStringList& arguments);

// The --help and --version texts, each ending in a newline.
QString UsageText();
QString VersionText();
