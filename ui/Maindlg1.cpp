#include "ui/Maindlg1.h"

#include "ui/Boarddlg1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "records/Mjrecord1.h"
#include "ui/Pairidlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "game/Mjwin1.h"
#include "ui/Tfonts1.h"
#include "ui/Tposition1.h"
#include "ui/Tscore1.h"
#include "ui/Tlook1.h"

TMainDlg* MainDlg = nullptr;

namespace {

constexpr int W = TFrMjPai::PaiWidth;
constexpr int H = TFrMjPai::PaiHeight;

// The remembered choices of the analysis window, beside the program's other ones.
const QString PairiShownKey = QStringLiteral("Practice/PairiShown");
const QString PairiAfterKey = QStringLiteral("Practice/PairiAfterDiscard");

// The keyboard's selection: a frame in the sheet's red over a hand cell. It lies
// over the row, so the cell's picture stays the sheet's and clicks go through.
class TSelectionFrame final : public QWidget {
public:
  static constexpr int Width = 2;
  explicit TSelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(W, H);
    hide();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor red = AgariMarkColor();
    painter.fillRect(0, 0, width(), Width, red);
    painter.fillRect(0, height() - Width, width(), Width, red);
    painter.fillRect(0, 0, Width, height(), red);
    painter.fillRect(width() - Width, 0, Width, height(), red);
  }
};

// A name beside the record that does not exist yet: "name-2.csv", "name-3.csv"...
QString NewRecordName(const QString& fileName) {
  const QFileInfo info(fileName);
  const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
  for (int n = 2;; ++n) {
    const QString name =
        info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(suffix));
    if (!QFileInfo::exists(name)) return name;
  }
}

}  // namespace

bool TMainDlg::TSaveDialog::Execute(QWidget* owner) {
  // The dialog asks before it replaces a record; a hook stands for the dialog with its question.
  QString name =
      Hook ? Hook(*this) : RunFileDialog(owner, QFileDialog::AcceptSave, Filter, DefaultExt, FileName, SaveFolder());
  if (name.isEmpty()) return false;
  if (QFileInfo(name).suffix().isEmpty() && !DefaultExt.isEmpty()) name += QLatin1Char('.') + DefaultExt;
  FileName = name;
  return true;
}

