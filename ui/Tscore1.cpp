#include "ui/Tscore1.h"

#include "ui/Twords1.h"

#include <QSettings>
#include <algorithm>
#include <iterator>

namespace {

const QString SeatWindKey = QStringLiteral("Practice/SeatWind");
const QString RoundWindKey = QStringLiteral("Practice/RoundWind");

// The scorer's names in Japanese; listed so that each has its English.
const char* const Names[] = {
    QT_TRANSLATE_NOOP("TScoreText", "門前清自摸和"), QT_TRANSLATE_NOOP("TScoreText", "平和"),
    QT_TRANSLATE_NOOP("TScoreText", "断么九"), QT_TRANSLATE_NOOP("TScoreText", "一盃口"),
    QT_TRANSLATE_NOOP("TScoreText", "自風牌"), QT_TRANSLATE_NOOP("TScoreText", "場風牌"),
    QT_TRANSLATE_NOOP("TScoreText", "役牌 白"), QT_TRANSLATE_NOOP("TScoreText", "役牌 發"),
    QT_TRANSLATE_NOOP("TScoreText", "役牌 中"), QT_TRANSLATE_NOOP("TScoreText", "三色同順"),
    QT_TRANSLATE_NOOP("TScoreText", "三色同刻"), QT_TRANSLATE_NOOP("TScoreText", "一気通貫"),
    QT_TRANSLATE_NOOP("TScoreText", "混全帯么九"), QT_TRANSLATE_NOOP("TScoreText", "七対子"),
    QT_TRANSLATE_NOOP("TScoreText", "三暗刻"), QT_TRANSLATE_NOOP("TScoreText", "小三元"),
    QT_TRANSLATE_NOOP("TScoreText", "混老頭"), QT_TRANSLATE_NOOP("TScoreText", "二盃口"),
    QT_TRANSLATE_NOOP("TScoreText", "純全帯么九"), QT_TRANSLATE_NOOP("TScoreText", "混一色"),
    QT_TRANSLATE_NOOP("TScoreText", "清一色"), QT_TRANSLATE_NOOP("TScoreText", "国士無双"),
    QT_TRANSLATE_NOOP("TScoreText", "国士無双十三面"), QT_TRANSLATE_NOOP("TScoreText", "四暗刻"),
    QT_TRANSLATE_NOOP("TScoreText", "四暗刻単騎"), QT_TRANSLATE_NOOP("TScoreText", "大三元"),
    QT_TRANSLATE_NOOP("TScoreText", "小四喜"), QT_TRANSLATE_NOOP("TScoreText", "大四喜"),
    QT_TRANSLATE_NOOP("TScoreText", "字一色"), QT_TRANSLATE_NOOP("TScoreText", "緑一色"),
    QT_TRANSLATE_NOOP("TScoreText", "清老頭"), QT_TRANSLATE_NOOP("TScoreText", "九蓮宝燈"),
    QT_TRANSLATE_NOOP("TScoreText", "純正九蓮宝燈"), QT_TRANSLATE_NOOP("TScoreText", "天和"),
    QT_TRANSLATE_NOOP("TScoreText", "地和"),
    QT_TRANSLATE_NOOP("TScoreText", "満貫"), QT_TRANSLATE_NOOP("TScoreText", "跳満"),
    QT_TRANSLATE_NOOP("TScoreText", "倍満"), QT_TRANSLATE_NOOP("TScoreText", "三倍満"),
    QT_TRANSLATE_NOOP("TScoreText", "数え役満"), QT_TRANSLATE_NOOP("TScoreText", "役満"),
    QT_TRANSLATE_NOOP("TScoreText", "二倍役満"), QT_TRANSLATE_NOOP("TScoreText", "三倍役満"),
    QT_TRANSLATE_NOOP("TScoreText", "四倍役満"), QT_TRANSLATE_NOOP("TScoreText", "五倍役満"),
    QT_TRANSLATE_NOOP("TScoreText", "六倍役満"),
    QT_TRANSLATE_NOOP("TScoreText", "副底"), QT_TRANSLATE_NOOP("TScoreText", "ツモ"),
    QT_TRANSLATE_NOOP("TScoreText", "暗刻"), QT_TRANSLATE_NOOP("TScoreText", "雀頭"),
    QT_TRANSLATE_NOOP("TScoreText", "両面"), QT_TRANSLATE_NOOP("TScoreText", "嵌張"),
    QT_TRANSLATE_NOOP("TScoreText", "辺張"), QT_TRANSLATE_NOOP("TScoreText", "双碰"),
    QT_TRANSLATE_NOOP("TScoreText", "単騎"),
};

int StoredWind(const QVariant& value) {
  bool ok = false;
  const int wind = value.toInt(&ok);
  return ok && wind >= 0 && wind < 4 ? wind : 0;
}

}  // namespace

