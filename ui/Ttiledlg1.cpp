#include "ui/Ttiledlg1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStringList>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

#include <algorithm>

#include "ui/Tfonts1.h"
#include "ui/Tlook1.h"

TTileDlg::TTileDlg(QWidget* parent) : QDialog(parent) {
  setFont(PGothicFont(TextPixels));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

const char* const FrameMarginsKey = "tilelabFrameMargins";
const char* const ForeseenKey = "tilelabFrameForeseen";  // placed before it was framed
const char* const RetriedKey = "tilelabFrameRetried";
constexpr int RoundingSlack = 2;                         // pixels a scaled frame may land from where it was put

bool Framed(const QWidget* w) { return w->isVisible() && w->frameGeometry() != w->geometry(); }

QMargins MarginsOf(const QWidget* w) {
  const QRect frame = w->frameGeometry(), client = w->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

// A window's own frame as last seen (a resizable one may have a grip at its
// foot); before it was ever framed, that of another of our windows.
QMargins TTileDlg::FrameMargins(QWidget* window) {
  if (Framed(window)) {
    const QMargins margins = MarginsOf(window);
    window->setProperty(FrameMarginsKey, QVariant::fromValue(margins));
    return margins;
  }
  const QVariant seen = window->property(FrameMarginsKey);
  if (seen.isValid()) return seen.value<QMargins>();
  for (const QWidget* top : QApplication::topLevelWidgets())
    if (Framed(top)) return MarginsOf(top);
  return {};
}

// Qt places a window not made yet by its frame; one made but not framed yet,
// by its client area.
QRect TTileDlg::FrameOf(QWidget* window) {
  const QMargins margins = FrameMargins(window);
  if (Framed(window)) return window->frameGeometry();
  const QRect frame(window->pos(), window->size().grownBy(margins));
  if (!window->testAttribute(Qt::WA_WState_Created)) return frame;
  return frame.translated(-margins.left(), -margins.top());
}

void TTileDlg::MoveFrame(QWidget* window, const QPoint& topLeft) {
  // Made now: a frame's place given to a window not made yet lands its client
  // area there when it is at the top of the screen.
  window->winId();
  if (Framed(window)) {
    window->setProperty(ForeseenKey, QVariant());
    window->move(topLeft);
    return;
  }
  const QMargins margins = FrameMargins(window);
  window->move(topLeft + QPoint(margins.left(), margins.top()));
  window->setProperty(ForeseenKey, topLeft);
  window->setProperty(RetriedKey, QVariant());
}

namespace {

// The window the owner was opened from, when it waits for the owner (the menu).
QWidget* OpenerOf(const QWidget* owner) {
  const QWindow* handle = owner->windowHandle();
  const QWindow* opener = handle != nullptr ? handle->transientParent() : nullptr;
  if (opener == nullptr || owner->windowModality() == Qt::NonModal) return nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top->windowHandle() == opener) return top;
  return nullptr;
}

// The owner's other windows on the screen: those it is the transient parent of.
std::vector<QWidget*> GroupOf(const QWidget* owner, const QWidget* window) {
  std::vector<QWidget*> group;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == window || top == owner || !top->isVisible() || top->windowHandle() == nullptr) continue;
    if (top->windowHandle()->transientParent() == owner->windowHandle()) group.push_back(top);
  }
  return group;
}

}  // namespace

void TTileDlg::MoveBeside(QWidget* window, QWidget* owner, const std::vector<TSide>& sides) {
  const QScreen* screen = owner->screen();
  if (screen == nullptr) return;
  const QRect desk = screen->availableGeometry();
  // A window not shown yet has not laid itself out: its minimum is not known before.
  if (window->layout() != nullptr) window->layout()->activate();
  const QRect ownerFrame = FrameOf(owner);
  const QMargins margins = FrameMargins(window);
  const QSize extra = QSize(0, 0).grownBy(margins);
  const TBeside wish{window->sizeHint().expandedTo(window->minimumSize()).boundedTo(window->maximumSize()) + extra,
                     window->minimumSize() + extra, sides};
  const std::vector<QWidget*> group = GroupOf(owner, window);
  std::vector<QRect> placed;
  for (QWidget* w : group) placed.push_back(FrameOf(w));
  const TPlacement where = PlaceBeside(desk, ownerFrame, placed, wish, SideGap);
  QPoint shift = where.Shift;
  QRect windowFrame = where.Window;

  // The menu waiting for the owner steps aside; where the desktop has no free
  // place for it, the group moves to make one beside the owner.
  QWidget* opener = OpenerOf(owner);
  QPoint openerAt;
  if (opener != nullptr) {
    const QRect menu = FrameOf(opener);
    const QRect ownerNow = ownerFrame.translated(shift);
    std::vector<QRect> others{windowFrame};  // the group but the owner
    for (const QRect& r : placed) others.push_back(r.translated(shift));
    auto covers = [&](const QRect& m, QPoint by) {
      return m.intersects(ownerNow.translated(by)) ||
             std::any_of(others.begin(), others.end(), [&](const QRect& r) { return r.translated(by).intersects(m); });
    };
    std::vector<QRect> keepClear = others;
    keepClear.push_back(ownerNow);
    openerAt = PlaceAside(desk, menu, keepClear, SideGap);
    if (covers(QRect(openerAt, menu.size()), {})) {
      const TPlacement room =
          PlaceBeside(desk, ownerNow, others,
                      {menu.size(), menu.size(), {TSide::Right, TSide::Left, TSide::Below, TSide::Above}}, SideGap);
      const QRect moved = room.Window;
      if (desk.contains(moved) && !covers(moved, room.Shift)) {
        shift += room.Shift;
        windowFrame.translate(room.Shift);
        openerAt = moved.topLeft();
      }
    }
  }

  if (!shift.isNull()) {
    MoveFrame(owner, ownerFrame.topLeft() + shift);
    for (std::size_t i = 0; i < group.size(); ++i) MoveFrame(group[i], placed[i].topLeft() + shift);
  }
  window->resize(windowFrame.size() - extra);
  MoveFrame(window, windowFrame.topLeft());
  if (opener != nullptr) MoveFrame(opener, openerAt);
}

