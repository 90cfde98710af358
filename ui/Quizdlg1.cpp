#include "ui/Quizdlg1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <bit>

#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Tlook1.h"

namespace {

constexpr int ColumnGap = 14;     // between the palette and the answer
constexpr int ResultPixels = 16;  // the verdict's font

TFrTileRow::TMark PaletteMark(TMjQuizMark mark) {
  switch (mark) {
    case TMjQuizMark::Picked: return TFrTileRow::TMark::Selected;
    case TMjQuizMark::Hit: return TFrTileRow::TMark::Hit;
    case TMjQuizMark::Miss: return TFrTileRow::TMark::Miss;
    case TMjQuizMark::Missed: return TFrTileRow::TMark::Missed;
    case TMjQuizMark::None: break;
  }
  return TFrTileRow::TMark::None;
}

}  // namespace

int TQuizDlg::PaletteCell(int kind) { return kind; }
int TQuizDlg::PaletteKind(int cell) { return cell >= 0 && cell < KindCount ? cell : -1; }

TQuizDlg::TQuizDlg(QWidget* parent) : TTileDlg(parent) {
  setWindowTitle(CaptionText(tr("待ち当て")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);

  auto* body = new QWidget(this);
  layout()->addWidget(body);
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
  grid->setHorizontalSpacing(ColumnGap);
  grid->setVerticalSpacing(LineGap);

  LbQuestion = new QLabel(body);
  FrPalette = new TFrTileRow(FrMjPai1, PaletteColumns, body);
  std::vector<int> palette;
  for (int cell = 0; cell < 4 * PaletteColumns; ++cell) palette.push_back(PaletteKind(cell) >= 0 ? KindCode(cell) : 0);
  FrPalette->SetCodes(palette);
  FrPalette->OnCellClick = [this](int cell) {
    if (PaletteKind(cell) >= 0) ToggleKind(PaletteKind(cell));
  };
  BnNoten = new QPushButton(tr("ノーテン"), body);
  BnNoten->setCheckable(true);
  BnCheck = new QPushButton(tr("答え合わせ (Return)"), body);
  for (QPushButton* b : {BnNoten, BnCheck}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
  }
  ConnectHandler(BnNoten, &QPushButton::clicked, this, [this] { SetNoten(BnNoten->isChecked()); });
  ConnectHandler(BnCheck, &QPushButton::clicked, this, [this] { Check(); });

  LbResult = new QLabel(body);
  QFont big = LbResult->font();
  big.setPixelSize(ResultPixels);
  big.setBold(true);
  LbResult->setFont(big);
  LbHand = new QLabel(body);
  FrHand = new TFrTileRow(FrMjPai1, DealTiles, body);
  LbWaits = new QLabel(body);
  FrWaits = new TFrTileRow(FrMjPai1, TAgariDlg::MachiCells, body);
  LbScore = new QLabel(body);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BnNoten);
  buttons->addWidget(BnCheck);
  buttons->addStretch();

  auto* answer = new QVBoxLayout;
  answer->addWidget(LbResult);
  answer->addWidget(LbHand);
  answer->addWidget(FrHand);
  answer->addWidget(LbWaits);
  answer->addWidget(FrWaits);
  answer->addStretch();
  answer->addWidget(LbScore);

  grid->addWidget(LbQuestion, 0, 0, 1, 2);
  grid->addWidget(FrPalette, 1, 0, Qt::AlignTop);
  grid->addLayout(answer, 1, 1, 2, 1);
  grid->addLayout(buttons, 2, 0);

  SetRecord({}, false);
}

void TQuizDlg::SetRecord(const TCodeGrid& codes, bool loaded) {
  Quiz.SetRecord(codes, loaded);
  if (!loaded)
    LbQuestion->setText(tr("F5 で牌譜を開くと出題します。"));
  else if (!Quiz.Question.Valid)
    LbQuestion->setText(tr("この牌譜の最終形は13枚の手牌ではないので出題できません。F5 で次へ。"));
  else
    LbQuestion->setText(tr("この捨牌の手は何待ち？ 牌を選んで答え合わせ（聴牌していなければノーテン）。"));
  Refresh();
}

void TQuizDlg::ToggleKind(int kind) {
  Quiz.ToggleKind(kind);
  Refresh();
}

void TQuizDlg::SetNoten(bool on) {
  Quiz.SetNoten(on);
  Refresh();
}

void TQuizDlg::Check() {
  Quiz.Check();
  Refresh();
}

void TQuizDlg::Refresh() {
  BnNoten->setEnabled(Quiz.Open());
  BnNoten->setChecked(Quiz.Noten);
  BnCheck->setEnabled(Quiz.CanCheck());

  FrPalette->ClearMarks();
  for (int k = 0; k < KindCount; ++k) FrPalette->SetMark(PaletteCell(k), PaletteMark(Quiz.Mark(k)));

  // The answer's place stays reserved, so the window keeps its size.
  const TMjWaitQuestion& question = Quiz.Question;
  if (Quiz.Answered) {
    const bool right = Quiz.Right();
    LbResult->setText(right ? tr("正解！") : tr("残念、不正解。"));
    LbResult->setStyleSheet(TextColorStyle(right ? RightColor : WrongColor));
    std::vector<int> hand, waits;
    for (int k = 0; k < KindCount; ++k) {
      for (int n = 0; n < question.Hand[static_cast<std::size_t>(k)]; ++n) hand.push_back(KindCode(k));
      if (question.Waits >> k & 1) waits.push_back(KindCode(k));
    }
    FrHand->SetCodes(hand);
    FrWaits->SetCodes(waits);
    LbHand->setText(tr("最終形"));
    LbWaits->setText(question.Waits ? tr("待ち: %1種").arg(std::popcount(question.Waits))
                                    : tr("待ち: なし（ノーテン）"));
  } else {
    LbResult->setText(QStringLiteral(" "));
    LbResult->setStyleSheet(QString());
    LbHand->setText(QStringLiteral(" "));
    LbWaits->setText(QStringLiteral(" "));
    FrHand->SetCodes({});
    FrWaits->SetCodes({});
  }
  LbScore->setText(Quiz.Answers == 0 ? tr("成績: まだ答えていません")
                                     : tr("成績: %1 / %2 問正解（%3%）")
                                           .arg(Quiz.Correct)
                                           .arg(Quiz.Answers)
                                           .arg(QString::number(Quiz.ScorePercent(), 'f', 0)));
}

void TQuizDlg::keyReleaseEvent(QKeyEvent* event) {
  Repeats.Release(*event);
  TTileDlg::keyReleaseEvent(event);
}

// Return answers and F5 goes on to the next record; held, each acts once.
void TQuizDlg::keyPressEvent(QKeyEvent* event) {
  const bool repeat = Repeats.Press(*event);
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (!repeat) Check();
        return;
      case Qt::Key_F5:
        if (!repeat && OnNext) RunHandler([this] { OnNext(); });
        return;
      default: break;
    }
  }
  TTileDlg::keyPressEvent(event);
}
