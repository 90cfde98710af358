#include "ui/Boarddlg1.h"
#include "ui/Drilldlg1.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "game/Mjstats1.h"
#include "records/Safefile1.h"
#include "ui/Pairidlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Telided1.h"
#include "ui/Tchance1.h"
#include "ui/Tposition1.h"
#include "ui/Twords1.h"

namespace {

const QString MinLostKey = QStringLiteral("drill/minLostCopies");
const QString MinLostWinKey = QStringLiteral("drill/minLostWin");
constexpr double DefaultMinLostWin = 1.0;  // percent points of win chance; 0 leaves it out

QString KindName(int kind) { return KindWords(kind); }

QString FaultReason(const TMjDrillLoad& load) {
  switch (load.Fault) {
    case TMjDrillFault::Unreadable: return TDrillDlg::tr("読めません");
    case TMjDrillFault::NotAState: return TDrillDlg::tr("復習の記録ではありません");
    case TMjDrillFault::NewerVersion: return TDrillDlg::tr("新しい版の記録です");
    case TMjDrillFault::BadLine: return TDrillDlg::tr("%1行目が読めません").arg(load.Line);
    case TMjDrillFault::DuplicateCard: return TDrillDlg::tr("%1行目のカードが重複しています").arg(load.Line);
    case TMjDrillFault::Truncated: return TDrillDlg::tr("%1行目で途切れています").arg(load.Line);
    case TMjDrillFault::None: break;
  }
  return {};
}

// The 13 tiles held in order, then the one drawn.
std::vector<int> HandCodes(const TMjCard& card) {
  std::vector<int> codes;
  TKindCounts held = card.Hand;
  --held[static_cast<std::size_t>(card.DrawnKind)];
  for (int k = 0; k < KindCount; ++k)
    for (int n = 0; n < held[static_cast<std::size_t>(k)]; ++n) codes.push_back(KindCode(k));
  codes.push_back(KindCode(card.DrawnKind));
  return codes;
}

}  // namespace

QString DrillFaultText(const TMjDrillLoad& load) {
  const QString file = QDir::toNativeSeparators(QFile::decodeName(load.File.c_str()));
  // The good cards of a damaged file stay; the window says how many were lost.
  const QString lost =
      load.Lost > 0 ? TDrillDlg::tr("読めなかったカード %1 枚は失われました。").arg(load.Lost) : QString();
  if (!load.MovedTo.empty())
    return TDrillDlg::tr("復習の記録 %1 は壊れています（%2）。%3 に移して、新しく記録します。")
               .arg(file, FaultReason(load), QDir::toNativeSeparators(QFile::decodeName(load.MovedTo.c_str()))) +
           lost;
  return TDrillDlg::tr("復習の記録 %1 を使えません（%2）。この回の答えは保存しません。").arg(file, FaultReason(load)) +
         lost;
}

