#pragma once
// How both timeline grids paint a cell, whatever its selection or focus.
#include <QColor>

namespace veltrano {

// White for even rows, a faint grey for odd ones; the text is always black.
QColor TimelineCellBackground(int row);
inline constexpr QColor kTimelineCellText{0, 0, 0};
// The text starts one pixel in from the cell's left edge.
inline constexpr int kTimelineTextIndent = 1;

// Top of the text, centred in the cell; a text taller than its cell starts at
// the cell's top less half the excess, the halving truncated toward zero.
int TimelineTextTop(int cellTop, int cellHeight, int textHeight);

} // namespace veltrano
