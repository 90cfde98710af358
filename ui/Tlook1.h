#pragma once

// The sizes and colours the windows share; each window keeps its own in one
// block at the head of its source.

#include <QColor>
#include <QString>

constexpr int TextPixels = 12;                     // the Gothic text of the tile windows
constexpr int HeadPixels = 14;                     // a heading over a table
constexpr int PageMargin = 10;                     // around a side window's contents
constexpr int LineGap = 6;                         // between the lines of a side window
constexpr int LeastTableRows = 3;                  // a table scrolls down to this many rows on a short screen
inline const QColor WrongColor{0xc0, 0x00, 0x00};  // a wrong answer, a record that cannot be used
inline const QColor RightColor{0x00, 0x80, 0x00};  // a right answer

// A label's text in one of the colours above.
inline QString TextColorStyle(const QColor& color) { return QStringLiteral("color: %1;").arg(color.name()); }
