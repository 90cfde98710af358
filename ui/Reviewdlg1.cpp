#include "ui/Boarddlg1.h"
#include "ui/Reviewdlg1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/Mjwin1.h"
#include "ui/Frarea1.h"
#include "ui/Pairidlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Tchance1.h"
#include "ui/Tposition1.h"
#include "ui/Tscore1.h"
#include "ui/Tlook1.h"
#include "ui/Twords1.h"

namespace {

constexpr int TableWidth = 620;
constexpr int TableColumns = 8;
constexpr int TableHeight = 260;
constexpr int RowHeight = 24;
const QColor ColumnTint(255, 230, 0, 90);  // over the step's column of the viewer's sheet
const QColor ColumnEdge(255, 200, 0);
constexpr int ColumnEdgeWidth = 2;
const QColor ChosenRowBackground(255, 220, 220);
const QColor BestRowText(0, 120, 0);

// The mark over the viewer's sheet: the column of the step shown, tinted.
class TColumnMark : public QWidget {
public:
  using QWidget::QWidget;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ColumnTint);
    painter.fillRect(QRect(0, 0, ColumnEdgeWidth, height()), ColumnEdge);
    painter.fillRect(QRect(width() - ColumnEdgeWidth, 0, ColumnEdgeWidth, height()), ColumnEdge);
  }
};

QString KindName(int kind) { return KindWords(kind); }

std::vector<int> KindCodes(TKindMask kinds) {
  std::vector<int> codes;
  for (int k = 0; k < KindCount; ++k)
    if (kinds >> k & 1) codes.push_back(KindCode(k));
  return codes;
}

// The kinds whose discard is as good as the best, "1m・4m".
QString BestNames(const TMjReviewStep& step) {
  QStringList names;
  for (const TMjDiscard& d : step.Table.Discards)
    if (AsGoodAsBest(d, step.Best())) names << KindName(d.Kind);
  return names.join(TReviewDlg::tr("・"));
}

}  // namespace

QString CodeName(int code) {
  const int kind = CodeKind(code);
  return kind >= 0 ? KindName(kind) : QString::number(code);
}

QString ReviewErrorText(TMjReviewError error, int step, int code) {
  const QString at = DrawName(step);
  switch (error) {
    case TMjReviewError::BadCode:
      return TReviewDlg::tr("%1: 牌でないコード %2 があります。").arg(at, QString::number(code));
    case TMjReviewError::Gap:
      return TReviewDlg::tr("%1: 空いた欄の後に %2 があります。").arg(at, CodeName(code));
    case TMjReviewError::ShortDeal: return TReviewDlg::tr("配牌が13枚ではありません。");
    case TMjReviewError::FifthCopy: return TReviewDlg::tr("%1: %2 が5枚目です。").arg(at, CodeName(code));
    case TMjReviewError::DiscardNotHeld:
      return TReviewDlg::tr("%1: 手牌にない %2 を捨てています。").arg(at, CodeName(code));
    case TMjReviewError::RowsDisagree: return TReviewDlg::tr("%1: ツモと捨牌の数が合いません。").arg(at);
    case TMjReviewError::None: break;
  }
  return {};
}

