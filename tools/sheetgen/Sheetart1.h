#pragma once

// The tile image sheet, painted from scratch: 10 x 5 cells of 24 x 32 pixels in
// twelve colours. Glyphs come from a Japanese font rendered without smoothing at
// their final size; rings, sticks, the bird and the arrow are pixel art below.

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

#include "Bmpfile1.h"

// Palette order of the written file.
enum TSheetColour : std::uint8_t {
  scBackground, scWhite, scBlack, scGreen, scSilver, scGold,
  scMaroon, scBlue, scPurple, scYellow, scRed, scGrey, SheetColourCount
};

constexpr int SheetCellWidth = 24;
constexpr int SheetCellHeight = 32;
constexpr int PaiCols = 10;
constexpr int PaiRows = 5;
constexpr int SheetWidth = PaiCols * SheetCellWidth;    // 240
constexpr int SheetHeight = PaiRows * SheetCellHeight;  // 160

const std::vector<TRgb>& SheetPalette();

// True-colour sheet; needs a QGuiApplication and the font family installed.
QImage PaintSheet(const QString& fontFamily);

// Nearest palette colour for every pixel, no dithering; inexact counts the pixels
// that were not already one of the palette colours.
TIndexedImage ReduceToPalette(const QImage& image, const std::vector<TRgb>& palette, int& inexact);

QImage ToQImage(const TIndexedImage& image, const std::vector<TRgb>& palette);

// Square application icon of the given side: the 中 tile on the table green.
QImage MakeIcon(const QImage& sheet, int side);
