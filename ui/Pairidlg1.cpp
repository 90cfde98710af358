#include "ui/Pairidlg1.h"

#include <QBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
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

// A part of the painted client area, from the line top down; the window draws
// everything from what it shows.
class TPairiArea final : public QWidget {
public:
  TPairiArea(TPairiDlg* owner, int top) : QWidget(owner), Owner(owner), Top(top) {}

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Owner->FrMjPai1->BackgroundColor());
    painter.translate(0, -Top);
    Owner->Paint(painter);
  }

private:
  TPairiDlg* Owner;
  int Top;
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
  HeadArea = new TPairiArea(this, 0);
  Image1 = new TPairiArea(this, TableTop);
  Image1->setFixedSize(ClientWidth, FootTop - TableTop);
  TableScroll = new QScrollArea(this);
  TableScroll->setFrameShape(QFrame::NoFrame);
  TableScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TableScroll->setWidget(Image1);
  QPalette palette = TableScroll->palette();
  palette.setColor(QPalette::Window, FrMjPai1->BackgroundColor());
  TableScroll->setPalette(palette);
  TableScroll->setMaximumHeight(Image1->height());
  // Taller than it needs, the window keeps the lines under the table in their place.
  setPalette(palette);
  setAutoFillBackground(true);
  FootArea = new TPairiArea(this, FootTop);
  // Room for the scroll bar beside the table, whether or not it shows.
  const int width = ClientWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (QWidget* part : {HeadArea, static_cast<QWidget*>(TableScroll), FootArea}) part->setFixedWidth(width);
  HeadArea->setFixedHeight(TableTop);
  Image1->setToolTip(
      tr("聴牌率・和了率: 最後のツモ（18 巡目）までに聴牌する・和了する確率。\n"
         "一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 自分の捨て牌）はどれも同じ確からしさで来る。\n"
         "打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 > 確率のモデルで選んだ手数まで数え、\n"
         "遠い手では時間内に計算できる手数まで下げる（見出しにそのモデルを示す）。\n"
         "期待値: 和了の点数（門前清自摸和を含む、自風・場風は表示の選択）× その確率の和。\n"
         "清一色では萬子だけが山にある。4 向聴より遠い手は受け入れだけを示す。"));
  Job = new TChanceJob(this);
  Known.resize(DealLimit + 1);
  connect(Job, &TChanceJob::Done, this, &TPairiDlg::ChancesDone);
  layout()->addWidget(HeadArea);
  static_cast<QBoxLayout*>(layout())->addWidget(TableScroll, 1);
  layout()->addWidget(FootArea);
  static_cast<QBoxLayout*>(layout())->addStretch();
  MakeResizable();
  setMaximumSize(sizeHint());
  Refresh();
  resize(sizeHint());
}

QSize TPairiDlg::sizeHint() const { return {HeadArea->width(), ClientHeight}; }

int TPairiDlg::FootHeight() const {
  return ScoreTopNow() - FootTop + (ScoreHead.isEmpty() ? 0 : ScoreLines * LineHeight) + Margin;
}

int TPairiDlg::ScoreTopNow() const { return FootTop + KindHeight + static_cast<int>(Summary.size()) * LineHeight + 4; }

// The table gives up what the lines under it take beyond their least, so the
// window's least height holds them at their fullest.
void TPairiDlg::Refresh() {
  const int foot = FootHeight();
  FootArea->setFixedHeight(foot);
  TableScroll->setMinimumHeight(LeastRows * H + FullFootHeight - foot);
  HeadArea->update();
  Image1->update();
  FootArea->update();
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
    if (!step->Judged())
      Judgement = tr("和了の後の打牌は評価しません");
    else if (step->RaisedShanten())
      Judgement = tr("向聴戻し  %1 → %2").arg(ShantenWords(step->Best().Shanten), ShantenWords(step->Chosen().Shanten));
    else
      Judgement = tr("受け入れ %1/%2 枚").arg(step->ChosenCount()).arg(step->Best().Count);
    if (step->Judged() && !step->Mistake()) Judgement += tr("  最善");
  }
  // The step belongs to the flow's review; what is shown is kept here.
  Shown.Judged = nullptr;

  Summary.clear();
  // The deal is over once the last draw's discard is made; the discards after a win are no decisions.
  if (review.Steps.size() >= static_cast<std::size_t>(DealLimit) && review.Steps.back().Discarded()) {
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
  if (&review != &Review) Review = review;
  TableAfter = tableAfterDiscard;
  AskChances();
  // Which moves the figures shown allow: farther hands get fewer.
  if (const TMjChanceTable* table = Chances(); table && !Head.isEmpty())
    Head += QStringLiteral("  ") + tr("（%1）").arg(TModelChoice::Name(table->Extra));
  AddChanceTexts();
  Refresh();
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
  Refresh();
}

