#include "app/Tcmdline1.h"

#include <QCoreApplication>

namespace {

const char* const LanguageError = QT_TRANSLATE_NOOP("TCommandLine", "--lang には en か ja を指定してください");

QString Translate(const char* text) { return QCoreApplication::translate("TCommandLine", text); }

bool IsLanguage(const QString& value) { return value == QStringLiteral("en") || value == QStringLiteral("ja"); }

}  // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
  TCommandLine line;
  auto fail = [&line](const QString& error) {
    line.Action = TCommandLine::TAction::Fail;
    line.Error = error;
    return line;
  };
  bool optionsEnd = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (optionsEnd || !arg.startsWith(QLatin1Char('-')) || arg == QStringLiteral("-")) {
      if (!line.RecordFile.isEmpty() || !line.PositionFile.isEmpty())
        return fail(QCoreApplication::translate("TCommandLine", "開ける牌譜ファイルは一つだけです: %1").arg(arg));
      (arg.endsWith(QLatin1String(PositionSuffix)) ? line.PositionFile : line.RecordFile) = arg;
    } else if (arg == QStringLiteral("--")) {
      optionsEnd = true;
    } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
      line.Action = TCommandLine::TAction::Help;
    } else if (arg == QStringLiteral("-v") || arg == QStringLiteral("--version")) {
      if (line.Action != TCommandLine::TAction::Help) line.Action = TCommandLine::TAction::Version;
    } else if (arg == QStringLiteral("--lang") || arg.startsWith(QStringLiteral("--lang="))) {
      const bool joined = arg.contains(QLatin1Char('='));
      if (!joined && i + 1 == arguments.size()) return fail(Translate(LanguageError));
      const QString value = joined ? arg.section(QLatin1Char('='), 1) : arguments[++i];
      if (!IsLanguage(value)) return fail(Translate(LanguageError));
      line.Language = value;
    } else if (arg == QStringLiteral("--position") || arg.startsWith(QStringLiteral("--position="))) {
      const bool joined = arg.contains(QLatin1Char('='));
      if (!joined && i + 1 == arguments.size())
        return fail(QCoreApplication::translate("TCommandLine", "--position の後に牌姿がありません"));
      line.Position = joined ? arg.section(QLatin1Char('='), 1) : arguments[++i];
    } else {
      return fail(QCoreApplication::translate("TCommandLine", "不明なオプション: %1").arg(arg));
    }
  }
  return line;
}

QString UsageText() {
  return QCoreApplication::translate("TCommandLine",
                                     "使い方: tilelab [--lang en|ja] [牌譜ファイル.csv | 牌姿.tilelab-position]\n"
                                     "               [--position 牌姿]\n"
                                     "一人麻雀の練習。牌譜ファイルを指定すると牌譜ビューアで開きます。\n"
                                     "\n"
                                     "  --lang en|ja   表示言語 (英語/日本語)。既定はロケールに従います\n"
                                     "  --position 牌姿  何切るの盤で開く（例 '123m456p789s1122z3z draws=9'）\n"
                                     "                 .tilelab-position ファイル（同じ形の一行）も開けます\n"
                                     "  -h, --help     この説明を表示して終了\n"
                                     "  -v, --version  バージョンを表示して終了\n");
}

QString VersionText() { return QStringLiteral("tilelab " TILELAB_VERSION "\n"); }
