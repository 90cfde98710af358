#pragma once

// Positions to share, in the 編集 menu of the practice window, the review and
// the drill: コピー puts the window's current 14 (or 13) tiles on the clipboard
// as mpsz text, drawn tile last, and as a picture of the hand over its discard
// table; 貼り付け opens the clipboard's text as a 何切る position in an analysis
// window, or tells why it cannot.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "game/Mjposition1.h"

class QMenu;
class QMenuBar;
class QWidget;
class TPairiDlg;

// The tiles a window shows now: 14 with the one drawn, 13 without, or none.
struct TMjShownHand {
  TKindCounts Hand{};
  int DrawnKind = -1;
  int Tiles() const;
};

// Adds 編集 after the bar's first menu. shown answers the window's tiles;
// analysis answers the window the pasted position goes to, made and shown
// beside the owner as needed.
QMenu* AddEditMenu(QMenuBar* bar, QWidget* owner, std::function<TMjShownHand()> shown,
                   std::function<TPairiDlg*()> analysis);

// The hand, the drawn tile apart at its right, over the analysis window's table of it.
class QTableWidget;
class QWidget;

// The table of a decision's discards as the review and the drill show it: read
// only, one row a discard with its tile as icon, the effective kinds stretched.
QTableWidget* MakeDiscardTable(QWidget* parent, const QStringList& heads, QSize size, int rowHeight);

QImage PositionPicture(const TMjShownHand& shown);
// Both forms on the clipboard; nothing happens without tiles.
void CopyPosition(const TMjShownHand& shown);
// The clipboard's text into window; false, after a warning naming the place and
// the reason, when it is no position. Nothing else changes then.
bool PastePosition(const QString& text, const std::function<TPairiDlg*()>& analysis);
// The place is counted in characters of text (UTF-8).
QString PositionErrorText(const TMjPositionRead& position, const QByteArray& text);

// An analysis window of its own for a window that is not the practice window,
// made beside owner at its first use.
TPairiDlg* OwnAnalysis(QWidget* owner, TPairiDlg*& window);