TReviewDlg::TReviewDlg(TFrMjSheet* sheet, QWidget* parent) : TTileDlg(parent), Sheet(sheet) {
  setWindowTitle(CaptionText(tr("検討")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  AddEditMenu(
      bar, this,
      [this] {
        TMjPosition p;
        if (Step < 0) return p;
        const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(Step)];
        p.Hand = step.Hand;
        p.DrawnKind = step.DrawnKind;
        p.Seen = step.Seen;
        p.DrawsLeft = DealDraws - step.Draw;
        const TMjSituation winds = TScoreText::RememberedWinds();
        p.SeatWind = winds.SeatWind;
        p.RoundWind = winds.RoundWind;
        return p;
      },
      // What the window shows under its menu bar.
      [this, bar] { return grab(QRect(0, bar->height(), width(), height() - bar->height())).toImage(); },
      [this] { return OwnBoard(this, Board); });

  auto* body = new QWidget(this);
  layout()->addWidget(body);
  MakeResizable();  // its table gives up rows on a short screen
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
  column->setSpacing(LineGap);

  LbMessage = new QLabel(body);
  LbMessage->setStyleSheet(TextColorStyle(WrongColor));
  LbMessage->setWordWrap(true);
  LbSummary = new QLabel(body);
  LbWin = new QLabel(body);
  LbWin->setWordWrap(true);
  LbWin->setMaximumWidth(TableWidth);
  LbStep = new QLabel(body);
  FrHand = new TFrTileRow(FrMjPai1, HandSlots, body);
  LbJudge = new QLabel(body);
  LbJudge->setWordWrap(true);
  LbJudge->setMinimumHeight(2 * fontMetrics().height());
  LbChance = new QLabel(body);
  LbChance->setWordWrap(true);
  LbChance->setMaximumWidth(TableWidth);
  Table = MakeDiscardTable(
      body, {tr("打牌"), tr("向聴"), tr("有効牌"), tr("枚数"), tr("聴牌率"), tr("和了率"), tr("期待値"), tr("評価")},
      QSize(TableWidth, TableHeight), RowHeight);
  Table->setToolTip(
      tr("聴牌率・和了率: 最後のツモ（18 巡目）までに聴牌する・和了する確率。\n"
         "一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 自分の捨て牌）はどれも同じ確からしさで来る。\n"
         "打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 > 確率のモデルで選んだ手数まで数える\n"
         "（遠い手では時間内に計算できる手数まで下げ、和了率の行にそのモデルを示す）。\n"
         "期待値: 和了の点数 × その確率の和。評価は和了率による。\n"
         "4 向聴より遠い手は受け入れだけを示す。"));
  LbEffective = new QLabel(body);
  FrEffective = new TFrTileRow(FrMjPai1, KindCount / 2, body);

  auto* buttons = new QHBoxLayout;
  BnFirst = new QPushButton(tr("最初 (Home)"), body);
  BnPrevious = new QPushButton(tr("← 前"), body);
  BnNext = new QPushButton(tr("次 →"), body);
  BnLast = new QPushButton(tr("最後 (End)"), body);
  BnNotBest = new QPushButton(tr("次の悪手 (N)"), body);
  for (QPushButton* b : {BnFirst, BnPrevious, BnNext, BnLast, BnNotBest}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  ConnectHandler(BnFirst, &QPushButton::clicked, this, [this] { FirstStep(); });
  ConnectHandler(BnPrevious, &QPushButton::clicked, this, [this] { PreviousStep(); });
  ConnectHandler(BnNext, &QPushButton::clicked, this, [this] { NextStep(); });
  ConnectHandler(BnLast, &QPushButton::clicked, this, [this] { LastStep(); });
  ConnectHandler(BnNotBest, &QPushButton::clicked, this, [this] { NextNotBest(); });

  column->addWidget(LbMessage);
  column->addWidget(LbSummary);
  column->addWidget(LbWin);
  column->addWidget(LbStep);
  column->addWidget(FrHand);
  column->addWidget(LbJudge);
  column->addWidget(LbChance);
  column->addWidget(Table);
  column->addWidget(LbEffective);
  column->addWidget(FrEffective);
  column->addLayout(buttons);

  Job = new TChanceJob(this);
  connect(Job, &TChanceJob::Done, this, &TReviewDlg::ChancesDone);
  // Another model: every step judged again, the chances asked again.
  ConnectHandler(&TModelChoice::Instance(), &TModelChoice::Changed, this, [this] {
    if (Review.Steps.empty()) return;
    Job->Cancel();
    Review.Rejudge(TModelChoice::Model());
    KnowVerdictChances();
    LbSummary->setText(SummaryText(Review));
    const int step = Step;
    Step = -1;
    ShowStep(step < 0 ? 0 : step);
  });

  ColumnMark = new TColumnMark(Sheet);
  ColumnMark->setAttribute(Qt::WA_TransparentForMouseEvents);
  ColumnMark->hide();
  ShowNothing(tr("牌譜を開いてください。"));
}

void TReviewDlg::SetRecord(const TCodeGrid& codes, bool loaded) {
  Review = {};
  Known.clear();
  Job->Cancel();
  if (!loaded) {
    ShowNothing(tr("牌譜を開いてください。"));
    return;
  }
  Review = ReviewRecord(codes, TModelChoice::Model());
  KnowVerdictChances();
  if (Review.Ok()) {
    LbMessage->hide();
  } else {
    // The steps before the fault are still reviewed.
    LbMessage->setText(tr("この牌譜は内容が合いません。") + QLatin1Char(' ') +
                       ReviewErrorText(Review.Error, Review.ErrorStep, Review.ErrorCode));
    LbMessage->show();
  }
  LbSummary->setText(SummaryText(Review));
  const QString win = WinText(Review, TScoreText::RememberedWinds());
  LbWin->setText(win);
  LbWin->setVisible(!win.isEmpty());
  if (Review.Steps.empty()) {
    Step = -1;
    FrHand->SetCodes({});
    LbStep->clear();
    LbJudge->clear();
    LbChance->clear();
    Table->setRowCount(0);
    LbEffective->clear();
    FrEffective->SetCodes({});
    MarkColumn(-1);
    return;
  }
  Step = -1;
  ShowStep(0);
}

// A step judged by win chance brings its chances with its verdict.
void TReviewDlg::KnowVerdictChances() {
  Known.assign(Review.Steps.size(), std::nullopt);
  for (std::size_t i = 0; i < Review.Steps.size(); ++i) {
    const TMjReviewStep& step = Review.Steps[i];
    if (step.Verdict.Basis != TMjBasis::Win) continue;
    TMjChanceTable table;
    table.Shanten = step.Table.Shanten;
    table.Discards = step.Verdict.Chances;
    table.Win = step.Verdict.BestWin;
    table.Extra = step.Verdict.Extra;
    for (const TMjChance& c : table.Discards)
      if (c.Counted) table.Ready = std::max(table.Ready, c.Ready);
    Known[i] = std::move(table);
  }
}

void TReviewDlg::ShowNothing(const QString& message) {
  Review = {};
  Known.clear();
  Job->Cancel();
  Step = -1;
  LbMessage->setText(message);
  LbMessage->show();
  LbSummary->clear();
  LbWin->clear();
  LbWin->hide();
  LbStep->clear();
  FrHand->SetCodes({});
  LbJudge->clear();
  LbChance->clear();
  Table->setRowCount(0);
  LbEffective->clear();
  FrEffective->SetCodes({});
  MarkColumn(-1);
}

QString TReviewDlg::SummaryText(const TMjReview& review) {
  const int ready = review.FirstReadyDraw();
  // Without a discard judged there is no efficiency to show, not a perfect one.
  const QString efficiency =
      review.Decisions() ? QString::number(review.Efficiency(), 'f', 1) + QLatin1Char('%') : tr("—");
  QString text = tr("効率 %1　最善 %2/%3　初聴牌 %4")
                     .arg(efficiency)
                     .arg(review.BestChoices())
                     .arg(review.Decisions())
                     .arg(ready < 0 ? tr("なし") : DrawName(ready));
  if (review.WinDraw() >= 0) text += tr("　ツモ和了 %1").arg(DrawName(review.WinDraw()));
  return text;
}

// The record keeps no winds: the win is valued under the practice window's, and says so.
QString TReviewDlg::WinText(const TMjReview& review, const TMjSituation& winds) {
  const TMjScore score = DealScore(review, winds);
  if (!score.Complete()) return {};
  const TMjReading& r = score.BestReading();
  QStringList lines;
  lines << tr("%1のツモ和了（%2とみなす）: %3")
               .arg(DrawName(review.WinDraw()), TScoreText::Winds(winds), TScoreText::YakuLines(r).join(tr("、")));
  const QString fu = TScoreText::FuLine(r);
  if (!fu.isEmpty()) lines << fu;
  lines << TScoreText::TotalLine(r);
  return lines.join(QLatin1Char('\n'));
}

QString TReviewDlg::JudgeText(const TMjReviewStep& step) {
  QString text;
  if (step.Won()) text = tr("ツモ和了の形です。");
  if (!step.Discarded()) return Sentences(text, tr("この巡目の打牌は記録されていません。"));
  if (!step.Judged()) return Sentences(text, tr("和了の後の打牌は評価しません。"));
  const TMjDiscard& chosen = step.Chosen();
  const TMjDiscard& best = step.Best();
  const TMjVerdict& v = step.Verdict;
  if (v.Basis == TMjBasis::Win) {
    if (!v.Mistake) return Sentences(text, tr("◎ 和了率で最善の打牌です（和了率 %1）。").arg(ChancePercent(v.ChosenWin)));
    return Sentences(text, tr("× 打牌 %1 の和了率は %2。最善の %3 なら %4。")
                               .arg(KindName(chosen.Kind), v.Raised ? QStringLiteral("-") : ChancePercent(v.ChosenWin),
                                    KindName(v.BestKind), ChancePercent(v.BestWin)));
  }
  if (!v.Mistake) return Sentences(text, tr("◎ 最善の打牌です（有効牌 %1枚）。").arg(chosen.Count));
  if (step.RaisedShanten())
    return Sentences(text, tr("× 打牌 %1 は向聴数を戻します。最善は %2（%3、有効牌 %4枚）。")
                               .arg(KindName(chosen.Kind), BestNames(step), ShantenWords(best.Shanten))
                               .arg(best.Count));
  return Sentences(text, tr("△ 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。")
                             .arg(KindName(chosen.Kind))
                             .arg(chosen.Count)
                             .arg(BestNames(step))
                             .arg(best.Count));
}

void TReviewDlg::ShowStep(int index) {
  const int count = static_cast<int>(Review.Steps.size());
  if (count == 0) return;
  Step = std::clamp(index, 0, count - 1);
  const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(Step)];

  LbStep->setText(tr("%1 / %2　ツモ %3").arg(DrawName(step.Draw)).arg(count).arg(KindName(step.DrawnKind)));
  // The 13 tiles held before the draw in order, then the tile drawn.
  std::vector<int> codes;
  TKindCounts held = step.Hand;
  --held[static_cast<std::size_t>(step.DrawnKind)];
  for (int k = 0; k < KindCount; ++k)
    for (int n = 0; n < held[static_cast<std::size_t>(k)]; ++n) codes.push_back(KindCode(k));
  codes.push_back(KindCode(step.DrawnKind));
  FrHand->SetCodes(codes);
  if (step.Discarded()) {
    const int code = KindCode(step.DiscardKind);
    // A discard of the drawn kind is taken to be the drawn tile, as the viewer's arrow does.
    int cell = DrawSlot;
    if (step.DiscardKind != step.DrawnKind) cell = static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
    FrHand->SetMark(cell, TFrTileRow::TMark::Chosen);
  }
  LbJudge->setText(JudgeText(step));
  LbChance->setText(ChanceText(Step));
  FillTable(step);
  AskChances();

  const TMjDiscard& shown = step.Discarded() ? step.Chosen() : step.Best();
  LbEffective->setText(tr("打牌 %1 の後の有効牌: %2種 %3枚（自分の手牌と捨牌を除く）")
                           .arg(KindName(shown.Kind))
                           .arg(static_cast<int>(KindCodes(shown.Kinds).size()))
                           .arg(shown.Count));
  FrEffective->SetCodes(KindCodes(shown.Kinds));
  MarkColumn(step.Draw - 1);
}

void TReviewDlg::FillTable(const TMjReviewStep& step) {
  Table->setRowCount(static_cast<int>(step.Table.Discards.size()));
  const QImage& sheet = FrMjPai1->Image1->Canvas();
  const TMjChanceTable* chances = ChancesOf(Step);
  const bool tooFar = step.Table.Shanten > TChanceJob::MaxShanten;
  int row = 0;
  for (const TMjDiscard& d : step.Table.Discards) {
    const bool best = AsGoodAsBest(d, step.Best());
    const bool chosen = step.Discarded() && d.Kind == step.DiscardKind;
    const bool bestWin = step.Verdict.Basis == TMjBasis::Win && step.Verdict.IsBestKind(step.Table, d.Kind);
    QStringList marks;
    if (best) marks << tr("◎最善");
    if (bestWin) marks << tr("◎和了率");
    if (chosen) marks << tr("← 打牌");
    // A discard that raised the shanten has no chance of its own: a dash.
    QString ready = tooFar ? QString() : tr("計算中…");
    QString win = ready;
    QString points = ready;
    if (chances) {
      const TMjChance* c = ChanceOf(*chances, d.Kind);
      ready = c ? ChancePercent(c->Ready) : QStringLiteral("-");
      win = c ? ChancePercent(c->Win) : QStringLiteral("-");
      points = c ? PointsText(c->Points) : QStringLiteral("-");
    }
    const QString cells[] = {
        KindName(d.Kind), ShantenWords(d.Shanten),     KindsWords(d.Kinds), QString::number(d.Count), ready, win,
        points,           marks.join(QLatin1Char(' '))};
    for (int col = 0; col < TableColumns; ++col) {
      auto* item = new QTableWidgetItem(cells[col]);
      if (col == 0)
        item->setIcon(QIcon(QPixmap::fromImage(sheet.copy(FrMjPai1->GetCodeParts(KindCode(d.Kind)).Rect()))));
      if (col == 1 || col == 3) item->setTextAlignment(Qt::AlignCenter);
      if (col >= 4 && col <= 6) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (chosen) item->setBackground(ChosenRowBackground);
      if (best) item->setForeground(BestRowText);
      Table->setItem(row, col, item);
    }
    ++row;
  }
  for (int col : {0, 1, 3, 4, 5, 6, 7}) Table->resizeColumnToContents(col);
}

const TMjChanceTable* TReviewDlg::ChancesOf(int index) const {
  if (index < 0 || index >= static_cast<int>(Known.size())) return nullptr;
  const std::optional<TMjChanceTable>& known = Known[static_cast<std::size_t>(index)];
  return known ? &*known : nullptr;
}

bool TReviewDlg::LostWin(int index) const {
  const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(index)];
  return step.Mistake() && step.Verdict.Basis == TMjBasis::Win;
}