TDrillDlg::TDrillDlg(QWidget* parent) : TTileDlg(parent) {
  setWindowTitle(CaptionText(tr("復習")));
  FrMjPai1 = new TFrMjPai(this);
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  DataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  AddEditMenu(
      bar, this,
      [this] {
        TMjPosition p;
        if (!Sitting || (!Answered && Sitting->Done())) return p;
        p.Hand = Card.Hand;
        p.DrawnKind = Card.DrawnKind;
        for (int kind : Card.River) ++p.Seen[static_cast<std::size_t>(kind)];
        p.DrawsLeft = DealDraws - Card.Draw;
        p.OneSuit = Card.OneSuit;
        return p;
      },
      // What the window shows under its menu bar.
      [this, bar] { return grab(QRect(0, bar->height(), width(), height() - bar->height())).toImage(); },
      [this] { return OwnBoard(this, Board); });

  auto* body = new QWidget(this);
  layout()->addWidget(body);
  MakeResizable();  // its table gives up rows on a short screen
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(10, 10, 10, 10);
  column->setSpacing(6);

  auto* top = new QHBoxLayout;
  LbFolder = new TElidedLabel(body);  // a long path never widens the window
  LbFolder->setTextFormat(Qt::PlainText);
  SpMinLost = new QSpinBox(body);
  SpMinLost->setRange(1, 20);
  SpMinLost->setPrefix(tr("失った枚数 ≥ "));
  SpMinLost->setValue(QSettings().value(MinLostKey, 1).toInt());
  SpMinLostWin = new QDoubleSpinBox(body);
  SpMinLostWin->setRange(0.0, 50.0);
  SpMinLostWin->setDecimals(1);
  SpMinLostWin->setSingleStep(0.5);
  SpMinLostWin->setPrefix(tr("失った和了率 ≥ "));
  SpMinLostWin->setSuffix(tr(" %"));
  SpMinLostWin->setSpecialValueText(tr("和了率では選ばない"));
  SpMinLostWin->setValue(QSettings().value(MinLostWinKey, DefaultMinLostWin).toDouble());
  SpMinLostWin->setToolTip(
      tr("1向聴以内の打牌を、18巡目までの和了率（ツモのみ、見えていない牌は等しく来る）で"
         "最善と比べます。この値以上を失った打牌もカードになります。"));
  BnFolder = new QPushButton(tr("フォルダを選択(&F)..."), body);
  top->addWidget(LbFolder, 1);
  top->addWidget(SpMinLost);
  top->addWidget(SpMinLostWin);
  top->addWidget(BnFolder);

  auto* progress = new QHBoxLayout;
  ProgressBar1 = new QProgressBar(body);
  BnCancel = new QPushButton(tr("中止"), body);
  progress->addWidget(ProgressBar1, 1);
  progress->addWidget(BnCancel);

  LbMessage = new QLabel(body);
  LbMessage->setStyleSheet(QStringLiteral("color: #c00000;"));
  LbMessage->setWordWrap(true);
  LbMessage->hide();
  LbCounts = new QLabel(body);
  LbCard = new QLabel(body);
  LbCard->setTextFormat(Qt::PlainText);
  auto* riverLine = new QHBoxLayout;
  riverLine->addWidget(new QLabel(tr("捨牌"), body));
  FrRiver = new TFrTileRow(FrMjPai1, RiverCells, body);
  riverLine->addWidget(FrRiver);
  riverLine->addStretch(1);
  LbQuestion = new QLabel(body);
  FrHand = new TFrTileRow(FrMjPai1, HandCells, body);
  FrHand->OnCellClick = [this](int cell) { RunHandler([this, cell] { AnswerCell(cell); }); };
  LbJudge = new QLabel(body);
  LbJudge->setWordWrap(true);
  LbJudge->setMinimumHeight(2 * fontMetrics().height());
  Table = MakeDiscardTable(body, {tr("打牌"), tr("向聴"), tr("有効牌"), tr("枚数"), tr("和了率"), tr("評価")},
                           QSize(TableWidth, TableHeight), RowHeight);
  BnNext = new QPushButton(tr("次へ (Return)"), body);

  for (QPushButton* b : {BnFolder, BnCancel, BnNext}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
  }
  column->addLayout(top);
  column->addLayout(progress);
  column->addWidget(LbMessage);
  column->addWidget(LbCounts);
  column->addWidget(LbCard);
  column->addLayout(riverLine);
  column->addWidget(LbQuestion);
  column->addWidget(FrHand);
  column->addWidget(LbJudge);
  column->addWidget(Table);
  column->addWidget(BnNext, 0, Qt::AlignRight);

  ConnectHandler(BnFolder, &QPushButton::clicked, this, [this] {
    const QString folder = FolderDialog();
    if (!folder.isEmpty()) Open(folder);
  });
  ConnectHandler(BnCancel, &QPushButton::clicked, this, [this] { Cancel(); });
  ConnectHandler(&TModelChoice::Instance(), &TModelChoice::Changed, this, [this] { Reopen(); });
  ConnectHandler(BnNext, &QPushButton::clicked, this, [this] { Next(); });
  // A threshold applies when the player is done with it: at Return or Tab
  // (taken by the field, so the key answers no card), when the field loses
  // the focus, and once its arrows or wheel have let the value stand for
  // SettleMs, so a held arrow builds one deck, not one per step. Tab goes from
  // the cards to the two fields and back to the cards; Return goes back at once.
  SettleTimer = new QTimer(this);
  SettleTimer->setSingleShot(true);
  SettleTimer->setInterval(SettleMs);
  ConnectHandler(SettleTimer, &QTimer::timeout, this, [this] { ApplyThresholds(); });
  for (QAbstractSpinBox* box :
       {static_cast<QAbstractSpinBox*>(SpMinLost), static_cast<QAbstractSpinBox*>(SpMinLostWin)}) {
    box->setFocusPolicy(Qt::ClickFocus);  // the window opens with the keys on the cards
    box->setKeyboardTracking(false);
    box->installEventFilter(this);
    ConnectHandler(box, &QAbstractSpinBox::editingFinished, this, [this] { ApplyThresholds(); });
  }
  connect(SpMinLost, &QSpinBox::valueChanged, SettleTimer, qOverload<>(&QTimer::start));
  connect(SpMinLostWin, &QDoubleSpinBox::valueChanged, SettleTimer, qOverload<>(&QTimer::start));
  connect(&Watcher, &QFutureWatcher<TMjDrillDeck>::progressRangeChanged, ProgressBar1, &QProgressBar::setRange);
  connect(&Watcher, &QFutureWatcher<TMjDrillDeck>::progressValueChanged, ProgressBar1, &QProgressBar::setValue);
  connect(&Watcher, &QFutureWatcher<TMjDrillDeck>::finished, this, [this] { RunHandler([this] { Finished(); }); });
  FolderDialog = [this] { return QFileDialog::getExistingDirectory(this, QString(), Folder); };

  ProgressBar1->hide();
  BnCancel->hide();
  ShowCard();
}

