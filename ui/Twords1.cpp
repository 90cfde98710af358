#include "ui/Twords1.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int FirstHonour = 27;  // 1z
const char* const HonourNames[] = {
    QT_TRANSLATE_NOOP("TWords", "1z"), QT_TRANSLATE_NOOP("TWords", "2z"), QT_TRANSLATE_NOOP("TWords", "3z"),
    QT_TRANSLATE_NOOP("TWords", "4z"), QT_TRANSLATE_NOOP("TWords", "5z"), QT_TRANSLATE_NOOP("TWords", "6z"),
    QT_TRANSLATE_NOOP("TWords", "7z"),
};

}  // namespace

QString ShantenWords(int shanten) {
  if (shanten < 0) return QCoreApplication::translate("TWords", "和了");
  if (shanten == 0) return QCoreApplication::translate("TWords", "聴牌");
  return QCoreApplication::translate("TWords", "%1向聴").arg(shanten);
}

QString DrawName(int draw) {
  return draw == 0 ? QCoreApplication::translate("TWords", "配牌")
                   : QCoreApplication::translate("TWords", "%1巡目").arg(draw);
}

QString KindWords(int kind) {
  if (kind < FirstHonour || kind >= KindCount) return QString::fromStdString(KindText(kind));
  return QCoreApplication::translate("TWords", HonourNames[kind - FirstHonour]);
}

// Where the honours keep their notation (Japanese), the kinds stay one compact text.
QString KindsWords(TKindMask kinds) {
  const TKindMask honours = kinds & ~((TKindMask{1} << FirstHonour) - 1);
  if (honours == 0 || KindWords(FirstHonour) == QLatin1String(HonourNames[0]))
    return QString::fromStdString(KindsText(kinds));
  QStringList words;
  if (kinds != honours) words << QString::fromStdString(KindsText(kinds & ~honours));
  for (int k = FirstHonour; k < KindCount; ++k)
    if (honours >> k & 1) words << KindWords(k);
  return words.join(QLatin1Char(' '));
}

QString Sentences(const QString& first, const QString& second) {
  if (first.isEmpty()) return second;
  if (second.isEmpty()) return first;
  return QCoreApplication::translate("TWords", "%1%2", "one sentence after another").arg(first, second);
}
