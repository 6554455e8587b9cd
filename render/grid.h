#pragma once

#include <vector>

class QPainter;

// The alignment grid: a line every 10 mm across and down an A4 sheet, each labelled with
// its distance in millimetres from the paper's top-left corner. Printed on plain paper and
// laid on a blank against the light, it shows how far the entries must move.
namespace vellex {

inline constexpr int kGridStepMm = 10;
inline constexpr double kGridPaperWidthMm = 210;
inline constexpr double kGridPaperHeightMm = 297;
// A label starts this far right of / below its line.
inline constexpr double kGridLabelGapMm = 0.5;

// Distances of the lines from the corner: 10, 20, … up to the paper's edge.
std::vector<int> gridLinesMm(double paperMm);

// Where the labels of the vertical lines stand (their tops), and where those of the
// horizontal lines start (their left ends): away from the printer's unprintable border
// and from each other.
const std::vector<int>& gridVerticalLabelRowsMm();
const std::vector<int>& gridHorizontalLabelColumnsMm();

// Draws the grid over the page; the device origin must be the paper's top-left corner.
void drawMillimetreGrid(QPainter& painter);

}  // namespace vellex
