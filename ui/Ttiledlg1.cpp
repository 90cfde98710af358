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

TTileDlg::TTileDlg(QWidget* parent) : QDialog(parent) {
  setFont(PGothicFont(12));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPoint KeepOnDesk(const QRect& desk, const QPoint& topLeft, const QSize& frame) {
  return {std::max(desk.left(), std::min(topLeft.x(), desk.right() + 1 - frame.width())),
          std::max(desk.top(), std::min(topLeft.y(), desk.bottom() + 1 - frame.height()))};
}

TPlacement PlaceBeside(const QRect& desk, const QRect& owner, const QSize& frame, const std::vector<TSide>& sides,
                       int gap) {
  auto at = [&](TSide side) -> QPoint {
    switch (side) {
      case TSide::Right:
        return {owner.right() + 1 + gap, owner.top()};
      case TSide::Left:
        return {owner.left() - gap - frame.width(), owner.top()};
      case TSide::Below:
        return {owner.left() + (owner.width() - frame.width()) / 2, owner.bottom() + 1 + gap};
      case TSide::Above:
        return {owner.left() + (owner.width() - frame.width()) / 2, owner.top() - gap - frame.height()};
    }
    return owner.topLeft();
  };
  // A side with room as things stand, else one with room once the pair, as
  // one rectangle, moves onto the desktop.
  for (const TSide side : sides)
    if (desk.contains(QRect(at(side), frame))) return {owner.topLeft(), at(side)};
  for (const TSide side : sides) {
    const QRect window(at(side), frame);
    const QRect both = owner.united(window);
    if (both.width() > desk.width() || both.height() > desk.height()) continue;
    const QPoint shift = KeepOnDesk(desk, both.topLeft(), both.size()) - both.topLeft();
    return {owner.topLeft() + shift, window.topLeft() + shift};
  }
  QPoint best = KeepOnDesk(desk, owner.topLeft(), frame);
  long long least = -1;
  for (const TSide side : sides) {
    const QPoint place = KeepOnDesk(desk, at(side), frame);
    const QRect covered = owner.intersected(QRect(place, frame));
    const long long area = covered.isEmpty() ? 0 : 1LL * covered.width() * covered.height();
    if (least < 0 || area < least) {
      least = area;
      best = place;
    }
  }
  return {owner.topLeft(), best};
}

void TTileDlg::MoveBeside(QWidget* window, QWidget* owner, const std::vector<TSide>& sides) {
  const QScreen* screen = owner->screen();
  if (screen == nullptr) return;
  const QRect ownerFrame = owner->frameGeometry();
  // Before its first showing the window's own frame is not known; the owner's is alike.
  const QSize frame = window->isVisible() && window->frameGeometry().size() != window->size()
                          ? window->frameGeometry().size()
                          : window->size() + (ownerFrame.size() - owner->size());
  const TPlacement placed = PlaceBeside(screen->availableGeometry(), ownerFrame, frame, sides, SideGap);
  if (placed.Owner != ownerFrame.topLeft()) owner->move(placed.Owner);
  window->move(placed.Window);
}

void TTileDlg::CentreOnDesktop() {
  if (const QScreen* screen = this->screen()) {
    const QRect desk = screen->availableGeometry();
    move(desk.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
}

// Without an owner the window system would keep the window above a hidden
// leader window, and a click on the practice window would bury it.
void TSideDlg::ShowFor(QWidget* owner, std::function<bool(const QKeyEvent&)> ownerKeys) {
  if (owner->isVisible()) PlaceBeside(owner);
  OwnerKeys = std::move(ownerKeys);
  winId();
  windowHandle()->setTransientParent(owner->windowHandle());
  show();
}

void TSideDlg::PlaceBeside(QWidget* owner) {
  if (Placed || owner == nullptr || owner->screen() == nullptr) return;
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