// The verdict of each step says what a mistake is: N never waits for a computation.
void TReviewDlg::NextNotBest() {
  const int next = Review.NextNotBest(Step);
  if (next >= 0) ShowStep(next);
}

QString TReviewDlg::ChanceText(int index) const {
  // The line ends naming the model its figures allow.
  const auto model = [](int extra) { return QLatin1Char(' ') + tr("［%1］").arg(TModelChoice::Name(extra)); };
  const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(index)];
  if (step.AfterWin) return {};
  if (step.Judged() && step.Verdict.Basis == TMjBasis::Win) {
    const TMjVerdict& v = step.Verdict;
    return tr("和了率 %1 / 最善 %2（損失 %3）")
               .arg(v.Raised ? QStringLiteral("-") : ChancePercent(v.ChosenWin), ChancePercent(v.BestWin),
                    ChancePercent(v.LostWin())) +
           model(v.Extra);
  }
  if (step.Table.Shanten > TChanceJob::MaxShanten) return tr("4 向聴より遠い手は受け入れだけを示します。");
  const TMjChanceTable* chances = ChancesOf(index);
  if (!chances) return tr("和了率 計算中…");
  const double best = BestDiscardWin(*chances);
  if (!step.Discarded())
    return tr("和了率 最善 %1").arg(ChancePercent(best)) + model(chances->Extra);
  const TMjChance* chosen = ChanceOf(*chances, step.DiscardKind);
  const QString kept = chosen ? ChancePercent(chosen->Win) : QStringLiteral("-");
  const QString lost = ChancePercent(best - (chosen ? chosen->Win : 0.0));
  return tr("和了率 %1 / 最善 %2（損失 %3）").arg(kept, ChancePercent(best), lost) + model(chances->Extra);
}

