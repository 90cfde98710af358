#pragma once

// The choices the program remembers between runs, in ~/.config/TileLab/TileLab.conf.

#include <QSettings>

class TSettings : public QSettings {
public:
  TSettings() : QSettings(QStringLiteral("TileLab"), QStringLiteral("TileLab")) {}
};
