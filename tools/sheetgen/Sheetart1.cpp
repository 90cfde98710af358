#include "Sheetart1.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>

namespace {

// Pixel art rows: '#' is the ink colour handed in, K black, M maroon, G green;
// anything else leaves the pixel alone.
using TArt = std::vector<std::string_view>;

struct TMask {
  int Width = 0;
  int Height = 0;
  std::vector<bool> Ink;
  bool At(int x, int y) const { return Ink[static_cast<std::size_t>(y * Width + x)]; }
};

// ---- Rings of the circles suit. Even sizes so that they centre on the 22-pixel face.

const TArt Ring6 = {
    ".####.",
    "##..##",
    "#.##.#",
    "#.##.#",
    "##..##",
    ".####.",
};

const TArt Ring8 = {
    "..####..",
    ".#....#.",
    "#..##..#",
    "#.#..#.#",
    "#.#..#.#",
    "#..##..#",
    ".#....#.",
    "..####..",
};

const TArt Ring12 = {
    "....####....",
    "..##....##..",
    ".#........#.",
    ".#..####..#.",
    "#..#....#..#",
    "#..#.##.#..#",
    "#..#.##.#..#",
    "#..#....#..#",
    ".#..####..#.",
    ".#........#.",
    "..##....##..",
    "....####....",
};

// The one of bamboo: a bird facing left, tail raised.
const TArt Bird = {
    "....M.M.............",
    ".....MM.............",
    "....GGGG............",
    "...GGKGGG...........",
    ".MMGGGGGG...........",
    "...MGGGGG.........M.",
    ".....GGGG........GM.",
    ".....GGGG.......GGG.",
    "....GGGGGG.....GGG.M",
    "...GGGGGGGG...GGG.GM",
    "...GGGGGGGGG.GGG.GG.",
    "..GGGMMMMGGGGGGGGG..",
    "..GGMGGGGMGGGGGGG...",
    "..GGGMGGGGMGGGGG....",
    "..GGGGMMMMMGGGG.....",
    "...GGGGGGGGGGG......",
    "....GGGGGGGGG.......",
    ".....GGGGGG.........",
    "......M..M..........",
    "......M..M..........",
    "......M..M..........",
    ".....MMM.MMM........",
};

}  // namespace

const std::vector<TRgb>& SheetPalette() {
  static const std::vector<TRgb> palette = {
      {0, 128, 128},    // background
      {255, 255, 255},  // white
      {0, 0, 0},        // black
      {0, 128, 0},      // green
      {192, 192, 192},  // silver
      {204, 153, 0},    // gold
      {128, 0, 0},      // maroon
      {0, 0, 255},      // blue
      {128, 0, 128},    // purple
      {255, 255, 0},    // yellow
      {255, 0, 0},      // red
      {128, 128, 128},  // grey
  };
  return palette;
}

namespace {

QRgb ToQRgb(TSheetColour colour) {
  const TRgb& c = SheetPalette()[colour];
  return qRgb(c.R, c.G, c.B);
}

class TSheetPainter {
public:
  TSheetPainter(QImage& image, const QString& family) : Image(image), Family(family) {}

  void PaintAll() {
    Image.fill(ToQRgb(scBackground));
    const TSheetColour swatches[] = {scWhite, scBlack, scGreen, scSilver};
    for (int i = 0; i < 4; ++i) {
      Cell(1 + i);
      Fill(0, 0, SheetCellWidth, SheetCellHeight, swatches[i]);
    }
    const TSheetColour backs[] = {scGold, scMaroon, scBlue, scPurple};
    for (int i = 0; i < 4; ++i) {
      Cell(5 + i);
      TileFrame(backs[i]);
    }
    Cell(9);
    Arrow();
    for (int suit = 0; suit < 3; ++suit) {
      for (int number = 0; number <= 9; ++number) {
        // Column 0 of each suit row holds that suit's red five.
        Cell((suit + 1) * PaiCols + number);
        TileFrame(scWhite);
        RedFive = number == 0;
        const int value = number == 0 ? 5 : number;
        if (suit == 0) Characters(value);
        if (suit == 1) Circles(value);
        if (suit == 2) Bamboo(value);
        RedFive = false;
      }
    }
    Cell(40);
    DoraLabel();
    const char* honours[] = {"東", "南", "西", "北"};
    for (int i = 0; i < 4; ++i) {
      Cell(41 + i);
      TileFrame(scWhite);
      Honour(QString::fromUtf8(honours[i]), scBlack);
    }
    Cell(45);
    TileFrame(scWhite);
    Cell(46);
    TileFrame(scWhite);
    Honour(QString::fromUtf8("發"), scGreen);
    Cell(47);
    TileFrame(scWhite);
    Honour(QString::fromUtf8("中"), scMaroon);
    for (int cell : {48, 49}) {
      Cell(cell);
      Fill(0, 0, SheetCellWidth, SheetCellHeight, scGrey);
    }
  }

private:
  QImage& Image;
  QString Family;
  int OriginX = 0;
  int OriginY = 0;
  bool RedFive = false;

