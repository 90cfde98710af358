#include "ui/Pairidlg1.h"

#include <QLayout>
#include <QPainter>
#include <algorithm>
#include <bit>

#include "game/Mjgame1.h"
#include "ui/Tapplication1.h"
#include "ui/Tfonts1.h"
#include "ui/Tscore1.h"
#include "ui/Tlook1.h"
#include "ui/Twords1.h"

TPairiDlg* PairiDlg = nullptr;

namespace {

// The painted client area; the window draws everything from what it shows.
class TPairiArea final : public QWidget {
public:
  TPairiArea(TPairiDlg* owner) : QWidget(owner), Owner(owner) {}

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    Owner->Paint(painter);
  }

private:
  TPairiDlg* Owner;
};

// The sheet's own colours: its red frames the discard made, its yellow marks the best.
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);

}  // namespace

TPairiDlg::TPairiDlg(QWidget* parent) : TSideDlg(parent) {
  // The practice window keeps the keys: showing this window does not take them.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(CaptionText(tr("牌理")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  Image1 = new TPairiArea(this);
  Image1->setFixedSize(ClientWidth, ClientHeight);
  layout()->addWidget(Image1);
  adjustSize();
}

TPairiDlg::~TPairiDlg() {
  if (PairiDlg == this) PairiDlg = nullptr;
}

void TPairiDlg::ShowPairi(const TMjReview& review, bool tableAfterDiscard) {
  Shown = PairiView(review, tableAfterDiscard);
  Head = Shown.Stage == TMjPairiStage::None ? QString() : ShantenWords(Shown.Shanten);

  Judgement.clear();
  Judged = -1;
  if (const TMjReviewStep* step = Shown.Judged) {
    Judged = step->DiscardKind;
    if (step->RaisedShanten())
      Judgement = tr("向聴戻し  %1 → %2").arg(ShantenWords(step->Best().Shanten), ShantenWords(step->Chosen().Shanten));
    else
      Judgement = tr("受け入れ %1/%2 枚").arg(step->ChosenCount()).arg(step->Best().Count);
    if (step->IsBest()) Judgement += tr("  最善");
  }
  // The step belongs to the flow's review; what is shown is kept here.
  Shown.Judged = nullptr;

  Summary.clear();
  if (review.Decisions() == DealLimit) {
    Summary << tr("効率 %1%  最善 %2/%3")
                   .arg(QString::number(review.Efficiency(), 'f', 1))
                   .arg(review.BestChoices())
                   .arg(review.Decisions());
    const int ready = review.FirstReadyDraw();
    const QString readyText =
        ready < 0 ? tr("聴牌せず") : ready == 0 ? tr("配牌で聴牌") : tr("%1巡目に聴牌").arg(ready);
    const int win = review.WinDraw();
    Summary << readyText + QStringLiteral("  ") + (win < 0 ? tr("ツモ和了なし") : tr("%1巡目にツモ和了").arg(win));
  }
  Image1->update();
}

void TPairiDlg::ShowScore(const TMjScore& score, const TMjSituation& winds) {
  ScoreHead.clear();
  Yaku.clear();
  ScoreFoot.clear();
  if (score.Complete()) {
    const TMjReading& r = score.BestReading();
    ScoreHead = tr("ツモ和了  %1").arg(TScoreText::Winds(winds));
    Yaku = TScoreText::YakuLines(r);
    if (!r.FuParts.empty()) ScoreFoot << TScoreText::FuLine(r);
    ScoreFoot << TScoreText::TotalLine(r);
  }
  Image1->update();
}

QRect TPairiDlg::TileRect(int row) { return QRect(Margin + MarkWidth, TableTop + row * H, W, H); }

QRect TPairiDlg::KindRect(int row, int n, int count) {
  const int top = TableTop + row * H;
  if (count <= KindsPerLine) return QRect(KindsLeft + n * (KindWidth + 1), top + (H - KindHeight) / 2, KindWidth, KindHeight);
  return QRect(KindsLeft + (n % SmallPerLine) * (SmallWidth + 1), top + (n / SmallPerLine) * SmallHeight, SmallWidth,
               SmallHeight);
}

void TPairiDlg::DrawTile(QPainter& painter, const QRect& target, int kind) {
  const TParts source = FrMjPai1->GetCodeParts(KindCode(kind));
  // Half-size pictures are smoothed; full-size ones are copied pixel for pixel.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != source.Rect().size());
  painter.drawImage(target, FrMjPai1->Image1->Canvas(), source.Rect());
}

