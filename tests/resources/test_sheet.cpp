// The committed tile image sheet: its file format, grid, colours and the frame
// of every tile, read back the way the program reads it.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

const QString SheetPath = QStringLiteral(TILELAB_RESOURCES "/tiles.bmp");

constexpr int CellW = 24;
constexpr int CellH = 32;
constexpr int Cols = 10;

const QRgb Background = qRgb(0, 128, 128);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb Gold = qRgb(204, 153, 0);
const QRgb Maroon = qRgb(128, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Purple = qRgb(128, 0, 128);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Grey = qRgb(128, 128, 128);
const std::set<QRgb> Palette = {Background, White, Black, Green, Silver, Gold,
                                Maroon,     Blue,  Purple, Yellow, Red,    Grey};

std::string Name(QRgb c) { return QColor(c).name().toStdString(); }

class SheetTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Sheet = new QImage(SheetPath);
    if (!Sheet->isNull()) *Sheet = Sheet->convertToFormat(QImage::Format_RGB32);
  }
  static void TearDownTestSuite() {
    delete Sheet;
    Sheet = nullptr;
  }
  void SetUp() override { ASSERT_FALSE(Sheet->isNull()) << SheetPath.toStdString() << " does not load"; }

  // The sheet is held as RGB32, whose pixels compare equal to qRgb values.
  static QRgb Pixel(int x, int y) { return Sheet->pixel(x, y); }
  static QRgb Px(int cell, int x, int y) { return Pixel(cell % Cols * CellW + x, cell / Cols * CellH + y); }

  // Colours inside the outline, the four black corner pixels left out.
  static std::set<QRgb> FaceColours(int cell) {
    std::set<QRgb> colours;
    for (int y = 1; y < CellH - 1; ++y)
      for (int x = 1; x < CellW - 1; ++x)
        if (!((x == 1 || x == CellW - 2) && (y == 1 || y == CellH - 2))) colours.insert(Px(cell, x, y));
    return colours;
  }

  static QImage CellImage(int cell) { return Sheet->copy(cell % Cols * CellW, cell / Cols * CellH, CellW, CellH); }

  static QImage* Sheet;
};

QImage* SheetTest::Sheet = nullptr;

std::vector<int> FramedCells() {
  std::vector<int> cells = {5, 6, 7, 8};
  for (int c = 10; c <= 39; ++c) cells.push_back(c);
  for (int c = 41; c <= 47; ++c) cells.push_back(c);
  return cells;
}

TEST_F(SheetTest, MeasuresTheGridAndUsesOnlyTheTwelveColours) {
  EXPECT_EQ(Sheet->width(), 240);
  EXPECT_EQ(Sheet->height(), 160);
  EXPECT_EQ(Pixel(0, 0), Background) << Name(Pixel(0, 0));
  std::set<QRgb> used;
  for (int y = 0; y < Sheet->height(); ++y)
    for (int x = 0; x < Sheet->width(); ++x) used.insert(Pixel(x, y));
  for (QRgb c : used) EXPECT_TRUE(Palette.count(c)) << "stray colour " << Name(c);
  EXPECT_EQ(used, Palette);
}

TEST_F(SheetTest, PlainCellsAreOneColourEach) {
  const std::array<std::pair<int, QRgb>, 7> plain = {{{0, Background}, {1, White}, {2, Black}, {3, Green},
                                                      {4, Silver}, {48, Grey}, {49, Grey}}};
  for (const auto& [cell, colour] : plain) {
    SCOPED_TRACE(cell);
    int off = 0;
    for (int y = 0; y < CellH; ++y)
      for (int x = 0; x < CellW; ++x) off += Px(cell, x, y) != colour;
    EXPECT_EQ(off, 0) << "pixels not " << Name(colour);
  }
}

TEST_F(SheetTest, EveryTileHasTheOutlineWithSoftenedCorners) {
  for (int cell : FramedCells()) {
    SCOPED_TRACE(cell);
    for (int cx : {0, CellW - 1}) {
      for (int cy : {0, CellH - 1}) {
        const int dx = cx == 0 ? 1 : -1;
        const int dy = cy == 0 ? 1 : -1;
        SCOPED_TRACE(testing::Message() << "corner " << cx << "," << cy);
        EXPECT_EQ(Name(Px(cell, cx, cy)), Name(Background));
        EXPECT_EQ(Name(Px(cell, cx + dx, cy)), Name(Background));
        EXPECT_EQ(Name(Px(cell, cx, cy + dy)), Name(Background));
        EXPECT_EQ(Name(Px(cell, cx + dx, cy + dy)), Name(Black));
      }
    }
    int gaps = 0;
    for (int x = 2; x < CellW - 2; ++x) gaps += (Px(cell, x, 0) != Black) + (Px(cell, x, CellH - 1) != Black);
    for (int y = 2; y < CellH - 2; ++y) gaps += (Px(cell, 0, y) != Black) + (Px(cell, CellW - 1, y) != Black);
    EXPECT_EQ(gaps, 0) << "outline pixels that are not black";
    // The tile fills its cell: no background shows through inside the outline.
    EXPECT_EQ(FaceColours(cell).count(Background), 0u);
  }
}