  void Cell(int index) {
    OriginX = index % PaiCols * SheetCellWidth;
    OriginY = index / PaiCols * SheetCellHeight;
  }

  // Cell-relative; inside a red five every ink colour turns red.
  void Put(int x, int y, TSheetColour colour) {
    if (x < 0 || y < 0 || x >= SheetCellWidth || y >= SheetCellHeight) return;
    if (RedFive && colour != scWhite && colour != scBackground) colour = scRed;
    Image.setPixel(OriginX + x, OriginY + y, ToQRgb(colour));
  }

  void Fill(int x, int y, int width, int height, TSheetColour colour) {
    QPainter painter(&Image);
    painter.fillRect(OriginX + x, OriginY + y, width, height, QColor(ToQRgb(colour)));
  }

  // A 1-pixel black outline on the cell's edge; at each corner three pixels keep
  // the background and the one diagonally inside is black, which softens the corner.
  void TileFrame(TSheetColour face) {
    const int w = SheetCellWidth;
    const int h = SheetCellHeight;
    Fill(0, 0, w, h, scBlack);
    Fill(1, 1, w - 2, h - 2, face);
    for (int cx : {0, w - 1}) {
      for (int cy : {0, h - 1}) {
        const int dx = cx == 0 ? 1 : -1;
        const int dy = cy == 0 ? 1 : -1;
        Put(cx, cy, scBackground);
        Put(cx + dx, cy, scBackground);
        Put(cx, cy + dy, scBackground);
        Put(cx + dx, cy + dy, scBlack);
      }
    }
  }

  void StampArt(const TArt& art, int left, int top, TSheetColour ink) {
    for (int y = 0; y < static_cast<int>(art.size()); ++y) {
      const std::string_view row = art[static_cast<std::size_t>(y)];
      for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        switch (row[static_cast<std::size_t>(x)]) {
          case '#': Put(left + x, top + y, ink); break;
          case 'K': Put(left + x, top + y, scBlack); break;
          case 'M': Put(left + x, top + y, scMaroon); break;
          case 'G': Put(left + x, top + y, scGreen); break;
          default: break;
        }
      }
    }
  }

