#pragma once

// A win's value as the windows show it, in the player's language, and the winds
// the player plays under. The winds are a remembered choice of the practice
// window; records keep none, so the review and the statistics assume them too.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

#include "analysis/Mjscore1.h"

class TScoreText {
  Q_DECLARE_TR_FUNCTIONS(TScoreText)
public:
  // 東場 東家 unless the player chose otherwise.
  static TMjSituation RememberedWinds();
  static void RememberWinds(const TMjSituation& winds);

  static QString Wind(int wind);                    // 東 … 北
  static QString Winds(const TMjSituation& winds);  // "東場 南家"
  // A name the scorer gives (yaku, limit, fu item, wait), translated.
  static QString Word(const std::string& name);
  static QString Points(const TMjPoints& points);   // the limit's name, else "7900点"
  static QString Payment(const TMjPoints& points);  // "子 2000 / 親 3900", "3900オール"
  static QStringList YakuLines(const TMjReading& reading);  // "平和 1翻", "大三元 役満"
  static QString FuLine(const TMjReading& reading);  // "副底 20 + ツモ 2 = 22 → 30符"; empty for a yakuman
  static QString TotalLine(const TMjReading& reading);  // "30符 4翻  7900点（子 2000 / 親 3900）"
  // Every name the scorer gives, as the translation holds them.
  static std::vector<const char*> Catalogue();
};