TEST_F(SheetTest, BacksAreFilledInTheirColours) {
  const std::array<std::pair<int, QRgb>, 4> backs = {{{5, Gold}, {6, Maroon}, {7, Blue}, {8, Purple}}};
  for (const auto& [cell, colour] : backs) {
    SCOPED_TRACE(cell);
    EXPECT_EQ(FaceColours(cell), std::set<QRgb>{colour});
  }
}

TEST_F(SheetTest, FacesUseTheirSuitsInks) {
  // Ink besides the white face: red only on the red fives, the colours of the description elsewhere.
  struct Rule { int first, last; std::set<QRgb> inks; };
  const Rule rules[] = {
      {10, 10, {Red}},          {11, 19, {Black, Maroon}},  {20, 20, {Red}},
      {21, 29, {Black, Maroon}}, {30, 30, {Red}},           {31, 31, {Green, Maroon, Black}},
      {32, 39, {Green, Maroon}}, {41, 44, {Black}},         {46, 46, {Green}},
      {47, 47, {Maroon}},
  };
  for (const Rule& rule : rules) {
    for (int cell = rule.first; cell <= rule.last; ++cell) {
      SCOPED_TRACE(cell);
      std::set<QRgb> inks = FaceColours(cell);
      EXPECT_EQ(inks.erase(White), 1u) << "no white face";
      EXPECT_FALSE(inks.empty()) << "an empty face";
      for (QRgb c : inks) EXPECT_TRUE(rule.inks.count(c)) << "unexpected ink " << Name(c);
    }
  }
  EXPECT_EQ(FaceColours(45), std::set<QRgb>{White}) << "White is an empty face";
}

TEST_F(SheetTest, ArrowAndLabelStandOnTheBackground) {
  EXPECT_EQ(FaceColours(9), (std::set<QRgb>{Background, Yellow}));
  EXPECT_EQ(FaceColours(40), (std::set<QRgb>{Background, White}));
  // The arrow points down: its widest row lies below its middle.
  int widestRow = -1, widest = 0, top = CellH, bottom = -1;
  for (int y = 0; y < CellH; ++y) {
    int width = 0;
    for (int x = 0; x < CellW; ++x) width += Px(9, x, y) == Yellow;
    if (width > 0) top = std::min(top, y), bottom = std::max(bottom, y);
    if (width > widest) widest = width, widestRow = y;
  }
  ASSERT_GE(bottom, 0);
  EXPECT_GT(widestRow, (top + bottom) / 2);
}

TEST_F(SheetTest, NoTwoTileFacesAlike) {
  std::vector<int> cells;
  for (int c = 10; c <= 39; ++c) cells.push_back(c);
  for (int c = 41; c <= 47; ++c) cells.push_back(c);
  for (std::size_t i = 0; i < cells.size(); ++i)
    for (std::size_t j = i + 1; j < cells.size(); ++j)
      EXPECT_NE(CellImage(cells[i]), CellImage(cells[j])) << "cells " << cells[i] << " and " << cells[j];
}

// ---- The file itself, byte for byte.

std::uint32_t U32(const QByteArray& b, int at) {
  return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint32_t U16(const QByteArray& b, int at) {
  return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8;
}
std::int32_t I32(const QByteArray& b, int at) { return static_cast<std::int32_t>(U32(b, at)); }

TEST_F(SheetTest, FileIsAnUncompressedBottomUp8BitBmp) {
  QFile file(SheetPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray b = file.readAll();
  ASSERT_EQ(b.size(), 1078 + 240 * 160);
  EXPECT_EQ(b.left(2), QByteArray("BM"));
  EXPECT_EQ(U32(b, 2), static_cast<std::uint32_t>(b.size()));
  EXPECT_EQ(U32(b, 10), 1078u);                 // pixel data offset
  EXPECT_EQ(U32(b, 14), 40u);                   // information header size
  EXPECT_EQ(I32(b, 18), 240);
  EXPECT_EQ(I32(b, 22), 160);                   // positive: rows bottom-up
  EXPECT_EQ(U16(b, 26), 1u);                    // planes
  EXPECT_EQ(U16(b, 28), 8u);                    // bits per pixel
  EXPECT_EQ(U32(b, 30), 0u);                    // no compression
  EXPECT_EQ(I32(b, 38), 3780);
  EXPECT_EQ(I32(b, 42), 3780);
  const std::uint32_t used = U32(b, 46);
  EXPECT_TRUE(used == 256u || used == 0u) << used;  // 0 also means all 256

  // Each byte indexes the palette; the file's last row is the picture's top.
  auto entry = [&](int index) {
    const int at = 54 + 4 * index;
    return qRgb(static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                static_cast<std::uint8_t>(b[at]));
  };
  int mismatches = 0;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 240; ++x) {
      const int index = static_cast<std::uint8_t>(b[1078 + (159 - y) * 240 + x]);
      mismatches += entry(index) != Pixel(x, y);
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(entry(static_cast<std::uint8_t>(b[1078 + 159 * 240])), Background);
}

}  // namespace