  // The glyph as the font's hinter draws it at this size, without smoothing,
  // cropped to its ink.
  TMask Glyph(const QString& text, int pixelSize) const {
    QFont font(Family);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    const int side = pixelSize * 2;
    QImage canvas(side, side, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
      QPainter painter(&canvas);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    }
    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if (qGray(canvas.pixel(x, y)) >= 128) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    TMask mask;
    if (right < 0) return mask;
    mask.Width = right - left + 1;
    mask.Height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) mask.Ink.push_back(qGray(canvas.pixel(x, y)) < 128);
    return mask;
  }

  // Centres the mask in the box; an odd leftover pixel goes right and down.
  void StampCentred(const TMask& mask, int boxLeft, int boxTop, int boxWidth, int boxHeight, TSheetColour ink) {
    const int left = boxLeft + (boxWidth - mask.Width) / 2;
    const int top = boxTop + (boxHeight - mask.Height + 1) / 2;
    for (int y = 0; y < mask.Height; ++y)
      for (int x = 0; x < mask.Width; ++x)
        if (mask.At(x, y)) Put(left + x, top + y, ink);
  }

  void Characters(int number) {
    static const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    StampCentred(Glyph(QString::fromUtf8(numerals[number - 1]), 16), 2, 2, 20, 13, scBlack);
    StampCentred(Glyph(QString::fromUtf8("萬"), 16), 2, 16, 20, 14, scMaroon);
  }

  void BigRing() {
    // Around the face's centre (12, 16): a black rim, a maroon band cut into
    // eight petals, a black inner ring and a maroon heart.
    for (int y = 0; y < SheetCellHeight; ++y) {
      for (int x = 0; x < SheetCellWidth; ++x) {
        const double dx = x + 0.5 - 12.0;
        const double dy = y + 0.5 - 16.0;
        const double r = std::sqrt(dx * dx + dy * dy);
        const double eighth = std::atan2(dy, dx) / (std::numbers::pi / 4.0);
        const bool notch = std::abs(eighth - std::round(eighth)) < 0.18;
        if (r >= 8.7 && r <= 10.0) Put(x, y, scBlack);
        else if (r >= 5.4 && r <= 7.4 && !notch) Put(x, y, scMaroon);
        else if (r >= 3.0 && r <= 4.3) Put(x, y, scBlack);
        else if (r <= 1.9) Put(x, y, scMaroon);
      }
    }
  }

  void Circles(int number) {
    switch (number) {
      case 1: BigRing(); break;
      case 2:
        StampArt(Ring12, 6, 2, scBlack);
        StampArt(Ring12, 6, 18, scBlack);
        break;
      case 3:
        StampArt(Ring8, 2, 2, scBlack);
        StampArt(Ring8, 8, 12, scMaroon);
        StampArt(Ring8, 14, 22, scBlack);
        break;
      case 4:
        for (int x : {3, 13})
          for (int y : {5, 19}) StampArt(Ring8, x, y, scBlack);
        break;
      case 5:
        for (int x : {2, 14})
          for (int y : {2, 22}) StampArt(Ring8, x, y, scBlack);
        StampArt(Ring8, 8, 12, scMaroon);
        break;
      case 6:
        for (int x : {3, 13}) {
          StampArt(Ring8, x, 2, scBlack);
          StampArt(Ring8, x, 12, scMaroon);
          StampArt(Ring8, x, 21, scMaroon);
        }
        break;
      case 7:
        StampArt(Ring6, 2, 2, scBlack);
        StampArt(Ring6, 9, 4, scBlack);
        StampArt(Ring6, 16, 6, scBlack);
        for (int x : {3, 13})
          for (int y : {13, 22}) StampArt(Ring8, x, y, scMaroon);
        break;
      case 8:
        for (int x : {4, 14})
          for (int y : {2, 9, 16, 23}) StampArt(Ring6, x, y, scBlack);
        break;
      case 9:
        for (int row = 0; row < 3; ++row)
          for (int x : {2, 9, 16}) StampArt(Ring6, x, 3 + row * 9, row == 1 ? scMaroon : scBlack);
        break;
      default: break;
    }
  }

  // A bamboo stick: two solid sections pinched at the ends and at the node in
  // the middle, four pixels wide.
  void Stick(int left, int top, int height, TSheetColour ink) {
    for (int y = 0; y < height; ++y) {
      const bool pinch = y == 0 || y == height - 1 || y == height / 2;
      StampArt({pinch ? ".##." : "####"}, left, top + y, ink);
    }
  }

  // A stick of the eight, drawn as a thick line between the centres of its end
  // rows (a pixel's centre is at x + 0.5), so that it may lean; pinched at the
  // ends and the node like the others.
  void SlantedStick(double topX, int top, double bottomX, int height, TSheetColour ink) {
    for (int y = top; y < top + height; ++y) {
      const int row = y - top;
      const double centre = topX + (bottomX - topX) * row / (height - 1);
      const bool pinch = row == 0 || row == height - 1 || row == height / 2;
      const double half = pinch ? 0.6 : 1.3;
      for (int x = 0; x < SheetCellWidth; ++x)
        if (std::abs(x + 0.5 - centre) <= half) Put(x, y, ink);
    }
  }

  void Bamboo(int number) {
    // Odd heights keep the middle node in the middle.
    switch (number) {
      case 1: StampArt(Bird, 2, 5, scGreen); break;
      case 2:
        Stick(10, 2, 13, scGreen);
        Stick(10, 17, 13, scGreen);
        break;
      case 3:
        Stick(10, 2, 13, scGreen);
        Stick(5, 17, 13, scGreen);
        Stick(15, 17, 13, scGreen);
        break;
      case 4:
        for (int x : {5, 15}) {
          Stick(x, 2, 13, scGreen);
          Stick(x, 17, 13, scGreen);
        }
        break;
      case 5:
        for (int x : {3, 17}) {
          Stick(x, 2, 13, scGreen);
          Stick(x, 17, 13, scGreen);
        }
        Stick(10, 9, 13, scMaroon);
        break;
      case 6:
        for (int x : {4, 10, 16}) {
          Stick(x, 2, 13, scGreen);
          Stick(x, 17, 13, scGreen);
        }
        break;
      case 7:
        Stick(10, 2, 9, scMaroon);
        for (int x : {4, 10, 16}) {
          Stick(x, 11, 9, scGreen);
          Stick(x, 20, 9, scGreen);
        }
        break;
      case 8:
        // An M over a W: upright outer sticks, the inner ones leaning together.
        // All eight are three pixels wide so that the leaning ones find room.
        for (double x : {3.5, 20.5}) {
          SlantedStick(x, 2, x, 13, scGreen);
          SlantedStick(x, 17, x, 13, scGreen);
        }
        SlantedStick(7.5, 2, 11.0, 13, scGreen);
        SlantedStick(16.5, 2, 13.0, 13, scGreen);
        SlantedStick(11.0, 17, 7.5, 13, scGreen);
        SlantedStick(13.0, 17, 16.5, 13, scGreen);
        break;
      case 9:
        for (int row = 0; row < 3; ++row)
          for (int x : {4, 10, 16}) Stick(x, 2 + row * 9, 9, x == 10 ? scMaroon : scGreen);
        break;
      default: break;
    }
  }

  void Honour(const QString& sign, TSheetColour ink) { StampCentred(Glyph(sign, 22), 1, 1, 22, 30, ink); }

  void Arrow() {
    for (int y = 5; y <= 15; ++y) Fill(9, y, 6, 1, scYellow);
    for (int r = 0; r < 10; ++r) Fill(2 + r, 16 + r, 20 - 2 * r, 1, scYellow);
  }

  void DoraLabel() {
    StampCentred(Glyph(QString::fromUtf8("ド"), 14), 0, 2, 24, 14, scWhite);
    StampCentred(Glyph(QString::fromUtf8("ラ"), 14), 0, 16, 24, 14, scWhite);
  }
};

}  // namespace

