#include "Bmpfile1.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp8(const TIndexedImage& image, const std::vector<TRgb>& palette) {
  // Rows are padded to whole 32-bit words.
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.Width) + 3u) & ~3u;
  const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.Height);
  const std::uint32_t fileSize = static_cast<std::uint32_t>(BmpPixelOffset) + dataSize;

  std::vector<std::uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, fileSize);
  Put32(out, 0);  // two reserved words
  Put32(out, static_cast<std::uint32_t>(BmpPixelOffset));

  Put32(out, static_cast<std::uint32_t>(BmpInfoHeaderSize));
  Put32(out, static_cast<std::uint32_t>(image.Width));
  Put32(out, static_cast<std::uint32_t>(image.Height));  // positive height: bottom-up
  Put16(out, 1);                                         // planes
  Put16(out, 8);                                         // bits per pixel
  Put32(out, 0);                                         // BI_RGB, no compression
  Put32(out, dataSize);
  Put32(out, static_cast<std::uint32_t>(BmpPixelsPerMetre));
  Put32(out, static_cast<std::uint32_t>(BmpPixelsPerMetre));
  Put32(out, static_cast<std::uint32_t>(BmpPaletteEntries));
  Put32(out, 0);  // every colour is important

  for (int i = 0; i < BmpPaletteEntries; ++i) {
    const TRgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : TRgb{};
    out.push_back(c.B);
    out.push_back(c.G);
    out.push_back(c.R);
    out.push_back(0);
  }

  for (int y = image.Height - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width; ++x) out.push_back(image.At(x, y));
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.Width); pad < stride; ++pad) out.push_back(0);
  }
  return out;
}
