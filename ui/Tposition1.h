#pragma once

// Positions to share, in the 編集 menu of the practice window, the review, the
// drill and the board: コピー puts the window's position on the clipboard as
// its one-line text (Mjposition1.h) and as a picture of what the window shows;
// 貼り付け opens the clipboard's text in the position board, or tells why it
// cannot.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "game/Mjposition1.h"

class QMenu;
class QMenuBar;
class QWidget;
class TBoardDlg;

// Adds 編集 after the bar's first menu (or as the first). position answers the
// position the window shows (no tiles: nothing to copy), picture what the
// window shows; board answers the window a pasted position opens in.
QMenu* AddEditMenu(QMenuBar* bar, QWidget* owner, std::function<TMjPosition()> position,
                   std::function<QImage()> picture, std::function<TBoardDlg*()> board);

class QTableWidget;
class QWidget;

// The table of a decision's discards as the review and the drill show it: read
// only, one row a discard with its tile as icon, the effective kinds stretched.
QTableWidget* MakeDiscardTable(QWidget* parent, const QStringList& heads, QSize size, int rowHeight);

// Pictures one under the other on a background (the tile sheet's, as the windows paint).
QImage StackPictures(const QList<QImage>& pictures, const QColor& background);
// The one-line text and the picture on the clipboard; nothing without 13 or 14 tiles.
void CopyPosition(const TMjPosition& position, const QImage& picture);
// The clipboard's text into the board; false, after a warning naming the place
// and the reason, when it is no position. Nothing else changes then. source
// names the text in the warning (empty: the pasted text).
bool PastePosition(const QString& text, const std::function<TBoardDlg*()>& board, const QString& source = {});
// The place is counted in characters of text (UTF-8); field names the text
// (empty: the pasted text).
QString PositionErrorText(const TMjPositionRead& position, const QByteArray& text, const QString& field = {});

// The board of a window, made as a window of its own over owner at its first use, and shown.
TBoardDlg* OwnBoard(QWidget* owner, TBoardDlg*& board);