// Once the window system has framed a window placed before, the frame is
// checked once: where it landed elsewhere (a busy window system may take an
// older request last, or pass through the window's old place), the window goes
// where it was put; a frame foreseen a few pixels short (a resizable window's
// grip) is brought back onto the desktop.
void TTileDlg::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  const QVariant foreseen = property(ForeseenKey);
  if (!foreseen.isValid() || !Framed(this) || screen() == nullptr) return;
  const QRect frame = frameGeometry();
  if ((frame.topLeft() - foreseen.toPoint()).manhattanLength() > RoundingSlack && !property(RetriedKey).toBool()) {
    setProperty(RetriedKey, true);
    move(foreseen.toPoint());
    return;
  }
  setProperty(ForeseenKey, QVariant());
  setProperty(RetriedKey, QVariant());
  const QRect desk = screen()->availableGeometry();
  if (!desk.contains(frame)) move(KeepOnDesk(desk, frame.topLeft(), frame.size()));
}

void TTileDlg::MakeResizable() {
  layout()->setSizeConstraint(QLayout::SetMinimumSize);
  setSizeGripEnabled(false);
}

void TTileDlg::CentreOnDesktop() {
  if (const QScreen* screen = this->screen()) {
    const QRect desk = screen->availableGeometry();
    layout()->activate();
    const QSize extra = QSize(0, 0).grownBy(FrameMargins(this));
    const QSize frame =
        FitOnDesk(desk, sizeHint().expandedTo(minimumSize()).boundedTo(maximumSize()) + extra, minimumSize() + extra);
    if (frame - extra != size()) resize(frame - extra);
    MoveFrame(this, KeepOnDesk(desk, desk.center() - QPoint(frame.width() / 2, frame.height() / 2), frame));
  }
}

// Without an owner the window system would keep the window above a hidden
// leader window, and a click on the practice window would bury it.
void TSideDlg::ShowFor(QWidget* owner, std::function<bool(const QKeyEvent&)> ownerKeys) {
  if (owner->isVisible() && !isVisible()) PlaceBeside(owner);
  OwnerKeys = std::move(ownerKeys);
  winId();
  windowHandle()->setTransientParent(owner->windowHandle());
  show();
}

void TSideDlg::PlaceBeside(QWidget* owner) {
  if (owner == nullptr || owner->screen() == nullptr) return;
  MoveBeside(this, owner, Sides());
  Placed = true;
}

