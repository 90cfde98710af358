#pragma once

// Where windows go on the desktop, as plain rectangles: every rectangle is a
// window's frame, title bar and borders included, and the desktop is the
// screen's free area. No window is touched here, so the rules are tested alone.

#include <QRect>
#include <vector>

enum class TSide { Right, Left, Below, Above };

// A frame's top left moved as little as possible to keep it on the desktop,
// its top left first where it is larger.
QPoint KeepOnDesk(const QRect& desk, const QPoint& topLeft, const QSize& frame);

// The size of a frame on the desktop: wanted where it fits, else as large as
// the desktop holds, never below least.
QSize FitOnDesk(const QRect& desk, const QSize& wanted, const QSize& least);

// A window to go beside an owner: the frame it wants, the least it may shrink
// to (its wanted size when it cannot), and the sides of the owner to try, best first.
struct TBeside {
  QSize Wanted;
  QSize Least;
  std::vector<TSide> Sides;
};
struct TPlacement {
  QPoint Shift;  // by which the owner and the windows placed before it move
  QRect Window;
};
// Places a window beside owner, clear of the owner and of the windows already
// placed beside it, which move with the owner as one group. Right and left
// align the tops, below and above centre the window under or over the owner.
// The first side where the wanted frame fits as things stand wins; else the
// first where it fits once the group moves onto the desktop; else the side
// that holds the largest frame between least and wanted, the group moved as
// needed. Where no side has room, the window at its least goes to one edge of
// the desktop and the group to the other, on the side where it covers least of
// them; the window's top left is always on the desktop, its title bar in reach.
TPlacement PlaceBeside(const QRect& desk, const QRect& owner, const std::vector<QRect>& placed, const TBeside& window,
                       int gap);

// Where a window that only waits (the menu under a window it opened) goes so
// that it covers none of keepClear: where it stands when it covers none, else
// the nearest free place beside one of them or in a corner; where there is no
// free place, the one that covers least.
QPoint PlaceAside(const QRect& desk, const QRect& window, const std::vector<QRect>& keepClear, int gap);
