#pragma once

// The interface language. The program's texts are written in Japanese, the
// default; an English translation is built in and chosen by an English locale
// or by "--lang en". Record files never change with the language.

#include <QString>
#include <QStringList>

// "en" or "ja": the requested language when there is one, else English when the
// user's first language (QLocale::uiLanguages order) is English, else Japanese.
QString ChooseLanguage(const QString& requested, const QStringList& uiLanguages);

// Loads the program's translation and Qt's own (dialog buttons, the file
// chooser) for "en" or "ja". Needs the application object; call it before the
// windows are made. Installing again replaces the earlier choice.
void InstallLanguage(const QString& language);