// The step shown is computed first, then every other step in order, one at a
// time, so that N can judge the whole deal by its win chances.
void TReviewDlg::AskChances() {
  if (!isVisible()) return;
  const auto wanted = [this](int i) {
    const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(i)];
    return !ChancesOf(i) && !step.AfterWin && step.Table.Shanten <= TChanceJob::MaxShanten && step.Draw <= DealLimit;
  };
  int next = -1;
  if (Step >= 0 && wanted(Step)) next = Step;
  for (int i = 0; next < 0 && i < static_cast<int>(Review.Steps.size()); ++i)
    if (wanted(i)) next = i;
  if (next < 0) return;
  const TMjReviewStep& step = Review.Steps[static_cast<std::size_t>(next)];
  if (Job->Computing(step.Decision())) return;
  Job->Request(step.Draw, step.Decision());
}

void TReviewDlg::ChancesDone(int draw, const TMjChanceTable& table) {
  for (std::size_t i = 0; i < Review.Steps.size(); ++i)
    if (Review.Steps[i].Draw == draw) Known[i] = table;
  if (Step >= 0 && Review.Steps[static_cast<std::size_t>(Step)].Draw == draw) {
    LbChance->setText(ChanceText(Step));
    FillTable(Review.Steps[static_cast<std::size_t>(Step)]);
  }
  AskChances();
}