TMjSituation TScoreText::RememberedWinds() {
  const QSettings settings;
  return {StoredWind(settings.value(SeatWindKey, 0)), StoredWind(settings.value(RoundWindKey, 0)), false};
}

void TScoreText::RememberWinds(const TMjSituation& winds) {
  QSettings settings;
  settings.setValue(SeatWindKey, winds.SeatWind);
  settings.setValue(RoundWindKey, winds.RoundWind);
}

QString TScoreText::Wind(int wind) {
  switch (wind) {
    case 0: return tr("東");
    case 1: return tr("南");
    case 2: return tr("西");
    case 3: return tr("北");
    default: return {};
  }
}

QString TScoreText::Winds(const TMjSituation& winds) {
  return tr("%1場 %2家").arg(Wind(winds.RoundWind), Wind(winds.SeatWind));
}

QString TScoreText::Word(const std::string& name) {
  return QCoreApplication::translate("TScoreText", name.c_str());
}

QString TScoreText::Points(const TMjPoints& points) {
  const std::string limit = LimitName(points);
  return limit.empty() ? tr("%1点").arg(points.Total) : Word(limit);
}

QString TScoreText::Payment(const TMjPoints& points) {
  if (points.Dealer == 0) return tr("%1オール").arg(points.NonDealer);
  return tr("子 %1 / 親 %2").arg(points.NonDealer).arg(points.Dealer);
}

QStringList TScoreText::YakuLines(const TMjReading& reading) {
  QStringList lines;
  for (TMjYaku yaku : reading.Yaku)
    lines << (IsYakuman(yaku) ? tr("%1 役満").arg(Word(YakuName(yaku))) : tr("%1 %2翻").arg(Word(YakuName(yaku))).arg(YakuHan(yaku)));
  return lines;
}

QString TScoreText::FuLine(const TMjReading& reading) {
  if (reading.FuParts.empty()) return {};
  QStringList parts;
  for (const TMjFuPart& part : reading.FuParts) {
    QString text = Word(part.Item == TMjFuItem::Wait ? WaitName(reading.Wait) : FuItemName(part.Item));
    if (part.Kind >= 0) text += QLatin1Char(' ') + KindWords(part.Kind);
    parts << text + QLatin1Char(' ') + QString::number(part.Fu);
  }
  const QString sum = parts.join(QStringLiteral(" + "));
  if (reading.Fu == reading.RawFu) return tr("%1 = %2符").arg(sum).arg(reading.Fu);
  return tr("%1 = %2 → %3符").arg(sum).arg(reading.RawFu).arg(reading.Fu);
}

QString TScoreText::TotalLine(const TMjReading& reading) {
  const TMjPoints& p = reading.Points;
  QString line;
  if (p.Yakuman == 0) line = tr("%1符 %2翻").arg(reading.Fu).arg(reading.Han) + QStringLiteral("  ");
  if (p.Limit != TMjLimit::None) line += Word(LimitName(p)) + QStringLiteral("  ");
  return line + tr("%1点（%2）").arg(p.Total).arg(Payment(p));
}

std::vector<const char*> TScoreText::Catalogue() { return {std::begin(Names), std::end(Names)}; }
