#pragma once

#include <QRect>
#include <QSize>

namespace vellex {

// The room a window's frame and title bar take around its contents.
inline constexpr int kFrameWidth = 16;
inline constexpr int kFrameHeight = 40;

// `wanted`, shrunk where needed so that the window with its frame fits `available` (the
// screen without its task bar).
QSize fitToScreen(QSize wanted, const QRect& available);

// The main window's size at the very first start: the widest page without a horizontal
// scroll bar (about 1030 × 720), or the whole screen when that is smaller.
QSize firstStartSize(const QRect& available);

}  // namespace vellex
