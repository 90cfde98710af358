#include "ui/Quizdlg1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <bit>

#include "ui/Tapplication1.h"

TMjWaitQuestion WaitQuestion(const std::array<std::int32_t, RowSlots * RecordRows>& codes) {
  TMjWaitQuestion q;
  constexpr std::size_t handRow = 3 * RowSlots;
  for (std::size_t i = 0; i < 13; ++i) {
    const int kind = CodeKind(codes[handRow + i]);
    if (kind < 0 || ++q.Hand[static_cast<std::size_t>(kind)] > 4) return {};
  }
  q.Valid = true;
  const TMjUkeire u = MjUkeire(q.Hand);
  if (u.Shanten == 0) q.Waits = u.Kinds;
  return q;
}

bool WaitAnswerCorrect(const TMjWaitQuestion& question, TKindMask answer) { return answer == question.Waits; }

int TQuizDlg::PaletteCell(int kind) { return kind; }
int TQuizDlg::PaletteKind(int cell) { return cell >= 0 && cell < KindCount ? cell : -1; }

TQuizDlg::TQuizDlg(QWidget* parent) : TTileDlg(parent) {
  setWindowTitle(CaptionText(tr("待ち当て")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);

  auto* body = new QWidget(this);
  layout()->addWidget(body);
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(6);

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
  big.setPixelSize(16);
  big.setBold(true);
  LbResult->setFont(big);
  LbHand = new QLabel(body);
  FrHand = new TFrTileRow(FrMjPai1, 13, body);
  LbWaits = new QLabel(body);
  FrWaits = new TFrTileRow(FrMjPai1, 13, body);
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

  auto* next = new QShortcut(QKeySequence(Qt::Key_F5), this);
  ConnectHandler(next, &QShortcut::activated, this, [this] {
    if (OnNext) OnNext();
  });
  SetRecord({}, false);
}

void TQuizDlg::SetRecord(const std::array<std::int32_t, RowSlots * RecordRows>& codes, bool loaded) {
  Question = loaded ? WaitQuestion(codes) : TMjWaitQuestion{};
  Picked = 0;
  Noten = false;
  Answered = false;
  if (!loaded)
    LbQuestion->setText(tr("F5 で牌譜を開くと出題します。"));
  else if (!Question.Valid)
    LbQuestion->setText(tr("この牌譜の最終形は13枚の手牌ではないので出題できません。F5 で次へ。"));
  else
    LbQuestion->setText(tr("この捨牌の手は何待ち？ 牌を選んで答え合わせ（聴牌していなければノーテン）。"));
  Refresh();
}

void TQuizDlg::ToggleKind(int kind) {
  if (Answered || !Question.Valid) return;
  Picked ^= TKindMask{1} << kind;
  if (Picked) Noten = false;
  Refresh();
}

void TQuizDlg::SetNoten(bool on) {
  if (Answered || !Question.Valid) {
    Refresh();
    return;
  }
  Noten = on;
  if (on) Picked = 0;
  Refresh();
}

void TQuizDlg::Check() {
  if (Answered || !Question.Valid || (!Picked && !Noten)) return;
  Answered = true;
  ++Answers;
  if (WaitAnswerCorrect(Question, Picked)) ++Correct;
  Refresh();
}

void TQuizDlg::Refresh() {
  const bool open = Question.Valid && !Answered;
  BnNoten->setEnabled(open);
  BnNoten->setChecked(Noten);
  BnCheck->setEnabled(open && (Picked || Noten));

  FrPalette->ClearMarks();
  for (int k = 0; k < KindCount; ++k) {
    const bool picked = Picked >> k & 1;
    const bool wait = Question.Waits >> k & 1;
    TFrTileRow::TMark mark = TFrTileRow::TMark::None;
    if (!Answered) mark = picked ? TFrTileRow::TMark::Selected : mark;
    else if (picked) mark = wait ? TFrTileRow::TMark::Hit : TFrTileRow::TMark::Miss;
    else if (wait) mark = TFrTileRow::TMark::Missed;
    FrPalette->SetMark(PaletteCell(k), mark);
  }

  // The answer's place stays reserved, so the window keeps its size.
  if (Answered) {
    const bool right = WaitAnswerCorrect(Question, Picked);
    LbResult->setText(right ? tr("正解！") : tr("残念、不正解。"));
    LbResult->setStyleSheet(right ? QStringLiteral("color: #008000;") : QStringLiteral("color: #c00000;"));
    std::vector<int> hand, waits;
    for (int k = 0; k < KindCount; ++k) {
      for (int n = 0; n < Question.Hand[static_cast<std::size_t>(k)]; ++n) hand.push_back(KindCode(k));
      if (Question.Waits >> k & 1) waits.push_back(KindCode(k));
    }
    FrHand->SetCodes(hand);
    FrWaits->SetCodes(waits);
    LbHand->setText(tr("最終形"));
    LbWaits->setText(Question.Waits ? tr("待ち: %1種").arg(std::popcount(Question.Waits)) : tr("待ち: なし（ノーテン）"));
  } else {
    LbResult->setText(QStringLiteral(" "));
    LbResult->setStyleSheet(QString());
    LbHand->setText(QStringLiteral(" "));
    LbWaits->setText(QStringLiteral(" "));
    FrHand->SetCodes({});
    FrWaits->SetCodes({});
  }
  LbScore->setText(Answers == 0 ? tr("成績: まだ答えていません")
                                : tr("成績: %1 / %2 問正解（%3%）")
                                      .arg(Correct)
                                      .arg(Answers)
                                      .arg(QString::number(100.0 * Correct / Answers, 'f', 0)));
}

void TQuizDlg::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    Check();
    return;
  }
  TTileDlg::keyPressEvent(event);
}