QImage PaintSheet(const QString& fontFamily) {
  QImage image(SheetWidth, SheetHeight, QImage::Format_RGB32);
  TSheetPainter painter(image, fontFamily);
  painter.PaintAll();
  return image;
}

TIndexedImage ReduceToPalette(const QImage& image, const std::vector<TRgb>& palette, int& inexact) {
  TIndexedImage out;
  out.Width = image.width();
  out.Height = image.height();
  out.Pixels.reserve(static_cast<std::size_t>(out.Width * out.Height));
  inexact = 0;
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) {
      const QRgb p = image.pixel(x, y);
      int best = 0;
      int bestDistance = std::numeric_limits<int>::max();
      for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const TRgb& c = palette[static_cast<std::size_t>(i)];
        const int dr = qRed(p) - c.R, dg = qGreen(p) - c.G, db = qBlue(p) - c.B;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
          best = i;
          bestDistance = distance;
        }
      }
      if (bestDistance != 0) ++inexact;
      out.Pixels.push_back(static_cast<std::uint8_t>(best));
    }
  }
  return out;
}

QImage ToQImage(const TIndexedImage& image, const std::vector<TRgb>& palette) {
  QImage out(image.Width, image.Height, QImage::Format_RGB32);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const TRgb& c = palette[image.At(x, y)];
      out.setPixel(x, y, qRgb(c.R, c.G, c.B));
    }
  }
  return out;
}

QImage MakeIcon(const QImage& sheet, int side) {
  constexpr int redCell = 47;
  const QRect source(redCell % PaiCols * SheetCellWidth, redCell / PaiCols * SheetCellHeight, SheetCellWidth,
                     SheetCellHeight);
  QImage tile = sheet.copy(source);
  // The softened corners show the sheet's background; on the icon they show the table.
  const QRgb background = ToQRgb(scBackground);
  const QRgb table = ToQRgb(scGreen);
  for (int y = 0; y < tile.height(); ++y)
    for (int x = 0; x < tile.width(); ++x)
      if (tile.pixel(x, y) == background) tile.setPixel(x, y, table);

  const int scale = std::max(1, side / SheetCellHeight);
  const QImage big = tile.scaled(tile.width() * scale, tile.height() * scale, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
  QImage icon(side, side, QImage::Format_RGB32);
  icon.fill(table);
  QPainter painter(&icon);
  painter.drawImage((side - big.width()) / 2, (side - big.height()) / 2, big);
  return icon;
}
