#include "ui/Boarddlg1.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/Mjscore1.h"
#include "game/Mjreview1.h"
#include "ui/Frparts1.h"
#include "ui/Frtilerow1.h"
#include "ui/Tapplication1.h"
#include "ui/Tfonts1.h"
#include "ui/Tchance1.h"
#include "ui/Tlook1.h"
#include "ui/Tposition1.h"
#include "ui/Tscore1.h"
#include "ui/Twords1.h"

namespace {

const QColor BestRowText(0x80, 0x60, 0x00);

QString KindName(int kind) { return QString::fromStdString(KindText(kind)); }

std::vector<int> KindCodes(TKindMask kinds) {
  std::vector<int> codes;
  for (int k = 0; k < KindCount; ++k)
    if (kinds & (TKindMask{1} << k)) codes.push_back(KindCode(k));
  return codes;
}

// Copies left to count effective tiles against: the seen ones, and in a
// one-suit wall every copy of the other suits.
TKindCounts CountedSeen(const TMjPosition& p) {
  TKindCounts seen = p.Seen;
  if (p.OneSuit)
    for (int k = 9; k < KindCount; ++k) seen[static_cast<std::size_t>(k)] = 4;
  return seen;
}

}  // namespace

QString ChanceFigures(const TMjChanceTable& table, int tiles) {
  auto fraction = [](double p) { return QString::number(p, 'f', 4); };
  QString out = QString::number(table.Shanten) + QLatin1Char('\t');
  if (tiles == 13) return out + fraction(table.Ready) + QLatin1Char('\t') + fraction(table.Win);
  QStringList fields;
  for (const TMjChance& c : table.Discards)
    fields << KindName(c.Kind) + QLatin1Char(':') + QString::number(c.Shanten) + QLatin1Char(':') +
                  (c.Counted ? fraction(c.Ready) + QLatin1Char(':') + fraction(c.Win) : QStringLiteral("-:-"));
  return out + fields.join(QLatin1Char(' '));
}

bool SameChances(const TMjPosition& a, const TMjPosition& b) {
  return a.Hand == b.Hand && a.Seen == b.Seen && a.OneSuit == b.OneSuit && a.DrawsLeft == b.DrawsLeft &&
         a.SeatWind == b.SeatWind && a.RoundWind == b.RoundWind;
}

