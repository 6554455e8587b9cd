#pragma once

#include <cmath>

// The units every sheet layout is written in. They are not square: a unit is 1/90.998
// inch across and 1/91.626 inch down, measured from the paper's top-left corner. The
// numbers of every blank's layout were fitted to these, so they stay as they are.
namespace vellex::units {

inline constexpr double kPerInchX = 90.998;
inline constexpr double kPerInchY = 91.626;

// A4 portrait: round(210 mm × 90.998 / 25.4) × round(297 mm × 91.626 / 25.4).
inline constexpr int kA4Width = 752;
inline constexpr int kA4Height = 1071;
// The Windows paper code of A4, kept on the page for the JSON dump and the printer.
inline constexpr int kPaperA4 = 9;

// Text inside a box starts this far from the left / right and the top edge.
inline constexpr int kInsetX = 2;
inline constexpr int kInsetTop = 1;
// Extra space between two lines of a box.
inline constexpr int kLineSpacing = 2;

// The character cell of a font of `points` points: round(N × 96 / 72) units.
inline int fontCellHeight(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}
// From one line's top to the next one's.
inline int linePitch(int points, int lineSpacing = kLineSpacing) {
    return fontCellHeight(points) + lineSpacing;
}

// Units to millimetres and to device pixels (for the renderer; no rounding).
inline double toMmX(double u) {
    return u * 25.4 / kPerInchX;
}
inline double toMmY(double u) {
    return u * 25.4 / kPerInchY;
}
inline double toDeviceX(double u, double dpi) {
    return u * dpi / kPerInchX;
}
inline double toDeviceY(double u, double dpi) {
    return u * dpi / kPerInchY;
}

}  // namespace vellex::units