TMainDlg::TMainDlg(QWidget* parent)
    : TFramedDlg(StatusTextWidth, StatusRestWidth, TLastPanel::ToEdge, parent) {
  NotePanel = StatusPanel[1];  // empty but for a finished save
  // The draw counter is 100 pixels wide but grows when a Gothic font needs more
  // for "手数: 18（終了）", so the end of a deal is never cut off.
  StatusPanel[0]->setMaximumWidth(QWIDGETSIZE_MAX);
  // Panel 1 is empty but for the win notice, and grows when a font needs more for it.
  StatusPanel[1]->setMaximumWidth(QWIDGETSIZE_MAX);
  FrMjSutepai1 = new TFrMjSutepai(ScrollClient);
  FrMjTepai1 = new TFrMjTepai(ScrollClient);
  FrMjPai1 = new TFrMjPai(this);
  Selection = new TSelectionFrame(FrMjTepai1);
  LbSute = MakeLabel(tr("捨牌"), LabelWidth, Qt::AlignCenter);
  LbTe = MakeLabel(tr("手牌"), LabelWidth, Qt::AlignCenter);
  LbGuide = MakeLabel(tr("ガイダンス"), GuideWidth, Qt::AlignLeft | Qt::AlignVCenter);

  MainMenu1 = new QMenuBar(this);
  layout()->setMenuBar(MainMenu1);
  File1 = MainMenu1->addMenu(tr("ファイル(&F)"));
  SaveAs2 = File1->addAction(tr("牌譜保存(&S)..."));
  N2 = File1->addSeparator();
  Exit1 = File1->addAction(tr("終了(&X)"));
  T1 = MainMenu1->addMenu(tr("リセット(&R)"));
  // F5 is in the captions only: one of the two items is always hidden, and the
  // key acts for the visible one.
  MnStart = T1->addAction(tr("別の配牌(&S)\tF5"));
  MnStart2 = T1->addAction(tr("別の配牌(&S)\tF5"));
  MnRetry = T1->addAction(tr("同じ配牌(&R)"));
  MnRetry->setShortcut(Qt::Key_F6);
  V1 = MainMenu1->addMenu(tr("表示(&V)"));
  MnHope = V1->addAction(tr("待ち牌(&W)..."));
  MnHope->setShortcut(Qt::Key_F2);
  MnPairi = V1->addAction(tr("牌理(&P)..."));
  MnPairi->setShortcut(Qt::Key_F3);
  MnPairiAfter = V1->addAction(tr("牌理は打牌後に表示(&D)"));
  MnPairiAfter->setCheckable(true);
  V1->addSeparator();
  MnSeat = V1->addMenu(tr("自風(&J)"));
  MnRound = V1->addMenu(tr("場風(&B)"));
  for (QMenu* menu : {MnSeat, MnRound}) {
    auto* group = new QActionGroup(menu);
    std::array<QAction*, 4>& items = menu == MnSeat ? MnSeatWind : MnRoundWind;
    for (int wind = 0; wind < 4; ++wind) {
      items[wind] = group->addAction(TScoreText::Wind(wind));
      items[wind]->setCheckable(true);
      menu->addAction(items[wind]);
      ConnectHandler(items[wind], &QAction::triggered, this, [this] { MnWindClick(); });
    }
  }
  V1->addSeparator();
  TModelChoice::AddMenu(V1);
  ConnectHandler(&TModelChoice::Instance(), &TModelChoice::Changed, this, [this] {
    Game.SetModel(TModelChoice::Model());
    ShowPairi(Game.Review());
  });
  MnStart2->setVisible(false);
  // The window's keys are handled in its key events, where a held key's repeats
  // can be told (a shortcut fires again on each repeat under X11), so a held key
  // acts once. The items show their keys, which act through them only while the
  // menu is open.
  for (QAction* item : {MnStart, MnStart2, MnRetry, MnHope, MnPairi}) {
    item->setAutoRepeat(false);
    item->setShortcutContext(Qt::WidgetShortcut);
  }

  PauseTimer = new QTimer(this);
  PauseTimer->setSingleShot(true);
  PauseTimer->setTimerType(Qt::PreciseTimer);
  connect(PauseTimer, &QTimer::timeout, this, [this] { PauseOver(); });
  FrMjTepai1->Image1->installEventFilter(this);

  Connect(SaveAs2, &TMainDlg::SaveAs2Click);
  // Closing is never held back: it ends a running step at once.
  ConnectHandler(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  Connect(MnStart, &TMainDlg::MnStartClick);
  Connect(MnStart2, &TMainDlg::MnStart2Click);
  Connect(MnRetry, &TMainDlg::MnRetryClick);
  Connect(MnHope, &TMainDlg::MnHopeClick);
  Connect(MnPairi, &TMainDlg::MnPairiClick);
  Connect(MnPairiAfter, &TMainDlg::MnPairiAfterClick);
  if (const QString trace = qEnvironmentVariable("TILELAB_TRACE"); !trace.isEmpty()) {
    Trace = new QFile(trace, this);
    if (!Trace->open(QIODevice::Append | QIODevice::Text)) Trace = nullptr;
  }

  // 編集: the position as it stands to the clipboard; a pasted position into the board.
  AddEditMenu(
      MainMenu1, this, [this] { return ShownPosition(); },
      [this] {
        // What the player sees: the tile rows, and the analysis beside them when it is open.
        QList<QImage> pictures{ScrollBox1->grab().toImage()};
        if (PairiDlg != nullptr && PairiDlg->isVisible()) pictures << PairiDlg->Image1->grab().toImage();
        return StackPictures(pictures, FrMjPai1->BackgroundColor());
      },
      [this] { return OwnBoard(this, Board); });
}

TMjPosition TMainDlg::ShownPosition() const {
  const TMjReview& review = Game.Review();
  TMjPosition p;
  p.Hand = review.Hand;
  p.OneSuit = Tinitu();
  const TMjSituation winds = TScoreText::RememberedWinds();
  p.SeatWind = winds.SeatWind;
  p.RoundWind = winds.RoundWind;
  if (review.Steps.empty()) {
    p.DrawsLeft = DealDraws;  // the dealt 13 tiles: every draw is still to come
    return p;
  }
  const TMjReviewStep& last = review.Steps.back();
  // Own discards are the tiles seen; the draws left are those after this decision's discard.
  p.Seen = review.Seen;
  p.DrawsLeft = DealDraws - last.Draw;
  if (!last.Discarded()) p.DrawnKind = last.DrawnKind;
  return p;
}

TMainDlg::~TMainDlg() = default;

QLabel* TMainDlg::MakeLabel(const QString& text, int width, Qt::Alignment alignment) {
  auto* label = new QLabel(text, ScrollClient);
  label->setFont(PGothicFont(TextPixels));
  label->setFixedSize(width, LabelHeight);
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  return label;
}

// A command that fails ends there; the error display shows why.
void TMainDlg::Connect(QAction* item, void (TMainDlg::*handler)()) {
  ConnectHandler(item, &QAction::triggered, this, [this, handler] { Input({TInput::TKind::Command, handler, {}}); });
}

QAction* TMainDlg::NewDealItem() const { return MnStart2->isVisible() ? MnStart2 : MnStart; }

bool TMainDlg::Busy() const { return OpeningPending || Game.Running(); }

// Input keeps its order: while anything waits, new input waits behind it.
void TMainDlg::Input(const TInput& input) {
  if (!isVisible()) return;
  if (Busy() || !Queued.empty()) {
    Queued.push_back(input);
    return;
  }
  Handle(input);
}

void TMainDlg::Handle(const TInput& input) {
  switch (input.Kind) {
    case TInput::TKind::Command:
      (this->*input.Command)();
      break;
    case TInput::TKind::Tile:
      Game.DiscardTile(input.Tile);
      break;
  }
}

void TMainDlg::RunQueued() {
  while (!Busy() && !Queued.empty() && isVisible()) {
    const TInput next = Queued.front();
    Queued.pop_front();
    RunHandler([&] { Handle(next); });
  }
}

void TMainDlg::PauseOver() {
  RunHandler([this] { Game.Resume(); });
  RunQueued();
}

// The click means the tile under the pointer now: a click on a blank cell means nothing.
void TMainDlg::TepaiClick(TFrArea* sender) {
  const TMjGame::TTileClick click = Game.TileClickAt(sender->SelIndex);
  if (click.Id >= 0) Input({TInput::TKind::Tile, nullptr, click});
}

// Keyboard play: ←/→ move the selection over the hand at once, Home/End jump
// to its ends; Return or Space throws away the tile selected now, as a click
// on it would, so during a step it waits its turn bound to that tile.
bool TMainDlg::PlayKey(const QKeyEvent& event, bool repeat) {
  if (event.modifiers() & ~Qt::KeypadModifier) return false;
  switch (event.key()) {
    case Qt::Key_Left:
      Game.MoveSelection(-1);
      return true;
    case Qt::Key_Right:
      Game.MoveSelection(1);
      return true;
    case Qt::Key_Home:
      Game.SelectEnd(false);
      return true;
    case Qt::Key_End:
      Game.SelectEnd(true);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      const TMjGame::TTileClick tile = Game.TileClickAt(Game.Selection());
      if (!repeat && tile.Id >= 0) Input({TInput::TKind::Tile, nullptr, tile});
      return true;
    }
    default:
      return false;
  }
}

