#include "ui/Viewdlg1.h"

#include <algorithm>
#include <stdexcept>

#include <QActionGroup>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "core/Mjrandom1.h"
#include "game/Mjreplay1.h"
#include "records/Safefile1.h"
#include "ui/Tapplication1.h"
#include "ui/Quizdlg1.h"
#include "ui/Reviewdlg1.h"
#include "ui/Tchance1.h"
#include "ui/Statsdlg1.h"
#include "ui/Drilldlg1.h"
#include "ui/Maindlg1.h"
#include "ui/Tfonts1.h"
#include "ui/Tlook1.h"

namespace {
const QString QuizSetting = QStringLiteral("viewer/waitsQuiz");
}

TViewDlg* ViewDlg = nullptr;

// The last status panel reaches to the window's edge, as a status bar's last
// part does, so the whole time stamp is seen.
TViewDlg::TViewDlg(QWidget* parent)
    : TFramedDlg(StatusNameWidth, StatusDateWidth, TLastPanel::ToEdge, parent) {
  MainMenu1 = new QMenuBar(this);
  layout()->setMenuBar(MainMenu1);
  File1 = MainMenu1->addMenu(tr("ファイル(&F)"));
  Open1 = File1->addAction(tr("開く(&O)..."));
  // The key is in the caption only: the shortcut below must act while the item is hidden.
  MnRandOpen = File1->addAction(tr("ランダムに開く(&R)\tF5"));
  MnBmpSave = File1->addAction(tr("BMP保存(&B)"));
  MnReplay = File1->addAction(tr("この牌譜で練習(&P)"));
  MnReplay->setEnabled(false);
  MnSetFolder = File1->addAction(tr("フォルダを選択(&F)"));
  MnStats = File1->addAction(tr("成績(&T)..."));
  MnDrill = File1->addAction(tr("復習(&D)..."));
  N2 = File1->addSeparator();
  Exit1 = File1->addAction(tr("終了(&X)"));

  FrMjPai1 = new TFrMjPai(this);
  FrMjSheet1 = new TFrMjSheet(ScrollClient);

  Show1 = MainMenu1->addMenu(tr("表示(&V)"));
  MnView1 = Show1->addAction(tr("捨牌のみ(&D)"));
  MnView1->setShortcut(Qt::Key_F6);
  MnView2 = Show1->addAction(tr("牌譜(&A)"));
  MnView2->setShortcut(Qt::Key_F7);
  auto* views = new QActionGroup(this);
  views->setExclusive(true);
  for (QAction* item : {MnView1, MnView2}) {
    item->setCheckable(true);
    views->addAction(item);
  }
  MnView2->setChecked(true);
  N1 = Show1->addSeparator();
  MnShowStat = Show1->addAction(tr("ステータス表示(&S)"));
  MnShowStat->setCheckable(true);
  Show1->addSeparator();
  MnReview = Show1->addAction(tr("検討(&K)"));
  MnReview->setShortcut(Qt::Key_F8);
  MnQuiz = Show1->addAction(tr("待ち当て(&Q)"));
  MnQuiz->setCheckable(true);
  Show1->addSeparator();
  TModelChoice::AddMenu(Show1);

  LbHaipai = MakeRowLabel(tr("配牌"));
  LbTumo = MakeRowLabel(tr("ツモ"));
  LbSute = MakeRowLabel(tr("捨牌"));
  LbTe = MakeRowLabel(tr("最終形"));

  // A third panel after the name and the time stamp tells of a saved picture.
  NotePanel = new QLabel(StatusBar1);
  NotePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StatusBar1->addWidget(NotePanel, 1);

  // A command that fails ends there; the error display shows why.
  ConnectHandler(Open1, &QAction::triggered, this, [this] { Open1Click(); });
  ConnectHandler(MnRandOpen, &QAction::triggered, this, [this] { MnRandOpenClick(); });
  ConnectHandler(MnBmpSave, &QAction::triggered, this, [this] { MnBmpSaveClick(); });
  ConnectHandler(MnSetFolder, &QAction::triggered, this, [this] { MnSetFolderClick(); });
  ConnectHandler(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  ConnectHandler(MnView1, &QAction::triggered, this, [this] { MnView1Click(); });
  ConnectHandler(MnView2, &QAction::triggered, this, [this] { MnView2Click(); });
  // A checkable item inverts its own check mark before it reports the click.
  ConnectHandler(MnShowStat, &QAction::triggered, this, [this] { UpdateStatus(); });
  ConnectHandler(MnStats, &QAction::triggered, this, [this] { MnStatsClick(); });
  ConnectHandler(MnDrill, &QAction::triggered, this, [this] { MnDrillClick(); });
  ConnectHandler(MnReview, &QAction::triggered, this, [this] { MnReviewClick(); });
  ConnectHandler(MnQuiz, &QAction::triggered, this, [this] { MnQuizClick(); });
  ConnectHandler(MnReplay, &QAction::triggered, this, [this] { MnReplayClick(); });
  File1->setToolTipsVisible(true);  // why この牌譜で練習 is disabled

  // A name that does not exist is accepted too; loading it then reports the error.
  OpenDialog = [this](const QString& initialFolder, const QString& fileName) {
    return RunFileDialog(this, QFileDialog::AcceptOpen, QStringLiteral("*.csv|*.csv|*.*|*.*"), QStringLiteral("csv"),
                         fileName, initialFolder);
  };
  SaveDialog = [this](const QString& fileName) {
    return RunFileDialog(this, QFileDialog::AcceptSave, QStringLiteral("*.bmp|*.bmp|*.*|*.*"), QStringLiteral("bmp"),
                         fileName, SaveFolder());
  };
  FolderDialog = [this] { return QFileDialog::getExistingDirectory(this, tr("フォルダを選択"), QString()); };

  // Until the first showing the sheet stands in the record layout, undrawn: its
  // picture is made by the first drawing, at the four-row size.
  FrMjSheet1->Setup(TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
  PlaceComponents();
}

QLabel* TViewDlg::MakeRowLabel(const QString& text) {
  auto* label = new QLabel(text, ScrollClient);
  label->setFixedSize(LabelWidth, LabelHeight);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(PGothicFont(TextPixels));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->setAutoFillBackground(false);
  return label;
}

void TViewDlg::ShowRecordView() {
  SetupRecordView();
  ShowModal();
}

// A record named on the command line: the viewer shows only once it is loaded;
// a file that cannot be read is reported and the menu stays.
void TViewDlg::ShowRecordFile(const QString& fileName) {
  SetupRecordView();
  Prepare();
  try {
    if (!LoadRecordFile(fileName)) return;
  } catch (...) {
    ShowException(std::current_exception());
    return;
  }
  OpenFileName = fileName;
  DrawSheet();
  exec();
}

void TViewDlg::ShowDiscardReading() {
  SetupDiscardReading();
  ShowModal();
}

void TViewDlg::SetupRecordView() {
  Open1->setVisible(true);
  MnRandOpen->setVisible(false);
  MnSetFolder->setVisible(false);
  MnShowStat->setChecked(true);
  MnView2->setChecked(true);
}

void TViewDlg::SetupDiscardReading() {
  Open1->setVisible(false);
  MnRandOpen->setVisible(true);
  MnSetFolder->setVisible(true);
  MnShowStat->setChecked(false);
  MnView1->setChecked(true);
}

// Every showing starts with an empty sheet; FileList alone carries over.
void TViewDlg::Prepare() {
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  FrMjSheet1->Setup(TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
  FrMjSheet1->move(0, 0);
  OpenFileName.clear();
  ClearCodes();
  DrawSheet();
  SetDisplayMode(MnView1->isChecked());
  SetScrollBoxColor(FrMjPai1->BackgroundColor());
  SetPanelText(StatusPanel[0], QString());
  StatusPanel[1]->clear();
  NotePanel->clear();
  Folder = RecordsFolder() + QLatin1Char('/');
  RecordFile.clear();
  RecordDate.clear();
  MnBmpSave->setEnabled(false);
  RecordRead = false;
  MnQuiz->setChecked(QSettings().value(QuizSetting, false).toBool());
  RecordShown();
}

int TViewDlg::ShowModal() {
  Prepare();
  CentreAtShow = true;
  return exec();
}

bool TViewDlg::LoadRecordFile(const QString& fileName) { return Load(QFile::encodeName(fileName).toStdString()); }

// A load that fails part-way ends its command before the sheet is drawn, so
// the sheet still shows the record before: the viewer goes back to that record
// (its grid, its file's name in the status bar), and the review and the quiz
// stay on it, never on a file that did not load.
bool TViewDlg::Load(const std::string& path) {
  const auto shownCodes = Codes;
  const std::string shownFile = RecordFile;
  const std::string shownDate = RecordDate;
  bool loaded = false;
  RecordRead = false;
  try {
    loaded = Loader.LoadRecordFile(path, *this);
  } catch (...) {
    Codes = shownCodes;
    RecordFile = shownFile;
    RecordDate = shownDate;
    UpdateStatus();
    RecordShown();
    throw;
  }
  RecordRead = loaded;
  RecordShown();
  return loaded;
}

void TViewDlg::RecordShown() {
  const bool loaded = !RecordFile.empty();
  if (ReviewDlg) ReviewDlg->SetRecord(Codes, loaded);
  if (QuizDlg) QuizDlg->SetRecord(Codes, loaded);
  UpdateQuiz();
  UpdateReplay();
}

namespace {

// Why a record cannot be played again, for the player.
QString ReplayRefusal(const TMjReplay& replay) {
  const TMjReview& review = replay.Review;
  const QString why = !review.Ok() ? ReviewErrorText(review.Error, review.ErrorStep, review.ErrorCode)
                                   : TViewDlg::tr("ツモが%1枚を超えています。").arg(DealLimit);
  return TViewDlg::tr("この牌譜では練習できません: %1").arg(why);
}

}  // namespace

void TViewDlg::UpdateReplay() {
  const TMjReplay replay = ReplayRecord(Codes);
  MnReplay->setEnabled(RecordRead && replay.Ok());
  MnReplay->setToolTip(RecordRead && !replay.Ok() ? ReplayRefusal(replay) : QString());
}

// The practice window opens over the viewer, which is back when it closes.
void TViewDlg::MnReplayClick() {
  if (!RecordRead || MainDlg == nullptr) return;
  const TMjReplay replay = ReplayRecord(Codes);
  if (!replay.Ok()) {
    ShowWarning(ReplayRefusal(replay));
    return;
  }
  MainDlg->ShowReplay(replay, QFile::decodeName(QByteArray::fromStdString(RecordFile)));
}

void TViewDlg::MnReviewClick() {
  if (!ReviewDlg) {
    ReviewDlg = new TReviewDlg(FrMjSheet1, this);
    ReviewDlg->SetRecord(Codes, !RecordFile.empty());
  }
  if (!ReviewDlg->isVisible()) PlaceBelow(ReviewDlg);
  ReviewDlg->show();
  ReviewDlg->raise();
  ReviewDlg->activateWindow();
}

void TViewDlg::MnQuizClick() {
  QSettings().setValue(QuizSetting, MnQuiz->isChecked());
  UpdateQuiz();
}

void TViewDlg::UpdateQuiz() {
  const bool wanted = MnQuiz->isChecked() && MnRandOpen->isVisible() && isVisible();
  if (!wanted) {
    if (QuizDlg) QuizDlg->hide();
    return;
  }
  if (!QuizDlg) {
    QuizDlg = new TQuizDlg(this);
    QuizDlg->OnNext = [this] { MnRandOpenClick(); };
    QuizDlg->SetRecord(Codes, !RecordFile.empty());
  }
  if (!QuizDlg->isVisible()) PlaceBelow(QuizDlg);
  QuizDlg->show();
}

// The sheet stays in sight: the viewer moves to make room when the screen is
// too short for both, and a screen too short even then puts the window beside it.
void TViewDlg::PlaceBelow(QWidget* window) { MoveBeside(window, this, {TSide::Below, TSide::Above, TSide::Right, TSide::Left}); }

void TViewDlg::MnStatsClick() {
  if (!StatsDlg) {
    StatsDlg = new TStatsDlg(this);
    // The title bar is taken as tall as the viewer's.
    StatsDlg->FitHeight(screen()->availableGeometry().height() - (frameGeometry().height() - height()));
  }
  if (!StatsDlg->isVisible()) MoveBeside(StatsDlg, this, {TSide::Right, TSide::Left, TSide::Below, TSide::Above});
  StatsDlg->show();
  StatsDlg->raise();
  StatsDlg->activateWindow();
  StatsDlg->Analyse(Folder.isEmpty() ? QDir::currentPath() : Folder);
}

void TViewDlg::MnDrillClick() {
  if (!DrillDlg) DrillDlg = new TDrillDlg(this);
  if (!DrillDlg->isVisible()) MoveBeside(DrillDlg, this, {TSide::Right, TSide::Left, TSide::Below, TSide::Above});
  DrillDlg->show();
  DrillDlg->raise();
  DrillDlg->activateWindow();
  DrillDlg->Open(Folder.isEmpty() ? QDir::currentPath() : Folder);
}

void TViewDlg::HeaderRefused() { ShowWarning(tr("ファイル読み込み失敗。")); }

void TViewDlg::EnableBmpSave() { MnBmpSave->setEnabled(true); }

void TViewDlg::SetDisplayMode(bool suteOnly) {
  FrMjSheet1->SuteOnly = suteOnly;
  FrMjSheet1->UpdateHeight();
  PlaceComponents();
  DrawSheet();
}

void TViewDlg::PlaceComponents() {
  const bool suteOnly = FrMjSheet1->SuteOnly;
  const QSize client(FrMjSheet1->width() + ExtraWidth, FrMjSheet1->height() + ExtraHeight);
  PlaceFrame(client);
  FrMjSheet1->move(SheetLeft, 0);

  QLabel* labels[] = {LbHaipai, LbTumo, LbSute, LbTe};
  for (int row = 0; row < RecordRows; ++row) {
    labels[row]->move(0, LabelTop + row * TFrMjPai::PaiHeight);
    labels[row]->setVisible(!suteOnly);
  }
  if (suteOnly) {
    // The discards stand in the sheet's second row.
    LbSute->move(0, LabelTop + TFrMjPai::PaiHeight);
    LbSute->setVisible(true);
  }
  layout()->activate();
}

void TViewDlg::DrawCode(int code, int cell) {
  FrMjPai1->GetCodeParts(code).CopyTo(FrMjSheet1->GetCellParts(cell));
}

void TViewDlg::DrawSheet() {
  constexpr int cols = TFrMjSheet::SheetCols;
  auto at = [this](int row, int col) { return Codes[static_cast<std::size_t>(row * cols + col)]; };
  if (!FrMjSheet1->SuteOnly) {
    for (int row = 0; row < TFrMjSheet::SheetRows; ++row)
      for (int col = 0; col < cols; ++col) DrawCode(at(row, col), row * cols + col);
  } else {
    for (int i = 0; i < cols; ++i) DrawCode(at(DiscardRow, i), cols + i);
    for (int i = 0; i < cols; ++i) {
      // The arrow marks a discard of the tile just drawn at the same turn.
      const bool tsumogiri = at(DiscardRow, i) != 0 && at(DiscardRow, i) == at(DrawRow, i);
      const TParts source = tsumogiri ? FrMjPai1->GetPaiParts(-1, TFrMjPai::ArrowNumber)
                                      : FrMjPai1->GetPaiParts(-1, -1);
      source.CopyTo(FrMjSheet1->GetCellParts(i));
    }
  }
  repaint();
}

void TViewDlg::UpdateStatus() {
  if (MnShowStat->isChecked()) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(RecordFile));
    SetPanelText(StatusPanel[0], file.mid(file.lastIndexOf(QLatin1Char('/')) + 1));
    StatusPanel[1]->setText(QString::fromUtf8(RecordDate.data(), static_cast<qsizetype>(RecordDate.size())));
  } else {
    SetPanelText(StatusPanel[0], QString());
    StatusPanel[1]->clear();
  }
}

void TViewDlg::Open1Click() {
  const QString name = OpenDialog(Folder, OpenFileName);
  if (name.isEmpty()) return;
  OpenFileName = name;
  LoadRecordFile(name);
  DrawSheet();
}

void TViewDlg::MnView1Click() {
  MnView1->setChecked(true);
  SetDisplayMode(true);
}

void TViewDlg::MnView2Click() {
  MnView2->setChecked(true);
  SetDisplayMode(false);
}

void TViewDlg::MnShowStatClick() { MnShowStat->trigger(); }

// The picture as shown: in the discards-only layout its two upper rows, since the
// lower ones still hold whatever the record layout last drew there.
void TViewDlg::MnBmpSaveClick() {
  const QString name = SaveDialog(SaveFileName);
  if (name.isEmpty()) return;
  SaveFileName = name;
  const QImage& canvas = FrMjSheet1->Image1->Canvas();
  const QImage shown = canvas.copy(0, 0, std::min(canvas.width(), FrMjSheet1->width()),
                                   std::min(canvas.height(), FrMjSheet1->height()));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!shown.save(&buffer, "BMP")) throw TFileError(TFileFault::Create, name.toStdString());
  WriteFileAtomically(QFile::encodeName(name).toStdString(), std::string_view(bytes.constData(), bytes.size()));
  RememberSaveFolder(name);
  ShowSaved(name);
}