TDrillDlg::~TDrillDlg() {
  // The worker must not outlive the window whose deck it fills.
  StopRun();
  // The fields go down after this window's part of the object: a field losing
  // the focus then must not apply its threshold to a window no longer there.
  for (QAbstractSpinBox* box :
       {static_cast<QAbstractSpinBox*>(SpMinLost), static_cast<QAbstractSpinBox*>(SpMinLostWin)}) {
    box->removeEventFilter(this);
    box->disconnect(this);
  }
}

// A threshold still settling is remembered; the next showing builds with it.
void TDrillDlg::hideEvent(QHideEvent* event) {
  if (SettleTimer->isActive()) ApplyThresholds();
  Cancel();
  if (Board) Board->hide();
  TTileDlg::hideEvent(event);
}

void TDrillDlg::Open(const QString& folder) {
  StopRun();
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  RunFolder = canonical.isEmpty() ? folder : canonical;
  IsRunning = true;
  TMjCardRule rule;
  rule.MinLostCopies = SpMinLost->value();
  rule.MinLostWin = SpMinLostWin->value();
  rule.Model = TModelChoice::Model();
  const std::string path = QFile::encodeName(RunFolder).toStdString();
  ProgressBar1->setRange(0, 0);
  ProgressBar1->setValue(0);
  ProgressBar1->show();
  BnCancel->show();
  BnFolder->setEnabled(false);
  ShowCard();
  Run = QtConcurrent::run([path, rule](QPromise<TMjDrillDeck>& promise) {
    TMjDrillDeck deck = BuildDrillDeck(
        path, rule,
        [&promise](std::size_t done, std::size_t total) {
          if (done == 0) promise.setProgressRange(0, static_cast<int>(total));
          promise.setProgressValue(static_cast<int>(done));
        },
        [&promise] { return promise.isCanceled(); });
    promise.addResult(std::move(deck));
  });
  Watcher.setFuture(Run);
}

void TDrillDlg::Cancel() {
  if (IsRunning) Run.cancel();
}

void TDrillDlg::WaitForDeck() {
  if (Run.isValid()) Run.waitForFinished();
  Finished();
}