bool TMainDlg::PracticeKey(const QKeyEvent& event) {
  if (event.type() == QEvent::KeyRelease) {
    Repeats.Release(event);
    return false;
  }
  const bool repeat = Repeats.Press(event);
  if (PlayKey(event, repeat)) return true;
  if (event.modifiers() != Qt::NoModifier) return false;
  QAction* item = nullptr;
  switch (event.key()) {
    case Qt::Key_F2:
      item = MnHope;
      break;
    case Qt::Key_F3:
      item = MnPairi;
      break;
    case Qt::Key_F5:
      item = NewDealItem();
      break;
    case Qt::Key_F6:
      item = MnRetry;
      break;
    default:
      return false;
  }
  if (!repeat) item->trigger();
  return true;
}

void TMainDlg::Prepare() {
  MnStart->setVisible(!Tinitu());
  MnStart2->setVisible(Tinitu());
  // Read at each opening, not at start-up, which reads no settings.
  MnPairiAfter->setChecked(QSettings().value(PairiAfterKey, false).toBool());
  const TMjSituation winds = TScoreText::RememberedWinds();
  MnSeatWind[static_cast<std::size_t>(winds.SeatWind)]->setChecked(true);
  MnRoundWind[static_cast<std::size_t>(winds.RoundWind)]->setChecked(true);
  Game.SetModel(TModelChoice::Model());
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  FrMjSutepai1->Setup(W, H);
  FrMjTepai1->Setup(W, H);
  FrMjTepai1->OnAreaClick = [this](TFrArea* sender) { TepaiClick(sender); };

  const QSize client(TFrMjTepai::TepaiCols * W + ExtraWidth, 2 * H + ExtraHeight);
  PlaceFrame(client);

  FrMjSutepai1->move(RowLeft, 0);
  FrMjTepai1->move(RowLeft, FrMjSutepai1->height());
  LbSute->move(0, LabelTop);
  LbTe->move(0, LbSute->y() + H);
  LbGuide->move(RowLeft, LbTe->y() + H);

  // The area around the cells takes the colour of the cells' own background.
  SetScrollBoxColor(FrMjPai1->BackgroundColor());
  NotePanel->clear();

  Game.ClearDisp();
}

