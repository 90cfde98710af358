#include "ui/Tposition1.h"

#include "ui/Twords1.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <numeric>

#include "ui/Pairidlg1.h"
#include "ui/Frparts1.h"
#include "ui/Tapplication1.h"

namespace {

constexpr int PictureMargin = 4;
constexpr int DrawnGap = 6;  // between the 13 tiles and the one drawn

QString NotationReason(TMjNotationError error) {
  switch (error) {
    case TMjNotationError::Empty: return QObject::tr("牌がありません");
    case TMjNotationError::UnknownCharacter: return QObject::tr("使えない文字です（1〜9 と m p s z だけ）");
    case TMjNotationError::ZeroDigit: return QObject::tr("0 は使えません");
    case TMjNotationError::DigitsWithoutSuit: return QObject::tr("数字の後に m p s z がありません");
    case TMjNotationError::SuitWithoutDigits: return QObject::tr("文字の前に数字がありません");
    case TMjNotationError::HonourNumber: return QObject::tr("字牌は 1z〜7z です");
    case TMjNotationError::FifthCopy: return QObject::tr("同じ牌が5枚目です");
    case TMjNotationError::None: break;
  }
  return {};
}

}  // namespace

int TMjShownHand::Tiles() const { return std::accumulate(Hand.begin(), Hand.end(), 0); }

QString PositionErrorText(const TMjPosition& p, const QByteArray& text) {
  if (p.Error == TMjPositionError::TileCount)
    return QObject::tr("貼り付けた牌姿は %1枚です。13枚か14枚にしてください。").arg(p.Tiles);
  // The place counted in characters, as the player sees the text.
  const qsizetype place = QString::fromUtf8(text.left(static_cast<qsizetype>(p.Position))).size() + 1;
  return QObject::tr("貼り付けた牌姿の %1文字目: %2。").arg(place).arg(NotationReason(p.Notation));
}

TPairiDlg* OwnAnalysis(QWidget* owner, TPairiDlg*& window) {
  if (window == nullptr) window = new TPairiDlg(owner);
  if (!window->isVisible()) window->ShowFor(owner, [](const QKeyEvent&) { return false; });
  return window;
}

QImage PositionPicture(const TMjShownHand& shown) {
  TPairiDlg table;  // never shown: it paints the position's table into the picture
  table.ShowPosition(shown.Hand, shown.DrawnKind);
  const int w = TPairiDlg::W, h = TPairiDlg::H;
  const int handWidth = 2 * PictureMargin + HandSlots * w + DrawnGap;
  QImage picture(std::max(handWidth, TPairiDlg::ClientWidth), PictureMargin * 2 + h + TPairiDlg::ClientHeight,
                 QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.fillRect(picture.rect(), table.FrMjPai1->BackgroundColor());
  TKindCounts held = shown.Hand;
  if (shown.DrawnKind >= 0) --held[static_cast<std::size_t>(shown.DrawnKind)];
  int x = PictureMargin;
  auto draw = [&](int kind) {
    painter.drawImage(QRect(x, PictureMargin, w, h), table.FrMjPai1->Image1->Canvas(),
                      table.FrMjPai1->GetCodeParts(KindCode(kind)).Rect());
    x += w;
  };
  for (int k = 0; k < KindCount; ++k)
    for (int n = 0; n < held[static_cast<std::size_t>(k)]; ++n) draw(k);
  x += DrawnGap;
  if (shown.DrawnKind >= 0) draw(shown.DrawnKind);
  painter.translate(0, 2 * PictureMargin + h);
  table.Paint(painter);
  return picture;
}

void CopyPosition(const TMjShownHand& shown) {
  const int tiles = shown.Tiles();
  if (tiles != 13 && tiles != 14) return;
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(PositionText(shown.Hand, shown.DrawnKind)));
  data->setImageData(PositionPicture(shown));
  QGuiApplication::clipboard()->setMimeData(data);
}

bool PastePosition(const QString& text, const std::function<TPairiDlg*()>& analysis) {
  const QByteArray bytes = text.toUtf8();
  const TMjPosition p = ParsePosition(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!p.Ok()) {
    ShowWarning(PositionErrorText(p, bytes));
    return false;
  }
  analysis()->ShowPosition(p.Hand, p.DrawnKind);
  return true;
}

QMenu* AddEditMenu(QMenuBar* bar, QWidget* owner, std::function<TMjShownHand()> shown,
                   std::function<TPairiDlg*()> analysis) {
  auto* menu = new QMenu(QObject::tr("編集(&E)"), owner);
  const QList<QAction*> menus = bar->actions();
  bar->insertMenu(menus.size() > 1 ? menus[1] : nullptr, menu);
  QAction* copy = menu->addAction(QObject::tr("コピー(&C)"));
  copy->setShortcut(QKeySequence::Copy);
  QAction* paste = menu->addAction(QObject::tr("貼り付け(&P)"));
  paste->setShortcut(QKeySequence::Paste);
  ConnectHandler(copy, &QAction::triggered, owner, [shown] { CopyPosition(shown()); });
  ConnectHandler(paste, &QAction::triggered, owner,
                 [analysis] { PastePosition(QGuiApplication::clipboard()->text(), analysis); });
  return menu;
}

// Shown as the analysis shows a draw; 13 tiles have no discard to choose, so
// the head tells their shanten and the copies that would lower it.
void TPairiDlg::ShowPosition(const TKindCounts& hand, int drawnKind) {
  if (drawnKind >= 0) {
    TMjReview review;
    TKindCounts held = hand;
    --held[static_cast<std::size_t>(drawnKind)];
    review.Start(held);
    review.AddDraw(drawnKind);
    ShowPairi(review, false);
    return;
  }
  const TMjUkeire ukeire = MjUkeire(hand);
  Shown = {};
  Shown.Stage = TMjPairiStage::Discarded;
  Shown.Shanten = ukeire.Shanten;
  Head = ShantenWords(ukeire.Shanten) + QStringLiteral("  ") +
         tr("有効牌 %1  %2枚").arg(KindsWords(ukeire.Kinds)).arg(ukeire.Count);
  Judgement.clear();
  Judged = -1;
  Summary.clear();
  Image1->update();
}

QTableWidget* MakeDiscardTable(QWidget* parent, const QStringList& heads, QSize size, int rowHeight) {
  auto* table = new QTableWidget(0, static_cast<int>(heads.size()), parent);
  table->setHorizontalHeaderLabels(heads);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(rowHeight);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setIconSize(QSize(TFrMjPai::PaiWidth * 2 / 3, TFrMjPai::PaiHeight * 2 / 3));
  table->setFixedSize(size);
  table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  return table;
}