const TPairiDlg::TKnown* TPairiDlg::KnownFor(const TMjReviewStep& step) const {
  if (step.Draw < 1 || step.Draw > DealLimit) return nullptr;
  const TKnown& known = Known[static_cast<std::size_t>(step.Draw)];
  return known.Have && known.Decision == step.Decision() ? &known : nullptr;
}

const TMjChanceTable* TPairiDlg::Chances() const {
  if (Review.Steps.empty() || Shown.Stage == TMjPairiStage::None) return nullptr;
  const TKnown* known = KnownFor(Review.Steps.back());
  return known ? &known->Table : nullptr;
}

void TPairiDlg::AskChances() {
  TooFar = false;
  if (Review.Steps.empty()) {
    Job->Cancel();
    return;
  }
  const TMjReviewStep& last = Review.Steps.back();
  if (KnownFor(last) != nullptr) return;
  if (last.Table.Shanten > TChanceJob::MaxShanten || last.Draw > DealLimit) {
    TooFar = last.Table.Shanten > TChanceJob::MaxShanten;
    Job->Cancel();
    return;
  }
  const TMjDecision decision = last.Decision();
  if (Job->Computing(decision)) return;
  Known[static_cast<std::size_t>(last.Draw)] = TKnown{decision, {}, false};
  Job->Request(last.Draw, decision);
}

void TPairiDlg::ChancesDone(int draw, const TMjChanceTable& table) {
  TKnown& known = Known[static_cast<std::size_t>(draw)];
  known.Table = table;
  known.Have = true;
  ShowPairi(Review, TableAfter);
}

// A step judged by win chance has its figures in the verdict; the farther
// ones count once their chances are known. A discard after the win is none.
std::optional<std::pair<double, double>> TPairiDlg::WinFigures(const TMjReviewStep& step) const {
  if (!step.Judged()) return {};
  if (step.Verdict.Basis == TMjBasis::Win) return std::pair{step.Verdict.ChosenWin, step.Verdict.BestWin};
  const TKnown* known = KnownFor(step);
  const TMjChance* chosen = known ? ChanceOf(known->Table, step.DiscardKind) : nullptr;
  if (!chosen) return {};
  return std::pair{chosen->Win, BestDiscardWin(known->Table)};
}

double TPairiDlg::WinLost() const {
  double lost = 0.0;
  for (const TMjReviewStep& step : Review.Steps)
    if (const auto figures = WinFigures(step); figures && !step.Verdict.Raised)
      lost += figures->second - figures->first;
  return lost;
}

int TPairiDlg::WinJudged() const {
  int judged = 0;
  for (const TMjReviewStep& step : Review.Steps) judged += WinFigures(step) && !step.Verdict.Raised ? 1 : 0;
  return judged;
}

void TPairiDlg::AddChanceTexts() {
  // The step judged is the last one with a discard: the one before a decision still waiting.
  const auto judged = std::find_if(Review.Steps.rbegin(), Review.Steps.rend(),
                                   [](const TMjReviewStep& step) { return step.Discarded(); });
  if (Judged >= 0 && judged != Review.Steps.rend() && judged->Judged()) {
    const TKnown* known = KnownFor(*judged);
    const auto figures = WinFigures(*judged);
    // A discard that raised the shanten has no chance of its own: a dash.
    if (figures && !judged->Verdict.Raised)
      Judgement += tr("  和了率 %1 / 最善 %2").arg(ChancePercent(figures->first), ChancePercent(figures->second));
    else if (figures || known)
      Judgement +=
          tr("  和了率 %1 / 最善 %2")
              .arg(QStringLiteral("-"), ChancePercent(figures ? figures->second : BestDiscardWin(known->Table)));
  }
  if (!Summary.isEmpty()) Summary << tr("和了率の損失 %1（%2 打）").arg(ChancePercent(WinLost())).arg(WinJudged());
}