int TMainDlg::ShowModal() {
  Prepare();
  // Modal to the opener only: an application-modal window would also lock out
  // the waiting-tiles window, which must stay usable beside this one.
  setWindowModality(Qt::WindowModal);
  if (parentWidget() == nullptr) {
    QWidget* opener = QApplication::activeWindow();
    if (opener == nullptr || opener == this || opener == AgariDlg) {
      opener = nullptr;
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != this && top != AgariDlg && top->isWindow()) {
          opener = top;
          break;
        }
    }
    // The native window is made now, so it must have its final size already.
    adjustSize();
    winId();
    if (opener != nullptr) windowHandle()->setTransientParent(opener->windowHandle());
  }
  const int result = exec();
  // The program quitting ends the modal show with the window still up: end its step too.
  if (isVisible()) hide();
  return result;
}

// The clock is read once, for the name offered and the record's time stamp alike.
void TMainDlg::SaveAs2Click() {
  SaveDialog1.Filter = QStringLiteral("*.csv|*.csv|*.*|*.*");
  SaveDialog1.DefaultExt = QStringLiteral("csv");
  const TRecordTime now = Clock();
  const bool offered = SaveDialog1.FileName.isEmpty();
  if (offered) SaveDialog1.FileName = QString::fromStdString(RecordFileStem(now)) + QStringLiteral(".csv");
  if (!SaveDialog1.Execute(this)) {
    if (offered) SaveDialog1.FileName.clear();  // a later save offers its own time
    return;
  }
  if (IsReplayedFile(SaveDialog1.FileName)) {
    ShowWarning(tr("練習している牌譜 %1 には上書きしません。別の名前で保存してください。").arg(SaveDialog1.FileName));
    SaveDialog1.FileName = NewRecordName(ReplayFile);
    return;
  }
  SaveRecordFile(QFile::encodeName(SaveDialog1.FileName).toStdString(), Table, [now] { return now; });
  RememberSaveFolder(SaveDialog1.FileName);
  ShowSaved(SaveDialog1.FileName);
}

