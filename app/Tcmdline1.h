#pragma once

// The command line: tilelab [--lang en|ja] [record.csv], --help, --version.

#include <QString>
#include <QStringList>

struct TCommandLine {
  enum class TAction { Run, Help, Version, Fail };
  TAction Action = TAction::Run;
  QString Language;    // "en", "ja", or empty when the locale decides
  QString RecordFile;  // opened in the viewer over the menu
  QString Error;       // for Fail: what is wrong, in the player's language
};

// Reads the arguments after the program's name (Qt's own already taken out).
TCommandLine ParseCommandLine(const QStringList& arguments);

// The --help and --version texts, each ending in a newline.
QString UsageText();
QString VersionText();
