// sheetgen: paints the tile image sheet and writes resources/tiles.bmp, the
// enlarged picture for the README and the application icons.
//
//   sheetgen <resources folder>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <string>

#include "Bmpfile1.h"
#include "records/Safefile1.h"
#include "Sheetart1.h"

namespace {

// The Debian package fonts-ipafont-gothic; its hinter draws clean glyphs at tile size.
const char* const FontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
const char* const FontFamily = "IPAGothic";

QString FindFont() {
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(FontFile));
  if (id >= 0) {
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) return families.first();
  }
  if (QFontDatabase::families().contains(QString::fromUtf8(FontFamily))) return QString::fromUtf8(FontFamily);
  return {};
}

bool SavePng(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "sheetgen: %s: cannot write\n", path.toUtf8().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Painting into images needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: sheetgen <resources folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);

  const QString family = FindFont();
  if (family.isEmpty()) {
    std::fprintf(stderr, "sheetgen: the font %s (%s) is not installed (apt install fonts-ipafont-gothic)\n",
                 FontFamily, FontFile);
    return 1;
  }

  const QImage painted = PaintSheet(family);
  int inexact = 0;
  const TIndexedImage sheet = ReduceToPalette(painted, SheetPalette(), inexact);
  if (inexact != 0) std::fprintf(stderr, "sheetgen: %d pixels were moved to the nearest palette colour\n", inexact);

  const std::string bmpPath = (folder + "/tiles.bmp").toStdString();
  const std::vector<std::uint8_t> bmp = EncodeBmp8(sheet, SheetPalette());
  try {
    WriteFileAtomically(bmpPath, std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sheetgen: %s\n", e.what());
    return 1;
  }

  const QImage reduced = ToQImage(sheet, SheetPalette());
  const QImage enlarged = reduced.scaled(SheetWidth * 4, SheetHeight * 4, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation);
  bool ok = SavePng(enlarged, folder + "/tiles-x4.png");
  ok = SavePng(MakeIcon(reduced, 32), folder + "/icon.png") && ok;
  ok = SavePng(MakeIcon(reduced, 64), folder + "/icon-64.png") && ok;
  ok = SavePng(MakeIcon(reduced, 128), folder + "/icon-128.png") && ok;
  if (!ok) return 1;
  std::printf("sheetgen: wrote %s and the pictures beside it\n", bmpPath.c_str());
  return 0;
}