void TPairiDlg::PaintChances(QPainter& painter, int row, const TMjDiscard& discard) {
  const TMjChanceTable* table = Chances();
  if (table == nullptr) return;
  const TMjChance* chance = ChanceOf(*table, discard.Kind);
  const QRect ready(ChanceLeft, TableTop + row * H, ChanceWidth, H);
  const QRect win = ready.translated(ChanceWidth, 0);
  const QRect points = win.translated(ChanceWidth, 0);
  if (chance == nullptr) {
    for (const QRect& cell : {ready, win, points})
      painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("-"));
    return;
  }
  painter.drawText(ready, Qt::AlignRight | Qt::AlignVCenter, ChancePercent(chance->Ready));
  painter.drawText(points, Qt::AlignRight | Qt::AlignVCenter, PointsText(chance->Points));
  const bool best = chance->Win > 0 && KeepsBestWin(chance->Win, BestDiscardWin(*table));
  const QPen pen = painter.pen();
  if (best) {
    // The best discard by win chance: its figure framed in the sheet's yellow.
    painter.setPen(Yellow);
    painter.drawRect(win.adjusted(2, 2, -1, -3));
  }
  painter.drawText(win.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, ChancePercent(chance->Win));
  painter.setPen(pen);
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
  painter.fillRect(QRect(0, 0, ClientWidth, ClientHeight), background);
  painter.setFont(PGothicFont(HeadPixels));
  painter.setPen(Qt::white);
  painter.drawText(QRect(Margin, Margin, ClientWidth - 2 * Margin, HeadHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Head);
  painter.setFont(PGothicFont(TextPixels));
  if (Shown.Stage != TMjPairiStage::None && !Shown.TableHidden) {
    const QRect heads(ChanceLeft, Margin, ChanceColumns * ChanceWidth, HeadHeight);
    if (TooFar)
      painter.drawText(heads.adjusted(-CountWidth - 40, 0, 0, 0), Qt::AlignRight | Qt::AlignVCenter,
                       tr("5向聴以上は受け入れのみ"));
    else if (Chances() == nullptr)
      painter.drawText(heads, Qt::AlignRight | Qt::AlignVCenter, tr("計算中…"));
    else {
      painter.drawText(QRect(ChanceLeft, Margin, ChanceWidth, HeadHeight), Qt::AlignRight | Qt::AlignVCenter,
                       tr("聴牌率"));
      painter.drawText(QRect(ChanceLeft + ChanceWidth, Margin, ChanceWidth - 3, HeadHeight),
                       Qt::AlignRight | Qt::AlignVCenter, tr("和了率"));
      painter.drawText(QRect(ChanceLeft + 2 * ChanceWidth, Margin, ChanceWidth, HeadHeight),
                       Qt::AlignRight | Qt::AlignVCenter, tr("期待値"));
    }
  }

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
    painter.drawText(QRect(ChanceLeft - 4 - CountWidth, line.top(), CountWidth, H),
                     Qt::AlignRight | Qt::AlignVCenter, tr("%1枚").arg(row.Count));
    PaintChances(painter, i, row);
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
  const int top = ScoreTopNow();
  auto line = [&](int n, int left, int w) { return QRect(left, top + n * LineHeight, w, LineHeight); };
  painter.setPen(Yellow);
  painter.drawText(line(0, Margin, width), Qt::AlignLeft | Qt::AlignVCenter, ScoreHead);
  painter.setPen(Qt::white);
  // The yaku down the first column, then the second.
  for (int i = 0; i < Yaku.size() && i < 2 * YakuRows; ++i)
    painter.drawText(line(1 + i % YakuRows, Margin + (i / YakuRows) * width / 2, width / 2),
                     Qt::AlignLeft | Qt::AlignVCenter, Yaku[i]);
  const int fuTop = top + (1 + YakuRows) * LineHeight;
  if (ScoreFoot.size() > 1)
    painter.drawText(QRect(Margin, fuTop, width, FuLines * LineHeight), Qt::AlignLeft | Qt::TextWordWrap,
                     ScoreFoot.front());
  painter.drawText(line(1 + YakuRows + FuLines, Margin, width), Qt::AlignLeft | Qt::AlignVCenter, ScoreFoot.back());
}

std::vector<TSide> TPairiDlg::Sides() const {
  return {TSide::Right, TSide::Left, TSide::Below, TSide::Above};
}