void TViewDlg::Exit1Click() { close(); }

bool TViewDlg::BuildFileList() {
  FileListFolder = Folder;
  FileList.Build(QFile::encodeName(Folder.isEmpty() ? QStringLiteral(".") : Folder).toStdString());
  if (FileList.Empty()) {
    ShowWarning(tr("ファイルが見つかりません。"));
    return false;
  }
  FileList.Shuffle();
  return true;
}

// A cancelled chooser leaves the folder and the list as they were.
void TViewDlg::MnSetFolderClick() {
  const QString chosen = FolderDialog();
  if (chosen.isEmpty()) return;
  Folder = chosen + QLatin1Char('/');
  BuildFileList();
}

// The name leaves the list before loading, so a file that cannot be read is not
// met again on every press; names are joined to the folder the list came from.
void TViewDlg::MnRandOpenClick() {
  if (FileList.Empty() && !BuildFileList()) return;
  const std::string path = QFile::encodeName(FileListFolder).toStdString() + std::string(FileList[0]);
  FileList.RemoveFirst();
  Load(path);
  DrawSheet();
}

void TViewDlg::keyReleaseEvent(QKeyEvent* event) {
  Repeats.Release(*event);
  QDialog::keyReleaseEvent(event);
}

// Esc does not close the viewer; the title bar and Exit do. F5 opens a record
// even while its item is hidden, and Return answers the quiz shown under the
// viewer; held, each acts once.
void TViewDlg::keyPressEvent(QKeyEvent* event) {
  const bool repeat = Repeats.Press(*event);
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Escape: event->accept(); return;
      case Qt::Key_F5:
        if (!repeat) RunHandler([this] { MnRandOpenClick(); });
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (QuizDlg == nullptr || !QuizDlg->isVisible()) break;
        if (!repeat) QuizDlg->Check();
        return;
      default: break;
    }
  }
  QDialog::keyPressEvent(event);
}

// Centred when the menu shows it, not when it comes back from being minimised.
void TViewDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (CentreAtShow) {
    CentreAtShow = false;
    CentreOnDesktop();
  }
  UpdateQuiz();
}

// The windows opened from the viewer go with it.
void TViewDlg::hideEvent(QHideEvent* event) {
  for (QDialog* dlg : std::initializer_list<QDialog*>{ReviewDlg, QuizDlg, StatsDlg, DrillDlg})
    if (dlg) dlg->hide();
  QDialog::hideEvent(event);
}