// Taking the deck leaves the future invalid, and an invalid future is never waited for.
void TDrillDlg::StopRun() {
  if (!Run.isValid()) return;
  Run.cancel();
  Run.waitForFinished();
}

// A deck reaches the window only whole: a cancelled build leaves the last one.
void TDrillDlg::Finished() {
  if (!IsRunning || !Run.isValid() || !Run.isFinished()) return;
  IsRunning = false;
  ProgressBar1->hide();
  BnCancel->hide();
  BnFolder->setEnabled(true);
  TMjDrillDeck deck;
  const bool cancelled = Run.isCanceled() || Run.resultCount() == 0;
  if (!cancelled) deck = Run.takeResult();
  Run = {};
  if (cancelled || deck.Cancelled) {
    ShowCard();
    LbCounts->setText(tr("カード作りを中止しました。") + QLatin1Char(' ') + LbCounts->text());
    return;
  }
  Sitting.reset();
  Deck = std::move(deck);
  Folder = RunFolder;
  QDir().mkpath(DataFolder);
  StateFile = QDir(DataFolder).filePath(QString::fromStdString(DrillStateFileName(QFile::encodeName(Folder).toStdString())));
  TMjDrillLoad load = LoadDrillState(QFile::encodeName(StateFile).toStdString(), Clock());
  LbMessage->setVisible(load.Fault != TMjDrillFault::None);
  if (load.Fault != TMjDrillFault::None) LbMessage->setText(DrillFaultText(load));
  State = std::move(load.State);
  State.Folder = Deck.Folder;
  StateWritable = load.Writable;
  StartSitting();
}

void TDrillDlg::StartSitting() {
  Sitting = std::make_unique<TMjSitting>(Deck, State, DayOf(Clock()));
  Answered = false;
  ShowCard();
}

QString TDrillDlg::CountsText() const {
  const TMjDrillCounts c = CountCards(Deck, State, Sitting ? Sitting->Today() : DayOf(Clock()));
  return tr("期日 %1　新規 %2　習得 %3　この回の残り %4")
      .arg(c.Due)
      .arg(c.New)
      .arg(c.Learned)
      .arg(Sitting ? static_cast<int>(Sitting->Left()) : 0);
}

// While a deck is built the window names the folder it is built for and asks
// nothing: a card shown meanwhile would be the last deck's.
void TDrillDlg::ShowCard() {
  LbFolder->setText(IsRunning ? tr("フォルダ: %1（カードを作っています…）").arg(QDir::toNativeSeparators(RunFolder))
                    : Folder.isEmpty() ? tr("フォルダ: —")
                                       : tr("フォルダ: %1").arg(QDir::toNativeSeparators(Folder)));
  LbCounts->setText(Sitting && !IsRunning ? CountsText() : QString());
  Table->setRowCount(0);
  LbJudge->clear();
  BnNext->setEnabled(false);
  if (IsRunning || !Sitting || Sitting->Done()) {
    Answered = false;
    LbCard->clear();
    FrRiver->SetCodes({});
    FrHand->SetCodes({});
    LbQuestion->setText(IsRunning            ? QString()
                        : !Sitting           ? tr("牌譜のフォルダを選んでください。")
                        : Deck.Cards.empty() ? tr("このフォルダには復習する打牌がありません。")
                                             : tr("今日の復習は終わりました。"));
    return;
  }
  Card = Sitting->Current();
  Answered = false;
  LbCard->setText(tr("%1　%2　%3巡目").arg(QString::fromStdString(Card.File), QString::fromStdString(Card.Stamp)).arg(Card.Draw) +
                  (Card.OneSuit ? tr("　清一色") : QString()));
  std::vector<int> river;
  for (const int kind : Card.River) river.push_back(KindCode(kind));
  FrRiver->SetCodes(river);
  FrHand->SetCodes(HandCodes(Card));
  LbQuestion->setText(tr("何を切る?"));
  Select(HandCells - 1);
}

