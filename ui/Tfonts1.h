#pragma once

// The Japanese Gothic fonts the windows name, with fallbacks to installed ones
// so every Japanese text renders.

#include <QFont>

// "ＭＳ Ｐゴシック" (proportional) at the given pixel height.
QFont PGothicFont(int pixelSize);
// "ＭＳ ゴシック" (fixed pitch) at the given pixel height.
QFont GothicFont(int pixelSize);
