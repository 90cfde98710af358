#pragma once

// What the windows have in common: the window itself (title bar, font, fixed
// size, centred on the desktop), the frame of the practice window and the
// viewer (a scroll box over a status bar), and the file dialogs their commands
// run.

#include <QDialog>
#include <QFileDialog>
#include <QMargins>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "ui/Tplace1.h"

class QCloseEvent;
class QColor;
class QKeyEvent;
class QFrame;
class QLabel;
class QStatusBar;

// A window of ours: a title bar with the system menu, minimise and close
// buttons, the Gothic font, and a layout without margins that keeps the window
// at the size of its content, so the user cannot resize it unless it is made
// resizable.
class TTileDlg : public QDialog {
  Q_OBJECT
public:
  static constexpr int SideGap = 8;  // between a window and the one it explains

  explicit TTileDlg(QWidget* parent = nullptr);

  // Moves window beside owner, frames included, as PlaceBeside says: clear of
  // the owner's other windows on the screen, which move with it to make room,
  // and shrunk down to its minimum size where the desktop is too small for it.
  // The window the owner was opened from, waiting for it, steps aside.
  static void MoveBeside(QWidget* window, QWidget* owner, const std::vector<TSide>& sides);
  // A window's frame on the screen; before the window system has framed it, its
  // place with the frame it had before or another of our windows has.
  static QRect FrameOf(QWidget* window);
  static QMargins FrameMargins(QWidget* window);
  // Moves a window so that its frame's top left is there, framed or not yet.
  static void MoveFrame(QWidget* window, const QPoint& topLeft);

protected:
  void moveEvent(QMoveEvent* event) override;
  // Moves the window, frame included, to the middle of its screen's desktop.
  void CentreOnDesktop();
  // Lets the window be resized down to its layout's minimum (a table in it
  // scrolls); placed, it takes its size hint or as much of it as the desktop holds.
  void MakeResizable();
};

// A window that works beside the practice window (the waits and the analysis):
// it stays above its owner, passes the owner's keys on to it, and its title
// bar's close and Esc only hide it.
class TSideDlg : public TTileDlg {
  Q_OBJECT
public:
  using TTileDlg::TTileDlg;

  // Shows the window for owner; ownerKeys answers whether the owner took a key
  // pressed, and sees the releases.
  void ShowFor(QWidget* owner, std::function<bool(const QKeyEvent&)> ownerKeys);
  // Moves the window beside owner (and the owner to make room) whenever it
  // comes on the screen.
  void PlaceBeside(QWidget* owner);

  // The player closed the window from its title bar.
  std::function<void()> OnClosed;

protected:
  // The sides of the owner to try, best first.
  virtual std::vector<TSide> Sides() const = 0;

  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

  bool Placed = false;  // beside its owner, or centred alone

private:
  std::function<bool(const QKeyEvent&)> OwnerKeys;
};

// The frame of the practice window and the viewer. Under the menu bar the
// client area holds the scroll box, a sunken panel filled with one colour with
// the tile rows inside its border, above the status bar with two text panels.
class TFramedDlg : public TTileDlg {
  Q_OBJECT
public:
  static constexpr int StatusHeight = 19;
  static constexpr int BorderWidth = 2;  // the scroll box's sunken border

  // How wide the last status panel is: its width, or at least that and on to
  // the window's edge, as a status bar's last part is.
  enum class TLastPanel { Fixed, ToEdge };

  TFramedDlg(int firstPanelWidth, int lastPanelWidth, TLastPanel last, QWidget* parent = nullptr);

  // Components, in the order of the window's layout.
  QWidget* ClientArea;     // everything under the menu bar, status bar included
  QFrame* ScrollBox1;
  QWidget* ScrollClient;   // inside the scroll box's border
  QStatusBar* StatusBar1;
  QLabel* StatusPanel[2];

  // The panel that tells of a finished save; the practice window's empty one,
  // or one the window adds.
  QLabel* NotePanel = nullptr;
  // Says in NotePanel that the file was saved, by its name without folder.
  void ShowSaved(const QString& fileName);

protected:
  // Gives the client area its size and lays the scroll box and the status bar in it.
  void PlaceFrame(QSize client);
  void SetScrollBoxColor(const QColor& color);
};

// Sets a status panel's text, cut in the middle with "…" when the panel is too
// narrow for it (the whole text is then its tool tip).
void SetPanelText(QLabel* panel, const QString& text);

// Where the player's records live: the program's folder when the player may
// write there and it is no system folder (a build tree, a portable copy), else
// TileLab in the player's documents folder, made when first asked for.
QString RecordsFolder();
QString RecordsFolderFor(const QString& programFolder, const QString& documentsFolder);
// The folder the save dialogs start in: the last one a file was saved into,
// remembered between runs, else the records folder.
QString SaveFolder();
void RememberSaveFolder(const QString& savedFile);

// Asks whether to replace fileName when it exists; true when it does not or the
// player answers yes. Tests answer through the hook (empty restores the question).
bool ConfirmReplace(QWidget* owner, const QString& fileName);
using TReplaceHook = std::function<bool(const QString& fileName)>;
void SetReplaceHook(TReplaceHook hook);

// Runs the file dialog modally over owner and answers the chosen name, or an
// empty text when cancelled. filter holds "text|pattern" pairs, one after the
// other ("*.csv|*.csv|*.*|*.*"), "*.*" meaning every file; defaultExt is added
// to a name typed without one. An open dialog accepts a name that does not
// exist, so that opening it reports the error; a save dialog asks before it
// replaces a file, and goes back to the choice on no. It offers fileName and
// starts in folder, each when given.
QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultExt,
                      const QString& fileName, const QString& folder = QString());