void TPairiDlg::Paint(QPainter& painter) {
  const QColor background = FrMjPai1->BackgroundColor();
  painter.fillRect(Image1->rect(), background);
  painter.setFont(PGothicFont(HeadPixels));
  painter.setPen(Qt::white);
  painter.drawText(QRect(Margin, Margin, ClientWidth - 2 * Margin, HeadHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Head);
  painter.setFont(PGothicFont(TextPixels));

  if (Shown.TableHidden)
    painter.drawText(QRect(0, TableTop, ClientWidth, H), Qt::AlignCenter, tr("打牌後に表示"));

  for (int i = 0; i < static_cast<int>(Shown.Rows.size()) && i < MaxRows; ++i) {
    const TMjDiscard& row = Shown.Rows[static_cast<std::size_t>(i)];
    const QRect line(0, TableTop + i * H, ClientWidth, H);
    if (i % 2 == 1) painter.fillRect(line, background.darker(115));
    const bool best = Shown.IsBestRow(row);
    painter.setPen(best ? Yellow : Qt::white);
    if (best) {
      const int mid = line.center().y();
      const QPoint marker[] = {{Margin, mid - 5}, {Margin + 8, mid}, {Margin, mid + 5}};
      painter.setBrush(Yellow);
      painter.drawPolygon(marker, 3);
      painter.setBrush(Qt::NoBrush);
    }
    const QRect tile = TileRect(i);
    DrawTile(painter, tile, row.Kind);
    if (row.Kind == Shown.ChosenKind) {
      for (int f = 0; f < ChosenFrame; ++f) {
        painter.fillRect(tile.left(), tile.top() + f, W, 1, Red);
        painter.fillRect(tile.left(), tile.bottom() - f, W, 1, Red);
        painter.fillRect(tile.left() + f, tile.top(), 1, H, Red);
        painter.fillRect(tile.right() - f, tile.top(), 1, H, Red);
      }
    }
    painter.drawText(QRect(tile.right() + 5, line.top(), ShantenWidth, H), Qt::AlignLeft | Qt::AlignVCenter,
                     ShantenWords(row.Shanten));
    const int count = std::popcount(row.Kinds);
    int n = 0;
    for (int kind = 0; kind < KindCount; ++kind)
      if (row.Kinds & (TKindMask{1} << kind)) DrawTile(painter, KindRect(i, n++, count), kind);
    painter.drawText(QRect(ClientWidth - Margin - CountWidth, line.top(), CountWidth, H),
                     Qt::AlignRight | Qt::AlignVCenter, tr("%1枚").arg(row.Count));
  }

  // The last lines: the discard judged, with its picture, then the deal's score.
  painter.setPen(Qt::white);
  int textLeft = Margin;
  if (Judged >= 0) {
    DrawTile(painter, QRect(Margin, FootTop, KindWidth, KindHeight), Judged);
    textLeft += KindWidth + 4;
  }
  painter.drawText(QRect(textLeft, FootTop, ClientWidth - textLeft - Margin, KindHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Judgement);
  for (int i = 0; i < Summary.size(); ++i)
    painter.drawText(QRect(Margin, FootTop + KindHeight + i * LineHeight, ClientWidth - 2 * Margin, LineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, Summary[i]);
  PaintScore(painter);
}

void TPairiDlg::PaintScore(QPainter& painter) {
  if (ScoreHead.isEmpty()) return;
  const int width = ClientWidth - 2 * Margin;
  auto line = [&](int n, int left, int w) { return QRect(left, ScoreTop + n * LineHeight, w, LineHeight); };
  painter.setPen(Yellow);
  painter.drawText(line(0, Margin, width), Qt::AlignLeft | Qt::AlignVCenter, ScoreHead);
  painter.setPen(Qt::white);
  // The yaku down the first column, then the second.
  for (int i = 0; i < Yaku.size() && i < 2 * YakuRows; ++i)
    painter.drawText(line(1 + i % YakuRows, Margin + (i / YakuRows) * width / 2, width / 2),
                     Qt::AlignLeft | Qt::AlignVCenter, Yaku[i]);
  const int fuTop = ScoreTop + (1 + YakuRows) * LineHeight;
  if (ScoreFoot.size() > 1)
    painter.drawText(QRect(Margin, fuTop, width, FuLines * LineHeight), Qt::AlignLeft | Qt::TextWordWrap,
                     ScoreFoot.front());
  painter.drawText(line(1 + YakuRows + FuLines, Margin, width), Qt::AlignLeft | Qt::AlignVCenter, ScoreFoot.back());
}

std::vector<TSide> TPairiDlg::Sides() const {
  return {TSide::Right, TSide::Left, TSide::Below, TSide::Above};
}
