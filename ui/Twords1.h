#pragma once

// The game's numbers in words, the same in every window and translated once.

#include <QString>

#include "analysis/Mjshanten1.h"

QString ShantenWords(int shanten);  // "和了" below 0, "聴牌" at 0, else "2向聴"
QString DrawName(int draw);         // "配牌" for 0, else "3巡目"
// A kind in the hand notation ("5m", "1z"); in English an honour by its name ("East").
QString KindWords(int kind);
// Kinds in the hand notation ("14m12z"); in English the honours by name ("14m East South").
QString KindsWords(TKindMask kinds);
// Two sentences one after the other: back to back in Japanese, a blank between in English.
QString Sentences(const QString& first, const QString& second);
