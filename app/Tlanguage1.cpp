#include "app/Tlanguage1.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString ChooseLanguage(const QString& requested, const QStringList& uiLanguages) {
  if (!requested.isEmpty()) return requested;
  const bool english = !uiLanguages.isEmpty() && uiLanguages.constFirst().section(QLatin1Char('-'), 0, 0) ==
                                                     QStringLiteral("en");
  return english ? QStringLiteral("en") : QStringLiteral("ja");
}

void InstallLanguage(const QString& language) {
  // The translators live as long as the program; a second call empties them first.
  static QTranslator* own = nullptr;
  static QTranslator* qt = nullptr;
  for (QTranslator** t : {&own, &qt}) {
    if (*t == nullptr) continue;
    QCoreApplication::removeTranslator(*t);
    delete *t;
    *t = nullptr;
  }
  qt = new QTranslator;
  // Debian's qt6-translations-l10n; without it Qt's dialogs stay English.
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  if (language == QStringLiteral("ja")) return;  // the source texts are Japanese
  own = new QTranslator;
  if (own->load(QStringLiteral(":/i18n/tilelab_") + language + QStringLiteral(".qm")))
    QCoreApplication::installTranslator(own);
}