void TSideDlg::keyPressEvent(QKeyEvent* event) {
  if (OwnerKeys && OwnerKeys(*event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The owner sees the releases too: it tells a held key's repeats by them.
void TSideDlg::keyReleaseEvent(QKeyEvent* event) {
  if (OwnerKeys) OwnerKeys(*event);
  QDialog::keyReleaseEvent(event);
}

void TSideDlg::reject() {}

void TSideDlg::closeEvent(QCloseEvent* event) {
  event->accept();
  if (OnClosed) OnClosed();
}

TFramedDlg::TFramedDlg(int firstPanelWidth, int lastPanelWidth, TLastPanel last, QWidget* parent)
    : TTileDlg(parent) {
  ClientArea = new QWidget(this);
  layout()->addWidget(ClientArea);

  ScrollBox1 = new QFrame(ClientArea);
  ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ScrollBox1->setLineWidth(BorderWidth);
  ScrollBox1->setAutoFillBackground(true);
  ScrollClient = new QWidget(ScrollBox1);
  ScrollClient->move(BorderWidth, BorderWidth);

  StatusBar1 = new QStatusBar(ClientArea);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setFixedHeight(StatusHeight);
  for (QLabel*& panel : StatusPanel) {
    panel = new QLabel(StatusBar1);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  StatusPanel[0]->setFixedWidth(firstPanelWidth);
  StatusBar1->addWidget(StatusPanel[0]);
  if (last == TLastPanel::ToEdge) {
    StatusPanel[1]->setMinimumWidth(lastPanelWidth);
    StatusBar1->addWidget(StatusPanel[1], 1);
  } else {
    StatusPanel[1]->setFixedWidth(lastPanelWidth);
    StatusBar1->addWidget(StatusPanel[1]);
  }
}

void TFramedDlg::PlaceFrame(QSize client) {
  ClientArea->setFixedSize(client);
  ScrollBox1->setGeometry(0, 0, client.width(), client.height() - StatusHeight);
  ScrollClient->resize(ScrollBox1->width() - 2 * BorderWidth, ScrollBox1->height() - 2 * BorderWidth);
  StatusBar1->setGeometry(0, client.height() - StatusHeight, client.width(), StatusHeight);
}

void TFramedDlg::ShowSaved(const QString& fileName) {
  if (NotePanel != nullptr) SetPanelText(NotePanel, tr("保存しました: %1").arg(QFileInfo(fileName).fileName()));
}

void SetPanelText(QLabel* panel, const QString& text) {
  const QFontMetrics metrics(panel->font());
  // A framed label keeps half an "x" free on its aligned side unless told otherwise.
  const int indent = panel->indent() >= 0 ? panel->indent()
                     : panel->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                               : 0;
  const int room = std::max(panel->width(), panel->minimumWidth()) - 2 * panel->frameWidth() -
                   2 * panel->margin() - indent;
  const QString shown = metrics.elidedText(text, Qt::ElideMiddle, std::max(room, 0));
  panel->setText(shown);
  panel->setToolTip(shown == text ? QString() : text);
}

void TFramedDlg::SetScrollBoxColor(const QColor& color) {
  QPalette palette = ScrollBox1->palette();
  palette.setColor(QPalette::Window, color);
  ScrollBox1->setPalette(palette);
}

namespace {

// "text|pattern|text|pattern" as the file dialog's name filters; "*.*" means
// every file, with or without a dot in its name.
QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parts[i + 1];
    filters << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
  }
  return filters;
}

}  // namespace

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultExt,
                      const QString& fileName, const QString& folder) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptOpen)
    dialog.setFileMode(QFileDialog::AnyFile);
  else
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked below, of the name with its extension
  dialog.setNameFilters(NameFilters(filter));
  dialog.setDefaultSuffix(defaultExt);
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().constFirst();
    // No to replacing goes back to the choice, as the dialog's own question would.
    if (mode == QFileDialog::AcceptOpen || ConfirmReplace(&dialog, chosen)) return chosen;
  }
  return {};
}

namespace {

TReplaceHook ReplaceHook;

// Folders of the system's programs, where a player's records do not belong even
// when the player may write there (root).
bool IsSystemFolder(const QString& folder) {
  const QString path = QDir::cleanPath(folder);
  if (path == QStringLiteral("/")) return true;
  for (const char* top : {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/opt", "/etc", "/var", "/snap",
                          "/app", "/nix"}) {
    const QString prefix = QString::fromLatin1(top);
    if (path == prefix || path.startsWith(prefix + QLatin1Char('/'))) return true;
  }
  return false;
}

const QString SaveFolderKey = QStringLiteral("SaveFolder");

}  // namespace

QString RecordsFolderFor(const QString& programFolder, const QString& documentsFolder) {
  const QFileInfo program(programFolder);
  if (program.isDir() && program.isWritable() && !IsSystemFolder(programFolder)) return QDir::cleanPath(programFolder);
  return QDir::cleanPath(documentsFolder + QStringLiteral("/TileLab"));
}

QString RecordsFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath() + QStringLiteral("/Documents");
  const QString folder = RecordsFolderFor(QCoreApplication::applicationDirPath(), documents);
  QDir().mkpath(folder);
  return folder;
}

QString SaveFolder() {
  const QString last = QSettings().value(SaveFolderKey).toString();
  return !last.isEmpty() && QFileInfo(last).isDir() ? last : RecordsFolder();
}

void RememberSaveFolder(const QString& savedFile) {
  QSettings().setValue(SaveFolderKey, QFileInfo(savedFile).absolutePath());
}

bool ConfirmReplace(QWidget* owner, const QString& fileName) {
  if (!QFileInfo::exists(fileName)) return true;
  if (ReplaceHook) return ReplaceHook(fileName);
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                  QCoreApplication::translate("TFramedDlg", "%1 は既にあります。\n置き換えますか?")
                      .arg(QFileInfo(fileName).fileName()),
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("TFramedDlg", "はい(&Y)"));
  box.button(QMessageBox::No)->setText(QCoreApplication::translate("TFramedDlg", "いいえ(&N)"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void SetReplaceHook(TReplaceHook hook) { ReplaceHook = std::move(hook); }
