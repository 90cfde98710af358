#include "ui/Twords1.h"

#include <QCoreApplication>

QString ShantenWords(int shanten) {
  if (shanten < 0) return QCoreApplication::translate("TWords", "和了");
  if (shanten == 0) return QCoreApplication::translate("TWords", "聴牌");
  return QCoreApplication::translate("TWords", "%1向聴").arg(shanten);
}

QString DrawName(int draw) {
  return draw == 0 ? QCoreApplication::translate("TWords", "配牌")
                   : QCoreApplication::translate("TWords", "%1巡目").arg(draw);
}
