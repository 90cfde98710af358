#pragma once

// The sheet's file format: an 8-bit Windows bitmap with a 256-entry palette,
// rows bottom-up, no compression, 3780 pixels per metre, pixel data at 1078.
// Qt's own writer picks the depth and header fields itself, so the bytes are
// laid out here.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

// One byte per pixel, row-major from the top, each byte an index into the palette.
struct TIndexedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
  std::uint8_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

constexpr int BmpFileHeaderSize = 14;
constexpr int BmpInfoHeaderSize = 40;
constexpr int BmpPaletteEntries = 256;
constexpr int BmpPixelOffset = BmpFileHeaderSize + BmpInfoHeaderSize + 4 * BmpPaletteEntries;  // 1078
constexpr std::int32_t BmpPixelsPerMetre = 3780;

// The whole file; palette entries past the given colours are black.
std::vector<std::uint8_t> EncodeBmp8(const TIndexedImage& image, const std::vector<TRgb>& palette);