int TMainDlg::ShowReplay(const TMjReplay& replay, const QString& fileName) {
  Game.SetReplay(replay);
  ReplayFile = fileName;
  SaveDialog1.FileName = NewRecordName(fileName);
  ShowReplayTitle(true);
  const int result = ShowModal();
  ReplayFile.clear();
  return result;
}

// After a new deal (F5) the title names the mode alone again.
void TMainDlg::ShowReplayTitle(bool replaying) {
  if (ReplayFile.isEmpty()) return;  // the menu's title stands
  const QString mode = CaptionText(Tinitu() ? tr("清一色") : tr("一人麻雀"));
  setWindowTitle(replaying ? mode + tr("  牌譜 %1 の練習").arg(QFileInfo(ReplayFile).fileName()) : mode);
}

bool TMainDlg::IsReplayedFile(const QString& fileName) const {
  if (ReplayFile.isEmpty()) return false;
  const QString old = QFileInfo(ReplayFile).canonicalFilePath();
  return !old.isEmpty() && QFileInfo(fileName).canonicalFilePath() == old;
}

void TMainDlg::Exit1Click() { close(); }

TParts TMainDlg::PaiParts(const TMjPai* pai) {
  return pai != nullptr ? FrMjPai1->GetPaiParts(pai->GetSuit(), pai->GetNumber()) : FrMjPai1->GetPaiParts(-1, -1);
}

void TMainDlg::PaintTepaiCell(int i, const TMjPai* pai) { PaiParts(pai).CopyTo(FrMjTepai1->GetCellParts(i)); }

void TMainDlg::PaintSutepaiCell(int i, const TMjPai* pai) { PaiParts(pai).CopyTo(FrMjSutepai1->GetCellParts(i)); }

void TMainDlg::RepaintNow() { repaint(); }

void TMainDlg::ShowProgress(int draws, bool dealOver) {
  LbGuide->setText(dealOver ? QString() : tr("切る牌をクリック。"));
  const QString shown = tr("手数: %1").arg(draws) + (dealOver ? tr("（終了）") : QString());
  if (Trace != nullptr && shown != StatusPanel[0]->text()) {
    Trace->write((shown + QLatin1Char('\n')).toUtf8());
    Trace->flush();
  }
  StatusPanel[0]->setText(shown);
}

// What the step drew is on the screen already (it repaints before pausing), so
// the pause counts from there.
bool TMainDlg::Pause(int ms) {
  const int wait = PauseHook ? PauseHook(ms) : ms;
  if (wait < 0) return false;
  PauseTimer->start(wait);
  return true;
}

bool TMainDlg::MachiVisible() { return AgariDlg != nullptr && AgariDlg->isVisible(); }

void TMainDlg::ShowMachiWindow() {
  if (AgariDlg != nullptr) AgariDlg->ShowFor(this, [this](const QKeyEvent& event) { return PracticeKey(event); });
}

void TMainDlg::HideMachiWindow() {
  if (AgariDlg != nullptr) AgariDlg->hide();
}

void TMainDlg::ShowMachi(const TPaiRow& tepai, const TMjPai* test) {
  if (AgariDlg != nullptr) AgariDlg->ShowMachi(tepai, test);
}

void TMainDlg::ShowPairi(const TMjReview& review) {
  if (PairiDlg != nullptr) PairiDlg->ShowPairi(review, MnPairiAfter->isChecked());
  ShowWin(review);
}

// A drawn tile that completes the hand is told where the player looks, with its value.
void TMainDlg::ShowWin(const TMjReview& review) {
  const bool won = !review.Steps.empty() && !review.Steps.back().Discarded() && review.Steps.back().Won();
  const TMjScore score = won ? StepScore(review.Steps.back(), Winds()) : TMjScore{};
  StatusPanel[1]->setText(score.Complete() ? tr("ツモ和了  %1").arg(TScoreText::Points(score.BestReading().Points))
                                           : QString());
  if (PairiDlg != nullptr) PairiDlg->ShowScore(score, Winds());
}

