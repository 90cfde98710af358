#include "ui/Tfonts1.h"

#include <QStringList>

static QFont MakeFont(const QStringList& families, int pixelSize) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

QFont PGothicFont(int pixelSize) {
  return MakeFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Droid Sans Fallback")},
                  pixelSize);
}

QFont GothicFont(int pixelSize) {
  return MakeFont({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                   QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Droid Sans Fallback")},
                  pixelSize);
}