void TDrillDlg::Select(int cell) {
  if (IsRunning || Answered || !Sitting || Sitting->Done()) return;
  Selected = std::clamp(cell, 0, HandCells - 1);
  FrHand->ClearMarks();
  FrHand->SetMark(Selected, TFrTileRow::TMark::Selected);
}

void TDrillDlg::AnswerCell(int cell) {
  if (IsRunning || Answered || !Sitting || Sitting->Done() || cell < 0 || cell >= HandCells) return;
  const int kind = CodeKind(FrHand->Codes()[static_cast<std::size_t>(cell)]);
  Judged = Card.Judge(kind);
  const bool right = Card.Right(Judged);
  Sitting->Answer(right);
  Answered = true;
  SaveState();

  FrHand->ClearMarks();
  FrHand->SetMark(cell, right ? TFrTileRow::TMark::Hit : TFrTileRow::TMark::Miss);
  const TMjDiscard& chosen = Judged.Chosen();
  const TMjVerdict& v = Judged.Verdict;
  QString text;
  if (v.Basis == TMjBasis::Win)
    text = right ? tr("○ 正解。打牌 %1 は最善と同じく和了率 %2 です。").arg(KindName(kind), ChancePercent(v.ChosenWin))
                 : tr("× 打牌 %1 の和了率は %2。最善の %3 なら %4。")
                       .arg(KindName(kind), ChancePercent(v.ChosenWin), KindName(v.BestKind), ChancePercent(v.BestWin));
  else
    text = right ? tr("○ 正解。打牌 %1 は最善と同じく有効牌 %2枚です。").arg(KindName(kind)).arg(chosen.Count)
           : v.Raised ? tr("× 打牌 %1 は向聴数を戻します。最善は %2（有効牌 %3枚）。")
                            .arg(KindName(kind), KindName(v.BestKind))
                            .arg(v.BestCount)
                      : tr("× 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。")
                            .arg(KindName(kind))
                            .arg(chosen.Count)
                            .arg(KindName(v.BestKind))
                            .arg(v.BestCount);
  WinBestKind = v.Basis == TMjBasis::Win ? v.BestKind : -1;
  text += QLatin1Char('\n') + tr("牌譜の打牌は %1 でした。").arg(KindName(Card.DiscardKind));
  LbJudge->setText(text);
  LbQuestion->setText(tr("Return で次へ"));
  LbCounts->setText(CountsText());
  FillTable();
  BnNext->setEnabled(true);
}