TMjSituation TMainDlg::Winds() const {
  TMjSituation winds;
  for (int wind = 0; wind < 4; ++wind) {
    if (MnSeatWind[static_cast<std::size_t>(wind)]->isChecked()) winds.SeatWind = wind;
    if (MnRoundWind[static_cast<std::size_t>(wind)]->isChecked()) winds.RoundWind = wind;
  }
  return winds;
}

void TMainDlg::MnWindClick() {
  TScoreText::RememberWinds(Winds());
  TModelChoice::WindsChanged();  // the expected points follow
  ShowWin(Game.Review());
}

void TMainDlg::ShowSelection(int i) {
  if (i < 0) {
    Selection->hide();
    return;
  }
  Selection->move(FrMjTepai1->GetCellParts(i).Rect().topLeft());
  Selection->show();
  Selection->raise();
}

void TMainDlg::keyReleaseEvent(QKeyEvent* event) {
  PracticeKey(*event);
  TFramedDlg::keyReleaseEvent(event);
}

void TMainDlg::keyPressEvent(QKeyEvent* event) {
  if (PracticeKey(*event)) {
    event->accept();
    return;
  }
  TFramedDlg::keyPressEvent(event);
}

// The window is made on first use: a player who never opens it never waits for it.
void TMainDlg::ShowPairiWindow() {
  if (PairiDlg == nullptr) {
    PairiDlg = new TPairiDlg(this);
    PairiDlg->OnClosed = [] { QSettings().setValue(PairiShownKey, false); };
  }
  PairiDlg->ShowPairi(Game.Review(), MnPairiAfter->isChecked());
  ShowWin(Game.Review());
  PairiDlg->ShowFor(this, [this](const QKeyEvent& event) { return PracticeKey(event); });
}

void TMainDlg::MnPairiClick() {
  const bool show = PairiDlg == nullptr || !PairiDlg->isVisible();
  QSettings().setValue(PairiShownKey, show);
  if (show)
    ShowPairiWindow();
  else
    PairiDlg->hide();
}

void TMainDlg::MnPairiAfterClick() {
  QSettings().setValue(PairiAfterKey, MnPairiAfter->isChecked());
  if (PairiDlg != nullptr) PairiDlg->ShowPairi(Game.Review(), MnPairiAfter->isChecked());
}

// Restoring a minimised window is no new opening: only the window's own show
// and hide (spontaneous ones come from the window system) run the flow. The
// opening waits until the window is on the screen, so that the player sees
// the deal arrive.
void TMainDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CentreOnDesktop();
  if (QSettings().value(PairiShownKey, false).toBool()) ShowPairiWindow();
  OpeningPending = true;
  windowHandle()->installEventFilter(this);
  if (windowHandle()->isExposed()) QMetaObject::invokeMethod(this, [this] { StartOpening(); }, Qt::QueuedConnection);
}

void TMainDlg::StartOpening() {
  if (!OpeningPending || !isVisible()) return;
  OpeningPending = false;
  RunHandler([this] { FormShow(); });
  RunQueued();
}

void TMainDlg::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  FormHide();
  if (PairiDlg != nullptr) PairiDlg->hide();
}

// Closing ends a running step where it stands and drops what waited for it.
void TMainDlg::FormHide() {
  OpeningPending = false;
  Repeats = {};
  PauseTimer->stop();
  Queued.clear();
  DoubleClicked = false;
  Game.FormHide();
}

bool TMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && OpeningPending && windowHandle()->isExposed())
    // After the window system's expose is handled, so the first paint is done.
    QMetaObject::invokeMethod(this, [this] { StartOpening(); }, Qt::QueuedConnection);
  if (watched == FrMjTepai1->Image1) {
    if (event->type() == QEvent::MouseButtonDblClick) DoubleClicked = true;
    if (event->type() == QEvent::MouseButtonRelease && std::exchange(DoubleClicked, false)) return true;
  }
  return TFramedDlg::eventFilter(watched, event);
}

// Esc does not close the window; Exit and the title bar do.
void TMainDlg::reject() {}

void TMainDlg::closeEvent(QCloseEvent* event) {
  done(QDialog::Rejected);
  event->accept();
}