TBoardDlg::TBoardDlg(QWidget* parent) : TTileDlg(parent) {
  // A window of its own, beside the one it came from.
  setWindowFlag(Qt::Window);
  setWindowTitle(CaptionText(tr("何切る")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  MainMenu1 = new QMenuBar(this);
  layout()->setMenuBar(MainMenu1);

  Body = new QWidget(this);
  layout()->addWidget(Body);
  auto* column = new QVBoxLayout(Body);
  column->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
  column->setSpacing(LineGap);

  LbHand = new QLabel(Body);
  FrHand = new TFrTileRow(FrMjPai1, HandSlots, Body);
  auto* fields = new QGridLayout;
  EdHand = new QLineEdit(Body);
  EdHand->setToolTip(
      tr("手牌 13 枚か 14 枚（14 枚なら最後の牌がツモ）。例 123m456p789s1122z3z\n"
         "組の間の空白、0（赤五、5 として読む）、全角、字牌の E S W N P F C（東南西北白發中）も使えます。"));
  SpDraws = new QSpinBox(Body);
  SpDraws->setRange(0, DealDraws);
  SpDraws->setValue(FreshDraws);
  SpDraws->setToolTip(tr("この打牌の後に残るツモの回数（1 巡目の打牌なら 17）"));
  EdSeen = new QLineEdit(Body);
  EdSeen->setToolTip(tr("見えた牌（自分と他家の捨て牌など）。見えた牌は山から除きます。例 19m5z"));
  CbOneSuit = new QCheckBox(tr("清一色の山（萬子のみ）"), Body);
  CbSeat = new QComboBox(Body);
  CbRound = new QComboBox(Body);
  for (int w = 0; w < 4; ++w) {
    CbSeat->addItem(TScoreText::Wind(w));
    CbRound->addItem(TScoreText::Wind(w));
  }
  auto label = [&](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, Body);
    l->setBuddy(buddy);
    return l;
  };
  fields->addWidget(label(tr("手牌(&H)"), EdHand), 0, 0);
  fields->addWidget(EdHand, 0, 1, 1, 7);
  fields->addWidget(label(tr("残りツモ(&D)"), SpDraws), 1, 0);
  fields->addWidget(SpDraws, 1, 1);
  fields->addWidget(label(tr("自風"), CbSeat), 1, 2);
  fields->addWidget(CbSeat, 1, 3);
  fields->addWidget(label(tr("場風"), CbRound), 1, 4);
  fields->addWidget(CbRound, 1, 5);
  fields->addWidget(CbOneSuit, 1, 6, 1, 2);
  fields->addWidget(label(tr("見えた牌(&S)"), EdSeen), 2, 0);
  fields->addWidget(EdSeen, 2, 1, 1, 7);
  FrSeen = new TFrTileRow(FrMjPai1, SeenColumns, Body);
  FrSeen->setToolTip(tr("見えた牌。クリックした牌を見えた牌から戻します。"));
  FrPicker = new TFrTileRow(FrMjPai1, KindCount / 2, Body);
  FrPicker->setToolTip(tr("クリックした牌を見えた牌に加えます。"));
  std::vector<int> kinds;
  kinds.reserve(KindCount);
  for (int k = 0; k < KindCount; ++k) kinds.push_back(KindCode(k));
  FrPicker->SetCodes(kinds);
  FrPicker->OnCellClick = [this](int cell) { ChangeSeen(cell, +1); };
  FrSeen->OnCellClick = [this](int cell) {
    const std::vector<int>& codes = FrSeen->Codes();
    if (cell >= 0 && cell < static_cast<int>(codes.size()))
      ChangeSeen(CodeKind(codes[static_cast<std::size_t>(cell)]), -1);
  };
  LbNote = new QLabel(Body);
  LbNote->setWordWrap(true);
  LbHead = new QLabel(Body);
  LbHead->setFont(PGothicFont(HeadPixels));
  Table = MakeDiscardTable(
      Body, {tr("打牌"), tr("向聴"), tr("有効牌"), tr("枚数"), tr("聴牌率"), tr("和了率"), tr("期待値"), QString()},
      QSize(TableWidth, TableHeight), RowHeight);
  Table->setToolTip(
      tr("聴牌率・和了率: 残りツモのうちに聴牌する・和了する確率。\n"
         "一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 見えた牌）はどれも同じ確からしさで来る。\n"
         "打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 > 確率のモデルで選んだ手数まで数える\n"
         "（遠い手では時間内に計算できる手数まで下げ、見出しにそのモデルを示す）。\n"
         "期待値: 和了の点数（門前清自摸和を含む、この盤の自風・場風）× その確率の和。\n"
         "清一色の山では萬子だけが来る。4 向聴より遠い手は受け入れだけを示す。"));
  LbKinds = new QLabel(Body);
  FrKinds = new TFrTileRow(FrMjPai1, KindCount / 2, Body);
  LbScore = new QLabel(Body);
  LbScore->setWordWrap(true);
  LbScore->setMinimumWidth(TableWidth);

  column->addWidget(LbHand);
  column->addWidget(FrHand);
  column->addLayout(fields);
  column->addWidget(FrSeen);
  column->addWidget(FrPicker);
  column->addWidget(LbNote);
  column->addWidget(LbHead);
  LbModel = new QLabel(Body);
  column->addWidget(LbModel);
  column->addWidget(Table);
  column->addWidget(LbKinds);
  column->addWidget(FrKinds);
  column->addWidget(LbScore);

  AddEditMenu(
      MainMenu1, this, [this] { return Current.value_or(TMjPosition{}); }, [this] { return Picture(); },
      [this] { return this; });
  TModelChoice::AddMenu(MainMenu1->addMenu(tr("表示(&V)")));

  if (const QString trace = qEnvironmentVariable("TILELAB_TRACE"); !trace.isEmpty()) {
    Trace = new QFile(trace, this);
    if (!Trace->open(QIODevice::Append | QIODevice::Text)) Trace = nullptr;
  }
  Job = new TChanceJob(this);
  connect(Job, &TChanceJob::Done, this, &TBoardDlg::ChancesDone);
  ConnectHandler(&TModelChoice::Instance(), &TModelChoice::Changed, this, [this] {
    KnownFor.reset();
    Asked.reset();
    Job->Cancel();
    ShowPosition();
  });
  for (QWidget* field : std::initializer_list<QWidget*>{EdHand, EdSeen, SpDraws}) field->installEventFilter(this);
  auto refresh = [this] {
    if (!Filling) Refresh();
  };
  connect(EdHand, &QLineEdit::textChanged, this, refresh);
  connect(EdSeen, &QLineEdit::textChanged, this, refresh);
  connect(SpDraws, &QSpinBox::valueChanged, this, refresh);
  connect(CbOneSuit, &QCheckBox::toggled, this, refresh);
  connect(CbSeat, &QComboBox::currentIndexChanged, this, refresh);
  connect(CbRound, &QComboBox::currentIndexChanged, this, refresh);
  Refresh();
}

TBoardDlg::~TBoardDlg() = default;

void TBoardDlg::SetPosition(const TMjPosition& p, int redFives) {
  Filling = true;
  EdHand->setText(QString::fromStdString(PositionText(p.Hand, p.DrawnKind)));
  EdSeen->setText(QString::fromStdString(HandText(p.Seen)));
  SpDraws->setValue(p.DrawsLeft);
  CbOneSuit->setChecked(p.OneSuit);
  CbSeat->setCurrentIndex(p.SeatWind);
  CbRound->setCurrentIndex(p.RoundWind);
  Filling = false;
  Refresh();
  RedFives = redFives;
  if (redFives > 0) LbNote->setText(tr("0（赤五）は 5 として読みました。"));
}

bool TBoardDlg::SetText(const QString& text, const QString& source) {
  return PastePosition(
      text, [this] { return this; }, source);
}

void TBoardDlg::Refresh() {
  RedFives = 0;
  LbNote->setStyleSheet(TextColorStyle(WrongColor));
  const QByteArray seenText = EdSeen->text().toUtf8();
  const TMjPositionRead seen =
      ParseSeen(std::string_view(seenText.constData(), static_cast<std::size_t>(seenText.size())));
  TMjPositionRead read = seen;
  QByteArray failed = seenText;
  QString field = tr("見えた牌");
  if (seen.Ok()) {
    TMjPosition base;
    base.Seen = seen.Position.Seen;
    base.DrawsLeft = SpDraws->value();
    base.OneSuit = CbOneSuit->isChecked();
    base.SeatWind = CbSeat->currentIndex();
    base.RoundWind = CbRound->currentIndex();
    const QByteArray handText = EdHand->text().toUtf8();
    read = ParsePosition(std::string_view(handText.constData(), static_cast<std::size_t>(handText.size())), base);
    failed = handText;
    field = tr("手牌");
  }
  if (!read.Ok()) {
    // Nothing of an earlier position stays on the board, and no answer for it can come back.
    Current.reset();
    Asked.reset();
    Job->Cancel();
    LbNote->setText(PositionErrorText(read, failed, field));
    ShowPosition();
    return;
  }
  const int red = read.RedFives + seen.RedFives;
  LbNote->setStyleSheet(QString());
  LbNote->setText(red > 0 ? tr("0（赤五）は 5 として読みました。") : QString());
  Current = read.Position;
  ShowPosition();
}

void TBoardDlg::ChangeSeen(int kind, int change) {
  if (kind < 0 || kind >= KindCount) return;
  const QByteArray text = EdSeen->text().toUtf8();
  TMjPositionRead seen = ParseSeen(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (!seen.Ok()) return;  // the field says what is wrong; a click does not write over it
  int& copies = seen.Position.Seen[static_cast<std::size_t>(kind)];
  copies = std::clamp(copies + change, 0, 4);
  EdSeen->setText(QString::fromStdString(HandText(seen.Position.Seen)));
}

const TMjChanceTable* TBoardDlg::Chances() const {
  return Current && KnownFor && SameChances(*Current, *KnownFor) ? &Known : nullptr;
}

void TBoardDlg::ShowPosition() {
  TooFar = false;
  LbKinds->clear();
  FrKinds->SetCodes({});
  LbScore->clear();
  if (!Current) {
    LbHand->setText(tr("手牌"));
    FrHand->SetCodes({});
    FrSeen->SetCodes({});
    LbHead->clear();
    Table->setRowCount(0);
    return;
  }
  const TMjPosition& p = *Current;
  const int tiles = p.Tiles();
  // 13 tiles show their effective tiles instead of a table of discards.
  Table->setVisible(tiles == 14);
  LbKinds->setVisible(tiles == 13);
  FrKinds->setVisible(tiles == 13);
  // The tiles held in order, the drawn one apart at the right.
  std::vector<int> codes;
  TKindCounts held = p.Hand;
  if (p.DrawnKind >= 0) --held[static_cast<std::size_t>(p.DrawnKind)];
  for (int k = 0; k < KindCount; ++k)
    for (int n = 0; n < held[static_cast<std::size_t>(k)]; ++n) codes.push_back(KindCode(k));
  if (p.DrawnKind >= 0) {
    codes.resize(HandSlots - 1, 0);
    codes.push_back(KindCode(p.DrawnKind));
  }
  FrHand->SetCodes(codes);
  LbHand->setText(tiles == 14 ? tr("手牌 14枚（右端がツモ %1）").arg(KindWords(p.DrawnKind)) : tr("手牌 13枚"));
  std::vector<int> seen;
  for (int k = 0; k < KindCount; ++k)
    for (int n = 0; n < p.Seen[static_cast<std::size_t>(k)]; ++n) seen.push_back(KindCode(k));
  FrSeen->SetCodes(seen);

  const int shanten = MjShanten(p.Hand);
  LbHead->setText(tr("%1  残りツモ %2回  山 %3枚%4")
                      .arg(ShantenWords(shanten))
                      .arg(p.DrawsLeft)
                      .arg(p.Wall())
                      .arg(p.OneSuit ? tr("（萬子のみ）") : QString()));
  if (tiles == 14 && shanten < 0) {
    TMjSituation winds;
    winds.SeatWind = p.SeatWind;
    winds.RoundWind = p.RoundWind;
    const TMjScore score = MjScore(p.Hand, p.DrawnKind, winds);
    if (score.Complete()) {
      const TMjReading& r = score.BestReading();
      QStringList lines{tr("ツモ和了  %1").arg(TScoreText::Winds(winds))};
      lines << TScoreText::YakuLines(r);
      if (!r.FuParts.empty()) lines << TScoreText::FuLine(r);
      lines << TScoreText::TotalLine(r);
      LbScore->setText(lines.join(QLatin1Char('\n')));
      Write(QStringLiteral("score\t%1\t%2").arg(QString::fromStdString(PositionText(p))).arg(r.Points.Total));
    }
  }

  // The chances: known, asked for, or too far from ready.
  const int from = tiles == 14 ? MjDiscards(p.Hand).Shanten : shanten;
  TooFar = from > TChanceJob::MaxShanten;
  if (TooFar) {
    Asked.reset();
    Job->Cancel();
  } else if (Chances() == nullptr && !(Asked && SameChances(*Asked, p) && Job->Busy())) {
    Asked = p;
    Job->Request(DealDraws - p.DrawsLeft, p.Decision(TModelChoice::Moves()));
  }
  FillTable();
}

void TBoardDlg::ChancesDone(int, const TMjChanceTable& table) {
  // Only an answer for the position on the board is kept: an older one never puts its hand back.
  if (!Asked || !Current || !SameChances(*Asked, *Current)) return;
  KnownFor = Asked;
  Known = table;
  Asked.reset();
  FillTable();
  Write(QStringLiteral("board\t%1\t%2")
            .arg(QString::fromStdString(PositionText(*Current)), ChanceFigures(table, Current->Tiles())));
}

void TBoardDlg::FillTable() {
  Table->setRowCount(0);
  if (!Current) return;
  const TMjPosition& p = *Current;
  const TMjChanceTable* chances = Chances();
  const QString waiting = TooFar ? QString() : tr("計算中…");
  if (chances)
    LbModel->setText(tr("確率のモデル: %1").arg(TModelChoice::Name(chances->Extra)));
  else
    LbModel->clear();
  if (p.Tiles() == 13) {
    const TMjUkeire u = MjUkeire(p.Hand, CountedSeen(p));
    QString text = (u.Shanten == 0 ? tr("待ち %1  %2枚") : tr("有効牌 %1  %2枚"))
                       .arg(KindsWords(u.Kinds))
                       .arg(u.Count);
    if (TooFar)
      text += QStringLiteral("  ") + tr("5向聴以上は受け入れのみ");
    else
      text += QStringLiteral("  ") +
              (chances ? tr("聴牌率 %1  和了率 %2").arg(ChancePercent(chances->Ready), ChancePercent(chances->Win)) +
                             QStringLiteral("  ") + tr("期待値 %1").arg(PointsText(chances->Points))
                       : waiting);
    LbKinds->setText(text);
    FrKinds->SetCodes(KindCodes(u.Kinds));
    return;
  }
  const TMjDiscardTable discards = MjDiscards(p.Hand, CountedSeen(p));
  const TMjChance* bestWin = chances ? BestWinDiscard(*chances) : nullptr;
  const QImage& sheet = FrMjPai1->Image1->Canvas();
  Table->setRowCount(static_cast<int>(discards.Discards.size()));
  int row = 0;
  for (const TMjDiscard& d : discards.Discards) {
    const bool best = AsGoodAsBest(d, discards.Discards.front());
    QString ready = TooFar ? QStringLiteral("-") : waiting;
    QString win = ready;
    QString points = ready;
    QStringList marks;
    if (best) marks << tr("◎受け入れ");
    if (chances) {
      const TMjChance* c = ChanceOf(*chances, d.Kind);
      ready = c ? ChancePercent(c->Ready) : QStringLiteral("-");
      win = c ? ChancePercent(c->Win) : QStringLiteral("-");
      points = c ? PointsText(c->Points) : QStringLiteral("-");
      if (c && bestWin && KeepsBestWin(c->Win, bestWin->Win) && bestWin->Win > 0) marks << tr("◎和了率");
    }
    const QString cells[ColumnCount] = {
        KindName(d.Kind), ShantenWords(d.Shanten),     KindsWords(d.Kinds), QString::number(d.Count), ready, win,
        points,           marks.join(QLatin1Char(' '))};
    for (int col = 0; col < ColumnCount; ++col) {
      auto* item = new QTableWidgetItem(cells[col]);
      if (col == ColKind)
        item->setIcon(QIcon(QPixmap::fromImage(sheet.copy(FrMjPai1->GetCodeParts(KindCode(d.Kind)).Rect()))));
      if (col == ColShanten || col == ColCount) item->setTextAlignment(Qt::AlignCenter);
      if (col == ColReady || col == ColWin || col == ColPoints)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (best) item->setForeground(BestRowText);
      Table->setItem(row, col, item);
    }
    ++row;
  }
  for (int col : {ColKind, ColShanten, ColCount, ColReady, ColWin, ColPoints, ColMark})
    Table->resizeColumnToContents(col);
}

// Ctrl+C in a field without a selection, and Ctrl+V of a whole position,
// are the board's own: the fields keep them only for their text.
bool TBoardDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool selected = edit != nullptr && edit->hasSelectedText();
    bool board = key->matches(QKeySequence::Copy) && !selected;
    if (key->matches(QKeySequence::Paste)) {
      const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
      board = ParsePosition(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))).Ok();
    }
    if (board) {
      event->ignore();
      return true;
    }
  }
  return TTileDlg::eventFilter(watched, event);
}

void TBoardDlg::Write(const QString& line) {
  if (Trace == nullptr) return;
  Trace->write((line + QLatin1Char('\n')).toUtf8());
  Trace->flush();
}

QImage TBoardDlg::Picture() const { return Body->grab().toImage(); }
