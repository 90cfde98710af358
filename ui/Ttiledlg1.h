#pragma once

// What the windows have in common: the window itself (title bar, font, fixed
// size, centred on the desktop), the frame of the practice window and the
// viewer (a scroll box over a status bar), and the file dialogs their commands
// run.

#include <QDialog>
#include <QFileDialog>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QCloseEvent;
class QColor;
class QKeyEvent;
class QFrame;
class QLabel;
class QStatusBar;

// Where a window goes beside the window it explains (its owner), frames
// included. The sides are tried in order; on the first where both fit on the
// desktop's free area without overlapping, the window goes there, and the owner
// moves only as far as needed to make room. Right and left align the tops,
// below and above centre the window under or over the owner. Where no side has
// room the owner stays, and the window goes where it covers least of it. The
// window's top left is always on the desktop, so its title bar and as much of
// it as the screen can hold stay in reach.
enum class TSide { Right, Left, Below, Above };
struct TPlacement {
  QPoint Owner;
  QPoint Window;
};
TPlacement PlaceBeside(const QRect& desk, const QRect& owner, const QSize& frame, const std::vector<TSide>& sides,
                       int gap);
// A frame's top left moved as little as possible to keep it on the desktop,
// its top left first where it is larger.
QPoint KeepOnDesk(const QRect& desk, const QPoint& topLeft, const QSize& frame);

// A window of ours: a title bar with the system menu, minimise and close
// buttons, the Gothic font, and a layout without margins that keeps the window
// at the size of its content, so the user cannot resize it.
class TTileDlg : public QDialog {
  Q_OBJECT
public:
  static constexpr int SideGap = 8;  // between a window and the one it explains

  explicit TTileDlg(QWidget* parent = nullptr);

  // Moves window beside owner, frames included, as PlaceBeside says.
  static void MoveBeside(QWidget* window, QWidget* owner, const std::vector<TSide>& sides);

protected:
  // Moves the window, frame included, to the middle of its screen's desktop.
  void CentreOnDesktop();
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
  // Moves the window beside owner (and the owner to make room) the first time
  // it is placed; later showings keep where the player put it.
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

  bool Placed = false;

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