void TDrillDlg::FillTable() {
  Table->setRowCount(static_cast<int>(Judged.Table.Discards.size()));
  const QImage& sheet = FrMjPai1->Image1->Canvas();
  int row = 0;
  for (const TMjDiscard& d : Judged.Table.Discards) {
    const bool best = AsGoodAsBest(d, Judged.Best());
    const bool picked = d.Kind == Judged.DiscardKind;
    const TMjVerdict& v = Judged.Verdict;
    QStringList marks;
    if (best) marks << tr("◎最善");
    if (v.Basis == TMjBasis::Win && v.IsBestKind(Judged.Table, d.Kind)) marks << tr("◎和了率");
    if (picked) marks << tr("← 解答");
    if (d.Kind == Card.DiscardKind) marks << tr("牌譜");
    // The win chance stands where the verdict is by it; a raise has none.
    QString win;
    for (const TMjChance& c : v.Chances)
      if (c.Kind == d.Kind) win = c.Counted ? ChancePercent(c.Win) : QStringLiteral("-");
    const QString cells[] = {KindName(d.Kind),
                             ShantenWords(d.Shanten),
                             KindsWords(d.Kinds),
                             QString::number(d.Count),
                             win,
                             marks.join(QLatin1Char(' '))};
    for (int col = 0; col < 6; ++col) {
      auto* item = new QTableWidgetItem(cells[col]);
      if (col == 0)
        item->setIcon(QIcon(QPixmap::fromImage(sheet.copy(FrMjPai1->GetCodeParts(KindCode(d.Kind)).Rect()))));
      if (col == 1 || col == 3) item->setTextAlignment(Qt::AlignCenter);
      if (col == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (picked) item->setBackground(QColor(255, 220, 220));
      if (best) item->setForeground(QColor(0, 120, 0));
      Table->setItem(row, col, item);
    }
    ++row;
  }
  for (int col : {0, 1, 3, 4, 5}) Table->resizeColumnToContents(col);
}

// An answer that cannot be kept is still judged: the window says once that
// answers are not being kept, and the sitting goes on.
void TDrillDlg::SaveState() {
  if (!StateWritable) return;
  try {
    SaveDrillState(QFile::encodeName(StateFile).toStdString(), State);
  } catch (const std::exception& e) {
    StateWritable = false;
    LbMessage->setText(tr("答えを保存できません（%1）。この回の答えは保存しません。").arg(ErrorText(e)));
    LbMessage->show();
  }
}

void TDrillDlg::Next() {
  if (IsRunning || !Answered) return;
  ShowCard();
}

void TDrillDlg::ApplyThresholds() {
  SettleTimer->stop();
  QSettings settings;
  if (SpMinLost->value() == settings.value(MinLostKey, 1).toInt() &&
      SpMinLostWin->value() == settings.value(MinLostWinKey, DefaultMinLostWin).toDouble())
    return;
  settings.setValue(MinLostKey, SpMinLost->value());
  settings.setValue(MinLostWinKey, SpMinLostWin->value());
  Reopen();
}

// Other thresholds or another model: the records are judged again, other decisions may be cards.
void TDrillDlg::Reopen() {
  const QString folder = IsRunning ? RunFolder : Folder;
  if (!folder.isEmpty() && isVisible()) Open(folder);
}

// A threshold field's Return and Tab are the field's: they apply what it shows
// and reach no card. Return hands the keys back to the cards; Tab goes on to
// the other field or, from the last one, back to the cards (Shift+Tab the other way).
bool TDrillDlg::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == SpMinLost || watched == SpMinLostWin) && event->type() == QEvent::KeyPress) {
    QWidget* next = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: next = this; break;
      case Qt::Key_Tab: next = watched == SpMinLost ? static_cast<QWidget*>(SpMinLostWin) : this; break;
      case Qt::Key_Backtab: next = watched == SpMinLostWin ? static_cast<QWidget*>(SpMinLost) : this; break;
      default: return TTileDlg::eventFilter(watched, event);
    }
    static_cast<QAbstractSpinBox*>(watched)->interpretText();
    next->setFocus(next == this ? Qt::OtherFocusReason : Qt::TabFocusReason);
    RunHandler([this] { ApplyThresholds(); });
    return true;
  }
  return TTileDlg::eventFilter(watched, event);
}

// Tab on the cards goes to the first threshold field, Shift+Tab to the last.
bool TDrillDlg::focusNextPrevChild(bool next) {
  (next ? static_cast<QWidget*>(SpMinLost) : static_cast<QWidget*>(SpMinLostWin))->setFocus(Qt::TabFocusReason);
  return true;
}

void TDrillDlg::keyReleaseEvent(QKeyEvent* event) {
  Repeats.Release(*event);
  TTileDlg::keyReleaseEvent(event);
}

// A held Return or Space acts once: it answers, or goes on to the next card,
// never both and never card after card.
void TDrillDlg::keyPressEvent(QKeyEvent* event) {
  const bool repeat = Repeats.Press(*event);
  if (event->modifiers() & ~Qt::KeypadModifier) return TTileDlg::keyPressEvent(event);
  const bool asking = !IsRunning && !Answered && Sitting && !Sitting->Done();
  switch (event->key()) {
    case Qt::Key_Left:
      if (asking) Select(Selected - 1);
      return;
    case Qt::Key_Right:
      if (asking) Select(Selected + 1);
      return;
    case Qt::Key_Home:
      if (asking) Select(0);
      return;
    case Qt::Key_End:
      if (asking) Select(HandCells - 1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (repeat) return;
      if (asking)
        AnswerCell(Selected);
      else
        Next();
      return;
    default: break;
  }
  TTileDlg::keyPressEvent(event);
}
