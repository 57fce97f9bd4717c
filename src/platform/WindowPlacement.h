#pragma once

#include <QMargins>
#include <QRect>

// Where a window may lie on a screen, worked out on rectangles alone.
namespace WindowPlacement {
// The client rectangle that puts the whole window (client plus frame) on the available area:
// the size shrinks to fit first, then the position moves inside. A client smaller than
// minimum grows to it where the area has room.
QRect fit(const QRect& client, const QMargins& frame, const QRect& available, const QSize& minimum = {});
} // namespace WindowPlacement
