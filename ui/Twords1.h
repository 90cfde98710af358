#pragma once

// The game's numbers in words, the same in every window and translated once.

#include <QString>

QString ShantenWords(int shanten);  // "和了" below 0, "聴牌" at 0, else "2向聴"
QString DrawName(int draw);         // "配牌" for 0, else "3巡目"