void TReviewDlg::MarkColumn(int column) {
  if (column < 0 || !isVisible()) {
    ColumnMark->hide();
    return;
  }
  ColumnMark->setGeometry(column * TFrMjPai::PaiWidth, 0, TFrMjPai::PaiWidth,
                          TFrMjSheet::SheetRows * TFrMjPai::PaiHeight);
  ColumnMark->raise();
  ColumnMark->show();
}

void TReviewDlg::keyReleaseEvent(QKeyEvent* event) {
  Repeats.Release(*event);
  TTileDlg::keyReleaseEvent(event);
}

// The arrows, Home and End step on while held; a held N jumps once.
void TReviewDlg::keyPressEvent(QKeyEvent* event) {
  const bool repeat = Repeats.Press(*event);
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Left: PreviousStep(); return;
      case Qt::Key_Right: NextStep(); return;
      case Qt::Key_Home: FirstStep(); return;
      case Qt::Key_End: LastStep(); return;
      case Qt::Key_N:
        if (!repeat) NextNotBest();
        return;
      default: break;
    }
  }
  TTileDlg::keyPressEvent(event);
}

void TReviewDlg::showEvent(QShowEvent* event) {
  TTileDlg::showEvent(event);
  if (Step >= 0) {
    MarkColumn(Review.Steps[static_cast<std::size_t>(Step)].Draw - 1);
    AskChances();
  }
}

// A closed review computes nothing; showing it again goes on where it stopped.
void TReviewDlg::hideEvent(QHideEvent* event) {
  Job->Cancel();
  ColumnMark->hide();
  if (Board) Board->hide();
  TTileDlg::hideEvent(event);
}
